// Bitmaps: BMP files of every depth, refused malformed files, DIB rows,
// copies between DCs, TransparentBlt and PNG output.
#include "tests/platform/gdi/bmp_writer.h"
#include "tests/platform/gdi/canvas.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <vector>

namespace {

using kxtest::Canvas;
using kxtest::Hex;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kMagenta = RGB(255, 0, 255);

/// A memory DC with a bitmap selected, released at the end.
class Selected {
public:
    explicit Selected(HBITMAP bitmap) : m_dc(CreateCompatibleDC(nullptr)), m_bitmap(bitmap) {
        m_old = SelectObject(m_dc, bitmap);
    }
    ~Selected() {
        SelectObject(m_dc, m_old);
        DeleteDC(m_dc);
        DeleteObject(m_bitmap);
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;
    HDC dc() const { return m_dc; }

private:
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
};

TEST(LoadImageW, DecodesEveryDepthBothWaysUp) {
    kxtest::TestPrefix prefix;
    for (int bits : {1, 4, 8, 24, 32}) {
        for (bool topDown : {false, true}) {
            const std::string label =
                std::to_string(bits) + " bits, " + (topDown ? "top-down" : "bottom-up");
            prefix.WriteFile("drive_c/pic.bmp", kxtest::MakeBmp(bits, topDown));
            for (UINT flags : {LR_LOADFROMFILE, LR_LOADFROMFILE | LR_CREATEDIBSECTION}) {
                HBITMAP bitmap = static_cast<HBITMAP>(
                    LoadImageW(nullptr, u"C:\\PIC.BMP", IMAGE_BITMAP, 0, 0, flags));
                ASSERT_NE(bitmap, nullptr) << label;
                DIBSECTION section{};
                const int size = GetObjectW(bitmap, sizeof section, &section);
                EXPECT_EQ(section.dsBm.bmWidth, kxtest::kPictureWidth) << label;
                EXPECT_EQ(section.dsBm.bmHeight, kxtest::kPictureHeight) << label;
                if ((flags & LR_CREATEDIBSECTION) != 0) {
                    EXPECT_EQ(size, static_cast<int>(sizeof(DIBSECTION))) << label;
                    EXPECT_EQ(section.dsBm.bmBitsPixel, bits) << label << ": keeps its depth";
                    EXPECT_NE(section.dsBm.bmBits, nullptr) << label;
                }
                Selected selected(bitmap);
                for (int y = 0; y < kxtest::kPictureHeight; ++y) {
                    for (int x = 0; x < kxtest::kPictureWidth; ++x) {
                        COLORREF expected = kxtest::PictureColor(x, y);
                        if (bits == 1 && expected != RGB(0, 0, 0))
                            expected = kWhite;
                        EXPECT_EQ(GetPixel(selected.dc(), x, y), expected)
                            << label << " flags " << flags << " at (" << x << ", " << y
                            << "): " << Hex(GetPixel(selected.dc(), x, y));
                    }
                }
            }
        }
    }
}

TEST(LoadImageW, RefusesMalformedFiles) {
    kxtest::TestPrefix prefix;
    const std::string good = kxtest::MakeBmp(24, false);
    const std::string good8 = kxtest::MakeBmp(8, false);
    const auto with32 = [](std::string file, size_t at, uint32_t value) {
        std::memcpy(file.data() + at, &value, 4);
        return file;
    };
    const auto with16 = [](std::string file, size_t at, uint16_t value) {
        std::memcpy(file.data() + at, &value, 2);
        return file;
    };
    const struct {
        const char* label;
        std::string file;
    } cases[] = {
        {"empty", ""},
        {"magic only", "BM"},
        {"wrong magic", "XM" + good.substr(2)},
        {"header only", good.substr(0, 54)},
        {"one byte of pixels missing", good.substr(0, good.size() - 1)},
        {"unknown header size", with32(good, 14, 20)},
        {"zero width", with32(good, 18, 0)},
        {"negative width", with32(good, 18, static_cast<uint32_t>(-4))},
        {"zero height", with32(good, 22, 0)},
        {"huge width", with32(good, 18, 100000)},
        {"two planes", with16(good, 26, 2)},
        {"seven bits", with16(good, 28, 7)},
        {"run-length compression", with32(good8, 30, BI_RLE8)},
        {"pixels past the end", with32(good, 10, 0x7FFFFFF0)},
        {"pixels inside the header", with32(good, 10, 20)},
        {"palette picture without palette", with32(good8, 10, 54)},
    };
    for (const auto& c : cases) {
        prefix.WriteFile("drive_c/bad.bmp", c.file);
        EXPECT_EQ(LoadImageW(nullptr, u"C:\\bad.bmp", IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE), nullptr)
            << c.label;
    }
    EXPECT_EQ(LoadImageW(nullptr, u"C:\\missing.bmp", IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE),
              nullptr);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
}

TEST(LoadImageW, ScalesToTheAskedSize) {
    kxtest::TestPrefix prefix;
    prefix.WriteFile("drive_c/pic.bmp", kxtest::MakeBmp(24, false));
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageW(nullptr, u"C:\\pic.bmp", IMAGE_BITMAP, 8, 6, LR_LOADFROMFILE));
    ASSERT_NE(bitmap, nullptr);
    BITMAP bm{};
    GetObjectW(bitmap, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, 8);
    EXPECT_EQ(bm.bmHeight, 6);
    DeleteObject(bitmap);
}

TEST(DibSection, RowsCanBeReversedInPlace) {
    // The mirror picture: every pixel row reversed through the DIB rows.
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 8, 2, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(bitmap, nullptr);
    ASSERT_NE(bits, nullptr);
    Selected selected(bitmap);
    HBRUSH red = CreateSolidBrush(kRed);
    RECT left{0, 0, 3, 2};
    FillRect(selected.dc(), &left, red);
    DeleteObject(red);
    SetPixel(selected.dc(), 0, 1, kGreen);
    auto* rows = static_cast<uint32_t*>(bits);
    EXPECT_EQ(rows[0], 0x0000FF00u) << "a bottom-up DIB starts with its bottom row, "
                                       "the reserved byte zero";
    for (int row = 0; row < 2; ++row)
        std::reverse(rows + row * 8, rows + row * 8 + 8);
    const struct {
        int x, y;
        COLORREF expected;
    } probes[] = {{7, 0, kRed}, {5, 0, kRed}, {4, 0, 0}, {0, 0, 0}, {7, 1, kGreen}};
    for (const auto& p : probes)
        EXPECT_EQ(GetPixel(selected.dc(), p.x, p.y), p.expected)
            << "(" << p.x << ", " << p.y << "): " << Hex(GetPixel(selected.dc(), p.x, p.y));
}

TEST(DibSection, TwentyFourBitRowsFollowTheDrawing) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 3, -2, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(bitmap, nullptr);
    Selected selected(bitmap);
    SetPixel(selected.dc(), 1, 1, RGB(10, 20, 30));
    const auto* bytes = static_cast<const uint8_t*>(bits);
    const size_t stride = 12; // 9 bytes padded to 4
    EXPECT_EQ(bytes[stride + 3], 30) << "blue first";
    EXPECT_EQ(bytes[stride + 4], 20);
    EXPECT_EQ(bytes[stride + 5], 10);
    static_cast<uint8_t*>(bits)[0] = 200; // blue of pixel (0, 0), written directly
    EXPECT_EQ(GetPixel(selected.dc(), 0, 0), RGB(0, 0, 200));
}

