// Favourites as a user meets them on a sample printer's sheet: saved on one
// page and seen on another, the names that cannot be saved, the overwrite
// question, the limit of the list, matching that ignores the printer
// configuration, the old name-less favourites and deleting the last one.
#include "devmode/devmode_record.h"
#include "framework/control_ids.h"
#include "tests/support/host_runner.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

constexpr const char* kPrinter = "'Velmora ML-4200'";
// Scripts name the favourites box by its identifier: its only label is the
// caption of the group around it.
const std::string kBox = std::to_string(kx::kFavouritesBoxId);
// The store key of the sample driver's favourites.
constexpr const char* kFavouritesKey =
    "HKEY_CURRENT_USER\\SOFTWARE\\Velmora\\VML42\\TSF\\Device Modes";

using kxtest::Contains;
using kxtest::ExitCode;

class FavouritesSheet : public testing::Test {
protected:
    kxtest::HostRun Play(const std::string& script, const std::string& options = "--pages 0,1") {
        std::ofstream(Path("script.txt")) << script;
        return Run(std::string("sheet ") + kPrinter + " '" + Path("script.txt") + "' " + options);
    }
    kxtest::HostRun Run(const std::string& arguments) const {
        return kxtest::RunHost(prefix, arguments, "KX_LANGID=409");
    }
    std::string Path(const std::string& name) const { return scratch.root() + "/" + name; }
    static std::string ReadAll(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    /// What the store holds under the favourites key, as `reg export` writes it.
    std::string ExportedFavourites() {
        const auto run = Run("reg export --regedit4 '" + std::string(kFavouritesKey) + "' '" +
                             Path("favourites.reg") + "'");
        return ExitCode(run) == 0 ? ReadAll(Path("favourites.reg")) : std::string();
    }

    /// Stores `count` favourites "F0".. whose settings are `record`, by
    /// default with 5 copies so that no state of the sheet's placeholder
    /// pages matches them.
    void SeedFavourites(int count, std::string record, int copies = 5) {
        kx::WriteNumber(reinterpret_cast<BYTE*>(record.data()), kx::FieldNamed("dmCopies"), copies);
        std::string hex;
        for (const char byte : record) {
            char digits[4];
            std::snprintf(digits, sizeof digits, "%02x", static_cast<unsigned char>(byte));
            hex += (hex.empty() ? "" : ",") + std::string(digits);
        }
        std::ofstream reg(Path("seed.reg"));
        reg << "REGEDIT4\r\n\r\n[" << kFavouritesKey << "]\r\n\"DMNum\"=\"" << count << "\"\r\n";
        for (int i = 0; i < count; ++i)
            reg << "\"CDM" << i << "\"=hex:" << hex << "\r\n\"CDMName" << i << "\"=\"F" << i
                << "\"\r\n";
        reg.close();
        const auto run = Run("reg import '" + Path("seed.reg") + "'");
        ASSERT_EQ(ExitCode(run), 0) << run.output;
    }

    /// The record a sheet starts from once the module has stored its default
    /// (the very first sheet also gives the host's record the user's name).
    std::string StartingRecord() {
        for (int run = 0; run < 2; ++run) {
            const auto played = Play("", "--pages 0 --out '" + Path("start.dm") + "'");
            EXPECT_EQ(ExitCode(played), 0) << played.output;
        }
        return ReadAll(Path("start.dm"));
    }

    kxtest::TestPrefix scratch;
    std::string prefix = scratch.root() + "/prefix";
};

TEST_F(FavouritesSheet, ASaveOnOnePageIsSelectedOnTheOtherAndChoosingItAppliesIt) {
    const auto run = Play("page 0\n"
                          "expect " +
                          kBox +
                          " selection \"Printer Default\"\n"
                          "check \"&Inches\"\n"
                          "expect " +
                          kBox +
                          " text \"Untitled\"\n"
                          "type " +
                          kBox +
                          " \"Everyday\"\n"
                          "click \"Save\"\n"
                          "expect " +
                          kBox +
                          " selection \"Everyday\"\n"
                          "expect \"Delete\" enabled\n"
                          "page 1\n"
                          "expect " +
                          kBox +
                          " selection \"Everyday\"\n"
                          "check \"Millimeters\"\n"
                          "expect " +
                          kBox +
                          " selection \"Printer Default\"\n"
                          "page 0\n"
                          "choose " +
                          kBox +
                          " \"Everyday\"\n"
                          "expect \"&Inches\" checked\n"
                          "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "IsMMInch: 0 -> 1")) << run.output;
    const std::string stored = ExportedFavourites();
    EXPECT_TRUE(Contains(stored, "\"CDMName0\"=\"Everyday\"")) << stored;
    EXPECT_TRUE(Contains(stored, "\"DMNum\"")) << stored;
}

TEST_F(FavouritesSheet, NamesOfTheTwoBuiltInEntriesAreRefused) {
    for (const char* name : {"printer default", "UNTITLED", "Printer Default"}) {
        const auto run = Play(std::string("check \"&Inches\"\n"
                                          "type " +
                                          kBox + " \"") +
                              name +
                              "\"\n"
                              "click \"Save\"\n"
                              "expect message \"Please enter a name for this favorite.\"\n");
        EXPECT_EQ(ExitCode(run), 0) << name << "\n" << run.output;
    }
    EXPECT_FALSE(Contains(ExportedFavourites(), "CDM0")) << "nothing was saved";
}

TEST_F(FavouritesSheet, AnExistingNameIsReplacedOnYesAndKeptOnNo) {
    const auto run = Play("check \"&Inches\"\n"
                          "type " +
                          kBox +
                          " \"Mine\"\n"
                          "click \"Save\"\n"
                          "check \"Millimeters\"\n"
                          "type " +
                          kBox +
                          " \"Other\"\n"
                          "? click \"Save\"\n" // Printer Default is selected: its name is fixed
                          "check \"&Inches\"\n"
                          "check \"Millimeters\"\n"
                          "page 1\n"
                          "page 0\n"
                          "check \"&Inches\"\n"
                          "expect " +
                          kBox +
                          " selection \"Mine\"\n"
                          "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;

    // A second sheet: the same name under other settings.
    const std::string record = StartingRecord();
    ASSERT_EQ(record.size(), kx::kDevmodeSize);
    SeedFavourites(1, record);
    const auto no = Play("check \"&Inches\"\n"
                         "type " +
                         kBox +
                         " \"F0\"\n"
                         "answer no\n"
                         "click \"Save\"\n"
                         "expect message \"This name already exists\"\n"
                         "expect " +
                         kBox + " text \"F0\"\n");
    ASSERT_EQ(ExitCode(no), 0) << no.output;
    EXPECT_TRUE(Contains(ExportedFavourites(), "\"DMNum\"=\"1\"")) << "No kept the list";

    const auto yes = Play("check \"&Inches\"\n"
                          "type " +
                          kBox +
                          " \"F0\"\n"
                          "answer yes\n"
                          "click \"Save\"\n"
                          "expect " +
                          kBox + " selection \"F0\"\n");
    ASSERT_EQ(ExitCode(yes), 0) << yes.output;
    const std::string stored = ExportedFavourites();
    EXPECT_TRUE(Contains(stored, "\"CDMName0\"=\"F0\"")) << stored;
    EXPECT_FALSE(Contains(stored, "CDMName1")) << "one entry of that name: " << stored;
}

TEST_F(FavouritesSheet, SaveIsOfferedUpToThirtyTwoEntries) {
    const std::string record = StartingRecord();
    ASSERT_EQ(record.size(), kx::kDevmodeSize);
    struct Case {
        int favourites;
        const char* expectation;
    };
    const Case cases[] = {{31, "enabled"}, {32, "disabled"}};
    for (const Case& c : cases) {
        SeedFavourites(c.favourites, record);
        const auto run = Play(std::string("check \"&Inches\"\n"
                                          "expect " +
                                          kBox +
                                          " text \"Untitled\"\n"
                                          "expect \"Save\" ") +
                              c.expectation + "\n");
        EXPECT_EQ(ExitCode(run), 0) << c.favourites << " favourites\n" << run.output;
    }
}

TEST_F(FavouritesSheet, OnlyTheConfigurationDifferingStillSelectsTheFavourite) {
    std::string record = StartingRecord();
    ASSERT_EQ(record.size(), kx::kDevmodeSize);
    BYTE* bytes = reinterpret_cast<BYTE*>(record.data());
    const auto copies = static_cast<int>(kx::ReadNumber(bytes, kx::FieldNamed("dmCopies")));
    kx::WriteNumber(bytes, kx::FieldNamed("sDrvLang"), 1);
    kx::WriteNumber(bytes, kx::FieldNamed("iOptTray"), 3);
    SeedFavourites(1, record, copies);
    const auto run = Play("expect " + kBox + " selection \"F0\"\n");
    EXPECT_EQ(ExitCode(run), 0) << run.output;
}

TEST_F(FavouritesSheet, AFavouriteWithoutANameValueIsListedByItsWatermarkText) {
    std::string old = StartingRecord();
    ASSERT_EQ(old.size(), kx::kDevmodeSize);
    kx::WriteText(reinterpret_cast<BYTE*>(old.data()), kx::FieldNamed("cWaterText"), u"Old one");
    SeedFavourites(1, old);
    std::ofstream(Path("strip.reg"))
        << "REGEDIT4\r\n\r\n[" << kFavouritesKey << "]\r\n\"CDMName0\"=-\r\n";
    ASSERT_EQ(ExitCode(Run("reg import '" + Path("strip.reg") + "'")), 0);
    const auto run = Play("choose " + kBox +
                          " \"Old one\"\n"
                          "expect " +
                          kBox + " selection \"Old one\"\n");
    EXPECT_EQ(ExitCode(run), 0) << run.output;
}

TEST_F(FavouritesSheet, DeletingTheLastFavouriteLeavesNoKeyAndNoCount) {
    const auto run = Play("check \"&Inches\"\n"
                          "type " +
                          kBox +
                          " \"Gone\"\n"
                          "click \"Save\"\n"
                          "answer yes\n"
                          "click \"Delete\"\n"
                          "expect message \"Are you sure you want to delete this favorite?\"\n"
                          "expect " +
                          kBox +
                          " text \"Untitled\"\n"
                          "expect \"Save\" enabled\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_FALSE(Contains(ExportedFavourites(), "DMNum"));
}

} // namespace
