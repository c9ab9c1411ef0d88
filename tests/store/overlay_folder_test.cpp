// The overlay folder: the stored one when it exists, else "FormOver" on the
// first fixed disk, else the last drive root.
#include "store/overlay_folder.h"

#include "platform/base/text.h"
#include "tests/store/store_fixture.h"

#include <filesystem>
#include <optional>

namespace {

namespace fs = std::filesystem;
using kx::Utf16ToUtf8;
using kxtest::StoreTest;

using OverlayFolderTest = StoreTest;

TEST_F(OverlayFolderTest, LoadChoosesTheStoredFolderOrTheFirstFixedDisk) {
    struct Row {
        const char* label;
        const char* drives;         // drive letters whose folders exist
        const char* stored;         // nullptr: nothing stored
        const char* existingFolder; // made below the prefix root first
        const char* existingFile;
        const char* expected;
        const char* createdFolder; // must exist afterwards below the prefix root
    };
    constexpr Row kRows[] = {
        {"stored folder exists", "c", "C:\\Forms\\Mine", "drive_c/Forms/Mine", nullptr,
         "C:\\Forms\\Mine", nullptr},
        {"stored folder is missing", "c", "C:\\Gone", nullptr, nullptr, "c:\\FormOver",
         "drive_c/FormOver"},
        {"stored path is a file", "c", "C:\\form.ovl", nullptr, "drive_c/form.ovl", "c:\\FormOver",
         "drive_c/FormOver"},
        {"nothing stored", "c", nullptr, nullptr, nullptr, "c:\\FormOver", "drive_c/FormOver"},
        {"empty text stored", "c", "", nullptr, nullptr, "c:\\FormOver", "drive_c/FormOver"},
        {"fallback folder exists already", "c", nullptr, "drive_c/FormOver", nullptr,
         "c:\\FormOver", "drive_c/FormOver"},
        {"c is tried before d", "dc", nullptr, nullptr, nullptr, "c:\\FormOver",
         "drive_c/FormOver"},
        {"only drive e", "e", nullptr, nullptr, nullptr, "e:\\FormOver", "drive_e/FormOver"},
        {"drive z is never tried", "z", nullptr, nullptr, nullptr, "y:\\", nullptr},
        {"no fixed disk", "", "C:\\Gone", nullptr, nullptr, "y:\\", nullptr},
    };
    for (const Row& row : kRows) {
        kxtest::TestPrefix prefix;
        fs::remove_all(prefix.DriveC());
        for (const char* letter = row.drives; *letter != 0; ++letter)
            fs::create_directories(prefix.root() + "/drive_" + *letter);
        if (row.existingFolder != nullptr)
            fs::create_directories(prefix.root() + "/" + row.existingFolder);
        if (row.existingFile != nullptr)
            prefix.WriteFile(row.existingFile, "overlay");
        if (row.stored != nullptr)
            SetText({}, kx::kOverlaysDirValue.name, kx::Utf8ToUtf16(row.stored));

        EXPECT_EQ(Utf16ToUtf8(kx::store::LoadOverlayFolder()), row.expected) << row.label;
        if (row.createdFolder != nullptr) {
            EXPECT_TRUE(fs::is_directory(prefix.root() + "/" + row.createdFolder)) << row.label;
        }
        const auto stored = GetRaw({}, kx::kOverlaysDirValue.name);
        EXPECT_EQ(stored.has_value(), row.stored != nullptr)
            << row.label << ": the fallback was written back";
    }
}

TEST_F(OverlayFolderTest, SavedFolderIsLoadedBackUpToItsLimit) {
    struct Row {
        const char* label;
        size_t nameLength; // of the last folder level, after "C:\"
        bool loadedBack;
    };
    // "C:\" and the name: 129 characters fit the 260-byte read, 130 do not.
    constexpr Row kRows[] = {
        {"short", 5, true},
        {"exactly at the limit", 126, true},
        {"one past the limit", 127, false},
    };
    for (const Row& row : kRows) {
        const std::string name(row.nameLength, 'f');
        fs::create_directories(m_prefix.DriveC() + "/" + name);
        const std::u16string folder = u"C:\\" + kx::Utf8ToUtf16(name);
        kx::store::SaveOverlayFolder(folder);
        const auto raw = GetRaw({}, kx::kOverlaysDirValue.name);
        ASSERT_TRUE(raw.has_value()) << row.label;
        EXPECT_EQ(raw->type, REG_SZ) << row.label;
        EXPECT_EQ(raw->bytes.size(), (folder.size() + 1) * 2) << row.label;
        const std::u16string loaded = kx::store::LoadOverlayFolder();
        EXPECT_EQ(loaded == folder, row.loadedBack) << row.label << ": " << Utf16ToUtf8(loaded);
    }
}

} // namespace
