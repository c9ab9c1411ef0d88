// The Graphics page of the sample printers driven as a user drives it: the
// radios each model offers, the draft rule on the toner-save field, colour
// or grayscale with the public colour field, and the page's texts in
// German.
#include "tests/support/host_runner.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

using kxtest::Contains;
using kxtest::ExitCode;

class GraphicsPage : public testing::Test {
protected:
    kxtest::HostRun Play(const std::string& printer, const std::string& script,
                         const std::string& language = "409", const std::string& pages = "2") {
        std::ofstream(scratch.root() + "/script.txt") << script;
        return kxtest::RunHost(prefix,
                               "sheet '" + printer + "' '" + scratch.root() +
                                   "/script.txt' --pages " + pages + " --png-dir '" +
                                   scratch.root() + "'",
                               "KX_LANGID=" + language + " KX_HEADLESS=1");
    }
    kxtest::HostRun PlayReduced(const std::string& printer, const std::string& script,
                                const std::string& language = "409") {
        return Play(printer, script, language, "18");
    }

    kxtest::TestPrefix scratch;
    std::string prefix = scratch.root() + "/prefix";
};

TEST_F(GraphicsPage, MonoLaserDraftSavesTonerAndTheOtherEntriesDoNot) {
    auto run = Play("Velmora ML-4200", "expect 1501 text \"1200 dpi\"\n"
                                       "expect 1504 text \"Draft\"\n"
                                       "expect \"600 dpi\" checked\n"
                                       "click \"Draft\"\n"
                                       "expect \"600 dpi\" unchecked\n"
                                       "expect \"Advanced Options...\" visible\n"
                                       "? expect \"All Text Black\" visible\n"
                                       "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "iTonerSave: 1 -> 2")) << run.output;
    EXPECT_FALSE(Contains(run.output, "dmPrintQuality")) << "draft prints at 600 dpi";
    EXPECT_TRUE(std::filesystem::exists(scratch.root() + "/page-2.png"));

    run = Play("Velmora ML-4200", "click \"1200 dpi\"\nok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_FALSE(Contains(run.output, "iTonerSave")) << "the default already saves no toner";
    EXPECT_TRUE(Contains(run.output, "dmPrintQuality: 600 -> 1200")) << run.output;
}

TEST_F(GraphicsPage, ColourLaserOffersOneRadioAndGrayscaleWritesBothColourFields) {
    const auto run = Play("Velmora CL-6500", "expect 1501 text \"600 dpi\"\n"
                                             "expect 1501 checked\n"
                                             "expect 1502 hidden\n"
                                             "expect \"Color\" checked\n"
                                             "click \"Grayscale\"\n"
                                             "check \"Black Ink Only\"\n"
                                             "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "iGrayMode: 1 -> 0")) << run.output;
    EXPECT_TRUE(Contains(run.output, "dmColor: 2 -> 1")) << run.output;
    EXPECT_TRUE(Contains(run.output, "jBlackInkOnly: 0 -> 1")) << run.output;
}

TEST_F(GraphicsPage, InkjetNamesItsQualitiesFromTheStringFileInGerman) {
    const auto run = Play("Velmora IJ-980",
                          "expect 1501 text \"Foto\"\n"
                          "expect 1503 text \"Schnell\"\n"
                          "expect 1500 text \"Auflösung\"\n"
                          "click \"Graustufen\"\n"
                          "cancel\n",
                          "407");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_FALSE(Contains(run.output, "iGrayMode")) << "cancel keeps the record";
}

TEST_F(GraphicsPage, ColourLaserGrayscaleRowsWaitForGrayscale) {
    // The page has no room for them: they are on the Advanced tab.
    const auto run = Play("Velmora CL-6500", "dialog \"Advanced Options\"\n"
                                             "  expect \"Enhance Grays\" disabled\n"
                                             "  hover \"Enhance Grays\"\n"
                                             "  expect tip \"click the Grayscale in the Color\"\n"
                                             "  cancel\n"
                                             "end\n"
                                             "click \"Advanced Options...\"\n"
                                             "click \"Grayscale\"\n"
                                             "dialog \"Advanced Options\"\n"
                                             "  check \"Enhance Grays\"\n"
                                             "  ok\n"
                                             "end\n"
                                             "click \"Advanced Options...\"\n"
                                             "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "iHalftorning: 0 -> 4")) << run.output;
}

// Page index 18: the reduced page of a model with colour settings, the page
// with the colour sliders inline for the others.
TEST_F(GraphicsPage, ColourLaserReducedPageKeepsItsColourRowsAndSettingsHoldTheRest) {
    const auto run = PlayReduced("Velmora CL-6500", "expect 1501 text \"600 dpi\"\n"
                                                    "expect \"Color\" checked\n"
                                                    "expect \"Color Settings...\" visible\n"
                                                    "expect \"Advanced Options...\" visible\n"
                                                    "dialog \"Settings\"\n"
                                                    "  expect 1501 absent\n"
                                                    "  expect \"Enhance Grays\" disabled\n"
                                                    "  cancel\n"
                                                    "end\n"
                                                    "click \"Settings...\"\n"
                                                    "click \"Grayscale\"\n"
                                                    "dialog \"Settings\"\n"
                                                    "  check \"Enhance Grays\"\n"
                                                    "  ok\n"
                                                    "end\n"
                                                    "click \"Settings...\"\n"
                                                    "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "iGrayMode: 1 -> 0")) << run.output;
    EXPECT_TRUE(Contains(run.output, "iHalftorning: 0 -> 4")) << run.output;
    EXPECT_TRUE(std::filesystem::exists(scratch.root() + "/page-18.png"));
}

TEST_F(GraphicsPage, InkjetSlidersInlineStoreTheirComplementsAndSettingsHoldTheResolution) {
    auto run = PlayReduced("Velmora IJ-980", "slide 1669 30\n"
                                             "expect 1675 text \"30\"\n"
                                             "type 1672 \"150\"\n"
                                             "expect 1672 text \"100\"\n"
                                             "expect \"Automatic\" visible\n"
                                             "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "iRed: 50 -> 30")) << run.output;
    EXPECT_TRUE(Contains(run.output, "iCyan: 50 -> 70")) << run.output;
    EXPECT_TRUE(Contains(run.output, "iBrightness: 50 -> 100")) << run.output;

    // Grayscale, chosen in the settings, leaves only brightness and contrast.
    run = PlayReduced("Velmora IJ-980", "dialog \"Settings\"\n"
                                        "  expect 1503 visible\n"
                                        "  click \"Grayscale\"\n"
                                        "  ok\n"
                                        "end\n"
                                        "click \"Settings...\"\n"
                                        "expect 1669 disabled\n"
                                        "expect 1668 disabled\n"
                                        "expect 1666 enabled\n"
                                        "hover 1669\n"
                                        "expect tip \"click the Color in the Color Mode\"\n"
                                        "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "iGrayMode: 1 -> 0")) << run.output;
}

TEST_F(GraphicsPage, MonoLaserReducedPageShowsBrightnessAndContrastOnly) {
    const auto run = PlayReduced("Velmora ML-4200", "expect 1666 visible\n"
                                                    "expect 1667 visible\n"
                                                    "expect 1668 hidden\n"
                                                    "expect 1671 hidden\n"
                                                    "dialog \"Settings\"\n"
                                                    "  click \"Draft\"\n"
                                                    "  ok\n"
                                                    "end\n"
                                                    "click \"Settings...\"\n"
                                                    "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "iTonerSave: 1 -> 2")) << run.output;
}

TEST_F(GraphicsPage, ReducedPageAndItsSettingsSpeakGerman) {
    const auto run = PlayReduced("Velmora IJ-980",
                                 "expect 1666 visible\n"
                                 "expect 1660 text \"Helligkeit\"\n"
                                 "dialog \"Einstellungen\"\n"
                                 "  expect 1500 text \"Auflösung\"\n"
                                 "  expect 1501 text \"Foto\"\n"
                                 "  cancel\n"
                                 "end\n"
                                 "click \"Einstellungen...\"\n"
                                 "cancel\n",
                                 "407");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
}

} // namespace
