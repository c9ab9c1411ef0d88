// The parsed-file cache.
#include "platform/profile/profile_cache.h"

#include "platform/base/text.h"
#include "platform/files/path_mapping.h"
#include "platform/files/prefix.h"

#include <atomic>

namespace kx {
namespace {

constexpr size_t kMaxMappedPaths = 256;

std::atomic<uint64_t> g_lastScope{0};
thread_local uint64_t t_scope = 0;
thread_local int t_scopeDepth = 0;

bool HasFolder(std::u16string_view name) {
    return name.find_first_of(u"\\/:") != std::u16string_view::npos;
}

} // namespace

ProfileReadScope::ProfileReadScope() {
    if (t_scopeDepth++ == 0)
        t_scope = ++g_lastScope;
}

ProfileReadScope::~ProfileReadScope() {
    if (--t_scopeDepth == 0)
        t_scope = 0;
}

uint64_t ProfileReadScope::Current() {
    return t_scope;
}

ProfileCache& ProfileCache::Instance() {
    static ProfileCache cache;
    return cache;
}

void ProfileCache::Touch(Entry& entry) {
    m_recent.splice(m_recent.begin(), m_recent, entry.recent);
}

void ProfileCache::Insert(const std::string& path, const FileStamp& stamp,
                          std::shared_ptr<const ProfileDocument> document) {
    auto it = m_files.find(path);
    if (it != m_files.end()) {
        it->second.stamp = stamp;
        it->second.document = std::move(document);
        Touch(it->second);
        return;
    }
    if (m_files.size() >= kMaxFiles) {
        m_files.erase(m_recent.back());
        m_recent.pop_back();
    }
    m_recent.push_front(path);
    m_files.emplace(path, Entry{stamp, std::move(document), m_recent.begin()});
}

std::shared_ptr<const ProfileDocument> ProfileCache::Load(const std::string& path, DWORD* error,
                                                          FileStamp* stamp) {
    const uint64_t scope = ProfileReadScope::Current();
    if (scope != 0) {
        std::lock_guard lock(m_mutex);
        if (auto it = m_files.find(path);
            it != m_files.end() && it->second.checkedInScope == scope) {
            Touch(it->second);
            *error = ERROR_SUCCESS;
            if (stamp)
                *stamp = it->second.stamp;
            return it->second.document;
        }
    }
    FileStamp current;
    *error = StampFile(path, &current);
    std::lock_guard lock(m_mutex);
    if (*error != ERROR_SUCCESS) {
        if (auto it = m_files.find(path); it != m_files.end()) {
            m_recent.erase(it->second.recent);
            m_files.erase(it);
        }
        return nullptr;
    }
    if (auto it = m_files.find(path); it != m_files.end() && it->second.stamp == current) {
        it->second.checkedInScope = scope;
        Touch(it->second);
        if (stamp)
            *stamp = current;
        return it->second.document;
    }
    std::string bytes;
    *error = ReadFileBounded(path, ProfileDocument::kMaxFileBytes, &bytes, &current);
    if (*error != ERROR_SUCCESS)
        return nullptr;
    auto document = ProfileDocument::FromBytes(bytes);
    Insert(path, current, document);
    m_files.find(path)->second.checkedInScope = scope;
    if (stamp)
        *stamp = current;
    return document;
}

void ProfileCache::Remember(const std::string& path, const FileStamp& stamp,
                            std::shared_ptr<const ProfileDocument> document) {
    std::lock_guard lock(m_mutex);
    Insert(path, stamp, std::move(document));
}

void ProfileCache::Forget(const std::string& path) {
    std::lock_guard lock(m_mutex);
    if (auto it = m_files.find(path); it != m_files.end()) {
        m_recent.erase(it->second.recent);
        m_files.erase(it);
    }
}

void ProfileCache::Clear() {
    std::lock_guard lock(m_mutex);
    m_files.clear();
    m_recent.clear();
    m_paths.clear();
}

std::u16string ProfileCache::PathKey(std::u16string_view windowsPath) {
    // A relative name means another file once the current directory moved.
    const bool absolute = windowsPath.size() >= 3 && windowsPath[1] == u':' &&
                          (windowsPath[2] == u'\\' || windowsPath[2] == u'/');
    if (absolute)
        return std::u16string(windowsPath);
    return CurrentWindowsDirectory() + u'\n' + std::u16string(windowsPath);
}

std::optional<std::string> ProfileCache::MapPath(std::u16string_view windowsPath, DWORD* error,
                                                 bool* cached) {
    const std::u16string key = PathKey(windowsPath);
    {
        std::lock_guard lock(m_mutex);
        // The same Windows name is another file in another prefix.
        if (Prefix::Current().Root() != m_pathsRoot) {
            m_paths.clear();
            m_pathsRoot = Prefix::Current().Root();
        }
        if (auto it = m_paths.find(key); it != m_paths.end()) {
            *cached = true;
            *error = ERROR_SUCCESS;
            return it->second;
        }
    }
    *cached = false;
    std::u16string full(windowsPath);
    if (!HasFolder(windowsPath))
        full = u"C:\\windows\\" + full;
    auto path = ToUnixPath(full, Wildcards::Refuse, error);
    if (!path)
        return std::nullopt;
    std::lock_guard lock(m_mutex);
    if (m_paths.size() >= kMaxMappedPaths)
        m_paths.clear();
    m_paths.emplace(key, *path);
    return path;
}

void ProfileCache::ForgetPath(std::u16string_view windowsPath) {
    const std::u16string key = PathKey(windowsPath);
    std::lock_guard lock(m_mutex);
    m_paths.erase(key);
}

} // namespace kx
