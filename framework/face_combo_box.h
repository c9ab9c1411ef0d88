// CFaceComboBox: the TrueType faces a text mark can be printed in, with the
// faces the dialog cannot show (vertical faces, other character sets)
// listed but not choosable.
#pragma once

#include "framework/kx_combo_box.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kx {

/// One report of the font enumeration.
struct FontFaceReport {
    std::u16string name;
    BYTE charSet;
    DWORD fontType;
};

struct FaceEntry {
    std::u16string name;
    bool usable;
    bool operator==(const FaceEntry&) const = default;
};

class CFaceComboBox : public CKxComboBox {
public:
    /// Entry values: what a face's entry holds.
    static constexpr WORD kUsable = 1;
    static constexpr WORD kUnusable = 0;

    /// The entries for the reports in order: TrueType faces only, a face
    /// reported again right after itself (for another character set) folded
    /// into one entry. A face is usable when its name does not begin with
    /// "@" and one of its reports has the dialog's character set.
    static std::vector<FaceEntry> FaceEntries(std::span<const FontFaceReport> reports,
                                              BYTE dialogCharSet);
    /// Every scalable face of every character set, as the system reports them.
    static std::vector<FontFaceReport> InstalledFaces();
    /// The character set of the dialog's font.
    static BYTE DialogCharSet(HWND dialog);

    /// Fills the box with the installed TrueType faces for the owning dialog.
    int Fill(HWND dialog);
    /// Adds the entries as they stand; returns how many.
    int Fill(std::span<const FaceEntry> entries);

    /// Selects the face of exactly that name, else the first entry. Returns
    /// the position, -1 for an empty list.
    int SelectFace(std::u16string_view name);
    /// Selects "Arial" when it is listed and usable, else the first usable
    /// face, else the first entry.
    int SelectDefaultFace();
    /// The name of the selected face; empty when none.
    std::u16string SelectedFace() const;

private:
    int FindFace(std::u16string_view name) const;
};

} // namespace kx