TEST(BitBlt, CopiesCombinesAndStretches) {
    Canvas source(8, 8, kRed);
    SetPixel(source.dc(), 1, 1, kGreen);
    const struct {
        const char* label;
        std::function<void(HDC, HDC)> blit;
        int x, y;
        COLORREF expected;
    } cases[] = {
        {"copy with offsets", [](HDC d, HDC s) { BitBlt(d, 4, 4, 2, 2, s, 1, 1, SRCCOPY); }, 4, 4,
         kGreen},
        {"copy stays in its rectangle",
         [](HDC d, HDC s) { BitBlt(d, 4, 4, 2, 2, s, 1, 1, SRCCOPY); }, 6, 6, kWhite},
        {"and", [](HDC d, HDC s) { BitBlt(d, 0, 0, 8, 8, s, 0, 0, SRCAND); }, 0, 0, kRed},
        {"xor", [](HDC d, HDC s) { BitBlt(d, 0, 0, 8, 8, s, 0, 0, SRCINVERT); }, 0, 0,
         RGB(0, 255, 255)},
        {"stretch doubles",
         [](HDC d, HDC s) { StretchBlt(d, 0, 0, 16, 16, s, 0, 0, 8, 8, SRCCOPY); }, 3, 3, kGreen},
        {"stretch mirrors",
         [](HDC d, HDC s) { StretchBlt(d, 7, 0, -8, 8, s, 0, 0, 8, 8, SRCCOPY); }, 5, 1, kGreen},
        {"pattern copy needs no source",
         [](HDC d, HDC) { BitBlt(d, 0, 0, 2, 2, nullptr, 0, 0, BLACKNESS); }, 1, 1, RGB(0, 0, 0)},
    };
    for (const auto& c : cases) {
        Canvas destination(20, 20);
        c.blit(destination.dc(), source.dc());
        EXPECT_EQ(destination.At(c.x, c.y), c.expected)
            << c.label << ": " << Hex(destination.At(c.x, c.y));
    }
}

