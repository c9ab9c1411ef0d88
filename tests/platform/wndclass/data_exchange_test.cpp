// Dialog data exchange, routine by routine, both ways.
#include "platform/automation/scripted_user.h"
#include "platform/window/dialog_template.h"
#include "platform/wndclass/data_exchange.h"
#include "platform/wndclass/dialog.h"
#include "platform/wndclass/standard_controls.h"

#include <gtest/gtest.h>

namespace {

using kx::CDataExchange;

const std::vector<DWORD>& ExchangeTemplate() {
    static const auto data = kx::CompileDialogScript(uR"(DIALOGEX 0, 0, 200, 100
STYLE WS_POPUP
BEGIN
    AUTORADIOBUTTON "A", 10, 0, 0, 50, 10, WS_GROUP
    AUTORADIOBUTTON "B", 11, 0, 10, 50, 10
    AUTORADIOBUTTON "C", 12, 0, 20, 50, 10
    COMBOBOX 20, 60, 0, 80, 60, CBS_DROPDOWN
    LISTBOX 30, 60, 20, 80, 40, WS_GROUP
    EDITTEXT 40, 0, 40, 50, 14
END
)");
    return data;
}

class ExchangeDialog : public kx::CDialog {
public:
    ExchangeDialog() : CDialog(reinterpret_cast<const DLGTEMPLATE*>(ExchangeTemplate().data())) {}
    int m_radio = 2;
    std::u16string m_paper = u"Legal";
    int m_list = 1;
    std::u16string m_name = u"abc";
    int m_maxChars = 5;

    void Fill() {
        for (const char16_t* text : {u"A4", u"Letter", u"Legal"}) {
            SendDlgItemMessageW(m_hWnd, 20, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
            SendDlgItemMessageW(m_hWnd, 30, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        }
    }

protected:
    void DoDataExchange(CDataExchange* exchange) override {
        kx::DDX_Radio(exchange, 10, m_radio);
        kx::DDX_CBString(exchange, 20, m_paper);
        kx::DDX_LBIndex(exchange, 30, m_list);
        kx::DDX_Text(exchange, 40, m_name);
        kx::DDV_MaxChars(exchange, m_name, m_maxChars);
    }
};

TEST(DataExchange, EachRoutineFillsControlsAndReadsThemBack) {
    kx::ScriptedUser user;
    ExchangeDialog dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    dialog.ShowWindow(SW_SHOW);
    dialog.Fill();
    ASSERT_TRUE(dialog.UpdateData(FALSE));
    EXPECT_EQ(IsDlgButtonChecked(dialog, 12), BST_CHECKED);
    EXPECT_EQ(SendDlgItemMessageW(dialog, 20, CB_GETCURSEL, 0, 0), 2) << "the text picked its item";
    EXPECT_EQ(SendDlgItemMessageW(dialog, 30, LB_GETCURSEL, 0, 0), 1);

    dialog.m_paper = u"Custom 1";
    dialog.UpdateData(FALSE);
    EXPECT_EQ(user.Read(dialog.GetDlgItem(20)).text, u"Custom 1")
        << "a text not in the list goes to the field";

    user.Click(dialog.GetDlgItem(10));
    user.ChooseByText(dialog.GetDlgItem(30), u"A4");
    user.Type(dialog.GetDlgItem(40), u"Draft");
    ASSERT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.m_radio, 0);
    EXPECT_EQ(dialog.m_list, 0);
    EXPECT_EQ(dialog.m_name, u"Draft");

    user.Type(dialog.GetDlgItem(40), u"Too long");
    EXPECT_FALSE(dialog.UpdateData(TRUE));
    EXPECT_EQ(GetFocus(), dialog.GetDlgItem(40)) << "the failing control gets the focus";
    ASSERT_FALSE(user.Log().empty());
    EXPECT_EQ(user.Log().back().text, u"Enter no more than 5 characters.");
    dialog.DestroyWindow();
}

TEST(DataExchange, NoRadioCheckedReadsAsMinusOne) {
    ExchangeDialog dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    dialog.m_radio = -1;
    dialog.UpdateData(FALSE);
    dialog.m_radio = 7;
    dialog.m_maxChars = 100;
    dialog.UpdateData(TRUE);
    EXPECT_EQ(dialog.m_radio, -1);
    dialog.DestroyWindow();
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

} // namespace
