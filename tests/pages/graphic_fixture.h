// The Graphics page bound in a host window over a model written into a
// test prefix (its profile keys and string texts), with readers of its
// controls and their explanation tips.
#pragma once

#include "pages/graphic_dlg.h"

#include "devmode/devmode_record.h"
#include "devmode/devmode_set.h"
#include "devmode/reason_texts.h"
#include "framework/kromaui_app.h"
#include "framework/page_templates.h"
#include "framework/printer_texts.h"
#include "pages/graphic_controls.h"
#include "pages/graphic_values.h"
#include "platform/base/devmode_public.h"
#include "platform/controls/control_constants.h"
#include "platform/spooler/printer_store.h"
#include "platform/window/dialog_state.h"
#include "platform/windows.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

namespace kxtest {

constexpr UINT kGraphicTemplate = 3105;
constexpr int kGraphicIndex = 2;
constexpr const char16_t* kPrinter = u"Graphic Printer";

class GraphicPageFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(kx::PrinterStore::SaveDriver(
                      {u"Graphic Driver", 3, u"GRU.DLL", u"GR.CAP", u"GRU.DLL", u"GR.CAP"}),
                  ERROR_SUCCESS);
        kx::PrinterRecord printer;
        printer.name = kPrinter;
        printer.driver = u"Graphic Driver";
        printer.port = u"NUL:";
        ASSERT_EQ(kx::PrinterStore::SavePrinter(printer), ERROR_SUCCESS);
        devmode.fill(0);
        kx::WriteText(devmode.data(), kx::FieldNamed("dmDeviceName"), kPrinter);
        Set("dmSize", 220);
        Set("dmDriverExtra", 3335);
        Set("dmFields", DM_COLOR | DM_PRINTQUALITY);
        Set("dmPrintQuality", 600);
        Set("iResolution", 600);
    }

    void TearDown() override {
        page.reset();
        if (host != nullptr)
            DestroyWindow(host);
        if (sheet != nullptr)
            DestroyWindow(sheet);
        kx::DevmodeSetTable::Instance().Clear();
        kx::ForgetUntitledText();
        kx::ActiveModelProfile() = kx::ModelProfile{};
    }

    void Set(std::string_view field, int64_t value) {
        kx::WriteNumber(devmode.data(), *kx::FindDevmodeField(field), value);
    }
    int64_t Working(std::string_view field) const {
        return kx::ReadNumber(page->working(), *kx::FindDevmodeField(field));
    }
    void SetWorking(std::string_view field, int64_t value) {
        kx::WriteNumber(page->working(), *kx::FindDevmodeField(field), value);
    }

    /// Writes the model's files (its profile keys and string texts) and
    /// binds the page, refreshed as when it becomes active.
    void Open(const std::string& profile, const std::string& strings = "") {
        OpenFiles("[Common]\n" + profile,
                  "[Common]\n" + strings + "[Graphics Dialog]\nCaption=Graphics\n");
    }

    /// Binds a page of class `Page` (template of `className`) over whole
    /// model files.
    template <class Page = kx::CGraphicDlg>
    void OpenFiles(const std::string& settingsFile, const std::string& stringFile,
                   std::string_view className = "CGraphicDlg", UINT templateId = kGraphicTemplate,
                   int pageIndex = kGraphicIndex) {
        prefix.WriteFile("drive_c/G/GREN.DAT", stringFile);
        prefix.WriteFile("drive_c/G/GRU.INI", settingsFile);
        kx::CKROMAUIApp& app = kx::TheApp();
        app.modelStem = u"C:\\G\\GREN";
        app.names.moduleDirectory = u"C:\\G\\";
        app.stringFile.SetFile(u"C:\\G\\GREN.DAT", kx::ClearReadOnly::No);
        app.profile.SetFiles(u"C:\\G\\GRU.INI", u"C:\\G\\GREN.DAT");
        app.profile.ReadProfile();
        kx::PrinterTextsFor(kPrinter).Refresh();
        kx::ForgetUntitledText();
        kx::DevmodeSetTable::Instance().Clear();
        kx::InstallGraphicPageControls();
        const auto* row = kx::PageTemplateOf(className);
        ASSERT_NE(row, nullptr);
        kx::RegisterDialogResource(app.instance(), static_cast<WORD>(templateId),
                                   kx::PageTemplateScript(*row, app.profile));
        sheet = CreateWindowExW(0, u"Static", u"Sheet", WS_POPUP | WS_VISIBLE, 100, 100, 360, 300,
                                nullptr, nullptr, nullptr, nullptr);
        host = CreateWindowExW(0, u"Static", u"", WS_CHILD | WS_VISIBLE, 0, 0, 336, 250, sheet,
                               nullptr, nullptr, nullptr);
        page = std::make_unique<Page>(templateId, u"Graphics", pageIndex);
        kx::PageContext context;
        context.owner = 0x2100;
        context.hostDevmode = devmode.data();
        context.printerName = kPrinter;
        context.sheetPageWindows = [this] { return std::vector<HWND>{host}; };
        ASSERT_TRUE(page->BindToHost(host, context));
        page->RefreshControls();
    }

    HWND Item(int id) const { return GetDlgItem(page->m_hWnd, id); }
    bool Visible(int id) const { return (GetWindowLongW(Item(id), GWL_STYLE) & WS_VISIBLE) != 0; }
    bool Checked(int id) const { return IsDlgButtonChecked(page->m_hWnd, id) == BST_CHECKED; }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    std::u16string Text(int id) const {
        std::array<WCHAR, 128> text{};
        GetWindowTextW(Item(id), text.data(), static_cast<int>(text.size()));
        return text.data();
    }
    void Click(int id) { SendMessageW(Item(id), BM_CLICK, 0, 0); }
    /// The explanation tip of a disabled control; empty when it has none.
    std::u16string OptionTip(int id) const {
        std::array<WCHAR, 600> text{};
        TTTOOLINFOW info{};
        info.cbSize = sizeof info;
        info.hwnd = page->m_hWnd;
        info.uId = kx::OptionTipId(id);
        info.lpszText = text.data();
        SendMessageW(page->toolWindow().m_hWnd, TTM_GETTEXTW, text.size(),
                     reinterpret_cast<LPARAM>(&info));
        return text.data();
    }

    kxtest::TestPrefix prefix;
    std::array<BYTE, kx::kDevmodeSize> devmode{};
    HWND sheet = nullptr;
    HWND host = nullptr;
    std::unique_ptr<kx::CGraphicDlg> page;
};

} // namespace kxtest
