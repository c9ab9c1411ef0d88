// The Watermark, Overlay and Deco pages of the sample printers driven as a
// user drives them, and the mark files the sheet's closing prints: the
// built-in watermarks, the overlay lists by printer language and the
// installed overlays, the stamp on the deco-view models and its absence on
// the office-view one, and the jobs in the journal.
#include "tests/support/host_runner.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace {

using kxtest::Contains;
using kxtest::ExitCode;

std::string ReadWhole(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

class MarksPages : public testing::Test {
protected:
    kxtest::HostRun Play(const std::string& printer, const std::string& page,
                         const std::string& script, const std::string& language = "409") {
        std::ofstream(scratch.root() + "/script.txt") << script;
        const std::string pictures = scratch.root() + "/png-" + language;
        std::filesystem::create_directories(pictures);
        return kxtest::RunHost(prefix,
                               "sheet '" + printer + "' '" + scratch.root() +
                                   "/script.txt' --pages " + page + " --png-dir '" + pictures + "'",
                               "KX_LANGID=" + language + " KX_HEADLESS=1");
    }

    /// Document name -> count of the jobs in the journal.
    std::map<std::string, int> Jobs() const {
        std::map<std::string, int> jobs;
        const std::filesystem::path folder = prefix + "/spool";
        if (!std::filesystem::exists(folder))
            return jobs;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (entry.path().extension() != ".txt")
                continue;
            const std::string record = ReadWhole(entry.path());
            const size_t at = record.find("Document=");
            ++jobs[record.substr(at + 9, record.find('\n', at) - at - 9)];
        }
        return jobs;
    }

    /// Keeps the pictures of a page for people to look at.
    void KeepPicture(const std::string& language, const std::string& page,
                     const std::string& name) const {
        const std::string dir = std::string(KX_BINARY_DIR) + "/pictures";
        std::filesystem::create_directories(dir);
        std::filesystem::copy_file(scratch.root() + "/png-" + language + "/page-" + page + ".png",
                                   dir + "/" + name,
                                   std::filesystem::copy_options::overwrite_existing);
    }

    kxtest::TestPrefix scratch;
    std::string prefix = scratch.root() + "/prefix";
};

TEST_F(MarksPages, TheWatermarkPageListsTheBuiltInsAndOkPrintsTheWatermarkFile) {
    struct Row {
        const char* printer;
        const char* stem;
        int watermarkJobs; // CheckWaterMarkFile models print portrait and landscape
    };
    for (const Row& row : {Row{"Velmora ML-4200", "ml", 2}, Row{"Velmora CL-6500", "cl", 2},
                           Row{"Velmora IJ-980", "ij", 0}}) {
        SCOPED_TRACE(row.printer);
        std::filesystem::remove_all(prefix + "/spool");
        const auto run = Play(row.printer, "6",
                              "expect 1199 selection \"(No Watermark)\"\n"
                              "choose 1199 \"CONFIDENTIAL\"\n"
                              "expect 1081 text \"CONFIDENTIAL\"\n"
                              "expect \"Add\" disabled\n"
                              "ok\n");
        ASSERT_EQ(ExitCode(run), 0) << run.output;
        EXPECT_TRUE(Contains(run.output, "CONFIDENTIAL")) << run.output;
        EXPECT_TRUE(Contains(run.output, "iWaterSize: 0 -> 72")) << run.output;
        KeepPicture("409", "6", std::string("watermark-page-") + row.stem + ".png");
        const auto jobs = Jobs();
        EXPECT_EQ(jobs.count("WaterMark File") ? jobs.at("WaterMark File") : 0, row.watermarkJobs);
        EXPECT_EQ(jobs.count("Deco File"), 0u) << "no stamp was set";
    }
    // A cancelled sheet prints nothing.
    std::filesystem::remove_all(prefix + "/spool");
    const auto cancelled = Play("Velmora ML-4200", "6", "choose 1199 \"DRAFT\"\ncancel\n");
    ASSERT_EQ(ExitCode(cancelled), 0) << cancelled.output;
    EXPECT_TRUE(Jobs().empty());
}

TEST_F(MarksPages, TheWatermarkPageInGerman) {
    const auto run = Play("Velmora CL-6500", "6",
                          "expect 1199 selection \"(Kein Wasserzeichen)\"\n"
                          "expect 1072 text \"Text\"\n"
                          "expect 1017 selection \"Grau\"\n"
                          "choose 1199 \"ENTWURF\"\n"
                          "expect 1017 selection \"Rot\"\n"
                          "cancel\n",
                          "407");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    KeepPicture("407", "6", "watermark-page-cl-de.png");
}

TEST_F(MarksPages, TheDecoPagePrintsFourStampFilesOnADecoModel) {
    const auto run = Play("Velmora CL-6500", "19",
                          "expect 1085 selection \"(No Frame)\"\n"
                          "expect 1256 disabled\n"
                          "choose 1085 \"Film Style\"\n"
                          "type 1256 \"Approved\"\n"
                          "type 1255 \"09.12.2026\"\n"
                          "choose 1017 \"Red\"\n"
                          "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "FrameStyle: 0 -> 3")) << run.output;
    KeepPicture("409", "19", "deco-page-cl.png");
    const auto jobs = Jobs();
    ASSERT_TRUE(jobs.count("Deco File")) << run.output;
    EXPECT_EQ(jobs.at("Deco File"), 4);
    EXPECT_EQ(jobs.count("WaterMark File"), 0u);
}

TEST_F(MarksPages, TheDecoPageOnTheOtherModels) {
    // The office-view laser keeps its job account where the stamp would go.
    auto run = Play("Velmora ML-4200", "19",
                    "expect 1085 disabled\n"
                    "expect 1256 disabled\n"
                    "hover 1257\n"
                    "expect tip \"job account\"\n"
                    "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_FALSE(Contains(run.output, "FrameStyle")) << run.output;
    KeepPicture("409", "19", "deco-page-ml.png");
    run = Play("Velmora IJ-980", "19",
               "expect 1085 selection \"(Kein Rahmen)\"\n"
               "choose 1085 \"Holz\"\n"
               "type 1256 \"Hallo\"\n"
               "cancel\n",
               "407");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    KeepPicture("407", "19", "deco-page-ij-de.png");
}

TEST_F(MarksPages, TheOverlayPageListsByLanguageAndImportsTheInstalledOverlays) {
    // The colour laser has no printer languages: its generic list starts
    // with the overlays installed with the driver.
    auto run = Play("Velmora CL-6500", "7",
                    "expect 1102 selection \"(No Overlay)\"\n"
                    "choose 1102 \"VCL65LTR.OVL\"\n"
                    "expect 1033 enabled\n"
                    "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "ovrLoadCreate: 0 -> 1")) << run.output;
    KeepPicture("409", "7", "overlay-page-cl.png");
    // The mono laser keeps one list per printer language.
    std::filesystem::create_directories(prefix + "/drive_c/FORMS");
    std::ofstream(prefix + "/drive_c/FORMS/MEMO.OVP") << "pcl";
    run = Play("Velmora ML-4200", "7",
               "file \"C:\\FORMS\\MEMO\"\n"
               "click \"Load...\"\n"
               "expect 1102 selection \"MEMO.OVP\"\n"
               "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "MEMO.OVP")) << run.output;
    KeepPicture("409", "7", "overlay-page-ml.png");
    run = Play("Velmora IJ-980", "7", "expect 1102 selection \"(Keine Überlagerung)\"\ncancel\n",
               "407");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    KeepPicture("407", "7", "overlay-page-ij-de.png");
}

} // namespace
