// The current prefix's hives, cached by file path, and the predefined keys.
#include "platform/registry/registry_hives.h"

#include "platform/base/text.h"
#include "platform/files/prefix.h"
#include "platform/registry/registry_api.h"

#include <array>
#include <map>
#include <mutex>
#include <vector>

#include <pthread.h>
#include <sys/stat.h>

namespace kx {
namespace {

struct PredefinedKey {
    uint32_t value;
    std::u16string_view name;
    std::u16string_view shortName;
};

constexpr std::array kPredefinedKeys = {
    PredefinedKey{0x80000000u, u"HKEY_CLASSES_ROOT", u"HKCR"},
    PredefinedKey{0x80000001u, u"HKEY_CURRENT_USER", u"HKCU"},
    PredefinedKey{0x80000002u, u"HKEY_LOCAL_MACHINE", u"HKLM"},
    PredefinedKey{0x80000003u, u"HKEY_USERS", u"HKU"},
    PredefinedKey{0x80000005u, u"HKEY_CURRENT_CONFIG", u"HKCC"},
};

constexpr std::array<const char*, 2> kHiveFiles = {"user.db", "system.db"};
constexpr const char* kHiveFolder = "registry";

class HiveCache {
public:
    HiveCache() {
        pthread_atfork(nullptr, nullptr, [] { m_forked = true; });
    }

    std::shared_ptr<RegistryHive> Get(HiveKind kind, DWORD* error) {
        std::lock_guard lock(m_mutex);
        if (m_forked)
            AbandonInheritedHives();
        const std::string& root = Prefix::Current().Root();
        if (root != m_root) {
            // Hives of an earlier prefix stay open only while keys use them.
            m_root = root;
            m_folder.clear();
            for (auto it = m_hives.begin(); it != m_hives.end();)
                it = it->second.hive.use_count() == 1 ? m_hives.erase(it) : std::next(it);
        }
        const std::string path = Folder() + "/" + kHiveFiles[static_cast<size_t>(kind)];
        auto& slot = m_hives[path];
        if (slot.hive && !slot.IsStill(path)) {
            // The file was removed or replaced (the prefix was made anew):
            // writing on through the old connection would lose every change.
            slot = {};
            m_folder.clear();
            (void)Folder(); // makes the folder again if it went too
        }
        *error = ERROR_SUCCESS;
        if (!slot.hive && m_readOnly)
            return OpenForReading(path, error);
        if (!slot.hive) {
            slot.hive = RegistryHive::Open(path, error);
            slot.Remember(path);
        }
        if (!slot.hive) {
            // A bad hive is tried again on the next call, never replaced.
            m_hives.erase(path);
            return nullptr;
        }
        return slot.hive;
    }

    void OpenForReadingOnly() {
        std::lock_guard lock(m_mutex);
        m_readOnly = true;
    }

    void OpenForWriting() {
        std::lock_guard lock(m_mutex);
        if (!m_readOnly)
            return;
        m_readOnly = false;
        m_hives.clear();
    }

    std::string Path(HiveKind kind) {
        return Prefix::Current().DataFolder(kHiveFolder) + "/" +
               kHiveFiles[static_cast<size_t>(kind)];
    }

private:
    struct OpenHive {
        std::shared_ptr<RegistryHive> hive;
        dev_t device = 0;
        ino_t inode = 0;

        bool missing = false;

        void Remember(const std::string& path) {
            struct stat info;
            missing = stat(path.c_str(), &info) != 0;
            if (!missing) {
                device = info.st_dev;
                inode = info.st_ino;
            }
        }
        // A hive read as empty stays so until its file appears.
        bool IsStill(const std::string& path) const {
            struct stat info;
            if (stat(path.c_str(), &info) != 0)
                return missing;
            return !missing && info.st_dev == device && info.st_ino == inode;
        }
    };

    // Called with the lock held and the path's slot empty.
    std::shared_ptr<RegistryHive> OpenForReading(const std::string& path, DWORD* error) {
        struct stat info;
        const bool present = stat(path.c_str(), &info) == 0;
        auto hive =
            present ? RegistryHive::Open(path, error, SqliteDatabase::Access::ReadOnly) : nullptr;
        if (!hive && present && *error == ERROR_CANTOPEN) {
            // The log's shared index is gone and only a writer may make it
            // again: reading through a writer's connection beats losing
            // what the log holds.
            hive = RegistryHive::Open(path, error);
            if (hive && !hive->RefuseWrites())
                hive = nullptr;
        }
        if (!present || (!hive && *error == ERROR_FILE_NOT_FOUND)) {
            // Nothing was ever written to this hive: it reads as an empty
            // one, and a write is refused as in any hive opened to read.
            hive = EmptyReadOnlyHive(error);
        }
        if (!hive) {
            m_hives.erase(path);
            return nullptr;
        }
        auto& slot = m_hives[path];
        slot.hive = hive;
        slot.Remember(path);
        return hive;
    }

