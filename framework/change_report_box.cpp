// The change report's clipboard copy and message box.
#include "framework/change_report_box.h"

#include "devmode/change_report.h"
#include "framework/kromaui_app.h"
#include "platform/base/text.h"
#include "platform/window/clipboard.h"
#include "platform/window/message_box.h"

#include <cstring>

namespace kx {
namespace {

// A movable block holding bytes; skipped (nothing put) when it cannot be
// had.
void PutOnClipboard(UINT format, const void* bytes, size_t size) {
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (block == nullptr)
        return;
    void* memory = GlobalLock(block);
    if (memory == nullptr) {
        GlobalFree(block);
        return;
    }
    std::memcpy(memory, bytes, size);
    GlobalUnlock(block);
    if (SetClipboardData(format, block) == nullptr)
        GlobalFree(block);
}

void CopyToClipboard(const std::u16string& text) {
    if (!OpenClipboard(nullptr))
        return;
    EmptyClipboard();
    PutOnClipboard(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(char16_t));
    const std::string ansi = Utf16ToCp1252(text);
    PutOnClipboard(CF_TEXT, ansi.c_str(), ansi.size() + 1);
    CloseClipboard();
}

} // namespace

void ReportDevmodeChanges(HWND owner, const BYTE* oldRecord, const BYTE* newRecord) {
    const std::u16string text = BuildChangeReport(oldRecord, newRecord);
    CopyToClipboard(text);
    const std::u16string title = TheApp().names.moduleBaseName;
    MessageBoxW(owner, text.c_str(), title.c_str(), MB_OK | MB_ICONINFORMATION);
}

} // namespace kx
