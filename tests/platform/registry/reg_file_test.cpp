// ".reg" files: parsing every value form, reporting the first bad line,
// importing all or nothing, and export-import-export round trips.
#include "platform/registry/reg_file_parser.h"
#include "platform/registry/registry_api.h"
#include "platform/registry/registry_transfer.h"

#include "platform/base/text.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Kind = kx::RegOperation::Kind;
using Bytes = std::vector<uint8_t>;

std::string Utf16File(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

std::string Hex(const Bytes& bytes) {
    std::string text;
    char part[4];
    for (uint8_t b : bytes) {
        std::snprintf(part, sizeof part, "%02x ", b);
        text += part;
    }
    return text;
}

TEST(RegFileParser, ReadsEveryValueForm) {
    const std::u16string file = u"Windows Registry Editor Version 5.00\r\n"
                                u"\r\n"
                                u"; a comment\r\n"
                                u"# another\r\n"
                                u"[HKEY_CURRENT_USER\\Software\\Maker]\r\n"
                                u"\"Text\"=\"a \\\"b\\\" \\\\c\"\r\n"
                                u"@=\"default\"\r\n"
                                u"\"Num\" = dword:2A ; answer\r\n"
                                u"\"Bin\"=hex:01,02,\\\r\n"
                                u"  ff,10,\\ ; continued\r\n"
                                u"  20\r\n"
                                u"\"Multi\"=hex(7):61,00,00,00,00,00\r\n"
                                u"\"None\"=hex(0):\r\n"
                                u"\"Gone\"=-\r\n"
                                u"\"back\\\\slash\"=\"\u00e9\"\r\n"
                                u"[-HKCU\\Software\\Old]\r\n"
                                u"\"ignored\"=\"under a deleted key\"\r\n";
    const kx::RegParseResult result = kx::ParseRegFile(Utf16File(file));
    ASSERT_EQ(result.error, ERROR_SUCCESS) << result.message;
    struct Row {
        const char* label;
        Kind kind;
        std::u16string path;
        std::u16string name;
        DWORD type;
        Bytes data;
    } rows[] = {
        {"key", Kind::CreateKey, u"Software\\Maker", u"", 0, {}},
        {"escaped string",
         Kind::SetValue,
         u"Software\\Maker",
         u"Text",
         REG_SZ,
         {'a', 0, ' ', 0, '"', 0, 'b', 0, '"', 0, ' ', 0, '\\', 0, 'c', 0, 0, 0}},
        {"default value",
         Kind::SetValue,
         u"Software\\Maker",
         u"",
         REG_SZ,
         {'d', 0, 'e', 0, 'f', 0, 'a', 0, 'u', 0, 'l', 0, 't', 0, 0, 0}},
        {"dword", Kind::SetValue, u"Software\\Maker", u"Num", REG_DWORD, {0x2A, 0, 0, 0}},
        {"continued hex",
         Kind::SetValue,
         u"Software\\Maker",
         u"Bin",
         REG_BINARY,
         {1, 2, 0xFF, 0x10, 0x20}},
        {"hex(7)",
         Kind::SetValue,
         u"Software\\Maker",
         u"Multi",
         REG_MULTI_SZ,
         {0x61, 0, 0, 0, 0, 0}},
        {"empty hex(0)", Kind::SetValue, u"Software\\Maker", u"None", REG_NONE, {}},
        {"value deletion", Kind::DeleteValue, u"Software\\Maker", u"Gone", 0, {}},
        {"escaped name",
         Kind::SetValue,
         u"Software\\Maker",
         u"back\\slash",
         REG_SZ,
         {0xE9, 0, 0, 0}},
        {"key deletion", Kind::DeleteKey, u"Software\\Old", u"", 0, {}},
    };
    ASSERT_EQ(result.operations.size(), std::size(rows));
    for (size_t i = 0; i < std::size(rows); ++i) {
        const auto& row = rows[i];
        const auto& operation = result.operations[i];
        EXPECT_EQ(operation.kind, row.kind) << row.label;
        EXPECT_EQ(operation.root, 0x80000001u) << row.label;
        EXPECT_EQ(kx::Utf16ToUtf8(operation.path), kx::Utf16ToUtf8(row.path)) << row.label;
        EXPECT_EQ(kx::Utf16ToUtf8(operation.name), kx::Utf16ToUtf8(row.name)) << row.label;
        if (row.kind == Kind::SetValue) {
            EXPECT_EQ(operation.type, row.type) << row.label;
            EXPECT_EQ(Hex(operation.data), Hex(row.data)) << row.label;
        }
    }
}

TEST(RegFileParser, ReportsTheFirstBadLine) {
    struct Row {
        const char* label;
        std::string text;
        size_t line;
    } rows[] = {
        {"no header", "[HKEY_CURRENT_USER\\X]\r\n", 1},
        {"blank line before the header", "\r\nREGEDIT4\r\n", 1},
        {"other editor version", "REGEDIT5\r\n", 1},
        {"unknown root", "REGEDIT4\r\n\r\n[HKEY_NOWHERE\\X]\r\n", 3},
        {"root that is not kept", "REGEDIT4\r\n[HKEY_USERS\\X]\r\n", 2},
        {"key without ]", "REGEDIT4\r\n[HKEY_CURRENT_USER\\X\r\n", 2},
        {"empty key level", "REGEDIT4\r\n[HKEY_CURRENT_USER\\A\\\\B]\r\n", 2},
        {"root deletion", "REGEDIT4\r\n[-HKEY_CURRENT_USER]\r\n", 2},
        {"value before any key", "REGEDIT4\r\n\"a\"=\"b\"\r\n", 2},
        {"unterminated name", "REGEDIT4\r\n[HKCU\\X]\r\n\"a=\"b\r\n", 3},
        {"unterminated string", "REGEDIT4\r\n[HKCU\\X]\r\n\"a\"=\"b\r\n", 3},
        {"text after a string", "REGEDIT4\r\n[HKCU\\X]\r\n\"a\"=\"b\" c\r\n", 3},
        {"hash after a value", "REGEDIT4\r\n[HKCU\\X]\r\n\"a\"=\"b\" #c\r\n", 3},
        {"missing =", "REGEDIT4\r\n[HKCU\\X]\r\n\"a\" \"b\"\r\n", 3},
        {"nine dword digits", "REGEDIT4\r\n[HKCU\\X]\r\n\"a\"=dword:000000001\r\n", 3},
        {"empty dword", "REGEDIT4\r\n[HKCU\\X]\r\n\"a\"=dword:\r\n", 3},
        {"unknown type", "REGEDIT4\r\n[HKCU\\X]\r\n\"a\"=qword:1\r\n", 3},
        {"bad hex byte", "REGEDIT4\r\n[HKCU\\X]\r\n\"a\"=hex:01,zz\r\n", 3},
        {"three-digit hex byte", "REGEDIT4\r\n[HKCU\\X]\r\n\"a\"=hex:123\r\n", 3},
        {"bad hex on a continuation", "REGEDIT4\r\n[HKCU\\X]\r\n\"a\"=hex:01,\\\r\n  q\r\n", 4},
        {"continuation at the end", "REGEDIT4\r\n[HKCU\\X]\r\n\"a\"=hex:01,\\", 3},
        {"stray text", "REGEDIT4\r\n[HKCU\\X]\r\nstray\r\n", 3},
    };
    for (const auto& row : rows) {
        const kx::RegParseResult result = kx::ParseRegFile(row.text);
        EXPECT_EQ(result.error, ERROR_INVALID_DATA) << row.label;
        EXPECT_EQ(result.errorLine, row.line) << row.label << ": " << result.message;
        EXPECT_TRUE(result.operations.empty()) << row.label;
        EXPECT_EQ(result.message.rfind("line " + std::to_string(row.line) + ": ", 0), 0u)
            << row.label << ": " << result.message;
    }
}

DWORD ReadDword(HKEY root, const char16_t* path, const char16_t* name, LSTATUS* status) {
    HKEY key = nullptr;
    DWORD value = 0, size = 4;
    *status = RegOpenKeyExW(root, path, 0, KEY_READ, &key);
    if (*status == ERROR_SUCCESS) {
        *status =
            RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
        RegCloseKey(key);
    }
    return value;
}

TEST(RegistryImport, AppliesEverythingOrNothing) {
    kxtest::TestPrefix prefix;
    std::string message;
    ASSERT_EQ(kx::ImportRegistry("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\A\\Deep]\r\n"
                                 "\"x\"=dword:1\r\n\"y\"=dword:2\r\n"
                                 "[HKEY_LOCAL_MACHINE\\Software\\B]\r\n\"z\"=dword:3\r\n",
                                 &message),
              ERROR_SUCCESS)
        << message;
    // A file whose last line is bad changes nothing in either hive.
    EXPECT_EQ(kx::ImportRegistry("REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\A\\Deep]\r\n"
                                 "\"x\"=dword:9\r\n[HKEY_LOCAL_MACHINE\\Software\\C]\r\n"
                                 "\"w\"=dword:4\r\n\"bad\"=dword:xyz\r\n",
                                 &message),
              ERROR_INVALID_DATA);
    EXPECT_EQ(message.rfind("line 6: ", 0), 0u) << message;
    LSTATUS status;
    EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, u"Software\\A\\Deep", u"x", &status), 1u);
    ReadDword(HKEY_LOCAL_MACHINE, u"Software\\C", u"w", &status);
    EXPECT_EQ(status, ERROR_FILE_NOT_FOUND);
    // Deletions: a value, and a key with everything below it.
    ASSERT_EQ(
        kx::ImportRegistry("REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\A\\Deep]\r\n"
                           "\"y\"=-\r\n\"never there\"=-\r\n[-HKEY_LOCAL_MACHINE\\Software\\B]\r\n"
                           "[-HKEY_LOCAL_MACHINE\\Software\\Missing]\r\n",
                           &message),
        ERROR_SUCCESS)
        << message;
    ReadDword(HKEY_CURRENT_USER, u"Software\\A\\Deep", u"y", &status);
    EXPECT_EQ(status, ERROR_FILE_NOT_FOUND);
    ReadDword(HKEY_LOCAL_MACHINE, u"Software\\B", u"z", &status);
    EXPECT_EQ(status, ERROR_FILE_NOT_FOUND);
}