TEST(TransparentBlt, LeavesTheTransparentColoursPixelsAlone) {
    Canvas source(4, 4, kMagenta);
    SetPixel(source.dc(), 1, 1, kRed);
    SetPixel(source.dc(), 2, 2, kWhite);
    Canvas destination(4, 4, kGreen);
    ASSERT_TRUE(TransparentBlt(destination.dc(), 0, 0, 4, 4, source.dc(), 0, 0, 4, 4, kMagenta));
    EXPECT_EQ(destination.At(1, 1), kRed);
    EXPECT_EQ(destination.At(2, 2), kWhite);
    EXPECT_EQ(destination.CountNot(kGreen, RECT{0, 0, 4, 4}), 2) << "every magenta pixel stays";
    EXPECT_FALSE(TransparentBlt(destination.dc(), 0, 0, 0, 4, source.dc(), 0, 0, 4, 4, 0));
}

TEST(GetDIBits, RowsRoundTripBottomUp) {
    Canvas canvas(3, 2);
    SetPixel(canvas.dc(), 0, 1, RGB(1, 2, 3)); // bottom row
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    ASSERT_EQ(GetDIBits(canvas.dc(), canvas.bitmap(), 0, 2, nullptr, &info, DIB_RGB_COLORS), 2);
    EXPECT_EQ(info.bmiHeader.biWidth, 3);
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biHeight = 2;
    uint8_t rows[2 * 12] = {};
    ASSERT_EQ(GetDIBits(canvas.dc(), canvas.bitmap(), 0, 2, rows, &info, DIB_RGB_COLORS), 2);
    EXPECT_EQ(rows[0], 3) << "scan line 0 is the bottom row, blue first";
    EXPECT_EQ(rows[2], 1);
    rows[12] = 0x55; // top row, first pixel, blue
    ASSERT_EQ(SetDIBits(canvas.dc(), canvas.bitmap(), 0, 2, rows, &info, DIB_RGB_COLORS), 2);
    EXPECT_EQ(canvas.At(0, 0), RGB(255, 255, 0x55));
}

TEST(CreateCompatibleBitmap, FollowsTheDCsFormat) {
    HDC fresh = CreateCompatibleDC(nullptr);
    HBITMAP mono = CreateCompatibleBitmap(fresh, 4, 4);
    BITMAP bm{};
    GetObjectW(mono, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 1) << "a fresh memory DC holds a monochrome bitmap";
    Canvas canvas(2, 2);
    HBITMAP colour = CreateCompatibleBitmap(canvas.dc(), 4, 4);
    GetObjectW(colour, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    DeleteObject(mono);
    DeleteObject(colour);
    DeleteDC(fresh);
}

TEST(GetDeviceCaps, ScreenDepthIsSettable) {
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 32);
    EXPECT_EQ(GetDeviceCaps(dc, NUMCOLORS), -1) << "more than 256 colours";
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 96);
    DeleteDC(dc);
    kx::SetScreenBitsPerPixel(8);
    dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(dc, NUMCOLORS), 256);
    DeleteDC(dc);
    kx::SetScreenBitsPerPixel(32);
}

TEST(SaveBitmapAsPng, WritesAPngFile) {
    kxtest::TestPrefix prefix;
    Canvas canvas(5, 5, kRed);
    const std::string path = prefix.root() + "/out.png";
    ASSERT_TRUE(kx::SaveBitmapAsPng(canvas.bitmap(), path));
    std::ifstream file(path, std::ios::binary);
    char signature[8] = {};
    file.read(signature, 8);
    EXPECT_EQ(std::string(signature + 1, 3), "PNG");
    EXPECT_FALSE(kx::SaveBitmapAsPng(nullptr, path));
}

} // namespace

