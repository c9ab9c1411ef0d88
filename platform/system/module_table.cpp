// The table of loaded modules and their file names.
#include "platform/system/system_api.h"

#include "platform/base/text.h"
#include "platform/files/file_api.h"
#include "platform/files/path_mapping.h"

#include <dlfcn.h>
#include <filesystem>
#include <map>
#include <mutex>
#include <unistd.h>

namespace kx {
namespace {

struct ModuleEntry {
    std::string linuxPath;
    void* libraryHandle;
};

constexpr uint32_t kFirstModule = 0x10000000;
constexpr uint32_t kModuleStride = 0x10000;

std::mutex g_moduleMutex;
uint32_t g_nextModule = kFirstModule + kModuleStride; // the program takes the first

// Lives as long as the process, like the library table: unload code that
// runs after the program's static objects still finds its modules.
std::map<uint32_t, ModuleEntry>& Modules() {
    static auto* const modules = new std::map<uint32_t, ModuleEntry>;
    return *modules;
}

std::string ProgramPath() {
    std::error_code error;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : path.string();
}

} // namespace

HMODULE RegisterModule(const std::string& linuxPath, void* libraryHandle) {
    std::lock_guard lock(g_moduleMutex);
    for (const auto& [value, entry] : Modules()) {
        if (entry.linuxPath == linuxPath)
            return HandleFromValue<HMODULE>(value);
    }
    const uint32_t value = g_nextModule;
    g_nextModule += kModuleStride;
    Modules().emplace(value, ModuleEntry{linuxPath, libraryHandle});
    return HandleFromValue<HMODULE>(value);
}

bool FindModule(HMODULE module, std::string* linuxPath, void** libraryHandle) {
    const uint32_t value = module == nullptr ? kFirstModule : HandleValue(module);
    if (value == kFirstModule) {
        if (linuxPath != nullptr)
            *linuxPath = ProgramPath();
        if (libraryHandle != nullptr)
            *libraryHandle = nullptr;
        return true;
    }
    std::lock_guard lock(g_moduleMutex);
    const auto it = Modules().find(value);
    if (it == Modules().end())
        return false;
    if (linuxPath != nullptr)
        *linuxPath = it->second.linuxPath;
    if (libraryHandle != nullptr)
        *libraryHandle = it->second.libraryHandle;
    return true;
}

bool UnregisterModule(HMODULE module) {
    std::lock_guard lock(g_moduleMutex);
    return Modules().erase(HandleValue(module)) == 1;
}

HMODULE ModuleFromAddress(const void* address) {
    Dl_info info{};
    if (dladdr(address, &info) == 0 || info.dli_fname == nullptr)
        return nullptr;
    std::error_code error;
    const std::string path = std::filesystem::weakly_canonical(info.dli_fname, error).string();
    if (path == std::filesystem::weakly_canonical(ProgramPath(), error).string())
        return HandleFromValue<HMODULE>(kFirstModule);
    return RegisterModule(path, nullptr);
}

} // namespace kx

extern "C" {

DWORD WINAPI GetModuleFileNameW(HMODULE module, LPWSTR fileName, DWORD size) {
    std::string linuxPath;
    if (!kx::FindModule(module, &linuxPath, nullptr) || linuxPath.empty()) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return 0;
    }
    if (fileName == nullptr || size == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    const std::u16string windowsPath = kx::ToWindowsPath(linuxPath);
    const size_t copied = kx::CopyText(fileName, size, windowsPath);
    if (copied < windowsPath.size()) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return size;
    }
    SetLastError(ERROR_SUCCESS);
    return static_cast<DWORD>(copied);
}

HMODULE WINAPI GetModuleHandleW(LPCWSTR moduleName) {
    if (moduleName == nullptr)
        return HandleFromValue<HMODULE>(kx::kFirstModule);
    std::u16string wanted = moduleName;
    const size_t slash = wanted.find_last_of(u"\\/");
    if (slash != std::u16string::npos)
        wanted = wanted.substr(slash + 1);
    std::lock_guard lock(kx::g_moduleMutex);
    for (const auto& [value, entry] : kx::Modules()) {
        const std::u16string name =
            kx::Utf8ToUtf16(std::filesystem::path(entry.linuxPath).filename().string());
        if (kx::EqualsNoCase(name, wanted) ||
            kx::EqualsNoCase(std::filesystem::path(entry.linuxPath).stem().u16string(), wanted))
            return HandleFromValue<HMODULE>(value);
    }
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
}

} // extern "C"
