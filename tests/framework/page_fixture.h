// A page of the framework bound to a host's page window inside a recording
// sheet window, over model files written into a temporary prefix.
#pragma once

#include "devmode/devmode_record.h"
#include "devmode/devmode_set.h"
#include "framework/kromaui_app.h"
#include "framework/kx_dialog.h"
#include "platform/base/text.h"
#include "platform/window/dialog_state.h"
#include "platform/window/message_box.h"
#include "platform/window/property_sheet_api.h"
#include "platform/windows.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace kxtest {

constexpr UINT kTestTemplate = 5001;
constexpr int kConflictBox = 1300;

/// The property-sheet messages the sheet window received.
struct SheetMessage {
    UINT message;
    HWND page;
};

inline std::vector<SheetMessage>& SheetMessages() {
    static std::vector<SheetMessage> messages;
    return messages;
}

inline LRESULT CALLBACK RecordingSheetProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    if (message == PSM_CHANGED || message == PSM_UNCHANGED) {
        SheetMessages().push_back({message, reinterpret_cast<HWND>(wParam)});
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

/// A page whose conflict check box sets a paper the plain media does not
/// take, so the resolver has something to repair.
class TestPage : public kx::CKxDialog {
public:
    explicit TestPage(UINT templateId = kTestTemplate, int index = 0)
        : CKxDialog(templateId, u"Test", index) {}

    void SaveControls() override {
        ++saves;
        CKxDialog::SaveControls();
        if (IsDlgButtonChecked(m_hWnd, kConflictBox) == BST_CHECKED)
            kx::WriteNumber(working(), kx::FieldNamed("dmPaperSize"), 20);
    }
    void RefreshControls() override {
        ++refreshes;
        CKxDialog::RefreshControls();
        if (reenter)
            OnSettingChanged();
    }
    using CKxDialog::HideConflictTip;

    int saves = 0;
    int refreshes = 0;
    bool reenter = false;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (LOWORD(wParam) == kConflictBox && HIWORD(wParam) == BN_CLICKED) {
            OnSettingChanged();
            return TRUE;
        }
        return CKxDialog::OnCommand(wParam, lParam);
    }
};

inline constexpr char16_t kTestPageScript[] = uR"script(DIALOGEX 0, 0, 224, 152
STYLE DS_SETFONT | DS_CONTROL | WS_CHILD
CAPTION "Window Caption"
FONT 8, "MS Shell Dlg"
BEGIN
    GROUPBOX "Favorites", 1208, 4, 2, 216, 28
    COMBOBOX 1046, 10, 12, 130, 80, CBS_DROPDOWN | WS_VSCROLL
    AUTOCHECKBOX "&Orientation", 1300, 110, 40, 80, 10
    EDITTEXT 1050, 110, 54, 40, 14
    LTEXT "Copies(1)", 1301, 110, 70, 60, 10
    LTEXT "Tray (1)", 1302, 110, 82, 60, 10
    LTEXT "Fixed", IDC_STATIC, 110, 94, 60, 10
    CONTROL "", 1128, "Static", WS_BORDER, 4, 34, 96, 96
    AUTORADIOBUTTON "Millimeters", 1186, 8, 116, 44, 10, WS_GROUP
    AUTORADIOBUTTON "Inches", 1187, 54, 116, 40, 10
END
)script";

class PageFixture : public ::testing::Test {
protected:
    static constexpr const char* kStrings =
        "[Common]\nFavorites=Favourites\n"
        "[Test Dialog]\nCaption=Test Page\nOrientation=Lie of the sheet\n"
        "Orientation tooltip=How the paper lies\nEDIT:1050 tooltip=How many\n"
        "Orientation topic=orient.htm\nEDIT:1050 topic=1234\n"
        "[Preview]\nMillimeters=mm\n";
    static constexpr const char* kSettings =
        "[Common]\nShowConstraints=1\nConstraintsTTx=50\nConstraintsTTy=100\nConstraintsTTt=3000\n"
        "UnitsOnPreview=1\nTrayIndex=7,1,2,4\nPaperType=1,2,3,8\nMedia1Papers=1,5,8,"
        "9\nMedia8Papers=20\n";

