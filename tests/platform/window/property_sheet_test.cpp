// The order of a property sheet's notifications to its pages.
#include "platform/automation/scripted_user.h"
#include "platform/controls/common_controls.h"
#include "platform/controls/control_constants.h"
#include "platform/controls/user_input.h"
#include "platform/window/dialog_template.h"
#include "platform/window/property_sheet_api.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

struct PageEvent {
    int page;
    UINT code;
    LPARAM lParam;
    bool operator==(const PageEvent&) const = default;
};

std::ostream& operator<<(std::ostream& out, const PageEvent& e) {
    return out << "{page " << e.page << ", " << static_cast<int>(e.code) << ", " << e.lParam << "}";
}

struct Script {
    std::vector<PageEvent> events;
    std::map<std::pair<int, UINT>, LRESULT> replies; ///< (page, code) -> reply
};

Script* g_script = nullptr;

INT_PTR CALLBACK PageProc(HWND page, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const auto* psp = reinterpret_cast<const PROPSHEETPAGEW*>(lParam);
        SetWindowLongPtrW(page, DWLP_USER, psp->lParam);
        return TRUE;
    }
    if (message != WM_NOTIFY)
        return FALSE;
    const auto* notify = reinterpret_cast<const PSHNOTIFY*>(lParam);
    const int index = static_cast<int>(GetWindowLongPtrW(page, DWLP_USER));
    g_script->events.push_back({index, notify->hdr.code, notify->lParam});
    auto reply = g_script->replies.find({index, notify->hdr.code});
    SetWindowLongPtrW(page, DWLP_MSGRESULT, reply == g_script->replies.end() ? 0 : reply->second);
    return TRUE;
}

class SheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_script = &m_script;
        m_template = kx::CompileDialogScript(
            u"DIALOGEX 0,0,200,120\nSTYLE DS_SETFONT | WS_CHILD\nFONT 8, \"MS Shell Dlg\"\n"
            u"BEGIN\nEDITTEXT 100, 10, 10, 60, 14\nEND");
        for (int i = 0; i < 3; ++i) {
            PROPSHEETPAGEW page{};
            page.dwSize = sizeof page;
            page.dwFlags = PSP_DLGINDIRECT | PSP_USETITLE;
            page.pResource = reinterpret_cast<const DLGTEMPLATE*>(m_template.data());
            page.pszTitle = kTitles[i];
            page.pfnDlgProc = PageProc;
            page.lParam = i;
            m_pages.push_back(page);
        }
    }
    void TearDown() override {
        if (IsWindow(m_sheet))
            DestroyWindow(m_sheet);
        g_script = nullptr;
    }

    PROPSHEETHEADERW Header(DWORD flags) {
        PROPSHEETHEADERW header{};
        header.dwSize = sizeof header;
        header.dwFlags = PSH_PROPSHEETPAGE | flags;
        header.pszCaption = u"Printing Preferences";
        header.nPages = static_cast<UINT>(m_pages.size());
        header.ppsp = m_pages.data();
        return header;
    }

    HWND OpenModeless() {
        const PROPSHEETHEADERW header = Header(PSH_MODELESS);
        m_sheet = reinterpret_cast<HWND>(PropertySheetW(&header));
        return m_sheet;
    }

    HWND Tab() const {
        return reinterpret_cast<HWND>(SendMessageW(m_sheet, PSM_GETTABCONTROL, 0, 0));
    }

    static constexpr const char16_t* kTitles[3] = {u"Layout", u"Paper", u"Graphics"};
    Script m_script;
    std::vector<DWORD> m_template;
    std::vector<PROPSHEETPAGEW> m_pages;
    HWND m_sheet = nullptr;
};

TEST_F(SheetTest, TabSwitchLeavesThenActivatesAndARefusingPageStays) {
    ASSERT_NE(OpenModeless(), nullptr);
    EXPECT_EQ(m_script.events, (std::vector<PageEvent>{{0, PSN_SETACTIVE, 0}}));
    m_script.events.clear();
    ASSERT_TRUE(kx::ClickTab(Tab(), 2));
    const std::vector<PageEvent> expected = {{0, PSN_KILLACTIVE, 0}, {2, PSN_SETACTIVE, 0}};
    EXPECT_EQ(m_script.events, expected);

    m_script.events.clear();
    m_script.replies[{2, PSN_KILLACTIVE}] = TRUE;
    EXPECT_FALSE(kx::ClickTab(Tab(), 1));
    EXPECT_EQ(m_script.events, (std::vector<PageEvent>{{2, PSN_KILLACTIVE, 0}}));
    EXPECT_EQ(SendMessageW(Tab(), TCM_GETCURSEL, 0, 0), 2);
    WCHAR title[32];
    GetWindowTextW(m_sheet, title, 32);
    EXPECT_EQ(std::u16string(title), u"Printing Preferences");
}

