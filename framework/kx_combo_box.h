// The pages' value-list combo box: (display text, 16-bit value) entries,
// unavailable entries the user cannot choose, clamping of values the list
// lacks, and the drawing of owner-drawn entries.
#pragma once

#include "framework/kx_list_controls.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace kx {

/// One entry of a value list as the selection rules see it.
struct ValueEntry {
    WORD value;
    bool available;
};

enum class Availability { Available, Unavailable };

/// A drop-down list of (display text, 16-bit value) entries. Entries can be
/// marked unavailable: they are drawn greyed (when the control is owner-drawn)
/// and the user cannot choose them. Owner-drawn boxes need CBS_HASSTRINGS.
class CKxComboBox : public TKxClass<CComboBox> {
public:
    /// Appends an entry; returns its position, or CB_ERR.
    int AddItem(std::u16string_view text, WORD value,
                Availability availability = Availability::Available);

    /// Selects the entry holding `value` (even an unavailable one: the list
    /// shows what the settings hold). A value not in the list is clamped
    /// into it: the available entry with the nearest value is selected, the
    /// lower one on a tie. Returns the position, or -1 for an empty list.
    int SelectValue(WORD value);
    /// The value of the selected entry; none when nothing is selected.
    std::optional<WORD> SelectedValue() const;
    /// The value of the entry at `index`; none when out of range.
    std::optional<WORD> ValueAt(int index) const;
    /// Position of the first entry holding `value`, or -1.
    int FindValue(WORD value) const;

    void SetAvailability(int index, Availability availability);
    /// Marks every entry holding `value`.
    void SetValueAvailability(WORD value, Availability availability);
    bool IsAvailable(int index) const;

    /// The position SelectValue chooses among `entries` for `value`.
    static int PositionForValue(std::span<const ValueEntry> entries, WORD value);
    /// The first available position after `from` in `step` direction (+1 or
    /// -1), or -1 when there is none.
    static int NextAvailable(std::span<const ValueEntry> entries, int from, int step);

    /// Draws one entry: its text on the window colour, or on the highlight
    /// when selected; greyed when unavailable or the box is disabled.
    void DrawItem(const DRAWITEMSTRUCT& item);

    /// For the owning dialog, before it handles a message itself: the box's
    /// own selection notifications (a refused choice is undone and its
    /// notification swallowed) and the drawing of its entries. Returns true
    /// when the message was taken and the dialog must not handle it.
    static bool ReflectFromParent(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    /// Draws what stands before an entry's text (an icon, a colour) into
    /// the left of `area`; returns the width it took. Draws nothing here.
    virtual int DrawEntryPicture(HDC dc, const RECT& area, int index, bool greyed);

private:
    std::vector<ValueEntry> Entries() const;
    /// True when the user's new selection must be refused (and was undone).
    bool RefuseChoice(WORD code);
    bool MoveOverUnavailable(UINT key);

    int m_accepted = -1; ///< The selection last set by the program or accepted from the user.
    bool m_refusedWhileOpen = false;
};

} // namespace kx
