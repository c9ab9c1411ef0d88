// The Basics and Main pages of the sample printers driven as a user drives
// them: the layout mode and lists a stored record opens with, the clone
// save that keeps the pages-per-side settings, the list copying and mode
// switching, the order list by two pages and orientation, the borderless
// rule on the inkjet model, the quality button and the German texts.
#include "devmode/devmode_record.h"
#include "tests/support/host_runner.h"
#include "tests/support/sheet_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace {

using kxtest::Contains;
using kxtest::ExitCode;

constexpr const char* kLaser = "Velmora ML-4200";
constexpr const char* kInkjet = "Velmora IJ-980";

class ShortPages : public kxtest::SheetFixture {
protected:
    kxtest::HostRun Play(const std::string& printer, const std::string& pages,
                         const std::string& script, const std::string& language = "409") {
        return PlaySheet(printer, pages, script, "", language);
    }
    void StartFrom(const std::string& printer, const std::function<void(BYTE*)>& change) {
        SheetFixture::StartFrom(printer, change, "21");
    }
};

TEST_F(ShortPages, AStoredCloneOpensInCloneModeWithItsPhotoSizeInTheUnitShown) {
    struct Row {
        const char* label;
        int clone;
        int inches;
        const char* shown;
    };
    const Row rows[] = {
        {"35 x 45 mm", 3, 0, "35 x 45 mm"},
        {"the same in inches", 3, 1, "1.38 x 1.77 inch"},
        {"the largest photo", 8, 0, "50.8 x 70 mm"},
        {"above the table: the largest", 20, 0, "50.8 x 70 mm"},
        {"the small photo is not offered", 1, 0, ""},
        {"below the table: nothing offered", -3, 1, ""},
    };
    for (const Row& row : rows) {
        StartFrom(kLaser, [&row](BYTE* record) {
            Set(record, "iClone", row.clone);
            Set(record, "IsMMInch", row.inches);
            Set(record, "iNup", 2);
        });
        const auto run = Play(kLaser, "21",
                              "expect 2485 checked\n"
                              "expect 2483 checked\n"
                              "expect 2479 unchecked\n"
                              "expect 2486 enabled\n"
                              "expect 2484 disabled\n"
                              "expect 2480 disabled\n"
                              "expect 2486 selection \"" +
                                  std::string(row.shown) +
                                  "\"\n"
                                  "cancel\n");
        EXPECT_EQ(ExitCode(run), 0) << row.label << "\n" << run.output;
    }
}

TEST_F(ShortPages, TheRepeatOrderOpensInRepeatModeWithPagesPerSideInBothLists) {
    struct Row {
        int nup;
        const char* shown;
    };
    const Row rows[] = {{2, "4"}, {6, "8"}, {9, "8"}, {-1, "1"}};
    for (const Row& row : rows) {
        StartFrom(kLaser, [&row](BYTE* record) {
            Set(record, "iNup", row.nup);
            Set(record, "iNupLayout", 5);
        });
        const std::string shown = "\"" + std::string(row.shown) + "\"\n";
        const auto run = Play(kLaser, "21",
                              "expect 2483 checked\n"
                              "expect 2485 unchecked\n"
                              "expect 2484 selection " +
                                  shown + "expect 2480 selection " + shown +
                                  "expect 2484 enabled\n"
                                  "expect 2480 disabled\n"
                                  "expect 2486 disabled\n"
                                  "expect 2486 selection \"\"\n"
                                  "cancel\n");
        EXPECT_EQ(ExitCode(run), 0) << "iNup " << row.nup << "\n" << run.output;
    }
}

