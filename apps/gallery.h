// The gallery of the main job: every page of every printer of the prefix
// and every dialog those pages open, drawn to PNG and gathered in one HTML
// page that a person opens in a browser.
#pragma once

#include <string>
#include <string_view>

namespace kxhost {

/// Opens each printer's sheet with every page of the page table, draws
/// every page and, opened from it, every dialog of the gallery table, into
/// `folder` (gallery/<printer>/...), and writes `folder`/index.html.
/// Returns 0 when every printer's sheet opened and every picture was
/// written.
int MakeGallery(const std::string& folder);

/// "Velmora ML-4200" becomes "velmora-ml-4200": letters and digits kept,
/// the rest one dash.
std::string GallerySlug(std::string_view name);

/// Text made safe inside HTML elements and attribute values.
std::string HtmlEscaped(std::string_view text);

} // namespace kxhost
