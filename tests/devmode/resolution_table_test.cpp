// The resolution table: a record's entry, writing an entry, the masks that
// offer entries, and the names from the string file.
#include "devmode/resolution_table.h"

#include "platform/base/devmode_public.h"
#include "tests/devmode/record_builder.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using kxtest::Record;

TEST(ResolutionTable, ARecordsEntry) {
    struct Case {
        const char* label;
        int16_t quality;
        uint16_t resolution;
        int16_t tonerSave;
        int32_t draftOffered;
        std::optional<int> expected;
    };
    const Case cases[] = {
        {"resolution 0 counts as the quality", 600, 0, 0, 0, 11},
        {"600 saving toner, draft offered", 600, 600, 2, 1, 24},
        {"600 saving toner, no draft", 600, 600, 2, 0, 11},
        {"draft needs 600 dpi", 1200, 1200, 2, 1, 3},
        {"an enhanced step", 300, 4, 0, 0, 21},
        {"a wide resolution", 1200, 9600, 0, 0, 0},
        {"nothing matches", 150, 150, 0, 0, std::nullopt},
    };
    for (const Case& c : cases) {
        Record record;
        record.Set("dmPrintQuality", c.quality)
            .Set("iResolution", c.resolution)
            .Set("iTonerSave", c.tonerSave);
        kx::ModelProfile profile;
        profile.GraphicsDraftRes = c.draftOffered;
        EXPECT_EQ(kx::CurrentResolution(record.data(), profile), c.expected) << c.label;
    }
}

TEST(ResolutionTable, WritingAnEntryAndReadingItBack) {
    kx::ModelProfile profile;
    profile.GraphicsDraftRes = 1;
    for (int index = 0; index < kx::kResolutionCount; ++index) {
        Record record;
        kx::WriteResolution(record.data(), index);
        EXPECT_EQ(record.Get("dmFields") & DM_PRINTQUALITY, int64_t{DM_PRINTQUALITY}) << index;
        EXPECT_EQ(kx::CurrentResolution(record.data(), profile), index) << index;
        EXPECT_EQ(record.Get("iTonerSave"), index == kx::kDraftResolution ? 2 : 0) << index;
    }
    Record untouched;
    kx::WriteResolution(untouched.data(), 25);
    EXPECT_EQ(untouched.Get("dmFields"), 0);
}

TEST(ResolutionTable, MasksOfferEntriesByTheirPositionBits) {
    struct Case {
        const char* label;
        int32_t res1200, res600, res300, draft;
        std::vector<int> offered;
    };
    const std::vector<Case> cases = {
        {"600 mask 1: position 3", 0, 1, 0, 0, {11}},
        {"600 mask 0x800: position 4", 0, 0x800, 0, 0, {12}},
        {"position 0 is bit 3, position 7 bit 8", 0x108, 0, 0, 0, {0, 7}},
        {"300 mask and draft", 0, 0, 0x3, 1, {18, 19, 24}},
        {"draft needs bit 0", 0, 0, 0, 2, {}},
    };
    for (const Case& c : cases) {
        kx::ModelProfile profile;
        profile.Graphics1200Res = c.res1200;
        profile.Graphics600Res = c.res600;
        profile.Graphics300Res = c.res300;
        profile.GraphicsDraftRes = c.draft;
        EXPECT_EQ(kx::OfferedResolutions(profile), c.offered) << c.label;
    }
}

class MapTexts : public kx::BuiltInResolverTexts {
public:
    std::u16string StringText(std::u16string_view, std::u16string_view key,
                              std::u16string_view fallback, size_t) override {
        const auto found = texts.find(std::u16string(key));
        return found != texts.end() ? found->second : std::u16string(fallback);
    }
    std::map<std::u16string, std::u16string> texts;
};

TEST(ResolutionTable, NamesComeFromTheStringFileByTheProfilesNumbers) {
    kx::ModelProfile profile;
    profile.GraphicsResolutionStringIndex = {3, 1};
    MapTexts texts;
    texts.texts[u"ResolutionString3"] = u"Fine (600 dpi)";
    EXPECT_EQ(kx::ResolutionText(0, profile, texts),
              std::optional<std::u16string>(u"Fine (600 dpi)"));
    EXPECT_EQ(kx::ResolutionText(1, profile, texts), std::nullopt)
        << "an empty text: the caller's label";
    EXPECT_EQ(kx::ResolutionText(2, profile, texts), std::nullopt) << "no number for the position";
}

} // namespace
