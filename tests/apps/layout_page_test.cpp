// The Layout page of the sample printers driven as a user drives it: the
// layout type a record shows, rows blocked by scaling or rotation with their
// tips, the two-pages order by orientation, the poster overlap in both units,
// double-sided printing by hand, the short page's "Layout More" dialog, and
// the German texts.
#include "devmode/devmode_record.h"
#include "tests/support/host_runner.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <utility>
#include <vector>

namespace {

using kxtest::Contains;
using kxtest::ExitCode;

constexpr const char* kDriverFolder = "/drive_c/windows/system32/spool/drivers/x64/3/";

class LayoutPage : public testing::Test {
protected:
    std::string Path(const std::string& name) const { return scratch.root() + "/" + name; }

    kxtest::HostRun Play(const std::string& printer, const std::string& script,
                         const std::string& language = "409") {
        std::ofstream(Path("script.txt")) << script;
        return kxtest::RunHost(prefix,
                               "sheet '" + printer + "' '" + Path("script.txt") +
                                   "' --pages 0 --png-dir '" + Path("png") + "'",
                               "KX_LANGID=" + language + " KX_HEADLESS=1");
    }

    /// Makes the printer's default record its fresh one with `fields` set.
    void Seed(const std::string& printer, const std::vector<std::pair<const char*, int>>& fields) {
        const auto fresh = kxtest::RunHost(prefix, "open-sheet '" + printer +
                                                       "' --pages 0 --actions cancel --out '" +
                                                       Path("fresh.dm") + "'");
        ASSERT_EQ(ExitCode(fresh), 0) << fresh.output;
        std::string record(kx::kDevmodeSize, '\0');
        std::ifstream(Path("fresh.dm"), std::ios::binary)
            .read(record.data(), static_cast<std::streamsize>(record.size()));
        auto* bytes = reinterpret_cast<BYTE*>(record.data());
        for (const auto& [name, value] : fields)
            kx::WriteNumber(bytes, *kx::FindDevmodeField(name), value);
        const auto imported =
            kxtest::ImportPrinterDefault(prefix, printer, record, Path("default.reg"));
        ASSERT_EQ(imported.status, 0) << imported.output;
    }

    /// Changes one key of a model's profile in the test's prefix.
    void SetProfileKey(const std::string& file, const std::string& key, const std::string& value) {
        const auto made = kxtest::RunHost(prefix, "prefix");
        ASSERT_EQ(ExitCode(made), 0) << made.output;
        const std::string path = prefix + kDriverFolder + file;
        std::ifstream in(path);
        std::stringstream text;
        text << in.rdbuf();
        in.close();
        const std::string changed = std::regex_replace(
            text.str(), std::regex("\n" + key + "=[^\n]*"), "\n" + key + "=" + value);
        ASSERT_NE(changed, text.str()) << key << " not in " << file;
        std::ofstream(path, std::ios::trunc) << changed;
    }

