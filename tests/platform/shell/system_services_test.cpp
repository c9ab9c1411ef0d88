// Special folders, the reported system version and the version resource.
#include "platform/base/text.h"
#include "platform/files/path_mapping.h"
#include "platform/shell/shell_api.h"
#include "platform/shell/system_version.h"
#include "platform/shell/version_resource.h"
#include "platform/system/system_api.h"

#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace {

TEST(SHGetFolderPath, GivesFoldersOfThePrefix) {
    kxtest::TestPrefix prefix;
    kx::SetUserNameOverride(u"ada");
    struct Case {
        int csidl;
        HRESULT result;
        std::u16string path;
    };
    const Case cases[] = {
        {CSIDL_COMMON_APPDATA, S_OK, u"C:\\ProgramData"},
        {CSIDL_WINDOWS, S_OK, u"C:\\windows"},
        {CSIDL_APPDATA, E_FAIL, u""}, // per-user folders are not made unasked
        {CSIDL_APPDATA | CSIDL_FLAG_CREATE, S_OK, u"C:\\users\\ada\\AppData\\Roaming"},
        {0x7F, E_INVALIDARG, u""},
    };
    for (const auto& c : cases) {
        WCHAR path[MAX_PATH] = u"junk";
        EXPECT_EQ(SHGetFolderPathW(nullptr, c.csidl, nullptr, SHGFP_TYPE_CURRENT, path), c.result)
            << std::hex << c.csidl;
        EXPECT_EQ(std::u16string(path), c.path) << std::hex << c.csidl;
    }
    EXPECT_TRUE(std::filesystem::is_directory(prefix.DriveC() + "/ProgramData"));
    kx::SetUserNameOverride(u"");
}

TEST(SystemVersion, ParsesTheConfiguredVersion) {
    struct Case {
        const char* text;
        bool valid;
        DWORD major, minor, build, platform;
    };
    const Case cases[] = {
        {"4.0", true, 4, 0, 0, VER_PLATFORM_WIN32_NT},
        {"4.10", true, 4, 10, 0, VER_PLATFORM_WIN32_WINDOWS},
        {"4.0 9x", true, 4, 0, 0, VER_PLATFORM_WIN32_WINDOWS},
        {"10.0.19045", true, 10, 0, 19045, VER_PLATFORM_WIN32_NT},
        {"5.1.2600 nt", true, 5, 1, 2600, VER_PLATFORM_WIN32_NT},
        {"4", false},
        {"4.", false},
        {"4.0 os2", false},
        {"", false},
    };
    for (const auto& c : cases) {
        const auto version = kx::ParseSystemVersion(c.text);
        ASSERT_EQ(version.has_value(), c.valid) << c.text;
        if (!c.valid)
            continue;
        EXPECT_EQ(version->major, c.major) << c.text;
        EXPECT_EQ(version->minor, c.minor) << c.text;
        EXPECT_EQ(version->build, c.build) << c.text;
        EXPECT_EQ(version->platform, c.platform) << c.text;
    }
}

TEST(SystemVersion, GetVersionExReportsTheOverride) {
    OSVERSIONINFOEXW info{};
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_TRUE(GetVersionExW(reinterpret_cast<LPOSVERSIONINFOW>(&info)));
    EXPECT_EQ(info.dwPlatformId, VER_PLATFORM_WIN32_NT);
    EXPECT_GE(info.dwMajorVersion, 6u) << "the default is a current NT version";

    kx::SetSystemVersionOverride(kx::SystemVersion{4, 10, 2222, VER_PLATFORM_WIN32_WINDOWS});
    OSVERSIONINFOW old{};
    old.dwOSVersionInfoSize = sizeof old;
    ASSERT_TRUE(GetVersionExW(&old));
    EXPECT_EQ(old.dwMajorVersion, 4u);
    EXPECT_EQ(old.dwMinorVersion, 10u);
    EXPECT_EQ(old.dwBuildNumber, 0x040A08AEu);
    kx::SetSystemVersionOverride(std::nullopt);

    OSVERSIONINFOW wrong{};
    wrong.dwOSVersionInfoSize = 100;
    EXPECT_FALSE(GetVersionExW(&wrong));
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
}

class VersionResourceFixture : public ::testing::Test {
protected:
    void SetUp() override {
        m_prefix.WriteFile("drive_c/drv/kxui.dll", "module");
        m_prefix.WriteFile("drive_c/drv/kxui.dll.version",
                           "# product texts\n"
                           "FileDescription = Printer Driver User Interface\r\n"
                           "FileVersion=2.10.3.44\n"
                           "CompanyName=Kx Printing\n"
                           "not a line\n"
                           "Comments=\n");
    }

    std::vector<BYTE> Block(LPCWSTR file) {
        DWORD handle = 99;
        const DWORD size = GetFileVersionInfoSizeW(file, &handle);
        EXPECT_EQ(handle, 0u);
        std::vector<BYTE> block(size);
        if (size == 0 || !GetFileVersionInfoW(file, handle, size, block.data()))
            block.clear();
        return block;
    }