void SetValue(HKEY key, const char16_t* name, DWORD type, const Bytes& data) {
    ASSERT_EQ(RegSetValueExW(key, name, 0, type, data.data(), static_cast<DWORD>(data.size())),
              ERROR_SUCCESS);
}

TEST(RegistryImport, ARetryAfterACrashBetweenTheHivesGivesTheWholeImport) {
    const std::string before =
        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Old]\r\n\"gone\"=\"1\"\r\n"
        "[HKEY_LOCAL_MACHINE\\Software\\K]\r\n\"keep\"=\"old\"\r\n";
    const std::string machinePart =
        "[-HKEY_LOCAL_MACHINE\\Software\\K]\r\n[HKEY_LOCAL_MACHINE\\Software\\K\\Sub]\r\n"
        "\"v\"=dword:00000007\r\n[HKEY_LOCAL_MACHINE\\Software\\K]\r\n\"keep\"=\"new\"\r\n";
    const std::string userPart =
        "[-HKEY_CURRENT_USER\\Software\\Old]\r\n[HKEY_CURRENT_USER\\Software\\New]\r\n"
        "\"a\"=\"1\"\r\n\"a\"=-\r\n\"b\"=hex:01,02\r\n";
    // The user hive's lines come first in the file: the commit order, not
    // the file's, decides what a crash leaves.
    const std::string file = "REGEDIT4\r\n\r\n" + userPart + machinePart;
    std::string message;
    auto exported = [] {
        std::string bytes;
        EXPECT_EQ(kx::ExportRegistry(u"", kx::RegFormat::Regedit4, &bytes), ERROR_SUCCESS);
        return bytes;
    };
    std::string whole;
    {
        kxtest::TestPrefix prefix;
        ASSERT_EQ(kx::ImportRegistry(before, &message), ERROR_SUCCESS) << message;
        ASSERT_EQ(kx::ImportRegistry(file, &message), ERROR_SUCCESS) << message;
        whole = exported();
    }
    kxtest::TestPrefix prefix;
    ASSERT_EQ(kx::ImportRegistry(before, &message), ERROR_SUCCESS) << message;
    // What a crash after the first commit leaves: the machine hive's part.
    ASSERT_EQ(kx::ImportRegistry("REGEDIT4\r\n\r\n" + machinePart, &message), ERROR_SUCCESS);
    ASSERT_EQ(kx::ImportRegistry(file, &message), ERROR_SUCCESS) << message;
    EXPECT_EQ(exported(), whole);
}

