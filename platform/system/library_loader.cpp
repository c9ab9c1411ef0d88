// Libraries by name: the built-in system libraries, shared objects in the
// prefix and model resource libraries, each counted per load.
#include "platform/system/library_loader.h"

#include "platform/base/text.h"
#include "platform/files/path_mapping.h"
#include "platform/files/prefix.h"
#include "platform/gdi/gdi_api.h"
#include "platform/gdi/resource_archive.h"
#include "platform/system/system_api.h"

#include <array>
#include <dlfcn.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>

namespace kx {
namespace {

constexpr size_t kMaxLibraryFile = 64u << 20;
constexpr std::array<uint8_t, 4> kElfMagic{0x7F, 'E', 'L', 'F'};

struct LoadedLibrary {
    int references = 0;
    const std::vector<SystemProcedure>* procedures = nullptr; ///< built-in
    void* shared = nullptr;                                   ///< dlopen handle
    std::shared_ptr<const ResourceArchive> archive;
};

std::mutex g_mutex;

// The tables live as long as the process: a module's unload code runs after
// the program's static objects are gone and may still free its libraries.
std::map<std::u16string, std::vector<SystemProcedure>>& SystemLibraries() {
    static auto* const libraries = new std::map<std::u16string, std::vector<SystemProcedure>>{
        {u"MSIMG32.DLL", {SystemProcedure{"TransparentBlt", ProcedureAddress(&TransparentBlt)}}},
    };
    return *libraries;
}

std::map<uint32_t, LoadedLibrary>& Loaded() {
    static auto* const loaded = new std::map<uint32_t, LoadedLibrary>;
    return *loaded;
}

std::u16string BaseName(std::u16string_view name) {
    const size_t slash = name.find_last_of(u"\\/");
    return std::u16string(slash == std::u16string_view::npos ? name : name.substr(slash + 1));
}

/// "MSIMG32" and "msimg32.dll" name the same library.
std::u16string LibraryKey(std::u16string_view name) {
    std::u16string key = ToUpperText(BaseName(name));
    if (key.find(u'.') == std::u16string::npos)
        key += u".DLL";
    return key;
}

std::optional<std::string> FindLibraryFile(std::u16string_view name) {
    std::vector<std::u16string> candidates;
    if (name.find_first_of(u"\\/:") != std::u16string_view::npos) {
        candidates.emplace_back(name);
    } else {
        candidates.push_back(CurrentWindowsDirectory() + u"\\" + std::u16string(name));
        candidates.push_back(u"C:\\windows\\system32\\" + std::u16string(name));
    }
    for (const auto& candidate : candidates) {
        const auto path = ToUnixPath(candidate);
        std::error_code error;
        if (path.has_value() && std::filesystem::is_regular_file(*path, error))
            return path;
    }
    return std::nullopt;
}

std::optional<std::vector<uint8_t>> ReadWhole(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::vector<uint8_t> bytes;
    char buffer[65536];
    while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
        bytes.insert(bytes.end(), buffer, buffer + file.gcount());
        if (bytes.size() > kMaxLibraryFile)
            return std::nullopt;
    }
    return bytes;
}

HMODULE Count(HMODULE module, LoadedLibrary library) {
    auto [it, inserted] = Loaded().try_emplace(HandleValue(module), std::move(library));
    ++it->second.references;
    return module;
}

HMODULE LoadSystemLibrary(const std::u16string& key) {
    const auto& libraries = SystemLibraries();
    const auto it = libraries.find(key);
    if (it == libraries.end())
        return nullptr;
    std::u16string lower = key;
    for (auto& c : lower)
        c = c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
    const std::string path =
        Prefix::Current().DriveFolder(u'C') + "/windows/system32/" + Utf16ToUtf8(lower);
    LoadedLibrary library;
    library.procedures = &it->second;
    return Count(RegisterModule(path, nullptr), std::move(library));
}

HMODULE LoadLibraryFile(const std::string& path, DWORD flags) {
    std::lock_guard lock(g_mutex);
    const HMODULE known = RegisterModule(path, nullptr);
    if (Loaded().contains(HandleValue(known)))
        return Count(known, {});
    auto bytes = ReadWhole(path);
    LoadedLibrary library;
    if (!bytes.has_value()) {
        UnregisterModule(known);
        SetLastError(ERROR_BAD_FORMAT);
        return nullptr;
    }
    if (ResourceArchive::LooksLikeArchive(*bytes)) {
        library.archive = ResourceArchive::Parse(std::move(*bytes));
    } else if (bytes->size() >= kElfMagic.size() &&
               std::equal(kElfMagic.begin(), kElfMagic.end(), bytes->begin()) &&
               (flags & (LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) == 0) {
        library.shared = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    }
    if (library.archive == nullptr && library.shared == nullptr) {
        UnregisterModule(known);
        SetLastError(ERROR_BAD_FORMAT);
        return nullptr;
    }
    return Count(known, std::move(library));
}

} // namespace

void RegisterSystemLibrary(std::u16string_view name, std::vector<SystemProcedure> procedures) {
    std::lock_guard lock(g_mutex);
    SystemLibraries()[LibraryKey(name)] = std::move(procedures);
}

std::shared_ptr<const ResourceArchive> FindResourceArchive(HMODULE module) {
    std::lock_guard lock(g_mutex);
    const auto it = Loaded().find(HandleValue(module));
    return it == Loaded().end() ? nullptr : it->second.archive;
}

} // namespace kx

extern "C" {

HMODULE WINAPI LoadLibraryExW(LPCWSTR fileName, HANDLE /*reserved*/, DWORD flags) {
    if (fileName == nullptr || *fileName == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    {
        std::lock_guard lock(kx::g_mutex);
        if (HMODULE system = kx::LoadSystemLibrary(kx::LibraryKey(fileName)))
            return system;
    }
    const auto path = kx::FindLibraryFile(fileName);
    if (!path.has_value()) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    return kx::LoadLibraryFile(*path, flags);
}

HMODULE WINAPI LoadLibraryW(LPCWSTR fileName) {
    return LoadLibraryExW(fileName, nullptr, 0);
}

FARPROC WINAPI GetProcAddress(HMODULE module, LPCSTR procName) {
    std::lock_guard lock(kx::g_mutex);
    const auto it = kx::Loaded().find(HandleValue(module));
    if (it == kx::Loaded().end()) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    // An export number is passed in the place of the name, as a small value.
    const auto value = reinterpret_cast<ULONG_PTR>(procName);
    const bool byOrdinal = value <= 0xFFFF;
    if (it->second.procedures != nullptr && value != 0) {
        for (const auto& procedure : *it->second.procedures) {
            if (byOrdinal ? procedure.ordinal != 0 && procedure.ordinal == value
                          : std::string_view(procedure.name) == procName)
                return procedure.address;
        }
    }
    if (it->second.shared != nullptr && !byOrdinal) {
        if (void* symbol = dlsym(it->second.shared, procName))
            return reinterpret_cast<FARPROC>(symbol);
    }
    SetLastError(ERROR_PROC_NOT_FOUND);
    return nullptr;
}

BOOL WINAPI FreeLibrary(HMODULE module) {
    std::lock_guard lock(kx::g_mutex);
    const auto it = kx::Loaded().find(HandleValue(module));
    if (it == kx::Loaded().end()) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return FALSE;
    }
    if (--it->second.references > 0)
        return TRUE;
    if (it->second.shared != nullptr)
        dlclose(it->second.shared);
    kx::Loaded().erase(it);
    kx::UnregisterModule(module);
    return TRUE;
}

} // extern "C"
