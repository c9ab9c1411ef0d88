// The preview factory of the pages.
#include "pages/preview_factory.h"

#include "framework/kx_preview.h"
#include "pages/color_preview.h"
#include "pages/deco_preview.h"
#include "pages/layout_preview_ex.h"
#include "pages/printer_preview.h"

namespace kx {
namespace {

std::unique_ptr<CKxPreview> MakePagePreview(PreviewRole role) {
    switch (role) {
    case PreviewRole::Layout:
        return std::make_unique<CLayoutPreviewEx>();
    case PreviewRole::Printer:
        return std::make_unique<CPrinterPreview>();
    case PreviewRole::OutputBin:
        return std::make_unique<CPrinterOutBinPreview>();
    case PreviewRole::Colour:
        return std::make_unique<CColorPreview>();
    case PreviewRole::Stamp:
        return std::make_unique<CDecoPreview2>();
    }
    return std::make_unique<CKxPreview>(role);
}

} // namespace

void InstallPreviewFactory() {
    SetPreviewFactory(MakePagePreview);
}

} // namespace kx
