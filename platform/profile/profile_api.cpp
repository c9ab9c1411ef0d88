// The private-profile calls over the parsed-file cache.
#include "platform/profile/profile_api.h"

#include "platform/profile/profile_cache.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

namespace {

using kx::ProfileCache;
using kx::ProfileDocument;

// Only spaces around the section and key names a caller passes are ignored.
std::u16string_view TrimSpaces(std::u16string_view text) {
    while (!text.empty() && text.front() == u' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == u' ')
        text.remove_suffix(1);
    return text;
}

struct ProfileFile {
    std::string path;
    std::shared_ptr<const ProfileDocument> document;
    kx::FileStamp stamp;
    DWORD error = ERROR_SUCCESS;
};

ProfileFile OpenProfile(LPCWSTR fileName) {
    ProfileFile file;
    const std::u16string_view name = fileName ? std::u16string_view(fileName) : u"win.ini";
    if (name.empty()) {
        file.error = ERROR_ACCESS_DENIED;
        return file;
    }
    auto& cache = ProfileCache::Instance();
    bool cached = false;
    auto path = cache.MapPath(name, &file.error, &cached);
    if (!path)
        return file;
    file.document = cache.Load(*path, &file.error, &file.stamp);
    if (!file.document && file.error == ERROR_FILE_NOT_FOUND && cached) {
        // The name may now map to another spelling on disk.
        cache.ForgetPath(name);
        path = cache.MapPath(name, &file.error, &cached);
        if (!path)
            return file;
        file.document = cache.Load(*path, &file.error, &file.stamp);
    }
    file.path = std::move(*path);
    return file;
}

enum class Cut { No, Yes };

// A value cut to the buffer as the call cuts it: size-1 characters.
Cut CopyValue(std::u16string_view value, LPWSTR buffer, DWORD size, DWORD* copied) {
    const bool fits = value.size() < size;
    const size_t count = fits ? value.size() : size - 1;
    std::copy_n(value.begin(), count, buffer);
    buffer[count] = u'\0';
    *copied = static_cast<DWORD>(count);
    return fits ? Cut::No : Cut::Yes;
}

enum class FileState { Present, Missing };

// A list of names, each terminated, then one more NUL. A list that does not
// fit with a character to spare is cut and ends in two NULs.
DWORD CopyList(const std::vector<std::u16string_view>& names, LPWSTR buffer, DWORD size,
               FileState state) {
    if (size < 2 || state == FileState::Missing) {
        buffer[0] = u'\0';
        return 0;
    }
    std::u16string list;
    for (const auto& name : names) {
        // An empty name would end the list early.
        if (name.empty())
            continue;
        list += name;
        list += u'\0';
    }
    if (list.size() + 2 <= size) {
        std::copy(list.begin(), list.end(), buffer);
        buffer[list.size()] = u'\0';
        if (list.empty())
            buffer[1] = u'\0'; // an empty list still ends in two NULs
        return static_cast<DWORD>(list.size());
    }
    std::copy_n(list.begin(), size - 2, buffer);
    buffer[size - 2] = u'\0';
    buffer[size - 1] = u'\0';
    return size - 2;
}

std::u16string_view WithoutTrailingSpaces(std::u16string_view text) {
    while (!text.empty() && text.back() == u' ')
        text.remove_suffix(1);
    return text;
}

using Edit = std::function<std::optional<std::u16string>(const ProfileDocument&)>;
enum class EditKind { Change, Deletion };

BOOL ApplyEdit(LPCWSTR fileName, EditKind kind, const Edit& edit) {
    if (!fileName || !*fileName) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    auto& cache = ProfileCache::Instance();
    bool cached = false;
    DWORD error = ERROR_SUCCESS;
    const auto path = cache.MapPath(fileName, &error, &cached);
    if (!path) {
        SetLastError(error);
        return FALSE;
    }
    // Another process editing a file in the same folder waits for us, so
    // neither loses the other's change.
    kx::FolderLock lock(*path);
    if (lock.Error() != ERROR_SUCCESS) {
        SetLastError(lock.Error());
        return FALSE;
    }
    kx::FileStamp stamp;
    auto document = cache.Load(*path, &error, &stamp);
    if (!document && error != ERROR_FILE_NOT_FOUND) {
        SetLastError(error);
        return FALSE;
    }
    if (!document && kind == EditKind::Deletion)
        return TRUE;
    if (document && kx::IsReadOnlyFile(stamp)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (document && !document->IsWhole()) {
        SetLastError(ERROR_FILE_TOO_LARGE);
        return FALSE;
    }
    if (!document)
        document = std::make_shared<ProfileDocument>(u"", kx::ProfileEncoding::Utf16Le);
    const auto text = edit(*document);
    if (!text)
        return TRUE;
    auto encoding = document->Encoding();
    const std::string bytes = kx::EncodeProfileText(*text, encoding);
    if (bytes.size() > ProfileDocument::kMaxFileBytes) {
        SetLastError(ERROR_FILE_TOO_LARGE);
        return FALSE;
    }
    error = kx::ReplaceFileAtomically(*path, bytes, 0644);
    if (error != ERROR_SUCCESS) {
        SetLastError(error);
        return FALSE;
    }
    if (kx::StampFile(*path, &stamp) == ERROR_SUCCESS)
        cache.Remember(*path, stamp, std::make_shared<ProfileDocument>(*text, encoding));
    else
        cache.Forget(*path);
    return TRUE;
}

} // namespace

extern "C" {

DWORD WINAPI GetPrivateProfileStringW(LPCWSTR appName, LPCWSTR keyName, LPCWSTR defaultValue,
                                      LPWSTR returnedString, DWORD size, LPCWSTR fileName) {
    if (!returnedString || size == 0)
        return 0;
    const ProfileFile file = OpenProfile(fileName);
    const auto state = file.document ? FileState::Present : FileState::Missing;
    if (!appName)
        return CopyList(file.document ? file.document->SectionNames()
                                      : std::vector<std::u16string_view>{},
                        returnedString, size, state);
    const std::u16string_view section = TrimSpaces(appName);
    if (!keyName)
        return CopyList(file.document ? file.document->KeyNames(section)
                                      : std::vector<std::u16string_view>{},
                        returnedString, size, state);
    DWORD copied = 0;
    if (file.document) {
        if (const auto value = file.document->FindValue(section, TrimSpaces(keyName))) {
            const Cut cut = CopyValue(*value, returnedString, size, &copied);
            SetLastError(cut == Cut::Yes ? ERROR_MORE_DATA : ERROR_SUCCESS);
            return copied;
        }
    }
    SetLastError(file.document ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND);
    (void)CopyValue(WithoutTrailingSpaces(defaultValue ? defaultValue : u""), returnedString, size,
                    &copied);
    return copied;
}

UINT WINAPI GetPrivateProfileIntW(LPCWSTR appName, LPCWSTR keyName, INT defaultValue,
                                  LPCWSTR fileName) {
    if (!appName || !keyName)
        return static_cast<UINT>(defaultValue);
    const ProfileFile file = OpenProfile(fileName);
    const auto value = file.document
                           ? file.document->FindValue(TrimSpaces(appName), TrimSpaces(keyName))
                           : std::nullopt;
    if (!value)
        return static_cast<UINT>(defaultValue);
    std::u16string_view text = *value;
    const bool negative = !text.empty() && text.front() == u'-';
    if (!text.empty() && (text.front() == u'-' || text.front() == u'+'))
        text.remove_prefix(1);
    UINT number = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9')
            break;
        number = number * 10u + static_cast<UINT>(c - u'0'); // wraps modulo 2^32
    }
    return negative ? 0u - number : number;
}

DWORD WINAPI GetPrivateProfileSectionW(LPCWSTR appName, LPWSTR returnedString, DWORD size,
                                       LPCWSTR fileName) {
    if (!returnedString || size == 0)
        return 0;
    if (!appName) {
        returnedString[0] = u'\0';
        return 0;
    }
    const ProfileFile file = OpenProfile(fileName);
    return CopyList(file.document ? file.document->SectionLines(TrimSpaces(appName))
                                  : std::vector<std::u16string_view>{},
                    returnedString, size, file.document ? FileState::Present : FileState::Missing);
}

DWORD WINAPI GetPrivateProfileSectionNamesW(LPWSTR returnedBuffer, DWORD size, LPCWSTR fileName) {
    return GetPrivateProfileStringW(nullptr, nullptr, nullptr, returnedBuffer, size, fileName);
}

BOOL WINAPI WritePrivateProfileStringW(LPCWSTR appName, LPCWSTR keyName, LPCWSTR string,
                                       LPCWSTR fileName) {
    if (!appName) {
        if (!keyName && !string) {
            // Flushing: later reads go to the disk again.
            ProfileCache::Instance().Clear();
            return TRUE;
        }
        SetLastError(ERROR_FILE_NOT_FOUND);
        return FALSE;
    }
    const std::u16string section(TrimSpaces(appName));
    if (!keyName) {
        return ApplyEdit(fileName, EditKind::Deletion,
                         [&](const ProfileDocument& document) -> std::optional<std::u16string> {
                             if (!document.HasSection(section))
                                 return std::nullopt;
                             return document.WithoutSection(section);
                         });
    }
    const std::u16string key(TrimSpaces(keyName));
    if (!string) {
        return ApplyEdit(fileName, EditKind::Deletion,
                         [&](const ProfileDocument& document) -> std::optional<std::u16string> {
                             if (!document.FindValue(section, key))
                                 return std::nullopt;
                             return document.WithoutKey(section, key);
                         });
    }
    const std::u16string_view value(string);
    return ApplyEdit(fileName, EditKind::Change, [&](const ProfileDocument& document) {
        return std::optional(document.WithValue(section, key, value));
    });
}

BOOL WINAPI WritePrivateProfileSectionW(LPCWSTR appName, LPCWSTR string, LPCWSTR fileName) {
    if (!appName) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (!string)
        return WritePrivateProfileStringW(appName, nullptr, nullptr, fileName);
    std::vector<std::u16string> lines;
    for (const WCHAR* line = string; *line; line += lines.back().size() + 1)
        lines.emplace_back(line);
    const std::u16string section(TrimSpaces(appName));
    return ApplyEdit(fileName, EditKind::Change, [&](const ProfileDocument& document) {
        return std::optional(document.WithSectionLines(section, lines));
    });
}

} // extern "C"
