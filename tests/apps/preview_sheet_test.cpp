// The layout preview through the reference host: the Layout page's picture
// is drawn from the sheet's working copy, and a change made on the page
// (the unit, which makes the conflict rules turn fit to page on) redraws it.
#include "devmode/devmode_record.h"
#include "platform/base/devmode_public.h"
#include "tests/support/host_runner.h"
#include "tests/support/test_prefix.h"

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wshadow"
#pragma GCC diagnostic ignored "-Wcast-align"
#pragma GCC diagnostic ignored "-Wnull-dereference"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wpedantic"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wdouble-promotion"
#include <stb_image.h>
#pragma GCC diagnostic pop

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sys/wait.h>

namespace {

constexpr const char* kPrinter = "'Velmora ML-4200'";
// The picture area of the layout preview on the page (left column, above
// its caption band and the unit buttons).
constexpr int kLeft = 8;
constexpr int kTop = 58;
constexpr int kRight = 148;
constexpr int kBottom = 128;

struct Picture {
    int width = 0;
    int height = 0;
    std::unique_ptr<stbi_uc, decltype(&stbi_image_free)> pixels{nullptr, stbi_image_free};

    uint32_t At(int x, int y) const {
        const stbi_uc* p = pixels.get() + (static_cast<size_t>(y) * width + x) * 3;
        return static_cast<uint32_t>(p[0]) << 16 | p[1] << 8 | p[2];
    }
};

Picture Load(const std::string& path) {
    Picture picture;
    int channels = 0;
    picture.pixels.reset(stbi_load(path.c_str(), &picture.width, &picture.height, &channels, 3));
    return picture;
}

class PreviewThroughTheHost : public testing::Test {
protected:
    kxtest::HostRun Run(const std::string& arguments) const {
        return kxtest::RunHost(prefix, arguments, "KX_LANGID=409");
    }
    std::string Path(const std::string& name) const { return scratch.root() + "/" + name; }
    kxtest::HostRun Play(const std::string& script, const std::string& folder,
                         const std::string& pages = "0") {
        std::ofstream(Path("script.txt")) << script;
        return Run(std::string("sheet ") + kPrinter + " '" + Path("script.txt") + "' --pages " +
                   pages + " --png-dir '" + Path(folder) + "'");
    }

    kxtest::TestPrefix scratch;
    std::string prefix = scratch.root() + "/prefix";
};

TEST_F(PreviewThroughTheHost, TheLayoutPictureFollowsAChangeOnThePage) {
    const auto fresh = Run("open-sheet " + std::string(kPrinter) +
                           " --pages 0 --actions cancel --out '" + Path("fresh.dm") + "'");
    ASSERT_EQ(kxtest::ExitCode(fresh), 0) << fresh.output;
    std::string record(kx::kDevmodeSize, '\0');
    std::ifstream(Path("fresh.dm"), std::ios::binary)
        .read(record.data(), static_cast<std::streamsize>(record.size()));
    auto* bytes = reinterpret_cast<BYTE*>(record.data());
    kx::WriteNumber(bytes, kx::FieldNamed("dmFields"),
                    kx::ReadNumber(bytes, kx::FieldNamed("dmFields")) | DM_PAPERSIZE);
    kx::WriteNumber(bytes, kx::FieldNamed("dmPaperSize"), 8);
    kx::WriteNumber(bytes, kx::FieldNamed("iFitPage"), 0);
    kx::WriteNumber(bytes, kx::FieldNamed("IsMMInch"), 0);
    const auto imported =
        kxtest::ImportPrinterDefault(prefix, "Velmora ML-4200", record, Path("default.reg"));
    ASSERT_EQ(imported.status, 0) << imported.output;

    const auto before = Play("page \"Layout\"\n", "before");
    ASSERT_EQ(before.status, 0) << before.output;
    const auto after = Play("page \"Layout\"\ncheck \"Inches\"\nclock 5000\n", "after");
    ASSERT_EQ(after.status, 0) << after.output;
    ASSERT_NE(after.output.find("adjusted automatically: \\nPrinting Type: Fit to Page"),
              std::string::npos)
        << after.output;

    const Picture first = Load(Path("before/page-0.png"));
    const Picture second = Load(Path("after/page-0.png"));
    ASSERT_TRUE(first.pixels && second.pixels);
    ASSERT_GE(first.width, kRight);
    ASSERT_GE(first.height, kBottom);
    const uint32_t face = first.At(kLeft, kTop);
    int drawn = 0;
    int changed = 0;
    for (int y = kTop; y < kBottom; ++y)
        for (int x = kLeft; x < kRight; ++x) {
            drawn += first.At(x, y) != face ? 1 : 0;
            changed += first.At(x, y) != second.At(x, y) ? 1 : 0;
        }
    EXPECT_GT(drawn, 500) << "the paper is drawn in the preview";
    EXPECT_GT(changed, 50) << "fit to page redraws the picture";
}

// The preview's two text lines ("Copies:" above "Resolution:") below the
// picture area, its caption band and the unit buttons.
constexpr int kLinesTop = 168;
constexpr int kLinesBottom = 208;

int DifferingPixels(const Picture& a, const Picture& b, int top, int bottom) {
    int differing = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = kLeft; x < kRight; ++x)
            differing += a.At(x, y) != b.At(x, y) ? 1 : 0;
    return differing;
}

