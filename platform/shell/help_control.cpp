// The help control's class registration.
#include "platform/shell/help_control.h"

#include "platform/registry/registry_api.h"

#include <string>

namespace kx {

DWORD RegisterHelpControlPath() {
    const std::u16string key = u"CLSID\\" + std::u16string(kHelpControlClsid) + u"\\InprocServer32";
    HKEY server = nullptr;
    LSTATUS status = RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr,
                                     REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &server, nullptr);
    if (status != ERROR_SUCCESS)
        return static_cast<DWORD>(status);
    const std::u16string path(kHelpControlPath);
    status = RegSetValueExW(server, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                            static_cast<DWORD>((path.size() + 1) * sizeof(WCHAR)));
    const std::u16string model = u"Apartment";
    if (status == ERROR_SUCCESS)
        status = RegSetValueExW(server, u"ThreadingModel", 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(model.c_str()),
                                static_cast<DWORD>((model.size() + 1) * sizeof(WCHAR)));
    RegCloseKey(server);
    return static_cast<DWORD>(status);
}

} // namespace kx
