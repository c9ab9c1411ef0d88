// Profile files on disk.
#include "platform/profile/profile_file.h"

#include "platform/files/file_api.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kx {
namespace {

FileStamp StampOf(const struct stat& info) {
    FileStamp stamp;
    stamp.device = info.st_dev;
    stamp.inode = info.st_ino;
    stamp.size = info.st_size;
    stamp.modifiedNs = info.st_mtim.tv_sec * 1000000000ll + info.st_mtim.tv_nsec;
    stamp.changedNs = info.st_ctim.tv_sec * 1000000000ll + info.st_ctim.tv_nsec;
    stamp.mode = info.st_mode;
    return stamp;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A missing folder on the way is a missing path, not a missing file.
DWORD ErrorForMissing(int errnoValue) {
    return errnoValue == ENOENT || errnoValue == ENOTDIR ? ERROR_PATH_NOT_FOUND
                                                         : ErrorFromErrno(errnoValue);
}

class Descriptor {
public:
    explicit Descriptor(int descriptor) : m_descriptor(descriptor) {}
    ~Descriptor() {
        if (m_descriptor >= 0)
            close(m_descriptor);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return m_descriptor; }
    /// Closes now, reporting whether the close (the last write-back) worked.
    bool Close() {
        const int descriptor = m_descriptor;
        m_descriptor = -1;
        return close(descriptor) == 0;
    }

private:
    int m_descriptor;
};

bool WriteAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// The temporary names of a file: "." + its name + "." + mkostemp's six
// characters.
constexpr size_t kTemporarySuffix = 6;

std::string TemporaryPrefixOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return "." + (slash == std::string::npos ? path : path.substr(slash + 1)) + ".";
}

// Temporaries of this file left by a writer that was killed: the caller
// holds the folder lock, so no other writer of the file is mid-way.
void RemoveStaleTemporaries(const std::string& folder, const std::string& prefix,
                            const std::string& own) {
    DIR* directory = opendir(folder.c_str());
    if (directory == nullptr)
        return;
    const int folderDescriptor = dirfd(directory);
    while (const dirent* entry = readdir(directory)) {
        const std::string_view name(entry->d_name);
        if (name.size() == prefix.size() + kTemporarySuffix && name.starts_with(prefix) &&
            name != own)
            (void)unlinkat(folderDescriptor, entry->d_name, 0);
    }
    closedir(directory);
}

// A rename is only on disk once its folder is.
void SyncFolder(const std::string& folder) {
    Descriptor descriptor(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (descriptor.Get() >= 0)
        (void)fsync(descriptor.Get());
}

} // namespace

DWORD StampFile(const std::string& path, FileStamp* stamp) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0)
        return errno == ENOENT ? ERROR_FILE_NOT_FOUND : ErrorForMissing(errno);
    if (S_ISDIR(info.st_mode))
        return ERROR_ACCESS_DENIED;
    *stamp = StampOf(info);
    return ERROR_SUCCESS;
}

DWORD ReadFileBounded(const std::string& path, size_t limit, std::string* bytes, FileStamp* stamp) {
    Descriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.Get() < 0)
        return errno == ENOENT ? ERROR_FILE_NOT_FOUND : ErrorForMissing(errno);
    struct stat info;
    if (fstat(file.Get(), &info) != 0)
        return ErrorFromErrno(errno);
    if (S_ISDIR(info.st_mode))
        return ERROR_ACCESS_DENIED;
    *stamp = StampOf(info);
    bytes->clear();
    const size_t wanted = limit + 1;
    bytes->resize(std::min<size_t>(wanted, static_cast<size_t>(info.st_size) + 1));
    size_t filled = 0;
    while (filled < wanted) {
        if (filled == bytes->size())
            bytes->resize(std::min(wanted, bytes->size() * 2 + 4096));
        const ssize_t got = read(file.Get(), bytes->data() + filled, bytes->size() - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return ErrorFromErrno(errno);
        if (got == 0)
            break;
        filled += static_cast<size_t>(got);
    }
    bytes->resize(filled);
    return ERROR_SUCCESS;
}

bool IsReadOnlyFile(const FileStamp& stamp) {
    return (stamp.mode & S_IWUSR) == 0;
}

DWORD ReplaceFileAtomically(const std::string& path, std::string_view bytes, mode_t mode) {
    const std::string folder = FolderOf(path);
    const std::string prefix = TemporaryPrefixOf(path);
    std::string temporary = folder + "/" + prefix + std::string(kTemporarySuffix, 'X');
    Descriptor file(mkostemp(temporary.data(), O_CLOEXEC));
    if (file.Get() < 0)
        return ErrorForMissing(errno);
    RemoveStaleTemporaries(folder, prefix, temporary.substr(folder.size() + 1));
    struct stat existing;
    const mode_t finalMode = stat(path.c_str(), &existing) == 0 ? existing.st_mode & 07777 : mode;
    const bool written = WriteAll(file.Get(), bytes) && fchmod(file.Get(), finalMode) == 0 &&
                         fdatasync(file.Get()) == 0;
    const int writeError = errno;
    if (!file.Close() || !written) {
        const int error = written ? errno : writeError;
        unlink(temporary.c_str());
        return error == EFBIG || error == ENOSPC ? ERROR_DISK_FULL : ErrorFromErrno(error);
    }
    if (rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        unlink(temporary.c_str());
        return ErrorFromErrno(error);
    }
    SyncFolder(folder);
    return ERROR_SUCCESS;
}

FolderLock::FolderLock(const std::string& path) {
    m_descriptor = open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_descriptor < 0) {
        m_error = ErrorForMissing(errno);
        return;
    }
    while (flock(m_descriptor, LOCK_EX) != 0 && errno == EINTR) {
    }
}

FolderLock::~FolderLock() {
    if (m_descriptor >= 0)
        close(m_descriptor); // releases the lock
}

} // namespace kx
