// The gui command on a real display: Xvfb with its screen in a file, a
// person's input from xdotool, the sheet's window probed pixel by pixel
// between the steps, and what the command prints when the sheet closes.
// Skipped where Xvfb or xdotool is not installed.
#include "tests/support/host_runner.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <signal.h>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using kxtest::Contains;

bool Installed(const char* program) {
    return std::system((std::string("command -v ") + program + " >/dev/null 2>&1").c_str()) == 0;
}

std::string Capture(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return output;
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe))
        output += buffer;
    pclose(pipe);
    return output;
}

struct Rgb {
    int r, g, b;
    int Brightness() const { return (r + g + b) / 3; }
};

/// The X server's screen as Xvfb keeps it in a file (the XWD format: a
/// big-endian header, a colour map, then the pixels in the server's order).
class Screen {
public:
    explicit Screen(const std::string& path) {
        std::error_code error;
        const auto size = fs::file_size(path, error);
        if (error)
            return;
        m_bytes.resize(size);
        std::ifstream(path, std::ios::binary)
            .read(m_bytes.data(), static_cast<std::streamsize>(size));
    }
    bool Valid() const { return m_bytes.size() > 100 && Header(11) == 32; }
    Rgb At(int x, int y) const {
        const size_t at = Header(0) + Header(19) * 12 + static_cast<size_t>(y) * Header(12) +
                          static_cast<size_t>(x) * 4;
        if (at + 3 > m_bytes.size())
            return {-1, -1, -1};
        return {Byte(at + 2), Byte(at + 1), Byte(at)};
    }

private:
    size_t Header(int field) const {
        size_t value = 0;
        for (int i = 0; i < 4; ++i)
            value =
                value << 8 | static_cast<unsigned char>(
                                 m_bytes[static_cast<size_t>(field) * 4 + static_cast<size_t>(i)]);
        return value;
    }
    int Byte(size_t at) const { return static_cast<unsigned char>(m_bytes[at]); }
    std::vector<char> m_bytes;
};

struct Box {
    int left, top, right, bottom;
    int CentreX() const { return (left + right) / 2; }
    int CentreY() const { return (top + bottom) / 2; }
};

/// Where the command says its windows are: "page id class l t r b text".
std::map<std::string, Box> ReadLayout(const std::string& path) {
    std::map<std::string, Box> boxes;
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream in(line);
        std::string page, id, className;
        Box box{};
        in >> page >> id >> className >> box.left >> box.top >> box.right >> box.bottom;
        boxes.emplace(page + "/" + id, box); // the first of an id on the page
    }
    return boxes;
}