TEST_F(SheetTest, ApplyGoesToEveryCreatedPageAndReactivatesTheCurrentOne) {
    OpenModeless();
    kx::ClickTab(Tab(), 1);
    const HWND page1 = reinterpret_cast<HWND>(SendMessageW(m_sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    const HWND apply = GetDlgItem(m_sheet, IDC_PS_APPLYNOW);
    EXPECT_FALSE(IsWindowEnabled(apply));
    SendMessageW(m_sheet, PSM_CHANGED, reinterpret_cast<WPARAM>(page1), 0);
    EXPECT_TRUE(IsWindowEnabled(apply));
    m_script.events.clear();
    SendMessageW(apply, BM_CLICK, 0, 0);
    const std::vector<PageEvent> expected = {{1, PSN_KILLACTIVE, 0},
                                             {0, PSN_APPLY, FALSE},
                                             {1, PSN_APPLY, FALSE},
                                             {1, PSN_SETACTIVE, 0}};
    EXPECT_EQ(m_script.events, expected) << "page 2 was never shown, so it has no window";
    EXPECT_FALSE(IsWindowEnabled(apply));
    SendMessageW(m_sheet, PSM_CHANGED, reinterpret_cast<WPARAM>(page1), 0);
    SendMessageW(m_sheet, PSM_UNCHANGED, reinterpret_cast<WPARAM>(page1), 0);
    EXPECT_FALSE(IsWindowEnabled(apply));
}

TEST_F(SheetTest, APageRejectingApplyBecomesCurrentAndTheSheetStays) {
    OpenModeless();
    kx::ClickTab(Tab(), 1);
    m_script.events.clear();
    m_script.replies[{0, PSN_APPLY}] = PSNRET_INVALID;
    SendMessageW(m_sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
    const std::vector<PageEvent> expected = {
        {1, PSN_KILLACTIVE, 0}, {0, PSN_APPLY, TRUE}, {0, PSN_SETACTIVE, 0}};
    EXPECT_EQ(m_script.events, expected);
    EXPECT_NE(SendMessageW(m_sheet, PSM_GETCURRENTPAGEHWND, 0, 0), 0) << "still open";
    EXPECT_EQ(SendMessageW(Tab(), TCM_GETCURSEL, 0, 0), 0);
}

TEST_F(SheetTest, CancelAsksTheCurrentPageThenResetsEveryPage) {
    OpenModeless();
    kx::ClickTab(Tab(), 1);
    m_script.events.clear();
    m_script.replies[{1, PSN_QUERYCANCEL}] = TRUE;
    SendMessageW(m_sheet, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(m_script.events, (std::vector<PageEvent>{{1, PSN_QUERYCANCEL, 0}}));
    m_script.replies.clear();
    m_script.events.clear();
    SendMessageW(m_sheet, WM_CLOSE, 0, 0);
    const std::vector<PageEvent> expected = {
        {1, PSN_QUERYCANCEL, 0}, {0, PSN_RESET, TRUE}, {1, PSN_RESET, TRUE}};
    EXPECT_EQ(m_script.events, expected) << "the close box resets with TRUE";
    EXPECT_EQ(SendMessageW(m_sheet, PSM_GETCURRENTPAGEHWND, 0, 0), 0) << "closed";
}

TEST_F(SheetTest, ModalSheetRunsWithTheUserAndReportsApplied) {
    kx::ScriptedUser user;
    user.WhenNextDialogRuns([](kx::ScriptedUser& me, HWND sheet) {
        me.ChooseTab(me.FindByClass(sheet, WC_TABCONTROLW), 1);
        me.Type(me.FindById(sheet, 100), u"x"); // the edit of the current page
        me.Press(kx::Key::Enter);               // the sheet's default button is OK
    });
    const PROPSHEETHEADERW header = Header(PSH_NOAPPLYNOW | PSH_HASHELP);
    EXPECT_EQ(PropertySheetW(&header), 1);
    const std::vector<PageEvent> expected = {{0, PSN_SETACTIVE, 0}, {0, PSN_KILLACTIVE, 0},
                                             {1, PSN_SETACTIVE, 0}, {1, PSN_KILLACTIVE, 0},
                                             {0, PSN_APPLY, TRUE},  {1, PSN_APPLY, TRUE}};
    EXPECT_EQ(m_script.events, expected);
    ASSERT_FALSE(user.Log().empty());
    EXPECT_EQ(user.Log()[0].title, u"Printing Preferences");

    m_script.events.clear();
    EXPECT_EQ(PropertySheetW(&header), 0) << "unattended: cancelled";
}

TEST_F(SheetTest, PageCallbacksAndAPageThatRefusesActivation) {
    static std::vector<UINT> callbacks;
    callbacks.clear();
    for (auto& page : m_pages) {
        page.dwFlags |= PSP_USECALLBACK;
        page.pfnCallback = [](HWND, UINT message, PROPSHEETPAGEW*) -> UINT {
            callbacks.push_back(message);
            return 1;
        };
    }
    m_script.replies[{0, PSN_SETACTIVE}] = -1;
    OpenModeless();
    EXPECT_EQ(SendMessageW(Tab(), TCM_GETCURSEL, 0, 0), 1) << "the first page refused";
    DestroyWindow(m_sheet);
    EXPECT_EQ(callbacks, (std::vector<UINT>{PSPCB_CREATE, PSPCB_CREATE, PSPCB_RELEASE,
                                            PSPCB_RELEASE, PSPCB_RELEASE}));
}

} // namespace
