// The blocking rules, their reason codes and the explanation texts.
#include "devmode/blocking_rules.h"

#include "devmode/reason_texts.h"
#include "platform/base/text.h"
#include "tests/devmode/record_builder.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using kxtest::Record;

std::vector<int> Codes(const int* codes, size_t capacity) {
    std::vector<int> list;
    for (size_t i = 0; i < capacity && codes[i] != 0; ++i)
        list.push_back(codes[i]);
    return list;
}

TEST(EffectivePaper, VirtualThenFitToPageThenPaperSize) {
    Record record;
    record.Set("dmPaperSize", 9).Set("iFitPagePaper", 1).Set("iVirtualPaper", 5);
    EXPECT_EQ(kx::EffectivePaper(record.data()), 9);
    record.Set("iFitPage", 1);
    EXPECT_EQ(kx::EffectivePaper(record.data()), 1);
    EXPECT_TRUE(kx::FitToPageCounts(record.data()));
    record.Set("iVirtualPrint", 1);
    EXPECT_EQ(kx::EffectivePaper(record.data()), 5);
    record.Set("iFitPagePaper", 9);
    EXPECT_FALSE(kx::FitToPageCounts(record.data())) << "fit to the same paper does not count";
    for (int paper : {19, 23, 27, 33, 35, 38})
        EXPECT_TRUE(kx::IsEnvelopePaper(paper)) << paper;
    for (int paper : {18, 24, 26, 34, 39, 55})
        EXPECT_FALSE(kx::IsEnvelopePaper(paper)) << paper;
}

TEST(DoubleSidedBlocked, GivesItsReasonsInOrder) {
    kx::ModelProfile profile;
    profile.DoubleSidedPapers = {1};
    profile.DoubleSidedMedias = {2};
    profile.DoubleSidedSources = {1};
    profile.PrinterDuplex = 1;
    bool localOnly = false;
    const kx::BlockingRules rules(profile, [&] { return localOnly; });
    Record record;
    record.Set("dmPaperSize", 9).Set("iPaperType", 1).Set("dmDefaultSource", 7);

    int codes[8];
    EXPECT_EQ(rules.DoubleSidedBlocked(record.data(), codes, 8), 1);
    EXPECT_EQ(Codes(codes, 8), (std::vector<int>{6, 12, 11, 60}));

    record.Set("iFitPage", 1).Set("iFitPagePaper", 5);
    rules.DoubleSidedBlocked(record.data(), codes, 8);
    EXPECT_EQ(codes[0], 17) << "fit to another paper names the target page";
    record.Set("iVirtualPrint", 1).Set("iVirtualPaper", 5);
    rules.DoubleSidedBlocked(record.data(), codes, 8);
    EXPECT_EQ(codes[0], 51);

    int two[2] = {-1, -1};
    EXPECT_EQ(rules.DoubleSidedBlocked(record.data(), two, 2), 1);
    EXPECT_EQ(two[0], 51);
    EXPECT_EQ(two[1], 12) << "no room left for the closing 0";
    EXPECT_EQ(rules.DoubleSidedBlocked(record.data(), nullptr, 0), 1);

    record = Record();
    record.Set("dmPaperSize", 1)
        .Set("iPaperType", 2)
        .Set("dmDefaultSource", 1)
        .Set("iDuplexUnit", 1);
    EXPECT_EQ(rules.DoubleSidedBlocked(record.data(), codes, 8), 0);
    EXPECT_EQ(codes[0], 0);
}

