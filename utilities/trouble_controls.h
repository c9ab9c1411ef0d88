// The Troubleshooting page's control identifiers, apart from the page so
// that the host program's gallery can name them.
#pragma once

namespace kx {

/// The page's own controls.
enum TroubleControl : int {
    kTestPageGroupId = 1400,
    kTestPageListId = 1401,
    kTestPagePrintId = 1402,
    kLinkGroupId = 1410,
    kFirstLinkId = 1411, ///< links 1 to 6 are 1411 to 1416
    kLastStatusInfoId = 1420,
    kStatusCheckId = 1421,
};

} // namespace kx
