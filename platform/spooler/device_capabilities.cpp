// Capability answers from a parsed capability file, and the file cache.
#include "platform/spooler/device_capabilities.h"

#include "platform/base/text.h"
#include "platform/files/path_mapping.h"
#include "platform/files/whole_file.h"
#include "platform/spooler/printer_store.h"
#include "platform/spooler/user_papers.h"

#include <cstring>
#include <map>
#include <mutex>
#include <sys/stat.h>

namespace kx {
namespace {

template <typename Value, typename Items, typename Get>
int FillArray(const Items& items, void* output, Get get) {
    if (output != nullptr) {
        auto* bytes = static_cast<BYTE*>(output);
        for (size_t i = 0; i < items.size(); ++i) {
            const Value value = get(items[i]);
            std::memcpy(bytes + i * sizeof(Value), &value, sizeof(Value));
        }
    }
    return static_cast<int>(items.size());
}

// Slots are terminated unless the name fills them, as drivers report them.
template <typename Items>
int FillNames(const Items& items, void* output, size_t slot) {
    if (output != nullptr) {
        auto* slots = static_cast<WCHAR*>(output);
        for (size_t i = 0; i < items.size(); ++i) {
            WCHAR* target = slots + i * slot;
            std::memset(target, 0, slot * sizeof(WCHAR));
            const std::u16string& name = items[i].name;
            std::memcpy(target, name.data(), std::min(name.size(), slot) * sizeof(WCHAR));
        }
    }
    return static_cast<int>(items.size());
}

int AnswerSetting(const CapabilityFile& file, WORD capability) {
    for (const auto& setting : file.settings) {
        if (setting.capability == capability)
            return setting.value;
    }
    return -1;
}

struct CachedFile {
    struct timespec modified {};
    off_t size = 0;
    std::shared_ptr<const CapabilityFile> parsed;
};

std::mutex g_cacheMutex;
std::map<std::string, CachedFile> g_cache;

} // namespace

int AnswerCapability(const CapabilityFile& file, WORD capability, void* output) {
    switch (capability) {
    case DC_PAPERS:
        return FillArray<WORD>(file.papers, output, [](const auto& p) { return p.id; });
    case DC_PAPERNAMES:
        return FillNames(file.papers, output, kPaperNameSlot);
    case DC_PAPERSIZE:
        return FillArray<POINT>(file.papers, output, [](const auto& p) {
            return POINT{p.width, p.length};
        });
    case DC_BINS:
        return FillArray<WORD>(file.bins, output,
                               [](const auto& b) { return static_cast<WORD>(b.id); });
    case DC_BINNAMES:
        return FillNames(file.bins, output, kBinNameSlot);
    case DC_MEDIATYPES:
        return FillArray<DWORD>(file.mediaTypes, output, [](const auto& m) { return m.id; });
    case DC_MEDIATYPENAMES:
        return FillNames(file.mediaTypes, output, kMediaTypeNameSlot);
    case kCapabilityOutputBins:
        return FillArray<WORD>(file.outputBins, output,
                               [](const auto& b) { return static_cast<WORD>(b.id); });
    case kCapabilityOutputBinNames:
        return FillNames(file.outputBins, output, kOutputBinNameSlot);
    case DC_ENUMRESOLUTIONS:
        return FillArray<POINT>(file.resolutions, output, [](const POINT& r) { return r; });
    default:
        return AnswerSetting(file, capability);
    }
}

std::shared_ptr<const CapabilityFile> LoadCapabilityFile(const std::string& unixPath) {
    struct stat info {};
    if (::stat(unixPath.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return nullptr;
    std::lock_guard lock(g_cacheMutex);
    CachedFile& cached = g_cache[unixPath];
    if (cached.parsed && cached.size == info.st_size &&
        cached.modified.tv_sec == info.st_mtim.tv_sec &&
        cached.modified.tv_nsec == info.st_mtim.tv_nsec)
        return cached.parsed;
    const std::optional<std::string> bytes = ReadWholeFile(unixPath);
    if (!bytes)
        return nullptr;
    cached.parsed = std::make_shared<const CapabilityFile>(ParseCapabilityFile(*bytes));
    cached.modified = info.st_mtim;
    cached.size = info.st_size;
    return cached.parsed;
}

} // namespace kx

namespace {

constexpr size_t kMaxPapers = 512;

std::shared_ptr<const kx::CapabilityFile> CapabilitiesOfPrinter(LPCWSTR printerName) {
    if (printerName == nullptr)
        return nullptr;
    const auto file = kx::PrinterStore::CapabilityFileOf(printerName);
    if (!file)
        return nullptr;
    const auto path = kx::ToUnixPath(*file);
    return path ? kx::LoadCapabilityFile(*path) : nullptr;
}

} // namespace

extern "C" {

int WINAPI DeviceCapabilitiesW(LPCWSTR pDevice, LPCWSTR, WORD fwCapability, LPWSTR pOutput,
                               const DEVMODEW*) {
    const auto file = CapabilitiesOfPrinter(pDevice);
    if (!file) {
        SetLastError(ERROR_INVALID_PRINTER_NAME);
        return -1;
    }
    const bool asksPapers =
        fwCapability == DC_PAPERS || fwCapability == DC_PAPERNAMES || fwCapability == DC_PAPERSIZE;
    if (!asksPapers || !file->userPapers)
        return kx::AnswerCapability(*file, fwCapability, pOutput);
    // The user's papers are read on every call, so one just added is listed.
    kx::CapabilityFile papers;
    papers.papers = file->papers;
    for (auto& paper : kx::ReadUserPapers(*file->userPapers, kMaxPapers - file->papers.size()))
        papers.papers.push_back(std::move(paper));
    return kx::AnswerCapability(papers, fwCapability, pOutput);
}

} // extern "C"
