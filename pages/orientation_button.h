// COrientationButton: the short pages' two-state orientation button. It is
// a push button that shows the sheet in the orientation chosen, with the
// orientation's name beside it; a click (or the space bar) turns it.
#pragma once

#include "platform/base/win_types.h"
#include "platform/wndclass/standard_controls.h"

#include <string>

namespace kx {

class COrientationButton : public CButton {
public:
    /// The two states' names, already in the user's language.
    void SetNames(std::u16string portrait, std::u16string landscape);

    /// State 0 is portrait, 1 landscape; the button's text follows it.
    void SetState(int state);
    int state() const { return m_state; }
    void Toggle() { SetState(1 - m_state); }

    /// dmOrientation of a state, and the state a stored dmOrientation shows.
    static SHORT OrientationOf(int state);
    static int StateOf(int64_t orientation);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();

    int m_state = 0;
    std::u16string m_names[2] = {u"Portrait", u"Landscape"};
};

} // namespace kx
