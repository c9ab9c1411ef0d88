// The Win32 file calls over a test prefix.
#include "platform/files/file_api.h"

#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace {

HANDLE Open(const char16_t* name, DWORD access, DWORD disposition) {
    return CreateFileW(name, access, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

TEST(CreateFileW, WritesReadsAndReportsDispositions) {
    kxtest::TestPrefix prefix;
    HANDLE file = Open(u"C:\\job.prn", GENERIC_WRITE, CREATE_NEW);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    const char bytes[] = {'\x1b', '%', '\0', 'X'};
    DWORD written = 0;
    EXPECT_TRUE(WriteFile(file, bytes, sizeof bytes, &written, nullptr));
    EXPECT_EQ(written, 4u);
    EXPECT_TRUE(CloseHandle(file));
    EXPECT_FALSE(CloseHandle(file)) << "a closed handle is stale";

    EXPECT_EQ(Open(u"C:\\JOB.PRN", GENERIC_WRITE, CREATE_NEW), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_FILE_EXISTS);

    file = Open(u"c:\\Job.Prn", GENERIC_READ, OPEN_EXISTING);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetFileSize(file, nullptr), 4u);
    char back[8] = {};
    DWORD read = 0;
    EXPECT_TRUE(ReadFile(file, back, sizeof back, &read, nullptr));
    EXPECT_EQ(std::string(back, read), std::string(bytes, 4));
    EXPECT_FALSE(WriteFile(file, bytes, 1, &written, nullptr)) << "opened for reading only";
    CloseHandle(file);

    file = Open(u"C:\\job.prn", GENERIC_WRITE, OPEN_ALWAYS);
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    CloseHandle(file);
    EXPECT_EQ(Open(u"C:\\missing\\x.txt", GENERIC_READ, OPEN_EXISTING), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
    EXPECT_EQ(Open(u"C:\\nothing.txt", GENERIC_READ, OPEN_EXISTING), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
}

TEST(SetFileAttributesW, ReadOnlyRefusesWritesAndDeletion) {
    kxtest::TestPrefix prefix;
    prefix.WriteFile("drive_c/model.DAT", "text");
    ASSERT_TRUE(SetFileAttributesW(u"C:\\model.dat", FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(GetFileAttributesW(u"C:\\MODEL.DAT") & FILE_ATTRIBUTE_READONLY,
              FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(Open(u"C:\\model.dat", GENERIC_WRITE, OPEN_EXISTING), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    EXPECT_FALSE(DeleteFileW(u"C:\\model.dat"));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);

    ASSERT_TRUE(SetFileAttributesW(u"C:\\model.dat", FILE_ATTRIBUTE_NORMAL));
    EXPECT_EQ(GetFileAttributesW(u"C:\\model.dat") & FILE_ATTRIBUTE_READONLY, 0u);
    HANDLE file = Open(u"C:\\model.dat", GENERIC_WRITE, OPEN_EXISTING);
    EXPECT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    EXPECT_TRUE(DeleteFileW(u"C:\\model.dat"));
    EXPECT_EQ(GetFileAttributesW(u"C:\\model.dat"), INVALID_FILE_ATTRIBUTES);
}

TEST(FindFirstFileW, MatchesWildcardsIgnoringCase) {
    kxtest::TestPrefix prefix;
    prefix.WriteFile("drive_c/FormOver/a.OVL", "1");
    prefix.WriteFile("drive_c/FormOver/B.ovl", "22");
    prefix.WriteFile("drive_c/FormOver/c.OVS", "3");
    WIN32_FIND_DATAW data{};
    HANDLE search = FindFirstFileW(u"C:\\formover\\*.ovl", &data);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    std::set<std::u16string> names;
    do {
        names.insert(data.cFileName);
    } while (FindNextFileW(search, &data));
    EXPECT_EQ(GetLastError(), ERROR_NO_MORE_FILES);
    EXPECT_TRUE(FindClose(search));
    EXPECT_EQ(names, (std::set<std::u16string>{u"a.OVL", u"B.ovl"}));
    EXPECT_EQ(FindFirstFileW(u"C:\\FormOver\\*.xyz", &data), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
}

TEST(Directories, CreateRemoveAndDriveTypes) {
    kxtest::TestPrefix prefix;
    EXPECT_TRUE(CreateDirectoryW(u"C:\\Data", nullptr));
    EXPECT_FALSE(CreateDirectoryW(u"C:\\data", nullptr));
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    EXPECT_FALSE(CreateDirectoryW(u"C:\\no\\such", nullptr));
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
    EXPECT_TRUE(GetFileAttributesW(u"C:\\DATA") & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_TRUE(RemoveDirectoryW(u"C:\\data"));

    EXPECT_EQ(GetDriveTypeW(u"C:\\"), DRIVE_FIXED);
    EXPECT_EQ(GetDriveTypeW(u"d:\\"), DRIVE_NO_ROOT_DIR);
    prefix.WriteFile("drive_d/x", "");
    EXPECT_EQ(GetDriveTypeW(u"D:\\"), DRIVE_FIXED);
    EXPECT_EQ(GetLogicalDrives(), (1u << 2) | (1u << 3));
}

TEST(GetTempPathW, IsPrivateToTheUserAndReportsSizes) {
    kxtest::TestPrefix prefix;
    WCHAR small[4];
    const DWORD needed = GetTempPathW(4, small);
    ASSERT_GT(needed, 4u);
    std::u16string buffer(needed, u'#');
    EXPECT_EQ(GetTempPathW(needed, buffer.data()), needed - 1);
    const std::u16string temp = buffer.c_str();
    EXPECT_EQ(temp.rfind(u"C:\\users\\", 0), 0u);
    EXPECT_EQ(temp.back(), u'\\');
    EXPECT_TRUE(GetFileAttributesW(temp.c_str()) & FILE_ATTRIBUTE_DIRECTORY);

    WCHAR first[MAX_PATH];
    WCHAR second[MAX_PATH];
    EXPECT_NE(GetTempFileNameW(temp.c_str(), u"Kx", 0, first), 0u);
    EXPECT_NE(GetTempFileNameW(temp.c_str(), u"Kx", 0, second), 0u);
    EXPECT_NE(std::u16string(first), std::u16string(second));
    EXPECT_NE(GetFileAttributesW(first), INVALID_FILE_ATTRIBUTES) << "the name is reserved";
    EXPECT_EQ(GetTempFileNameW(temp.c_str(), u"Kxyz", 0x1AB, first), 0x1ABu);
    EXPECT_EQ(std::u16string(first), temp + u"Kxy1AB.TMP");
}

TEST(NullDevice, SwallowsWrites) {
    kxtest::TestPrefix prefix;
    HANDLE sink = Open(u"NUL:", GENERIC_WRITE, OPEN_EXISTING);
    ASSERT_NE(sink, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    EXPECT_TRUE(WriteFile(sink, "abc", 3, &written, nullptr));
    EXPECT_EQ(written, 3u);
    CloseHandle(sink);
}

} // namespace
