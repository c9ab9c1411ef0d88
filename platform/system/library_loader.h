// Libraries by name: built-in system libraries (tables of procedures), shared
// objects in the prefix, and model resource libraries (picture containers).
#pragma once

#include "platform/base/win_types.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

constexpr DWORD DONT_RESOLVE_DLL_REFERENCES = 0x00000001;
constexpr DWORD LOAD_LIBRARY_AS_DATAFILE = 0x00000002;
constexpr DWORD LOAD_WITH_ALTERED_SEARCH_PATH = 0x00000008;
constexpr DWORD LOAD_LIBRARY_AS_IMAGE_RESOURCE = 0x00000020;

extern "C" {
/// A built-in system library by file name (any case, with or without a
/// folder), a shared object file in the prefix, or a resource library
/// (a ustar archive of pictures, see resource_archive.h). NULL with
/// ERROR_MOD_NOT_FOUND otherwise. Each load counts; FreeLibrary undoes one.
KXAPI HMODULE WINAPI LoadLibraryW(LPCWSTR fileName);
KXAPI HMODULE WINAPI LoadLibraryExW(LPCWSTR fileName, HANDLE reserved, DWORD flags);
/// By name, or by export number when `procName` is a number below 0x10000.
/// NULL with ERROR_PROC_NOT_FOUND for an unknown one or a resource library.
KXAPI FARPROC WINAPI GetProcAddress(HMODULE module, LPCSTR procName);
KXAPI BOOL WINAPI FreeLibrary(HMODULE module);
}

namespace kx {

/// A procedure of a built-in library, found by name and, when `ordinal` is
/// not 0, by that export number too.
struct SystemProcedure {
    const char* name;
    FARPROC address;
    WORD ordinal = 0;
};

/// Any function as the untyped address GetProcAddress returns.
template <typename Function>
FARPROC ProcedureAddress(Function* function) {
    // A cast through void(*)() is the sanctioned way between function types.
    return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(function));
}

/// Makes `name` ("MSIMG32.DLL", "hhctrl.ocx") loadable with these procedures.
/// Registering a name again replaces its table.
void RegisterSystemLibrary(std::u16string_view name, std::vector<SystemProcedure> procedures);

class ResourceArchive;
/// The picture container behind a module loaded as a resource library, or
/// nullptr for any other module.
std::shared_ptr<const ResourceArchive> FindResourceArchive(HMODULE module);

} // namespace kx
