// Fixed value lists: texts from the page's section of the string file,
// filtered rows, availability and clamping on refresh; and the fixed tables
// of text marks (styles, colours and shades).
#include "framework/value_list.h"

#include "framework/color_combo.h"
#include "framework/font_style.h"
#include "platform/base/text.h"
#include "tests/framework/combo_dialog.h"
#include "tests/framework/page_fixture.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

using kx::ValueText;

constexpr std::array<ValueText, 3> kScaling = {{
    {u"None", 6},
    {u"Fit to Page", 4},
    {u"Reduce/Enlarge", 5},
}};

std::vector<std::string> Texts(const kx::CKxComboBox& box) {
    std::vector<std::string> texts;
    for (int i = 0; i < box.GetCount(); ++i)
        texts.push_back(kx::Utf16ToUtf8(box.GetLBText(i)));
    return texts;
}

class ValueListTest : public kxtest::PageFixture {
protected:
    void SetUp() override {
        WriteModel("[Common]\nNone=Common None\n"
                   "[Paper Dialog]\nNone=Keine\nFit to Page=Seite anpassen\nReduce/Enlarge=\n",
                   kSettings);
    }
    kx::TextStore& strings() { return kx::TheApp().stringFile; }
};

TEST_F(ValueListTest, TextsComeFromThePagesSectionWithTheEnglishTextAsDefault) {
    strings().SelectSection(u"Layout Dialog");
    struct Row {
        const char* label;
        const char16_t* section;
        std::vector<std::string> texts;
    };
    const Row rows[] = {
        {"the page's section; an empty text is not used",
         u"Paper Dialog",
         {"Keine", "Seite anpassen", "Reduce/Enlarge"}},
        {"a section without the keys",
         u"Graphics Dialog",
         {"None", "Fit to Page", "Reduce/Enlarge"}},
        {"a missing section is not the common one",
         u"Nothing Dialog",
         {"None", "Fit to Page", "Reduce/Enlarge"}},
    };
    for (const Row& row : rows) {
        std::vector<std::string> texts;
        for (const std::u16string& text : kx::LocalisedTexts(kScaling, strings(), row.section))
            texts.push_back(kx::Utf16ToUtf8(text));
        EXPECT_EQ(texts, row.texts) << row.label;
    }
    EXPECT_EQ(strings().section(), u"Layout Dialog") << "the selected section is kept";
}

TEST_F(ValueListTest, FillTakesTheRowsTheFilterListsInTableOrder) {
    kx::CKxComboBox box;
    kxtest::ComboDialog dialog(box);
    struct Row {
        const char* label;
        kx::ValuePredicate listed;
        std::vector<std::string> texts;
    };
    const Row rows[] = {
        {"every row", {}, {"Keine", "Seite anpassen", "Reduce/Enlarge"}},
        {"without None", [](WORD v) { return v != 6; }, {"Seite anpassen", "Reduce/Enlarge"}},
        {"none listed", [](WORD) { return false; }, {}},
    };
    for (const Row& row : rows) {
        const int added = kx::FillValueList(box, kScaling, strings(), u"Paper Dialog", row.listed);
        EXPECT_EQ(Texts(box), row.texts) << row.label;
        EXPECT_EQ(added, static_cast<int>(row.texts.size())) << row.label;
    }
    kx::FillValueList(box, kScaling, strings(), u"Paper Dialog");
    EXPECT_EQ(box.ValueAt(0), 6);
    EXPECT_EQ(box.ValueAt(2), 5);
}

