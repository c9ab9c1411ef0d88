// A sample printer's module (the colour laser unless told) started in a scratch prefix made from
// the sample template, with one page family's template registered and a host sheet and page window
// to bind its page to: what the page benchmarks bind and click on.
#pragma once

#include "devmode/devmode_record.h"
#include "devmode/devmode_set.h"
#include "framework/item_texts.h"
#include "framework/kromaui_app.h"
#include "framework/kx_dialog.h"
#include "framework/page_templates.h"
#include "platform/files/prefix.h"
#include "platform/system/system_api.h"
#include "platform/window/dialog_state.h"
#include "platform/windows.h"

#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace kxbench {

/// A sample printer: its name and its module's file.
struct SamplePrinter {
    const char16_t* name;
    const char* module;
};
inline constexpr SamplePrinter kColourLaser{u"Velmora CL-6500", "VCL65U.DLL"};
inline constexpr SamplePrinter kMonoLaser{u"Velmora ML-4200", "VML42U.DLL"};

/// A value of the host's record beside the sample's own.
struct FieldValue {
    std::string_view field;
    int64_t value;
};

class SampleModule {
public:
    /// `name` tells the benchmark's scratch prefix from others; `install`
    /// installs the page family's controls before the template of
    /// `className` is made; `extra` fields are set in the host's record.
    SampleModule(const std::string& name, void (*install)(), std::string_view className,
                 const SamplePrinter& printer = kColourLaser,
                 std::initializer_list<FieldValue> extra = {})
        : m_root((std::filesystem::temp_directory_path() /
                  ("kx-" + name + "-bench-" + std::to_string(getpid())))
                     .string()) {
        namespace fs = std::filesystem;
        fs::create_directories(m_root);
        fs::copy(std::string(KX_SOURCE_DIR) + "/models/template", m_root,
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        kx::Prefix::Current().SetRoot(m_root);
        const std::string folder = m_root + "/drive_c/windows/system32/spool/drivers/x64/3";
        m_module = kx::RegisterModule(folder + "/" + printer.module, nullptr);
        kx::TheApp().SetInstance(m_module);
        kx::TheApp().InitInstance();
        kx::ForgetUntitledText();
        install();
        if (const auto* row = kx::PageTemplateOf(className)) {
            m_template = row->templateId;
            kx::RegisterDialogResource(kx::TheApp().instance(), static_cast<WORD>(m_template),
                                       kx::PageTemplateScript(*row, kx::TheApp().profile));
        }
        m_sheet = CreateWindowExW(0, u"Static", u"Sheet", WS_POPUP | WS_VISIBLE, 0, 0, 360, 330,
                                  nullptr, nullptr, nullptr, nullptr);
        m_hostPage = CreateWindowExW(0, u"Static", u"", WS_CHILD | WS_VISIBLE, 0, 0, 336, 300,
                                     m_sheet, nullptr, nullptr, nullptr);
        for (const auto& [field, value] : kSampleRecord)
            kx::WriteNumber(m_host.data(), *kx::FindDevmodeField(field), value);
        for (const auto& [field, value] : extra)
            kx::WriteNumber(m_host.data(), *kx::FindDevmodeField(field), value);
        kx::WriteText(m_host.data(), kx::FieldNamed("dmDeviceName"), printer.name);
        m_context.owner = 0x1300;
        m_context.hostDevmode = m_host.data();
        m_context.printerName = printer.name;
        const HWND hostPage = m_hostPage;
        m_context.sheetPageWindows = [hostPage] { return std::vector<HWND>{hostPage}; };
    }
    ~SampleModule() {
        DestroyWindow(m_sheet);
        kx::DevmodeSetTable::Instance().Clear();
        kx::TheApp().ExitInstance();
        kx::UnregisterModule(m_module);
        std::filesystem::remove_all(m_root);
    }
    SampleModule(const SampleModule&) = delete;
    SampleModule& operator=(const SampleModule&) = delete;

    const kx::PageContext& context() const { return m_context; }
    UINT templateId() const { return m_template; }
    HWND hostPage() const { return m_hostPage; }

private:
    static constexpr FieldValue kSampleRecord[] = {
        {"dmSize", 220},        {"dmDriverExtra", 3335}, {"dmPaperSize", 9},
        {"dmOrientation", 1},   {"dmCopies", 1},         {"iPaperType", 1},
        {"dmDefaultSource", 7}, {"iERRatio", 100},       {"iGrayMode", 1},
    };

    std::string m_root;
    HMODULE m_module = nullptr;
    UINT m_template = 0;
    HWND m_sheet = nullptr;
    HWND m_hostPage = nullptr;
    std::array<BYTE, kx::kDevmodeSize> m_host{};
    kx::PageContext m_context;
};

/// Binds a fresh page of class `Page` to the module's host page, refreshes
/// and destroys it, once an iteration: what opening the page costs.
template <class Page>
void BindPageRepeatedly(benchmark::State& state, const SampleModule& module,
                        std::u16string_view pageName, int pageIndex) {
    for (auto _ : state) {
        Page page(module.templateId(), pageName, pageIndex);
        if (!page.BindToHost(module.hostPage(), module.context())) {
            state.SkipWithError("the page did not bind");
            break;
        }
        page.RefreshControls();
        benchmark::DoNotOptimize(page.m_hWnd);
        page.DestroyPage();
    }
}

} // namespace kxbench
