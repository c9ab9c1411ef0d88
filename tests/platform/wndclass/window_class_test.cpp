// The window-class layer: dialogs with data exchange, a filtered edit made by
// subclassing, and property pages in a sheet.
#include "platform/automation/scripted_user.h"
#include "platform/base/text.h"
#include "platform/controls/control_base.h"
#include "platform/window/dialog_template.h"
#include "platform/wndclass/data_exchange.h"
#include "platform/wndclass/property_sheet.h"
#include "platform/wndclass/standard_controls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using kx::CDataExchange;

const std::vector<DWORD>& CopiesTemplate() {
    static const auto data = kx::CompileDialogScript(uR"(DIALOGEX 0, 0, 200, 100
STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION
CAPTION "Copies"
FONT 8, "MS Shell Dlg"
BEGIN
    EDITTEXT 10, 40, 7, 50, 14
    EDITTEXT 11, 40, 25, 100, 14
    AUTOCHECKBOX "Collate", 12, 40, 43, 60, 10
    AUTORADIOBUTTON "Portrait", 13, 40, 55, 60, 10, WS_GROUP
    AUTORADIOBUTTON "Landscape", 14, 100, 55, 60, 10
    COMBOBOX 15, 40, 67, 100, 60, CBS_DROPDOWNLIST
    DEFPUSHBUTTON "OK", IDOK, 90, 82, 50, 14, WS_GROUP
    PUSHBUTTON "Cancel", IDCANCEL, 143, 82, 50, 14
END
)");
    return data;
}

class CopiesDialog : public kx::CDialog {
public:
    CopiesDialog() : CDialog(reinterpret_cast<const DLGTEMPLATE*>(CopiesTemplate().data())) {}

    int m_copies = 1;
    std::u16string m_name = u"Job";
    int m_collate = BST_CHECKED;
    int m_orientation = 1;
    int m_quality = 2;
    std::vector<std::string> m_hooks;
    kx::CComboBox m_qualityBox;

protected:
    void OnSetFont(HFONT) override { m_hooks.push_back("font"); }
    BOOL OnInitDialog() override {
        m_hooks.push_back("init");
        DDX_Control_Once();
        for (const char16_t* text : {u"Draft", u"Normal", u"Best"})
            m_qualityBox.AddString(text);
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* exchange) override {
        kx::DDX_Text(exchange, 10, m_copies);
        kx::DDV_MinMaxInt(exchange, m_copies, 1, 999);
        kx::DDX_Text(exchange, 11, m_name);
        kx::DDX_Check(exchange, 12, m_collate);
        kx::DDX_Radio(exchange, 13, m_orientation);
        kx::DDX_CBIndex(exchange, 15, m_quality);
    }

private:
    void DDX_Control_Once() { m_qualityBox.SubclassDlgItem(15, this); }
};

TEST(CDialog, DataExchangeFillsControlsAndReadsThemBackOnOk) {
    kx::ScriptedUser user;
    CopiesDialog dialog;
    user.WhenNextDialogRuns([&](kx::ScriptedUser& me, HWND window) {
        EXPECT_EQ(me.Read(me.FindById(window, 10)).text, u"1");
        EXPECT_EQ(me.Read(me.FindById(window, 14)).checked, BST_CHECKED);
        EXPECT_EQ(me.Read(me.FindById(window, 15)).selection, 2);
        me.Type(me.FindById(window, 10), u"5000");
        me.Click(me.FindByText(window, u"OK")); // refused: out of range, with a message
        me.Type(me.FindById(window, 10), u"25");
        me.Type(me.FindById(window, 11), u"Report");
        me.SetCheck(me.FindByText(window, u"Collate"), false);
        me.Click(me.FindByText(window, u"Portrait"));
        me.ChooseByText(me.FindById(window, 15), u"Draft");
        me.Press(kx::Key::Enter);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_copies, 25);
    EXPECT_EQ(dialog.m_name, u"Report");
    EXPECT_EQ(dialog.m_collate, BST_UNCHECKED);
    EXPECT_EQ(dialog.m_orientation, 0);
    EXPECT_EQ(dialog.m_quality, 0);
    EXPECT_EQ(dialog.m_hooks, (std::vector<std::string>{"font", "init"})) << "the font comes first";
    ASSERT_EQ(user.Log().size(), 2u);
    EXPECT_EQ(user.Log()[1].text, u"Please enter an integer between 1 and 999.");
    EXPECT_EQ(dialog.m_hWnd, nullptr) << "unbound once the window is gone";
}

// A digits-only edit made the way the pages make theirs: subclass the
// control, let it handle the character, and undo what made the text bad.
class DigitsEdit : public kx::CEdit {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_CHAR)
            return CEdit::WindowProc(message, wParam, lParam);
        const std::u16string before = GetWindowText();
        int start = 0;
        int end = 0;
        GetSel(start, end);
        const LRESULT result = Default(message, wParam, lParam);
        const std::u16string after = GetWindowText();
        if (after.find_first_not_of(u"0123456789") != std::u16string::npos) {
            SetWindowText(before);
            SetSel(start, end);
        }
        return result;
    }
};

