// The module's own dialogs: a modal page dialog saving on OK, and a sheet
// of CKxProperty pages that marks itself modified only while its working
// copy differs from where the sheet started.
#include "framework/kx_property.h"
#include "framework/kx_sheet.h"
#include "page_fixture.h"

#include "platform/automation/scripted_user.h"

#include <cstring>

namespace {

using kxtest::PageFixture;

constexpr UINT kModalTemplate = 5002;
constexpr UINT kSheetPageTemplate = 5003;
constexpr int kMetricBox = 1400;

constexpr char16_t kModalScript[] = uR"script(DIALOGEX 0, 0, 160, 80
STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION
CAPTION "More"
FONT 8, "MS Shell Dlg"
BEGIN
    AUTORADIOBUTTON "Millimeters", 1186, 8, 8, 60, 10, WS_GROUP
    AUTORADIOBUTTON "Inches", 1187, 8, 22, 60, 10
    DEFPUSHBUTTON "OK", IDOK, 50, 60, 50, 14
    PUSHBUTTON "Cancel", IDCANCEL, 104, 60, 50, 14
END
)script";

constexpr char16_t kSheetPageScript[] = uR"script(DIALOGEX 0, 0, 160, 80
STYLE DS_SETFONT | WS_CHILD | WS_CAPTION
CAPTION "Finishing"
FONT 8, "MS Shell Dlg"
BEGIN
    AUTOCHECKBOX "Metric", 1400, 8, 8, 80, 10
END
)script";

/// A sheet page whose check box switches the unit to millimetres.
class MetricPage : public kx::CKxProperty {
public:
    using CKxProperty::CKxProperty;
    void RefreshControls() override {
        CheckDlgButton(m_hWnd, kMetricBox,
                       kx::ReadNumber(working(), kx::FieldNamed("IsMMInch")) == 0);
    }
    void SaveControls() override {
        kx::WriteNumber(working(), kx::FieldNamed("IsMMInch"),
                        IsDlgButtonChecked(m_hWnd, kMetricBox) ? 0 : 1);
    }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (LOWORD(wParam) == kMetricBox) {
            OnSettingChanged();
            return TRUE;
        }
        return CKxProperty::OnCommand(wParam, lParam);
    }
};

class ModuleDialogs : public PageFixture {
protected:
    void SetUp() override {
        PageFixture::SetUp();
        kx::RegisterDialogResource(kx::TheApp().instance(), kModalTemplate, kModalScript);
        kx::RegisterDialogResource(kx::TheApp().instance(), kSheetPageTemplate, kSheetPageScript);
        std::memcpy(working.data(), host.data(), kx::kDevmodeSize);
        defaults = working;
    }
    std::array<BYTE, kx::kDevmodeSize> working{};
    std::array<BYTE, kx::kDevmodeSize> defaults{};
};

/// A modal dialog that counts its saves.
class CountingDialog : public kx::CKxDialog {
public:
    using CKxDialog::CKxDialog;
    void SaveControls() override {
        ++saves;
        CKxDialog::SaveControls();
    }
    int saves = 0;
};

TEST_F(ModuleDialogs, ModalDialogSavesItsControlsOnOk) {
    struct Case {
        const char* label;
        int button;
        INT_PTR result;
        int saves;
    };
    const Case cases[] = {{"OK saves", IDOK, IDOK, 1}, {"Cancel does not", IDCANCEL, IDCANCEL, 0}};
    for (const Case& c : cases) {
        kx::WriteNumber(working.data(), kx::FieldNamed("IsMMInch"), 1);
        kx::ScriptedUser user;
        user.WhenNextDialogRuns([&](kx::ScriptedUser& me, HWND dialog) {
            // Checked without a click: only a save reads it.
            SendMessageW(me.FindById(dialog, kx::kMillimetreButtonId), BM_SETCHECK, BST_CHECKED, 0);
            me.Click(me.FindById(dialog, c.button));
        });
        CountingDialog dialog(kModalTemplate, u"More", nullptr, working.data(), defaults.data());
        EXPECT_EQ(dialog.kind(), -1);
        EXPECT_EQ(dialog.DoModal(), c.result) << c.label;
        EXPECT_EQ(dialog.saves, c.saves) << c.label;
        EXPECT_EQ(kx::ReadNumber(working.data(), kx::FieldNamed("IsMMInch")), 1 - c.saves)
            << c.label;
    }
}

TEST_F(ModuleDialogs, ADialogOfAReadOnlySheetShowsButChangesNothing) {
    kxtest::TestPage& opener = Bind(kx::kSheetReadOnly);
    kx::WriteNumber(opener.working(), kx::FieldNamed("IsMMInch"), 1);
    bool disabled = false;
    bool closable = false;
    kx::ScriptedUser user;
    user.WhenNextDialogRuns([&](kx::ScriptedUser& me, HWND dialog) {
        disabled = !IsWindowEnabled(me.FindById(dialog, kx::kMillimetreButtonId));
        closable = IsWindowEnabled(me.FindById(dialog, IDOK)) &&
                   IsWindowEnabled(me.FindById(dialog, IDCANCEL));
        SendMessageW(me.FindById(dialog, kx::kMillimetreButtonId), BM_SETCHECK, BST_CHECKED, 0);
        me.Click(me.FindById(dialog, IDOK));
    });
    CountingDialog dialog(kModalTemplate, u"More", opener.ForDialogs());
    EXPECT_EQ(dialog.DoModal(), IDCANCEL) << "OK of a read-only dialog applies nothing";
    EXPECT_TRUE(disabled) << "its settings are shown disabled";
    EXPECT_TRUE(closable);
    EXPECT_EQ(dialog.saves, 0);
    EXPECT_EQ(kx::ReadNumber(opener.working(), kx::FieldNamed("IsMMInch")), 1);
    EXPECT_EQ(dialog.working(), opener.working()) << "the dialog works on the page's copies";
}

TEST_F(ModuleDialogs, SheetPagesMarkThemselvesModifiedAgainstTheSheetsStart) {
    const auto start = working;
    struct Case {
        const char* label;
        int clicks;
        bool modified;
    };
    // Two clicks come back to where the sheet started: nothing to apply.
    const Case cases[] = {{"one change", 1, true}, {"changed back", 2, false}};
    for (const Case& c : cases) {
        working = start;
        MetricPage page(kSheetPageTemplate, u"Finishing", working.data(), defaults.data(),
                        start.data());
        kx::CKxSheet advanced(u"Advanced");
        advanced.AddPage(&page);
        HWND sheetWindow = nullptr;
        kx::ScriptedUser user;
        user.WhenNextDialogRuns([&](kx::ScriptedUser& me, HWND dialog) {
            sheetWindow = dialog;
            EXPECT_EQ(me.FindByText(dialog, u"Apply"), nullptr) << "no Apply button";
            EXPECT_NE(me.FindByText(dialog, u"Help"), nullptr);
            EXPECT_NE(GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_CONTEXTHELP, 0);
            for (int i = 0; i < c.clicks; ++i)
                me.Click(me.FindById(dialog, kMetricBox));
            me.Click(me.FindByText(dialog, u"OK"));
        });
        advanced.DoModal();
        EXPECT_EQ(page.modified(), c.modified) << c.label;
        EXPECT_NE(sheetWindow, nullptr);
        EXPECT_EQ(kx::ReadNumber(working.data(), kx::FieldNamed("IsMMInch")), 1 - c.clicks % 2)
            << c.label;
    }
}

} // namespace