TEST(RegistryExport, RoundTripsThroughAnEmptyPrefix) {
    for (const auto format : {kx::RegFormat::Version5, kx::RegFormat::Regedit4}) {
        std::string first;
        {
            kxtest::TestPrefix prefix;
            HKEY key = nullptr;
            ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, u"Software\\Velmora\\ABC\\TSF", 0, nullptr,
                                      0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
                      ERROR_SUCCESS);
            Bytes snapshot(3555);
            for (size_t i = 0; i < snapshot.size(); ++i)
                snapshot[i] = static_cast<uint8_t>(i * 31);
            SetValue(key, u"Default DevMode", REG_BINARY, snapshot);
            SetValue(key, u"Overlays Dir", REG_SZ, {'C', 0, ':', 0, '\\', 0, 0, 0});
            SetValue(key, u"Unterminated", REG_SZ, {'a', 0, 'b', 0});
            SetValue(key, u"Embedded NUL", REG_SZ, {'a', 0, 0, 0, 'b', 0, 0, 0});
            SetValue(key, u"Line\"break\\", REG_SZ, {'a', 0, '\n', 0, 0, 0});
            SetValue(key, nullptr, REG_DWORD, {1, 2, 3, 4});
            SetValue(key, u"Short dword", REG_DWORD, {1, 2});
            SetValue(key, u"Empty", REG_BINARY, {});
            SetValue(key, u"Quad", REG_QWORD, {1, 2, 3, 4, 5, 6, 7, 8});
            SetValue(key, u"Odd type", 0x12345, {9});
            RegCloseKey(key);
            ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, u"Software\\Kestim\\Printer One", 0,
                                      nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
                      ERROR_SUCCESS);
            SetValue(key, u"SMEnabled", REG_DWORD, {1, 0, 0, 0});
            RegCloseKey(key);
            ASSERT_EQ(kx::ExportRegistry(u"", format, &first), ERROR_SUCCESS);
        }
        kxtest::TestPrefix empty;
        std::string message;
        ASSERT_EQ(kx::ImportRegistry(first, &message), ERROR_SUCCESS) << message;
        std::string second;
        ASSERT_EQ(kx::ExportRegistry(u"", format, &second), ERROR_SUCCESS);
        EXPECT_EQ(first, second) << "format " << static_cast<int>(format);
        // The long value was wrapped, and every line stays within 80 columns.
        if (format == kx::RegFormat::Regedit4) {
            size_t longest = 0, start = 0;
            while (start < first.size()) {
                const size_t end = first.find("\r\n", start);
                longest = std::max(longest, end - start);
                start = end + 2;
            }
            EXPECT_LE(longest, 80u);
            EXPECT_NE(first.find("\\\r\n  "), std::string::npos);
        }
        HKEY key = nullptr;
        ASSERT_EQ(
            RegOpenKeyExW(HKEY_CURRENT_USER, u"Software\\Velmora\\ABC\\TSF", 0, KEY_READ, &key),
            ERROR_SUCCESS);
        BYTE data[8];
        DWORD size = sizeof data, type = 0;
        ASSERT_EQ(RegQueryValueExW(key, u"Unterminated", nullptr, &type, data, &size),
                  ERROR_SUCCESS);
        EXPECT_EQ(size, 4u) << "an unterminated string must come back unterminated";
        RegCloseKey(key);
    }
}

TEST(RegistryExport, ExportsOneTreeAndRefusesMissingKeys) {
    kxtest::TestPrefix prefix;
    std::string message;
    ASSERT_EQ(
        kx::ImportRegistry("REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\A\\B]\r\n\"v\"=\"1\"\r\n"
                           "[HKEY_CURRENT_USER\\Software\\Other]\r\n",
                           &message),
        ERROR_SUCCESS);
    std::string bytes;
    ASSERT_EQ(kx::ExportRegistry(u"HKCU\\Software\\A", kx::RegFormat::Regedit4, &bytes),
              ERROR_SUCCESS);
    EXPECT_EQ(bytes, "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\A]\r\n\r\n"
                     "[HKEY_CURRENT_USER\\Software\\A\\B]\r\n\"v\"=\"1\"\r\n\r\n");
    EXPECT_EQ(kx::ExportRegistry(u"HKCU\\Software\\None", kx::RegFormat::Version5, &bytes),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(kx::ExportRegistry(u"HKEY_NOWHERE", kx::RegFormat::Version5, &bytes),
              ERROR_FILE_NOT_FOUND);
}

} // namespace