TEST(CEdit, SubclassedFilterRestoresTextAndSelection) {
    const auto data = kx::CompileDialogScript(
        u"DIALOGEX 0,0,100,40\nSTYLE WS_POPUP\nBEGIN\nEDITTEXT 10, 0, 0, 80, 14\nEND");
    const HWND window = CreateDialogIndirectParamW(
        nullptr, reinterpret_cast<const DLGTEMPLATE*>(data.data()), nullptr,
        [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
    DigitsEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(GetDlgItem(window, 10)));
    for (char16_t c : std::u16string(u"12a3"))
        SendMessageW(edit, WM_CHAR, c, 0);
    EXPECT_EQ(edit.GetWindowText(), u"123");
    edit.SetSel(1, 2);
    SendMessageW(edit, WM_CHAR, u'x', 0);
    int start = 0;
    int end = 0;
    edit.GetSel(start, end);
    EXPECT_EQ(edit.GetWindowText(), u"123");
    EXPECT_EQ(start, 1);
    EXPECT_EQ(end, 2);
    DestroyWindow(window);
    EXPECT_EQ(edit.m_hWnd, nullptr);
}

const std::vector<DWORD>& PageTemplate() {
    static const auto data = kx::CompileDialogScript(
        u"DIALOGEX 0,0,180,100\nSTYLE DS_SETFONT | WS_CHILD\nFONT 8, \"MS Shell Dlg\"\nBEGIN\n"
        u"EDITTEXT 20, 10, 10, 60, 14\nEND");
    return data;
}

class CountPage : public kx::CPropertyPage {
public:
    explicit CountPage(std::u16string_view caption, std::vector<std::string>& log)
        : CPropertyPage(reinterpret_cast<const DLGTEMPLATE*>(PageTemplate().data()), caption),
          m_log(log) {}
    int m_value = 0;
    bool m_refuseLeave = false;

protected:
    void DoDataExchange(CDataExchange* exchange) override { kx::DDX_Text(exchange, 20, m_value); }
    BOOL OnSetActive() override {
        m_log.push_back(Name() + " set active");
        UpdateData(FALSE);
        return TRUE;
    }
    BOOL OnKillActive() override {
        m_log.push_back(Name() + " kill active");
        return !m_refuseLeave && CPropertyPage::OnKillActive();
    }
    BOOL OnApply() override {
        m_log.push_back(Name() + " apply");
        return TRUE;
    }
    void OnReset() override { m_log.push_back(Name() + " reset"); }

private:
    std::string Name() const { return std::string(kx::Utf16ToUtf8(m_psp.pszTitle)); }
    std::vector<std::string>& m_log;
};

TEST(CPropertySheet, PagesSeeTheSheetsOrderAndOneCanRefuseToBeLeft) {
    std::vector<std::string> log;
    CountPage layout(u"Layout", log);
    CountPage paper(u"Paper", log);
    kx::CPropertySheet sheet(u"Advanced");
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    sheet.AddPage(&layout);
    sheet.AddPage(&paper);
    kx::ScriptedUser user;
    user.WhenNextDialogRuns([&](kx::ScriptedUser& me, HWND window) {
        EXPECT_EQ(sheet.m_hWnd, window);
        EXPECT_EQ(sheet.GetActivePage(), &layout);
        const HWND tab = me.FindByClass(window, WC_TABCONTROLW);
        layout.m_refuseLeave = true;
        EXPECT_FALSE(me.ChooseTab(tab, 1));
        layout.m_refuseLeave = false;
        me.Type(layout.GetDlgItem(20), u"x"); // not a number: leaving is refused with a message
        EXPECT_FALSE(me.ChooseTab(tab, 1));
        me.Type(layout.GetDlgItem(20), u"7");
        EXPECT_TRUE(me.ChooseTab(tab, 1));
        me.Click(me.FindByText(window, u"OK"));
    });
    EXPECT_EQ(sheet.DoModal(), 1);
    EXPECT_EQ(layout.m_value, 7);
    const std::vector<std::string> expected = {
        "Layout set active", "Layout kill active", "Layout kill active", "Layout kill active",
        "Paper set active",  "Paper kill active",  "Layout apply",       "Paper apply"};
    EXPECT_EQ(log, expected);
    ASSERT_GE(user.Log().size(), 2u);
    EXPECT_EQ(user.Log()[1].text, u"Please enter an integer.");
}

} // namespace

namespace {

// A handler that sends its own window a message (one the class leaves to
// the default procedure) must still count as having handled its message.
class TimerReadingText : public kx::CWnd {
public:
    int timers = 0;

protected:
    void OnTimer(UINT_PTR) override {
        ++timers;
        (void)GetWindowText(); // WM_GETTEXT goes to the default procedure
    }
};

TEST(WindowClass, NestedMessagesDoNotUnhandleTheOuterOne) {
    const HWND window = CreateWindowExW(0, u"Static", u"text", WS_POPUP, 0, 0, 10, 10, nullptr,
                                        nullptr, nullptr, nullptr);
    TimerReadingText object;
    ASSERT_TRUE(object.SubclassWindow(window));
    LRESULT result = 0;
    EXPECT_TRUE(object.OnWndMsg(WM_TIMER, 7, 0, &result))
        << "handled despite the nested WM_GETTEXT";
    EXPECT_EQ(object.timers, 1);
    EXPECT_FALSE(object.OnWndMsg(WM_SIZE, 0, 0, &result))
        << "a base handler still leaves it to Default";
    object.UnsubclassWindow();
    DestroyWindow(window);
}

} // namespace
