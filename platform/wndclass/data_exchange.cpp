// The DDX and DDV routines.
#include "platform/wndclass/data_exchange.h"

#include "platform/base/text.h"
#include "platform/controls/control_base.h"
#include "platform/controls/control_constants.h"
#include "platform/window/message_box.h"
#include "platform/window/window_object.h"
#include "platform/wndclass/wnd.h"

#include <string>

namespace kx {
namespace {

bool ParseWholeNumber(std::u16string_view text, int& value) {
    text = TrimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text[0] == u'-' || text[0] == u'+')) {
        negative = text[0] == u'-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 10)
        return false;
    int64_t number = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9')
            return false;
        number = number * 10 + (c - u'0');
    }
    number = negative ? -number : number;
    if (number < INT32_MIN || number > INT32_MAX)
        return false;
    value = static_cast<int>(number);
    return true;
}

void Tell(CDataExchange* exchange, std::u16string_view text) {
    MessageBoxW(exchange->m_pDlgWnd ? exchange->m_pDlgWnd->m_hWnd : nullptr,
                std::u16string(text).c_str(), nullptr, MB_OK | MB_ICONEXCLAMATION);
}

std::u16string Decimal(int value) {
    return Utf8ToUtf16(std::to_string(value));
}

} // namespace

HWND CDataExchange::PrepareCtrl(int id) {
    m_lastControl = m_pDlgWnd ? ::GetDlgItem(m_pDlgWnd->m_hWnd, id) : nullptr;
    return m_lastControl;
}

void CDataExchange::Fail() {
    m_failed = true;
    if (m_lastControl && IsWindow(m_lastControl)) {
        ::SetFocus(m_lastControl);
        SendMessageW(m_lastControl, EM_SETSEL, 0, -1);
    }
}

void DDX_Text(CDataExchange* exchange, int id, std::u16string& value) {
    if (exchange->Failed())
        return;
    const HWND control = exchange->PrepareCtrl(id);
    if (exchange->m_bSaveAndValidate)
        value = WindowText(control);
    else
        SetWindowTextW(control, value.c_str());
}

void DDX_Text(CDataExchange* exchange, int id, int& value) {
    if (exchange->Failed())
        return;
    const HWND control = exchange->PrepareCtrl(id);
    if (!exchange->m_bSaveAndValidate) {
        SetWindowTextW(control, Decimal(value).c_str());
        return;
    }
    if (!ParseWholeNumber(WindowText(control), value)) {
        Tell(exchange, u"Please enter an integer.");
        exchange->Fail();
    }
}

void DDX_Check(CDataExchange* exchange, int id, int& value) {
    if (exchange->Failed())
        return;
    const HWND control = exchange->PrepareCtrl(id);
    if (exchange->m_bSaveAndValidate)
        value = static_cast<int>(SendMessageW(control, BM_GETCHECK, 0, 0));
    else
        SendMessageW(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_Radio(CDataExchange* exchange, int id, int& value) {
    if (exchange->Failed())
        return;
    const HWND first = exchange->PrepareCtrl(id);
    if (!first)
        return;
    if (exchange->m_bSaveAndValidate)
        value = -1;
    int index = 0;
    for (HWND button : ControlGroup(first)) {
        if (!HasClassName(button, u"Button"))
            continue;
        const DWORD type = WindowStyle(button) & BS_TYPEMASK;
        if (type != BS_RADIOBUTTON && type != BS_AUTORADIOBUTTON)
            continue;
        if (exchange->m_bSaveAndValidate) {
            if (SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED)
                value = index;
        } else {
            SendMessageW(button, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        ++index;
    }
}

void DDX_CBIndex(CDataExchange* exchange, int id, int& index) {
    if (exchange->Failed())
        return;
    const HWND control = exchange->PrepareCtrl(id);
    if (exchange->m_bSaveAndValidate)
        index = static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0));
    else
        SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_CBString(CDataExchange* exchange, int id, std::u16string& value) {
    if (exchange->Failed())
        return;
    const HWND control = exchange->PrepareCtrl(id);
    if (exchange->m_bSaveAndValidate) {
        value = WindowText(control);
        return;
    }
    if (SendMessageW(control, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(value.c_str())) < 0)
        SetWindowTextW(control, value.c_str());
}

void DDX_LBIndex(CDataExchange* exchange, int id, int& index) {
    if (exchange->Failed())
        return;
    const HWND control = exchange->PrepareCtrl(id);
    if (exchange->m_bSaveAndValidate)
        index = static_cast<int>(SendMessageW(control, LB_GETCURSEL, 0, 0));
    else
        SendMessageW(control, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_Control(CDataExchange* exchange, int id, CWnd& control) {
    if (control.m_hWnd || exchange->Failed())
        return;
    control.SubclassWindow(exchange->PrepareCtrl(id));
}

void DDV_MinMaxInt(CDataExchange* exchange, int value, int minimum, int maximum) {
    if (!exchange->m_bSaveAndValidate || exchange->Failed() ||
        (value >= minimum && value <= maximum))
        return;
    Tell(exchange, u"Please enter an integer between " + Decimal(minimum) + u" and " +
                       Decimal(maximum) + u".");
    exchange->Fail();
}

void DDV_MaxChars(CDataExchange* exchange, const std::u16string& value, int count) {
    if (!exchange->m_bSaveAndValidate || exchange->Failed() ||
        static_cast<int>(value.size()) <= count)
        return;
    Tell(exchange, u"Enter no more than " + Decimal(count) + u" characters.");
    exchange->Fail();
}

} // namespace kx
