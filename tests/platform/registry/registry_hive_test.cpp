// Hive files: refusing files that are not hives without touching them, and
// several processes writing one hive at once.
#include "platform/registry/registry_api.h"
#include "platform/registry/registry_hives.h"
#include "platform/registry/sqlite_database.h"

#include "platform/base/text.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

void MakeForeignDatabase(const std::string& path) {
    int code = 0;
    auto database = kx::SqliteDatabase::Open(path, &code);
    ASSERT_TRUE(database) << "sqlite result " << code;
    ASSERT_EQ(database->Execute("CREATE TABLE notes(text); INSERT INTO notes VALUES('mine');"), 0);
}

TEST(RegistryHive, RefusesFilesThatAreNotHivesAndLeavesThemAlone) {
    struct Row {
        const char* label;
        std::string bytes; // empty: a database of another program
        LSTATUS expected;
    } rows[] = {
        {"text file", "this is not a database at all, just some text\n", ERROR_BADDB},
        {"damaged header", std::string("SQLite format 3\0", 16) + std::string(4080, '\x7f'),
         ERROR_BADDB},
        {"another program's database", "", ERROR_BADDB},
    };
    for (const auto& row : rows) {
        kxtest::TestPrefix prefix;
        const std::string path = kx::HivePath(kx::HiveKind::CurrentUser);
        if (row.bytes.empty())
            MakeForeignDatabase(path);
        else
            WriteBytes(path, row.bytes);
        const std::string before = ReadBytes(path);
        HKEY key = nullptr;
        EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, u"Software", 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &key, nullptr),
                  row.expected)
            << row.label;
        EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, u"Software", 0, KEY_READ, &key), row.expected)
            << row.label;
        EXPECT_TRUE(ReadBytes(path) == before) << row.label << ": the file was changed";
        // The other hive is not affected.
        EXPECT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, u"Software", 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS)
            << row.label;
        RegCloseKey(key);
    }
}

TEST(RegistryHive, ReopensAfterTheFileIsMended) {
    kxtest::TestPrefix prefix;
    const std::string path = kx::HivePath(kx::HiveKind::CurrentUser);
    WriteBytes(path, "garbage");
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, nullptr, 0, KEY_READ, &key), ERROR_BADDB);
    ASSERT_EQ(unlink(path.c_str()), 0);
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, nullptr, 0, KEY_READ, &key), ERROR_SUCCESS);
    RegCloseKey(key);
}

TEST(RegistryHive, AHiveRemovedBehindItsBackIsMadeAgain) {
    kxtest::TestPrefix prefix;
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, u"Software\\Before", 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
    const std::string path = kx::HivePath(kx::HiveKind::CurrentUser);
    std::filesystem::remove_all(std::filesystem::path(path).parent_path());
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, u"Software\\After", 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
    // The change went into a file that exists, not into the removed one.
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, u"Software\\Before", 0, KEY_READ, &key),
              ERROR_FILE_NOT_FOUND);
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, u"Software\\After", 0, KEY_READ, &key),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

// Each writer commits its own values one call at a time, as the module does.
[[noreturn]] void RunWriter(int writer, int count) {
    HKEY key = nullptr;
    int failures = 0;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, u"Software\\Shared", 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        _exit(100);
    for (int i = 0; i < count; ++i) {
        const std::u16string name =
            kx::Utf8ToUtf16("W" + std::to_string(writer) + "_" + std::to_string(i));
        const DWORD value = static_cast<DWORD>(writer * 100000 + i);
        if (RegSetValueExW(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                           4) != ERROR_SUCCESS)
            ++failures;
    }
    RegCloseKey(key);
    _exit(failures == 0 ? 0 : 101);
}

TEST(RegistryHive, TwoProcessesWritingOneHiveLoseNothing) {
    kxtest::TestPrefix prefix;
    constexpr int kWriters = 2;
    constexpr int kValues = 300;
    // The parent has the hive open when it forks: the writers must not use
    // (or close) its connection.
    HKEY parentKey = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, u"Software\\Shared", 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &parentKey, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExW(parentKey, u"parent", 0, REG_BINARY, nullptr, 0), ERROR_SUCCESS);
    RegCloseKey(parentKey);
    pid_t children[kWriters];
    for (int writer = 0; writer < kWriters; ++writer) {
        children[writer] = fork();
        ASSERT_GE(children[writer], 0);
        if (children[writer] == 0)
            RunWriter(writer, kValues);
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status)) << "writer crashed";
        EXPECT_EQ(WEXITSTATUS(status), 0) << "a writer saw failed writes";
    }
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, u"Software\\Shared", 0, KEY_READ, &key),
              ERROR_SUCCESS);
    int missing = 0;
    for (int writer = 0; writer < kWriters; ++writer) {
        for (int i = 0; i < kValues; ++i) {
            const std::u16string name =
                kx::Utf8ToUtf16("w" + std::to_string(writer) + "_" + std::to_string(i));
            DWORD value = 0, size = 4;
            if (RegQueryValueExW(key, name.c_str(), nullptr, nullptr,
                                 reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
                value != static_cast<DWORD>(writer * 100000 + i))
                ++missing;
        }
    }
    EXPECT_EQ(missing, 0);
    DWORD values = 0;
    EXPECT_EQ(RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values,
                               nullptr, nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(values, static_cast<DWORD>(kWriters * kValues + 1));
    RegCloseKey(key);
}

} // namespace
