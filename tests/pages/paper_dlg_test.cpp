// Both forms of the Paper page bound over test models: what refresh shows
// from the record, what save writes, and which rows a setting blocks and
// with which tip.
#include "tests/pages/paper_fixture.h"

#include "devmode/reason_texts.h"
#include "pages/paper_values.h"

namespace {

using kxtest::PaperForm;

class PaperDlgTest : public kxtest::PaperPageFixture {
protected:
    void SetWorking(std::string_view field, int64_t value) {
        kx::WriteNumber(page->working(), *kx::FindDevmodeField(field), value);
    }
    std::u16string Reason(int code) {
        return kx::ReasonText(code, kx::TheApp().profile,
                              kx::PrinterTextsFor(kxtest::kPaperPrinter), page->working());
    }
};

TEST_F(PaperDlgTest, PercentageShowsTheStoredRatioOnlyWithinItsRange) {
    Open("PaperERMinPercentage=25\nPaperERMaxPercentage=400\n");
    const struct {
        int64_t stored;
        const char16_t* shown;
    } rows[] = {{24, u"100"},  {25, u"25"},   {250, u"250"},
                {400, u"400"}, {401, u"100"}, {-5, u"100"}};
    for (const auto& row : rows) {
        SetWorking("iERRatio", row.stored);
        page->RefreshControls();
        EXPECT_EQ(Text(kx::kPercentEditId), row.shown) << "iERRatio " << row.stored;
    }
    EXPECT_EQ(Text(kx::kPercentLabelId), u"Percentage (25-400%)");
}

TEST_F(PaperDlgTest, TheLabelsTakeTheModelsLimitsFromTheStringFile) {
    Open("PaperCopiesMaximumNumber=50\nPaperERMinPercentage=50\nPaperERMaxPercentage=200\n",
         PaperForm::Usual,
         "Copies (1-999)=Exemplare (1-%d)\nPercentage (25-400%)=Prozent (%d-%d%%)\n");
    EXPECT_EQ(Text(kx::kCopiesLabelPaperId), u"Exemplare (1-50)");
    EXPECT_EQ(Text(kx::kPercentLabelId), u"Prozent (50-200%)");
    SetWorking("iERRatio", 300);
    page->RefreshControls();
    EXPECT_EQ(Text(kx::kPercentEditId), u"200") << "inside 25-400 but above the model's maximum";
}

TEST_F(PaperDlgTest, ScalingTypeShownFollowsTheRecordAndTheModel) {
    struct Row {
        const char* label;
        bool scaleNone;
        int fitPage;
        int er;
        const char16_t* shown;
    };
    const Row rows[] = {
        {"fit to page", true, 1, 0, u"Fit to Page"},
        {"fit to page wins over a percentage", true, 1, 1, u"Fit to Page"},
        {"a percentage", true, 0, 1, u"Reduce/Enlarge"},
        {"nothing, with None offered", true, 0, 0, u"None"},
        {"nothing, without None", false, 0, 0, u"Reduce/Enlarge"},
    };
    for (const Row& row : rows) {
        Set("iFitPage", row.fitPage);
        Set("iER", row.er);
        Open(row.scaleNone ? "PaperScaleNone=1\n" : "");
        EXPECT_EQ(Selection(kx::kScalingListId), row.shown) << row.label;
        const auto count = SendMessageW(Item(kx::kScalingListId), CB_GETCOUNT, 0, 0);
        EXPECT_EQ(count, row.scaleNone ? 3 : 2) << row.label;
        TearDown();
    }
}

TEST_F(PaperDlgTest, SavingWritesTheScalingFieldsAndThePublicBits) {
    Open("PaperScaleNone=1\n");
    SetWorking("dmFields", 0);
    Choose(kx::kScalingListId, u"Fit to Page");
    Choose(kx::kFitToListId, u"A3");
    EXPECT_EQ(Working("iFitPage"), 1);
    EXPECT_EQ(Working("iER"), 0);
    EXPECT_EQ(Working("iFitPagePaper"), 8);
    EXPECT_EQ(Working("dmFields") & (DM_PAPERSIZE | DM_COPIES | DM_DEFAULTSOURCE),
              DM_PAPERSIZE | DM_COPIES | DM_DEFAULTSOURCE);
    EXPECT_FALSE(Enabled(kx::kPercentEditId));
    Choose(kx::kScalingListId, u"Reduce/Enlarge");
    EXPECT_EQ(Working("iFitPage"), 0);
    EXPECT_EQ(Working("iER"), 1);
    EXPECT_EQ(Working("iFitPagePaper"), 8) << "the target stays while fit to page is off";
    EXPECT_TRUE(Enabled(kx::kPercentEditId));
    EXPECT_FALSE(Enabled(kx::kFitToListId));
}

TEST_F(PaperDlgTest, TheFitToListLeavesOutLargeAndCustomPapersUnlessTheModelTakesThem) {
    Open("[LARGEPAPERNAME]\nPaperIndex=8\n[Common]\n");
    EXPECT_EQ(SendMessageW(Item(kx::kFitToListId), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>(u"A3")),
              CB_ERR);
    EXPECT_NE(SendMessageW(Item(kx::kPaperSizeListId), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>(u"A3")),
              CB_ERR);
    EXPECT_EQ(Selection(kx::kFitToListId), u"A4") << "no target yet: the paper size";
}

TEST_F(PaperDlgTest, TheTypeDecidesBetweenSeparatorAndFirstPage) {
    Open("PaperSeparator=1\nPaperFirstPage=1\n");
    ASSERT_TRUE(Visible(kx::kSeparatorListId));
    ASSERT_TRUE(Visible(kx::kFirstPageListId));
    EXPECT_FALSE(Visible(kx::kAdvancedPaperId));
    EXPECT_FALSE(Enabled(kx::kSeparatorListId));
    EXPECT_EQ(OptionTip(kx::kSeparatorListId), Reason(kx::kSeparatorTip));
    EXPECT_FALSE(OptionTip(kx::kSeparatorListId).empty());
    EXPECT_TRUE(Enabled(kx::kFirstPageListId));

    Choose(kx::kPaperTypeListId, u"Transparency");
    EXPECT_EQ(Working("iPaperType"), 3);
    EXPECT_TRUE(Enabled(kx::kSeparatorListId));
    EXPECT_TRUE(OptionTip(kx::kSeparatorListId).empty());
    EXPECT_FALSE(Enabled(kx::kFirstPageListId));
}

TEST_F(PaperDlgTest, AdvancedFeaturesMoveSeparatorAndFirstPageOffThePage) {
    Open("PaperSeparator=1,2\nPaperFirstPage=1\n");
    EXPECT_FALSE(Visible(kx::kSeparatorListId));
    EXPECT_FALSE(Visible(kx::kFirstPageListId));
    EXPECT_TRUE(Visible(kx::kAdvancedPaperId));
}

TEST_F(PaperDlgTest, TheFirstPageListStartsWithNoneOrSameAsSource) {
    Open("PaperFirstPage=1\n");
    EXPECT_EQ(Selection(kx::kFirstPageListId), u"None");
    EXPECT_EQ(SendMessageW(Item(kx::kFirstPageListId), CB_GETCOUNT, 0, 0), 4)
        << "None, the automatic source, tray 1 and manual feed (no lower tray fitted)";
    TearDown();
    Open("PaperFirstPage=1\nPaperFirstPageNoAuto=1\n");
    EXPECT_EQ(Selection(kx::kFirstPageListId), u"Same As Source");
    EXPECT_EQ(SendMessageW(Item(kx::kFirstPageListId), CB_GETCOUNT, 0, 0), 3)
        << "no automatic source";
    Choose(kx::kFirstPageListId, u"Manual Feed");
    EXPECT_EQ(Working("wCoverSource"), 4);
    EXPECT_EQ(Working("iDiffPaper"), 1);
}

TEST_F(PaperDlgTest, LockedSourceAndTypeRowsCarryTheLockTip) {
    Set("bLockedFeatures", kx::kSourceLockBit | kx::kTypeLockBit);
    Open("");
    EXPECT_FALSE(Enabled(kx::kPaperSourceListId));
    EXPECT_FALSE(Enabled(kx::kPaperTypeListId));
    EXPECT_EQ(OptionTip(kx::kPaperSourceListId), Reason(kx::kLockedRowTip));
    EXPECT_EQ(OptionTip(kx::kPaperTypeListId), Reason(kx::kLockedRowTip));
    EXPECT_TRUE(Enabled(kx::kPaperSizeListId));
}

TEST_F(PaperDlgTest, LayoutFeaturesAndTheTurnedPageBlockTheScalingGroup) {
    struct Row {
        const char* label;
        const char* profile;
        const char* field;
        int value;
        int paper;
        std::optional<int> tip;
    };
    const Row rows[] = {
        {"a poster, layout type none offered", "LayoutTypeNone=1\n", "iPoster", 1, 9,
         kx::kScalingNoLayoutTypeTip},
        {"a poster", "", "iPoster", 1, 9, kx::kScalingLayoutTip},
        {"a poster on a large paper", "[LARGEPAPERNAME]\nPaperIndex=9\n[Common]\n", "iPoster", 1, 9,
         std::nullopt},
        {"pages per side", "", "iNup", 2, 9, kx::kScalingLayoutTip},
        {"pages per side that fit to page takes", "LayoutFitToPage=1\n", "iNup", 2, 9,
         std::nullopt},
        {"a turned envelope", "LayoutRotate=1\nRotatePapers=20\n", "iRotate", 90, 20,
         kx::kScalingRotatedTip},
        {"a turned paper the model does not turn", "LayoutRotate=1\nRotatePapers=20\n", "iRotate",
         90, 9, std::nullopt},
    };
    for (const Row& row : rows) {
        Set(row.field, row.value);
        Set("dmPaperSize", row.paper);
        Open(row.profile);
        EXPECT_EQ(Enabled(kx::kScalingListId), !row.tip.has_value()) << row.label;
        if (row.tip) {
            EXPECT_EQ(OptionTip(kx::kScalingListId), Reason(*row.tip)) << row.label;
        }
        TearDown();
        Set(row.field, 0);
    }
}

TEST_F(PaperDlgTest, BlankPrefixedTraysAreSavedIntoBothSourceFields) {
    Open("");
    EXPECT_EQ(Selection(kx::kPaperSourceListId), u"Tray 1") << "shown without the blank";
    Choose(kx::kPaperSourceListId, u"Manual Feed");
    EXPECT_EQ(Working("dmDefaultSource"), 4);
    EXPECT_EQ(Working("sDefaultSource"), 4);
    EXPECT_EQ(SendMessageW(Item(kx::kPaperSourceListId), CB_FINDSTRINGEXACT,
                           static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(u"Tray 2")),
              CB_ERR)
        << "the lower tray only with the model's key or a fitted tray";
}

TEST_F(PaperDlgTest, ASourceTheListLacksShowsTheDefaultRecordsSource) {
    Set("dmDefaultSource", 5); // an envelope feeder that is not fitted
    Open("");
    kx::WriteNumber(page->defaults(), kx::FieldNamed("dmDefaultSource"), 4);
    page->RefreshControls();
    EXPECT_EQ(Selection(kx::kPaperSourceListId), u"Manual Feed");
}

TEST_F(PaperDlgTest, APaperSizeCanChooseTheTypeAndTheTypeTheResolution) {
    Open("Graphics300Res=1\nChangeMedia2Papers=20\nChangeRes19Medias=2\n[PAPERTYPENAME]\nPaperType="
         "1,2,3\n"
         "[Common]\n");
    Choose(kx::kPaperSizeListId, u"Envelope #10");
    EXPECT_EQ(Working("dmPaperSize"), 20);
    EXPECT_EQ(Selection(kx::kPaperTypeListId), u"Thick Paper");
    EXPECT_EQ(Working("iPaperType"), 2);
    EXPECT_EQ(Working("dmPrintQuality"), 300) << "entry 19 of the resolution table";
    EXPECT_NE(Working("dmFields") & DM_PRINTQUALITY, 0u);
    EXPECT_EQ(Working("dmFields") & (DM_PAPERLENGTH | DM_PAPERWIDTH), 0u);
}

TEST_F(PaperDlgTest, OutputBinRowFollowsTheModelAndTheFittedOptions) {
    Open("");
    EXPECT_FALSE(Visible(kx::kOutBinListId));
    EXPECT_EQ(Text(kx::kScalingGroupId), u"Scaling");
    TearDown();
    Set("iOptionalOutBin", 1);
    Set("iOutBin", 2);
    Open("PrinterOptOutBin=1\n");
    ASSERT_TRUE(Visible(kx::kOutBinListId));
    EXPECT_TRUE(Enabled(kx::kOutBinListId));
    EXPECT_EQ(Selection(kx::kOutBinListId), u"Face Up");
    SetWorking("bMultiBinMode", 2);
    page->RefreshControls();
    EXPECT_FALSE(Enabled(kx::kOutBinListId));
}

TEST_F(PaperDlgTest, CollateWritesTheDriversFieldAndThePublicOneWhenItIsInUse) {
    Set("dmFields", DM_PAPERSIZE | DM_COPIES | DM_DEFAULTSOURCE | DM_COLLATE);
    Open("PaperCollate=1\n");
    ASSERT_TRUE(Visible(kx::kCollateId));
    Click(kx::kCollateId);
    EXPECT_EQ(Working("bDrvCollate"), 1);
    EXPECT_EQ(Working("dmCollate"), DMCOLLATE_TRUE);
    TearDown();
    Set("bDrvCollate", -1);
    Set("dmCollate", 0);
    Open("PaperCollate=1\n");
    Click(kx::kCollateId);
    EXPECT_EQ(Working("bDrvCollate"), -1) << "a negative value means the driver does not collate";
    EXPECT_EQ(Working("dmCollate"), DMCOLLATE_TRUE);
}

TEST_F(PaperDlgTest, TheAutomaticTrayWritesTheAutomaticSourceIntoBothFields) {
    Set("iForceTray", 1);
    Set("dmDefaultSource", 4);
    Set("sDefaultSource", 4);
    Open("PaperTrayRadio=1\n", PaperForm::Variant);
    EXPECT_TRUE(Checked(kx::kTrayForcedId));
    EXPECT_TRUE(Enabled(kx::kPaperSourceListId));
    EXPECT_EQ(Selection(kx::kPaperSourceListId), u"Manual Feed");
    Click(kx::kTrayAutomaticId);
    EXPECT_EQ(Working("iForceTray"), 0);
    EXPECT_EQ(Working("dmDefaultSource"), 7);
    EXPECT_EQ(Working("sDefaultSource"), 7);
    EXPECT_FALSE(Enabled(kx::kPaperSourceListId));
    EXPECT_EQ(Selection(kx::kPaperSourceListId), u"Automatically Select")
        << "the list shows the tray the model picks";
    Click(kx::kTrayForcedId);
    EXPECT_EQ(Working("iForceTray"), 1);
    EXPECT_NE(Working("dmDefaultSource"), 7) << "the automatic source is not offered";
}

TEST_F(PaperDlgTest, WithoutTheTrayChoiceTheVariantKeepsTheAutomaticSource) {
    Set("dmDefaultSource", 7);
    Open("PaperTrayRadio=0\nPaperBannerSheet=1\n", PaperForm::Variant);
    EXPECT_FALSE(Visible(kx::kTrayAutomaticId));
    EXPECT_EQ(Selection(kx::kPaperSourceListId), u"Automatically Select");
    Click(kx::kBannerSheetId);
    EXPECT_EQ(Working("iBannerSheet"), 1);
    EXPECT_EQ(Working("iForceTray"), 0) << "not written without the key";
}

} // namespace