    kxtest::TestPrefix m_prefix;
};

TEST_F(VersionResourceFixture, AnswersStringsAndFixedInformation) {
    const auto block = Block(u"C:\\DRV\\KXUI.DLL");
    ASSERT_FALSE(block.empty());
    struct Case {
        const char16_t* query;
        bool found;
        std::u16string value;
    };
    const Case cases[] = {
        {u"\\StringFileInfo\\040904B0\\FileDescription", true, u"Printer Driver User Interface"},
        {u"\\StringFileInfo\\040904b0\\companyname", true, u"Kx Printing"},
        {u"\\StringFileInfo\\040904B0\\Comments", true, u""},
        {u"\\StringFileInfo\\040904B0\\LegalCopyright", false, u""},
        {u"\\StringFileInfo\\040704B0\\FileVersion", false, u""},
        {u"\\StringFileInfo\\040904B0\\", false, u""},
    };
    for (const auto& c : cases) {
        LPVOID value = nullptr;
        UINT length = 77;
        EXPECT_EQ(VerQueryValueW(block.data(), c.query, &value, &length) != FALSE, c.found)
            << kx::Utf16ToUtf8(c.query);
        if (!c.found)
            continue;
        EXPECT_EQ(std::u16string(static_cast<const WCHAR*>(value)), c.value);
        EXPECT_EQ(length, c.value.size() + 1) << "length counts the terminator";
    }

    LPVOID root = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), u"\\", &root, &length));
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(root);
    EXPECT_EQ(fixed->dwSignature, VS_FFI_SIGNATURE);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x0002000Au);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x0003002Cu);

    LPVOID translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(block.data(), u"\\VarFileInfo\\Translation", &translation, &length));
    EXPECT_EQ(*static_cast<const DWORD*>(translation), 0x04B00409u);
}

TEST(VersionData, ParsesNamesAndVersionNumbers) {
    using namespace std::string_literals;
    const auto strings =
        kx::ParseVersionData("; c\n#c\n A = 1 \nB=\nbad\n=v\nZero\0Name=x\nC=a=b\r\n"s);
    const kx::VersionStrings expected = {{u"A", u"1"}, {u"B", u""}, {u"C", u"a=b"}};
    EXPECT_EQ(strings, expected);

    struct Case {
        const char16_t* text;
        DWORD high, low;
    };
    const Case cases[] = {
        {u"1.2.3.4", 0x00010002, 0x00030004},
        {u"5,6", 0x00050006, 0},
        {u"70000.1", 0xFFFF0001, 0}, // parts saturate at 16 bits
        {u"2.x", 0x00020000, 0},
        {u"", 0, 0},
    };
    for (const auto& c : cases) {
        const auto [high, low] = kx::ParseVersionNumber(c.text);
        EXPECT_EQ(high, c.high) << kx::Utf16ToUtf8(c.text);
        EXPECT_EQ(low, c.low) << kx::Utf16ToUtf8(c.text);
    }
}

TEST_F(VersionResourceFixture, FailuresAndSmallBuffers) {
    DWORD handle = 0;
    EXPECT_EQ(GetFileVersionInfoSizeW(u"C:\\drv\\missing.dll", &handle), 0u);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    m_prefix.WriteFile("drive_c/drv/plain.dll", "module");
    EXPECT_EQ(GetFileVersionInfoSizeW(u"C:\\drv\\plain.dll", &handle), 0u);
    EXPECT_EQ(GetLastError(), ERROR_RESOURCE_DATA_NOT_FOUND);

    const DWORD size = GetFileVersionInfoSizeW(u"C:\\drv\\kxui.dll", &handle);
    std::vector<BYTE> small(size - 1);
    EXPECT_FALSE(GetFileVersionInfoW(u"C:\\drv\\kxui.dll", 0, size - 1, small.data()));
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
}

TEST_F(VersionResourceFixture, ModulesOutsideTheDrivesOnlyWhenLoaded) {
    const std::string outside = m_prefix.root() + "/lib/libkxui.so";
    m_prefix.WriteFile("lib/libkxui.so", "module");
    m_prefix.WriteFile("lib/libkxui.so.version", "FileVersion=1.0\n");
    const std::u16string windowsPath = kx::ToWindowsPath(outside);
    ASSERT_EQ(windowsPath.substr(0, 2), u"Z:");
    DWORD handle = 0;
    EXPECT_EQ(GetFileVersionInfoSizeW(windowsPath.c_str(), &handle), 0u) << "not a loaded module";
    const HMODULE module = kx::RegisterModule(outside, nullptr);
    EXPECT_GT(GetFileVersionInfoSizeW(windowsPath.c_str(), &handle), 0u);
    kx::UnregisterModule(module);
}

} // namespace
