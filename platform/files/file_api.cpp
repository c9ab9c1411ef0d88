// The Win32 file calls over the prefix's drives.
#include "platform/files/file_api.h"

#include "platform/base/format.h"
#include "platform/base/text.h"
#include "platform/files/path_mapping.h"
#include "platform/files/prefix.h"
#include "platform/system/system_api.h"

#include <atomic>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace kx {
namespace fs = std::filesystem;

namespace {

class FileObject final : public KernelObject {
public:
    FileObject(int fd, bool writable) : m_fd(fd), m_writable(writable) {}
    ~FileObject() override {
        if (m_fd >= 0)
            close(m_fd);
    }
    FileObject(const FileObject&) = delete;
    FileObject& operator=(const FileObject&) = delete;

    int fd() const { return m_fd; }
    bool writable() const { return m_writable; }

private:
    int m_fd;
    bool m_writable;
};

class FindObject final : public KernelObject {
public:
    std::vector<WIN32_FIND_DATAW> entries;
    size_t next = 0;
};

std::optional<std::string> MapPath(LPCWSTR path, Wildcards wildcards = Wildcards::Refuse) {
    if (path == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return std::nullopt;
    }
    DWORD error = ERROR_SUCCESS;
    auto mapped = ToUnixPath(path, wildcards, &error);
    if (!mapped)
        SetLastError(error);
    return mapped;
}

bool FailWithErrno() {
    SetLastError(ErrorFromErrno(errno));
    return false;
}

// Windows' read-only attribute is the owner's write bit. It is checked here
// because the process may run as root, for whom the bit does not stop writes.
bool IsReadOnly(const struct stat& info) {
    return !S_ISDIR(info.st_mode) && (info.st_mode & S_IWUSR) == 0;
}

DWORD AttributesOf(const struct stat& info) {
    DWORD attributes = S_ISDIR(info.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_ARCHIVE;
    if (IsReadOnly(info))
        attributes |= FILE_ATTRIBUTE_READONLY;
    return attributes;
}

FILETIME FileTimeFrom(const timespec& time) {
    // 100-nanosecond intervals since 1601-01-01.
    const uint64_t ticks = (static_cast<uint64_t>(time.tv_sec) + 11644473600ULL) * 10000000ULL +
                           static_cast<uint64_t>(time.tv_nsec) / 100;
    return FILETIME{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

// Windows wildcard match, ignoring case; "*.*" matches names without a dot too.
bool MatchesPattern(std::u16string_view pattern, std::u16string_view name) {
    if (pattern == u"*.*")
        return true;
    size_t p = 0, n = 0, starP = std::u16string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() &&
            (pattern[p] == u'?' || FoldCase(pattern[p]) == FoldCase(name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == u'*') {
            starP = p++;
            starN = n;
        } else if (starP != std::u16string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

WIN32_FIND_DATAW FindDataFor(const std::string& path, const std::string& name) {
    WIN32_FIND_DATAW data{};
    struct stat info;
    // An entry that is a link reports itself as a reparse point, with the
    // attributes of what it leads to, as the system's symbolic links do.
    struct stat own;
    const bool link = lstat(path.c_str(), &own) == 0 && S_ISLNK(own.st_mode);
    if (link) {
        data.dwFileAttributes = FILE_ATTRIBUTE_REPARSE_POINT;
        data.dwReserved0 = IO_REPARSE_TAG_SYMLINK;
    }
    if (stat(path.c_str(), &info) == 0) {
        data.dwFileAttributes |= AttributesOf(info);
        data.ftCreationTime = FileTimeFrom(info.st_ctim);
        data.ftLastAccessTime = FileTimeFrom(info.st_atim);
        data.ftLastWriteTime = FileTimeFrom(info.st_mtim);
        const auto size = static_cast<uint64_t>(info.st_size);
        data.nFileSizeHigh = static_cast<DWORD>(size >> 32);
        data.nFileSizeLow = static_cast<DWORD>(size);
    }
    CopyText(data.cFileName, MAX_PATH, Utf8ToUtf16(name));
    return data;
}

bool IsRootFolder(const std::string& folder) {
    for (char16_t letter = u'a'; letter <= u'z'; ++letter) {
        if (folder == Prefix::Current().DriveFolder(letter))
            return true;
    }
    return false;
}

int OpenFlags(DWORD access, DWORD disposition) {
    int flags = O_CLOEXEC;
    const bool reading = (access & GENERIC_READ) != 0;
    const bool writing = (access & GENERIC_WRITE) != 0;
    flags |= (reading && writing) ? O_RDWR : writing ? O_WRONLY : O_RDONLY;
    switch (disposition) {
    case CREATE_NEW:
        flags |= O_CREAT | O_EXCL;
        break;
    case CREATE_ALWAYS:
        flags |= O_CREAT | O_TRUNC;
        break;
    case OPEN_ALWAYS:
        flags |= O_CREAT;
        break;
    case TRUNCATE_EXISTING:
        flags |= O_TRUNC;
        break;
    default:
        break;
    }
    return flags;
}

} // namespace

DWORD ErrorFromErrno(int errnoValue) {
    switch (errnoValue) {
    case 0:
        return ERROR_SUCCESS;
    case ENOENT:
        return ERROR_FILE_NOT_FOUND;
    case ENOTDIR:
        return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
        return ERROR_ACCESS_DENIED;
    case EEXIST:
        return ERROR_FILE_EXISTS;
    case ENOTEMPTY:
        return ERROR_DIR_NOT_EMPTY;
    case ENOSPC:
        return ERROR_DISK_FULL;
    case ENAMETOOLONG:
        return ERROR_FILENAME_EXCED_RANGE;
    case EMFILE:
    case ENFILE:
        return ERROR_TOO_MANY_OPEN_FILES;
    case ENOMEM:
        return ERROR_NOT_ENOUGH_MEMORY;
    case EBADF:
        return ERROR_INVALID_HANDLE;
    default:
        return ERROR_INVALID_FUNCTION;
    }
}

DWORD ReturnTextToBuffer(std::u16string_view text, LPWSTR buffer, DWORD bufferLength) {
    const auto needed = static_cast<DWORD>(text.size() + 1);
    if (buffer == nullptr || bufferLength < needed)
        return needed;
    CopyText(buffer, bufferLength, text);
    return needed - 1;
}

} // namespace kx

using namespace kx;

extern "C" {

HANDLE WINAPI CreateFileW(LPCWSTR fileName, DWORD desiredAccess, DWORD, LPSECURITY_ATTRIBUTES,
                          DWORD creationDisposition, DWORD flagsAndAttributes, HANDLE) {
    if (creationDisposition < CREATE_NEW || creationDisposition > TRUNCATE_EXISTING) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    const auto path = MapPath(fileName);
    if (!path)
        return INVALID_HANDLE_VALUE;
    struct stat info;
    const bool existed = stat(path->c_str(), &info) == 0;
    const bool writing = (desiredAccess & GENERIC_WRITE) != 0 ||
                         creationDisposition == CREATE_ALWAYS ||
                         creationDisposition == TRUNCATE_EXISTING;
    if (existed && writing && IsReadOnly(info) && *path != "/dev/null") {
        SetLastError(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    if (existed && S_ISDIR(info.st_mode)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    const mode_t mode = (flagsAndAttributes & FILE_ATTRIBUTE_READONLY) ? 0444 : 0644;
    const int fd = open(path->c_str(), OpenFlags(desiredAccess, creationDisposition), mode);
    if (fd < 0) {
        const int saved = errno;
        const DWORD error = ErrorFromErrno(saved);
        SetLastError(error == ERROR_FILE_NOT_FOUND && !fs::exists(fs::path(*path).parent_path())
                         ? ERROR_PATH_NOT_FOUND
                         : error);
        return INVALID_HANDLE_VALUE;
    }
    HANDLE handle =
        AddKernelObject(std::make_shared<FileObject>(fd, (desiredAccess & GENERIC_WRITE) != 0));
    const bool reportsExisting =
        creationDisposition == CREATE_ALWAYS || creationDisposition == OPEN_ALWAYS;
    SetLastError(existed && reportsExisting ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
    return handle;
}

BOOL WINAPI ReadFile(HANDLE file, LPVOID buffer, DWORD toRead, LPDWORD read, LPOVERLAPPED) {
    if (read != nullptr)
        *read = 0;
    const auto object = FindKernelObject<FileObject>(file);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (buffer == nullptr && toRead > 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    size_t total = 0;
    while (total < toRead) {
        const ssize_t n = ::read(object->fd(), static_cast<char*>(buffer) + total, toRead - total);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return FailWithErrno();
        if (n == 0)
            break;
        total += static_cast<size_t>(n);
    }
    if (read != nullptr)
        *read = static_cast<DWORD>(total);
    return TRUE;
}

BOOL WINAPI WriteFile(HANDLE file, LPCVOID buffer, DWORD toWrite, LPDWORD written, LPOVERLAPPED) {
    if (written != nullptr)
        *written = 0;
    const auto object = FindKernelObject<FileObject>(file);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (!object->writable()) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (buffer == nullptr && toWrite > 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    size_t total = 0;
    while (total < toWrite) {
        const ssize_t n =
            ::write(object->fd(), static_cast<const char*>(buffer) + total, toWrite - total);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return FailWithErrno();
        total += static_cast<size_t>(n);
    }
    if (written != nullptr)
        *written = static_cast<DWORD>(total);
    return TRUE;
}

BOOL WINAPI FlushFileBuffers(HANDLE file) {
    const auto object = FindKernelObject<FileObject>(file);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return fsync(object->fd()) == 0 || errno == EINVAL ? TRUE : FailWithErrno();
}

DWORD WINAPI SetFilePointer(HANDLE file, LONG distance, LONG* distanceHigh, DWORD method) {
    const auto object = FindKernelObject<FileObject>(file);
    if (!object || method > FILE_END) {
        SetLastError(object ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
        return INVALID_SET_FILE_POINTER;
    }
    int64_t offset = distance;
    if (distanceHigh != nullptr)
        offset = static_cast<int64_t>(
            (static_cast<uint64_t>(static_cast<uint32_t>(*distanceHigh)) << 32) |
            static_cast<uint32_t>(distance));
    const int whence = method == FILE_BEGIN     ? SEEK_SET
                       : method == FILE_CURRENT ? SEEK_CUR
                                                : SEEK_END;
    const off_t position = lseek(object->fd(), offset, whence);
    if (position < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_SET_FILE_POINTER;
    }
    if (distanceHigh != nullptr)
        *distanceHigh = static_cast<LONG>(static_cast<uint64_t>(position) >> 32);
    SetLastError(ERROR_SUCCESS);
    return static_cast<DWORD>(position);
}

DWORD WINAPI GetFileSize(HANDLE file, LPDWORD sizeHigh) {
    const auto object = FindKernelObject<FileObject>(file);
    struct stat info;
    if (!object || fstat(object->fd(), &info) != 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return INVALID_FILE_SIZE;
    }
    const auto size = static_cast<uint64_t>(info.st_size);
    if (sizeHigh != nullptr)
        *sizeHigh = static_cast<DWORD>(size >> 32);
    SetLastError(ERROR_SUCCESS);
    return static_cast<DWORD>(size);
}

BOOL WINAPI SetEndOfFile(HANDLE file) {
    const auto object = FindKernelObject<FileObject>(file);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    const off_t position = lseek(object->fd(), 0, SEEK_CUR);
    return position >= 0 && ftruncate(object->fd(), position) == 0 ? TRUE : FailWithErrno();
}

BOOL WINAPI DeleteFileW(LPCWSTR fileName) {
    const auto path = MapPath(fileName);
    if (!path)
        return FALSE;
    struct stat info;
    if (lstat(path->c_str(), &info) != 0)
        return FailWithErrno();
    if (S_ISDIR(info.st_mode) || IsReadOnly(info)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    return unlink(path->c_str()) == 0 ? TRUE : FailWithErrno();
}

BOOL WINAPI CopyFileW(LPCWSTR existing, LPCWSTR target, BOOL failIfExists) {
    const auto from = MapPath(existing);
    const auto to = from ? MapPath(target) : std::nullopt;
    if (!from || !to)
        return FALSE;
    struct stat info;
    if (stat(to->c_str(), &info) == 0) {
        if (failIfExists || IsReadOnly(info)) {
            SetLastError(failIfExists ? ERROR_FILE_EXISTS : ERROR_ACCESS_DENIED);
            return FALSE;
        }
    }
    std::error_code error;
    fs::copy_file(*from, *to, fs::copy_options::overwrite_existing, error);
    if (error) {
        SetLastError(ErrorFromErrno(error.value()));
        return FALSE;
    }
    return TRUE;
}

BOOL WINAPI MoveFileExW(LPCWSTR existing, LPCWSTR target, DWORD flags) {
    const auto from = MapPath(existing);
    const auto to = from ? MapPath(target) : std::nullopt;
    if (!from || !to)
        return FALSE;
    struct stat info;
    if (lstat(from->c_str(), &info) != 0)
        return FailWithErrno();
    if (stat(to->c_str(), &info) == 0 && (flags & MOVEFILE_REPLACE_EXISTING) == 0) {
        SetLastError(ERROR_ALREADY_EXISTS);
        return FALSE;
    }
    return rename(from->c_str(), to->c_str()) == 0 ? TRUE : FailWithErrno();
}

BOOL WINAPI MoveFileW(LPCWSTR existing, LPCWSTR target) {
    return MoveFileExW(existing, target, 0);
}

BOOL WINAPI CreateDirectoryW(LPCWSTR pathName, LPSECURITY_ATTRIBUTES) {
    const auto path = MapPath(pathName);
    if (!path)
        return FALSE;
    if (mkdir(path->c_str(), 0755) == 0)
        return TRUE;
    SetLastError(errno == EEXIST   ? ERROR_ALREADY_EXISTS
                 : errno == ENOENT ? ERROR_PATH_NOT_FOUND
                                   : ErrorFromErrno(errno));
    return FALSE;
}

BOOL WINAPI RemoveDirectoryW(LPCWSTR pathName) {
    const auto path = MapPath(pathName);
    if (!path)
        return FALSE;
    if (IsRootFolder(*path)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    return rmdir(path->c_str()) == 0 ? TRUE : FailWithErrno();
}

DWORD WINAPI GetFileAttributesW(LPCWSTR fileName) {
    const auto path = MapPath(fileName);
    if (!path)
        return INVALID_FILE_ATTRIBUTES;
    struct stat info;
    if (stat(path->c_str(), &info) != 0) {
        FailWithErrno();
        return INVALID_FILE_ATTRIBUTES;
    }
    return AttributesOf(info);
}

BOOL WINAPI SetFileAttributesW(LPCWSTR fileName, DWORD attributes) {
    const auto path = MapPath(fileName);
    if (!path)
        return FALSE;
    struct stat info;
    if (stat(path->c_str(), &info) != 0)
        return FailWithErrno();
    if (S_ISDIR(info.st_mode))
        return TRUE;
    mode_t mode = info.st_mode & 07777;
    if (attributes & FILE_ATTRIBUTE_READONLY)
        mode &= static_cast<mode_t>(~(S_IWUSR | S_IWGRP | S_IWOTH));
    else
        mode |= S_IWUSR;
    return chmod(path->c_str(), mode) == 0 ? TRUE : FailWithErrno();
}

HANDLE WINAPI FindFirstFileW(LPCWSTR pattern, LPWIN32_FIND_DATAW data) {
    const auto path = MapPath(pattern, Wildcards::AllowInLastName);
    if (!path || data == nullptr) {
        if (data == nullptr)
            SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    const fs::path full(*path);
    const std::string folder = full.parent_path().string();
    const std::u16string namePattern = Utf8ToUtf16(full.filename().string());
    auto search = std::make_shared<FindObject>();
    if (DIR* dir = opendir(folder.c_str())) {
        const bool root = IsRootFolder(folder);
        while (const dirent* entry = readdir(dir)) {
            const std::string name = entry->d_name;
            if (root && (name == "." || name == ".."))
                continue;
            if (MatchesPattern(namePattern, Utf8ToUtf16(name)))
                search->entries.push_back(FindDataFor(folder + "/" + name, name));
        }
        closedir(dir);
    } else {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    if (search->entries.empty()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    *data = search->entries[0];
    search->next = 1;
    return AddKernelObject(std::move(search));
}

BOOL WINAPI FindNextFileW(HANDLE search, LPWIN32_FIND_DATAW data) {
    const auto object = FindKernelObject<FindObject>(search);
    if (!object || data == nullptr) {
        SetLastError(object ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (object->next >= object->entries.size()) {
        SetLastError(ERROR_NO_MORE_FILES);
        return FALSE;
    }
    *data = object->entries[object->next++];
    return TRUE;
}

BOOL WINAPI FindClose(HANDLE search) {
    if (!FindKernelObject<FindObject>(search)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return CloseHandle(search);
}

DWORD WINAPI GetTempPathW(DWORD bufferLength, LPWSTR buffer) {
    std::u16string folder = u"C:\\users\\" + CurrentUserName() + u"\\Temp";
    if (const auto path = ToUnixPath(folder)) {
        std::error_code error;
        fs::create_directories(*path, error);
    }
    folder.push_back(u'\\');
    return ReturnTextToBuffer(folder, buffer, bufferLength);
}

UINT WINAPI GetTempFileNameW(LPCWSTR pathName, LPCWSTR prefixString, UINT unique,
                             LPWSTR tempFileName) {
    if (pathName == nullptr || tempFileName == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::u16string base = pathName;
    if (base.empty() || (base.back() != u'\\' && base.back() != u'/'))
        base.push_back(u'\\');
    if (prefixString != nullptr)
        base += std::u16string_view(prefixString).substr(0, 3);
    auto nameFor = [&](UINT number) { return base + FormatText(u"%X", {number}) + u".TMP"; };
    if (unique != 0) {
        CopyText(tempFileName, MAX_PATH, nameFor(unique & 0xFFFF));
        return unique & 0xFFFF;
    }
    static std::atomic<UINT> counter{static_cast<UINT>(getpid())};
    for (int attempt = 0; attempt < 0x10000; ++attempt) {
        const UINT number = counter.fetch_add(1) & 0xFFFF;
        if (number == 0)
            continue;
        const std::u16string name = nameFor(number);
        HANDLE file = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            CopyText(tempFileName, MAX_PATH, name);
            return number;
        }
        if (GetLastError() != ERROR_FILE_EXISTS)
            return 0;
    }
    SetLastError(ERROR_FILE_EXISTS);
    return 0;
}

DWORD WINAPI GetFullPathNameW(LPCWSTR fileName, DWORD bufferLength, LPWSTR buffer,
                              LPWSTR* filePart) {
    DWORD error = ERROR_SUCCESS;
    const auto normalized = fileName
                                ? NormalizeWindowsPath(fileName, Wildcards::AllowInLastName, &error)
                                : std::nullopt;
    if (!normalized) {
        SetLastError(fileName ? error : ERROR_INVALID_PARAMETER);
        return 0;
    }
    const DWORD result = ReturnTextToBuffer(*normalized, buffer, bufferLength);
    if (filePart != nullptr) {
        *filePart = nullptr;
        if (result < bufferLength && buffer != nullptr) {
            const size_t slash = normalized->rfind(u'\\');
            if (slash != std::u16string::npos && slash + 1 < normalized->size())
                *filePart = buffer + slash + 1;
        }
    }
    return result;
}

DWORD WINAPI GetCurrentDirectoryW(DWORD bufferLength, LPWSTR buffer) {
    return ReturnTextToBuffer(CurrentWindowsDirectory(), buffer, bufferLength);
}

BOOL WINAPI SetCurrentDirectoryW(LPCWSTR pathName) {
    DWORD error = ERROR_SUCCESS;
    const auto normalized =
        pathName ? NormalizeWindowsPath(pathName, Wildcards::Refuse, &error) : std::nullopt;
    const auto path =
        normalized ? ToUnixPath(*normalized, Wildcards::Refuse, &error) : std::nullopt;
    struct stat info;
    if (!path || stat(path->c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        SetLastError(path ? ERROR_PATH_NOT_FOUND : error);
        return FALSE;
    }
    SetCurrentWindowsDirectoryPath(*normalized);
    return TRUE;
}

UINT WINAPI GetWindowsDirectoryW(LPWSTR buffer, UINT size) {
    return ReturnTextToBuffer(u"C:\\windows", buffer, size);
}

UINT WINAPI GetSystemDirectoryW(LPWSTR buffer, UINT size) {
    return ReturnTextToBuffer(u"C:\\windows\\system32", buffer, size);
}

UINT WINAPI GetDriveTypeW(LPCWSTR rootPathName) {
    const std::u16string root =
        rootPathName ? std::u16string(rootPathName) : CurrentWindowsDirectory();
    if (root.size() < 2 || root[1] != u':')
        return DRIVE_NO_ROOT_DIR;
    const std::u16string_view rest = std::u16string_view(root).substr(2);
    if (!(rest.empty() || rest == u"\\" || rest == u"/"))
        return DRIVE_NO_ROOT_DIR;
    return Prefix::Current().IsDriveMapped(root[0]) ? DRIVE_FIXED : DRIVE_NO_ROOT_DIR;
}

DWORD WINAPI GetLogicalDrives() {
    DWORD mask = 0;
    for (int i = 0; i < 26; ++i) {
        if (Prefix::Current().IsDriveMapped(static_cast<char16_t>(u'a' + i)))
            mask |= 1u << i;
    }
    return mask;
}

} // extern "C"
