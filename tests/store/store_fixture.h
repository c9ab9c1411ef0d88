// A fresh prefix per test with a known module key name, and raw access to
// the registry values the store writes.
#pragma once

#include "framework/kromaui_app.h"
#include "platform/registry/registry_api.h"
#include "store/store_layout.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace kxtest {

inline constexpr std::u16string_view kModuleKeyName = u"KXTEST";

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
