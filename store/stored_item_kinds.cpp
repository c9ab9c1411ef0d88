// The item factory the module installs for its list controls.
#include "store/stored_item_kinds.h"

#include "store/custom_paper.h"

#include <new>

namespace kx {
namespace {

std::unique_ptr<CCustomData> MakePaper(int item) {
    if (item < 0)
        return std::unique_ptr<CCustomData>(new (std::nothrow) CCustomPaper());
    return std::unique_ptr<CCustomData>(new (std::nothrow) CCustomPaper(CCustomPaper::Load(item)));
}

} // namespace

std::unique_ptr<CCustomData> MakeStoredItem(int kind, int item, const BYTE*) {
    switch (kind) {
    case kCustomPaperKind:
        return MakePaper(item);
    default:
        return nullptr;
    }
}

void InstallStoredItemKinds() { SetCustomDataFactory(MakeStoredItem); }

} // namespace kx
