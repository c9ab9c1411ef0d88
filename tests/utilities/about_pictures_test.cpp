// Finding the About pages' pictures: the high-colour picture first on a
// screen of more than 256 colours, the driver's base name before the
// module's, and nothing when no file exists.
#include "utilities/about_pictures.h"

#include "platform/base/text.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

const kx::ModuleFileNames kNames = {u"C:\\D\\", u"ABC123U", u"ABC123"};

struct Row {
    const char* label;
    std::set<std::u16string> files;
    int screenBits;
    const char16_t* expected; ///< null: not found
};

TEST(FindAboutPicture, FollowsTheHighColourRuleInBothPlaces) {
    const Row rows[] = {
        {"high colour screen takes the high-colour picture",
         {u"C:\\D\\ABC123A.bmp", u"C:\\D\\ABC123B.bmp"},
         32,
         u"C:\\D\\ABC123A.bmp"},
        {"a 256-colour screen takes only the normal picture",
         {u"C:\\D\\ABC123A.bmp", u"C:\\D\\ABC123B.bmp"},
         8,
         u"C:\\D\\ABC123B.bmp"},
        {"a 256-colour screen never takes the high-colour one alone",
         {u"C:\\D\\ABC123A.bmp"},
         8,
         nullptr},
        {"16 bits is more than 256 colours", {u"C:\\D\\ABC123A.bmp"}, 16, u"C:\\D\\ABC123A.bmp"},
        {"an absent high-colour picture falls back to the normal one",
         {u"C:\\D\\ABC123B.bmp"},
         32,
         u"C:\\D\\ABC123B.bmp"},
        {"the high-colour picture under the module's name beats the normal one",
         {u"C:\\D\\ABC123UA.bmp", u"C:\\D\\ABC123B.bmp"},
         24,
         u"C:\\D\\ABC123UA.bmp"},
        {"a picture only under the module's own base name is found",
         {u"C:\\D\\ABC123UB.bmp"},
         8,
         u"C:\\D\\ABC123UB.bmp"},
        {"the driver's base name comes first",
         {u"C:\\D\\ABC123B.bmp", u"C:\\D\\ABC123UB.bmp"},
         8,
         u"C:\\D\\ABC123B.bmp"},
        {"found nowhere", {}, 32, nullptr},
    };
    for (const Row& row : rows) {
        std::set<std::u16string> asked;
        const auto found = kx::FindAboutPicture(kNames, {u"B.bmp", u"A.bmp"}, row.screenBits,
                                                [&](const std::u16string& path) {
                                                    asked.insert(path);
                                                    return row.files.count(path) != 0;
                                                });
        if (row.expected == nullptr) {
            EXPECT_FALSE(found.has_value()) << row.label << ": " << kx::Utf16ToUtf8(*found);
            continue;
        }
        ASSERT_TRUE(found.has_value()) << row.label;
        EXPECT_EQ(*found, row.expected) << row.label << ": " << kx::Utf16ToUtf8(*found);
        if (row.screenBits <= 8) {
            EXPECT_EQ(asked.count(u"C:\\D\\ABC123A.bmp"), 0u) << row.label;
        }
    }
}

TEST(FindAboutPicture, APageWithoutAHighColourNameLooksOnlyForTheNormalOne) {
    int asked = 0;
    const auto found =
        kx::FindAboutPicture(kNames, {u".bmp", {}}, 32, [&](const std::u16string& path) {
            ++asked;
            return path == u"C:\\D\\ABC123U.bmp";
        });
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(*found, u"C:\\D\\ABC123U.bmp");
    EXPECT_EQ(asked, 2);
}

} // namespace
