// Starting and stopping the module.
#include "host/module_start.h"

#include "devmode/devmode_record.h"
#include "devmode/devmode_set.h"
#include "framework/kromaui_app.h"
#include "framework/preview_watermark.h"
#include "framework/printer_texts.h"
#include "host/mark_file_step.h"
#include "host/module_instance.h"
#include "host/module_texts.h"
#include "host/page_dispatcher.h"
#include "host/spooler_printer_queries.h"
#include "pages/basics_controls.h"
#include "pages/graphic_controls.h"
#include "pages/layout_controls.h"
#include "pages/mark_file_job.h"
#include "pages/output_controls.h"
#include "pages/paper_controls.h"
#include "pages/preview_factory.h"
#include "store/deco_dlg.h"
#include "store/overlay_dlg.h"
#include "store/registry_user_store.h"
#include "store/stored_item_kinds.h"
#include "store/watermark_dlg.h"
#include "utilities/about_controls.h"
#include "utilities/link_launcher.h"
#include "utilities/printer_reachability.h"
#include "utilities/trouble_dlg.h"
// The Printer page.
#include "utilities/printer_controls.h"

#include <cstdlib>
#include <optional>

namespace kx {
namespace {

// The host entry's keyed texts, read through the application's stores
// without disturbing the section their other readers selected.
class StoreTexts : public ModuleTexts {
public:
    std::optional<std::u16string> Read(TextFile file, std::u16string_view section,
                                       std::u16string_view key, size_t capacity,
                                       std::optional<std::u16string_view> defaultText) override {
        CKROMAUIApp& app = TheApp();
        TextStore& store = file == TextFile::Strings ? app.stringFile : app.settingsFile;
        const std::u16string saved = store.section();
        store.SelectSection(section);
        std::u16string text = store.ReadText(key, capacity, defaultText);
        store.SelectSection(saved);
        if (text.empty())
            return std::nullopt;
        return text;
    }
};

StoreTexts g_storeTexts;
SpoolerPrinterQueries g_printerQueries;
RegistryUserStore g_userStore;
bool g_started = false;
// Set when the process starts to exit: the module's unload then comes after
// the objects of the process (and the module's own) have died, and there is
// nothing left to stop that the end of the process does not end.
bool g_processExiting = false;

void MarkProcessExiting() {
    g_processExiting = true;
}

} // namespace

void EnsureModuleStarted() {
    if (g_started)
        return;
    g_started = true;
    // Runs at exit() (before the unload); an unload by the host runs it
    // only after StopModule has done its work.
    static_cast<void>(std::atexit(MarkProcessExiting));
    CKROMAUIApp& app = TheApp();
    app.SetInstance(ModuleInstance());
    app.InitInstance();
    InstallModuleTexts(&g_storeTexts);
    InstallPrinterQueries(&g_printerQueries);
    InstallUserStore(&g_userStore);
    InstallStoredItemKinds();
    InstallLocalPrintingOnlyTest(
        [](std::u16string_view printer) { return LocalPrintingOnly(printer); });
    InstallPreviewFactory();
    InstallTroublePageControls();
    InstallGraphicPageControls();
    InstallWatermarkPageControls();
    InstallDecoPageControls();
    InstallOverlayPageControls();
    MarkFileStep::Instance().SetGenerator(
        [](BYTE* devmode, SHORT orientation, MarkFile kind, int paperCode) {
            (void)MakeMarkFile(devmode, orientation,
                               kind == MarkFile::Stamp ? MarkKind::Stamp : MarkKind::Watermark,
                               paperCode);
        });
    InstallPaperPageControls();
    InstallLayoutPageControls();
    // The Basics and Main pages.
    InstallBasicsPageControls();
    // The Output page.
    InstallOutputPageControls();
    // The Printer page.
    InstallPrinterPageControls();
    InstallAboutPageControls();
    // Previews draw a watermark only where its file can print (strictly:
    // a FILE: printer that works offline makes none).
    SetWaterMarkFileCheck([](const BYTE* devmode) {
        return PrinterOutputReachable(ReadText(devmode, FieldNamed("dmDeviceName")),
                                      Strictness::Strict) != 0;
    });
}

void StopModule() {
    if (!g_started || g_processExiting)
        return;
    // A link's worker runs the module's code: it must end before the
    // module can go.
    constexpr unsigned kLaunchWaitMilliseconds = 10000;
    const bool launchersEnded = WaitForLinkLaunches(kLaunchWaitMilliseconds);
    PageDispatcher::ReleaseInstance();
    DevmodeSetTable::ReleaseInstance();
    InstallLocalPrintingOnlyTest(nullptr);
    SetWaterMarkFileCheck(nullptr);
    MarkFileStep::Instance().SetGenerator(nullptr);
    ForgetNetworkPortTests();
    TheApp().ExitInstance();
    ReleaseTheApp();
    InstallModuleTexts(nullptr);
    InstallPrinterQueries(nullptr);
    InstallUserStore(nullptr);
    SetCustomDataFactory(nullptr);
    if (launchersEnded)
        ForgetLinkLaunches();
    g_started = false;
}

} // namespace kx
