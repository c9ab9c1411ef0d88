// Writing profile files: where lines go, deletions, encodings kept, the
// read-only attribute, atomic replacement and the cache seeing changes.
#include "platform/profile/profile_api.h"

#include "platform/base/text.h"
#include "platform/files/file_api.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <thread>

namespace {

std::string Utf16File(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

TEST(WritePrivateProfileString, PlacesAndRemovesLines) {
    struct Row {
        const char* label;
        std::string before; // 8-bit, so the file stays 8-bit
        const char16_t* section;
        const char16_t* key;
        const char16_t* value;
        std::string after;
    } rows[] = {
        {"existing key rewritten in place, spelling kept", "[App]\r\nKEY = old\r\nother=1\r\n",
         u"app", u"key", u"new", "[App]\r\nKEY=new\r\nother=1\r\n"},
        {"new key after the section's last key", "[A]\r\nk1=1\r\n;c\r\n[B]\r\nk=2\r\n", u"A", u"k2",
         u"v", "[A]\r\nk1=1\r\nk2=v\r\n;c\r\n[B]\r\nk=2\r\n"},
        {"new key in a section without keys", "[A]\r\n;c\r\n[B]\r\n", u"A", u"k", u"v",
         "[A]\r\nk=v\r\n;c\r\n[B]\r\n"},
        {"new section at the end", "[A]\r\nk=1", u"B", u"k", u"2", "[A]\r\nk=1\r\n[B]\r\nk=2\r\n"},
        {"first of duplicate keys", "[A]\r\nk=1\r\nk=2\r\n", u"A", u"K", u"3",
         "[A]\r\nk=3\r\nk=2\r\n"},
        {"spaces around names dropped", "[X]\r\n", u"  A ", u" k  ", u" v ",
         "[X]\r\n[A]\r\nk= v \r\n"},
        {"empty value", "[A]\r\nk=1\r\n", u"A", u"k", u"", "[A]\r\nk=\r\n"},
        {"NULL value deletes the key", "[A]\r\nk=1\r\nj=2\r\n", u"A", u"K", nullptr,
         "[A]\r\nj=2\r\n"},
        {"header stays when its last key goes", "[A]\r\nk=1\r\n[B]\r\n", u"A", u"k", nullptr,
         "[A]\r\n[B]\r\n"},
        {"NULL key deletes the section, comments stay",
         "[A]\r\nk=1\r\n;note\r\nplain\r\n[B]\r\nj=2\r\n", u"a", nullptr, nullptr,
         ";note\r\n[B]\r\nj=2\r\n"},
        {"deleting a missing key changes nothing", "[A]\nk=1", u"A", u"x", nullptr, "[A]\nk=1"},
        {"deleting a missing section changes nothing", "[A]\nk=1", u"Z", nullptr, nullptr,
         "[A]\nk=1"},
    };
    for (const auto& row : rows) {
        kxtest::TestPrefix prefix;
        prefix.WriteFile("drive_c/w.ini", row.before);
        EXPECT_TRUE(WritePrivateProfileStringW(row.section, row.key, row.value, u"C:\\w.ini"))
            << row.label;
        EXPECT_EQ(prefix.ReadFile("drive_c/w.ini"), row.after) << row.label;
    }
}

TEST(WritePrivateProfileString, NewFilesAreUtf16AndEncodingsAreKept) {
    kxtest::TestPrefix prefix;
    ASSERT_TRUE(WritePrivateProfileStringW(u"Sec", u"key", u"value", u"C:\\new.ini"));
    EXPECT_EQ(prefix.ReadFile("drive_c/new.ini"), Utf16File(u"[Sec]\r\nkey=value\r\n"));

    struct Row {
        const char* label;
        std::string before;
        const char16_t* value;
        std::string after;
    } rows[] = {
        {"UTF-16 stays UTF-16", Utf16File(u"[S]\r\nk=1\r\n"), u"\u6f22",
         Utf16File(u"[S]\r\nk=1\r\nj=\u6f22\r\n")},
        {"UTF-8 stays UTF-8", "[S]\r\nk=\xC3\xA9\r\n", u"\u20ac",
         "[S]\r\nk=\xC3\xA9\r\nj=\xE2\x82\xAC\r\n"},
        {"UTF-8 keeps its mark", "\xEF\xBB\xBF[S]\r\nk=1\r\n", u"2",
         "\xEF\xBB\xBF[S]\r\nk=1\r\nj=2\r\n"},
        {"Windows-1252 stays 8-bit", "[S]\r\nk=\xE9\r\nj=1\r\n", u"\u20ac",
         "[S]\r\nk=\xE9\r\nj=\x80\r\n"},
        {"Windows-1252 that cannot hold the text becomes UTF-8", "[S]\r\nk=\xE9\r\nj=1\r\n",
         u"\u6f22", "[S]\r\nk=\xC3\xA9\r\nj=\xE6\xBC\xA2\r\n"},
    };
    for (const auto& row : rows) {
        prefix.WriteFile("drive_c/enc.ini", row.before);
        EXPECT_TRUE(WritePrivateProfileStringW(u"S", u"j", row.value, u"C:\\enc.ini")) << row.label;
        EXPECT_EQ(prefix.ReadFile("drive_c/enc.ini"), row.after) << row.label;
    }
}

TEST(WritePrivateProfileString, RefusesWhatItMustNotWrite) {
    kxtest::TestPrefix prefix;
    prefix.WriteFile("drive_c/ro.ini", "[S]\r\nk=1\r\n");
    ASSERT_TRUE(SetFileAttributesW(u"C:\\ro.ini", FILE_ATTRIBUTE_READONLY));
    struct Row {
        const char* label;
        const char16_t* section;
        const char16_t* key;
        const char16_t* file;
        DWORD error;
    } rows[] = {
        {"read-only file", u"S", u"k", u"C:\\ro.ini", ERROR_ACCESS_DENIED},
        {"missing folder", u"S", u"k", u"C:\\no\\such\\x.ini", ERROR_PATH_NOT_FOUND},
        {"empty file name", u"S", u"k", u"", ERROR_ACCESS_DENIED},
        {"NULL section with a key", nullptr, u"k", u"C:\\other.ini", ERROR_FILE_NOT_FOUND},
    };
    for (const auto& row : rows) {
        SetLastError(0);
        EXPECT_FALSE(WritePrivateProfileStringW(row.section, row.key, u"2", row.file)) << row.label;
        EXPECT_EQ(GetLastError(), row.error) << row.label;
    }
    EXPECT_EQ(prefix.ReadFile("drive_c/ro.ini"), "[S]\r\nk=1\r\n");
    EXPECT_EQ(access((prefix.DriveC() + "/other.ini").c_str(), F_OK), -1);
    // Once the attribute is cleared the write goes through.
    ASSERT_TRUE(SetFileAttributesW(u"C:\\ro.ini", FILE_ATTRIBUTE_NORMAL));
    EXPECT_TRUE(WritePrivateProfileStringW(u"S", u"k", u"2", u"C:\\ro.ini"));
    EXPECT_EQ(GetPrivateProfileIntW(u"S", u"k", 0, u"C:\\ro.ini"), 2u);
}

TEST(WritePrivateProfileSection, ReplacesTheSectionsLines) {
    kxtest::TestPrefix prefix;
    prefix.WriteFile("drive_c/s.ini", "[A]\r\nold=1\r\n;keep\r\n[B]\r\nb=1\r\n");
    ASSERT_TRUE(WritePrivateProfileSectionW(u"A", u"x=1\0y=2\0", u"C:\\s.ini"));
    ASSERT_TRUE(WritePrivateProfileSectionW(u"C", u"z=3\0", u"C:\\s.ini"));
    EXPECT_EQ(prefix.ReadFile("drive_c/s.ini"),
              "[A]\r\nx=1\r\ny=2\r\n;keep\r\n[B]\r\nb=1\r\n[C]\r\nz=3\r\n");
}

TEST(ProfileCache, SeesChangesMadeBehindItsBack) {
    kxtest::TestPrefix prefix;
    prefix.WriteFile("drive_c/c.ini", "[S]\r\nk=1\r\n");
    EXPECT_EQ(GetPrivateProfileIntW(u"S", u"k", 0, u"C:\\c.ini"), 1u);
    // Same size, same inode: only the modification time tells.
    prefix.WriteFile("drive_c/c.ini", "[S]\r\nk=2\r\n");
    const std::string path = prefix.DriveC() + "/c.ini";
    const timespec times[2] = {{0, UTIME_OMIT}, {1000, 123456789}};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    EXPECT_EQ(GetPrivateProfileIntW(u"S", u"k", 0, u"C:\\c.ini"), 2u);
    // Replaced by another file.
    prefix.WriteFile("drive_c/c2.ini", "[S]\r\nk=3\r\n");
    ASSERT_EQ(rename((prefix.DriveC() + "/c2.ini").c_str(), path.c_str()), 0);
    EXPECT_EQ(GetPrivateProfileIntW(u"S", u"k", 0, u"C:\\c.ini"), 3u);
    // Removed, then made again under another case.
    ASSERT_EQ(unlink(path.c_str()), 0);
    EXPECT_EQ(GetPrivateProfileIntW(u"S", u"k", 9, u"C:\\c.ini"), 9u);
    prefix.WriteFile("drive_c/C.INI", "[S]\r\nk=4\r\n");
    EXPECT_EQ(GetPrivateProfileIntW(u"S", u"k", 0, u"C:\\c.ini"), 4u);
}

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    if (DIR* dir = opendir(folder.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            if (entry->d_name[0] != '.' || std::string(entry->d_name).size() > 2)
                names.emplace_back(entry->d_name);
        }
        closedir(dir);
    }
    return names;
}

TEST(WritePrivateProfileString, AFailedWriteLeavesTheOldFileWhole) {
    kxtest::TestPrefix prefix;
    const std::string before = "[S]\r\nk=1\r\n";
    prefix.WriteFile("drive_c/a.ini", before);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The disk "fills" after 4 KB: the temporary file cannot be written.
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        const std::u16string big(20000, u'x');
        const BOOL written = WritePrivateProfileStringW(u"S", u"k", big.c_str(), u"C:\\a.ini");
        _exit(written ? 1 : (GetLastError() == ERROR_DISK_FULL ? 0 : 2));
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: the write claimed success, 2: wrong error";
    EXPECT_EQ(prefix.ReadFile("drive_c/a.ini"), before);
    EXPECT_EQ(FolderEntries(prefix.DriveC()), std::vector<std::string>{"a.ini"});
}

TEST(WritePrivateProfileString, TheNextWriteRemovesTemporariesOfAKilledWriter) {
    kxtest::TestPrefix prefix;
    const std::u16string large(400000, u'x');
    for (int round = 0; round < 8; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;)
                WritePrivateProfileStringW(u"S", u"k", large.c_str(), u"C:\\a.ini");
        }
        usleep(static_cast<useconds_t>(3000 + round * 1700));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
    // What a killed writer leaves, beside names that only look alike.
    prefix.WriteFile("drive_c/.a.ini.Q7zK2p", "stale");
    prefix.WriteFile("drive_c/.a.ini.longer1", "not a temporary of a.ini");
    prefix.WriteFile("drive_c/.b.ini.Q7zK2p", "a temporary of another file");
    ASSERT_TRUE(WritePrivateProfileStringW(u"S", u"k", u"1", u"C:\\a.ini"));
    std::vector<std::string> left = FolderEntries(prefix.DriveC());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{".a.ini.longer1", ".b.ini.Q7zK2p", "a.ini"}));
}