class DesktopGui : public testing::Test {
protected:
    void SetUp() override {
        if (!Installed("Xvfb") || !Installed("xdotool"))
            GTEST_SKIP() << "Xvfb or xdotool is not installed (scripts/setup-debian.sh installs "
                            "them); the desktop window is not tested";
        fs::create_directories(m_frames);
        for (int display = 90 + getpid() % 50;; ++display) {
            if (!fs::exists("/tmp/.X11-unix/X" + std::to_string(display)) &&
                !fs::exists("/tmp/.X" + std::to_string(display) + "-lock")) {
                m_display = ":" + std::to_string(display);
                break;
            }
        }
        m_server = fork();
        if (m_server == 0) {
            execlp("Xvfb", "Xvfb", m_display.c_str(), "-screen", "0", "800x600x24", "-fbdir",
                   m_frames.c_str(), "-nolisten", "tcp", static_cast<char*>(nullptr));
            _exit(127);
        }
        for (int i = 0; i < 100 && !fs::exists(m_frames + "/Xvfb_screen0"); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        ASSERT_TRUE(fs::exists(m_frames + "/Xvfb_screen0")) << "Xvfb did not start";
    }
    void TearDown() override {
        if (m_server > 0) {
            kill(m_server, SIGTERM);
            waitpid(m_server, nullptr, 0);
        }
    }

    std::string X(const std::string& arguments) const {
        return Capture("DISPLAY=" + m_display + " timeout 20 xdotool " + arguments + " 2>&1");
    }
    /// Clicks a point of the sheet's window (window pixels), then moves the
    /// pointer off the window so that it hides nothing that is probed.
    void ClickAt(int x, int y) const {
        X("mousemove " + std::to_string(m_origin.first + x) + " " +
          std::to_string(m_origin.second + y) + " click 1");
        X("mousemove 799 599");
        Settle();
    }
    static void Settle() { std::this_thread::sleep_for(std::chrono::milliseconds(400)); }
    Rgb Probe(int x, int y) const {
        return Screen(m_frames + "/Xvfb_screen0").At(m_origin.first + x, m_origin.second + y);
    }
    /// How many dark (text) pixels a box of the window holds.
    int DarkPixels(const Box& box) const {
        const Screen screen(m_frames + "/Xvfb_screen0");
        int dark = 0;
        for (int y = box.top + 2; y < box.bottom - 2; ++y)
            for (int x = box.left + 2; x < box.right - 2; ++x)
                dark += screen.At(m_origin.first + x, m_origin.second + y).Brightness() < 96;
        return dark;
    }

    kxtest::TestPrefix m_scratch;
    std::string m_prefix = m_scratch.root() + "/prefix";
    std::string m_frames = m_scratch.root() + "/frames";
    std::string m_display;
    pid_t m_server = -1;
    std::pair<int, int> m_origin{0, 0};
};

TEST(DesktopGuiHeadless, SaysInOneLineThatThereIsNoDisplay) {
    kxtest::TestPrefix scratch;
    const auto run = kxtest::RunHost(scratch.root() + "/prefix", "gui 'Velmora ML-4200'",
                                     "-u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER");
    EXPECT_EQ(kxtest::ExitCode(run), 2) << run.output;
    EXPECT_EQ(run.output, "kxhost: gui: there is no display (neither DISPLAY nor WAYLAND_DISPLAY "
                          "is set)\n");
    // The other commands work as before without one.
    const auto pages = kxtest::RunHost(scratch.root() + "/prefix", "pages 'Velmora ML-4200'",
                                       "-u DISPLAY -u WAYLAND_DISPLAY");
    EXPECT_EQ(kxtest::ExitCode(pages), 0) << pages.output;
}

TEST_F(DesktopGui, APersonClicksTypesChoosesAppliesAndClosesWithOk) {
    const std::string layoutPath = m_scratch.root() + "/layout.txt";
    const std::string outPath = m_scratch.root() + "/out.txt";
    // The desktop's own libraries (the bus connection the window library
    // opens, the video drivers it loads and unloads) keep memory to the end
    // of the process; the leak checker is left to the tests of our input
    // path and of the sheet without a window.
    const std::string command =
        "env ASAN_OPTIONS=\"${ASAN_OPTIONS}:detect_leaks=0\" DISPLAY=" + m_display +
        " KX_GUI_SCALE=1 KX_LANGID=409 " + "KX_GUI_LAYOUT='" + layoutPath + "' " + KX_HOST_PROGRAM +
        " --prefix '" + m_prefix + "' gui 'Velmora ML-4200' --pages 0,1,12 > '" + outPath +
        "' 2>&1";
    FILE* gui = popen(command.c_str(), "r");
    ASSERT_NE(gui, nullptr);
    const std::string found = X("search --sync --onlyvisible --name 'Printing Preferences'");
    ASSERT_FALSE(found.empty());
    const std::string window = found.substr(0, found.find('\n'));
    const std::string geometry = X("getwindowgeometry --shell " + window);
    const auto value = [&](const std::string& name) {
        const size_t at = geometry.find(name + "=");
        return at == std::string::npos ? 0 : std::atoi(geometry.c_str() + at + name.size() + 1);
    };
    m_origin = {value("X"), value("Y")};
    Settle();
    auto boxes = ReadLayout(layoutPath);
    ASSERT_TRUE(boxes.contains("-1/tab:2") && boxes.contains("1/1187") && boxes.contains("12/1401"))
        << "layout:\n"
        << Capture("cat '" + layoutPath + "'");

    // The tab of the page in front covers the edge under the tabs, and the
    // tab that was in front shows it again.
    const Box layoutTab = boxes["-1/tab:0"];
    const Box paperTab = boxes["-1/tab:1"];
    const int underTabs = paperTab.bottom;
    const int layoutEdge = Probe(layoutTab.CentreX(), underTabs).Brightness();
    const int paperEdge = Probe(paperTab.CentreX(), underTabs).Brightness();
    EXPECT_NE(layoutEdge, paperEdge);
    ClickAt(paperTab.CentreX(), paperTab.CentreY());
    EXPECT_EQ(Probe(paperTab.CentreX(), underTabs).Brightness(), layoutEdge)
        << "Paper did not come to the front";
    EXPECT_EQ(Probe(layoutTab.CentreX(), underTabs).Brightness(), paperEdge);

    // The radio button's dot.
    const Box inches = boxes["1/1187"];
    const int dotX = inches.left + 6;
    EXPECT_GT(Probe(dotX, inches.CentreY()).Brightness(), 200);
    ClickAt(inches.CentreX(), inches.CentreY());
    EXPECT_LT(Probe(dotX, inches.CentreY()).Brightness(), 96) << "Inches is not checked";

    // Typing into the favourites name: cleared, then a new name.
    const Box name = boxes["1/1001"];
    ClickAt(name.CentreX(), name.CentreY());
    std::string keys = "key --delay 20 End";
    for (int i = 0; i < 16; ++i)
        keys += " BackSpace";
    X(keys);
    Settle();
    // Only the caret is left.
    constexpr int kCaret = 14;
    EXPECT_LE(DarkPixels(name), kCaret) << "the field was not cleared";
    X("type --delay 30 Office");
    Settle();
    EXPECT_GT(DarkPixels(name), 3 * kCaret) << "the typed name does not show";

    // The favourites list ("Printer Default" alone in the sample, selected)
    // opens over the page below the box with its entry highlighted, and a
    // press beside it closes it.
    const Box box = boxes["1/1046"];
    const int belowY = box.bottom + 6;
    const Rgb before = Probe(box.left + 20, belowY);
    ClickAt(box.right - 8, box.CentreY());
    const Rgb open = Probe(box.left + 20, belowY);
    EXPECT_LT(open.Brightness(), 128) << "no highlighted entry under the box";
    EXPECT_NE(open.Brightness(), before.Brightness());
    ClickAt(box.right + 40, box.bottom + 60);
    EXPECT_EQ(Probe(box.left + 20, belowY).Brightness(), before.Brightness()) << "still open";

    // On the Troubleshooting page a test page is picked from its list, which
    // opens over the Print button.
    const Box troubleTab = boxes["-1/tab:2"];
    ClickAt(troubleTab.CentreX(), troubleTab.CentreY());
    const Box testPages = boxes["12/1401"];
    const Box print = boxes["12/1402"];
    // The focused box shows its item highlighted: the text is read with the
    // focus on the next control.
    const auto shownText = [&] {
        X("key Tab");
        Settle();
        return DarkPixels(testPages);
    };
    const int shownBefore = shownText();
    const Rgb printFace = Probe(print.CentreX(), print.top + 3);
    ClickAt(testPages.right - 8, testPages.CentreY());
    EXPECT_NE(Probe(print.CentreX(), print.top + 3).Brightness(), printFace.Brightness())
        << "the list does not cover the button";
    constexpr int kItemHeight = 13;
    ClickAt(testPages.CentreX(), testPages.bottom + 1 + 2 * kItemHeight + kItemHeight / 2);
    EXPECT_EQ(Probe(print.CentreX(), print.top + 3).Brightness(), printFace.Brightness())
        << "the list stayed open";
    EXPECT_NE(shownText(), shownBefore) << "the box shows the same item";

    // A dialog the page opens is modal: the sheet's Cancel does nothing
    // until Escape closes the dialog.
    const Box statusCheck = boxes["12/1421"];
    const int sheetCentre = Probe(100, 93).Brightness();
    ClickAt(statusCheck.CentreX(), statusCheck.CentreY());
    EXPECT_NE(Probe(100, 93).Brightness(), sheetCentre) << "no dialog over the sheet";
    const Box cancel = boxes["-1/2"];
    ClickAt(cancel.CentreX(), cancel.CentreY());
    X("key Escape");
    Settle();
    EXPECT_EQ(Probe(100, 93).Brightness(), sheetCentre) << "the dialog is still there";

    // Apply, then OK with the keyboard's Enter.
    const Box apply = boxes["-1/12321"];
    ClickAt(apply.CentreX(), apply.CentreY());
    X("key Return");
    std::string ignored;
    char buffer[256];
    while (fgets(buffer, sizeof buffer, gui))
        ignored += buffer;
    const int status = pclose(gui);
    const std::string output = Capture("cat '" + outPath + "'");
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << output;
    EXPECT_FALSE(Contains(output, "cancelled")) << output;
    for (const char* expected : {"switched to page 1\n", "switched to page 12\n", "  applied\n",
                                 "sheet context: changed=1 applied=1 reset=0", "IsMMInch: 0 -> 1"})
        EXPECT_TRUE(Contains(output, expected)) << expected << "\n" << output;
}

} // namespace
