// The HTML help control: its class registration in HKEY_CLASSES_ROOT, which
// tells callers where the control's library is, so that they can load it and
// take its help entry.
#pragma once

#include "platform/base/win_types.h"

#include <string_view>

namespace kx {

/// The help control's class identifier.
constexpr std::u16string_view kHelpControlClsid = u"{ADB880A6-D8FF-11CF-9377-00AA003B7A11}";
/// The library file the registration names.
constexpr std::u16string_view kHelpControlPath = u"C:\\windows\\system32\\hhctrl.ocx";

/// Writes CLSID\{...}\InprocServer32 (default value: the library's path) in
/// HKEY_CLASSES_ROOT of the current prefix. Returns a Win32 error code.
[[nodiscard]] DWORD RegisterHelpControlPath();

} // namespace kx
