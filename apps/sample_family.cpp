// The bundled sample driver family in the host's prefix.
#include "apps/sample_family.h"

#include "apps/printer_default_devmode.h"
#include "platform/base/text.h"
#include "platform/files/path_mapping.h"
#include "platform/shell/help_control.h"
#include "platform/spooler/printer_store.h"

#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace kxhost {
namespace {

namespace fs = std::filesystem;
using kx::PrinterStore;

struct SampleModel {
    const char16_t* printer;
    const char16_t* driver;
    const char16_t* stem; // the driver's base name: VML42U.DLL, VML42.CAP ...
    const char16_t* port;
    const char16_t* comment;
    DWORD attributes;
};

// One printer per model, each on another kind of port. A printer on a
// TCP/IP port of this machine is a local printer (attribute 0x40, not the
// network attribute 0x10 of a printer shared by a server): overlays can be
// chosen on it.
constexpr SampleModel kModels[] = {
    {u"Velmora ML-4200", u"Velmora ML-4200", u"VML42", u"IP_127.0.0.1",
     u"Network printer on this machine, port 9100", 0x40},
    {u"Velmora CL-6500", u"Velmora CL-6500", u"VCL65", u"FILE:", u"Prints to a file", 0x40},
    {u"Velmora IJ-980", u"Velmora IJ-980", u"VIJ98", u"NUL:", u"Prints nowhere", 0x40},
};

bool Failed(const char* what, DWORD error) {
    std::fprintf(stderr, "kxhost: %s failed (error %u)\n", what, error);
    return false;
}

// Copies the built module into the driver folder under the model's module
// name when it is missing or older than the build.
bool InstallModuleFile(const std::u16string& moduleName) {
    const auto target = kx::ToUnixPath(PrinterStore::DriverFilePath(moduleName));
    if (!target)
        return Failed("mapping the driver folder", ERROR_PATH_NOT_FOUND);
    std::error_code error;
    const fs::path source(KX_MODULE_FILE);
    if (!fs::exists(source, error))
        return Failed("finding the built module", ERROR_FILE_NOT_FOUND);
    if (fs::exists(*target, error) &&
        fs::last_write_time(*target, error) >= fs::last_write_time(source, error) &&
        fs::file_size(*target, error) == fs::file_size(source, error))
        return true;
    fs::create_directories(fs::path(*target).parent_path(), error);
    // Other hosts may have the old copy loaded: a new file is written beside
    // it and renamed over, so nobody ever maps a file half copied.
    const std::string temporary = *target + ".new-" + std::to_string(getpid());
    fs::copy_file(source, temporary, fs::copy_options::overwrite_existing, error);
    if (!error)
        fs::rename(temporary, *target, error);
    if (!error)
        return true;
    fs::remove(temporary, error);
    return Failed("installing the module file", ERROR_WRITE_FAULT);
}

// A real spooler hands the driver its default for a printer that has none of
// its own, never an empty record.
bool InstallDefaultOf(const SampleModel& model) {
    return InstallPrinterDefaultDevmode(model.printer) != DefaultInstall::Failed;
}

} // namespace

bool SampleFamilyInstalled() {
    for (const auto& model : kModels) {
        const auto printer = PrinterStore::FindPrinter(model.printer);
        if (!PrinterStore::FindDriver(model.driver) || !printer ||
            printer->defaultDevmode.empty() || !PrinterStore::FindPort(printer->port))
            return false;
    }
    return true;
}

bool InstallSampleFamily() {
    for (const auto& model : kModels) {
        const std::u16string stem = model.stem;
        if (!InstallModuleFile(stem + u"U.DLL"))
            return false;
        const kx::DriverRecord driver{
            model.driver, 3, stem + u"U.DLL", stem + u".CAP", stem + u"U.DLL", stem + u".CAP"};
        if (const DWORD error = PrinterStore::SaveDriver(driver); error != ERROR_SUCCESS)
            return Failed("installing a driver", error);
    }
    if (!PrinterStore::FindPort(u"IP_127.0.0.1")) {
        if (const DWORD error = PrinterStore::AddTcpPort(u"IP_127.0.0.1", u"127.0.0.1", 9100);
            error != ERROR_SUCCESS)
            return Failed("adding the network port", error);
    }
    for (const auto& model : kModels) {
        if (PrinterStore::FindPrinter(model.printer)) {
            if (!InstallDefaultOf(model))
                return false;
            continue;
        }
        kx::PrinterRecord printer;
        printer.name = model.printer;
        printer.driver = model.driver;
        printer.port = model.port;
        printer.comment = model.comment;
        printer.attributes = model.attributes;
        if (const DWORD error = PrinterStore::SavePrinter(printer); error != ERROR_SUCCESS)
            return Failed("adding a printer", error);
        if (!InstallDefaultOf(model))
            return false;
    }
    if (const DWORD error = kx::RegisterHelpControlPath(); error != ERROR_SUCCESS)
        return Failed("registering the help control", error);
    return true;
}

} // namespace kxhost
