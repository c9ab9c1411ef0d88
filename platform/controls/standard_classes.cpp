// Registers the platform's own window classes: the dialog class and every
// control, once per process, before the first window is made.
#include "platform/controls/common_controls.h"
#include "platform/controls/control_procs.h"
#include "platform/window/dialog_state.h"
#include "platform/window/window_world.h"

namespace kx {
namespace {

struct SystemClass {
    const char16_t* name;
    WNDPROC proc;
    int windowExtra;
    int backgroundColor = -1; ///< A system colour index, or -1 for none.
};

constexpr int kColorButtonFace = 15; // COLOR_BTNFACE

constexpr SystemClass kSystemClasses[] = {
    {kDialogClassName, DefDlgProcW, DLGWINDOWEXTRA, kColorButtonFace},
    {u"Button", ButtonProc, 0},
    {u"Static", StaticProc, 0},
    {u"Edit", EditProc, 0},
    {u"ComboBox", ComboBoxProc, 0},
    {u"ListBox", ListBoxProc, 0},
    {UPDOWN_CLASSW, UpDownProc, 0},
    {TRACKBAR_CLASSW, TrackbarProc, 0},
    {WC_TABCONTROLW, TabControlProc, 0},
    {DATETIMEPICK_CLASSW, DateTimePickerProc, 0},
    {TOOLTIPS_CLASSW, ToolTipProc, 0},
    {u"ComboLBox", ComboDropListProc, 0},
};

} // namespace

void EnsureSystemClasses() {
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    // A class brush of colour index + 1 stands for that system colour.
    for (const auto& entry : kSystemClasses)
        RegisterSystemClass(
            entry.name, entry.proc, entry.windowExtra,
            entry.backgroundColor < 0
                ? nullptr
                : reinterpret_cast<HBRUSH>(static_cast<intptr_t>(entry.backgroundColor + 1)));
}

} // namespace kx

extern "C" {

KXAPI BOOL WINAPI InitCommonControlsEx(const INITCOMMONCONTROLSEX* init) {
    if (!init || init->dwSize != sizeof(INITCOMMONCONTROLSEX))
        return FALSE;
    kx::EnsureSystemClasses();
    return TRUE;
}

KXAPI void WINAPI InitCommonControls() {
    kx::EnsureSystemClasses();
}

} // extern "C"
