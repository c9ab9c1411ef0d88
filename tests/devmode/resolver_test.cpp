// The conflict resolver: each step once where it must repair and once where
// it must leave the record alone, and the report a user sees.
#include "devmode/resolver.h"

#include "platform/base/text.h"
#include "tests/devmode/record_builder.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

namespace {

using kxtest::Record;

class ResolverTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Per-number keys are read from the settings file on demand.
        prefix.WriteFile("drive_c/M/MODELU.INI",
                         "[Common]\nMedia1Papers=1,5,8,9\nMedia8Papers=20\nTray2Papers=1,9\n"
                         "Tray1Medias=1,2,3\nStaple1Papers=1,9\nStacker1Papers=9\n");
        profile.SetFiles(u"C:\\M\\MODELU.INI", u"");
        profile.ReadProfile();
        profile.TrayIndex = {7, 1, 2, 4};
        profile.PaperType = {1, 2, 3, 8};
        working.Set("dmPaperSize", 9).Set("iPaperType", 1).Set("dmDefaultSource", 7);
        defaults = working;
    }

    int Run(kx::ConflictReport* report = nullptr, const Record* source = nullptr) {
        return kx::Resolve(working.data(), defaults.data(), source ? source->data() : nullptr,
                           report, profile, texts);
    }

    kxtest::TestPrefix prefix;
    kx::ModelProfile profile;
    kxtest::FakeResolverTexts texts;
    Record working;
    Record defaults;
};

TEST_F(ResolverTest, ConflictFreeRecordIsLeftAlone) {
    const Record before = working;
    kx::ConflictReport report;
    EXPECT_EQ(Run(&report), 0);
    EXPECT_TRUE(working == before);
    EXPECT_TRUE(report.empty());
}

TEST_F(ResolverTest, ConfigurationSourceIsCopiedFirst) {
    Record source = working;
    source.Set("iOptTray", 4).Set("iInHard", 1);
    EXPECT_EQ(Run(nullptr, &source), 1);
    EXPECT_EQ(working.Get("iOptTray"), 4);
    EXPECT_EQ(working.Get("iInHard"), 1);
}

TEST_F(ResolverTest, EnvelopePaperSwitchesTheMediaToEnvelope) {
    working.Set("dmPaperSize", 20);
    kx::ConflictReport report;
    EXPECT_EQ(Run(&report), 1);
    EXPECT_EQ(working.Get("iPaperType"), 8);
    EXPECT_EQ(report.conflicts(), u"\nPaper Size: Env #10\nPaper Type: Plain");
    EXPECT_EQ(report.adjusted(), u"\nPaper Type: Envelope");

    working.Set("dmPaperSize", 5).Set("iPaperType", 1);
    EXPECT_EQ(Run(), 0) << "plain paper allows Legal";
}

TEST_F(ResolverTest, FirstAndLastPageTypesOnlyWhenTheirSourceIsSet) {
    working.Set("dmPaperSize", 20).Set("iPaperType", 8).Set("sFirstPaperType", 1);
    defaults = working;
    working.Set("sFirstPaperType", 1);
    EXPECT_EQ(Run(), 0) << "no first page source: its type is not checked";
    working.Set("wCoverSource", 1);
    defaults.Set("wCoverSource", 1);
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(working.Get("sFirstPaperType"), 8);
}

TEST_F(ResolverTest, LargePaperForcesFitToPageAndEndsPoster) {
    profile.PaperIndex = {8};
    working.Set("dmPaperSize", 8).Set("iPoster", 2);
    kx::ConflictReport report;
    EXPECT_EQ(Run(&report), 1);
    EXPECT_EQ(working.Get("iFitPage"), 1);
    EXPECT_EQ(working.Get("iPoster"), 0);
    EXPECT_EQ(report.adjusted(),
              u"\nPrinting Type: Fit to Page\nLayout Type: Multiple Pages per Side");

    profile.PaperIndex = {};
    working.Set("iFitPage", 0).Set("iPoster", 2);
    EXPECT_EQ(Run(), 0) << "not a large paper and no fit to page: poster stays";
}