    kxtest::TestPrefix scratch;
    std::string prefix = scratch.root() + "/prefix";
};

TEST_F(LayoutPage, WithoutTheNoneTypeAPlainRecordShowsOnePagePerSide) {
    SetProfileKey("VIJ98U.INI", "LayoutTypeNone", "0");
    const auto run = Play("Velmora IJ-980", "expect 1711 selection \"Multiple Pages per Side\"\n"
                                            "expect 1713 selection \"1\"\n"
                                            "expect 1713 visible\n"
                                            "expect 1715 disabled\n"
                                            "cancel\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
}

TEST_F(LayoutPage, WithTheNoneTypeAPlainRecordShowsNoneAndNoRows) {
    const auto run = Play("Velmora IJ-980", "expect 1711 selection \"None\"\n"
                                            "expect 1713 hidden\n"
                                            "expect 1721 hidden\n"
                                            "choose 1711 \"Poster\"\n"
                                            "expect 1721 visible\n"
                                            "expect 1721 selection \"2x2\"\n"
                                            "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "iPoster: 0 -> 1")) << run.output;
}

TEST_F(LayoutPage, AReducedScalingBlocksEveryLayoutRowWithItsTip) {
    Seed("Velmora CL-6500", {{"iER", 1}, {"iERRatio", 150}});
    const auto run = Play("Velmora CL-6500", "expect 1711 disabled\n"
                                             "expect 1711 selection \"None\"\n"
                                             "hover 1711\n"
                                             "expect tip \"set the Scaling Type to "
                                             "Reduce/Enlarge\"\n"
                                             "cancel\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
}

TEST_F(LayoutPage, TheInkjetWithNoScalingTypeNamesItInTheTip) {
    Seed("Velmora IJ-980", {{"iER", 1}, {"iERRatio", 150}});
    const auto run = Play("Velmora IJ-980", "expect 1711 disabled\n"
                                            "hover 1711\n"
                                            "expect tip \"Scaling Type to None or "
                                            "Reduce/Enlarge\"\n"
                                            "cancel\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
}

TEST_F(LayoutPage, RotatingAListedPaperBy90BlocksTheRowsAndResetsThePages) {
    Seed("Velmora CL-6500", {{"dmPaperSize", 20}});
    const auto run = Play("Velmora CL-6500", "choose 1711 \"Multiple Pages per Side\"\n"
                                             "choose 1713 \"4\"\n"
                                             "expect 1713 selection \"4\"\n"
                                             "choose 1705 \"90\"\n"
                                             "expect 1713 selection \"1\"\n"
                                             "expect 1711 disabled\n"
                                             "expect 1713 disabled\n"
                                             "hover 1711\n"
                                             "expect tip \"choose 0 or 180 degrees\"\n"
                                             "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "iRotate: 0 -> 90")) << run.output;
    EXPECT_FALSE(Contains(run.output, "iNup:")) << "back to one page per side: " << run.output;
}

TEST_F(LayoutPage, NinetyIsOfferedOnlyForTheListedPapers) {
    const auto run = Play("Velmora CL-6500", "? choose 1705 \"90\"\n"
                                             "choose 1705 \"180\"\n"
                                             "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "iRotate: 0 -> 180")) << run.output;
}

TEST_F(LayoutPage, TwoPagesInLandscapeOfferDownAndUp) {
    const auto run = Play("Velmora CL-6500", "check \"Landscape\"\n"
                                             "choose 1711 \"Multiple Pages per Side\"\n"
                                             "choose 1713 \"2\"\n"
                                             "expect 1715 selection \"Down\"\n"
                                             "? choose 1715 \"Right\"\n"
                                             "choose 1715 \"Up\"\n"
                                             "check \"Page Border\"\n"
                                             "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "dmOrientation: 1 -> 2")) << run.output;
    EXPECT_TRUE(Contains(run.output, "iNup: 0 -> 1")) << run.output;
    EXPECT_TRUE(Contains(run.output, "iNupLayout: 0 -> 4")) << run.output;
    EXPECT_TRUE(Contains(run.output, "iNupBorder: 0 -> 8")) << run.output;
}

TEST_F(LayoutPage, TheOverlapShowsInInchesAndInMillimetres) {
    // The colour laser shows the unit on its preview.
    Seed("Velmora CL-6500", {{"iPoster", 1}, {"iPosterOverlap", 10}, {"IsMMInch", 1}});
    auto run = Play("Velmora CL-6500", "expect 1711 selection \"Poster\"\n"
                                       "expect 1723 text \"0.10\"\n"
                                       "expect 1725 hidden\n"
                                       "check \"Millimeters\"\n"
                                       "expect 1723 text \"3\"\n"
                                       "type 1723 \"25\"\n"
                                       "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "IsMMInch: 1 -> 0")) << run.output;
    EXPECT_TRUE(Contains(run.output, "iPosterOverlap: 10 -> 98")) << run.output;

    // The inkjet has its own units list; its poster is chosen on the page
    // (a stored one gives way to its high resolution).
    Seed("Velmora IJ-980", {{"iPosterOverlap", 100}, {"IsMMInch", 0}});
    run = Play("Velmora IJ-980", "choose 1711 \"Poster\"\n"
                                 "expect 1725 selection \"Millimeters\"\n"
                                 "expect 1723 text \"25\"\n"
                                 "choose 1725 \"Inches\"\n"
                                 "expect 1723 text \"1.00\"\n"
                                 "choose 1725 \"Millimeters\"\n"
                                 "spin 1724 1\n"
                                 "expect 1723 text \"25\"\n"
                                 "spin 1724 -2\n"
                                 "expect 1723 text \"23\"\n"
                                 "type 1723 \"xy\"\n"
                                 "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "iPosterOverlap: 100 -> 92")) << run.output;
}

TEST_F(LayoutPage, ManualDoubleSidedIsStoredApartAndSkipsThePrinterChoice) {
    // The inkjet turns the pages by hand and has no printer's setting.
    const auto run = Play("Velmora IJ-980", "expect 1741 hidden\n"
                                            "expect 1740 text \"Manual Double-Sided\"\n"
                                            "check \"Short Edge\"\n"
                                            "click 1745\n"
                                            "expect \"None\" checked\n"
                                            "click 1745\n"
                                            "expect \"Long Edge\" checked\n"
                                            "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "iManualDuplex: 0 -> 1")) << run.output;
    EXPECT_FALSE(Contains(run.output, "iHardwareDuplex")) << run.output;
}

TEST_F(LayoutPage, AStoredPrinterChoiceWithoutTheKeyShowsNone) {
    Seed("Velmora IJ-980", {{"iManualDuplex", 3}});
    const auto run = Play("Velmora IJ-980", "expect 1741 hidden\n"
                                            "expect 1742 checked\n"
                                            "cancel\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
}

TEST_F(LayoutPage, APosterKeepsDoubleSidedPrintingOff) {
    const auto run = Play("Velmora IJ-980", "expect 1743 enabled\n"
                                            "choose 1711 \"Poster\"\n"
                                            "expect 1743 disabled\n"
                                            "hover 1743\n"
                                            "expect tip \"anything except Poster and Booklet\"\n"
                                            "cancel\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
}

TEST_F(LayoutPage, BookletOnTheColourLaserSurvivesTheNextChange) {
    // Booklet clears the type of the first page it blocks; that cleared type
    // once blocked double-sided printing and so reverted the booklet itself.
    const auto run = Play("Velmora CL-6500", "expect 1743 enabled\n"
                                             "choose 1711 \"Booklet Printing\"\n"
                                             "check \"Landscape\"\n"
                                             "expect 1711 text \"Booklet Printing\"\n"
                                             "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "iBooklet: 0 -> 1")) << run.output;
    EXPECT_TRUE(Contains(run.output, "dmOrientation: 1 -> 2")) << run.output;
}

TEST_F(LayoutPage, TheOrientationPictureTogglesTheRadios) {
    const auto run = Play("Velmora IJ-980", "expect \"Portrait\" checked\n"
                                            "click 1703\n"
                                            "expect \"Landscape\" checked\n"
                                            "check \"Mirror\"\n"
                                            "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "dmOrientation: 1 -> 2")) << run.output;
    EXPECT_TRUE(Contains(run.output, "iMirror: 0 -> 1")) << run.output;
}

TEST_F(LayoutPage, TheShortPageOpensLayoutMoreAndKeepsItsChoiceOnOk) {
    const auto run = Play("Velmora ML-4200", "expect 1711 absent\n"
                                             "dialog \"Layout More\"\n"
                                             "  check \"Reduce/Enlarge\"\n"
                                             "  type 1769 \"150\"\n"
                                             "  ok\n"
                                             "end\n"
                                             "click \"Layout More...\"\n"
                                             "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "iER: 0 -> 1")) << run.output;
    EXPECT_TRUE(Contains(run.output, "iERRatio: 100 -> 150")) << run.output;
}

TEST_F(LayoutPage, CancellingLayoutMoreKeepsTheRecord) {
    const auto run = Play("Velmora ML-4200", "dialog \"Layout More\"\n"
                                             "  check \"Poster\"\n"
                                             "  choose 1721 \"3x3\"\n"
                                             "  cancel\n"
                                             "end\n"
                                             "click \"Layout More...\"\n"
                                             "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_FALSE(Contains(run.output, "iPoster")) << run.output;
}

TEST_F(LayoutPage, TheGermanPageNamesItsRows) {
    const auto run = Play("Velmora CL-6500",
                          "expect 1701 text \"Hoch\"\n"
                          "expect 1711 selection \"Keine\"\n"
                          "choose 1711 \"Mehrere Seiten pro Blatt\"\n"
                          "expect 1712 text \"Seiten pro Blatt:\"\n"
                          "cancel\n",
                          "407");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
}

} // namespace
