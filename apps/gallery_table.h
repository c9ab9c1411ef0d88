// What the gallery shows of each page of the page table: the buttons that
// open a dialog or a sub-sheet (each drawn open), and the device-mode
// fields the page edits. A page that lands adds its row here.
#pragma once

#include <span>
#include <string_view>

namespace kxhost {

/// A button of a page that opens a dialog, and how the dialog is closed
/// again without keeping anything.
struct GalleryDialog {
    int control;
    std::string_view name; ///< for the picture's file name and the index
};

struct GalleryPage {
    int index;
    std::span<const GalleryDialog> dialogs;
    /// The device-mode fields the page edits, blank-separated.
    std::string_view fields;
};

/// The row of a page index; an empty row for an index without one.
const GalleryPage& GalleryPageOf(int index);

} // namespace kxhost
