// The Troubleshooting links: which show, their targets with the printer's
// address, the centring of a lone first column, and what opening a target
// does (a confined "print://" file, or the shell on a worker thread).
#include "utilities/link_launcher.h"
#include "utilities/trouble_links.h"

#include "platform/shell/desktop_requests.h"
#include "tests/utilities/utility_fixture.h"

#include <filesystem>
#include <map>

namespace {

using kx::LinkState;
using kxtest::UtilityFixture;

const char* StateName(LinkState state) {
    switch (state) {
    case LinkState::Hidden:
        return "hidden";
    case LinkState::Disabled:
        return "disabled";
    case LinkState::Shown:
        return "shown";
    }
    return "?";
}

TEST(TroubleLinks, KeysAreNumberedFromOne) {
    EXPECT_EQ(kx::LinkTargetKey(1), u"Ref_URL_1");
    EXPECT_EQ(kx::LinkTargetKey(6), u"Ref_URL_6");
}

TEST(TroubleLinks, TargetsBecomeShownDisabledOrHidden) {
    struct Case {
        const char* label;
        const char16_t* text;
        const char16_t* address;
        LinkState state;
        const char16_t* target;
    };
    const Case cases[] = {
        {"empty: hidden", u"", u"10.0.0.1", LinkState::Hidden, u""},
        {"plain address", u"https://support.example/", u"", LinkState::Shown,
         u"https://support.example/"},
        {"%s with an address", u"http://%s/status", u"10.0.0.1", LinkState::Shown,
         u"http://10.0.0.1/status"},
        {"%s without an address: disabled", u"http://%s/", u"", LinkState::Disabled, u""},
        {"bracketed IPv6 address", u"http://%s/", u"[fe80::1]", LinkState::Shown,
         u"http://[fe80::1]/"},
        {"hostile conversions stay text", u"http://%s/%n%d%s", u"h", LinkState::Shown,
         u"http://h/%n%d%s"},
        {"print target", u"print://page.prn", u"", LinkState::Shown, u"print://page.prn"},
    };
    for (const Case& c : cases) {
        int lookups = 0;
        const auto links = kx::ResolveTroubleLinks(
            [&c](int number) { return number == 1 ? std::u16string(c.text) : std::u16string(); },
            [&c, &lookups] {
                ++lookups;
                return std::u16string(c.address);
            });
        EXPECT_EQ(links[0].state, c.state) << c.label << ": got " << StateName(links[0].state);
        EXPECT_EQ(kx::Utf16ToUtf8(links[0].target), kx::Utf16ToUtf8(c.target)) << c.label;
        EXPECT_EQ(lookups,
                  std::u16string_view(c.text).find(u"%s") != std::u16string_view::npos ? 1 : 0)
            << c.label << ": the address is looked up only for a target that asks for it";
        for (size_t i = 1; i < links.size(); ++i)
            EXPECT_EQ(links[i].state, LinkState::Hidden) << c.label << ", link " << i + 1;
    }
}

TEST(TroubleLinks, TargetsAreCutToWhatALaunchTakes) {
    const std::u16string plain = u"https://a.example/" + std::u16string(600, u'x');
    const std::u16string formatted = u"http://%s/" + std::u16string(600, u'y');
    const auto links = kx::ResolveTroubleLinks(
        [&](int number) {
            return number == 1 ? plain : number == 2 ? formatted : std::u16string();
        },
        [] { return std::u16string(u"10.0.0.1"); });
    EXPECT_EQ(links[0].target.size(), kx::kLaunchBufferLength - 1);
    EXPECT_EQ(links[1].target.size(), kx::kLaunchBufferLength - 1);
    EXPECT_TRUE(links[1].target.starts_with(u"http://10.0.0.1/"));
}

TEST(TroubleLinks, AddressIsDetectedOnceForAllLinks) {
    int lookups = 0;
    const auto links = kx::ResolveTroubleLinks([](int) { return std::u16string(u"http://%s/"); },
                                               [&lookups] {
                                                   ++lookups;
                                                   return std::u16string(u"10.1.1.1");
                                               });
    EXPECT_EQ(lookups, 1);
    for (const auto& link : links)
        EXPECT_EQ(link.target, u"http://10.1.1.1/");
}

TEST(TroubleLinks, SecondColumnEmptyOnlyWhenLinksFourToSixAreHidden) {
    struct Case {
        const char* label;
        std::map<int, const char16_t*> texts;
        bool empty;
    };
    const Case cases[] = {
        {"links 1-3 only", {{1, u"a"}, {2, u"b"}, {3, u"c"}}, true},
        {"nothing at all", {}, true},
        {"link 6 set", {{1, u"a"}, {6, u"f"}}, false},
        {"link 4 disabled still counts", {{4, u"http://%s/"}}, false},
    };
    for (const Case& c : cases) {
        const auto links = kx::ResolveTroubleLinks(
            [&c](int number) {
                const auto found = c.texts.find(number);
                return found == c.texts.end() ? std::u16string() : std::u16string(found->second);
            },
            [] { return std::u16string(); });
        EXPECT_EQ(kx::SecondColumnEmpty(links), c.empty) << c.label;
    }
    EXPECT_EQ(kx::CentringShift(20, 100), 40);
    EXPECT_EQ(kx::CentringShift(100, 100), 0);
}

TEST(PrintLinkFile, StaysInsideTheModuleFolder) {
    struct Case {
        const char16_t* rest;
        const char16_t* file; // empty: refused
    };
    const Case cases[] = {
        {u"page.prn", u"C:\\Drv\\page.prn"},
        {u"support/VML42/index.htm", u"C:\\Drv\\support\\VML42\\index.htm"},
        {u"a..b.prn", u"C:\\Drv\\a..b.prn"},
        {u"", u""},
        {u"../secret.txt", u""},
        {u"..\\..\\windows\\win.ini", u""},
        {u"sub/../../x", u""},
        {u"sub/./x", u""},
        {u"sub/.. /x", u""},
        {u"sub/ ../x", u""},
        {u"sub/. ./x", u""},
        {u"sub//x", u""},
        {u"/etc/passwd", u""},
        {u"\\windows\\win.ini", u""},
        {u"C:\\windows\\win.ini", u""},
        {u"D:page.prn", u""},
        {u"sub/", u""},
    };
    for (const Case& c : cases) {
        const auto file = kx::PrintLinkFile(u"C:\\Drv\\", c.rest);
        EXPECT_EQ(kx::Utf16ToUtf8(file.value_or(u"")), kx::Utf16ToUtf8(c.file))
            << kx::Utf16ToUtf8(c.rest);
    }
}

class LinkOpening : public UtilityFixture {
protected:
    void SetUp() override {
        UtilityFixture::SetUp();
        AddPrinter(u"Laser", u"NUL:");
        kx::DesktopRequests::Instance().SetMode(kx::DesktopMode::Record);
        kx::DesktopRequests::Instance().Clear();
        prefix.WriteFile("drive_c/Drv/page.prn", "PAGE");
        prefix.WriteFile("drive_c/secret.txt", "SECRET");
    }