TEST(WritePrivateProfileString, ReadersNeverSeeAHalfWrittenFile) {
    kxtest::TestPrefix prefix;
    const std::u16string small = u"1";
    const std::u16string large(200000, u'2');
    ASSERT_TRUE(WritePrivateProfileStringW(u"S", u"k", small.c_str(), u"C:\\r.ini"));
    const std::string smallFile = prefix.ReadFile("drive_c/r.ini");
    ASSERT_TRUE(WritePrivateProfileStringW(u"S", u"k", large.c_str(), u"C:\\r.ini"));
    const std::string largeFile = prefix.ReadFile("drive_c/r.ini");
    std::atomic<bool> done = false;
    std::atomic<int> torn = 0;
    std::thread reader([&] {
        while (!done) {
            const std::string seen = prefix.ReadFile("drive_c/r.ini");
            if (seen != smallFile && seen != largeFile)
                ++torn;
        }
    });
    for (int i = 0; i < 40; ++i)
        ASSERT_TRUE(
            WritePrivateProfileStringW(u"S", u"k", (i % 2 ? large : small).c_str(), u"C:\\r.ini"));
    done = true;
    reader.join();
    EXPECT_EQ(torn.load(), 0);
}

TEST(WritePrivateProfileString, TwoProcessesWritingOneFileLoseNoKey) {
    kxtest::TestPrefix prefix;
    constexpr int kWriters = 2;
    constexpr int kKeys = 40;
    ASSERT_TRUE(WritePrivateProfileStringW(u"S", u"start", u"1", u"C:\\shared.ini"));
    pid_t children[kWriters];
    for (int writer = 0; writer < kWriters; ++writer) {
        children[writer] = fork();
        ASSERT_GE(children[writer], 0);
        if (children[writer] == 0) {
            int failures = 0;
            for (int i = 0; i < kKeys; ++i) {
                const std::u16string key =
                    kx::Utf8ToUtf16("w" + std::to_string(writer) + "k" + std::to_string(i));
                if (!WritePrivateProfileStringW(u"S", key.c_str(), u"v", u"C:\\shared.ini"))
                    ++failures;
            }
            _exit(failures == 0 ? 0 : 1);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a writer failed";
    }
    WCHAR keys[4096];
    const DWORD length =
        GetPrivateProfileStringW(u"S", nullptr, u"", keys, 4096, u"C:\\shared.ini");
    int count = 0;
    for (DWORD i = 0; i < length; ++i)
        count += keys[i] == u'\0';
    EXPECT_EQ(count, 1 + kWriters * kKeys);
}

} // namespace
