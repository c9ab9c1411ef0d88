// Opening help from a page: context numbers and keywords in the classic
// help file, HTML topics in the compiled help that the string-file rules
// choose, with the model's help parameters after "#" and, when the model
// asks for it, in a script file.
#include "framework/help_opener.h"
#include "page_fixture.h"

#include "platform/automation/scripted_user.h"
#include "platform/files/path_mapping.h"
#include "platform/shell/desktop_requests.h"

#include <fstream>
#include <sstream>

namespace {

using kx::DesktopRequest;
using kx::RequestKind;
using kxtest::PageFixture;

class HelpFixture : public PageFixture {
protected:
    static constexpr const char* kTopics =
        "[Test Dialog]\nCaption=Test Page\nCaption topic=overview.htm\n"
        "Orientation topic=orient.htm\nEDIT:1050 topic=1234\nCopies(1) topic=COPIES.HTML\n"
        "Tray (1) topic=Paper Trays\nSTATIC:1128 topic=0\n";

    void SetUp() override {
        PageFixture::SetUp();
        kx::DesktopRequests::Instance().SetMode(kx::DesktopMode::Record);
        kx::DesktopRequests::Instance().Clear();
    }
    void Model(const std::string& settings) {
        WriteModel(kTopics, std::string(kSettings) + settings);
        kx::CKROMAUIApp& app = kx::TheApp();
        app.helpFilePath = u"C:\\D\\MODEL.HLP";
        app.names.driverBaseName = u"MODEL";
        kx::ForgetHelpState();
    }
    std::vector<DesktopRequest> Requests() const {
        return kx::DesktopRequests::Instance().Recorded();
    }

    std::string ScriptFile() const {
        std::array<WCHAR, 300> folder{};
        GetTempPathW(static_cast<DWORD>(folder.size()), folder.data());
        const auto path = kx::ToUnixPath(std::u16string(folder.data()) + u"MODEL.js");
        if (!path)
            return "(no path)";
        std::ifstream file(*path, std::ios::binary);
        if (!file)
            return "(none)";
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }
};

TEST_F(HelpFixture, EachTopicOpensInItsHelpSystem) {
    Model("");
    kxtest::TestPage& bound = Bind();
    const std::u16string parameters =
        kx::HelpParametersFor(bound.working(), kx::HelpNameEscape::Address);
    ASSERT_FALSE(parameters.empty());
    struct Case {
        const char* label;
        int control;
        RequestKind kind;
        std::u16string action;
        std::u16string target;
        std::u16string argument;
    };
    const Case cases[] = {
        {"a number is a context", 1050, RequestKind::WinHelp, u"HELP_CONTEXT", u"C:\\D\\MODEL.HLP",
         u"1234"},
        {"a keyword", 1302, RequestKind::WinHelp, u"HELP_KEY", u"C:\\D\\MODEL.HLP", u"Paper Trays"},
        {"0 is no context but a keyword", kx::kLayoutPreviewId, RequestKind::WinHelp, u"HELP_KEY",
         u"C:\\D\\MODEL.HLP", u"0"},
        {"an HTML page", 1300, RequestKind::HtmlHelp, u"HH_DISPLAY_TOPIC",
         u"C:\\D\\MODEL.chm::/orient.htm#" + parameters, u""},
        {"upper-case .HTML", 1301, RequestKind::HtmlHelp, u"HH_DISPLAY_TOPIC",
         u"C:\\D\\MODEL.chm::/COPIES.HTML#" + parameters, u""},
        {"the page's own topic", 0, RequestKind::HtmlHelp, u"HH_DISPLAY_TOPIC",
         u"C:\\D\\MODEL.chm::/overview.htm#" + parameters, u""},
    };
    for (const Case& c : cases) {
        kx::DesktopRequests::Instance().Clear();
        bound.OpenHelp(c.control);
        const auto requests = Requests();
        ASSERT_EQ(requests.size(), 1u) << c.label;
        EXPECT_EQ(requests[0].kind, c.kind) << c.label;
        EXPECT_EQ(requests[0].action, c.action) << c.label;
        EXPECT_EQ(requests[0].target, c.target)
            << c.label << ": " << kx::Utf16ToUtf8(requests[0].target);
        EXPECT_EQ(requests[0].argument, c.argument) << c.label;
    }
    kx::DesktopRequests::Instance().Clear();
    for (const int control : {int{kx::kMillimetreButtonId}, 4242})
        bound.OpenHelp(control);
    for (const auto& request : Requests())
        ADD_FAILURE() << "an empty topic or no entry opens nothing: "
                      << kx::Utf16ToUtf8(request.action);
    EXPECT_EQ(ScriptFile(), "(none)") << "no script unless the model asks for it";
}

TEST_F(HelpFixture, TheScriptFileCarriesTheParametersWhenTheModelAsks) {
    Model("HelpParametersScript=1\n");
    kxtest::TestPage& bound = Bind();
    bound.OpenHelp(1300);
    const std::u16string parameters = kx::HelpParametersFor(bound.working());
    EXPECT_EQ(ScriptFile(), "var help_parameters='" + kx::Utf16ToUtf8(parameters) + "';\r\n");
    EXPECT_EQ(Requests().size(), 1u);
    EXPECT_EQ(kx::HelpParametersScript(u"a\\'b \u00e9"),
              std::string("var help_parameters='a\\'b \xe9';\r\n"))
        << "in the 8-bit code page";
}

TEST_F(HelpFixture, HelpRequestsOfTheUserReachThePage) {
    Model("");
    kxtest::TestPage& bound = Bind();
    kx::ScriptedUser user;
    ASSERT_TRUE(user.AskForHelp(Item(1050)));
    ASSERT_EQ(Requests().size(), 1u);
    EXPECT_EQ(Requests()[0].argument, u"1234") << "WM_HELP names the control";
    kx::DesktopRequests::Instance().Clear();
    SendMessageW(bound.m_hWnd, WM_COMMAND, MAKEWPARAM(IDHELP, BN_CLICKED), 0);
    ASSERT_EQ(Requests().size(), 1u);
    EXPECT_NE(Requests()[0].target.find(u"overview.htm#"), std::u16string::npos)
        << "the Help button: the page";
}

} // namespace
