// The item factory the module installs for its list controls.
#include "store/stored_item_kinds.h"

#include "store/custom_paper.h"
#include "store/favorite.h"
#include "store/over_lay.h"
#include "store/water_mark.h"

#include <new>
#include <type_traits>
#include <utility>

namespace kx {
namespace {

// An allocation failure gives no item, and the list skips the entry.
template <class Item>
std::unique_ptr<CCustomData> Owned(Item&& item) {
    return std::unique_ptr<CCustomData>(new (std::nothrow)
                                            std::decay_t<Item>(std::forward<Item>(item)));
}

} // namespace

std::unique_ptr<CCustomData> MakeStoredItem(int kind, int item, const BYTE* devmode) {
    // Overlays and favourites are loaded for a device mode: its language
    // picks the overlay list, its printer's cache holds the favourites.
    const bool empty =
        item < 0 || ((kind == kOverlayKind || kind == kFavouriteKind) && devmode == nullptr);
    switch (kind) {
    case kCustomPaperKind:
        return empty ? Owned(CCustomPaper()) : Owned(CCustomPaper::Load(item));
    case kWatermarkKind:
        return empty ? Owned(CWaterMark()) : Owned(CWaterMark::Load(item));
    case kOverlayKind:
        return empty ? Owned(COverLay(u"", devmode)) : Owned(COverLay::Load(item, devmode));
    case kFavouriteKind:
        return empty ? Owned(CFavorite()) : Owned(CFavorite::Load(item, devmode));
    default:
        return nullptr;
    }
}

void InstallStoredItemKinds() {
    SetCustomDataFactory(MakeStoredItem);
}

} // namespace kx
