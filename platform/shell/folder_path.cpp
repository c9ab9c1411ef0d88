// SHGetFolderPathW: the special folders, laid out in the prefix as on a
// current Windows system.
#include "platform/shell/shell_api.h"

#include "platform/base/text.h"
#include "platform/files/file_api.h"
#include "platform/files/path_mapping.h"
#include "platform/system/system_api.h"

#include <filesystem>
#include <string_view>

namespace {

enum class PerUser { No, Yes };

struct SpecialFolder {
    int csidl;
    PerUser perUser;
    std::u16string_view path; // below C:\, or below the user's profile folder
};

constexpr SpecialFolder kFolders[] = {
    {CSIDL_PERSONAL, PerUser::Yes, u"Documents"},
    {CSIDL_APPDATA, PerUser::Yes, u"AppData\\Roaming"},
    {CSIDL_LOCAL_APPDATA, PerUser::Yes, u"AppData\\Local"},
    {CSIDL_COMMON_APPDATA, PerUser::No, u"ProgramData"},
    {CSIDL_WINDOWS, PerUser::No, u"windows"},
    {CSIDL_SYSTEM, PerUser::No, u"windows\\system32"},
    {CSIDL_PROGRAM_FILES, PerUser::No, u"Program Files"},
};

const SpecialFolder* FindFolder(int csidl) {
    for (const auto& folder : kFolders) {
        if (folder.csidl == csidl)
            return &folder;
    }
    return nullptr;
}

std::u16string WindowsPathOf(const SpecialFolder& folder) {
    if (folder.perUser == PerUser::Yes)
        return u"C:\\users\\" + kx::CurrentUserName() + u"\\" + std::u16string(folder.path);
    return u"C:\\" + std::u16string(folder.path);
}

} // namespace

extern "C" {

HRESULT WINAPI SHGetFolderPathW(HWND, int csidl, HANDLE, DWORD, LPWSTR pszPath) {
    if (pszPath == nullptr)
        return E_INVALIDARG;
    *pszPath = 0;
    const SpecialFolder* folder = FindFolder(csidl & ~CSIDL_FLAG_CREATE);
    if (folder == nullptr)
        return E_INVALIDARG;
    const std::u16string path = WindowsPathOf(*folder);
    const auto unixPath = kx::ToUnixPath(path);
    if (!unixPath)
        return E_FAIL;
    std::error_code error;
    // The shared folders always exist on a Windows system; per-user ones
    // are made on request only.
    if ((csidl & CSIDL_FLAG_CREATE) != 0 || folder->perUser == PerUser::No)
        std::filesystem::create_directories(*unixPath, error);
    if (!std::filesystem::is_directory(*unixPath, error))
        return E_FAIL;
    if (kx::CopyText(pszPath, MAX_PATH, path) < path.size()) {
        *pszPath = 0;
        return E_FAIL;
    }
    return S_OK;
}

} // extern "C"
