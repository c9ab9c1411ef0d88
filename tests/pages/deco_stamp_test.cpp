// The deco stamp's drawing: where it goes, what each frame style puts on
// the page, and a gallery of the ten styles for people to look at.
#include "pages/deco_stamp.h"

#include "devmode/devmode_record.h"
#include "framework/preview_gdi.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

namespace {

using kx::DecoStamp;
using kx::FrameStyle;

constexpr int kCell = 240;
constexpr int kCellHeight = 130;

class DecoStampTest : public testing::Test {
protected:
    void SetUp() override {
        dc = CreateCompatibleDC(nullptr);
        // A 32-bit picture (one compatible with a fresh memory DC would be monochrome).
        BITMAPINFO info{};
        info.bmiHeader = {
            sizeof(BITMAPINFOHEADER), 5 * kCell, 2 * kCellHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        previous = SelectObject(dc, bitmap);
        const RECT all{0, 0, 5 * kCell, 2 * kCellHeight};
        kx::GdiOwner<HBRUSH> white = kx::SolidBrush(RGB(255, 255, 255));
        FillRect(dc, &all, white.get());
    }
    void TearDown() override {
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    static RECT Cell(int index) {
        const int x = (index % 5) * kCell;
        const int y = (index / 5) * kCellHeight;
        return RECT{x + 10, y + 10, x + kCell - 10, y + kCellHeight - 10};
    }
    static DecoStamp Stamp(FrameStyle frame) {
        DecoStamp stamp;
        stamp.frame = frame;
        stamp.note = u"Approved\r\nby Anna";
        stamp.date = u"09.12.2026";
        stamp.colour = RGB(200, 0, 0);
        stamp.weight = 700;
        return stamp;
    }
    int CountColours(const RECT& r, std::set<COLORREF>* colours = nullptr) const {
        int marked = 0;
        for (LONG y = r.top; y < r.bottom; ++y)
            for (LONG x = r.left; x < r.right; ++x) {
                const COLORREF c = GetPixel(dc, x, y);
                if (c != RGB(255, 255, 255)) {
                    ++marked;
                    if (colours != nullptr)
                        colours->insert(c);
                }
            }
        return marked;
    }
    /// The pixels of a cell, as one number.
    uint64_t Fingerprint(const RECT& r) const {
        uint64_t hash = 1469598103934665603ULL;
        for (LONG y = r.top; y < r.bottom; ++y)
            for (LONG x = r.left; x < r.right; ++x)
                hash = (hash ^ GetPixel(dc, x, y)) * 1099511628211ULL;
        return hash;
    }
    int Reddish(const RECT& r) const {
        int count = 0;
        for (LONG y = r.top; y < r.bottom; ++y)
            for (LONG x = r.left; x < r.right; ++x) {
                const COLORREF c = GetPixel(dc, x, y);
                count += GetRValue(c) > 150 && GetGValue(c) < 90 && GetBValue(c) < 90 ? 1 : 0;
            }
        return count;
    }

    kxtest::TestPrefix prefix;
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
};

TEST(StampRect, TopRightCornerTwiceAsWideAsHigh) {
    const RECT page{0, 0, 2100, 2970};
    const RECT stamp = kx::StampRect(page);
    EXPECT_EQ(stamp.right, 2100 - 105);
    EXPECT_EQ(stamp.top, 105);
    EXPECT_EQ(stamp.bottom - stamp.top, 700);
    EXPECT_EQ(stamp.right - stamp.left, 1400);
    const RECT landscape = kx::StampRect(RECT{0, 0, 2970, 2100});
    EXPECT_EQ(landscape.right - landscape.left, 1400) << "by the shorter side";
}

TEST(FrameStyleOf, StoredValuesOutsideTheListAreTheLastStyle) {
    EXPECT_EQ(kx::FrameStyleOf(0), FrameStyle::NoFrame);
    EXPECT_EQ(kx::FrameStyleOf(8), FrameStyle::Stripe);
    EXPECT_EQ(kx::FrameStyleOf(9), FrameStyle::Wood);
    EXPECT_EQ(kx::FrameStyleOf(12), FrameStyle::Wood);
    EXPECT_EQ(kx::FrameStyleOf(-1), FrameStyle::Wood);
}

TEST_F(DecoStampTest, EveryStyleDrawsItsFrameAndTheNoteAndAGalleryIsWritten) {
    std::set<uint64_t> looks;
    for (int i = 0; i < kx::kFrameStyleCount; ++i) {
        const auto frame = static_cast<FrameStyle>(i);
        kx::DrawStampInto(dc, Cell(i), Stamp(frame));
        SCOPED_TRACE(i);
        const int marked = CountColours(Cell(i));
        if (frame == FrameStyle::NoFrame) {
            EXPECT_EQ(marked, 0) << "no frame, no stamp";
            continue;
        }
        EXPECT_GT(Reddish(Cell(i)), 30) << "the note in the stamp's colour";
        looks.insert(Fingerprint(Cell(i)));
    }
    EXPECT_EQ(looks.size(), 9u) << "each style looks different";
    // The plain text shows nothing but the texts; a frame adds to them.
    EXPECT_LT(CountColours(Cell(1)), CountColours(Cell(2)));
    const std::string dir = std::string(KX_BINARY_DIR) + "/pictures";
    std::filesystem::create_directories(dir);
    EXPECT_TRUE(kx::SaveBitmapAsPng(bitmap, dir + "/deco-frames.png"));
}

TEST_F(DecoStampTest, FramesKeepToTheirArea) {
    for (int i = 1; i < kx::kFrameStyleCount; ++i) {
        SCOPED_TRACE(i);
        const RECT cell = Cell(i);
        kx::DrawStampInto(dc, cell, Stamp(static_cast<FrameStyle>(i)));
        const RECT above{cell.left, cell.top - 8, cell.right, cell.top};
        const RECT right{cell.right, cell.top, cell.right + 8, cell.bottom};
        EXPECT_EQ(CountColours(above), 0);
        EXPECT_EQ(CountColours(right), 0);
    }
}

TEST(StampOfDevmode, ReadsTheDecoFieldsBoundedByTheirWidths) {
    kx::DevmodeBuffer record = kx::AllocateDevmode();
    std::memset(record.get(), 0, kx::kDevmodeSize);
    kx::WriteNumber(record.get(), kx::FieldNamed("FrameStyle"), 33);
    kx::WriteNumber(record.get(), kx::FieldNamed("lfDecoWeight"), 700);
    kx::WriteNumber(record.get(), kx::FieldNamed("iDecoNoteBorder"), -1);
    // A note without a terminator stops at its field.
    const auto& note = kx::FieldNamed("StrDecoNote");
    for (size_t i = 0; i < note.Capacity(); ++i)
        kx::StoreU16(record.get() + note.offset + 2 * i, u'n');
    const DecoStamp stamp = kx::StampOfDevmode(record.get());
    EXPECT_EQ(stamp.frame, FrameStyle::Wood);
    EXPECT_EQ(stamp.weight, 700);
    EXPECT_FALSE(stamp.noteBorder) << "a negative border draws none";
    EXPECT_EQ(stamp.note.size(), note.Capacity());
}

} // namespace
