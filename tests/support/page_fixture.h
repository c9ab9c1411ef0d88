// A page of the module bound in a host window over a model written into a
// test prefix (its profile keys and string texts), with readers of its
// controls and their explanation tips. Each page family's fixture adds its
// model and the way its page is made.
#pragma once

#include "devmode/devmode_record.h"
#include "devmode/devmode_set.h"
#include "framework/kromaui_app.h"
#include "framework/page_templates.h"
#include "framework/printer_texts.h"
#include "platform/base/devmode_public.h"
#include "platform/base/text.h"
#include "platform/controls/control_constants.h"
#include "platform/spooler/printer_store.h"
#include "platform/window/dialog_state.h"
#include "platform/windows.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kxtest {

/// The model's files, kept as C:\<folder>\<stem>EN.DAT and <stem>U.INI.
struct PageModel {
    std::u16string folder;
    std::u16string stem;
    std::string settings; ///< the whole settings file
    std::string strings;  ///< the whole string file
};

template <class Page>
class PageFixture : public ::testing::Test {
protected:
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

    /// A driver whose files are named after `stem`, and a printer using it.
    void AddPrinter(std::u16string_view name, std::u16string_view stem,
                    std::u16string_view port = u"NUL:", DWORD attributes = 0) {
        const std::u16string driver = std::u16string(name) + u" Driver";
        const std::u16string module = std::u16string(stem) + u"U.DLL";
        const std::u16string caps = std::u16string(stem) + u".CAP";
        ASSERT_EQ(kx::PrinterStore::SaveDriver({driver, 3, module, caps, module, caps}),
                  ERROR_SUCCESS);
        kx::PrinterRecord printer;
        printer.name = name;
        printer.driver = driver;
        printer.port = port;
        printer.attributes = attributes;
        ASSERT_EQ(kx::PrinterStore::SavePrinter(printer), ERROR_SUCCESS);
    }

    /// The host's record: the printer's name and the sizes of its two parts.
    void StartRecord(std::u16string_view printer) {
        m_printer = printer;
        devmode.fill(0);
        kx::WriteText(devmode.data(), kx::FieldNamed("dmDeviceName"), printer);
        Set("dmSize", 220);
        Set("dmDriverExtra", 3335);
    }

    /// Writes the model's files and makes them the module's.
    void UseModel(const PageModel& model) {
        const std::string folder = "drive_c/" + kx::Utf16ToUtf8(model.folder) + "/";
        const std::string stem = kx::Utf16ToUtf8(model.stem);
        prefix.WriteFile(folder + stem + "EN.DAT", model.strings);
        prefix.WriteFile(folder + stem + "U.INI", model.settings);
        const std::u16string base = u"C:\\" + model.folder + u"\\";
        const std::u16string strings = base + model.stem + u"EN.DAT";
        const std::u16string settings = base + model.stem + u"U.INI";
        kx::CKROMAUIApp& app = kx::TheApp();
        app.modelStem = base + model.stem + u"EN";
        app.names.moduleDirectory = base;
        app.stringFile.SetFile(strings, kx::ClearReadOnly::No);
        app.settingsFile.SetFile(settings, kx::ClearReadOnly::No);
        app.profile.SetFiles(settings, strings);
        app.profile.ReadProfile();
        kx::PrinterTextsFor(m_printer).Refresh();
        kx::ForgetUntitledText();
        kx::DevmodeSetTable::Instance().Clear();
    }

    /// Registers the template of `className` as `templateId` and binds
    /// `made` to a host page window, refreshed as when it becomes active.
    void Bind(std::unique_ptr<Page> made, std::string_view className, UINT templateId,
              DWORD owner) {
        const auto* row = kx::PageTemplateOf(className);
        ASSERT_NE(row, nullptr) << className;
        kx::CKROMAUIApp& app = kx::TheApp();
        kx::RegisterDialogResource(app.instance(), static_cast<WORD>(templateId),
                                   kx::PageTemplateScript(*row, app.profile));
        sheet = CreateWindowExW(0, u"Static", u"Sheet", WS_POPUP | WS_VISIBLE, 100, 100, 360, 300,
                                nullptr, nullptr, nullptr, nullptr);
        host = CreateWindowExW(0, u"Static", u"", WS_CHILD | WS_VISIBLE, 0, 0, 336, 250, sheet,
                               nullptr, nullptr, nullptr);
        page = std::move(made);
        kx::PageContext context;
        context.owner = owner;
        context.hostDevmode = devmode.data();
        context.printerName = m_printer;
        context.sheetPageWindows = [this] { return std::vector<HWND>{host}; };
        ASSERT_TRUE(page->BindToHost(host, context));
        page->RefreshControls();
    }

    void Set(std::string_view field, int64_t value) {
        kx::WriteNumber(devmode.data(), *kx::FindDevmodeField(field), value);
    }
    void SetText(std::string_view field, std::u16string_view text) {
        kx::WriteText(devmode.data(), *kx::FindDevmodeField(field), text);
    }
    int64_t Working(std::string_view field) const {
        return kx::ReadNumber(page->working(), *kx::FindDevmodeField(field));
    }
    std::u16string WorkingText(std::string_view field) const {
        return kx::ReadText(page->working(), *kx::FindDevmodeField(field));
    }
    void SetWorking(std::string_view field, int64_t value) {
        kx::WriteNumber(page->working(), *kx::FindDevmodeField(field), value);
    }

    HWND Item(int id) const { return GetDlgItem(page->m_hWnd, id); }
    bool Visible(int id) const { return (GetWindowLongW(Item(id), GWL_STYLE) & WS_VISIBLE) != 0; }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    bool Checked(int id) const { return IsDlgButtonChecked(page->m_hWnd, id) == BST_CHECKED; }
    std::u16string Text(int id) const {
        std::array<WCHAR, 300> text{};
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
    std::unique_ptr<Page> page;

private:
    std::u16string m_printer;
};

} // namespace kxtest
