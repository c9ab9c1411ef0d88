// The TrueType face list: which faces are listed, which are usable, and the
// choice of a stored or a default face.
#include "framework/face_combo_box.h"

#include "platform/base/text.h"
#include "platform/gdi/gdi.h"
#include "tests/framework/combo_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using kx::CFaceComboBox;
using kx::FaceEntry;
using kx::FontFaceReport;

constexpr DWORD kTrueType = TRUETYPE_FONTTYPE;
constexpr DWORD kRaster = 0x0001;

TEST(CFaceComboBox, FaceEntriesFoldRepeatsAndMarkUnusableFaces) {
    struct Row {
        const char* label;
        std::vector<FontFaceReport> reports;
        BYTE dialogCharSet;
        std::vector<FaceEntry> entries;
    };
    const Row rows[] = {
        {"one face", {{u"Arial", ANSI_CHARSET, kTrueType}}, ANSI_CHARSET, {{u"Arial", true}}},
        {"a repeat right after itself is folded",
         {{u"Arial", ANSI_CHARSET, kTrueType}, {u"Arial", RUSSIAN_CHARSET, kTrueType}},
         ANSI_CHARSET,
         {{u"Arial", true}}},
        {"a later report of the dialog's set makes it usable",
         {{u"Arial", ANSI_CHARSET, kTrueType}, {u"Arial", RUSSIAN_CHARSET, kTrueType}},
         RUSSIAN_CHARSET,
         {{u"Arial", true}}},
        {"another character set only",
         {{u"Mincho", SHIFTJIS_CHARSET, kTrueType}},
         ANSI_CHARSET,
         {{u"Mincho", false}}},
        {"vertical faces are never usable",
         {{u"Mincho", SHIFTJIS_CHARSET, kTrueType}, {u"@Mincho", SHIFTJIS_CHARSET, kTrueType}},
         SHIFTJIS_CHARSET,
         {{u"Mincho", true}, {u"@Mincho", false}}},
        {"a repeat further on is listed again",
         {{u"A", ANSI_CHARSET, kTrueType},
          {u"B", ANSI_CHARSET, kTrueType},
          {u"A", ANSI_CHARSET, kTrueType}},
         ANSI_CHARSET,
         {{u"A", true}, {u"B", true}, {u"A", true}}},
        {"only TrueType faces",
         {{u"Fixedsys", ANSI_CHARSET, kRaster}, {u"Tahoma", ANSI_CHARSET, kTrueType}},
         ANSI_CHARSET,
         {{u"Tahoma", true}}},
        {"a raster face between repeats splits them",
         {{u"A", ANSI_CHARSET, kTrueType},
          {u"R", ANSI_CHARSET, kRaster},
          {u"A", RUSSIAN_CHARSET, kTrueType}},
         ANSI_CHARSET,
         {{u"A", true}}},
        {"a face without a name is left out", {{u"", ANSI_CHARSET, kTrueType}}, ANSI_CHARSET, {}},
        {"no faces", {}, ANSI_CHARSET, {}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(CFaceComboBox::FaceEntries(row.reports, row.dialogCharSet), row.entries)
            << row.label;
}

TEST(CFaceComboBox, StoredAndDefaultFacesAreChosenByExactName) {
    CFaceComboBox box;
    kxtest::ComboDialog dialog(box);
    const std::vector<FaceEntry> withArial{
        {u"@Gothic", false}, {u"Arial", true}, {u"Tahoma", true}};
    const std::vector<FaceEntry> arialUnusable{
        {u"@Gothic", false}, {u"Arial", false}, {u"Tahoma", true}};
    const std::vector<FaceEntry> noneUsable{{u"@Gothic", false}, {u"Mincho", false}};
    struct Row {
        const char* label;
        std::vector<FaceEntry> entries;
        const char16_t* stored;
        int storedPosition;
        int defaultPosition;
    };
    const Row rows[] = {
        {"found", withArial, u"Tahoma", 2, 1},
        {"names compare exactly", withArial, u"tahoma", 0, 1},
        {"not found: the first face", withArial, u"Courier", 0, 1},
        {"an unusable stored face is still shown", withArial, u"@Gothic", 0, 1},
        {"Arial unusable: the first usable face", arialUnusable, u"Arial", 1, 2},
        {"nothing usable: the first face", noneUsable, u"", 0, 0},
        {"an empty list", {}, u"Arial", -1, -1},
    };
    for (const Row& row : rows) {
        box.Fill(row.entries);
        EXPECT_EQ(box.SelectFace(row.stored), row.storedPosition) << row.label;
        EXPECT_EQ(box.SelectDefaultFace(), row.defaultPosition) << row.label;
        const std::u16string expected =
            row.defaultPosition >= 0 ? row.entries[static_cast<size_t>(row.defaultPosition)].name
                                     : std::u16string();
        EXPECT_EQ(box.SelectedFace(), expected) << row.label;
    }
}

TEST(CFaceComboBox, FillListsTheInstalledFacesForTheDialogsFont) {
    CFaceComboBox box;
    kxtest::ComboDialog dialog(box);
    ASSERT_GT(box.Fill(dialog.window()), 0);
    bool arialUsable = false;
    for (int i = 0; i < box.GetCount(); ++i) {
        const std::u16string name = box.GetLBText(i);
        if (i > 0) {
            EXPECT_NE(name, box.GetLBText(i - 1)) << "no face twice in a row";
        }
        if (name.starts_with(u'@')) {
            EXPECT_FALSE(box.IsAvailable(i)) << kx::Utf16ToUtf8(name);
        }
        EXPECT_EQ(box.ValueAt(i),
                  box.IsAvailable(i) ? CFaceComboBox::kUsable : CFaceComboBox::kUnusable);
        if (name == u"Arial")
            arialUsable = box.IsAvailable(i);
    }
    EXPECT_TRUE(arialUsable);
    box.SelectDefaultFace();
    EXPECT_EQ(box.SelectedFace(), u"Arial");
}

} // namespace
