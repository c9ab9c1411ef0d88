// Owners for an SQLite connection and its prepared statements, with the
// translation of SQLite's result codes into Win32 registry errors.
#pragma once

#include "platform/base/win_types.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace kx {

/// The Win32 error for an SQLite result code: ERROR_BADDB for a file that is
/// not a database, ERROR_REGISTRY_CORRUPT for a damaged one.
DWORD RegistryErrorFromSqlite(int code);

class SqliteStatement {
public:
    SqliteStatement() = default;
    explicit SqliteStatement(sqlite3_stmt* statement) : m_statement(statement) {}

    bool IsValid() const { return m_statement != nullptr; }

    void BindInt(int index, int64_t value);
    void BindBlob(int index, std::span<const uint8_t> bytes);
    /// UTF-16 text stored as little-endian bytes, lone surrogates and all.
    void BindText16(int index, std::u16string_view text);

    /// SQLITE_ROW, SQLITE_DONE or an error code.
    int Step();
    /// Resets for the next use and clears the bindings.
    void Reset();

    int64_t ColumnInt(int column) const;
    std::span<const uint8_t> ColumnBlob(int column) const;
    std::u16string ColumnText16(int column) const;

private:
    struct Finalizer {
        void operator()(sqlite3_stmt* statement) const;
    };
    std::unique_ptr<sqlite3_stmt, Finalizer> m_statement;
};

class SqliteDatabase {
public:
    enum class Access { ReadWrite, ReadOnly };

    /// Opens (creating when absent) the database file; `*code` receives the
    /// SQLite result when it fails. ReadOnly neither creates the file nor
    /// writes any file of it, the write-ahead log's shared index included.
    static std::unique_ptr<SqliteDatabase> Open(const std::string& path, int* code,
                                                Access access = Access::ReadWrite);

    /// Runs statements that return no rows; returns the SQLite result.
    int Execute(const char* sql);
    /// A prepared statement, cached for the connection's life; the caller
    /// resets it when done (SqliteQuery does).
    SqliteStatement* Prepare(const char* sql, int* code);
    int64_t LastInsertRowId() const;
    int Changes() const;

    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

private:
    explicit SqliteDatabase(sqlite3* connection);
    struct Cache;
    sqlite3* m_connection;
    std::unique_ptr<Cache> m_cache;
};

/// One use of a cached statement: prepared, its parameters bound in order
/// (numbers, UTF-16 texts, blobs), and reset when the query ends so it
/// never stays busy. A query that could not be prepared is false and tells
/// the registry error of it.
class SqliteQuery {
public:
    template <typename... Parameters>
    SqliteQuery(SqliteDatabase& database, const char* sql, const Parameters&... parameters)
        : m_statement(database.Prepare(sql, &m_code)) {
        int index = 0;
        if (m_statement)
            (Bind(++index, parameters), ...);
    }
    ~SqliteQuery() {
        if (m_statement)
            m_statement->Reset();
    }
    SqliteQuery(const SqliteQuery&) = delete;
    SqliteQuery& operator=(const SqliteQuery&) = delete;

    explicit operator bool() const { return m_statement != nullptr; }
    /// The registry error of preparing; meaningful only for a false query.
    DWORD Error() const { return RegistryErrorFromSqlite(m_code); }
    /// SQLITE_ROW, SQLITE_DONE or an error code.
    int Step() { return m_statement->Step(); }
    /// The row the last step stopped at.
    const SqliteStatement& Row() const { return *m_statement; }

private:
    void Bind(int index, int64_t value) { m_statement->BindInt(index, value); }
    void Bind(int index, std::u16string_view text) { m_statement->BindText16(index, text); }
    void Bind(int index, std::span<const uint8_t> bytes) { m_statement->BindBlob(index, bytes); }

    int m_code = 0;
    SqliteStatement* m_statement;
};

} // namespace kx