TEST_F(PreviewThroughTheHost, ANewPrinterShowsItsDefaultsCopiesNotZero) {
    const auto fresh = Play("page \"Layout\"\n", "fresh");
    ASSERT_EQ(fresh.status, 0) << fresh.output;
    const auto started = Run("open-sheet " + std::string(kPrinter) +
                             " --pages 0 --actions cancel --out '" + Path("start.dm") + "'");
    ASSERT_EQ(kxtest::ExitCode(started), 0) << started.output;
    std::string record(kx::kDevmodeSize, '\0');
    std::ifstream(Path("start.dm"), std::ios::binary)
        .read(record.data(), static_cast<std::streamsize>(record.size()));
    auto* bytes = reinterpret_cast<BYTE*>(record.data());
    ASSERT_EQ(kx::ReadNumber(bytes, kx::FieldNamed("dmCopies")), 1);

    // The same record with no copies, as an empty default used to give.
    kx::WriteNumber(bytes, kx::FieldNamed("dmCopies"), 0);
    ASSERT_EQ(
        kxtest::ImportPrinterDefault(prefix, "Velmora ML-4200", record, Path("zero.reg")).status,
        0);
    const auto zero = Play("page \"Layout\"\n", "zero");
    ASSERT_EQ(zero.status, 0) << zero.output;

    const Picture shown = Load(Path("fresh/page-0.png"));
    const Picture none = Load(Path("zero/page-0.png"));
    ASSERT_TRUE(shown.pixels && none.pixels);
    ASSERT_GE(shown.height, kLinesBottom);
    EXPECT_GT(DifferingPixels(shown, none, kLinesTop, kLinesBottom), 5)
        << "the copies line of a new printer does not read \"Copies: 0\"";
    EXPECT_EQ(DifferingPixels(shown, none, kTop, kBottom), 0)
        << "the copies change only the copies line";
}

TEST_F(PreviewThroughTheHost, APageNeverBroughtToTheFrontIsDrawnAsItsTabShowsIt) {
    const auto unvisited = Play("", "unvisited", "0,2");
    ASSERT_EQ(unvisited.status, 0) << unvisited.output;
    const auto visited = Play("page 2\npage 0\n", "visited", "0,2");
    ASSERT_EQ(visited.status, 0) << visited.output;

    const Picture never = Load(Path("unvisited/page-2.png"));
    const Picture seen = Load(Path("visited/page-2.png"));
    ASSERT_TRUE(never.pixels && seen.pixels);
    ASSERT_EQ(never.width, seen.width);
    ASSERT_EQ(never.height, seen.height);
    // Below the favourites group, which a visit may turn to "Untitled".
    constexpr int kBelowFavourites = 50;
    int differing = 0;
    for (int y = kBelowFavourites; y < seen.height; ++y)
        for (int x = 0; x < seen.width; ++x)
            differing += never.At(x, y) != seen.At(x, y) ? 1 : 0;
    EXPECT_EQ(differing, 0) << "the Graphics page shows its settings without a visit";
}

} // namespace
