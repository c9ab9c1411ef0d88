// A hive in an SQLite database: keys(id, parent, name, folded) and
// hive_values(id, key, name, folded, type, data). Key ids are never reused,
// so a handle to a deleted key cannot reach a newer key.
#include "platform/registry/registry_hive.h"

#include "platform/base/text.h"
#include "platform/registry/hive_statements.h"

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace kx {
namespace {

using namespace hive_sql;

RegistryValue ValueFromRow(const SqliteStatement& row, int nameColumn, int typeColumn,
                           int dataColumn) {
    RegistryValue value;
    value.name = row.ColumnText16(nameColumn);
    value.type = static_cast<DWORD>(row.ColumnInt(typeColumn));
    const auto data = row.ColumnBlob(dataColumn);
    value.data.assign(data.begin(), data.end());
    return value;
}

// Of two processes opening a new hive at once, the one switching it to the
// write-ahead log holds it exclusively for a moment, and SQLite tells the
// other it is busy without waiting; that one waits as for any writer.
int ExecuteWaitingForWal(SqliteDatabase& database, const char* sql) {
    constexpr auto kPatience = std::chrono::seconds(10);
    const auto end = std::chrono::steady_clock::now() + kPatience;
    int code = database.Execute(sql);
    while ((code & 0xFF) == SQLITE_BUSY && std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        code = database.Execute(sql);
    }
    return code;
}

} // namespace

std::vector<uint8_t> FoldedNameKey(std::u16string_view name) {
    std::vector<uint8_t> key(name.size() * 2);
    for (size_t i = 0; i < name.size(); ++i) {
        const char16_t folded = FoldCase(name[i]);
        key[2 * i] = static_cast<uint8_t>(folded >> 8);
        key[2 * i + 1] = static_cast<uint8_t>(folded & 0xFF);
    }
    return key;
}

RegistryHive::RegistryHive(std::string path, std::unique_ptr<SqliteDatabase> database)
    : m_path(std::move(path)), m_database(std::move(database)) {}

std::shared_ptr<RegistryHive> RegistryHive::Open(const std::string& path, DWORD* error,
                                                 SqliteDatabase::Access access) {
    int code = SQLITE_OK;
    auto database = SqliteDatabase::Open(path, &code, access);
    if (!database) {
        *error = RegistryErrorFromSqlite(code);
        return nullptr;
    }
    std::shared_ptr<RegistryHive> hive(new RegistryHive(path, std::move(database)));
    hive->m_readOnly = access == SqliteDatabase::Access::ReadOnly;
    *error = hive->Initialize(access);
    return *error == ERROR_SUCCESS ? hive : nullptr;
}

DWORD RegistryHive::Initialize(SqliteDatabase::Access access) {
    int code = m_database->Execute("PRAGMA busy_timeout = 10000");
    if (code != SQLITE_OK)
        return RegistryErrorFromSqlite(code);
    // Reading the schema is what reveals a file that is not a database.
    int64_t tableCount = 0;
    {
        SqliteQuery tables(*m_database, "SELECT count(*) FROM sqlite_master");
        if (!tables)
            return tables.Error();
        code = tables.Step();
        if (code != SQLITE_ROW)
            return RegistryErrorFromSqlite(code);
        tableCount = tables.Row().ColumnInt(0);
    }
    if (tableCount > 0) {
        SqliteQuery id(*m_database, "PRAGMA application_id");
        if (!id)
            return id.Error();
        if (id.Step() != SQLITE_ROW || id.Row().ColumnInt(0) != kApplicationId)
            return ERROR_BADDB;
    }
    if (access == SqliteDatabase::Access::ReadOnly)
        return tableCount > 0 ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
    // In WAL mode NORMAL may lose the last commits to a power cut; FULL
    // syncs the log at every commit, so a save that was reported stays.
    code =
        ExecuteWaitingForWal(*m_database, "PRAGMA journal_mode = WAL; PRAGMA synchronous = FULL");
    if (code != SQLITE_OK)
        return RegistryErrorFromSqlite(code);
    if (tableCount == 0) {
        // Another process may be creating the same hive: the schema is
        // idempotent and runs under the write lock.
        return RunInTransaction(
            [this] { return RegistryErrorFromSqlite(m_database->Execute(kSchema)); });
    }
    return ERROR_SUCCESS;
}

bool RegistryHive::RefuseWrites() {
    m_readOnly = m_database->Execute("PRAGMA query_only = 1") == SQLITE_OK;
    return m_readOnly;
}

DWORD RegistryHive::Begin() {
    m_mutex.lock();
    if (m_depth++ > 0)
        return ERROR_SUCCESS;
    // A hive that takes no writes still gives its readers one snapshot.
    const int code = m_database->Execute(m_readOnly ? "BEGIN" : "BEGIN IMMEDIATE");
    if (code != SQLITE_OK) {
        --m_depth;
        m_mutex.unlock();
        return RegistryErrorFromSqlite(code);
    }
    return ERROR_SUCCESS;
}

DWORD RegistryHive::Commit() {
    DWORD error = ERROR_SUCCESS;
    if (--m_depth == 0) {
        const int code = m_database->Execute("COMMIT");
        if (code != SQLITE_OK) {
            error = RegistryErrorFromSqlite(code);
            m_database->Execute("ROLLBACK");
        }
    }
    m_mutex.unlock();
    return error;
}

void RegistryHive::Rollback() {
    if (--m_depth == 0)
        m_database->Execute("ROLLBACK");
    m_mutex.unlock();
}

DWORD RegistryHive::RunInTransaction(const std::function<DWORD()>& work) {
    return Write(work);
}

template <typename Work>
DWORD RegistryHive::Write(Work&& work) {
    if (const DWORD error = Begin(); error != ERROR_SUCCESS)
        return error;
    const DWORD error = work();
    if (error != ERROR_SUCCESS) {
        // Inside a joined transaction the outermost caller decides; the
        // work's error is the answer either way.
        if (m_depth == 1)
            Rollback();
        else
            (void)Commit();
        return error;
    }
    return Commit();
}

DWORD RegistryHive::FindChild(KeyId parent, std::u16string_view name, KeyId* child) {
    SqliteQuery find(*m_database, kFindChild, parent, FoldedNameKey(name));
    if (!find)
        return find.Error();
    const int code = find.Step();
    if (code == SQLITE_ROW) {
        *child = find.Row().ColumnInt(0);
        return ERROR_SUCCESS;
    }
    return code == SQLITE_DONE ? ERROR_FILE_NOT_FOUND : RegistryErrorFromSqlite(code);
}

DWORD RegistryHive::Depth(KeyId key, size_t* depth) {
    SqliteQuery walk(*m_database, kKeyDepth, key);
    if (!walk)
        return walk.Error();
    const int code = walk.Step();
    if (code != SQLITE_ROW)
        return RegistryErrorFromSqlite(code);
    *depth = static_cast<size_t>(walk.Row().ColumnInt(0));
    return ERROR_SUCCESS;
}

DWORD RegistryHive::CheckKey(KeyId key) {
    SqliteQuery exists(*m_database, kKeyExists, key);
    if (!exists)
        return exists.Error();
    const int code = exists.Step();
    if (code == SQLITE_ROW)
        return ERROR_SUCCESS;
    return code == SQLITE_DONE ? ERROR_KEY_DELETED : RegistryErrorFromSqlite(code);
}

DWORD RegistryHive::FindKey(KeyId base, std::span<const std::u16string> names, KeyId* key) {
    std::lock_guard lock(m_mutex);
    if (const DWORD error = CheckKey(base); error != ERROR_SUCCESS)
        return error;
    KeyId current = base;
    for (const auto& name : names) {
        if (const DWORD error = FindChild(current, name, &current); error != ERROR_SUCCESS)
            return error;
    }
    *key = current;
    return ERROR_SUCCESS;
}

DWORD RegistryHive::CreateKey(KeyId base, std::span<const std::u16string> names, KeyId* key,
                              bool* created) {
    return Write([&]() -> DWORD {
        if (const DWORD error = CheckKey(base); error != ERROR_SUCCESS)
            return error;
        KeyId current = base;
        *created = false;
        for (size_t level = 0; level < names.size(); ++level) {
            const auto& name = names[level];
            DWORD error = FindChild(current, name, &current);
            if (error == ERROR_SUCCESS)
                continue;
            if (error != ERROR_FILE_NOT_FOUND)
                return error;
            if (!*created) {
                // Bounded depth keeps every walk of the tree (deletion,
                // export) within the stack.
                size_t depth = 0;
                if (error = Depth(current, &depth); error != ERROR_SUCCESS)
                    return error;
                if (depth + names.size() - level > kMaxDepth)
                    return ERROR_INVALID_PARAMETER;
            }
            SqliteQuery insert(*m_database, kInsertKey, current, std::u16string_view(name),
                               FoldedNameKey(name));
            if (!insert)
                return insert.Error();
            if (const int code = insert.Step(); code != SQLITE_DONE)
                return RegistryErrorFromSqlite(code);
            current = m_database->LastInsertRowId();
            *created = true;
        }
        *key = current;
        return ERROR_SUCCESS;
    });
}

DWORD RegistryHive::QueryValue(KeyId key, std::u16string_view name, RegistryValue* value) {
    return RowOfKey(
        kQueryValue, key, ERROR_FILE_NOT_FOUND,
        [&](const SqliteStatement& row) { *value = ValueFromRow(row, 2, 0, 1); },
        FoldedNameKey(name));
}

DWORD RegistryHive::SetValue(KeyId key, std::u16string_view name, DWORD type,
                             std::span<const uint8_t> data) {
    return Write([&]() -> DWORD {
        if (const DWORD error = CheckKey(key); error != ERROR_SUCCESS)
            return error;
        // Writing what is already there changes nothing on disk: a command
        // that only re-states the store must not need a writable disk.
        RegistryValue stored;
        if (QueryValue(key, name, &stored) == ERROR_SUCCESS && stored.name == name &&
            stored.type == type &&
            std::equal(stored.data.begin(), stored.data.end(), data.begin(), data.end()))
            return ERROR_SUCCESS;
        SqliteQuery set(*m_database, kSetValue, key, name, FoldedNameKey(name), int64_t{type},
                        data);
        if (!set)
            return set.Error();
        return RegistryErrorFromSqlite(set.Step());
    });
}

DWORD RegistryHive::DeleteValue(KeyId key, std::u16string_view name) {
    return Write([&]() -> DWORD {
        if (const DWORD error = CheckKey(key); error != ERROR_SUCCESS)
            return error;
        SqliteQuery remove(*m_database, kDeleteValue, key, FoldedNameKey(name));
        if (!remove)
            return remove.Error();
        if (const int code = remove.Step(); code != SQLITE_DONE)
            return RegistryErrorFromSqlite(code);
        return m_database->Changes() > 0 ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
    });
}

DWORD RegistryHive::DeleteKey(KeyId key) {
    return Write([&]() -> DWORD {
        if (key == kRootKey)
            return ERROR_ACCESS_DENIED;
        if (const DWORD error = CheckKey(key); error != ERROR_SUCCESS)
            return error;
        {
            SqliteQuery hasSubKeys(*m_database, kHasSubKeys, key);
            if (!hasSubKeys)
                return hasSubKeys.Error();
            const int code = hasSubKeys.Step();
            if (code == SQLITE_ROW)
                return ERROR_ACCESS_DENIED;
            if (code != SQLITE_DONE)
                return RegistryErrorFromSqlite(code);
        }
        for (const char* sql : {kDeleteValuesOf, kDeleteKey}) {
            SqliteQuery remove(*m_database, sql, key);
            if (!remove)
                return remove.Error();
            if (const int code = remove.Step(); code != SQLITE_DONE)
                return RegistryErrorFromSqlite(code);
        }
        return ERROR_SUCCESS;
    });
}

DWORD RegistryHive::DeleteBelow(KeyId key) {
    std::vector<RegistrySubKey> subKeys;
    if (const DWORD error = ListSubKeys(key, &subKeys); error != ERROR_SUCCESS)
        return error;
    for (const auto& subKey : subKeys) {
        if (DWORD error = DeleteBelow(subKey.id); error != ERROR_SUCCESS)
            return error;
        if (DWORD error = DeleteKey(subKey.id); error != ERROR_SUCCESS)
            return error;
    }
    return ERROR_SUCCESS;
}

DWORD RegistryHive::DeleteTree(KeyId key, DeleteSelf self) {
    return Write([&]() -> DWORD {
        if (const DWORD error = DeleteBelow(key); error != ERROR_SUCCESS)
            return error;
        if (self == DeleteSelf::Yes)
            return DeleteKey(key);
        SqliteQuery remove(*m_database, kDeleteValuesOf, key);
        if (!remove)
            return remove.Error();
        return RegistryErrorFromSqlite(remove.Step());
    });
}

template <typename ReadRow, typename... Rest>
DWORD RegistryHive::RowOfKey(const char* statement, KeyId key, DWORD notFound, ReadRow readRow,
                             const Rest&... rest) {
    std::lock_guard lock(m_mutex);
    {
        SqliteQuery query(*m_database, statement, key, rest...);
        if (!query)
            return query.Error();
        const int code = query.Step();
        if (code == SQLITE_ROW) {
            readRow(query.Row());
            return ERROR_SUCCESS;
        }
        if (code != SQLITE_DONE)
            return RegistryErrorFromSqlite(code);
    }
    // No row: the key itself may have gone meanwhile.
    const DWORD error = CheckKey(key);
    return error == ERROR_SUCCESS ? notFound : error;
}

template <typename ReadRow>
DWORD RegistryHive::EachRowOfKey(const char* statement, KeyId key, ReadRow readRow) {
    std::lock_guard lock(m_mutex);
    SqliteQuery query(*m_database, statement, key);
    if (!query)
        return query.Error();
    int code;
    while ((code = query.Step()) == SQLITE_ROW)
        readRow(query.Row());
    return RegistryErrorFromSqlite(code);
}

DWORD RegistryHive::EnumKey(KeyId key, DWORD index, std::u16string* name) {
    return RowOfKey(
        kSubKeyAt, key, ERROR_NO_MORE_ITEMS,
        [&](const SqliteStatement& row) { *name = row.ColumnText16(0); }, int64_t{index});
}

DWORD RegistryHive::EnumValue(KeyId key, DWORD index, RegistryValue* value) {
    return RowOfKey(
        kValueAt, key, ERROR_NO_MORE_ITEMS,
        [&](const SqliteStatement& row) { *value = ValueFromRow(row, 0, 1, 2); }, int64_t{index});
}

DWORD RegistryHive::QueryInfo(KeyId key, RegistryKeyInfo* info) {
    std::lock_guard lock(m_mutex);
    if (const DWORD error = CheckKey(key); error != ERROR_SUCCESS)
        return error;
    // Both are aggregates: they give exactly one row for an existing key.
    if (const DWORD error = RowOfKey(kSubKeyInfo, key, ERROR_CANTREAD,
                                     [&](const SqliteStatement& row) {
                                         info->subKeys = static_cast<DWORD>(row.ColumnInt(0));
                                         info->maxSubKeyLength =
                                             static_cast<DWORD>(row.ColumnInt(1));
                                     });
        error != ERROR_SUCCESS)
        return error;
    return RowOfKey(kValueInfo, key, ERROR_CANTREAD, [&](const SqliteStatement& row) {
        info->values = static_cast<DWORD>(row.ColumnInt(0));
        info->maxValueNameLength = static_cast<DWORD>(row.ColumnInt(1));
        info->maxValueLength = static_cast<DWORD>(row.ColumnInt(2));
    });
}

DWORD RegistryHive::ListSubKeys(KeyId key, std::vector<RegistrySubKey>* subKeys) {
    return EachRowOfKey(kSubKeys, key, [&](const SqliteStatement& row) {
        subKeys->push_back({row.ColumnInt(0), row.ColumnText16(1)});
    });
}

DWORD RegistryHive::ListValues(KeyId key, std::vector<RegistryValue>* values) {
    return EachRowOfKey(kValues, key, [&](const SqliteStatement& row) {
        values->push_back(ValueFromRow(row, 0, 1, 2));
    });
}

} // namespace kx
