// The identifiers of the controls the framework gives meaning to on every
// page: previews, unit buttons, logo, separator and the favourites
// controls. Page families keep their own controls' identifiers beside
// their pages; templates, page classes and tests use these names.
#pragma once

namespace kx {

enum FrameworkControl : int {
    kLayoutPreviewId = 1128,
    kPrinterPreviewId = 1129,
    kColourPreviewId = 1236,
    kStampPreviewId = 1240,
    kMillimetreButtonId = 1186,
    kInchButtonId = 1187,
    kLogoId = 1071,
    kVerticalSeparatorId = 1314,
    kFavouritesGroupId = 1208,
    kFavouritesBoxId = 1046,
    kFavouriteDeleteId = 1047,
    kFavouriteRenameId = 1048,
    kFavouriteSaveId = 1049,
};

} // namespace kx
