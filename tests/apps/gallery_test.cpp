// The main job's gallery on a fresh prefix: made in time, one section a
// printer with every page of the page table, and, loaded in a headless
// browser, every picture present and decoded and no link broken.
#include "tests/support/host_runner.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

using kxtest::Contains;
using kxtest::ExitCode;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

constexpr double kMainJobBudget = 5.0; // seconds

double ChildrenCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto seconds = [](const timeval& time) {
        return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

std::string ReadWhole(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// A page beside the gallery that loads it in a frame and, once everything
// has loaded, writes what it found into its own text.
constexpr const char* kCheckPage = R"(<!DOCTYPE html><html><body><pre id="result">pending</pre>
<iframe id="gallery" src="index.html" width="1200" height="800"></iframe>
<script>
function check() {
  const doc = document.getElementById('gallery').contentDocument;
  if (!doc || !doc.body) { document.getElementById('result').textContent = 'GALLERY no document'; return; }
  const problems = [];
  const images = Array.from(doc.images);
  for (const image of images)
    if (!image.complete || image.naturalWidth === 0) problems.push('image:' + image.getAttribute('src'));
  const loaded = new Set(images.filter(i => i.naturalWidth > 0).map(i => i.getAttribute('src')));
  const links = Array.from(doc.querySelectorAll('a[href]'));
  for (const link of links) {
    const href = link.getAttribute('href');
    if (href.startsWith('#')) { if (!doc.getElementById(href.slice(1))) problems.push('anchor:' + href); }
    else if (!loaded.has(href)) problems.push('link:' + href);
  }
  document.getElementById('result').textContent = 'GALLERY images=' + images.length +
    ' sections=' + doc.querySelectorAll('section').length + ' problems=' + problems.length +
    ' ' + problems.join(' ');
}
window.addEventListener('load', check);
</script></body></html>
)";

// What the browser found, as the check page wrote it.
std::string BrowserCheck(const std::string& folder) {
    std::ofstream(folder + "/gallery-check.html") << kCheckPage;
    const std::string command =
        "chromium --headless --no-sandbox --disable-gpu --allow-file-access-from-files "
        "--virtual-time-budget=5000 --dump-dom 'file://" +
        folder + "/gallery-check.html' 2>/dev/null";
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t got = 0;
        while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0)
            output.append(buffer, got);
        pclose(pipe);
    }
    const size_t start = output.find("GALLERY ");
    if (start == std::string::npos)
        return "no result from the browser";
    return output.substr(start, output.find('<', start) - start);
}

bool HaveBrowser() {
    return std::system("command -v chromium >/dev/null 2>&1") == 0;
}

TEST(Gallery, MainJobDrawsEveryPageOfEveryPrinterInTime) {
    kxtest::TestPrefix scratch;
    const std::string prefix = scratch.root() + "/prefix";
    const auto start = std::chrono::steady_clock::now();
    const double cpuBefore = ChildrenCpuSeconds();
    const auto run = kxtest::RunHost(prefix, "demo", "KX_LANGID=409 KX_HEADLESS=1");
    const double cpu = ChildrenCpuSeconds() - cpuBefore;
    const auto wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start);
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    // The processor time is what the job costs; the time on the clock also
    // counts the other programs a shared machine runs meanwhile.
    std::printf("the main job took %.2f s on the clock, %.2f s of processor time\n", wall.count(),
                cpu);
    if (!kSanitized) {
        EXPECT_LT(cpu, kMainJobBudget) << cpu << " s";
        EXPECT_LT(wall.count(), 3 * kMainJobBudget) << wall.count() << " s";
    }
    const std::string out = prefix + "/out";
    const std::string index = ReadWhole(out + "/index.html");
    ASSERT_FALSE(index.empty()) << run.output;
    EXPECT_TRUE(Contains(index, "<html lang=\"en\">"));
    for (const std::string slug : {"velmora-ml-4200", "velmora-cl-6500", "velmora-ij-980"}) {
        EXPECT_TRUE(Contains(index, "<section id=\"" + slug + "\">")) << slug;
        for (int page = 0; page <= 21; ++page) {
            const std::string id = "id=\"" + slug + "-page-" + std::to_string(page) + "\"";
            EXPECT_EQ(Contains(index, id), page != 9) << slug << " page " << page;
        }
        EXPECT_TRUE(
            std::filesystem::exists(out + "/gallery/" + slug + "/page-5-driver-details.png"))
            << slug;
    }
    EXPECT_TRUE(Contains(index, "dmOrientation")) << "the Layout page lists its fields";

    ASSERT_TRUE(HaveBrowser()) << "chromium is missing: scripts/setup-debian.sh installs it";
    const std::string found = BrowserCheck(out);
    EXPECT_TRUE(Contains(found, "sections=3 problems=0")) << found;

    // The check sees a picture that is not there.
    std::filesystem::remove(out + "/gallery/velmora-ml-4200/page-0.png");
    const std::string broken = BrowserCheck(out);
    EXPECT_TRUE(Contains(broken, "image:gallery/velmora-ml-4200/page-0.png")) << broken;
}

TEST(Gallery, SpeaksTheUsersLanguage) {
    kxtest::TestPrefix scratch;
    const std::string prefix = scratch.root() + "/prefix";
    const auto run = kxtest::RunHost(prefix, "demo", "KX_LANGID=407 KX_HEADLESS=1");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    const std::string index = ReadWhole(prefix + "/out/index.html");
    EXPECT_TRUE(Contains(index, "<html lang=\"de\">"));
    EXPECT_TRUE(Contains(index, "Die Seiten der Beispieldrucker"));
    EXPECT_TRUE(Contains(index, "Seite 5: Info")) << "the About page's German caption";
}

} // namespace
