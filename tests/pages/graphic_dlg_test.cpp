// The Graphics page bound in a host window over a model written into the
// prefix: the resolution radios and their labels, the draft and poster
// rules, the toner-save values, colour or grayscale and the locked colour
// rows.
#include "tests/pages/graphic_fixture.h"

namespace {

using GraphicDlgPage = kxtest::GraphicPageFixture;

TEST_F(GraphicDlgPage, OnlySixHundredOffersOneRadioWithTheTablesName) {
    Open("Graphics600Res=1\n");
    EXPECT_EQ(page->resolutionEntries(), std::vector<int>{11});
    EXPECT_TRUE(Visible(kx::kFirstResolutionId));
    EXPECT_EQ(Text(kx::kFirstResolutionId), u"600 dpi");
    EXPECT_TRUE(Checked(kx::kFirstResolutionId));
    for (int i = 1; i < kx::kResolutionRadioCount; ++i)
        EXPECT_FALSE(Visible(kx::kFirstResolutionId + i)) << i;
    EXPECT_EQ(Text(kx::kResolutionCaptionId), u"Resolution");
}

TEST_F(GraphicDlgPage, LabelsComeFromTheStringFileAndQualityNamesAColourModelsGroup) {
    Open("Graphics1200Res=1\nGraphics600Res=1\nGraphicsColorMode=1\n"
         "GraphicsResolutionStringAlways=0\nGraphicsResolutionStringIndex=7,8\n",
         "ResolutionString7=Fine\nResolutionString8=\n");
    EXPECT_EQ(page->resolutionEntries(), (std::vector<int>{3, 11}));
    EXPECT_EQ(Text(kx::kFirstResolutionId), u"Fine");
    EXPECT_EQ(Text(kx::kFirstResolutionId + 1), u"600 dpi") << "an empty text keeps the label";
    EXPECT_EQ(Text(kx::kResolutionCaptionId), u"Quality");
}

TEST_F(GraphicDlgPage, DraftStoresTonerSaveTwoAndEveryOtherEntryOne) {
    Open("Graphics600Res=1\nGraphicsDraftRes=1\nGraphicsTonerMode=0\n");
    ASSERT_EQ(page->resolutionEntries(), (std::vector<int>{11, 24}));
    EXPECT_EQ(Text(kx::kFirstResolutionId + 1), u"Draft");
    Click(kx::kFirstResolutionId + 1);
    EXPECT_EQ(Working("iTonerSave"), 2);
    EXPECT_EQ(Working("dmPrintQuality"), 600);
    EXPECT_EQ(Working("iResolution"), 600);
    Click(kx::kFirstResolutionId);
    EXPECT_EQ(Working("iTonerSave"), 1);
    page->RefreshControls();
    EXPECT_TRUE(Checked(kx::kFirstResolutionId));
}

TEST_F(GraphicDlgPage, APosterDisablesTheTwelveHundredRadiosAndMovesTheSelection) {
    Set("dmPrintQuality", 1200);
    Set("iResolution", 1200);
    Open("Graphics1200Res=1\nGraphics600Res=1\n");
    ASSERT_EQ(page->resolutionEntries(), (std::vector<int>{3, 11}));
    EXPECT_TRUE(Checked(kx::kFirstResolutionId));
    EXPECT_TRUE(Enabled(kx::kFirstResolutionId));

    SetWorking("iPoster", 1);
    page->RefreshControls();
    EXPECT_FALSE(Enabled(kx::kFirstResolutionId));
    EXPECT_FALSE(Checked(kx::kFirstResolutionId));
    EXPECT_TRUE(Checked(kx::kFirstResolutionId + 1)) << "moved to the 600 entry";
    EXPECT_EQ(OptionTip(kx::kFirstResolutionId), kx::BuiltInReasonText(kx::kPosterResolutionTip));
    EXPECT_EQ(OptionTip(kx::kFirstResolutionId + 1), u"");
    page->SaveControls();
    EXPECT_EQ(Working("dmPrintQuality"), 600);

    SetWorking("iPoster", 0);
    page->RefreshControls();
    EXPECT_TRUE(Enabled(kx::kFirstResolutionId));
    EXPECT_EQ(OptionTip(kx::kFirstResolutionId), u"") << "the tip goes with the poster";
}

TEST_F(GraphicDlgPage, TonerSaveRadiosMapToTheirStoredValues) {
    Open("Graphics600Res=1\nGraphicsTonerMode=1\n");
    ASSERT_TRUE(Visible(kx::kFirstTonerId));
    const struct {
        int radio;
        int stored;
    } rows[] = {{0, 0}, {1, 2}, {2, 1}};
    for (const auto& row : rows) {
        Click(kx::kFirstTonerId + row.radio);
        EXPECT_EQ(Working("iTonerSave"), row.stored) << "radio " << row.radio;
        SetWorking("iTonerSave", row.stored);
        page->RefreshControls();
        EXPECT_TRUE(Checked(kx::kFirstTonerId + row.radio)) << "stored " << row.stored;
    }
    SetWorking("iTonerSave", 7);
    page->RefreshControls();
    EXPECT_TRUE(Checked(kx::kFirstTonerId)) << "a value outside the table shows the first";
}

TEST_F(GraphicDlgPage, GrayscaleWritesGrayModeAndDmColorOnlyWhenItsBitIsSet) {
    Set("iGrayMode", 1);
    Set("dmColor", 2);
    Open("Graphics600Res=1\nGraphicsColorMode=1\n");
    EXPECT_TRUE(Checked(kx::kColourRadioId));
    Click(kx::kGrayscaleRadioId);
    EXPECT_EQ(Working("iGrayMode"), 0);
    EXPECT_EQ(Working("dmColor"), 1);
    SetWorking("dmFields", DM_PRINTQUALITY);
    Click(kx::kColourRadioId);
    EXPECT_EQ(Working("iGrayMode"), 1);
    EXPECT_EQ(Working("dmColor"), 1) << "without DM_COLOR the public field stays";
}

TEST_F(GraphicDlgPage, LockedColourRowsAreDisabledWithTheirTip) {
    Open("Graphics600Res=1\nGraphicsColorMode=1\nGraphicsBlackOnly=1\n");
    SetWorking("bLockedFeatures", 1);
    page->RefreshControls();
    for (const int id : {kx::kColourRadioId, kx::kGrayscaleRadioId, kx::kBlackInkOnlyId}) {
        EXPECT_FALSE(Enabled(id)) << id;
        EXPECT_EQ(OptionTip(id), kx::BuiltInReasonText(kx::kLockedTip)) << id;
    }
    EXPECT_EQ(OptionTip(kx::kCopiesButtonId), u"") << "a hidden row has no tip";
    EXPECT_TRUE(Enabled(kx::kFirstResolutionId));
}

TEST_F(GraphicDlgPage, NegativeTextSettingsAreLeftAlone) {
    Set("iAllTextBlack", -1);
    Set("iDarkenText", 0);
    // Room for the TrueType group: no image modes, no toner radios.
    Open("Graphics600Res=1\nGraphicsDarkenText=1\nGraphicsTrueType=1\nGraphicsTonerMode=0\n"
         "GraphicsImageModePrinter=0\nGraphicsImageModeNormal=0\nGraphicsImageModeText=0\n"
         "GraphicsImageModeImage=0\n");
    ASSERT_TRUE(Visible(kx::kAllTextBlackId));
    Click(kx::kAllTextBlackId);
    Click(kx::kDarkenTextId);
    EXPECT_EQ(Working("iAllTextBlack"), -1);
    EXPECT_EQ(Working("iDarkenText"), 1);
}

TEST_F(GraphicDlgPage, ImageModeShowsOnlyItsKeysAndClampsTheStoredMode) {
    Set("iSrt", 9);
    Open("Graphics600Res=1\nGraphicsImageModePrinter=0\nGraphicsImageModeNormal=1\n"
         "GraphicsImageModeText=0\nGraphicsImageModeImage=1\n");
    EXPECT_FALSE(Visible(kx::kFirstImageModeId));
    EXPECT_TRUE(Visible(kx::kFirstImageModeId + 1));
    EXPECT_TRUE(Checked(kx::kFirstImageModeId + 3)) << "above the last mode shows the last";
    Click(kx::kFirstImageModeId + 1);
    EXPECT_EQ(Working("iSrt"), 1);
}

// Room on the page for darkness and grayscale enhancement beside the colour
// rows.
constexpr const char* kColourDarknessModel =
    "Graphics600Res=1\nGraphicsColorMode=1\nGraphicsDarkness=1\nGraphicsGrayscaleEnh=1\n"
    "GraphicsCopiesSetting=1\nGraphicsRaster=0\nGraphicsTonerMode=0\n"
    "GraphicsImageModePrinter=0\nGraphicsImageModeNormal=0\nGraphicsImageModeText=0\n"
    "GraphicsImageModeImage=0\n";

TEST_F(GraphicDlgPage, ColourModeDisablesTheGrayscaleRowsAndKeepsTheirValues) {
    Set("iGrayMode", 1);
    Set("iHalftorning", 2);
    Set("iPrintDensity", 0);
    Open(kColourDarknessModel);
    ASSERT_TRUE(Visible(kx::kFirstDarknessId));
    ASSERT_TRUE(Visible(kx::kGrayscaleEnhId));
    const int rows[] = {kx::kFirstDarknessId, kx::kFirstDarknessId + 2, kx::kDarknessPictureId,
                        kx::kGrayscaleEnhId};
    for (const int id : rows) {
        EXPECT_FALSE(Enabled(id)) << id;
        EXPECT_EQ(OptionTip(id), kx::BuiltInReasonText(kx::kGrayscaleOnlyTip)) << id;
    }
    // A message reaches a disabled control all the same: nothing is stored.
    Click(kx::kFirstDarknessId + 2);
    page->SaveControls();
    EXPECT_EQ(Working("iPrintDensity"), 0);
    EXPECT_EQ(Working("iHalftorning"), 2) << "not rewritten as 4";

    Click(kx::kGrayscaleRadioId);
    for (const int id : rows) {
        EXPECT_TRUE(Enabled(id)) << id;
        EXPECT_EQ(OptionTip(id), u"") << id;
    }
    Click(kx::kFirstDarknessId + 2);
    EXPECT_EQ(Working("iPrintDensity"), 2);
    EXPECT_EQ(page->darknessPicture().step(), 2) << "the picture follows the step";
    Click(kx::kColourRadioId);
    EXPECT_FALSE(Enabled(kx::kFirstDarknessId)) << "back in colour";
}

TEST_F(GraphicDlgPage, TheDarknessPictureShowsTheStoredStep) {
    const struct {
        int stored;
        int step;
    } cases[] = {{0, 0}, {1, 1}, {2, 2}, {9, 2}};
    Set("iGrayMode", 1);
    Open("Graphics600Res=1\nGraphicsDarkness=1\nGraphicsTonerMode=0\n");
    ASSERT_TRUE(Visible(kx::kDarknessPictureId));
    EXPECT_TRUE(Enabled(kx::kDarknessPictureId)) << "a model without colour prints in grayscale";
    for (const auto& c : cases) {
        SetWorking("iPrintDensity", c.stored);
        page->RefreshControls();
        EXPECT_EQ(page->darknessPicture().step(), c.step) << c.stored;
    }
    EXPECT_EQ(kx::DarknessInk(-3), kx::kDarknessInks[0]);
    EXPECT_EQ(kx::DarknessInk(7), kx::kDarknessInks[2]);
}

TEST_F(GraphicDlgPage, TheCopiesSplitNeedsColour) {
    Set("iGrayMode", 0);
    Open(kColourDarknessModel);
    ASSERT_TRUE(Visible(kx::kCopiesButtonId));
    EXPECT_FALSE(Enabled(kx::kCopiesButtonId));
    EXPECT_EQ(OptionTip(kx::kCopiesButtonId), kx::BuiltInReasonText(kx::kColourCopiesTip));
    Click(kx::kColourRadioId);
    EXPECT_TRUE(Enabled(kx::kCopiesButtonId));
    EXPECT_EQ(OptionTip(kx::kCopiesButtonId), u"");
    SetWorking("bLockedFeatures", 1);
    page->RefreshControls();
    EXPECT_EQ(OptionTip(kx::kCopiesButtonId), kx::BuiltInReasonText(kx::kLockedTip))
        << "the lock explains itself first";
}

} // namespace
