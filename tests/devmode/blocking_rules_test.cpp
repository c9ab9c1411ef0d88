// The blocking rules, their reason codes and the explanation texts.
#include "devmode/blocking_rules.h"

#include "devmode/reason_texts.h"
#include "platform/base/text.h"
#include "tests/devmode/record_builder.h"

#include <gtest/gtest.h>

#include <string_view>
#include <utility>
#include <vector>

namespace {

using kxtest::Record;

std::vector<int> Codes(const kx::ReasonCodes& reasons) {
    return {reasons.begin(), reasons.end()};
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

    EXPECT_TRUE(rules.DoubleSidedBlocked(record.data()).blocked());
    EXPECT_EQ(Codes(rules.DoubleSidedBlocked(record.data())), (std::vector<int>{6, 12, 11, 60}));

    record.Set("iFitPage", 1).Set("iFitPagePaper", 5);
    EXPECT_EQ(Codes(rules.DoubleSidedBlocked(record.data()))[0], 17)
        << "fit to another paper names the target page";
    record.Set("iVirtualPrint", 1).Set("iVirtualPaper", 5);
    EXPECT_EQ(Codes(rules.DoubleSidedBlocked(record.data()))[0], 51);

    record = Record();
    record.Set("dmPaperSize", 1)
        .Set("iPaperType", 2)
        .Set("dmDefaultSource", 1)
        .Set("iDuplexUnit", 1);
    EXPECT_FALSE(rules.DoubleSidedBlocked(record.data()).blocked());
    EXPECT_EQ(rules.DoubleSidedBlocked(record.data()).size(), 0u);
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
    EXPECT_EQ(Codes(rules.DoubleSidedBlocked(record.data())), (std::vector<int>{27, 54}));
    EXPECT_EQ(&rules.DoubleSidedField(record.data()), &Record::Field("iManualDuplex"));

    profile.PrinterDuplex = 1;
    record.Set("iDuplexUnit", 1);
    EXPECT_FALSE(rules.DoubleSidedBlocked(record.data()).blocked()) << "the printer duplexes";
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
    EXPECT_EQ(Codes(rules.FirstPageBlocked(record.data())), (std::vector<int>{32, 35, 37, 36}));
    EXPECT_EQ(Codes(rules.LastPageBlocked(record.data())), (std::vector<int>{32, 35, 39, 38}));
    EXPECT_EQ(Codes(rules.FrontCoverBlocked(record.data())), (std::vector<int>{50, 41, 40}));
    EXPECT_EQ(rules.CoverBlocked(record.data(), 0), rules.FrontCoverBlocked(record.data()));
    EXPECT_EQ(Codes(rules.OtherCoversBlocked(record.data())), (std::vector<int>{41, 40}));
    EXPECT_EQ(rules.CoverBlocked(record.data(), 2), rules.OtherCoversBlocked(record.data()));
    EXPECT_TRUE(rules.DoubleSidedInEffect(record.data()));
    record.Set("iManualDuplex", 3);
    EXPECT_FALSE(rules.DoubleSidedInEffect(record.data()));
}

enum class Rule { DoubleSided, FirstPage, LastPage, FrontCover, OtherCovers };

kx::ReasonCodes Apply(const kx::BlockingRules& rules, Rule rule, const BYTE* devmode) {
    switch (rule) {
    case Rule::DoubleSided:
        return rules.DoubleSidedBlocked(devmode);
    case Rule::FirstPage:
        return rules.FirstPageBlocked(devmode);
    case Rule::LastPage:
        return rules.LastPageBlocked(devmode);
    case Rule::FrontCover:
        return rules.FrontCoverBlocked(devmode);
    case Rule::OtherCovers:
        return rules.OtherCoversBlocked(devmode);
    }
    return {};
}

/// A model with every cover, first and last pages and the printer's own
/// duplexing (Duplex::Printer), or one whose driver turns the pages
/// (Duplex::Manual) on a port of this computer only.
enum class Duplex { Printer, Manual };

kx::ModelProfile ProfileFor(Duplex duplex) {
    kx::ModelProfile profile;
    profile.DoubleSidedPapers = {9};
    profile.DoubleSidedMedias = {0};
    profile.DoubleSidedSources = {0};
    profile.PaperFrontCover = {1};
    profile.PaperBackCover = {1};
    profile.PaperFrontBackCover = {1};
    profile.PaperCoverSize = 1;
    profile.PaperCoverType = 1;
    profile.firstPageInCovers = true;
    profile.PaperFirstLastType = 1;
    profile.PaperLastPage = 1;
    if (duplex == Duplex::Printer) {
        profile.PrinterDuplex = 1;
    } else {
        profile.LayoutDoubleManual = 1;
        profile.GraphicsCopiesSetting = 1;
        profile.GraphicsColorMode = 1;
    }
    return profile;
}

// Each row starts from a job nothing blocks (A4, the duplex unit fitted,
// covers on A4) and changes what its label says.
TEST(BlockingRules, EveryCodeFiresOnItsOwnCauseAndInOrder) {
    struct Row {
        const char* label;
        Duplex duplex;
        Rule rule;
        std::vector<std::pair<std::string_view, int64_t>> settings;
        std::vector<int> codes;
    };
    const Duplex kPrinter = Duplex::Printer;
    const Duplex kManual = Duplex::Manual;
    const Row rows[] = {
        {"double-sided: nothing blocks", kPrinter, Rule::DoubleSided, {}, {}},
        {"double-sided: paper", kPrinter, Rule::DoubleSided, {{"dmPaperSize", 5}}, {6}},
        {"double-sided: fit to another paper",
         kPrinter,
         Rule::DoubleSided,
         {{"iFitPage", 1}, {"iFitPagePaper", 5}},
         {17}},
        {"double-sided: fit to the same paper",
         kPrinter,
         Rule::DoubleSided,
         {{"iFitPage", 1}, {"iFitPagePaper", 9}},
         {}},
        {"double-sided: virtual page's paper",
         kPrinter,
         Rule::DoubleSided,
         {{"iVirtualPrint", 1}, {"iVirtualPaper", 5}},
         {51}},
        {"double-sided: front cover's size",
         kPrinter,
         Rule::DoubleSided,
         {{"jFrontCoverOpt", 1}, {"sFrontPaperSize", 5}},
         {45}},
        {"double-sided: printed cover's size is not asked",
         kPrinter,
         Rule::DoubleSided,
         {{"jFrontCoverOpt", 2}, {"sFrontPaperSize", 5}},
         {}},
        {"double-sided: back cover's type",
         kPrinter,
         Rule::DoubleSided,
         {{"jBackCoverOpt", 2}, {"sBackPaperType", 5}},
         {46}},
        {"double-sided: unused cover's type is not asked",
         kPrinter,
         Rule::DoubleSided,
         {{"sFrontBackPaperType", 5}},
         {}},
        {"double-sided: media", kPrinter, Rule::DoubleSided, {{"iPaperType", 5}}, {12}},
        {"double-sided: first page's type",
         kPrinter,
         Rule::DoubleSided,
         {{"wCoverSource", 1}, {"sFirstPaperType", 5}},
         {42}},
        {"double-sided: type of a first page not chosen is not asked",
         kPrinter,
         Rule::DoubleSided,
         {{"sFirstPaperType", 0}},
         {}},
        {"double-sided: last page's type",
         kPrinter,
         Rule::DoubleSided,
         {{"sLastPaperSource", 2}, {"sLastPaperType", 5}},
         {43}},
        {"double-sided: type of a last page not chosen is not asked",
         kPrinter,
         Rule::DoubleSided,
         {{"sLastPaperType", 5}},
         {}},
        {"double-sided: no duplex unit", kPrinter, Rule::DoubleSided, {{"iDuplexUnit", 0}}, {11}},
        {"double-sided: source", kPrinter, Rule::DoubleSided, {{"dmDefaultSource", 7}}, {60}},
        {"double-sided: every cause, in order",
         kPrinter,
         Rule::DoubleSided,
         {{"dmPaperSize", 5},
          {"jFrontCoverOpt", 1},
          {"sFrontPaperSize", 5},
          {"iPaperType", 5},
          {"wCoverSource", 1},
          {"sFirstPaperType", 5},
          {"sLastPaperSource", 2},
          {"sLastPaperType", 5},
          {"sFrontPaperType", 5},
          {"iDuplexUnit", 0},
          {"dmDefaultSource", 7}},
         {6, 45, 12, 42, 43, 44, 11, 60}},
        {"double-sided by hand: nothing blocks", kManual, Rule::DoubleSided, {}, {}},
        {"double-sided by hand: separate grey copies",
         kManual,
         Rule::DoubleSided,
         {{"iGrayMode", 1}, {"sMonoCopies", 2}},
         {27}},
        {"first page: nothing blocks", kPrinter, Rule::FirstPage, {}, {}},
        {"first page: printed front cover",
         kPrinter,
         Rule::FirstPage,
         {{"jFrontCoverOpt", 2}},
         {32}},
        {"first page: blank front cover", kPrinter, Rule::FirstPage, {{"jFrontCoverOpt", 1}}, {}},
        {"first page: separators", kPrinter, Rule::FirstPage, {{"iOhp", 1}}, {35}},
        {"first page: booklet by hand", kManual, Rule::FirstPage, {{"iBooklet", 1}}, {37}},
        {"first page: booklet on the printer", kPrinter, Rule::FirstPage, {{"iBooklet", 1}}, {}},
        {"first page: double-sided by hand",
         kManual,
         Rule::FirstPage,
         {{"iManualDuplex", 1}},
         {36}},
        {"last page: nothing blocks", kPrinter, Rule::LastPage, {}, {}},
        {"last page: printed back cover", kPrinter, Rule::LastPage, {{"jBackCoverOpt", 2}}, {33}},
        {"last page: printed front and back cover",
         kPrinter,
         Rule::LastPage,
         {{"jFrontBackCoverOpt", 3}},
         {34}},
        {"last page: separators", kPrinter, Rule::LastPage, {{"iOhp", 1}}, {35}},
        {"last page: poster", kPrinter, Rule::LastPage, {{"iPoster", 1}}, {39}},
        {"last page: booklet", kPrinter, Rule::LastPage, {{"iBooklet", 1}}, {39}},
        {"last page: double-sided by hand", kManual, Rule::LastPage, {{"iManualDuplex", 2}}, {38}},
        {"front cover: nothing blocks", kPrinter, Rule::FrontCover, {}, {}},
        {"front cover: front and back cover",
         kPrinter,
         Rule::FrontCover,
         {{"jFrontBackCoverOpt", 1}},
         {50}},
        {"front cover: booklet by hand", kManual, Rule::FrontCover, {{"iBooklet", 1}}, {41}},
        {"front cover: double-sided by hand",
         kManual,
         Rule::FrontCover,
         {{"iManualDuplex", 1}},
         {40}},
        {"other covers: front and back cover does not block them",
         kPrinter,
         Rule::OtherCovers,
         {{"jFrontBackCoverOpt", 1}},
         {}},
        {"other covers: booklet and double-sided by hand",
         kManual,
         Rule::OtherCovers,
         {{"iBooklet", 1}, {"iManualDuplex", 1}},
         {41, 40}},
    };
    for (const Row& row : rows) {
        const kx::ModelProfile profile = ProfileFor(row.duplex);
        // The network-port reason has a test of its own below.
        const kx::BlockingRules rules(profile, [] { return false; });
        Record record;
        record.Set("dmPaperSize", 9)
            .Set("iDuplexUnit", 1)
            .Set("sFrontPaperSize", 9)
            .Set("sBackPaperSize", 9)
            .Set("sFrontBackPaperSize", 9);
        if (row.duplex == Duplex::Manual)
            record.Set("iDuplexUnit", 0);
        for (const auto& [name, value] : row.settings)
            record.Set(name, value);
        const kx::ReasonCodes reasons = Apply(rules, row.rule, record.data());
        EXPECT_EQ(Codes(reasons), row.codes) << row.label;
        EXPECT_EQ(reasons.blocked(), !row.codes.empty()) << row.label;
    }
}

// The network-port condition is asked only when the driver turns the pages.
TEST(BlockingRules, LocalPrintingOnlyIsAskedOnlyForManualDuplexing) {
    for (const Duplex duplex : {Duplex::Printer, Duplex::Manual}) {
        const kx::ModelProfile profile = ProfileFor(duplex);
        int asked = 0;
        const kx::BlockingRules rules(profile, [&] {
            ++asked;
            return true;
        });
        Record record;
        record.Set("dmPaperSize", 9).Set("iDuplexUnit", duplex == Duplex::Printer ? 1 : 0);
        const kx::ReasonCodes reasons = rules.DoubleSidedBlocked(record.data());
        EXPECT_EQ(reasons.Has(54), duplex == Duplex::Manual);
        EXPECT_EQ(asked, duplex == Duplex::Manual ? 1 : 0);
    }
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