    std::vector<kx::DesktopRequest> OpenAndWait(std::u16string_view target) {
        kx::OpenLinkTarget(nullptr, u"Laser", target, {u"C:\\Drv\\", u"C:\\Drv\\KXL5EN"});
        EXPECT_TRUE(kx::WaitForLinkLaunches(10000));
        return kx::DesktopRequests::Instance().Recorded();
    }

    void SetBrowser(const std::u16string& command) {
        SetMachineText(u"Software\\Classes\\Applications\\iexplore.exe\\shell\\open\\command", u"",
                       command);
    }
};

TEST_F(LinkOpening, PrintTargetPrintsTheFileAndOpensNothing) {
    EXPECT_TRUE(OpenAndWait(u"print://page.prn").empty());
    const auto jobs = Jobs();
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].document, u"Test Page");
    EXPECT_EQ(BytesOf(jobs[0]), "PAGE");
}

TEST_F(LinkOpening, PrintTargetThatClimbsOutIsRefused) {
    for (const char16_t* target :
         {u"print://../secret.txt", u"print://C:\\secret.txt", u"print://\\secret.txt"}) {
        EXPECT_TRUE(OpenAndWait(target).empty()) << kx::Utf16ToUtf8(target);
        EXPECT_TRUE(Jobs().empty()) << kx::Utf16ToUtf8(target);
    }
}

TEST_F(LinkOpening, AddressOpensItselfWithoutABrowser) {
    const auto recorded = OpenAndWait(u"https://support.example/");
    ASSERT_EQ(recorded.size(), 1u);
    EXPECT_EQ(recorded[0].action, u"open");
    EXPECT_EQ(recorded[0].target, u"https://support.example/");
    EXPECT_EQ(recorded[0].argument, u"");
}

