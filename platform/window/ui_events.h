// What the user would see appear: dialogs, message boxes, tips and file
// dialogs, reported to one sink (the scripted user's log).
#pragma once

#include "platform/base/win_types.h"

#include <functional>
#include <string>

namespace kx {

enum class UiEventKind { Dialog, MessageBox, ToolTip, FileDialog };

struct UiEvent {
    UiEventKind kind;
    HWND window = nullptr;
    std::u16string title;
    std::u16string text;
    DWORD flags = 0;
    LONG_PTR result = 0;
};

using UiEventSink = std::function<void(const UiEvent&)>;

/// Installs the sink and returns the previous one.
UiEventSink SetUiEventSink(UiEventSink sink);
void ReportUiEvent(const UiEvent& event);

} // namespace kx
