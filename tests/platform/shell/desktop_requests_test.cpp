// Shell execution and help requests: recorded in headless mode, carried out
// otherwise.
#include "platform/shell/desktop_requests.h"
#include "platform/shell/help_api.h"
#include "platform/shell/shell_api.h"

#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace {

using kx::DesktopMode;
using kx::DesktopRequests;
using kx::RequestKind;

class RecordingFixture : public ::testing::Test {
protected:
    void SetUp() override {
        DesktopRequests::Instance().SetMode(DesktopMode::Record);
        DesktopRequests::Instance().Clear();
    }
    void TearDown() override { DesktopRequests::Instance().Clear(); }

    static std::string LogText() {
        std::ifstream in(DesktopRequests::LogPath());
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    kxtest::TestPrefix m_prefix;
};

SHELLEXECUTEINFOW OpenRequest(LPCWSTR file, LPCWSTR parameters = nullptr) {
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_DDEWAIT;
    info.lpVerb = u"open";
    info.lpFile = file;
    info.lpParameters = parameters;
    info.nShow = 1;
    return info;
}

TEST_F(RecordingFixture, ShellExecuteIsRecordedWithItsParameters) {
    auto info = OpenRequest(u"C:\\Drivers\\tool.exe", u"\"Model 5\" \"Office Printer\"");
    ASSERT_TRUE(ShellExecuteExW(&info));
    EXPECT_GT(reinterpret_cast<INT_PTR>(info.hInstApp), 32);
    auto address = OpenRequest(u"https://support.example/model?ip=127.0.0.1");
    address.lpVerb = nullptr; // the default verb is "open"
    ASSERT_TRUE(ShellExecuteExW(&address));

    const auto recorded = DesktopRequests::Instance().Recorded();
    ASSERT_EQ(recorded.size(), 2u);
    EXPECT_EQ(recorded[0].target, u"C:\\Drivers\\tool.exe");
    EXPECT_EQ(recorded[0].argument, u"\"Model 5\" \"Office Printer\"");
    EXPECT_EQ(recorded[1].action, u"open");
    EXPECT_EQ(LogText(), "shell\topen\tC:\\Drivers\\tool.exe\t\"Model 5\" \"Office Printer\"\t\n"
                         "shell\topen\thttps://support.example/model?ip=127.0.0.1\t\t\n");
}

TEST_F(RecordingFixture, ShellExecuteRefusesWhatItCannotDo) {
    struct Case {
        const char* label;
        SHELLEXECUTEINFOW info;
        INT_PTR code;
    };
    auto printVerb = OpenRequest(u"C:\\a.txt");
    printVerb.lpVerb = u"print";
    auto noFile = OpenRequest(u"");
    const Case cases[] = {
        {"unknown verb", printVerb, SE_ERR_NOASSOC},
        {"empty file", noFile, SE_ERR_FNF},
    };
    for (auto c : cases) {
        EXPECT_FALSE(ShellExecuteExW(&c.info)) << c.label;
        EXPECT_EQ(reinterpret_cast<INT_PTR>(c.info.hInstApp), c.code) << c.label;
    }
    auto wrongSize = OpenRequest(u"C:\\a.txt");
    wrongSize.cbSize = 12;
    EXPECT_FALSE(ShellExecuteExW(&wrongSize));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_TRUE(DesktopRequests::Instance().Recorded().empty());
}

TEST_F(RecordingFixture, HelpRequestsAreRecorded) {
    struct Case {
        const char* label;
        bool expectAccepted;
        kx::DesktopRequest expected;
    };
    const std::u16string key = u"Paper Size";
    const bool contextOk = WinHelpW(nullptr, u"C:\\Drv\\MODEL.HLP", HELP_CONTEXT, 1203);
    const bool keyOk = WinHelpW(nullptr, u"C:\\Drv\\MODEL.HLP", HELP_KEY,
                                reinterpret_cast<ULONG_PTR>(key.c_str()));
    HtmlHelpW(nullptr, u"C:\\Drv\\model.chm::/paper.htm?1,2,3", HH_DISPLAY_TOPIC, 0);
    const bool htmlOk = GetLastError() == ERROR_SUCCESS;
    const bool unknownOk = WinHelpW(nullptr, u"C:\\Drv\\MODEL.HLP", 0x4242, 0);
    const bool noFileOk = WinHelpW(nullptr, nullptr, HELP_CONTEXT, 1);

    EXPECT_TRUE(contextOk);
    EXPECT_TRUE(keyOk);
    EXPECT_TRUE(htmlOk);
    EXPECT_FALSE(unknownOk);
    EXPECT_FALSE(noFileOk);

    const Case cases[] = {
        {"context", true, {RequestKind::WinHelp, u"HELP_CONTEXT", u"C:\\Drv\\MODEL.HLP", u"1203"}},
        {"key", true, {RequestKind::WinHelp, u"HELP_KEY", u"C:\\Drv\\MODEL.HLP", u"Paper Size"}},
        {"html topic",
         true,
         {RequestKind::HtmlHelp, u"HH_DISPLAY_TOPIC", u"C:\\Drv\\model.chm::/paper.htm?1,2,3",
          u""}},
    };
    const auto recorded = DesktopRequests::Instance().Recorded();
    ASSERT_EQ(recorded.size(), std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(recorded[i].kind, cases[i].expected.kind) << cases[i].label;
        EXPECT_EQ(recorded[i].action, cases[i].expected.action) << cases[i].label;
        EXPECT_EQ(recorded[i].target, cases[i].expected.target) << cases[i].label;
        EXPECT_EQ(recorded[i].argument, cases[i].expected.argument) << cases[i].label;
    }
}

TEST_F(RecordingFixture, LogLinesStayOneLinePerRequest) {
    const kx::DesktopRequest request{RequestKind::Shell, u"open", u"C:\\a\tb\nc.txt", u"x\r\ny"};
    EXPECT_EQ(DesktopRequests::FormatLine(request), "shell\topen\tC:\\a b c.txt\tx  y\t\n");
}

TEST(DesktopRun, ProgramsRunWithTheirSplitParameters) {
    kxtest::TestPrefix prefix;
    DesktopRequests::Instance().SetMode(DesktopMode::Run);
    const std::string script = prefix.DriveC() + "/tools/echo.sh";
    prefix.WriteFile("drive_c/tools/echo.sh",
                     "#!/bin/sh\nprintf '[%s]' \"$@\" > \"$0.tmp\" && mv \"$0.tmp\" \"$0.out\"\n");
    std::filesystem::permissions(script, std::filesystem::perms::owner_exec,
                                 std::filesystem::perm_options::add);

    auto info = OpenRequest(u"C:\\TOOLS\\echo.sh", u"\"Model 5\" plain  \"\"");
    ASSERT_TRUE(ShellExecuteExW(&info)) << GetLastError();

    std::string output;
    for (int i = 0; i < 100 && output.empty(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        output = prefix.ReadFile("drive_c/tools/echo.sh.out");
    }
    EXPECT_EQ(output, "[Model 5][plain][]");

    auto missing = OpenRequest(u"C:\\tools\\missing.exe");
    EXPECT_FALSE(ShellExecuteExW(&missing));
    EXPECT_EQ(reinterpret_cast<INT_PTR>(missing.hInstApp), SE_ERR_FNF);
    DesktopRequests::Instance().SetMode(DesktopMode::Record);
}

} // namespace
