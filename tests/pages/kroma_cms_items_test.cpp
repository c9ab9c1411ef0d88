// Kroma CMS item codes: their word and bits, codes refused safely, values
// read and written without touching the neighbouring items, and the lists
// that offer a check box.
#include "pages/kroma_cms_items.h"

#include "devmode/devmode_record.h"

#include <gtest/gtest.h>

#include <array>

namespace {

TEST(KromaCmsBits, NamesTheWordAndShiftOfEachCode) {
    const struct {
        int code;
        int word;
        int shift;
    } cases[] = {{11, 0, 14}, {18, 0, 0}, {21, 1, 14}, {51, 4, 14}, {58, 4, 0}};
    for (const auto& c : cases) {
        const auto bits = kx::KromaCmsBits(c.code);
        ASSERT_TRUE(bits.has_value()) << c.code;
        EXPECT_EQ(bits->word, c.word) << c.code;
        EXPECT_EQ(bits->shift, c.shift) << c.code;
    }
}

TEST(KromaCmsBits, RefusesCodesWithoutTwoBitsOfAWord) {
    for (const int code : {0, 4, 10, 19, 20, 29, 59, 60, 61, 99, -11, 2147483647})
        EXPECT_FALSE(kx::KromaCmsBits(code).has_value()) << code;
}

TEST(KromaCmsItems, WriteOnlyTheirOwnTwoBits) {
    std::array<BYTE, kx::kDevmodeSize> devmode{};
    kx::WriteNumber(devmode.data(), kx::FieldNamed("KromaCMS[0]"), 0xFFFF);
    kx::WriteKromaItem(devmode.data(), 12, 0);
    EXPECT_EQ(kx::ReadNumber(devmode.data(), kx::FieldNamed("KromaCMS[0]")), 0xCFFF);
    EXPECT_EQ(kx::ReadKromaItem(devmode.data(), 12), 0);
    EXPECT_EQ(kx::ReadKromaItem(devmode.data(), 11), 3);
    kx::WriteKromaItem(devmode.data(), 51, 1);
    EXPECT_EQ(kx::ReadNumber(devmode.data(), kx::FieldNamed("KromaCMS[4]")), 0x4000);
    const auto before = devmode;
    kx::WriteKromaItem(devmode.data(), 19, 1);
    kx::WriteKromaItem(devmode.data(), 60, 1);
    EXPECT_EQ(devmode, before) << "a refused code writes nothing";
    EXPECT_FALSE(kx::ReadKromaItem(devmode.data(), 9).has_value());
}

TEST(KromaCmsItems, OfferTheListsWithANonZeroFirstNumberAtMostTen) {
    kx::ModelProfile profile;
    profile.GraphicsKromaCMS[0] = {1, 11, 12};
    profile.GraphicsKromaCMS[1] = {0, 21, 22};
    profile.GraphicsKromaCMS[4] = {2};
    const auto items = kx::OfferedKromaItems(profile);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].list, 1);
    EXPECT_EQ(items[0].grayCode, 12);
    EXPECT_EQ(items[1].list, 5);
    EXPECT_EQ(items[1].colourCode, 0) << "a missing code is not available";
    for (auto& list : profile.GraphicsKromaCMS)
        list = {1, 11, 11};
    EXPECT_EQ(kx::OfferedKromaItems(profile).size(), 10u);
}

} // namespace