    void SetUp() override { WriteModel(kStrings, kSettings); }

    void WriteModel(const std::string& strings, const std::string& settings) {
        prefix.WriteFile("drive_c/D/MODEL.DAT", strings);
        prefix.WriteFile("drive_c/D/MODELU.INI", settings);
        kx::CKROMAUIApp& app = kx::TheApp();
        app.modelStem = u"C:\\D\\MODEL";
        app.stringFile.SetFile(u"C:\\D\\MODEL.DAT", kx::ClearReadOnly::No);
        app.profile.SetFiles(u"C:\\D\\MODELU.INI", u"C:\\D\\MODEL.DAT");
        app.profile.ReadProfile();
        kx::ForgetUntitledText();
        kx::TheApp().firstBindingDone = false;
        kx::DevmodeSetTable::Instance().Clear();
        kx::RegisterDialogResource(app.instance(), kTestTemplate, kTestPageScript);
        SheetMessages().clear();
        host.fill(0);
        kx::WriteText(host.data(), kx::FieldNamed("dmDeviceName"), u"Test Printer");
        kx::WriteNumber(host.data(), kx::FieldNamed("dmSize"), 220);
        kx::WriteNumber(host.data(), kx::FieldNamed("dmDriverExtra"), 3335);
        kx::WriteNumber(host.data(), kx::FieldNamed("dmPaperSize"), 9);
        kx::WriteNumber(host.data(), kx::FieldNamed("iPaperType"), 1);
        kx::WriteNumber(host.data(), kx::FieldNamed("dmDefaultSource"), 7);
        kx::WriteNumber(host.data(), kx::FieldNamed("IsMMInch"), 1);
    }

    void TearDown() override {
        pages.clear();
        for (HWND window : hostWindows)
            DestroyWindow(window);
        if (sheet != nullptr)
            DestroyWindow(sheet);
        kx::DevmodeSetTable::Instance().Clear();
        kx::ForgetUntitledText();
        kx::TheApp().firstBindingDone = false;
        kx::ActiveModelProfile() = kx::ModelProfile{};
    }

    /// Binds a new page in a new host page window of the sheet.
    TestPage& Bind(DWORD sheetFlags = 0, UINT templateId = kTestTemplate, int index = 0) {
        MakeSheet();
        const HWND hostWindow = CreateWindowExW(0, u"Static", u"", WS_CHILD | WS_VISIBLE, 0, 0, 336,
                                                250, sheet, nullptr, nullptr, nullptr);
        hostWindows.push_back(hostWindow);
        pages.push_back(std::make_unique<TestPage>(templateId, index));
        kx::PageContext context;
        context.owner = 0x1000;
        context.hostDevmode = host.data();
        context.printerName = u"Test Printer";
        context.sheetFlags = sheetFlags;
        context.sheetPageWindows = [this] { return hostWindows; };
        EXPECT_TRUE(pages.back()->BindToHost(hostWindow, context));
        return *pages.back();
    }

    void MakeSheet() {
        if (sheet != nullptr)
            return;
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = RecordingSheetProc;
        windowClass.lpszClassName = u"KxTestSheet";
        RegisterClassExW(&windowClass);
        sheet = CreateWindowExW(0, u"KxTestSheet", u"Sheet", WS_POPUP | WS_VISIBLE, 100, 100, 360,
                                300, nullptr, nullptr, nullptr, nullptr);
    }

    std::u16string TextOf(HWND window) const {
        std::array<WCHAR, 256> buffer{};
        GetWindowTextW(window, buffer.data(), static_cast<int>(buffer.size()));
        return buffer.data();
    }

    TestPage& page(size_t i = 0) { return *pages.at(i); }
    HWND Item(int id, size_t i = 0) { return GetDlgItem(pages.at(i)->m_hWnd, id); }

    TestPrefix prefix;
    std::array<BYTE, kx::kDevmodeSize> host{};
    HWND sheet = nullptr;
    std::vector<HWND> hostWindows;
    std::vector<std::unique_ptr<TestPage>> pages;
};

} // namespace kxtest
