// The Graphics page of the sample colour laser: one change cycle (colour to
// grayscale and back, no conflict), and a drag of the brightness slider
// across 100 steps in the "Adjust Color" dialog, where each step rewrites
// the number field, adjusts the model's colour picture again and redraws it;
// the same drag on the sample inkjet's page with the sliders inline, where
// each step also runs the page's change cycle.
#include "devmode/devmode_record.h"
#include "devmode/devmode_set.h"
#include "framework/kromaui_app.h"
#include "framework/page_templates.h"
#include "pages/adjust_dlg.h"
#include "pages/graphic3_dlg.h"
#include "pages/graphic_controls.h"
#include "pages/graphic_dlg.h"
#include "platform/automation/scripted_user.h"
#include "platform/files/prefix.h"
#include "platform/system/system_api.h"
#include "platform/window/dialog_state.h"
#include "platform/windows.h"

#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr int kDragSteps = 100;
constexpr UINT kGraphicTemplate = 3105;
constexpr int kGraphicIndex = 2;

/// The sample prefix with the colour laser's module started.
class SampleModule {
public:
    explicit SampleModule(const std::string& module = "VCL65U.DLL") {
        fs::create_directories(m_root);
        fs::copy(std::string(KX_SOURCE_DIR) + "/models/template", m_root,
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        kx::Prefix::Current().SetRoot(m_root);
        const std::string folder = m_root + "/drive_c/windows/system32/spool/drivers/x64/3";
        m_module = kx::RegisterModule(folder + "/" + module, nullptr);
        kx::TheApp().SetInstance(m_module);
        kx::TheApp().InitInstance();
        kx::ForgetUntitledText();
    }
    ~SampleModule() {
        kx::DevmodeSetTable::Instance().Clear();
        kx::TheApp().ExitInstance();
        kx::UnregisterModule(m_module);
        fs::remove_all(m_root);
    }

private:
    std::string m_root =
        (fs::temp_directory_path() / ("kx-graphics-bench-" + std::to_string(getpid()))).string();
    HMODULE m_module = nullptr;
};

void ChangeCycleOnTheGraphicsPage(benchmark::State& state) {
    SampleModule module;
    const HWND sheet = CreateWindowExW(0, u"Static", u"Sheet", WS_POPUP | WS_VISIBLE, 0, 0, 360,
                                       300, nullptr, nullptr, nullptr, nullptr);
    const HWND hostPage = CreateWindowExW(0, u"Static", u"", WS_CHILD | WS_VISIBLE, 0, 0, 336, 250,
                                          sheet, nullptr, nullptr, nullptr);
    std::array<BYTE, kx::kDevmodeSize> host{};
    kx::WriteText(host.data(), kx::FieldNamed("dmDeviceName"), u"Velmora CL-6500");
    kx::WriteNumber(host.data(), kx::FieldNamed("dmSize"), 220);
    kx::WriteNumber(host.data(), kx::FieldNamed("dmDriverExtra"), 3335);
    kx::WriteNumber(host.data(), kx::FieldNamed("dmPaperSize"), 9);
    kx::WriteNumber(host.data(), kx::FieldNamed("iPaperType"), 1);
    kx::WriteNumber(host.data(), kx::FieldNamed("dmDefaultSource"), 7);
    kx::WriteNumber(host.data(), kx::FieldNamed("iGrayMode"), 1);
    kx::PageContext context;
    context.owner = 0x1200;
    context.hostDevmode = host.data();
    context.printerName = u"Velmora CL-6500";
    context.sheetPageWindows = [hostPage] { return std::vector<HWND>{hostPage}; };
    kx::InstallGraphicPageControls();
    if (const auto* row = kx::PageTemplateOf("CGraphicDlg"))
        kx::RegisterDialogResource(kx::TheApp().instance(), kGraphicTemplate,
                                   kx::PageTemplateScript(*row, kx::TheApp().profile));
    {
        kx::CGraphicDlg page(kGraphicTemplate, u"Graphics", kGraphicIndex);
        page.BindToHost(hostPage, context);
        page.RefreshControls();
        const HWND colour = GetDlgItem(page.m_hWnd, kx::kColourRadioId);
        const HWND gray = GetDlgItem(page.m_hWnd, kx::kGrayscaleRadioId);
        bool grayscale = false;
        for (auto _ : state) {
            grayscale = !grayscale;
            SendMessageW(colour, BM_SETCHECK, grayscale ? BST_UNCHECKED : BST_CHECKED, 0);
            SendMessageW(gray, BM_SETCHECK, grayscale ? BST_CHECKED : BST_UNCHECKED, 0);
            page.OnSettingChanged();
            benchmark::DoNotOptimize(page.working());
        }
        if (colour == nullptr ||
            kx::ReadNumber(page.working(), kx::FieldNamed("iGrayMode")) != (grayscale ? 0 : 1))
            state.SkipWithError("the page did not take the change");
    }
    DestroyWindow(sheet);
}
BENCHMARK(ChangeCycleOnTheGraphicsPage)->Unit(benchmark::kMicrosecond);

void SliderDragOfOneHundredSteps(benchmark::State& state) {
    SampleModule module;
    const HWND owner = CreateWindowExW(0, u"Static", u"Page", WS_POPUP | WS_VISIBLE, 0, 0, 360, 300,
                                       nullptr, nullptr, nullptr, nullptr);
    std::array<BYTE, kx::kDevmodeSize> working{};
    std::array<BYTE, kx::kDevmodeSize> defaults{};
    for (auto* record : {&working, &defaults}) {
        kx::WriteText(record->data(), kx::FieldNamed("dmDeviceName"), u"Velmora CL-6500");
        kx::WriteNumber(record->data(), kx::FieldNamed("iGrayMode"), 1);
        for (const kx::AdjustSlider& slider : kx::kAdjustSliders) {
            kx::WriteNumber(record->data(), *slider.field, kx::kAdjustMiddle);
            if (slider.complement != nullptr)
                kx::WriteNumber(record->data(), *slider.complement, kx::kAdjustMiddle);
        }
    }
    kx::CAdjustDlg dialog({owner, working.data(), defaults.data(), 0, u"Velmora CL-6500"});
    kx::ScriptedUser user;
    bool drew = false;
    user.WhenNextDialogRuns([&](kx::ScriptedUser& me, HWND window) {
        const HWND brightness = me.FindById(window, kx::kFirstAdjustSliderId);
        drew = dialog.adjustPreview().pictureIndex() != kx::kNoPicture;
        for (auto _ : state) {
            for (int step = 0; step < kDragSteps; ++step)
                me.MoveSlider(brightness, step);
            benchmark::DoNotOptimize(dialog.adjustPreview().PicturePixel(1, 1));
        }
        me.Click(me.FindById(window, IDCANCEL));
    });
    (void)dialog.Run();
    if (!drew)
        state.SkipWithError("the sample model's colour picture did not load");
    DestroyWindow(owner);
}
BENCHMARK(SliderDragOfOneHundredSteps)->Unit(benchmark::kMillisecond);

void SliderDragOnThePageWithTheSlidersInline(benchmark::State& state) {
    SampleModule module("VIJ98U.DLL");
    const HWND sheet = CreateWindowExW(0, u"Static", u"Sheet", WS_POPUP | WS_VISIBLE, 0, 0, 360,
                                       300, nullptr, nullptr, nullptr, nullptr);
    const HWND hostPage = CreateWindowExW(0, u"Static", u"", WS_CHILD | WS_VISIBLE, 0, 0, 336, 250,
                                          sheet, nullptr, nullptr, nullptr);
    std::array<BYTE, kx::kDevmodeSize> host{};
    kx::WriteText(host.data(), kx::FieldNamed("dmDeviceName"), u"Velmora IJ-980");
    kx::WriteNumber(host.data(), kx::FieldNamed("dmSize"), 220);
    kx::WriteNumber(host.data(), kx::FieldNamed("dmDriverExtra"), 3335);
    kx::WriteNumber(host.data(), kx::FieldNamed("dmPaperSize"), 9);
    kx::WriteNumber(host.data(), kx::FieldNamed("iGrayMode"), 1);
    for (const kx::AdjustSlider& slider : kx::kAdjustSliders) {
        kx::WriteNumber(host.data(), *slider.field, kx::kAdjustMiddle);
        if (slider.complement != nullptr)
            kx::WriteNumber(host.data(), *slider.complement, kx::kAdjustMiddle);
    }
    kx::PageContext context;
    context.owner = 0x1300;
    context.hostDevmode = host.data();
    context.printerName = u"Velmora IJ-980";
    context.sheetPageWindows = [hostPage] { return std::vector<HWND>{hostPage}; };
    kx::InstallGraphicPageControls();
    constexpr UINT kInlineTemplate = 3107;
    if (const auto* row = kx::PageTemplateOf("CGraphic3Dlg"))
        kx::RegisterDialogResource(kx::TheApp().instance(), kInlineTemplate,
                                   kx::PageTemplateScript(*row, kx::TheApp().profile));
    {
        kx::CGraphic3Dlg page(kInlineTemplate, u"Graphics", 18);
        page.BindToHost(hostPage, context);
        page.RefreshControls();
        const HWND brightness = GetDlgItem(page.m_hWnd, kx::kFirstAdjustSliderId);
        kx::ScriptedUser user;
        for (auto _ : state) {
            for (int step = 0; step < kDragSteps; ++step)
                user.MoveSlider(brightness, step);
            benchmark::DoNotOptimize(page.adjustPreview().PicturePixel(1, 1));
        }
        if (brightness == nullptr || page.adjustPreview().pictureIndex() == kx::kNoPicture ||
            kx::ReadNumber(page.working(), kx::FieldNamed("iBrightness")) != kDragSteps - 1)
            state.SkipWithError("the page did not take the drag");
    }
    DestroyWindow(sheet);
}
BENCHMARK(SliderDragOnThePageWithTheSlidersInline)->Unit(benchmark::kMillisecond);

} // namespace