TEST_F(ResolverTest, PaperSourceFallsBackToTheDefaultTrayOrTheFirstFit) {
    working.Set("dmDefaultSource", 2).Set("dmPaperSize", 5);
    defaults.Set("dmDefaultSource", 7);
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(working.Get("dmDefaultSource"), 7) << "tray 2 takes no Legal paper";

    working.Set("dmDefaultSource", 2).Set("dmPaperSize", 9);
    EXPECT_EQ(Run(), 0);
}

TEST_F(ResolverTest, SeparatorNeedsTransparenciesAndAFittingTray) {
    working.Set("iOhp", 1);
    kx::ConflictReport report;
    EXPECT_EQ(Run(&report), 1);
    EXPECT_EQ(working.Get("iOhp"), 0);
    EXPECT_EQ(report.conflicts(),
              u"\nPaper Type: Plain\nTransparency Separator: Printed Separator");

    working.Set("iPaperType", 3).Set("iOhp", 1).Set("iOhpSpTray", 7);
    defaults = working;
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(working.Get("iOhpSpTray"), 1) << "automatic selection becomes the first fitting tray";
    EXPECT_EQ(Run(), 0);
}

TEST_F(ResolverTest, DoubleSidedWithPosterReportsLikeTheUserSeesIt) {
    profile.DoubleSidedPapers = {9};
    working.Set("iPoster", 2).Set("iHardwareDuplex", 2);
    kx::ConflictReport report;
    EXPECT_EQ(Run(&report), 1);
    EXPECT_EQ(working.Get("iHardwareDuplex"), 0);
    EXPECT_EQ(report.conflicts(),
              u"\nDouble-sided Printing: Long Edge\nLayout Type: Poster Printing");
    EXPECT_EQ(report.adjusted(), u"\nDouble-sided Printing: None");
}

TEST_F(ResolverTest, BlockedDoubleSidedEndsBookletAndNamesTheReasons) {
    profile.DoubleSidedPapers = {1};
    profile.DoubleSidedMedias = {2};
    working.Set("iBooklet", 1).Set("iHardwareDuplex", 1);
    kx::ConflictReport report;
    EXPECT_EQ(Run(&report), 1);
    EXPECT_EQ(working.Get("iBooklet"), 0);
    EXPECT_EQ(working.Get("iHardwareDuplex"), 0);
    const std::u16string& conflicts = report.conflicts();
    EXPECT_NE(conflicts.find(u"\nPaper Size: A4"), std::u16string::npos)
        << kx::Utf16ToUtf8(conflicts);
    EXPECT_NE(conflicts.find(u"\nPaper Type: Plain"), std::u16string::npos);
}

TEST_F(ResolverTest, PrintAndHoldNeedsStorage) {
    profile.ExtrasSecurePrint = 0;
    working.Set("iJobRetention", 4);
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(working.Get("iJobRetention"), 0) << "no storage job settings in force";

    profile.JobSettingMemoryOff = {0, 2, 4};
    working.Set("iJobRetention", 4);
    EXPECT_EQ(Run(), 0);
}

TEST_F(ResolverTest, StapleAndOffsetNeedAFinisherAndAllowedPapers) {
    working.Set("iOptFinisher", 1).Set("iStaple", 1).Set("bOffset", 1);
    defaults.Set("iOptFinisher", 1);
    EXPECT_EQ(Run(), 0) << "A4 may be stapled and offset";
    working.Set("dmPaperSize", 5);
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(working.Get("iStaple"), 0);
    EXPECT_EQ(working.Get("bOffset"), 0);

    working.Set("dmPaperSize", 9).Set("iStaple", 1).Set("bOffset", 1).Set("iOptFinisher", 0);
    kx::ConflictReport report;
    EXPECT_EQ(Run(&report), 1);
    EXPECT_EQ(working.Get("iStaple"), 0);
    EXPECT_NE(report.conflicts().find(u"\nOptional Finisher: Off"), std::u16string::npos);
}

