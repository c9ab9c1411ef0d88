// A fresh prefix per test with a known module key name, and raw access to
// the registry values the store writes.
#pragma once

#include "framework/kromaui_app.h"
#include "platform/registry/registry_api.h"
#include "platform/registry/registry_hives.h"
#include "platform/registry/sqlite_database.h"
#include "store/store_layout.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace kxtest {

inline constexpr std::u16string_view kModuleKeyName = u"KXTEST";
/// The answer of a store write that went through.
inline constexpr LONG kStored = ERROR_SUCCESS;

struct RawValue {
    DWORD type = REG_NONE;
    std::vector<BYTE> bytes;
};

/// A value the store wrote under the test module's key, as stored.
inline std::optional<RawValue> StoredValue(std::u16string_view subkey, std::u16string_view name) {
    HKEY key = nullptr;
    const std::u16string path = kx::StoreKeyPath(kModuleKeyName, subkey);
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::nullopt;
    const std::u16string valueName(name);
    RawValue value;
    DWORD size = 0;
    LSTATUS status = RegQueryValueExW(key, valueName.c_str(), nullptr, &value.type, nullptr, &size);
    if (status == ERROR_SUCCESS) {
        value.bytes.resize(size);
        status = RegQueryValueExW(key, valueName.c_str(), nullptr, &value.type, value.bytes.data(),
                                  &size);
    }
    RegCloseKey(key);
    if (status != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

inline bool StoredKeyExists(std::u16string_view subkey) {
    HKEY key = nullptr;
    const std::u16string path = kx::StoreKeyPath(kModuleKeyName, subkey);
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

/// While it lives, the current prefix's user hive refuses every change, as a
/// hive the user may read but not write does: each write fails and changes
/// nothing, reads answer as before.
class UnwritableStore {
public:
    UnwritableStore() {
        DWORD error = ERROR_SUCCESS;
        // The hive must exist with its tables before they can be guarded.
        EXPECT_TRUE(kx::CurrentHive(kx::HiveKind::CurrentUser, &error)) << error;
        Run(kDeny);
    }
    ~UnwritableStore() { Run(kAllow); }
    UnwritableStore(const UnwritableStore&) = delete;
    UnwritableStore& operator=(const UnwritableStore&) = delete;

private:
    static constexpr const char* kDeny =
        "CREATE TRIGGER deny_key_insert BEFORE INSERT ON keys BEGIN SELECT RAISE(ABORT, 'ro'); END;"
        "CREATE TRIGGER deny_key_update BEFORE UPDATE ON keys BEGIN SELECT RAISE(ABORT, 'ro'); END;"
        "CREATE TRIGGER deny_key_delete BEFORE DELETE ON keys BEGIN SELECT RAISE(ABORT, 'ro'); END;"
        "CREATE TRIGGER deny_value_insert BEFORE INSERT ON hive_values "
        "BEGIN SELECT RAISE(ABORT, 'ro'); END;"
        "CREATE TRIGGER deny_value_update BEFORE UPDATE ON hive_values "
        "BEGIN SELECT RAISE(ABORT, 'ro'); END;"
        "CREATE TRIGGER deny_value_delete BEFORE DELETE ON hive_values "
        "BEGIN SELECT RAISE(ABORT, 'ro'); END;";
    static constexpr const char* kAllow =
        "DROP TRIGGER IF EXISTS deny_key_insert; DROP TRIGGER IF EXISTS deny_key_update;"
        "DROP TRIGGER IF EXISTS deny_key_delete; DROP TRIGGER IF EXISTS deny_value_insert;"
        "DROP TRIGGER IF EXISTS deny_value_update; DROP TRIGGER IF EXISTS deny_value_delete;";

    static void Run(const char* sql) {
        int code = 0;
        const auto database =
            kx::SqliteDatabase::Open(kx::HivePath(kx::HiveKind::CurrentUser), &code);
        ASSERT_TRUE(database) << "sqlite " << code;
        EXPECT_EQ(database->Execute(sql), 0) << sql;
    }
};

class StoreTest : public testing::Test {
protected:
    void SetUp() override {
        m_savedName = kx::TheApp().names.driverBaseName;
        kx::TheApp().names.driverBaseName = std::u16string(kModuleKeyName);
    }
    void TearDown() override { kx::TheApp().names.driverBaseName = m_savedName; }

    static std::u16string Path(std::u16string_view subkey) {
        return kx::StoreKeyPath(kModuleKeyName, subkey);
    }

    static void SetRaw(std::u16string_view subkey, std::u16string_view name, DWORD type,
                       const void* data, size_t size) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, Path(subkey).c_str(), 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        const std::u16string valueName(name);
        EXPECT_EQ(RegSetValueExW(key, valueName.c_str(), 0, type, static_cast<const BYTE*>(data),
                                 static_cast<DWORD>(size)),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }
    /// A REG_SZ with its terminator.
    static void SetText(std::u16string_view subkey, std::u16string_view name,
                        std::u16string_view text) {
        const std::u16string terminated(text);
        SetRaw(subkey, name, REG_SZ, terminated.c_str(), (terminated.size() + 1) * 2);
    }

    static std::optional<RawValue> GetRaw(std::u16string_view subkey, std::u16string_view name) {
        return StoredValue(subkey, name);
    }
    static bool KeyExists(std::u16string_view subkey) { return StoredKeyExists(subkey); }

    TestPrefix m_prefix;

private:
    std::u16string m_savedName;
};

} // namespace kxtest