TEST(DoubleSidedBlocked, ManualDuplexingReasons) {
    kx::ModelProfile profile;
    profile.DoubleSidedPapers = {9};
    profile.LayoutDoubleManual = 1;
    profile.GraphicsCopiesSetting = 1;
    profile.GraphicsColorMode = 1;
    bool localOnly = true;
    const kx::BlockingRules rules(profile, [&] { return localOnly; });
    Record record;
    record.Set("dmPaperSize", 9).Set("iGrayMode", 1).Set("sMonoCopies", 2);
    int codes[8];
    rules.DoubleSidedBlocked(record.data(), codes, 8);
    EXPECT_EQ(Codes(codes, 8), (std::vector<int>{27, 54}));
    EXPECT_EQ(&rules.DoubleSidedField(record.data()), &Record::Field("iManualDuplex"));

    profile.PrinterDuplex = 1;
    record.Set("iDuplexUnit", 1);
    EXPECT_EQ(rules.DoubleSidedBlocked(record.data(), codes, 8), 0) << "the printer duplexes";
    EXPECT_EQ(&rules.DoubleSidedField(record.data()), &Record::Field("iHardwareDuplex"));
}

TEST(PageAndCoverRules, ExcludePrintedCoversSeparatorsAndBooklets) {
    kx::ModelProfile profile;
    profile.PaperFrontCover = {1};
    profile.PaperFrontBackCover = {1};
    profile.LayoutDoubleManual = 1;
    profile.DoubleSidedPapers = {9};
    const kx::BlockingRules rules(profile, nullptr);
    Record record;
    record.Set("dmPaperSize", 9)
        .Set("jFrontCoverOpt", 2)
        .Set("iOhp", 1)
        .Set("iBooklet", 1)
        .Set("iManualDuplex", 1)
        .Set("jFrontBackCoverOpt", 1);
    int codes[8];
    rules.FirstPageBlocked(record.data(), codes, 8);
    EXPECT_EQ(Codes(codes, 8), (std::vector<int>{32, 35, 37, 36}));
    rules.LastPageBlocked(record.data(), codes, 8);
    EXPECT_EQ(Codes(codes, 8), (std::vector<int>{32, 35, 39, 38}));
    rules.FrontCoverBlocked(record.data(), codes, 8);
    EXPECT_EQ(Codes(codes, 8), (std::vector<int>{50, 41, 40}));
    rules.OtherCoversBlocked(record.data(), codes, 8);
    EXPECT_EQ(Codes(codes, 8), (std::vector<int>{41, 40}));
    EXPECT_TRUE(rules.DoubleSidedInEffect(record.data()));
    record.Set("iManualDuplex", 3);
    EXPECT_FALSE(rules.DoubleSidedInEffect(record.data()));
}

TEST(ReasonText, FillsTheListsWithTheNamesThePrinterKnows) {
    kx::ModelProfile profile;
    profile.DoubleSidedPapers = {1, 77, 9};
    profile.DoubleSidedSources = {1, 2};
    kxtest::FakeResolverTexts texts;
    Record record;
    EXPECT_EQ(kx::ReasonText(6, profile, texts, record.data()),
              u"To enable Double-sided Printing, click the Paper tab and change the Size to one of "
              u"the following: Letter, A4.")
        << "a paper the spooler does not list is left out";
    EXPECT_EQ(kx::ReasonText(60, profile, texts, record.data()),
              u"To enable Double-sided Printing, click the Paper tab and change the Source to one "
              u"of the following: Tray 1, Tray 2.")
        << "tray names lose their leading blank";
    texts.strings[u"Common|OptionUsageTipMsg23"] = u"Gesperrt %s %n";
    EXPECT_EQ(kx::ReasonText(22, profile, texts, record.data()), u"Gesperrt %s %n")
        << "a text without a list is shown as it stands";
    texts.strings[u"Common|OptionUsageTipMsg7"] = u"%s%s%n";
    EXPECT_EQ(kx::ReasonText(6, profile, texts, record.data()), u"Letter, A4%s%n")
        << "a hostile text gets its one list and nothing else";
    EXPECT_EQ(kx::ReasonText(61, profile, texts, record.data()), u"");
    EXPECT_EQ(kx::ReasonText(-1, profile, texts, record.data()), u"");
    EXPECT_EQ(kx::BuiltInReasonText(58).substr(0, 20), u"To enable Brightess,");
}

} // namespace
