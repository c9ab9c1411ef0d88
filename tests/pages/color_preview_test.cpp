// The colour pictures: which photograph, its fallback, and the colour
// adjustment by table and per pixel.
#include "pages/color_preview.h"

#include "tests/pages/preview_fixture.h"
#include "tests/platform/gdi/canvas.h"

namespace {

TEST(BrightnessContrastTable, TheFormulaAtTheEdges) {
    struct Row {
        const char* label;
        int brightness;
        int contrast;
        bool equalizer;
        int input;
        int output;
    };
    const Row rows[] = {
        {"middle sliders", 50, 50, false, 77, 77},
        {"brightest, dark input", 100, 50, false, 0, 51},
        {"brightest clamps", 100, 50, false, 250, 255},
        {"darkest clamps", 0, 50, false, 0, 0},
        {"darkest", 0, 50, false, 100, 49},
        {"flattest black", 50, 0, false, 0, 25},
        {"flattest white", 50, 0, false, 255, 230},
        {"flattest middle", 50, 0, false, 127, 127},
        {"steepest middle", 50, 100, false, 128, 128},
        {"steepest dark clamps", 50, 100, false, 0, 0},
        {"steepest", 50, 100, false, 100, 93},
        {"steepest light clamps", 50, 100, false, 255, 255},
        {"equalizer keeps values", 100, 0, true, 100, 100},
    };
    for (const Row& row : rows) {
        kx::ColourSliders sliders;
        sliders.brightness = row.brightness;
        sliders.contrast = row.contrast;
        sliders.equalizer = row.equalizer;
        const int value = kx::BrightnessContrastTable(sliders)[static_cast<size_t>(row.input)];
        EXPECT_EQ(value, row.output) << row.label;
    }
}

TEST(ShiftPixel, SaturationAndColourSliders) {
    struct Row {
        const char* label;
        int saturation;
        int red;
        kx::Rgb input;
        kx::Rgb output;
    };
    const Row rows[] = {
        {"middle", 50, 50, {200, 100, 0}, {200, 100, 0}},
        {"more red", 50, 100, {100, 100, 100}, {132, 100, 100}},
        {"less red clamps", 50, 0, {10, 100, 100}, {0, 100, 100}},
        {"saturated", 100, 50, {200, 100, 0}, {216, 97, 0}},
        {"washed out", 0, 50, {200, 100, 0}, {184, 103, 23}},
    };
    for (const Row& row : rows) {
        kx::ColourSliders sliders;
        sliders.saturation = row.saturation;
        sliders.red = row.red;
        const kx::Rgb out = kx::ShiftPixel(row.input, sliders);
        EXPECT_EQ(out, row.output)
            << row.label << ": " << out.red << "," << out.green << "," << out.blue;
    }
    kx::ColourSliders sliders;
    EXPECT_FALSE(kx::ShiftsColours(sliders));
    sliders.red = sliders.cyan = 70;
    EXPECT_FALSE(kx::ShiftsColours(sliders)) << "opposite sliders that match leave the colours";
    sliders.saturation = 60;
    EXPECT_TRUE(kx::ShiftsColours(sliders));
    sliders.equalizer = true;
    EXPECT_FALSE(kx::ShiftsColours(sliders));
}

TEST(PictureIndex, ColourAndMatchingPictures) {
    struct Row {
        const char* label;
        std::vector<std::pair<const char*, int>> fields;
        int referenceRegional;
        int colour;
        int matching;
    };
    const Row rows[] = {
        {"grey portrait", {}, 0, 0, 4},
        {"colour portrait", {{"iGrayMode", 1}}, 0, 1, 4},
        {"grey landscape", {{"dmOrientation", 2}}, 0, 2, 4},
        {"colour landscape", {{"iGrayMode", 1}, {"dmOrientation", 2}}, 0, 3, 4},
        {"colour matching 2", {{"iICMColorMatching", 2}, {"iRGBColor", 1}}, 0, 0, 6},
        {"RGB colour 3", {{"iRGBColor", 3}}, 0, 0, 10},
        {"regional table changed", {{"jRegionalTable", 2}}, 0, 0, 13},
        {"regional table kept", {{"jRegionalTable", 2}}, 2, 0, 4},
        {"settings radio 2, no table", {{"jColorSettingsRadio", 2}}, 0, 0, 11},
    };
    for (const Row& row : rows) {
        std::array<BYTE, kx::kDevmodeSize> record{};
        std::array<BYTE, kx::kDevmodeSize> reference{};
        for (const auto& [field, value] : row.fields)
            kx::WriteNumber(record.data(), *kx::FindDevmodeField(field), value);
        kx::WriteNumber(reference.data(), kx::FieldNamed("jRegionalTable"), row.referenceRegional);
        EXPECT_EQ(kx::ColourPictureIndex(record.data()), row.colour) << row.label;
        EXPECT_EQ(kx::MatchingPictureIndex(record.data(), reference.data()), row.matching)
            << row.label;
    }
}

class ColorPreviewTest : public kxtest::PreviewFixture {};

TEST_F(ColorPreviewTest, LandscapeFallsBackToThePortraitPicture) {
    WritePicture("C.Bmp", 20, 20, RGB(0, 0, 200));
    kx::CColorPreview preview;
    Attach(preview, 100, 100);
    Set("iGrayMode", 1);
    Set("dmOrientation", 2);
    preview.SetDevmode(record.data());
    EXPECT_EQ(preview.pictureIndex(), 1) << "C2.Bmp is missing, C.Bmp stands in";
    kxtest::Rendered picture(preview.m_hWnd);
    EXPECT_EQ(picture.At(50, 50), RGB(0, 0, 200));
    Set("iGrayMode", 0);
    preview.SetDevmode(record.data());
    EXPECT_EQ(preview.pictureIndex(), kx::kNoPicture) << "neither G2.Bmp nor G.Bmp";
}

TEST_F(ColorPreviewTest, TheAdjustPreviewAppliesTheSlidersToTheOriginalPixels) {
    WritePicture("C.Bmp", 8, 8, RGB(100, 100, 100));
    kx::CAdjustPreview preview;
    Attach(preview, 100, 100);
    Set("iGrayMode", 1);
    Set("dmOrientation", 2);
    for (const char* slider : {"iBrightness", "iContrast", "iSaturation", "iRed", "iGreen", "iBlue",
                               "iCyan", "iMagenta", "iYellow"})
        Set(slider, 50);
    preview.SetDevmode(record.data());
    EXPECT_EQ(preview.pictureIndex(), 1) << "always the portrait picture";
    EXPECT_EQ(preview.PicturePixel(3, 3), RGB(100, 100, 100));
    Set("iBrightness", 100);
    preview.SetDevmode(record.data());
    EXPECT_EQ(preview.PicturePixel(3, 3), RGB(151, 151, 151))
        << kxtest::Hex(preview.PicturePixel(3, 3));
    Set("iRed", 100);
    preview.SetDevmode(record.data());
    EXPECT_EQ(preview.PicturePixel(3, 3), RGB(183, 151, 151))
        << "from the original, not the last result";
    EXPECT_EQ(kxtest::Rendered(preview.m_hWnd).At(50, 50), RGB(183, 151, 151));
}

} // namespace
