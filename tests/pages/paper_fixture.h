// A Paper page (either form) bound in a host window over a model written
// into a test prefix: its capability file, profile keys and string texts,
// with readers of its controls and their explanation tips.
#pragma once

#include "pages/paper2_dlg.h"
#include "pages/paper_controls.h"
#include "pages/paper_dlg.h"

#include "devmode/devmode_record.h"
#include "devmode/devmode_set.h"
#include "framework/kromaui_app.h"
#include "framework/page_templates.h"
#include "framework/printer_texts.h"
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
#include <vector>

namespace kxtest {

constexpr const char16_t* kPaperPrinter = u"Paper Printer";

/// Papers, blank-prefixed trays, media and output bins of a laser printer.
constexpr const char* kPaperCapabilities = "[Papers]\n1 = Letter\n9 = A4\n8 = A3\n"
                                           "20 = Envelope #10\n"
                                           "[Bins]\n7 = \" Automatically Select\"\n"
                                           "1 = \" Tray 1\"\n2 = \" Tray 2\"\n"
                                           "4 = \" Manual Feed\"\n"
                                           "[MediaTypes]\n1 = Plain Paper\n2 = Thick Paper\n"
                                           "3 = Transparency\n"
                                           "[OutputBins]\n1 = Face Down\n2 = Face Up\n";

enum class PaperForm { Usual, Variant };

class PaperPageFixture : public ::testing::Test {
protected:
    void SetUp() override {
        prefix.WriteFile("drive_c/windows/system32/spool/drivers/x64/3/PP.CAP", kPaperCapabilities);
        ASSERT_EQ(kx::PrinterStore::SaveDriver(
                      {u"Paper Driver", 3, u"PPU.DLL", u"PP.CAP", u"PPU.DLL", u"PP.CAP"}),
                  ERROR_SUCCESS);
        kx::PrinterRecord printer;
        printer.name = kPaperPrinter;
        printer.driver = u"Paper Driver";
        printer.port = u"NUL:";
        ASSERT_EQ(kx::PrinterStore::SavePrinter(printer), ERROR_SUCCESS);
        devmode.fill(0);
        kx::WriteText(devmode.data(), kx::FieldNamed("dmDeviceName"), kPaperPrinter);
        Set("dmSize", 220);
        Set("dmDriverExtra", 3335);
        Set("dmFields", DM_PAPERSIZE | DM_COPIES | DM_DEFAULTSOURCE);
        Set("dmPaperSize", 9);
        Set("dmCopies", 1);
        Set("dmDefaultSource", 1);
        Set("iPaperType", 1);
        Set("iERRatio", 100);
        Set("dmPrintQuality", 600);
        Set("iResolution", 600);
    }

    void TearDown() override {
        page.reset();
        if (host != nullptr)
            DestroyWindow(host);
        if (sheet != nullptr)
            DestroyWindow(sheet);
        host = nullptr;
        sheet = nullptr;
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

    /// Writes the model's files and binds the page, refreshed as when it
    /// becomes active.
    void Open(const std::string& profile, PaperForm form = PaperForm::Usual,
              const std::string& strings = "") {
        prefix.WriteFile("drive_c/P/PPEN.DAT",
                         "[Common]\n[Paper Dialog]\nCaption=Paper\n" + strings);
        prefix.WriteFile("drive_c/P/PPU.INI",
                         "[Common]\n" + profile + "[DEFAULTDEVMODE]\nPaperSource=7\n");
        kx::CKROMAUIApp& app = kx::TheApp();
        app.modelStem = u"C:\\P\\PPEN";
        app.names.moduleDirectory = u"C:\\P\\";
        app.stringFile.SetFile(u"C:\\P\\PPEN.DAT", kx::ClearReadOnly::No);
        app.settingsFile.SetFile(u"C:\\P\\PPU.INI", kx::ClearReadOnly::No);
        app.profile.SetFiles(u"C:\\P\\PPU.INI", u"C:\\P\\PPEN.DAT");
        app.profile.ReadProfile();
        kx::PrinterTextsFor(kPaperPrinter).Refresh();
        kx::ForgetUntitledText();
        kx::DevmodeSetTable::Instance().Clear();
        kx::InstallPaperPageControls();
        const char* className = form == PaperForm::Usual ? "CPaperDlg" : "CPaper2Dlg";
        const auto* row = kx::PageTemplateOf(className);
        ASSERT_NE(row, nullptr);
        kx::RegisterDialogResource(app.instance(), static_cast<WORD>(row->templateId),
                                   kx::PageTemplateScript(*row, app.profile));
        sheet = CreateWindowExW(0, u"Static", u"Sheet", WS_POPUP | WS_VISIBLE, 100, 100, 360, 300,
                                nullptr, nullptr, nullptr, nullptr);
        host = CreateWindowExW(0, u"Static", u"", WS_CHILD | WS_VISIBLE, 0, 0, 336, 250, sheet,
                               nullptr, nullptr, nullptr);
        if (form == PaperForm::Usual)
            page = std::make_unique<kx::CPaperDlg>(row->templateId, u"Paper", 1);
        else
            page = std::make_unique<kx::CPaper2Dlg>(row->templateId, u"Paper", 1);
        kx::PageContext context;
        context.owner = 0x2200;
        context.hostDevmode = devmode.data();
        context.printerName = kPaperPrinter;
        context.sheetPageWindows = [this] { return std::vector<HWND>{host}; };
        ASSERT_TRUE(page->BindToHost(host, context));
        page->RefreshControls();
    }

    HWND Item(int id) const { return GetDlgItem(page->m_hWnd, id); }
    bool Visible(int id) const { return (GetWindowLongW(Item(id), GWL_STYLE) & WS_VISIBLE) != 0; }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    bool Checked(int id) const { return IsDlgButtonChecked(page->m_hWnd, id) == BST_CHECKED; }
    std::u16string Text(int id) const {
        std::array<WCHAR, 128> text{};
        GetWindowTextW(Item(id), text.data(), static_cast<int>(text.size()));
        return text.data();
    }
    /// The selected entry's text of a list; empty when none is selected.
    std::u16string Selection(int id) const {
        const auto position = static_cast<int>(SendMessageW(Item(id), CB_GETCURSEL, 0, 0));
        if (position < 0)
            return {};
        std::array<WCHAR, 128> text{};
        SendMessageW(Item(id), CB_GETLBTEXT, static_cast<WPARAM>(position),
                     reinterpret_cast<LPARAM>(text.data()));
        return text.data();
    }
    /// Chooses the list entry with this text as a user does.
    void Choose(int id, std::u16string_view text) {
        const auto position =
            static_cast<int>(SendMessageW(Item(id), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                          reinterpret_cast<LPARAM>(std::u16string(text).c_str())));
        ASSERT_GE(position, 0) << "no such entry";
        SendMessageW(Item(id), CB_SETCURSEL, static_cast<WPARAM>(position), 0);
        SendMessageW(page->m_hWnd, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(Item(id)));
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
    std::unique_ptr<kx::CPageDlg> page;
};

} // namespace kxtest