TEST_F(ValueListTest, ShowValueMarksUnavailableEntriesAndClampsValuesTheListLacks) {
    constexpr std::array<ValueText, 4> kSeparators = {{
        {u"No Separator", 0},
        {u"Printed Separator", 1},
        {u"Blank Separator", 2},
        {u"Colored Separator", 3},
    }};
    kx::CKxComboBox box;
    kxtest::ComboDialog dialog(box);
    kx::FillValueList(box, kSeparators, strings(), u"Paper Dialog");
    const auto notBlank = [](WORD v) { return v != 2; };
    struct Row {
        const char* label;
        WORD stored;
        kx::ValuePredicate available;
        std::optional<WORD> shown;
    };
    const Row rows[] = {
        {"a listed value", 1, {}, 1},
        {"above the list clamps to the last", 7, {}, 3},
        {"far above", 0xFFFF, {}, 3},
        {"an unavailable value the settings hold is shown", 2, notBlank, 2},
        {"clamping skips unavailable entries", 7, [](WORD v) { return v < 2; }, 1},
    };
    for (const Row& row : rows)
        EXPECT_EQ(kx::ShowValue(box, row.stored, row.available), row.shown) << row.label;
    kx::ShowValue(box, 0, notBlank);
    EXPECT_FALSE(box.IsAvailable(2));
    EXPECT_TRUE(box.IsAvailable(3));
    kx::ShowValue(box, 0);
    EXPECT_TRUE(box.IsAvailable(2)) << "a later refresh offers it again";
    box.ResetContent();
    EXPECT_EQ(kx::ShowValue(box, 1), std::nullopt) << "an empty list shows nothing";
}

TEST(FontStyle, StyleValuesMapWeightAndItalic) {
    struct Row {
        const char* label;
        kx::FontStyle font;
        WORD style;
    };
    const Row rows[] = {
        {"regular", {400, false}, 0},         {"bold", {700, false}, 1},
        {"italic", {400, true}, 2},           {"bold italic", {700, true}, 3},
        {"699 is not bold", {699, false}, 0}, {"700 is bold", {700, false}, 1},
        {"heavy is bold", {900, true}, 3},    {"zero weight is regular", {0, false}, 0},
    };
    for (const Row& row : rows)
        EXPECT_EQ(kx::StyleOf(row.font), row.style) << row.label;
    for (const ValueText& row : kx::kFontStyles)
        EXPECT_EQ(kx::StyleOf(kx::FontOfStyle(row.value)), row.value) << "round trip";
    EXPECT_EQ(kx::FontOfStyle(7), (kx::FontStyle{700, true})) << "higher bits are ignored";
}

TEST(CColorCombo, ColourTableLookups) {
    using kx::CColorCombo;
    using kx::ColourChoice;
    struct Row {
        const char* label;
        COLORREF colour;
        bool colourModel;
        ColourChoice found;
    };
    const Row rows[] = {
        {"black", 0x000000, true, {1, 0}},
        {"medium red", 0x8080FF, true, {2, 2}},
        {"lightest magenta", 0xFFE0FF, true, {7, 4}},
        {"a colour outside the table", 0x123456, true, {1, 2}},
        {"the unoffered grey row is not found", 0x3F3F3F, true, {1, 2}},
        {"mono model keeps the first colour", 0x4040FF, false, {1, 1}},
        {"mono model, unknown colour", 0x010203, false, {1, 2}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(CColorCombo::FindColour(row.colour, row.colourModel), row.found) << row.label;

    struct Reference {
        const char* label;
        ColourChoice choice;
        COLORREF colour;
    };
    const Reference references[] = {
        {"new watermark on a mono model", {1, 2}, 0x808080},
        {"cyan, dark", {5, 1}, 0xFFFF40},
        {"row 0 exists", {0, 4}, 0xD8D8D8},
        {"row beyond the table is clamped", {9, 0}, 0xFF00FF},
        {"negative shade is clamped", {2, -3}, 0x0000FF},
        {"shade beyond the table is clamped", {3, 12}, 0xE0FFFF},
    };
    for (const Reference& r : references)
        EXPECT_EQ(CColorCombo::ColourReference(r.choice), r.colour) << r.label;
    // Every offered cell is found where it is.
    for (const ValueText& colour : kx::kColourNames) {
        for (int shade = 0; shade < kx::kShadeCount; ++shade) {
            const COLORREF reference = CColorCombo::ColourReference({colour.value, shade});
            EXPECT_EQ(CColorCombo::FindColour(reference, true), (ColourChoice{colour.value, shade}))
                << "colour " << colour.value << " shade " << shade;
        }
    }
}

} // namespace
