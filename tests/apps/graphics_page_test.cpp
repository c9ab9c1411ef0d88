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
                         const std::string& language = "409") {
        std::ofstream(scratch.root() + "/script.txt") << script;
        return kxtest::RunHost(prefix,
                               "sheet '" + printer + "' '" + scratch.root() +
                                   "/script.txt' --pages 2 --png-dir '" + scratch.root() + "'",
                               "KX_LANGID=" + language + " KX_HEADLESS=1");
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
    EXPECT_TRUE(Contains(run.output, "iTonerSave: 0 -> 2")) << run.output;
    EXPECT_FALSE(Contains(run.output, "dmPrintQuality")) << "draft prints at 600 dpi";
    EXPECT_TRUE(std::filesystem::exists(scratch.root() + "/page-2.png"));

    run = Play("Velmora ML-4200", "click \"1200 dpi\"\nok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "iTonerSave: 0 -> 1")) << run.output;
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

} // namespace
