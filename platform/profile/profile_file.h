// Profile files on disk: what identifies a version of a file, bounded
// reading, and replacing a file atomically.
#pragma once

#include "platform/base/win_types.h"

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace kx {

/// Changes whenever the file is replaced (new inode) or rewritten (size,
/// modification or change time in nanoseconds).
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    int64_t size = 0;
    int64_t modifiedNs = 0;
    int64_t changedNs = 0;
    mode_t mode = 0;
    bool operator==(const FileStamp& other) const = default;
};

/// The stamp of a file; ERROR_FILE_NOT_FOUND when it does not exist,
/// ERROR_ACCESS_DENIED for a folder.
[[nodiscard]] DWORD StampFile(const std::string& path, FileStamp* stamp);

/// Reads at most `limit` + 1 bytes (so that the caller sees a longer file is
/// longer) and the stamp of what was read.
[[nodiscard]] DWORD ReadFileBounded(const std::string& path, size_t limit, std::string* bytes,
                                    FileStamp* stamp);

/// True when the file has no owner write permission: the read-only attribute.
bool IsReadOnlyFile(const FileStamp& stamp);

/// Writes `bytes` to a temporary file beside `path` and renames it over
/// `path`, so that readers see the old file or the new one, never a part.
/// A new file gets `mode`; an existing one keeps its own. On failure the old
/// file is untouched and no temporary file is left. Temporaries of `path`
/// that a killed writer left are removed: call it under the FolderLock.
[[nodiscard]] DWORD ReplaceFileAtomically(const std::string& path, std::string_view bytes,
                                          mode_t mode);

/// Holds an exclusive lock on the folder of `path` while it lives, so that
/// processes changing files in it do so one after another.
class FolderLock {
public:
    explicit FolderLock(const std::string& path);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    /// ERROR_SUCCESS, or why the folder could not be opened.
    DWORD Error() const { return m_error; }

private:
    int m_descriptor = -1;
    DWORD m_error = ERROR_SUCCESS;
};

} // namespace kx