    static std::shared_ptr<RegistryHive> EmptyReadOnlyHive(DWORD* error) {
        auto hive = RegistryHive::Open(":memory:", error);
        if (hive && !hive->RefuseWrites()) {
            *error = ERROR_CANTWRITE;
            return nullptr;
        }
        return hive;
    }

    const std::string& Folder() {
        if (m_folder.empty())
            m_folder = Prefix::Current().DataFolder(kHiveFolder);
        return m_folder;
    }

    // A connection must not cross a fork: closing the parent's in the child
    // could checkpoint or remove the write-ahead log under the parent. The
    // child leaves them open and unused, and opens its own.
    void AbandonInheritedHives() {
        m_forked = false;
        static auto* abandoned = new std::vector<std::shared_ptr<RegistryHive>>;
        for (auto& [path, open] : m_hives)
            abandoned->push_back(std::move(open.hive));
        m_hives.clear();
    }

    static inline bool m_forked = false;
    bool m_readOnly = false;
    std::mutex m_mutex;
    std::string m_root;
    std::string m_folder;
    std::map<std::string, OpenHive> m_hives;
};

HiveCache& Hives() {
    static HiveCache cache;
    return cache;
}

const std::u16string kClassesPath[] = {u"Software", u"Classes"};

} // namespace

std::string HivePath(HiveKind kind) {
    return Hives().Path(kind);
}

std::shared_ptr<RegistryHive> CurrentHive(HiveKind kind, DWORD* error) {
    return Hives().Get(kind, error);
}

bool HiveFileExists(HiveKind kind) {
    struct stat info;
    const std::string path =
        Prefix::Current().Root() + "/" + kHiveFolder + "/" + kHiveFiles[static_cast<size_t>(kind)];
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

void OpenHivesForReadingOnly() {
    Hives().OpenForReadingOnly();
}

void OpenHivesForWriting() {
    Hives().OpenForWriting();
}

bool IsPredefinedKey(uint32_t handleValue) {
    for (const auto& key : kPredefinedKeys) {
        if (key.value == handleValue)
            return true;
    }
    return false;
}

DWORD ResolvePredefinedKey(uint32_t handleValue, HiveKey* key) {
    DWORD error = ERROR_SUCCESS;
    switch (handleValue) {
    case 0x80000001u:
        key->hive = CurrentHive(HiveKind::CurrentUser, &error);
        key->id = RegistryHive::kRootKey;
        return error;
    case 0x80000002u:
        key->hive = CurrentHive(HiveKind::LocalMachine, &error);
        key->id = RegistryHive::kRootKey;
        return error;
    case 0x80000000u: {
        key->hive = CurrentHive(HiveKind::LocalMachine, &error);
        if (!key->hive)
            return error;
        // Looked up first: creating it takes the write lock on every call.
        error = key->hive->FindKey(RegistryHive::kRootKey, kClassesPath, &key->id);
        if (error != ERROR_FILE_NOT_FOUND)
            return error;
        bool created = false;
        return key->hive->CreateKey(RegistryHive::kRootKey, kClassesPath, &key->id, &created);
    }
    default:
        return ERROR_INVALID_HANDLE;
    }
}

DWORD SplitKeyPath(std::u16string_view path, std::vector<std::u16string>* levels) {
    levels->clear();
    if (path.empty())
        return ERROR_SUCCESS;
    if (path.front() == u'\\')
        return ERROR_BAD_PATHNAME;
    if (path.back() == u'\\')
        path.remove_suffix(1);
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find(u'\\', start);
        if (end == std::u16string_view::npos)
            end = path.size();
        const std::u16string_view level = path.substr(start, end - start);
        if (level.empty())
            return ERROR_BAD_PATHNAME;
        if (level.size() > RegistryHive::kMaxKeyNameLength)
            return ERROR_INVALID_PARAMETER;
        levels->emplace_back(level);
        start = end + 1;
    }
    return ERROR_SUCCESS;
}

uint32_t PredefinedKeyByName(std::u16string_view name) {
    for (const auto& key : kPredefinedKeys) {
        if (EqualsNoCase(name, key.name) || EqualsNoCase(name, key.shortName))
            return key.value;
    }
    return 0;
}

std::u16string_view PredefinedKeyName(uint32_t handleValue) {
    for (const auto& key : kPredefinedKeys) {
        if (key.value == handleValue)
            return key.name;
    }
    return {};
}

} // namespace kx
