// Owner-drawn list entries with pictures: which picture each entry gets, and
// that the pictures and colour swatches are drawn into the rendered list.
#include "framework/icon_combo_box.h"

#include "framework/color_combo.h"
#include "tests/framework/combo_dialog.h"
#include "tests/platform/gdi/canvas.h"
#include "tests/support/rendered_window.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using kx::CIconComboBox;
using kx::EntryIcon;
using kx::IconFamily;

TEST(CIconComboBox, EachEntryGetsThePictureOfWhatItIs) {
    struct Row {
        const char* label;
        IconFamily family;
        WORD value;
        EntryIcon icon;
    };
    const Row rows[] = {
        {"A4", IconFamily::PaperSize, 9, EntryIcon::Paper},
        {"Envelope #9, the first envelope", IconFamily::PaperSize, 19, EntryIcon::Envelope},
        {"Envelope #14, the last of the run", IconFamily::PaperSize, 23, EntryIcon::Envelope},
        {"after the run", IconFamily::PaperSize, 24, EntryIcon::Paper},
        {"Envelope DL", IconFamily::PaperSize, 27, EntryIcon::Envelope},
        {"Envelope Monarch", IconFamily::PaperSize, 37, EntryIcon::Envelope},
        {"Japanese envelope", IconFamily::PaperSize, 71, EntryIcon::Envelope},
        {"PRC envelope rotated", IconFamily::PaperSize, 118, EntryIcon::Envelope},
        {"a custom paper", IconFamily::PaperSize, 257, EntryIcon::Paper},
        {"tray 1", IconFamily::PaperSource, 1, EntryIcon::Tray},
        {"the envelope feeder", IconFamily::PaperSource, 5, EntryIcon::Envelope},
        {"an optional tray", IconFamily::PaperSource, 257, EntryIcon::Tray},
        {"a paper type", IconFamily::PaperType, 3, EntryIcon::Media},
        {"envelope media is media", IconFamily::PaperType, 20, EntryIcon::Media},
        {"an output bin", IconFamily::OutputBin, 5, EntryIcon::Tray},
    };
    for (const Row& row : rows)
        EXPECT_EQ(CIconComboBox::IconFor(row.family, row.value), row.icon) << row.label;
}

bool Near(COLORREF a, COLORREF b) {
    return std::abs(GetRValue(a) - GetRValue(b)) < 24 &&
           std::abs(GetGValue(a) - GetGValue(b)) < 24 && std::abs(GetBValue(a) - GetBValue(b)) < 24;
}

/// Where the selected entry's picture goes: the start of the closed box.
RECT PictureArea(const RECT& combo) {
    return RECT{combo.left + 2, combo.top + 2, combo.left + 24, combo.top + 18};
}

TEST(CIconComboBox, RenderedListShowsThePictureOfTheSelectedEntry) {
    CIconComboBox box;
    kxtest::ComboDialog dialog(box);
    box.SetIconFamily(IconFamily::PaperSource);
    box.AddItem(u"Tray 1", 1);
    box.AddItem(u"Envelope Feeder", 5);
    box.AddItem(u"Locked Tray", 2, kx::Availability::Unavailable);
    struct Row {
        const char* label;
        int position;
        COLORREF fill;
        int atLeast;
    };
    const Row rows[] = {
        {"a tray", 0, CIconComboBox::kTrayFill, 20},
        {"the envelope feeder", 1, CIconComboBox::kEnvelopeFill, 20},
        {"an unavailable tray is greyed", 2, RGB(200, 200, 200), 20},
    };
    for (const Row& row : rows) {
        box.SetCurSel(row.position);
        const kxtest::Rendered picture(dialog.window());
        const RECT area = PictureArea(dialog.ComboRect());
        const int filled = picture.Count(area, [&](COLORREF c) { return Near(c, row.fill); });
        EXPECT_GE(filled, row.atLeast) << row.label << ": " << filled << " pixels of the fill";
        if (row.position != 2) {
            const int trayPixels =
                picture.Count(area, [](COLORREF c) { return Near(c, CIconComboBox::kTrayFill); });
            EXPECT_EQ(trayPixels > 0, row.fill == CIconComboBox::kTrayFill) << row.label;
        }
    }
}

TEST(CIconComboBox, EveryPictureDrawsItsOutlineAndFill) {
    CIconComboBox box;
    kxtest::ComboDialog dialog(box);
    box.SetIconFamily(IconFamily::PaperSize);
    box.AddItem(u"A4", 9);
    box.AddItem(u"Envelope DL", 27);
    struct Row {
        const char* label;
        IconFamily family;
        int index;
        COLORREF fill;
    };
    const Row rows[] = {
        {"paper", IconFamily::PaperSize, 0, CIconComboBox::kPaperFill},
        {"envelope", IconFamily::PaperSize, 1, CIconComboBox::kEnvelopeFill},
        {"tray", IconFamily::OutputBin, 0, CIconComboBox::kTrayFill},
        {"media", IconFamily::PaperType, 0, CIconComboBox::kMediaFill},
    };
    for (const Row& row : rows) {
        box.SetIconFamily(row.family);
        kxtest::Canvas canvas(160, 20, RGB(10, 200, 10));
        DRAWITEMSTRUCT item{ODT_COMBOBOX,
                            kxtest::kComboId,
                            static_cast<UINT>(row.index),
                            ODA_DRAWENTIRE,
                            0,
                            box,
                            canvas.dc(),
                            RECT{0, 0, 160, 20},
                            0};
        box.DrawItem(item);
        const RECT picture{2, 2, 18, 18};
        int outline = 0;
        int fill = 0;
        for (int y = picture.top; y < picture.bottom; ++y) {
            for (int x = picture.left; x < picture.right; ++x) {
                outline += canvas.At(x, y) == RGB(0, 0, 0) ? 1 : 0;
                fill += canvas.At(x, y) == row.fill ? 1 : 0;
            }
        }
        EXPECT_GE(outline, 16) << row.label;
        EXPECT_GE(fill, 16) << row.label;
    }
}

TEST(CColorCombo, SwatchesShowTheColourInTheChosenShade) {
    kx::CColorCombo box;
    kxtest::ComboDialog dialog(box);
    box.AddItem(u"Red", 2);
    box.AddItem(u"Blue", 6);
    struct Row {
        const char* label;
        int position;
        int shade;
        COLORREF swatch;
    };
    const Row rows[] = {
        {"red, darkest", 0, 0, RGB(255, 0, 0)},
        {"red, medium", 0, 2, RGB(255, 128, 128)},
        {"blue, light", 1, 3, RGB(192, 192, 255)},
        {"a shade beyond the table is the lightest", 1, 9, RGB(224, 224, 255)},
    };
    for (const Row& row : rows) {
        box.SetShade(row.shade);
        box.SetCurSel(row.position);
        const kxtest::Rendered picture(dialog.window());
        const RECT combo = dialog.ComboRect();
        const RECT area{combo.left + 2, combo.top + 2, combo.left + 40, combo.top + 18};
        const int swatch = picture.Count(area, [&](COLORREF c) { return c == row.swatch; });
        EXPECT_GE(swatch, 30) << row.label << ": " << swatch << " pixels";
    }
}

} // namespace
