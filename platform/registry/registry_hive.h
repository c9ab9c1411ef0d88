// One hive: a tree of keys with typed values in an SQLite database file.
// Names are compared case-insensitively and kept as written. Every change
// is one transaction; several can be joined into one (an import).
#pragma once

#include "platform/base/win_types.h"
#include "platform/registry/sqlite_database.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kx {

struct RegistryValue {
    std::u16string name;
    DWORD type = 0;
    std::vector<uint8_t> data;
};

struct RegistryKeyInfo {
    DWORD subKeys = 0;
    DWORD maxSubKeyLength = 0;
    DWORD values = 0;
    DWORD maxValueNameLength = 0;
    DWORD maxValueLength = 0;
};

struct RegistrySubKey {
    int64_t id = 0;
    std::u16string name;
};

class RegistryHive {
public:
    using KeyId = int64_t;
    static constexpr KeyId kRootKey = 1;
    /// Longest name of one key level and of a value, in characters.
    static constexpr size_t kMaxKeyNameLength = 255;
    static constexpr size_t kMaxValueNameLength = 16383;
    /// Deepest level a key can be below the root.
    static constexpr size_t kMaxDepth = 512;

    /// Opens or creates the hive file. A file that is not a hive (not a
    /// database, or a database of something else) gives ERROR_BADDB and is
    /// left as it is. ReadOnly opens an existing hive without writing any of
    /// its files; its writes fail with ERROR_CANTWRITE, and a file never
    /// written gives ERROR_FILE_NOT_FOUND.
    static std::shared_ptr<RegistryHive>
    Open(const std::string& path, DWORD* error,
         SqliteDatabase::Access access = SqliteDatabase::Access::ReadWrite);

    const std::string& Path() const { return m_path; }
    /// Makes every later write of this connection fail; false when it cannot.
    [[nodiscard]] bool RefuseWrites();

    /// The key at `names` below `base`: ERROR_FILE_NOT_FOUND when absent.
    [[nodiscard]] DWORD FindKey(KeyId base, std::span<const std::u16string> names, KeyId* key);
    /// Creates every missing key on the way; `*created` tells whether the
    /// last one is new. ERROR_INVALID_PARAMETER past kMaxDepth levels.
    [[nodiscard]] DWORD CreateKey(KeyId base, std::span<const std::u16string> names, KeyId* key,
                                  bool* created);
    /// ERROR_KEY_DELETED when the key no longer exists.
    [[nodiscard]] DWORD CheckKey(KeyId key);

    [[nodiscard]] DWORD QueryValue(KeyId key, std::u16string_view name, RegistryValue* value);
    [[nodiscard]] DWORD SetValue(KeyId key, std::u16string_view name, DWORD type,
                                 std::span<const uint8_t> data);
    [[nodiscard]] DWORD DeleteValue(KeyId key, std::u16string_view name);

    /// Deletes a key and its values; ERROR_ACCESS_DENIED when it has subkeys
    /// or is the hive's root.
    [[nodiscard]] DWORD DeleteKey(KeyId key);
    /// Deletes everything below the key, and the key itself when asked.
    enum class DeleteSelf { No, Yes };
    [[nodiscard]] DWORD DeleteTree(KeyId key, DeleteSelf self);

    [[nodiscard]] DWORD EnumKey(KeyId key, DWORD index, std::u16string* name);
    [[nodiscard]] DWORD EnumValue(KeyId key, DWORD index, RegistryValue* value);
    [[nodiscard]] DWORD QueryInfo(KeyId key, RegistryKeyInfo* info);
    [[nodiscard]] DWORD ListSubKeys(KeyId key, std::vector<RegistrySubKey>* subKeys);
    [[nodiscard]] DWORD ListValues(KeyId key, std::vector<RegistryValue>* values);

    /// Runs `work` as one write transaction: every change it makes through
    /// this hive is kept when it returns ERROR_SUCCESS, none otherwise.
    [[nodiscard]] DWORD RunInTransaction(const std::function<DWORD()>& work);

    /// Begins a write transaction that Commit or Rollback ends (several hives
    /// changed together).
    [[nodiscard]] DWORD Begin();
    [[nodiscard]] DWORD Commit();
    void Rollback();

private:
    RegistryHive(std::string path, std::unique_ptr<SqliteDatabase> database);
    [[nodiscard]] DWORD Initialize(SqliteDatabase::Access access);
    [[nodiscard]] DWORD FindChild(KeyId parent, std::u16string_view name, KeyId* child);
    [[nodiscard]] DWORD Depth(KeyId key, size_t* depth);
    [[nodiscard]] DWORD DeleteBelow(KeyId key);
    template <typename Work>
    [[nodiscard]] DWORD Write(Work&& work);
    /// Runs a one-row statement about a key (parameter 1 the key, then
    /// `rest`) and reads its row; `notFound` when there is none but the key
    /// exists.
    template <typename ReadRow, typename... Rest>
    [[nodiscard]] DWORD RowOfKey(const char* statement, KeyId key, DWORD notFound, ReadRow readRow,
                                 const Rest&... rest);
    /// Runs a statement about a key (parameter 1 the key) and reads each of
    /// its rows; the SQLite error of preparing or stepping, if any.
    template <typename ReadRow>
    [[nodiscard]] DWORD EachRowOfKey(const char* statement, KeyId key, ReadRow readRow);

    std::string m_path;
    std::unique_ptr<SqliteDatabase> m_database;
    bool m_readOnly = false;
    std::recursive_mutex m_mutex;
    int m_depth = 0;
};

/// The key of a name as the hive compares it: case-folded UTF-16, big-endian
/// so that byte order is code-unit order.
std::vector<uint8_t> FoldedNameKey(std::u16string_view name);

} // namespace kx
