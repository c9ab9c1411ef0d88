// Registry semantics: keys, the value size contract, access, deletion,
// enumeration order and the HKEY_CLASSES_ROOT view.
#include "platform/registry/registry_api.h"

#include "platform/base/text.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

struct KeyOwner {
    HKEY key = nullptr;
    ~KeyOwner() {
        if (key)
            RegCloseKey(key);
    }
};

HKEY CreateKey(HKEY root, const char16_t* path) {
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExW(root, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    return key;
}

LSTATUS SetText(HKEY key, const char16_t* name, std::u16string_view text, bool terminate) {
    const DWORD bytes = static_cast<DWORD>((text.size() + (terminate ? 1 : 0)) * 2);
    std::u16string stored(text);
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(stored.c_str()),
                          bytes);
}

LSTATUS SetDword(HKEY key, const char16_t* name, DWORD value) {
    return RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4);
}

TEST(Registry, CreateReportsNewThenExistingAndMatchesNamesWithoutCase) {
    kxtest::TestPrefix prefix;
    KeyOwner first, second, opened;
    DWORD disposition = 0;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, u"Software\\Maker\\Driver", 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &first.key, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, u"SOFTWARE\\maker\\DRIVER\\", 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &second.key, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, u"software\\MAKER", 0, KEY_READ, &opened.key),
              ERROR_SUCCESS);
    // The name keeps the spelling it was created with.
    WCHAR name[32];
    DWORD length = 32;
    ASSERT_EQ(RegEnumKeyExW(opened.key, 0, name, &length, nullptr, nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(std::u16string(name), u"Driver");
    EXPECT_EQ(length, 6u);
}

TEST(Registry, OpenAndCreateRejectBadPaths) {
    kxtest::TestPrefix prefix;
    struct Row {
        const char* label;
        std::u16string path;
        LSTATUS open;
    } rows[] = {
        {"missing key", u"Software\\Nothing", ERROR_FILE_NOT_FOUND},
        {"leading backslash", u"\\Software", ERROR_BAD_PATHNAME},
        {"empty level", u"Software\\\\Maker", ERROR_BAD_PATHNAME},
        {"level over 255", std::u16string(256, u'k'), ERROR_INVALID_PARAMETER},
    };
    for (const auto& row : rows) {
        HKEY key = nullptr;
        EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, row.path.c_str(), 0, KEY_READ, &key), row.open)
            << row.label;
    }
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HandleFromValue<HKEY>(0x1234), u"x", 0, KEY_READ, &key),
              ERROR_INVALID_HANDLE);
    // 512 levels below the root are allowed, 513 are not, also when reached
    // in two steps.
    std::u16string deep = u"d";
    for (int level = 1; level < 512; ++level)
        deep += u"\\d";
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, deep.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    HKEY deeper = nullptr;
    EXPECT_EQ(
        RegCreateKeyExW(key, u"one more", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &deeper, nullptr),
        ERROR_INVALID_PARAMETER);
    RegCloseKey(key);
    EXPECT_EQ(RegDeleteTreeW(HKEY_CURRENT_USER, u"d"), ERROR_SUCCESS);
}

TEST(Registry, QueryFollowsTheSizeContract) {
    kxtest::TestPrefix prefix;
    KeyOwner owner{CreateKey(HKEY_CURRENT_USER, u"Software\\Sizes")};
    ASSERT_EQ(SetText(owner.key, u"Name", u"abc", true), ERROR_SUCCESS); // 8 bytes
    struct Row {
        const char* label;
        bool withBuffer;
        DWORD size;
        LSTATUS result;
        DWORD sizeAfter;
        bool copied;
    } rows[] = {
        {"size only", false, 0, ERROR_SUCCESS, 8, false},
        {"empty buffer", true, 0, ERROR_MORE_DATA, 8, false},
        {"one byte short", true, 7, ERROR_MORE_DATA, 8, false},
        {"exact", true, 8, ERROR_SUCCESS, 8, true},
        {"larger", true, 64, ERROR_SUCCESS, 8, true},
    };
    for (const auto& row : rows) {
        BYTE buffer[64];
        std::memset(buffer, 0xCC, sizeof buffer);
        DWORD size = row.size;
        DWORD type = 0;
        EXPECT_EQ(RegQueryValueExW(owner.key, u"NAME", nullptr, &type,
                                   row.withBuffer ? buffer : nullptr, &size),
                  row.result)
            << row.label;
        EXPECT_EQ(size, row.sizeAfter) << row.label;
        EXPECT_EQ(type, REG_SZ) << row.label;
        const bool copied = std::memcmp(buffer, u"abc", 8) == 0;
        EXPECT_EQ(copied, row.copied) << row.label;
        if (!row.copied) {
            EXPECT_EQ(buffer[0], 0xCC) << row.label << ": buffer touched";
        }
    }
    DWORD size = 16;
    BYTE buffer[16];
    EXPECT_EQ(RegQueryValueExW(owner.key, u"Other", nullptr, nullptr, buffer, &size),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegQueryValueExW(owner.key, u"Name", nullptr, nullptr, buffer, nullptr),
              ERROR_INVALID_PARAMETER);
}