TEST_F(ShortPages, ChoosingAnotherPhotoSizeKeepsThePagesPerSideSettings) {
    StartFrom(kLaser, [](BYTE* record) {
        Set(record, "iClone", 2);
        Set(record, "iNup", 2);
        Set(record, "iNupLayout", 3);
    });
    const auto run = Play(kLaser, "21",
                          "expect 2486 selection \"30 x 40 mm\"\n"
                          "choose 2486 \"35 x 45 mm\"\n"
                          "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "iClone: 2 -> 3")) << run.output;
    EXPECT_FALSE(Contains(run.output, "iNup:")) << run.output;
    EXPECT_FALSE(Contains(run.output, "iNupLayout:")) << run.output;
}

TEST_F(ShortPages, TheTwoCountListsCopyEachOtherAndTheModeSwitchMovesTheRows) {
    const auto run = Play(kLaser, "21",
                          "expect 2479 checked\n"
                          "expect 2485 disabled\n"
                          "expect 2482 disabled\n"
                          "choose 2480 \"4\"\n"
                          "expect 2484 selection \"4\"\n"
                          "expect 2482 enabled\n"
                          "click 2483\n"
                          "expect 2479 unchecked\n"
                          "expect 2480 disabled\n"
                          "expect 2482 disabled\n"
                          "expect 2484 enabled\n"
                          "expect 2485 enabled\n"
                          "choose 2484 \"16\"\n"
                          "expect 2480 selection \"16\"\n"
                          "check 2485\n"
                          "expect 2484 disabled\n"
                          "expect 2486 selection \"30 x 40 mm\"\n"
                          "uncheck 2485\n"
                          "expect 2486 selection \"\"\n"
                          "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "iNup: 0 -> 5")) << run.output;
    EXPECT_TRUE(Contains(run.output, "iNupLayout: 0 -> 5")) << run.output;
    EXPECT_FALSE(Contains(run.output, "iClone:")) << "the clone was taken back\n" << run.output;
}

TEST_F(ShortPages, TwoPagesPerSideOrderFollowsTheOrientation) {
    const auto run = Play(kLaser, "21",
                          "expect 2482 selection \"Right, Then Down\"\n"
                          "choose 2480 \"2\"\n"
                          "expect 2482 selection \"Right\"\n"
                          "choose 2482 \"Left\"\n"
                          "expect 2476 text \"Portrait\"\n"
                          "click 2476\n"
                          "expect 2476 text \"Landscape\"\n"
                          "expect 2482 selection \"Down\"\n"
                          "choose 2482 \"Up\"\n"
                          "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "dmOrientation: 1 -> 2")) << run.output;
    EXPECT_TRUE(Contains(run.output, "iNup: 0 -> 1")) << run.output;
    EXPECT_TRUE(Contains(run.output, "iNupLayout: 0 -> 4")) << run.output;
}

TEST_F(ShortPages, WithoutAnOrderListLeavingRepeatModeSticks) {
    StartFrom(kInkjet, [](BYTE* record) {
        Set(record, "iNup", 2);
        Set(record, "iNupLayout", 5);
    });
    const auto run = Play(kInkjet, "21,16",
                          "expect 2482 hidden\n"
                          "click 2479\n"
                          "expect 2479 checked\n"
                          "expect 2480 selection \"4\"\n"
                          "page 16\n"
                          "page 21\n"
                          "expect 2479 checked\n"
                          "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "iNupLayout: 5 -> 0")) << run.output;
    EXPECT_FALSE(Contains(run.output, "iNup:")) << run.output;
}

TEST_F(ShortPages, TheInkjetsPaperSizeSetsBorderlessButNeverANegativeValue) {
    struct Row {
        const char* label;
        const char* page;
        int start;
        const char* paper;
        const char* change; // empty: iBorderless stays
    };
    const Row rows[] = {
        {"Basics: a photo paper prints borderless", "16", 0, "Photo 10 x 15 cm",
         "iBorderless: 0 -> 1"},
        {"Basics: Legal prints with borders", "16", 1, "Legal", "iBorderless: 1 -> 0"},
        {"Basics: a negative value stays", "16", -1, "Photo 10 x 15 cm", ""},
        {"Main: a photo paper prints borderless", "21", 0, "Photo 10 x 15 cm",
         "iBorderless: 0 -> 1"},
        {"Main: A4 prints with borders", "21", 1, "A4", "iBorderless: 1 -> 0"},
        {"Main: a negative value stays", "21", -2, "A4", ""},
    };
    for (const Row& row : rows) {
        StartFrom(kInkjet, [&row](BYTE* record) { Set(record, "iBorderless", row.start); });
        const int size = std::string(row.page) == "16" ? 2463 : 2474;
        const auto run = Play(kInkjet, row.page,
                              "choose " + std::to_string(size) + " \"" + row.paper + "\"\nok\n");
        ASSERT_EQ(ExitCode(run), 0) << row.label << "\n" << run.output;
        if (*row.change != '\0')
            EXPECT_TRUE(Contains(run.output, row.change)) << row.label << "\n" << run.output;
        else
            EXPECT_FALSE(Contains(run.output, "iBorderless:")) << row.label << "\n" << run.output;
    }
}

TEST_F(ShortPages, TheQualityButtonWritesOnlyTheDriversResolution) {
    StartFrom(kLaser, [](BYTE* record) {
        Set(record, "dmPrintQuality", 1200);
        Set(record, "iResolution", 1200);
    });
    const auto on = Play(kLaser, "16",
                         "expect 2468 unchecked\n"
                         "check 2468\n"
                         "ok\n");
    ASSERT_EQ(ExitCode(on), 0) << on.output;
    EXPECT_TRUE(Contains(on.output, "iResolution: 1200 -> 600")) << on.output;
    EXPECT_FALSE(Contains(on.output, "dmPrintQuality:")) << on.output;

    // A resolution the button does not name stays until the button is
    // turned; a record without its own resolution shows the public one.
    struct Row {
        const char* label;
        int quality;
        int resolution;
        const char* script;
        const char* change; // empty: iResolution stays
    };
    const Row rows[] = {
        {"2400 stays when the page is only visited", 1200, 2400, "expect 2468 unchecked\nok\n", ""},
        {"2400 becomes 600 when the button is turned on", 1200, 2400, "check 2468\nok\n",
         "iResolution: 2400 -> 600"},
        {"none of its own reads the public 1200", 1200, 0, "expect 2468 unchecked\nok\n", ""},
        {"none of its own reads the public 600", 600, 0, "expect 2468 checked\nuncheck 2468\nok\n",
         "iResolution: 0 -> 1200"},
    };
    for (const Row& row : rows) {
        StartFrom(kLaser, [&row](BYTE* record) {
            Set(record, "dmPrintQuality", row.quality);
            Set(record, "iResolution", row.resolution);
        });
        const auto run = Play(kLaser, "16", row.script);
        ASSERT_EQ(ExitCode(run), 0) << row.label << "\n" << run.output;
        if (*row.change != '\0')
            EXPECT_TRUE(Contains(run.output, row.change)) << row.label << "\n" << run.output;
        else
            EXPECT_FALSE(Contains(run.output, "iResolution:")) << row.label << "\n" << run.output;
        EXPECT_FALSE(Contains(run.output, "dmPrintQuality:")) << row.label << "\n" << run.output;
    }
}

TEST_F(ShortPages, ALockedPaperTypeCannotBeChosenOnTheBasicsPage) {
    StartFrom(kLaser, [](BYTE* record) { Set(record, "bLockedFeatures", 8); });
    const auto locked = Play(kLaser, "16",
                             "expect 2465 disabled\n"
                             "hover 2465\n"
                             "expect tip \"locked by Administrator\"\n"
                             "cancel\n");
    EXPECT_EQ(ExitCode(locked), 0) << locked.output;
    StartFrom(kLaser, [](BYTE* record) { Set(record, "bLockedFeatures", 4); });
    const auto free = Play(kLaser, "16", "expect 2465 enabled\ncancel\n");
    EXPECT_EQ(ExitCode(free), 0) << "only the type lock counts\n" << free.output;
}

TEST_F(ShortPages, NewCopiesOnTheMainPageEndTheGrayscaleAndColourSplit) {
    StartFrom(kLaser, [](BYTE* record) {
        Set(record, "dmCopies", 5);
        Set(record, "sMonoCopies", 2);
        Set(record, "sColorCopies", 3);
    });
    const auto same = Play(kLaser, "21", "expect 2471 text \"5\"\nok\n");
    ASSERT_EQ(ExitCode(same), 0) << same.output;
    EXPECT_FALSE(Contains(same.output, "sMonoCopies:")) << "the copies stayed\n" << same.output;
    const auto changed = Play(kLaser, "21", "type 2471 \"7\"\nok\n");
    ASSERT_EQ(ExitCode(changed), 0) << changed.output;
    EXPECT_TRUE(Contains(changed.output, "dmCopies: 5 -> 7")) << changed.output;
    EXPECT_TRUE(Contains(changed.output, "sMonoCopies: 2 -> 0")) << changed.output;
    EXPECT_TRUE(Contains(changed.output, "sColorCopies: 3 -> 7")) << changed.output;
}

TEST_F(ShortPages, BothPagesSpeakGermanAndDrawTheirPictures) {
    const auto run = Play(kLaser, "16,21",
                          "expect 2467 selection \"Millimeter\"\n"
                          "expect 2461 text \"Hoch\"\n"
                          "expect label \"Format\" enabled\n"
                          "page 21\n"
                          "expect 2483 text \"Wiederholen:\"\n"
                          "expect 2482 selection \"Rechts, unten\"\n"
                          "choose label \"Einheit\" \"Zoll\"\n"
                          "click 2483\n"
                          "check 2485\n"
                          "expect 2486 selection \"1,18 x 1,57 Zoll\"\n"
                          "cancel\n",
                          "407");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(std::filesystem::exists(Path("page-16.png")));
    EXPECT_TRUE(std::filesystem::exists(Path("page-21.png")));
}

} // namespace
