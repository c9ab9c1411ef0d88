// SQLite connection and statement owners.
#include "platform/registry/sqlite_database.h"

#include "platform/base/byte_access.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <unordered_map>
#include <vector>

namespace kx {

DWORD RegistryErrorFromSqlite(int code) {
    switch (code & 0xFF) {
    case SQLITE_OK:
    case SQLITE_DONE:
    case SQLITE_ROW:
        return ERROR_SUCCESS;
    case SQLITE_NOTADB:
        return ERROR_BADDB;
    case SQLITE_CORRUPT:
    case SQLITE_FORMAT:
        return ERROR_REGISTRY_CORRUPT;
    case SQLITE_NOMEM:
        return ERROR_NOT_ENOUGH_MEMORY;
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
        return ERROR_CANTOPEN;
    case SQLITE_READONLY:
    case SQLITE_FULL:
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return ERROR_CANTWRITE;
    default:
        return ERROR_CANTREAD;
    }
}

void SqliteStatement::Finalizer::operator()(sqlite3_stmt* statement) const {
    sqlite3_finalize(statement);
}

void SqliteStatement::BindInt(int index, int64_t value) {
    sqlite3_bind_int64(m_statement.get(), index, value);
}

void SqliteStatement::BindBlob(int index, std::span<const uint8_t> bytes) {
    // A zero-length blob must still be a blob, not NULL.
    static const uint8_t kEmpty = 0;
    sqlite3_bind_blob(m_statement.get(), index, bytes.empty() ? &kEmpty : bytes.data(),
                      static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
}

void SqliteStatement::BindText16(int index, std::u16string_view text) {
    std::vector<uint8_t> bytes(text.size() * 2);
    for (size_t i = 0; i < text.size(); ++i) {
        bytes[2 * i] = static_cast<uint8_t>(text[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<uint8_t>(text[i] >> 8);
    }
    BindBlob(index, bytes);
}

int SqliteStatement::Step() {
    return sqlite3_step(m_statement.get());
}

void SqliteStatement::Reset() {
    sqlite3_reset(m_statement.get());
    sqlite3_clear_bindings(m_statement.get());
}

int64_t SqliteStatement::ColumnInt(int column) const {
    return sqlite3_column_int64(m_statement.get(), column);
}

std::span<const uint8_t> SqliteStatement::ColumnBlob(int column) const {
    const void* data = sqlite3_column_blob(m_statement.get(), column);
    const int size = sqlite3_column_bytes(m_statement.get(), column);
    if (!data || size <= 0)
        return {};
    return {static_cast<const uint8_t*>(data), static_cast<size_t>(size)};
}

std::u16string SqliteStatement::ColumnText16(int column) const {
    return Utf16FromBytes(ColumnBlob(column));
}

struct SqliteDatabase::Cache {
    std::unordered_map<const char*, std::unique_ptr<SqliteStatement>> statements;
};

namespace {

// A file URI that opens the database for reading without writing any file
// of it. While the write-ahead log holds pages, its shared index is mapped
// read-only (a reader alone on the file reads the log into its own memory);
// with no log, every page is in the database file itself and is read as it
// is, without locks: a writer that comes meanwhile writes to the log, and
// only its checkpoint (after a thousand pages, or at its end) writes the file.
std::string ReadOnlyUri(const std::string& path) {
    std::string uri = "file:";
    for (const char c : path) {
        if (c == '%' || c == '?' || c == '#') {
            constexpr char kDigits[] = "0123456789ABCDEF";
            uri += '%';
            uri += kDigits[static_cast<unsigned char>(c) >> 4];
            uri += kDigits[static_cast<unsigned char>(c) & 0xF];
        } else {
            uri += c;
        }
    }
    struct stat log;
    const bool logHoldsPages = stat((path + "-wal").c_str(), &log) == 0 && log.st_size > 0;
    return uri + (logHoldsPages ? "?mode=ro&readonly_shm=1" : "?mode=ro&immutable=1");
}

} // namespace

std::unique_ptr<SqliteDatabase> SqliteDatabase::Open(const std::string& path, int* code,
                                                     Access access) {
    sqlite3* connection = nullptr;
    *code = access == Access::ReadOnly
                ? sqlite3_open_v2(ReadOnlyUri(path).c_str(), &connection,
                                  SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_FULLMUTEX,
                                  nullptr)
                : sqlite3_open_v2(
                      path.c_str(), &connection,
                      SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX, nullptr);
    if (*code != SQLITE_OK) {
        sqlite3_close_v2(connection);
        return nullptr;
    }
    sqlite3_extended_result_codes(connection, 0);
    return std::unique_ptr<SqliteDatabase>(new SqliteDatabase(connection));
}

SqliteDatabase::SqliteDatabase(sqlite3* connection)
    : m_connection(connection), m_cache(std::make_unique<Cache>()) {}

SqliteDatabase::~SqliteDatabase() {
    m_cache.reset(); // statements first: the connection closes only when they are gone
    sqlite3_close_v2(m_connection);
}

int SqliteDatabase::Execute(const char* sql) {
    return sqlite3_exec(m_connection, sql, nullptr, nullptr, nullptr);
}

SqliteStatement* SqliteDatabase::Prepare(const char* sql, int* code) {
    auto& slot = m_cache->statements[sql];
    if (slot) {
        *code = SQLITE_OK;
        return slot.get();
    }
    sqlite3_stmt* statement = nullptr;
    *code =
        sqlite3_prepare_v3(m_connection, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr);
    if (*code != SQLITE_OK) {
        sqlite3_finalize(statement);
        m_cache->statements.erase(sql);
        return nullptr;
    }
    slot = std::make_unique<SqliteStatement>(statement);
    return slot.get();
}

int64_t SqliteDatabase::LastInsertRowId() const {
    return sqlite3_last_insert_rowid(m_connection);
}

int SqliteDatabase::Changes() const {
    return sqlite3_changes(m_connection);
}

} // namespace kx
