// Parent notifications and small helpers shared by the controls.
#include "platform/controls/control_base.h"

#include <algorithm>

namespace kx {

void NotifyParentCommand(HWND control, WORD code) {
    const HWND parent = GetParent(control);
    if (!parent)
        return;
    SendMessageW(parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(control)), code),
                 reinterpret_cast<LPARAM>(control));
}

LRESULT NotifyParent(HWND control, NMHDR& header, UINT code) {
    header.hwndFrom = control;
    header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(control));
    header.code = code;
    const HWND parent = GetParent(control);
    if (!parent)
        return 0;
    return SendMessageW(parent, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

std::vector<HWND> ControlGroup(HWND control) {
    std::vector<HWND> siblings;
    for (HWND at = GetWindow(control, GW_HWNDLAST); at; at = GetWindow(at, GW_HWNDPREV))
        siblings.push_back(at);
    auto self = std::find(siblings.begin(), siblings.end(), control);
    if (self == siblings.end())
        return {control};
    auto first = self;
    while (first != siblings.begin() && !(WindowStyle(*first) & WS_GROUP))
        --first;
    auto last = self + 1;
    while (last != siblings.end() && !(WindowStyle(*last) & WS_GROUP))
        ++last;
    return {first, last};
}

DWORD WindowStyle(HWND window) {
    return static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
}

std::u16string WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::u16string text(static_cast<size_t>(std::max(length, 0)) + 1, u'\0');
    const int copied = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(std::max(copied, 0)));
    return text;
}

LRESULT CopyToUnboundedBuffer(LPARAM buffer, const std::u16string& text) {
    auto* out = reinterpret_cast<WCHAR*>(buffer);
    if (!out)
        return -1;
    std::copy(text.begin(), text.end(), out);
    out[text.size()] = 0;
    return static_cast<LRESULT>(text.size());
}

} // namespace kx
