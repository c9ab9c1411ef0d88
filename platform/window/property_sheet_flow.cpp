// The order in which a property sheet tells its pages what happens:
// PSN_KILLACTIVE before leaving, PSN_SETACTIVE on arrival, PSN_APPLY to every
// page on OK and Apply, PSN_QUERYCANCEL then PSN_RESET on Cancel.
#include "platform/controls/common_controls.h"
#include "platform/window/property_sheet_state.h"

namespace kx {

LRESULT SendPageNotify(HWND sheet, HWND page, UINT code, LPARAM lParam) {
    if (!IsWindow(page))
        return 0;
    PSHNOTIFY notify{};
    notify.hdr.hwndFrom = sheet;
    notify.hdr.idFrom = 0;
    notify.hdr.code = code;
    notify.lParam = lParam;
    return SendMessageW(page, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notify));
}

void UpdateApplyButton(HWND sheet, const SheetData& data) {
    bool anyChanged = false;
    for (const auto& page : data.pages)
        anyChanged = anyChanged || page.changed;
    if (const HWND apply = GetDlgItem(sheet, IDC_PS_APPLYNOW))
        EnableWindow(apply, anyChanged ? TRUE : FALSE);
}

bool ActivatePage(HWND sheet, SheetData& data, int index, int direction) {
    const int count = static_cast<int>(data.pages.size());
    for (int tries = 0; tries < count && index >= 0 && index < count; ++tries) {
        if (!EnsurePageWindow(sheet, data, index))
            return false;
        const HWND page = data.pages[static_cast<size_t>(index)].window;
        const LRESULT reply = SendPageNotify(sheet, page, PSN_SETACTIVE, 0);
        if (!IsWindow(sheet))
            return false;
        if (reply == -1) {
            index += direction >= 0 ? 1 : -1; // the page refused: try the next one
            continue;
        }
        const int previous = data.current;
        data.current = index;
        if (previous >= 0 && previous != index)
            ShowWindow(data.pages[static_cast<size_t>(previous)].window, SW_HIDE);
        ShowWindow(page, SW_SHOW);
        SendMessageW(data.tab, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
        return true;
    }
    return false;
}

bool LeaveCurrentPage(HWND sheet, SheetData& data) {
    if (data.current < 0)
        return true;
    const HWND page = data.pages[static_cast<size_t>(data.current)].window;
    return SendPageNotify(sheet, page, PSN_KILLACTIVE, 0) == FALSE;
}

bool ApplySheet(HWND sheet, SheetData& data, bool closing) {
    if (!LeaveCurrentPage(sheet, data))
        return false;
    for (size_t i = 0; i < data.pages.size(); ++i) {
        const HWND page = data.pages[i].window;
        if (!page)
            continue;
        const LRESULT reply = SendPageNotify(sheet, page, PSN_APPLY, closing ? TRUE : FALSE);
        if (!IsWindow(sheet))
            return false;
        if (reply == PSNRET_INVALID) {
            ActivatePage(sheet, data, static_cast<int>(i), 1);
            return false;
        }
        if (reply == PSNRET_INVALID_NOCHANGEPAGE) {
            // The page that was left stays current: it hears it is active again.
            if (data.current >= 0)
                SendPageNotify(sheet, data.pages[static_cast<size_t>(data.current)].window,
                               PSN_SETACTIVE, 0);
            return false;
        }
    }
    data.applied = true;
    for (auto& page : data.pages)
        page.changed = false;
    UpdateApplyButton(sheet, data);
    if (!closing && data.current >= 0)
        SendPageNotify(sheet, data.pages[static_cast<size_t>(data.current)].window, PSN_SETACTIVE,
                       0);
    return true;
}

void CancelSheet(HWND sheet, SheetData& data, bool closeBox) {
    if (data.current >= 0 &&
        SendPageNotify(sheet, data.pages[static_cast<size_t>(data.current)].window, PSN_QUERYCANCEL,
                       0))
        return;
    for (const auto& page : data.pages) {
        if (page.window)
            SendPageNotify(sheet, page.window, PSN_RESET, closeBox ? TRUE : FALSE);
        if (!IsWindow(sheet))
            return;
    }
    CloseSheet(sheet, data);
}

void CloseSheet(HWND sheet, SheetData& data) {
    data.closed = true;
    if (data.modal) {
        EndDialog(sheet, data.applied ? 1 : 0);
        return;
    }
    ShowWindow(sheet, SW_HIDE);
}

} // namespace kx