TEST_F(LinkOpening, AddressGoesToTheRegisteredBrowser) {
    SetBrowser(u"\"C:\\Program Files\\Browser\\browse.exe\" %1 --new");
    EXPECT_EQ(kx::BrowserCommand(), u"C:\\Program Files\\Browser\\browse.exe");
    // The recorded request keeps what was asked, whether or not the program exists.
    const auto recorded = OpenAndWait(u"https://support.example/");
    ASSERT_EQ(recorded.size(), 1u);
    EXPECT_EQ(kx::Utf16ToUtf8(recorded[0].target), "C:\\Program Files\\Browser\\browse.exe");
    EXPECT_EQ(recorded[0].argument, u"https://support.example/");
}

TEST_F(LinkOpening, ProgramOfTheModelGetsTheDriverAndPrinterNames) {
    SetBrowser(u"browse.exe %1");
    const auto recorded = OpenAndWait(u"Tool.exe");
    ASSERT_EQ(recorded.size(), 1u);
    EXPECT_EQ(kx::Utf16ToUtf8(recorded[0].target), "C:\\Drv\\KXL5ENTool.exe");
    EXPECT_EQ(kx::Utf16ToUtf8(recorded[0].argument), "\"KX Laser L5\" \"Laser\"");
}

// A program of the model runs only from the model's folder; ".exe" inside a
// web address or inside a name that does not end in it is no program.
TEST_F(LinkOpening, ProgramTargetsStayInTheModelFolder) {
    struct Case {
        const char16_t* target;
        const char* expectedTarget; // nullptr: nothing opened
        const char* expectedArgument;
    };
    const Case cases[] = {
        {u"..\\..\\Windows\\evil.exe", nullptr, nullptr},
        {u"Tools\\..\\..\\evil.exe", nullptr, nullptr},
        {u"\\evil.exe", nullptr, nullptr},
        {u"C:\\evil.exe", nullptr, nullptr},
        {u"Tools/./x.exe", nullptr, nullptr},
        {u"Tools\\Tool.EXE", "C:\\Drv\\KXL5ENTools\\Tool.EXE", "\"KX Laser L5\" \"Laser\""},
        {u"https://support.example/setup.exe", "https://support.example/setup.exe", ""},
        {u"https://support.example/page.exe.htm", "https://support.example/page.exe.htm", ""},
        {u"notes.exe.txt", "notes.exe.txt", ""},
    };
    for (const Case& c : cases) {
        kx::DesktopRequests::Instance().Clear();
        const auto recorded = OpenAndWait(c.target);
        const std::string label = kx::Utf16ToUtf8(c.target);
        if (c.expectedTarget == nullptr) {
            EXPECT_TRUE(recorded.empty()) << label;
            continue;
        }
        ASSERT_EQ(recorded.size(), 1u) << label;
        EXPECT_EQ(kx::Utf16ToUtf8(recorded[0].target), c.expectedTarget) << label;
        EXPECT_EQ(kx::Utf16ToUtf8(recorded[0].argument), c.expectedArgument) << label;
    }
}

TEST_F(LinkOpening, TheWorkerRunsOnItsOwnThreadOnePerLaunch) {
    for (int i = 0; i < 4; ++i)
        kx::OpenLinkTarget(nullptr, u"Laser", u"https://support.example/",
                           {u"C:\\Drv\\", u"C:\\Drv\\M"});
    ASSERT_TRUE(kx::WaitForLinkLaunches(10000));
    EXPECT_EQ(kx::DesktopRequests::Instance().Recorded().size(), 4u);
}

TEST_F(LinkOpening, LongTargetsAreCutToTheirBuffers) {
    const std::u16string longTarget = u"https://support.example/" + std::u16string(400, u'a');
    const auto recorded = OpenAndWait(longTarget);
    ASSERT_EQ(recorded.size(), 1u);
    EXPECT_EQ(recorded[0].target.size(), kx::kLaunchBufferLength - 1);
}

// The threads of the process, from the system's own list.
size_t ThreadCount() {
    size_t count = 0;
    for ([[maybe_unused]] const auto& task : std::filesystem::directory_iterator("/proc/self/task"))
        ++count;
    return count;
}

TEST_F(LinkOpening, WaitingForTheLaunchesEndsTheirThreads) {
    // A launch's thread still runs the module's code after it says it is
    // done: once the wait returns, none may be left to run it while the
    // module is unloaded.
    const size_t before = ThreadCount();
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 6; ++i)
            kx::OpenLinkTarget(nullptr, u"Laser", u"https://support.example/",
                               {u"C:\\Drv\\", u"C:\\Drv\\M"});
        ASSERT_TRUE(kx::WaitForLinkLaunches(10000));
        EXPECT_EQ(ThreadCount(), before) << "round " << round;
    }
    EXPECT_EQ(kx::DesktopRequests::Instance().Recorded().size(), 18u);
}

} // namespace
