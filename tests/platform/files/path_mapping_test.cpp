// Windows paths in the prefix: normalisation, case-insensitive lookup and
// attempts to climb out of a drive.
#include "platform/files/path_mapping.h"

#include "platform/base/text.h"
#include "platform/files/file_api.h"
#include "tests/support/test_prefix.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <vector>

namespace {

TEST(NormalizeWindowsPath, AppliesWindowsRules) {
    struct Case {
        std::u16string path;
        std::u16string expected; // empty: refused
    };
    const Case cases[] = {
        {u"C:\\a\\b", u"C:\\a\\b"},
        {u"c:/a/b/", u"C:\\a\\b"},
        {u"C:\\a\\.\\b\\..\\c", u"C:\\a\\c"},
        {u"C:\\..\\..\\etc\\passwd", u"C:\\etc\\passwd"},
        {u"C:", u"C:\\"},
        {u"\\windows", u"C:\\windows"},
        {u"relative\\file.txt", u"C:\\relative\\file.txt"},
        {u"C:\\name. \\x", u"C:\\name\\x"},
        {u"\\\\?\\C:\\long", u"C:\\long"},
        {u"\\\\server\\share\\x", u""},
        {u"C:\\bad|name", u""},
        {u"C:\\a\\wild*", u""},
        {u"", u""},
    };
    for (const auto& c : cases) {
        const auto normalized = kx::NormalizeWindowsPath(c.path);
        EXPECT_EQ(normalized.value_or(u""), c.expected) << kx::Utf16ToUtf8(c.path);
    }
    EXPECT_EQ(
        kx::NormalizeWindowsPath(u"C:\\a\\*.OVL", kx::Wildcards::AllowInLastName).value_or(u""),
        u"C:\\a\\*.OVL");
}

TEST(ToUnixPath, FindsExistingNamesInAnyCase) {
    kxtest::TestPrefix prefix;
    prefix.WriteFile("drive_c/Windows/System32/Spool/DRIVERS/model.INI", "x");
    const auto path = kx::ToUnixPath(u"c:\\windows\\system32\\spool\\drivers\\MODEL.ini");
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(*path, prefix.DriveC() + "/Windows/System32/Spool/DRIVERS/model.INI");

    const auto fresh = kx::ToUnixPath(u"C:\\WINDOWS\\NewFolder\\New.txt");
    ASSERT_TRUE(fresh.has_value());
    EXPECT_EQ(*fresh, prefix.DriveC() + "/Windows/NewFolder/New.txt");
}

TEST(ToUnixPath, MatchesAccentedNamesIgnoringCaseAndKeepsAsciiApartFromThem) {
    kxtest::TestPrefix prefix;
    prefix.WriteFile("drive_c/Daten/\xC3\x9C"
                     "bersicht.INI",
                     "x"); // "Übersicht.INI"
    prefix.WriteFile("drive_c/Daten/plain.ini", "x");
    const auto accented = kx::ToUnixPath(u"C:\\daten\\\u00FC"
                                         u"BERSICHT.ini");
    ASSERT_TRUE(accented.has_value());
    EXPECT_EQ(*accented, prefix.DriveC() + "/Daten/\xC3\x9C"
                                           "bersicht.INI");
    const auto plain = kx::ToUnixPath(u"C:\\DATEN\\PLAIN.INI");
    ASSERT_TRUE(plain.has_value());
    EXPECT_EQ(*plain, prefix.DriveC() + "/Daten/plain.ini");
    // An ASCII name never matches a name that only folds to it.
    const auto other = kx::ToUnixPath(u"C:\\Daten\\Ubersicht.ini");
    ASSERT_TRUE(other.has_value());
    EXPECT_EQ(*other, prefix.DriveC() + "/Daten/Ubersicht.ini");
}

TEST(ToUnixPath, NeverLeavesTheDrive) {
    kxtest::TestPrefix prefix;
    prefix.WriteFile("secret.txt", "outside the drive");
    for (const char16_t* attempt : {u"C:\\..\\secret.txt", u"C:\\a\\..\\..\\..\\secret.txt",
                                    u"..\\..\\secret.txt", u"C:/../../../../etc/passwd"}) {
        const auto path = kx::ToUnixPath(attempt);
        ASSERT_TRUE(path.has_value()) << kx::Utf16ToUtf8(attempt);
        EXPECT_EQ(path->rfind(prefix.DriveC() + "/", 0), 0u) << *path;
    }
    std::filesystem::create_directory_symlink(prefix.root(), prefix.DriveC() + "/escape");
    DWORD error = 0;
    EXPECT_FALSE(kx::ToUnixPath(u"C:\\escape\\secret.txt", kx::Wildcards::Refuse, &error));
    EXPECT_EQ(error, ERROR_ACCESS_DENIED);
    EXPECT_FALSE(kx::ToUnixPath(u"D:\\x", kx::Wildcards::Refuse, &error)) << "D: is not mapped";
    EXPECT_EQ(error, ERROR_PATH_NOT_FOUND);
}

TEST(ToUnixPath, RefusesEveryLinkOutOfTheDriveWhetherItsTargetExistsOrNot) {
    namespace fs = std::filesystem;
    kxtest::TestPrefix prefix;
    prefix.WriteFile("outside/existing.txt", "outside the drive");
    const std::string outside = prefix.root() + "/outside";
    const std::string drive = prefix.DriveC();
    fs::create_directories(drive + "/in");
    struct Row {
        const char* label;
        const char* link;   // below drive C:
        std::string target; // absolute, or relative to the link's folder
        const char16_t* path;
        bool refused;
    };
    const Row rows[] = {
        {"to an existing file outside", "in/existing", outside + "/existing.txt",
         u"C:\\in\\existing", true},
        {"dangling, outside", "in/dangling", outside + "/new.txt", u"C:\\in\\dangling", true},
        {"dangling, relative, outside", "in/relative", "../../outside/relative.txt",
         u"C:\\in\\relative", true},
        {"dangling folder outside, a file below it", "in/folder", outside + "/missing",
         u"C:\\in\\folder\\new.txt", true},
        {"a chain that ends outside", "in/chain", "dangling", u"C:\\in\\chain", true},
        {"a loop", "in/loop", "loop", u"C:\\in\\loop", true},
        {"a name that climbs out of a missing folder", "in/climb", "missing/../../../outside/x",
         u"C:\\in\\climb", true},
        {"dangling, inside the drive", "in/inside", drive + "/in/later.txt", u"C:\\in\\inside",
         false},
        {"relative, inside the drive", "in/sibling", "../sibling.txt", u"C:\\in\\sibling", false},
    };
    for (const Row& row : rows)
        fs::create_symlink(row.target, drive + "/" + row.link);
    for (const Row& row : rows) {
        DWORD error = 0;
        const auto path = kx::ToUnixPath(row.path, kx::Wildcards::Refuse, &error);
        EXPECT_EQ(!path.has_value(), row.refused) << row.label;
        if (row.refused) {
            EXPECT_EQ(error, static_cast<DWORD>(ERROR_ACCESS_DENIED)) << row.label;
        }
        const std::u16string name(row.path);
        const HANDLE file = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        EXPECT_EQ(file == INVALID_HANDLE_VALUE, row.refused) << row.label;
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
    }
    std::vector<std::string> outsideNames;
    for (const auto& entry : fs::directory_iterator(outside))
        outsideNames.push_back(entry.path().filename().string());
    EXPECT_EQ(outsideNames, std::vector<std::string>{"existing.txt"}) << "nothing new outside";
    EXPECT_EQ(prefix.ReadFile("outside/existing.txt"), "outside the drive");
}

TEST(ToUnixPath, NullDeviceIsASink) {
    kxtest::TestPrefix prefix;
    for (const char16_t* name : {u"NUL", u"nul:", u"\\\\.\\NUL"})
        EXPECT_EQ(kx::ToUnixPath(name).value_or(""), "/dev/null");
}

TEST(ToWindowsPath, NamesFilesOfTheDrivesAndMarksOthers) {
    kxtest::TestPrefix prefix;
    prefix.WriteFile("drive_c/Dir/File.txt", "x");
    EXPECT_EQ(kx::ToWindowsPath(prefix.DriveC() + "/Dir/File.txt"), u"C:\\Dir\\File.txt");
    EXPECT_EQ(kx::ToWindowsPath(prefix.DriveC()), u"C:\\");
    EXPECT_EQ(kx::ToWindowsPath("/usr/lib"), u"Z:\\usr\\lib");
}

} // namespace