TEST(Registry, ValuesKeepTheirExactBytesAndTypes) {
    kxtest::TestPrefix prefix;
    KeyOwner owner{CreateKey(HKEY_CURRENT_USER, u"Software\\Bytes")};
    ASSERT_EQ(SetText(owner.key, u"Unterminated", u"xy", false), ERROR_SUCCESS);
    ASSERT_EQ(SetDword(owner.key, u"Number", 0x2A), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExW(owner.key, u"Empty", 0, REG_BINARY, nullptr, 0), ERROR_SUCCESS);
    std::vector<BYTE> snapshot(3555);
    for (size_t i = 0; i < snapshot.size(); ++i)
        snapshot[i] = static_cast<BYTE>(i * 7);
    ASSERT_EQ(RegSetValueExW(owner.key, nullptr, 0, REG_BINARY, snapshot.data(), 3555),
              ERROR_SUCCESS);
    struct Row {
        const char16_t* name;
        DWORD type;
        std::vector<BYTE> bytes;
    } rows[] = {
        {u"unterminated", REG_SZ, {'x', 0, 'y', 0}},
        {u"number", REG_DWORD, {0x2A, 0, 0, 0}},
        {u"empty", REG_BINARY, {}},
        {u"", REG_BINARY, snapshot},
    };
    for (const auto& row : rows) {
        std::vector<BYTE> buffer(4000);
        DWORD size = static_cast<DWORD>(buffer.size());
        DWORD type = 99;
        ASSERT_EQ(RegQueryValueExW(owner.key, row.name, nullptr, &type, buffer.data(), &size),
                  ERROR_SUCCESS);
        buffer.resize(size);
        const std::string label = kx::Utf16ToUtf8(row.name);
        EXPECT_EQ(type, row.type) << "value '" << label << "'";
        EXPECT_EQ(buffer, row.bytes) << "value '" << label << "', size " << size;
    }
    // Writing a value again replaces type and data.
    ASSERT_EQ(SetText(owner.key, u"NUMBER", u"now text", true), ERROR_SUCCESS);
    DWORD type = 0, size = 0;
    ASSERT_EQ(RegQueryValueExW(owner.key, u"Number", nullptr, &type, nullptr, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(size, 18u);
}

TEST(Registry, ReadAccessRefusesChanges) {
    kxtest::TestPrefix prefix;
    KeyOwner full{CreateKey(HKEY_CURRENT_USER, u"Software\\Access")};
    ASSERT_EQ(SetDword(full.key, u"Value", 1), ERROR_SUCCESS);
    KeyOwner reading;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, u"Software\\Access", 0, KEY_READ, &reading.key),
              ERROR_SUCCESS);
    EXPECT_EQ(SetDword(reading.key, u"Value", 2), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteValueW(reading.key, u"Value"), ERROR_ACCESS_DENIED);
    HKEY sub = nullptr;
    EXPECT_EQ(
        RegCreateKeyExW(reading.key, u"Sub", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &sub, nullptr),
        ERROR_ACCESS_DENIED);
    DWORD value = 0, size = 4;
    EXPECT_EQ(RegQueryValueExW(reading.key, u"Value", nullptr, nullptr,
                               reinterpret_cast<BYTE*>(&value), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(value, 1u);
    KeyOwner writing;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, u"Software\\Access", 0, KEY_WRITE, &writing.key),
              ERROR_SUCCESS);
    EXPECT_EQ(SetDword(writing.key, u"Value", 3), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(writing.key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(writing.key), ERROR_INVALID_HANDLE);
    writing.key = nullptr;
}

TEST(Registry, DeleteKeyRefusesSubKeysAndStaleHandlesSeeDeletion) {
    kxtest::TestPrefix prefix;
    KeyOwner parent{CreateKey(HKEY_CURRENT_USER, u"Software\\Store")};
    KeyOwner child{CreateKey(parent.key, u"Custom Paper Data")};
    ASSERT_EQ(SetDword(child.key, u"CPNum", 2), ERROR_SUCCESS);
    KeyOwner grandChild{CreateKey(child.key, u"Deeper")};
    EXPECT_EQ(RegDeleteKeyW(parent.key, u"custom paper data"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteKeyW(child.key, u"Deeper"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteKeyW(parent.key, u"Custom Paper Data"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteKeyW(parent.key, u"Custom Paper Data"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(SetDword(child.key, u"CPNum", 3), ERROR_KEY_DELETED);
    // A key made again under the same name is a new key, not the stale one.
    KeyOwner again{CreateKey(parent.key, u"Custom Paper Data")};
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExW(again.key, u"CPNum", nullptr, nullptr, nullptr, &size),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegQueryValueExW(child.key, u"CPNum", nullptr, nullptr, nullptr, &size),
              ERROR_KEY_DELETED);
    EXPECT_EQ(RegDeleteKeyW(parent.key, nullptr), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegDeleteTreeW(HKEY_CURRENT_USER, u"Software"), ERROR_SUCCESS);
    HKEY gone = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, u"Software", 0, KEY_READ, &gone),
              ERROR_FILE_NOT_FOUND);
}

TEST(Registry, EnumerationOrderIsStable) {
    kxtest::TestPrefix prefix;
    KeyOwner owner{CreateKey(HKEY_CURRENT_USER, u"Software\\Order")};
    for (const char16_t* name : {u"zeta", u"Alpha", u"mid"}) {
        KeyOwner sub{CreateKey(owner.key, name)};
        ASSERT_EQ(SetDword(owner.key, name, 1), ERROR_SUCCESS);
    }
    ASSERT_EQ(SetDword(owner.key, u"ALPHA", 2), ERROR_SUCCESS); // keeps its place
    const std::vector<std::u16string> keys = {u"Alpha", u"mid", u"zeta"};
    const std::vector<std::u16string> values = {u"zeta", u"Alpha", u"mid"};
    for (DWORD i = 0; i <= keys.size(); ++i) {
        WCHAR name[16];
        DWORD length = 16;
        const LSTATUS result =
            RegEnumKeyExW(owner.key, i, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (i == keys.size()) {
            EXPECT_EQ(result, ERROR_NO_MORE_ITEMS);
            break;
        }
        ASSERT_EQ(result, ERROR_SUCCESS) << "key " << i;
        EXPECT_TRUE(name == keys[i]) << "key " << i;
    }
    for (DWORD i = 0; i <= values.size(); ++i) {
        WCHAR name[16];
        DWORD length = 16;
        const LSTATUS result =
            RegEnumValueW(owner.key, i, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (i == values.size()) {
            EXPECT_EQ(result, ERROR_NO_MORE_ITEMS);
            break;
        }
        ASSERT_EQ(result, ERROR_SUCCESS) << "value " << i;
        EXPECT_TRUE(name == values[i]) << "value " << i;
    }
    WCHAR shortName[4];
    DWORD length = 4; // "zeta" needs 5 with its terminator
    EXPECT_EQ(RegEnumValueW(owner.key, 0, shortName, &length, nullptr, nullptr, nullptr, nullptr),
              ERROR_MORE_DATA);
    DWORD subKeys = 0, valueCount = 0, maxName = 0, maxData = 0;
    ASSERT_EQ(RegQueryInfoKeyW(owner.key, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr,
                               &valueCount, &maxName, &maxData, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(subKeys, 3u);
    EXPECT_EQ(valueCount, 3u);
    EXPECT_EQ(maxName, 5u);
    EXPECT_EQ(maxData, 4u);
}

TEST(Registry, ClassesRootIsAViewOfMachineClasses) {
    kxtest::TestPrefix prefix;
    KeyOwner viaClasses{CreateKey(HKEY_CLASSES_ROOT, u".kxs")};
    ASSERT_EQ(SetDword(viaClasses.key, u"Seen", 7), ERROR_SUCCESS);
    KeyOwner viaMachine;
    ASSERT_EQ(
        RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"Software\\Classes\\.KXS", 0, KEY_READ, &viaMachine.key),
        ERROR_SUCCESS);
    DWORD value = 0, size = 4;
    EXPECT_EQ(RegQueryValueExW(viaMachine.key, u"Seen", nullptr, nullptr,
                               reinterpret_cast<BYTE*>(&value), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(value, 7u);
    HKEY user = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, u"Software\\Classes\\.kxs", 0, KEY_READ, &user),
              ERROR_FILE_NOT_FOUND);
}

TEST(Registry, EachPrefixHasItsOwnHives) {
    {
        kxtest::TestPrefix first;
        KeyOwner owner{CreateKey(HKEY_CURRENT_USER, u"Software\\Mine")};
        ASSERT_EQ(SetDword(owner.key, u"Where", 1), ERROR_SUCCESS);
    }
    kxtest::TestPrefix second;
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, u"Software\\Mine", 0, KEY_READ, &key),
              ERROR_FILE_NOT_FOUND);
}

} // namespace
