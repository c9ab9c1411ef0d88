// The Layout page of the first sample printer bound to a host sheet of its
// own, in a scratch prefix made from the sample template: what the page
// benchmarks click on.
#pragma once

#include "devmode/devmode_record.h"
#include "devmode/devmode_set.h"
#include "framework/item_texts.h"
#include "framework/kromaui_app.h"
#include "framework/kx_dialog.h"
#include "platform/files/prefix.h"
#include "platform/system/system_api.h"
#include "platform/windows.h"

#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace kxbench {

constexpr UINT kLayoutTemplate = 3101;

class SampleSheet {
public:
    /// `name` tells the benchmark's scratch prefix from others.
    explicit SampleSheet(const std::string& name) : m_root(ScratchRoot(name)) {
        std::filesystem::create_directories(m_root);
        std::filesystem::copy(std::string(KX_SOURCE_DIR) + "/models/template", m_root,
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing);
        kx::Prefix::Current().SetRoot(m_root);
        const std::string folder = m_root + "/drive_c/windows/system32/spool/drivers/x64/3";
        m_module = kx::RegisterModule(folder + "/VML42U.DLL", nullptr);
        kx::CKROMAUIApp& app = kx::TheApp();
        app.SetInstance(m_module);
        app.InitInstance();
        kx::ForgetUntitledText(); // a new life of the module
        kx::TheApp().firstBindingDone = false;
        // Windows of a class of their own: a static control lets the pointer through.
        static const bool registered = [] {
            WNDCLASSEXW windowClass{};
            windowClass.cbSize = sizeof windowClass;
            windowClass.lpfnWndProc = DefWindowProcW;
            windowClass.lpszClassName = u"KxBenchSheet";
            return RegisterClassExW(&windowClass) != 0;
        }();
        (void)registered;
        m_sheet = CreateWindowExW(0, u"KxBenchSheet", u"Sheet", WS_POPUP | WS_VISIBLE, 0, 0, 360,
                                  300, nullptr, nullptr, nullptr, nullptr);
        m_hostPage = CreateWindowExW(0, u"KxBenchSheet", u"", WS_CHILD | WS_VISIBLE, 0, 0, 336, 250,
                                     m_sheet, nullptr, nullptr, nullptr);
        m_host.fill(0);
        kx::WriteText(m_host.data(), kx::FieldNamed("dmDeviceName"), u"Velmora ML-4200");
        kx::WriteNumber(m_host.data(), kx::FieldNamed("dmSize"), 220);
        kx::WriteNumber(m_host.data(), kx::FieldNamed("dmDriverExtra"), 3335);
        kx::WriteNumber(m_host.data(), kx::FieldNamed("dmPaperSize"), 9);
        kx::WriteNumber(m_host.data(), kx::FieldNamed("iPaperType"), 1);
        kx::WriteNumber(m_host.data(), kx::FieldNamed("dmDefaultSource"), 7);
        kx::PageContext& context = m_context;
        context.owner = 0x1000;
        context.hostDevmode = m_host.data();
        context.printerName = u"Velmora ML-4200";
        context.sheetPageWindows = [this] { return std::vector<HWND>{m_hostPage}; };
        m_page = std::make_unique<kx::CKxDialog>(kLayoutTemplate, u"Layout", 0);
        m_page->BindToHost(m_hostPage, context);
        m_page->RefreshControls();
    }
    ~SampleSheet() {
        m_page.reset();
        DestroyWindow(m_sheet);
        kx::DevmodeSetTable::Instance().Clear();
        kx::TheApp().ExitInstance();
        kx::UnregisterModule(m_module);
        std::filesystem::remove_all(m_root);
    }

    kx::CKxDialog& page() { return *m_page; }
    /// Makes and binds a second page of the same sheet, then lets it go.
    void BindAnotherPage() {
        kx::CKxDialog other(kLayoutTemplate, u"Layout", 0);
        other.BindToHost(m_hostPage, m_context);
        other.RefreshControls();
    }
    HWND Item(int id) const { return GetDlgItem(m_page->m_hWnd, id); }

private:
    static std::string ScratchRoot(const std::string& name) {
        return (std::filesystem::temp_directory_path() /
                ("kx-" + name + "-bench-" + std::to_string(getpid())))
            .string();
    }

    std::string m_root;
    HMODULE m_module = nullptr;
    HWND m_sheet = nullptr;
    HWND m_hostPage = nullptr;
    std::array<BYTE, kx::kDevmodeSize> m_host{};
    std::unique_ptr<kx::CKxDialog> m_page;
    kx::PageContext m_context;
};

} // namespace kxbench
