// The help control's registration names its library in HKEY_CLASSES_ROOT.
#include "platform/registry/registry_api.h"
#include "platform/shell/help_control.h"

#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(HelpControl, RegistrationNamesTheLibrary) {
    kxtest::TestPrefix prefix;
    ASSERT_EQ(kx::RegisterHelpControlPath(), ERROR_SUCCESS);
    const std::u16string key =
        u"Software\\Classes\\CLSID\\" + std::u16string(kx::kHelpControlClsid) + u"\\InprocServer32";
    HKEY server = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &server), ERROR_SUCCESS)
        << "the classes root is a view of HKEY_LOCAL_MACHINE\\Software\\Classes";
    WCHAR path[MAX_PATH] = {};
    DWORD size = sizeof path;
    DWORD type = 0;
    EXPECT_EQ(
        RegQueryValueExW(server, nullptr, nullptr, &type, reinterpret_cast<LPBYTE>(path), &size),
        ERROR_SUCCESS);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(std::u16string(path), kx::kHelpControlPath);
    RegCloseKey(server);
}

} // namespace
