// The module commands: load a printer's driver module from the prefix as a
// driver host does and ask it for its pages and texts.
#include "apps/host_command.h"

#include "host/exports.h"
#include "host/host_record_layout.h"
#include "platform/base/text.h"
#include "platform/files/path_mapping.h"
#include "platform/spooler/printer_store.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>

namespace kxhost {
namespace {

using kx::PrinterStore;

constexpr size_t kPageInfoSize = kx::layout::page_info::kSize;
constexpr size_t kCaptionOffset = kx::layout::page_info::kCaption;
constexpr size_t kCaptionUnits = kx::layout::page_info::kCaptionCapacity;
constexpr int kSheetCaption = -1;

struct PageName {
    int index;
    const char* what;
};
constexpr PageName kPages[] = {
    {0, "Layout"},  {1, "Paper"},     {2, "Graphics"}, {3, "Extras"},    {4, "Printer"},
    {5, "About"},   {6, "Watermark"}, {7, "Overlay"},  {9, "(no page)"}, {12, "Troubleshooting"},
    {16, "Basics"}, {17, "Output"},   {19, "Deco"},    {21, "Main"},
};

// A printer's driver module, loaded from the prefix's driver folder.
class DriverModule {
public:
    explicit DriverModule(const std::u16string& printer) {
        const auto record = PrinterStore::FindPrinter(printer);
        const auto driver = record ? PrinterStore::FindDriver(record->driver) : std::nullopt;
        if (!driver) {
            m_error = "no such printer or driver";
            return;
        }
        m_windowsPath = PrinterStore::DriverFilePath(driver->configFile);
        const auto path = kx::ToUnixPath(m_windowsPath);
        m_library = path ? dlopen(path->c_str(), RTLD_NOW | RTLD_LOCAL) : nullptr;
        if (m_library == nullptr) {
            m_error = path ? dlerror() : "the module is outside the prefix";
            return;
        }
        m_pageInfo = reinterpret_cast<TELV_PageInfoProc>(dlsym(m_library, "TELV_PageInfo"));
        m_getText = reinterpret_cast<TELV_GetTextProc>(dlsym(m_library, "TELV_GetText"));
        if (m_pageInfo == nullptr || m_getText == nullptr)
            m_error = "the module lacks the host page interface";
    }
    ~DriverModule() {
        if (m_library != nullptr)
            dlclose(m_library);
    }
    DriverModule(const DriverModule&) = delete;
    DriverModule& operator=(const DriverModule&) = delete;

    const char* error() const { return m_error; }
    const std::u16string& windowsPath() const { return m_windowsPath; }

    /// The caption and size the module reports for a page.
    bool PageInfo(int index, std::u16string& caption, int32_t& cx, int32_t& cy) const {
        std::array<BYTE, kPageInfoSize> record{};
        m_pageInfo(reinterpret_cast<PageInfoRecord*>(record.data()), index);
        std::memcpy(&cx, record.data() + 4, 4);
        std::memcpy(&cy, record.data() + 8, 4);
        caption = kx::TextFromField(reinterpret_cast<const WCHAR*>(record.data() + kCaptionOffset),
                                    kCaptionUnits);
        return !caption.empty();
    }

    std::u16string Text(int fromStringFile, const char16_t* section, const char16_t* key) const {
        std::array<WCHAR, 256> out{};
        m_getText(fromStringFile, section, key, out.data(), static_cast<int>(out.size()));
        return kx::TextFromField(out.data(), out.size());
    }

private:
    void* m_library = nullptr;
    TELV_PageInfoProc m_pageInfo = nullptr;
    TELV_GetTextProc m_getText = nullptr;
    std::u16string m_windowsPath;
    const char* m_error = nullptr;
};

int ShowPages(const std::string& printerName) {
    const DriverModule module(kx::Utf8ToUtf16(printerName));
    if (module.error() != nullptr) {
        std::fprintf(stderr, "kxhost: %s: %s\n", printerName.c_str(), module.error());
        return 1;
    }
    std::printf("%s\n  module %s\n", printerName.c_str(),
                kx::Utf16ToUtf8(module.windowsPath()).c_str());
    std::u16string caption;
    int32_t cx = 0;
    int32_t cy = 0;
    module.PageInfo(kSheetCaption, caption, cx, cy);
    std::printf("  sheet caption \"%s\"\n", kx::Utf16ToUtf8(caption).c_str());
    std::printf("  untitled settings are called \"%s\"\n",
                kx::Utf16ToUtf8(module.Text(1, nullptr, u"Untitled")).c_str());
    for (const auto& page : kPages) {
        if (!module.PageInfo(page.index, caption, cx, cy)) {
            std::printf("  page %2d %-16s none\n", page.index, page.what);
            continue;
        }
        std::printf("  page %2d %-16s \"%s\" %d x %d\n", page.index, page.what,
                    kx::Utf16ToUtf8(caption).c_str(), cx, cy);
    }
    return 0;
}

int Pages(const Arguments& arguments) {
    if (!EnsurePrefix())
        return 1;
    if (!arguments.empty())
        return ShowPages(arguments[0]);
    int status = 0;
    for (const auto& printer : PrinterStore::Printers())
        status |= ShowPages(kx::Utf16ToUtf8(printer.name));
    return status;
}

const bool kRegistered = RegisterCommand(
    {"pages", "[PRINTER]", "load a printer's module and list its pages and captions", Pages});

} // namespace
} // namespace kxhost
