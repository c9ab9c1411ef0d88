// The process's cache of parsed profile files, keyed by Linux path and
// checked against the file's stamp on every use (once a read scope, below),
// and of the Windows paths already mapped to Linux paths.
#pragma once

#include "platform/profile/profile_document.h"
#include "platform/profile/profile_file.h"

#include <cstdint>
#include <list>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

namespace kx {

class ProfileCache {
public:
    /// How many parsed files are kept; the least recently used goes first.
    static constexpr size_t kMaxFiles = 32;

    static ProfileCache& Instance();

    /// The parsed file, read again only when its stamp changed. nullptr with
    /// ERROR_FILE_NOT_FOUND when it does not exist. `stamp` receives the
    /// stamp of the version returned.
    std::shared_ptr<const ProfileDocument> Load(const std::string& path, DWORD* error,
                                                FileStamp* stamp = nullptr);
    /// Records the document just written as the file's content.
    void Remember(const std::string& path, const FileStamp& stamp,
                  std::shared_ptr<const ProfileDocument> document);
    void Forget(const std::string& path);
    void Clear();

    /// The Linux path of a profile file's Windows name; a name without a
    /// folder is in the Windows directory. `cached` tells whether the answer
    /// came from the cache (the caller maps again when the file is missing).
    std::optional<std::string> MapPath(std::u16string_view windowsPath, DWORD* error, bool* cached);
    void ForgetPath(std::u16string_view windowsPath);

private:
    struct Entry {
        FileStamp stamp;
        std::shared_ptr<const ProfileDocument> document;
        std::list<std::string>::iterator recent;
        uint64_t checkedInScope = 0; ///< the read scope that last took its stamp
    };

    void Touch(Entry& entry);
    void Insert(const std::string& path, const FileStamp& stamp,
                std::shared_ptr<const ProfileDocument> document);
    std::u16string PathKey(std::u16string_view windowsPath);

    std::mutex m_mutex;
    std::unordered_map<std::string, Entry> m_files;
    std::list<std::string> m_recent; // most recent first
    std::string m_pathsRoot;         // the prefix the mapped paths belong to
    std::unordered_map<std::u16string, std::string> m_paths;
};

/// While one lives on a thread, a file whose stamp that thread took once is
/// taken as unchanged: a page that reads hundreds of its texts while it is
/// bound checks its string file once rather than once a text. Writes made
/// through the profile calls are seen at once, as they update the cache.
/// Scopes nest; the outermost decides.
class ProfileReadScope {
public:
    ProfileReadScope();
    ~ProfileReadScope();
    ProfileReadScope(const ProfileReadScope&) = delete;
    ProfileReadScope& operator=(const ProfileReadScope&) = delete;

    /// The thread's open scope, 0 when there is none.
    static uint64_t Current();
};

} // namespace kx
