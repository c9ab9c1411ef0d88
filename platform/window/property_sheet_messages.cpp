// The messages a property sheet answers: its buttons, the tab control's
// notifications and the PSM_* messages of its pages and owner.
#include "platform/controls/common_controls.h"
#include "platform/window/property_sheet_state.h"

namespace kx {
namespace {

LRESULT SheetNotify(HWND sheet, SheetData& data, const NMHDR& header) {
    if (header.hwndFrom != data.tab)
        return 0;
    if (header.code == TCN_SELCHANGING)
        return LeaveCurrentPage(sheet, data) ? FALSE : TRUE;
    if (header.code == TCN_SELCHANGE) {
        const int wanted = static_cast<int>(SendMessageW(data.tab, TCM_GETCURSEL, 0, 0));
        ActivatePage(sheet, data, wanted, wanted >= data.current ? 1 : -1);
    }
    return 0;
}

int PageIndex(const SheetData& data, HWND page) {
    for (size_t i = 0; i < data.pages.size(); ++i) {
        if (data.pages[i].window == page)
            return static_cast<int>(i);
    }
    return -1;
}

void PressButton(HWND sheet, SheetData& data, WPARAM button) {
    switch (button) {
    case PSBTN_OK:
        if (ApplySheet(sheet, data, true))
            CloseSheet(sheet, data);
        break;
    case PSBTN_APPLYNOW:
        ApplySheet(sheet, data, false);
        break;
    case PSBTN_CANCEL:
        CancelSheet(sheet, data, false);
        break;
    case PSBTN_HELP:
        if (data.current >= 0)
            SendPageNotify(sheet, data.pages[static_cast<size_t>(data.current)].window, PSN_HELP,
                           0);
        break;
    default:
        break;
    }
}

} // namespace

INT_PTR SheetMessage(HWND sheet, SheetData& data, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            PressButton(sheet, data, PSBTN_OK);
            return TRUE;
        case IDCANCEL:
            PressButton(sheet, data, PSBTN_CANCEL);
            return TRUE;
        case IDC_PS_APPLYNOW:
            PressButton(sheet, data, PSBTN_APPLYNOW);
            return TRUE;
        case IDHELP:
            PressButton(sheet, data, PSBTN_HELP);
            return TRUE;
        default:
            return FALSE;
        }
    case WM_CLOSE:
        CancelSheet(sheet, data, true);
        return TRUE;
    case WM_NOTIFY:
        SetWindowLongPtrW(sheet, DWLP_MSGRESULT,
                          SheetNotify(sheet, data, *reinterpret_cast<const NMHDR*>(lParam)));
        return TRUE;
    case PSM_CHANGED:
    case PSM_UNCHANGED: {
        const int index = PageIndex(data, reinterpret_cast<HWND>(wParam));
        if (index >= 0)
            data.pages[static_cast<size_t>(index)].changed = message == PSM_CHANGED;
        UpdateApplyButton(sheet, data);
        return TRUE;
    }
    case PSM_SETCURSEL: {
        const int index = static_cast<int>(wParam);
        const bool ok = LeaveCurrentPage(sheet, data) && ActivatePage(sheet, data, index, 1);
        SetWindowLongPtrW(sheet, DWLP_MSGRESULT, ok ? TRUE : FALSE);
        return TRUE;
    }
    case PSM_PRESSBUTTON:
        PressButton(sheet, data, wParam);
        return TRUE;
    case PSM_APPLY:
        SetWindowLongPtrW(sheet, DWLP_MSGRESULT, ApplySheet(sheet, data, false) ? TRUE : FALSE);
        return TRUE;
    case PSM_CANCELTOCLOSE:
        SetDlgItemTextW(sheet, IDCANCEL, u"Close");
        return TRUE;
    case PSM_GETCURRENTPAGEHWND:
        SetWindowLongPtrW(
            sheet, DWLP_MSGRESULT,
            data.closed || data.current < 0
                ? 0
                : reinterpret_cast<LONG_PTR>(data.pages[static_cast<size_t>(data.current)].window));
        return TRUE;
    case PSM_GETTABCONTROL:
        SetWindowLongPtrW(sheet, DWLP_MSGRESULT, reinterpret_cast<LONG_PTR>(data.tab));
        return TRUE;
    case PSM_QUERYSIBLINGS: {
        LRESULT answer = 0;
        for (const auto& page : data.pages) {
            if (page.window &&
                (answer = SendMessageW(page.window, PSM_QUERYSIBLINGS, wParam, lParam)))
                break;
        }
        SetWindowLongPtrW(sheet, DWLP_MSGRESULT, answer);
        return TRUE;
    }
    case PSM_SETTITLEW:
        if (lParam && !IS_INTRESOURCE(reinterpret_cast<LPCWSTR>(lParam)))
            SetWindowTextW(sheet, reinterpret_cast<LPCWSTR>(lParam));
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace kx
