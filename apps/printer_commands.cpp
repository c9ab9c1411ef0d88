// The printer commands: list and add printers, drivers and ports, change a
// printer's attributes and printer data, show a printer's capabilities and
// list the job journal.
#include "apps/host_command.h"
#include "apps/printer_default_devmode.h"
#include "apps/sample_family.h"

#include "platform/base/number.h"
#include "platform/base/text.h"
#include "platform/registry/registry_api.h"
#include "platform/shell/help_control.h"
#include "platform/spooler/device_capabilities.h"
#include "platform/spooler/job_journal.h"
#include "platform/spooler/port_sink.h"
#include "platform/spooler/printer_store.h"
#include "platform/spooler/spooler_api.h"

#include <fstream>
#include <sstream>

#include <cstdio>
#include <string>
#include <vector>

namespace kxhost {
namespace {

using kx::PrinterStore;

std::u16string Wide(const std::string& text) {
    return kx::Utf8ToUtf16(text);
}
std::string Narrow(std::u16string_view text) {
    return kx::Utf16ToUtf8(text);
}

int Fail(const char* what, DWORD error) {
    std::fprintf(stderr, "kxhost: %s failed (error %u)\n", what, error);
    return 1;
}

int Usage(const char* usage) {
    std::fprintf(stderr, "usage: kxhost %s\n", usage);
    return 2;
}

DWORD ParseNumber(const std::string& text) {
    return static_cast<DWORD>(kx::ParseAutoBase(Wide(text)).value);
}

int ListPrinters(const Arguments&) {
    if (!EnsurePrefixToRead())
        return 1;
    for (const auto& printer : PrinterStore::Printers()) {
        std::printf("%s\n  driver %s\n  port %s\n  attributes 0x%08X\n  comment %s\n"
                    "  default device mode %zu bytes\n",
                    Narrow(printer.name).c_str(), Narrow(printer.driver).c_str(),
                    Narrow(printer.port).c_str(), printer.attributes,
                    Narrow(printer.comment).c_str(), printer.defaultDevmode.size());
    }
    return 0;
}

int AddPrinter(const Arguments& arguments) {
    if (arguments.size() < 3)
        return Usage("add-printer NAME DRIVER PORT [ATTRIBUTES]");
    if (!EnsurePrefix())
        return 1;
    kx::PrinterRecord printer;
    if (const auto existing = PrinterStore::FindPrinter(Wide(arguments[0])))
        printer = *existing;
    printer.name = Wide(arguments[0]);
    // Another driver's default would not be this model's.
    if (printer.driver != Wide(arguments[1]))
        printer.defaultDevmode.clear();
    printer.driver = Wide(arguments[1]);
    printer.port = Wide(arguments[2]);
    printer.attributes = arguments.size() > 3 ? ParseNumber(arguments[3]) : 0x40; // local
    const DWORD error = PrinterStore::SavePrinter(printer);
    if (error != ERROR_SUCCESS)
        return Fail("adding the printer", error);
    return InstallPrinterDefaultDevmode(printer.name) == DefaultInstall::Failed ? 1 : 0;
}

int AddDriver(const Arguments& arguments) {
    if (arguments.size() < 4)
        return Usage("add-driver NAME DATAFILE CONFIGFILE CAPABILITYFILE [DRIVERFILE]");
    if (!EnsurePrefix())
        return 1;
    kx::DriverRecord driver{Wide(arguments[0]),
                            3,
                            arguments.size() > 4 ? Wide(arguments[4]) : Wide(arguments[2]),
                            Wide(arguments[1]),
                            Wide(arguments[2]),
                            Wide(arguments[3])};
    const DWORD error = PrinterStore::SaveDriver(driver);
    return error == ERROR_SUCCESS ? 0 : Fail("adding the driver", error);
}

int AddPort(const Arguments& arguments) {
    if (arguments.size() < 2)
        return Usage("add-port local NAME | tcp NAME ADDRESS [PORT] | cups NAME QUEUE");
    if (!EnsurePrefix())
        return 1;
    const std::string& kind = arguments[0];
    DWORD error = ERROR_INVALID_PARAMETER;
    if (kind == "local") {
        error = PrinterStore::AddLocalPort(Wide(arguments[1]));
    } else if (kind == "tcp" && arguments.size() >= 3) {
        const DWORD port = arguments.size() > 3 ? ParseNumber(arguments[3]) : 9100;
        error = PrinterStore::AddTcpPort(Wide(arguments[1]), Wide(arguments[2]), port);
    } else if (kind == "cups" && arguments.size() >= 3) {
        error = PrinterStore::AddCupsPort(Wide(arguments[1]), Wide(arguments[2]));
    } else {
        return Usage("add-port local NAME | tcp NAME ADDRESS [PORT] | cups NAME QUEUE");
    }
    return error == ERROR_SUCCESS ? 0 : Fail("adding the port", error);
}

int ListPorts(const Arguments&) {
    if (!EnsurePrefixToRead())
        return 1;
    for (const auto& port : PrinterStore::Ports()) {
        std::printf("%-24s %-24s", Narrow(port.name).c_str(), Narrow(port.monitor).c_str());
        if (port.target.kind == kx::PortKind::Tcp)
            std::printf(" %s:%u", port.target.host.c_str(), port.target.port);
        else if (port.target.kind == kx::PortKind::Cups)
            std::printf(" queue %s", port.target.queue.c_str());
        std::printf("\n");
    }
    return 0;
}

// set-printer NAME attributes|comment|location|port|driver VALUE
// set-printer NAME data VALUENAME dword|sz VALUE
int SetPrinter(const Arguments& arguments) {
    constexpr const char* kUsage =
        "set-printer NAME attributes|comment|location|port|driver VALUE\n"
        "       kxhost set-printer NAME data VALUENAME dword|sz VALUE";
    if (arguments.size() < 3)
        return Usage(kUsage);
    if (!EnsurePrefix())
        return 1;
    auto printer = PrinterStore::FindPrinter(Wide(arguments[0]));
    if (!printer)
        return Fail("finding the printer", ERROR_INVALID_PRINTER_NAME);
    const std::string& field = arguments[1];
    if (field == "data") {
        if (arguments.size() < 5)
            return Usage(kUsage);
        const std::u16string name = Wide(arguments[2]);
        DWORD error = ERROR_INVALID_PARAMETER;
        if (arguments[3] == "dword") {
            const DWORD value = ParseNumber(arguments[4]);
            error = PrinterStore::SetPrinterData(printer->name, name, REG_DWORD, &value, 4);
        } else if (arguments[3] == "sz") {
            const std::u16string value = Wide(arguments[4]);
            error = PrinterStore::SetPrinterData(printer->name, name, REG_SZ, value.c_str(),
                                                 static_cast<DWORD>((value.size() + 1) * 2));
        }
        return error == ERROR_SUCCESS ? 0 : Fail("setting printer data", error);
    }
    const std::u16string value = Wide(arguments[2]);
    if (field == "attributes")
        printer->attributes = ParseNumber(arguments[2]);
    else if (field == "comment")
        printer->comment = value;
    else if (field == "location")
        printer->location = value;
    else if (field == "port")
        printer->port = value;
    else if (field == "driver")
        printer->driver = value;
    else
        return Usage(kUsage);
    const DWORD error = PrinterStore::SavePrinter(*printer);
    return error == ERROR_SUCCESS ? 0 : Fail("changing the printer", error);
}

template <typename T>
std::vector<T> Array(const std::u16string& printer, WORD capability, size_t units = 1) {
    const int count = DeviceCapabilitiesW(printer.c_str(), nullptr, capability, nullptr, nullptr);
    if (count <= 0)
        return {};
    std::vector<T> values(static_cast<size_t>(count) * units);
    DeviceCapabilitiesW(printer.c_str(), nullptr, capability,
                        reinterpret_cast<LPWSTR>(values.data()), nullptr);
    return values;
}

std::string Slot(const std::vector<WCHAR>& slots, size_t index, size_t width) {
    return "\"" + Narrow(kx::TextFromField(slots.data() + index * width, width)) + "\"";
}

int ShowCapabilities(const Arguments& arguments) {
    if (arguments.empty())
        return Usage("caps NAME");
    if (!EnsurePrefixToRead())
        return 1;
    const std::u16string printer = Wide(arguments[0]);
    if (DeviceCapabilitiesW(printer.c_str(), nullptr, DC_PAPERS, nullptr, nullptr) < 0)
        return Fail("reading the printer's capabilities", GetLastError());
    const auto papers = Array<WORD>(printer, DC_PAPERS);
    const auto paperNames = Array<WCHAR>(printer, DC_PAPERNAMES, kx::kPaperNameSlot);
    const auto sizes = Array<POINT>(printer, DC_PAPERSIZE);
    std::printf("papers\n");
    for (size_t i = 0; i < papers.size() && i < sizes.size(); ++i)
        std::printf("  %5u %-40s %5d x %5d\n", papers[i],
                    Slot(paperNames, i, kx::kPaperNameSlot).c_str(), sizes[i].x, sizes[i].y);
    struct List {
        const char* title;
        WORD ids;
        WORD names;
        size_t slot;
        bool wide;
    };
    const List lists[] = {
        {"bins", DC_BINS, DC_BINNAMES, kx::kBinNameSlot, false},
        {"media types", DC_MEDIATYPES, DC_MEDIATYPENAMES, kx::kMediaTypeNameSlot, true},
        {"output bins", kx::kCapabilityOutputBins, kx::kCapabilityOutputBinNames,
         kx::kOutputBinNameSlot, false},
    };
    for (const auto& list : lists) {
        std::printf("%s\n", list.title);
        const auto names = Array<WCHAR>(printer, list.names, list.slot);
        std::vector<DWORD> ids;
        if (list.wide) {
            ids = Array<DWORD>(printer, list.ids);
        } else {
            for (WORD id : Array<WORD>(printer, list.ids))
                ids.push_back(id);
        }
        for (size_t i = 0; i < ids.size(); ++i)
            std::printf("  %5u %s\n", ids[i], Slot(names, i, list.slot).c_str());
    }
    return 0;
}

int ListJobs(const Arguments&) {
    if (!EnsurePrefixToRead())
        return 1;
    std::printf("journal %s\n", kx::JobJournal::Folder().c_str());
    for (const auto& job : kx::JobJournal::List()) {
        std::printf("%6u %s  %-20s %-24s %-5s %8llu bytes  %s  %s\n", job.jobId, job.time.c_str(),
                    Narrow(job.printer).c_str(), Narrow(job.document).c_str(),
                    Narrow(job.datatype).c_str(), static_cast<unsigned long long>(job.byteCount),
                    Narrow(job.outputFile.empty() ? job.port : job.outputFile).c_str(),
                    job.status.c_str());
    }
    return 0;
}

// Sends a file's bytes as one raw job, as the printer utilities do.
int PrintRaw(const Arguments& arguments) {
    if (arguments.size() < 2)
        return Usage("print-raw PRINTER FILE [DOCUMENT [OUTPUTFILE]]");
    if (!EnsurePrefix())
        return 1;
    std::ifstream in(arguments[1], std::ios::binary);
    if (!in)
        return Fail("reading the file", ERROR_FILE_NOT_FOUND);
    std::u16string printerName = Wide(arguments[0]);
    HANDLE printer = nullptr;
    if (!OpenPrinterW(printerName.data(), &printer, nullptr))
        return Fail("opening the printer", GetLastError());
    std::u16string document = Wide(arguments.size() > 2 ? arguments[2] : arguments[1]);
    std::u16string raw = u"RAW";
    std::u16string output = arguments.size() > 3 ? Wide(arguments[3]) : std::u16string();
    DOC_INFO_1W info{document.data(), output.empty() ? nullptr : output.data(), raw.data()};
    DWORD error = ERROR_SUCCESS;
    if (StartDocPrinterW(printer, 1, reinterpret_cast<LPBYTE>(&info)) == 0) {
        error = GetLastError();
    } else {
        // Block by block: a file of any size passes through this buffer.
        std::vector<char> block(size_t{1} << 20);
        while (error == ERROR_SUCCESS && in) {
            in.read(block.data(), static_cast<std::streamsize>(block.size()));
            const auto got = static_cast<DWORD>(in.gcount());
            DWORD written = 0;
            if (got > 0 && !WritePrinter(printer, block.data(), got, &written))
                error = GetLastError();
        }
        if (error == ERROR_SUCCESS && in.bad())
            error = ERROR_READ_FAULT;
        // A job that did not take the whole file is dropped, never delivered.
        if (error != ERROR_SUCCESS)
            AbortPrinter(printer);
        else if (!EndDocPrinter(printer))
            error = GetLastError();
    }
    ClosePrinter(printer);
    return error == ERROR_SUCCESS ? 0 : Fail("printing", error);
}

// The sample family: the models' module files, drivers and printers (a new
// prefix gets them when it is made; this refreshes them).
int InstallSamples(const Arguments&) {
    if (!EnsurePrefix() || !InstallSampleFamily())
        return 1;
    return ListPrinters({});
}

// The host prints through the spooler from its start: printer device
// contexts without an output file go to the printer's port.
const bool kSpoolerConnected = [] {
    kx::InstallSpoolerPortSink();
    return true;
}();

const bool kRegistered =
    RegisterCommand({"printers", "", "list the printers", ListPrinters}) &&
    RegisterCommand(
        {"add-printer", "NAME DRIVER PORT [ATTRIBUTES]", "add or change a printer", AddPrinter}) &&
    RegisterCommand({"set-printer", "NAME FIELD VALUE...",
                     "change a printer's attributes, texts or printer data", SetPrinter}) &&
    RegisterCommand({"add-driver", "NAME DATA CONFIG CAPS [DRIVER]",
                     "install a driver (files in the driver folder)", AddDriver}) &&
    RegisterCommand({"add-port", "local|tcp|cups NAME ...", "add a port", AddPort}) &&
    RegisterCommand({"ports", "", "list the ports and their monitors", ListPorts}) &&
    RegisterCommand(
        {"caps", "NAME", "show a printer's papers, bins and media", ShowCapabilities}) &&
    RegisterCommand({"jobs", "", "list the job journal", ListJobs}) &&
    RegisterCommand(
        {"print-raw", "PRINTER FILE [DOC [OUTPUT]]", "send a file as a raw job", PrintRaw}) &&
    RegisterCommand(
        {"samples", "", "install the sample drivers, a port and printers", InstallSamples});

} // namespace
} // namespace kxhost