TEST_F(ResolverTest, OverlayOfAnotherLanguageIsSwitchedOff) {
    profile.PrinterEmulation = {1, 2};
    working.Set("sDrvLang", 0).Set("ovrLoadCreate", 1).SetText("ovrFileName", u"C:\\F\\FORM.ovp");
    kx::ConflictReport report;
    EXPECT_EQ(Run(&report), 1);
    EXPECT_EQ(working.Get("ovrLoadCreate"), 0);
    EXPECT_EQ(kx::ReadText(working.data(), Record::Field("ovrFileName")), u"");
    EXPECT_EQ(report.conflicts(), u"\nPrinter Language: SPL\nOverlay: Use Overlay");

    working.Set("ovrLoadCreate", 1).SetText("ovrFileName", u"C:\\F\\FORM.OVS");
    EXPECT_EQ(Run(), 0);
}

TEST_F(ResolverTest, TonerSaveAndGrayscaleRestoreTheirValues) {
    working.Set("jDrvTonerSave", 1).Set("iBrightness", 30);
    defaults.Set("jDrvTonerSave", 1).Set("iBrightness", 10);
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(working.Get("iBrightness"), 10);

    working.Set("iSaturation", 5).Set("iCyan", 3).Set("iRed", 7);
    kx::ConflictReport report;
    EXPECT_EQ(Run(&report), 1) << "a model without colour has no colour adjustments";
    EXPECT_EQ(working.Get("iSaturation"), 0);
    EXPECT_EQ(working.Get("iCyan"), 0);
    EXPECT_EQ(working.Get("iRed"), 0);
    EXPECT_EQ(report.conflicts(), u"\nSaturation: 5\nGrayscale: On\nCyan-Red: 3\nGrayscale: On");

    profile.GraphicsColorMode = 1;
    working.Set("iGrayMode", 1).Set("iSaturation", 5);
    EXPECT_EQ(Run(), 0);
}

TEST_F(ResolverTest, AlwaysStepsClearWhatNoLongerApplies) {
    profile.ExtrasSecurePrint = 1; // print and hold stays; only the disk rule applies
    working.Set("iOutBin", 3)
        .Set("iBooklet", 1)
        .Set("wPrintOrder", 1)
        .Set("iPoster", 1)
        .Set("iAllTextBlack", 1)
        .Set("iJobRetention", 7);
    defaults.Set("iBooklet", 1).Set("iPoster", 1);
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(working.Get("iOutBin"), 0);
    EXPECT_EQ(working.Get("wPrintOrder"), 0);
    EXPECT_EQ(working.Get("iAllTextBlack"), 0);
    EXPECT_EQ(working.Get("iJobRetention"), 6) << "a stored job needs a disk";

    working.Set("iInHard", 1).Set("iJobRetention", 7);
    defaults.Set("iInHard", 1);
    const Record before = working;
    EXPECT_EQ(Run(), 0);
    for (const auto& field : kx::kDevmodeFields) {
        if (!kx::SameField(before.data(), working.data(), field))
            ADD_FAILURE() << field.name;
    }
}

TEST_F(ResolverTest, ReportWordsComeFromTheStringFile) {
    texts.strings[u"Common|Double-sided Printing: %s"] = u"Recto verso : %s";
    texts.strings[u"Layout Dialog|Long Edge"] = u"bord long";
    profile.DoubleSidedPapers = {9};
    working.Set("iPoster", 2).Set("iHardwareDuplex", 2);
    kx::ConflictReport report;
    Run(&report);
    EXPECT_EQ(report.conflicts().substr(0, 25), u"\nRecto verso : bord long\n");
}

TEST(ConflictReport, StaysWithinItsCapacityAndMarksTheCut) {
    kx::ConflictReport report;
    const std::u16string item(60, u'x');
    for (int i = 0; i < 10; ++i)
        report.AddConflict(item);
    EXPECT_LE(report.conflicts().size(), kx::ConflictReport::kCapacity - 1);
    EXPECT_EQ(report.conflicts().substr(report.conflicts().size() - 4), u"\n...");
    report.AddAdjusted(std::u16string(500, u'y'));
    EXPECT_EQ(report.adjusted(), u"\n...") << "an item longer than the text is not cut in half";
}

} // namespace
