// Power-save labels from the model's texts, the selected time, and the
// status monitor's switch.
#include "utilities/power_save_list.h"

#include "tests/utilities/utility_fixture.h"

#include <map>

namespace {

using Texts = std::map<std::u16string, std::u16string>;

kx::PageTextReader Reader(const Texts& texts) {
    return [&texts](std::u16string_view key, std::u16string_view defaultText) {
        const auto found = texts.find(std::u16string(key));
        return found != texts.end() && !found->second.empty() ? found->second
                                                              : std::u16string(defaultText);
    };
}

TEST(PowerSaveEntries, OwnLabelElseTheModelsFormatElseTheKey) {
    struct Case {
        const char* label;
        Texts texts;
        const char16_t* expected; // label of 15 minutes
    };
    const Case cases[] = {
        {"own label",
         {{u"15 Minutes", u"Quarter hour"}, {u"%d Minutes", u"%d Min."}},
         u"Quarter hour"},
        {"the model's format", {{u"%d Minutes", u"%d Min."}}, u"15 Min."},
        {"the key as format", {}, u"15 Minutes"},
        {"hostile format: one number, nothing written",
         {{u"%d Minutes", u"%s%n%d %x"}},
         u"15%n%d %x"},
    };
    const int32_t minutes[] = {5, 15};
    for (const Case& c : cases) {
        const auto entries = kx::PowerSaveEntries(minutes, Reader(c.texts));
        ASSERT_EQ(entries.size(), 2u) << c.label;
        EXPECT_EQ(entries[1].minutes, 15) << c.label;
        EXPECT_EQ(kx::Utf16ToUtf8(entries[1].label), kx::Utf16ToUtf8(c.expected)) << c.label;
    }
}

TEST(PowerSaveSelection, ClampedIntoTheListWithTheModelsDefaultForZero) {
    struct Case {
        const char* label;
        int32_t devmode;
        std::vector<int32_t> list;
        std::optional<int32_t> modelDefault;
        std::optional<int32_t> expected;
    };
    const Case cases[] = {
        {"listed", 15, {5, 15, 60}, {}, 15},
        {"below the range", 1, {5, 15, 60}, {}, 5},
        {"above the range", 240, {5, 15, 60}, {}, 60},
        {"zero clamps to the smallest", 0, {5, 15, 60}, 15, 5},
        {"inside the range, not listed", 30, {5, 15, 60}, 15, std::nullopt},
        {"zero inside an unordered list", 0, {15, 0, 60}, 15, 0},
        {"empty list", 15, {}, 5, std::nullopt},
        {"zero not listed: 5 when the model has no default", 0, {-5, 5, 10}, std::nullopt, 5},
        {"zero not listed: the model's default", 0, {-5, 5, 10}, 10, 10},
        {"zero not listed, default not listed either", 0, {-5, 5, 10}, 7, std::nullopt},
    };
    for (const Case& c : cases) {
        const auto selected = kx::PowerSaveSelection(c.devmode, c.list, c.modelDefault);
        EXPECT_EQ(selected, c.expected) << c.label << ": got " << selected.value_or(-999);
    }
}

class StatusMonitor : public kxtest::UtilityFixture {};

TEST_F(StatusMonitor, SwitchIsReadWhenPresent) {
    EXPECT_EQ(kx::StatusMonitorEnabled(u"Laser"), std::nullopt);
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, u"Software\\Kestim\\Laser", 0, nullptr, 0,
                              KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const DWORD on = 1;
    RegSetValueExW(key, u"SMEnabled", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&on), sizeof on);
    RegCloseKey(key);
    EXPECT_EQ(kx::StatusMonitorEnabled(u"Laser"), 1u);
    EXPECT_EQ(kx::StatusMonitorEnabled(u""), std::nullopt);
}

} // namespace
