// The schema of a hive database and the statements the hive runs on it.
// keys(id, parent, name, folded) and hive_values(id, key, name, folded,
// type, data); names are UTF-16LE blobs, folded names big-endian case-folded
// blobs so that their byte order is code-unit order.
#pragma once

#include <cstdint>

namespace kx::hive_sql {

// "KXRG": marks a database as a hive, so that another database is refused.
inline constexpr int64_t kApplicationId = 0x4B585247;

inline constexpr const char* kSchema =
    "CREATE TABLE IF NOT EXISTS keys("
    " id INTEGER PRIMARY KEY AUTOINCREMENT, parent INTEGER NOT NULL,"
    " name BLOB NOT NULL, folded BLOB NOT NULL, UNIQUE(parent, folded));"
    "INSERT OR IGNORE INTO keys(id, parent, name, folded) VALUES(1, 0, x'', x'');"
    "CREATE TABLE IF NOT EXISTS hive_values("
    " id INTEGER PRIMARY KEY, key INTEGER NOT NULL, name BLOB NOT NULL,"
    " folded BLOB NOT NULL, type INTEGER NOT NULL, data BLOB NOT NULL, UNIQUE(key, folded));"
    "PRAGMA application_id = 1264079431;";

inline constexpr const char* kFindChild = "SELECT id FROM keys WHERE parent = ?1 AND folded = ?2";
inline constexpr const char* kKeyExists = "SELECT 1 FROM keys WHERE id = ?1";
inline constexpr const char* kInsertKey =
    "INSERT INTO keys(parent, name, folded) VALUES(?1, ?2, ?3)";
inline constexpr const char* kQueryValue =
    "SELECT type, data, name FROM hive_values WHERE key = ?1 AND folded = ?2";
inline constexpr const char* kSetValue =
    "INSERT INTO hive_values(key, name, folded, type, data) VALUES(?1, ?2, ?3, ?4, ?5)"
    " ON CONFLICT(key, folded) DO UPDATE SET type = excluded.type, data = excluded.data";
inline constexpr const char* kDeleteValue =
    "DELETE FROM hive_values WHERE key = ?1 AND folded = ?2";
inline constexpr const char* kHasSubKeys = "SELECT 1 FROM keys WHERE parent = ?1 LIMIT 1";
inline constexpr const char* kDeleteValuesOf = "DELETE FROM hive_values WHERE key = ?1";
inline constexpr const char* kDeleteKey = "DELETE FROM keys WHERE id = ?1";
inline constexpr const char* kSubKeys =
    "SELECT id, name FROM keys WHERE parent = ?1 ORDER BY folded";
inline constexpr const char* kSubKeyAt =
    "SELECT name FROM keys WHERE parent = ?1 ORDER BY folded LIMIT 1 OFFSET ?2";
inline constexpr const char* kValues =
    "SELECT name, type, data FROM hive_values WHERE key = ?1 ORDER BY id";
inline constexpr const char* kValueAt =
    "SELECT name, type, data FROM hive_values WHERE key = ?1 ORDER BY id LIMIT 1 OFFSET ?2";
inline constexpr const char* kSubKeyInfo =
    "SELECT count(*), coalesce(max(length(name)), 0) / 2 FROM keys WHERE parent = ?1";
inline constexpr const char* kValueInfo =
    "SELECT count(*), coalesce(max(length(name)), 0) / 2, coalesce(max(length(data)), 0)"
    " FROM hive_values WHERE key = ?1";
// The levels between a key and the root, bounded so that a damaged file whose
// parents form a loop still ends.
inline constexpr const char* kKeyDepth =
    "WITH RECURSIVE up(id, parent, depth) AS ("
    " SELECT id, parent, 0 FROM keys WHERE id = ?1"
    " UNION ALL SELECT keys.id, keys.parent, up.depth + 1 FROM keys JOIN up"
    " ON keys.id = up.parent WHERE up.depth < 1024)"
    " SELECT max(depth) FROM up";

} // namespace kx::hive_sql
