// COverlapField: the poster overlap, an edit with a spin button beside it
// that shows a length held in tenths of a millimetre as whole millimetres or
// as inches with two decimals.
#pragma once

#include "platform/base/win_types.h"
#include "platform/wndclass/standard_controls.h"

namespace kx {

class COverlapField {
public:
    /// Takes over the dialog's edit and spin button.
    bool Attach(HWND dialog, int editId, int spinId);
    /// The unit shown; the text is rewritten in it.
    void SetUnit(bool inches);
    bool inches() const { return m_inches; }
    /// Clamps to 0 to 254 and shows the value.
    void SetValue(int tenthsOfMm);
    int Value() const { return m_value; }

    /// For the owning dialog: EN_CHANGE reads the text (text that does not
    /// read as a number leaves the value), EN_KILLFOCUS rewrites it, and the
    /// spin moves the value by a millimetre. True when the message was the
    /// field's; `changed` tells whether the value moved.
    bool OnCommand(WPARAM wParam, LPARAM lParam, bool* changed);
    bool OnNotify(LPARAM lParam, LRESULT* result);

    HWND edit() const { return m_edit.m_hWnd; }

private:
    void ShowValue();

    CEdit m_edit;
    CSpinButtonCtrl m_spin;
    int m_value = 0;
    bool m_inches = false;
    bool m_showing = false;
};

} // namespace kx