namespace {

/// Draws a mixed scene: shapes, turned and level text, a blit, helpers.
void DrawMixedScene(HDC dc, HDC source) {
    RECT all{0, 0, 60, 60};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    HBRUSH red = CreateSolidBrush(kRed);
    HGDIOBJ oldBrush = SelectObject(dc, red);
    Rectangle(dc, 5, 5, 30, 20);
    Ellipse(dc, 30, 30, 55, 50);
    const POINT arrow[] = {{10, 40}, {20, 35}, {20, 45}};
    Polygon(dc, arrow, 3);
    SelectObject(dc, oldBrush);
    DeleteObject(red);
    HFONT turned = CreateFontW(-14, 0, 900, 900, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, u"Arial");
    HGDIOBJ oldFont = SelectObject(dc, turned);
    SetBkMode(dc, TRANSPARENT);
    TextOutW(dc, 40, 30, u"Up", 2);
    SelectObject(dc, oldFont);
    DeleteObject(turned);
    TextOutW(dc, 2, 44, u"ok", 2);
    MoveToEx(dc, 0, 25, nullptr);
    LineTo(dc, 60, 25);
    BitBlt(dc, 50, 0, 8, 8, source, 0, 0, SRCCOPY);
    RECT edge{2, 50, 20, 58};
    DrawEdge(dc, &edge, EDGE_RAISED, BF_RECT);
}

TEST(DibSection, TwentyFourBitSectionsDrawLikeThirtyTwoBitOnes) {
    // 24-bit sections convert only the rows each call can touch; a call
    // that touched more than it claimed would lose pixels here.
    Canvas source(8, 8, kGreen);
    std::vector<COLORREF> pictures[2];
    const WORD depths[2] = {32, 24};
    for (int i = 0; i < 2; ++i) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), 60, 60, 1, depths[i], BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        ASSERT_NE(bitmap, nullptr);
        Selected selected(bitmap);
        DrawMixedScene(selected.dc(), source.dc());
        if (depths[i] == 32) {
            int reservedSet = 0;
            for (int p = 0; p < 60 * 60; ++p)
                reservedSet += (static_cast<const uint32_t*>(bits)[p] >> 24) != 0 ? 1 : 0;
            EXPECT_EQ(reservedSet, 0) << "GDI leaves the reserved byte of each pixel zero";
        }
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 60; ++x)
                pictures[i].push_back(GetPixel(selected.dc(), x, y));
    }
    int differing = 0;
    for (size_t p = 0; p < pictures[0].size(); ++p)
        differing += pictures[0][p] != pictures[1][p] ? 1 : 0;
    EXPECT_EQ(differing, 0);
}

} // namespace

namespace {

TEST(MonochromeBitmaps, MaskTechniqueCopiesAroundTheTransparentColour) {
    // The classic transparent copy without TransparentBlt: a mask made by
    // copying into a monochrome bitmap with the transparent colour as
    // background, then XOR, AND with the mask, XOR.
    Canvas picture(4, 4, kMagenta);
    SetPixel(picture.dc(), 1, 1, kRed);
    SetPixel(picture.dc(), 2, 2, RGB(0, 0, 0));
    HDC maskDc = CreateCompatibleDC(nullptr);
    HBITMAP mask = CreateCompatibleBitmap(maskDc, 4, 4);
    HGDIOBJ oldMask = SelectObject(maskDc, mask);
    SetBkColor(picture.dc(), kMagenta);
    ASSERT_TRUE(BitBlt(maskDc, 0, 0, 4, 4, picture.dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(GetPixel(maskDc, 0, 0), kWhite) << "the background colour becomes white";
    EXPECT_EQ(GetPixel(maskDc, 1, 1), RGB(0, 0, 0)) << "every other colour black";

    Canvas destination(4, 4, kGreen);
    SetTextColor(destination.dc(), RGB(0, 0, 0));
    SetBkColor(destination.dc(), kWhite);
    BitBlt(destination.dc(), 0, 0, 4, 4, picture.dc(), 0, 0, SRCINVERT);
    BitBlt(destination.dc(), 0, 0, 4, 4, maskDc, 0, 0, SRCAND);
    BitBlt(destination.dc(), 0, 0, 4, 4, picture.dc(), 0, 0, SRCINVERT);
    EXPECT_EQ(destination.At(0, 0), kGreen) << Hex(destination.At(0, 0));
    EXPECT_EQ(destination.At(1, 1), kRed) << Hex(destination.At(1, 1));
    EXPECT_EQ(destination.At(2, 2), RGB(0, 0, 0)) << Hex(destination.At(2, 2));

    // A monochrome source draws in the destination's text and background.
    Canvas coloured(4, 4);
    SetTextColor(coloured.dc(), kRed);
    SetBkColor(coloured.dc(), kGreen);
    BitBlt(coloured.dc(), 0, 0, 4, 4, maskDc, 0, 0, SRCCOPY);
    EXPECT_EQ(coloured.At(1, 1), kRed);
    EXPECT_EQ(coloured.At(0, 0), kGreen);

    // Drawing in colour on a monochrome bitmap gives black or white.
    HBRUSH grey = CreateSolidBrush(RGB(200, 200, 200));
    RECT r{0, 0, 2, 2};
    FillRect(maskDc, &r, grey);
    DeleteObject(grey);
    EXPECT_EQ(GetPixel(maskDc, 0, 0), kWhite);
    SelectObject(maskDc, oldMask);
    DeleteObject(mask);
    DeleteDC(maskDc);
}

} // namespace
