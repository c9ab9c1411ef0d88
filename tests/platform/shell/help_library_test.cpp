// The help control loaded as a library, by name and by its registered path,
// with its entry found by name and by number.
#include "platform/base/text.h"
#include "platform/shell/desktop_requests.h"
#include "platform/shell/help_api.h"
#include "platform/shell/help_control.h"
#include "platform/system/library_loader.h"

#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

TEST(HelpLibrary, LoadsByNameAndPathAndAnswersByNumber) {
    kxtest::TestPrefix prefix;
    kx::DesktopRequests::Instance().SetMode(kx::DesktopMode::Record);
    kx::DesktopRequests::Instance().Clear();

    const std::u16string path(kx::kHelpControlPath);
    for (const std::u16string& name : {std::u16string(u"hhctrl.ocx"), path}) {
        HMODULE library = LoadLibraryW(name.c_str());
        ASSERT_NE(library, nullptr) << kx::Utf16ToUtf8(name);
        const FARPROC byName = GetProcAddress(library, "HtmlHelpW");
        const FARPROC byNumber =
            GetProcAddress(library, reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(15)));
        ASSERT_NE(byName, nullptr);
        EXPECT_EQ(byNumber, byName);
        const auto htmlHelp =
            reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void (*)()>(byNumber));
        const std::u16string topic = u"C:\\drv\\KX.chm::/status.htm";
        htmlHelp(nullptr, topic.c_str(), HH_DISPLAY_TOPIC, 0);
        EXPECT_TRUE(FreeLibrary(library));
    }
    const auto recorded = kx::DesktopRequests::Instance().Recorded();
    ASSERT_EQ(recorded.size(), 2u);
    EXPECT_EQ(recorded[1].action, u"HH_DISPLAY_TOPIC");
    EXPECT_EQ(recorded[1].target, u"C:\\drv\\KX.chm::/status.htm");
}

} // namespace
