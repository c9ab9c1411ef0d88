// The host's dialog command, run as a user runs it.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace {

struct HostRun {
    int status = -1;
    std::string output;
};

HostRun RunHost(const std::string& arguments) {
    HostRun run;
    const std::string command = std::string(KX_HOST_PROGRAM) + " " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    std::array<char, 4096> buffer{};
    size_t read = 0;
    while ((read = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.output.append(buffer.data(), read);
    run.status = pclose(pipe);
    return run;
}

class DialogCommand : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = std::filesystem::temp_directory_path() /
                   ("kx_dialog_command_" + std::to_string(getpid()));
        std::filesystem::create_directories(m_folder);
        std::ofstream(m_folder / "copies.rc") << R"(DIALOGEX 0, 0, 200, 100
STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION
CAPTION "Copies"
FONT 8, "MS Shell Dlg"
BEGIN
    EDITTEXT 10, 40, 7, 50, 14, ES_NUMBER
    AUTOCHECKBOX "&Collate", 12, 40, 25, 60, 10
    DEFPUSHBUTTON "OK", IDOK, 90, 82, 50, 14
END
)";
        std::ofstream(m_folder / "broken.rc") << "DIALOGEX 0, 0, 10, 10\nBEGIN\nNONSENSE\nEND\n";
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    std::string File(const char* name) const { return (m_folder / name).string(); }
    std::filesystem::path m_folder;
};

TEST_F(DialogCommand, ActsOnTheDialogAndPrintsItsControls) {
    const HostRun run =
        RunHost("dialog " + File("copies.rc") + " type:10=12x3 check:Collate key:enter");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("\"123\""), std::string::npos)
        << "the number-only edit refused the x\n"
        << run.output;
    EXPECT_NE(run.output.find("checked=1"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("ended with OK"), std::string::npos) << run.output;
}

TEST_F(DialogCommand, WritesThePictureOfTheDialog) {
    const std::string png = File("copies.png");
    const HostRun run = RunHost("dialog " + File("copies.rc") + " check:Collate --png " + png);
    EXPECT_EQ(run.status, 0) << run.output;
    std::ifstream file(png, std::ios::binary);
    char signature[8] = {};
    file.read(signature, 8);
    EXPECT_EQ(std::string(signature + 1, 3), "PNG") << run.output;
}

TEST_F(DialogCommand, SheetOfPagesSwitchesPagesAndCloses) {
    std::ofstream(m_folder / "paper.rc")
        << "DIALOGEX 0, 0, 150, 80\nSTYLE DS_SETFONT | WS_CHILD\nCAPTION \"Paper\"\n"
           "FONT 8, \"MS Shell Dlg\"\nBEGIN\nAUTOCHECKBOX \"Duplex\", 30, 7, 7, 60, 10\nEND\n";
    HostRun run = RunHost("script-sheet Preferences " + File("copies.rc") + " " + File("paper.rc") +
                          " page:1 check:Duplex");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("Duplex"), std::string::npos) << "the second page is current\n"
                                                            << run.output;
    run = RunHost("script-sheet Preferences " + File("paper.rc") + " click:OK");
    EXPECT_NE(run.output.find("closed"), std::string::npos) << run.output;
}

TEST_F(DialogCommand, ReportsScriptErrorsAndImpossibleActions) {
    HostRun run = RunHost("dialog " + File("broken.rc"));
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.output.find("broken.rc:3"), std::string::npos) << run.output;
    run = RunHost("dialog " + File("copies.rc") + " click:Nowhere");
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.output.find("could not click:Nowhere"), std::string::npos) << run.output;
}

} // namespace
