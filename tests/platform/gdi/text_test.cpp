// Fonts and text: face resolution, metrics, escapement, backgrounds, paths,
// enumeration and DrawTextW.
#include "tests/platform/gdi/canvas.h"

#include "platform/base/text.h"
#include "platform/gdi/font_resolver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using kxtest::Canvas;

constexpr COLORREF kWhite = RGB(255, 255, 255);

/// The bounding box of every pixel that is not the background.
RECT InkBox(const Canvas& canvas, int width, int height, COLORREF background = kWhite) {
    RECT box{width, height, -1, -1};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (canvas.At(x, y) != background) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    return box;
}

class SelectedFont {
public:
    SelectedFont(HDC dc, int height, int escapement, const char16_t* face, int weight = FW_NORMAL)
        : m_dc(dc) {
        m_font = CreateFontW(height, 0, escapement, escapement, weight, 0, 0, 0, DEFAULT_CHARSET, 0,
                             0, 0, 0, face);
        m_old = SelectObject(dc, m_font);
    }
    ~SelectedFont() {
        SelectObject(m_dc, m_old);
        DeleteObject(m_font);
    }
    SelectedFont(const SelectedFont&) = delete;
    SelectedFont& operator=(const SelectedFont&) = delete;

private:
    HDC m_dc;
    HFONT m_font;
    HGDIOBJ m_old;
};

TEST(FontResolution, WindowsFacesFindTheirSubstitutes) {
    const struct {
        const char16_t* face;
        const char* family;
    } cases[] = {
        {u"Arial", "Liberation Sans"},
        {u"arial", "Liberation Sans"},
        {u"MS Shell Dlg", "Liberation Sans"},
        {u"Microsoft Sans Serif", "Liberation Sans"},
        {u"Times New Roman", "Liberation Serif"},
        {u"Courier New", "Liberation Mono"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(kx::ResolveFamily(c.face), c.family)
            << std::string(c.face, c.face + std::char_traits<char16_t>::length(c.face));
    EXPECT_FALSE(kx::ResolveFamily(u"No Such Face 1234").empty()) << "a default face, never none";
}

TEST(GetTextMetricsW, NegativeHeightIsTheCharacterHeight) {
    Canvas canvas(10, 10);
    const struct {
        const char* label;
        int height;
        int expectedCell;
        int expectedCharacter;
    } cases[] = {
        {"character height 20", -20, -1, 20},
        {"cell height 20", 20, 20, -1},
        {"8 points at 96 dpi", -11, -1, 11},
    };
    for (const auto& c : cases) {
        SelectedFont font(canvas.dc(), c.height, 0, u"Arial");
        TEXTMETRICW tm{};
        ASSERT_TRUE(GetTextMetricsW(canvas.dc(), &tm));
        if (c.expectedCell > 0) {
            EXPECT_NEAR(tm.tmHeight, c.expectedCell, 1) << c.label << ": " << tm.tmHeight;
        }
        if (c.expectedCharacter > 0) {
            EXPECT_NEAR(tm.tmHeight - tm.tmInternalLeading, c.expectedCharacter, 1)
                << c.label << ": " << tm.tmHeight << " - " << tm.tmInternalLeading;
        }
        EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent) << c.label;
        EXPECT_NE(tm.tmPitchAndFamily & TMPF_TRUETYPE, 0) << c.label;
    }
}

TEST(TextOutW, EscapementNineHundredRunsUpwards) {
    Canvas canvas(80, 80);
    SetBkMode(canvas.dc(), TRANSPARENT);
    {
        SelectedFont font(canvas.dc(), -14, 0, u"Arial");
        TextOutW(canvas.dc(), 10, 10, u"HHHHHH", 6);
    }
    const RECT flat = InkBox(canvas, 80, 80);
    EXPECT_GT(flat.right - flat.left, 2 * (flat.bottom - flat.top)) << "level text is wide";
    EXPECT_GE(flat.top, 10);

    canvas.Clear(kWhite);
    {
        SelectedFont font(canvas.dc(), -14, 900, u"Arial");
        TextOutW(canvas.dc(), 20, 70, u"HHHHHH", 6);
    }
    const RECT up = InkBox(canvas, 80, 80);
    EXPECT_GT(up.bottom - up.top, 2 * (up.right - up.left)) << "turned text is tall";
    EXPECT_LE(up.bottom, 71) << "it runs up from the reference point: bottom " << up.bottom;
    EXPECT_GE(up.left, 19) << "its cell lies right of the reference point: left " << up.left;
}

TEST(TextOutW, OpaqueBackgroundFillsTheCell) {
    Canvas canvas(60, 30);
    SelectedFont font(canvas.dc(), -12, 0, u"Arial");
    SetBkColor(canvas.dc(), RGB(0, 255, 0));
    SetBkMode(canvas.dc(), OPAQUE);
    TextOutW(canvas.dc(), 2, 2, u"ab", 2);
    EXPECT_EQ(canvas.At(3, 3), RGB(0, 255, 0)) << "the cell's corner is background";
    canvas.Clear(kWhite);
    SetBkMode(canvas.dc(), TRANSPARENT);
    TextOutW(canvas.dc(), 2, 2, u"ab", 2);
    EXPECT_EQ(canvas.At(3, 3), kWhite);
}

TEST(TextOutW, MissingFaceStillDraws) {
    Canvas canvas(60, 30);
    SelectedFont font(canvas.dc(), -14, 0, u"No Such Face 1234");
    TextOutW(canvas.dc(), 2, 2, u"Text", 4);
    EXPECT_GT(canvas.CountNot(kWhite, RECT{0, 0, 60, 30}), 10);
    char16_t face[LF_FACESIZE] = {};
    EXPECT_GT(GetTextFaceW(canvas.dc(), LF_FACESIZE, face), 0);
    EXPECT_EQ(std::u16string(face), u"No Such Face 1234");
}

TEST(TextOutW, AlignmentMovesTheReferencePoint) {
    Canvas canvas(100, 40);
    SetBkMode(canvas.dc(), TRANSPARENT);
    SelectedFont font(canvas.dc(), -14, 0, u"Arial");
    SetTextAlign(canvas.dc(), TA_RIGHT | TA_BASELINE);
    TextOutW(canvas.dc(), 80, 30, u"HH", 2);
    const RECT box = InkBox(canvas, 100, 40);
    EXPECT_LE(box.right, 81) << box.right;
    EXPECT_LE(box.bottom, 31) << "H sits on the baseline: " << box.bottom;
    EXPECT_GE(box.bottom, 29);
}

TEST(GetTextExtentPoint32W, WidthGrowsWithTheText) {
    Canvas canvas(10, 10);
    SelectedFont font(canvas.dc(), -12, 0, u"Arial");
    SIZE one{}, two{}, none{};
    GetTextExtentPoint32W(canvas.dc(), u"W", 1, &one);
    GetTextExtentPoint32W(canvas.dc(), u"WW", 2, &two);
    GetTextExtentPoint32W(canvas.dc(), u"", 0, &none);
    EXPECT_GT(one.cx, 5);
    EXPECT_NEAR(two.cx, 2 * one.cx, 1);
    EXPECT_EQ(none.cx, 0);
    TEXTMETRICW tm{};
    GetTextMetricsW(canvas.dc(), &tm);
    EXPECT_EQ(one.cy, tm.tmHeight);
}

TEST(Paths, StrokedTextDiffersFromFilledText) {
    const auto draw = [](bool stroke) {
        auto canvas = std::make_unique<Canvas>(120, 60);
        SelectedFont font(canvas->dc(), -40, 0, u"Arial", FW_BOLD);
        SetBkMode(canvas->dc(), TRANSPARENT);
        HBRUSH black = CreateSolidBrush(RGB(0, 0, 0));
        SelectObject(canvas->dc(), black);
        EXPECT_TRUE(BeginPath(canvas->dc()));
        TextOutW(canvas->dc(), 5, 5, u"OH", 2);
        EXPECT_TRUE(EndPath(canvas->dc()));
        EXPECT_TRUE(stroke ? StrokePath(canvas->dc()) : FillPath(canvas->dc()));
        SelectObject(canvas->dc(), GetStockObject(WHITE_BRUSH));
        DeleteObject(black);
        return canvas;
    };
    const auto stroked = draw(true);
    const auto filled = draw(false);
    const int strokedInk = stroked->CountNot(kWhite, RECT{0, 0, 120, 60});
    const int filledInk = filled->CountNot(kWhite, RECT{0, 0, 120, 60});
    EXPECT_GT(strokedInk, 50);
    EXPECT_GT(filledInk, strokedInk + 50) << "filled " << filledInk << ", stroked " << strokedInk;
    int differing = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 120; ++x)
            differing += stroked->At(x, y) != filled->At(x, y) ? 1 : 0;
    EXPECT_GT(differing, 50);
    EXPECT_FALSE(StrokePath(stroked->dc())) << "a path is used up once drawn";
}

TEST(Paths, ShapesInAPathDrawOnlyWhenStroked) {
    Canvas canvas(20, 20);
    BeginPath(canvas.dc());
    Rectangle(canvas.dc(), 2, 2, 10, 10);
    EndPath(canvas.dc());
    EXPECT_EQ(canvas.CountNot(kWhite, RECT{0, 0, 20, 20}), 0) << "nothing drawn yet";
    StrokePath(canvas.dc());
    EXPECT_EQ(canvas.At(2, 2), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(5, 5), kWhite);
}

struct Enumerated {
    std::vector<std::pair<std::u16string, BYTE>> entries;
    int stopAfter = -1;
};

int CALLBACK Collect(const LOGFONTW* font, const TEXTMETRICW* metrics, DWORD type, LPARAM param) {
    auto* out = reinterpret_cast<Enumerated*>(param);
    EXPECT_EQ(type, TRUETYPE_FONTTYPE);
    EXPECT_GT(metrics->tmHeight, 0);
    const auto* ex = reinterpret_cast<const ENUMLOGFONTEXW*>(font);
    EXPECT_NE(ex->elfScript[0], 0) << "each set has a script name";
    out->entries.emplace_back(font->lfFaceName, font->lfCharSet);
    return out->stopAfter < 0 || static_cast<int>(out->entries.size()) < out->stopAfter;
}

TEST(EnumFontFamiliesExW, OneCallbackPerFaceAndCharacterSet) {
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    Enumerated all;
    EXPECT_NE(EnumFontFamiliesExW(nullptr, &query, Collect, reinterpret_cast<LPARAM>(&all), 0), 0);
    std::set<std::pair<std::u16string, BYTE>> unique(all.entries.begin(), all.entries.end());
    EXPECT_EQ(unique.size(), all.entries.size()) << "no face and set twice";
    EXPECT_TRUE(unique.contains({u"Arial", ANSI_CHARSET}));
    EXPECT_TRUE(unique.contains({u"Times New Roman", ANSI_CHARSET}));
    EXPECT_TRUE(unique.contains({u"Arial", RUSSIAN_CHARSET})) << "the substitute covers Cyrillic";
    for (const auto& [face, charSet] : all.entries) {
        if (!face.empty() && face[0] == u'@') {
            EXPECT_TRUE(unique.contains({face.substr(1), charSet}))
                << "vertical faces follow theirs";
        }
    }

    kx::CopyText(query.lfFaceName, LF_FACESIZE, u"arial");
    Enumerated one;
    EnumFontFamiliesExW(nullptr, &query, Collect, reinterpret_cast<LPARAM>(&one), 0);
    ASSERT_FALSE(one.entries.empty());
    for (const auto& entry : one.entries)
        EXPECT_EQ(entry.first, u"Arial");

    query.lfCharSet = GREEK_CHARSET;
    Enumerated greek;
    EnumFontFamiliesExW(nullptr, &query, Collect, reinterpret_cast<LPARAM>(&greek), 0);
    ASSERT_EQ(greek.entries.size(), 1u);
    EXPECT_EQ(greek.entries[0].second, GREEK_CHARSET);

    query.lfFaceName[0] = 0;
    query.lfCharSet = DEFAULT_CHARSET;
    Enumerated stopped;
    stopped.stopAfter = 2;
    EXPECT_EQ(EnumFontFamiliesExW(nullptr, &query, Collect, reinterpret_cast<LPARAM>(&stopped), 0),
              0);
    EXPECT_EQ(stopped.entries.size(), 2u) << "a zero result stops";
}

TEST(GetTextCharset, DefaultCharsetAsksTheFace) {
    Canvas canvas(4, 4);
    SelectedFont font(canvas.dc(), 12, 0, u"Arial");
    EXPECT_EQ(GetTextCharset(canvas.dc()), ANSI_CHARSET);
    HFONT greek = CreateFontW(12, 0, 0, 0, 400, 0, 0, 0, GREEK_CHARSET, 0, 0, 0, 0, u"Arial");
    HGDIOBJ old = SelectObject(canvas.dc(), greek);
    EXPECT_EQ(GetTextCharset(canvas.dc()), GREEK_CHARSET);
    SelectObject(canvas.dc(), old);
    DeleteObject(greek);
}

TEST(DrawTextW, FormatsAndMeasures) {
    Canvas canvas(200, 100);
    SelectedFont font(canvas.dc(), -12, 0, u"Arial");
    SIZE extent{};
    GetTextExtentPoint32W(canvas.dc(), u"Copies: 1", 9, &extent);
    TEXTMETRICW tm{};
    GetTextMetricsW(canvas.dc(), &tm);

    RECT calc{10, 10, 10, 10};
    EXPECT_EQ(DrawTextW(canvas.dc(), u"Copies: 1", -1, &calc, DT_SINGLELINE | DT_CALCRECT),
              tm.tmHeight);
    EXPECT_EQ(calc.right - calc.left, extent.cx);
    EXPECT_EQ(canvas.CountNot(kWhite, RECT{0, 0, 200, 100}), 0) << "measuring draws nothing";

    RECT prefixed{0, 0, 0, 0};
    DrawTextW(canvas.dc(), u"&Copies: 1", -1, &prefixed, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(prefixed.right, extent.cx) << "the mnemonic marker takes no room";

    RECT wrapped{0, 0, 60, 0};
    DrawTextW(canvas.dc(), u"one two three four five six", -1, &wrapped,
              DT_WORDBREAK | DT_CALCRECT);
    EXPECT_GE(wrapped.bottom, 3 * tm.tmHeight) << "word breaks make several lines";

    RECT band{0, 40, 200, 60};
    SetBkMode(canvas.dc(), TRANSPARENT);
    DrawTextW(canvas.dc(), u"HH", 2, &band, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
    const RECT box = InkBox(canvas, 200, 100);
    EXPECT_NEAR((box.left + box.right) / 2, 100, 2) << "centred across";
    EXPECT_NEAR((box.top + box.bottom) / 2, 50, 3) << "centred down";

    canvas.Clear(kWhite);
    RECT narrow{0, 0, 8, 20};
    DrawTextW(canvas.dc(), u"WWWWWW", -1, &narrow, DT_SINGLELINE);
    EXPECT_EQ(canvas.CountNot(kWhite, RECT{8, 0, 200, 100}), 0) << "clipped to its rectangle";
}

} // namespace

namespace {

TEST(CreateFontW, QualityChoosesSmoothOrSharpEdges) {
    const struct {
        const char* label;
        BYTE quality;
        bool onlyTwoColours;
    } cases[] = {
        {"default quality is smoothed", DEFAULT_QUALITY, false},
        {"non-antialiased quality has hard edges", NONANTIALIASED_QUALITY, true},
    };
    for (const auto& c : cases) {
        kxtest::Canvas canvas(80, 30);
        HFONT font = CreateFontW(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, c.quality, 0, u"Arial");
        SelectObject(canvas.dc(), font);
        SetBkMode(canvas.dc(), TRANSPARENT);
        TextOutW(canvas.dc(), 2, 2, u"Sow", 3);
        const int notWhite = canvas.CountNot(RGB(255, 255, 255), RECT{0, 0, 80, 30});
        int grey = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 80; ++x)
                grey += canvas.At(x, y) != RGB(255, 255, 255) && canvas.At(x, y) != 0 ? 1 : 0;
        EXPECT_GT(notWhite, 20) << c.label;
        EXPECT_EQ(grey == 0, c.onlyTwoColours) << c.label << ": " << grey << " grey pixels";
        SelectObject(canvas.dc(), GetStockObject(SYSTEM_FONT));
        DeleteObject(font);
    }
}

} // namespace

namespace {

TEST(GetTextExtentPoint32W, DialogFontGivesTheClassicBaseUnits) {
    // Dialog base units from the 8-point dialog face at 96 dpi: the average
    // width of the 52 letters and the cell height, 6 by 13 on Windows.
    kxtest::Canvas canvas(4, 4);
    SelectObject(canvas.dc(), GetStockObject(DEFAULT_GUI_FONT));
    SIZE letters{};
    GetTextExtentPoint32W(canvas.dc(), u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52,
                          &letters);
    TEXTMETRICW tm{};
    GetTextMetricsW(canvas.dc(), &tm);
    EXPECT_EQ((letters.cx / 26 + 1) / 2, 6) << letters.cx;
    EXPECT_EQ(tm.tmHeight, 13);
}

} // namespace

namespace {

TEST(GetTextExtentExPointW, CountsWhatFitsAndGivesPrefixExtents) {
    kxtest::Canvas canvas(4, 4);
    HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, u"Courier New");
    SelectObject(canvas.dc(), font);
    INT widths[3] = {};
    ASSERT_TRUE(GetCharWidth32W(canvas.dc(), u'a', u'c', widths));
    EXPECT_GT(widths[0], 0);
    EXPECT_EQ(widths[0], widths[2]) << "a fixed-pitch face";
    const int w = widths[0];
    const struct {
        const char* label;
        int maxExtent;
        int fit;
    } cases[] = {
        {"nothing fits", w - 1, 0},          {"exactly one", w, 1},
        {"one and a bit", w + 1, 1},         {"all four", 4 * w, 4},
        {"more room than text", 100 * w, 4},
    };
    for (const auto& c : cases) {
        INT fit = -1;
        INT dx[4] = {};
        SIZE size{};
        ASSERT_TRUE(GetTextExtentExPointW(canvas.dc(), u"abcd", 4, c.maxExtent, &fit, dx, &size));
        EXPECT_EQ(fit, c.fit) << c.label;
        EXPECT_EQ(dx[3], size.cx) << c.label << ": the last prefix is the whole text";
        EXPECT_EQ(dx[1], 2 * w) << c.label;
    }
    SelectObject(canvas.dc(), GetStockObject(SYSTEM_FONT));
    DeleteObject(font);
}

} // namespace

namespace {

TEST(CreateFontW, ExtremeSizesAndAnglesStayHarmless) {
    const struct {
        const char* label;
        int height;
        int width;
        int escapement;
    } cases[] = {
        {"huge character height", INT32_MIN, 0, 0}, {"huge cell height", INT32_MAX, 0, 0},
        {"huge width", 12, INT32_MAX, 0},           {"huge angle", 12, 0, INT32_MAX},
        {"negative angle", 12, 0, INT32_MIN},
    };
    for (const auto& c : cases) {
        kxtest::Canvas canvas(16, 16);
        HFONT font = CreateFontW(c.height, c.width, c.escapement, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0,
                                 0, u"Arial");
        SelectObject(canvas.dc(), font);
        TEXTMETRICW tm{};
        EXPECT_TRUE(GetTextMetricsW(canvas.dc(), &tm)) << c.label;
        EXPECT_GE(tm.tmHeight, 0) << c.label;
        SIZE size{};
        EXPECT_TRUE(GetTextExtentPoint32W(canvas.dc(), u"Ww", 2, &size)) << c.label;
        EXPECT_TRUE(TextOutW(canvas.dc(), 0, 0, u"Ww", 2)) << c.label;
        SelectObject(canvas.dc(), GetStockObject(SYSTEM_FONT));
        DeleteObject(font);
    }
}

// Text paths far from the origin, and in fonts of a few pixels, keep their
// glyphs: a watermark drawn as a stroked path must leave its mark wherever
// the page puts it.
TEST(Paths, TextPathsAwayFromTheOriginAndInTinyFontsKeepTheirGlyphs) {
    const struct {
        const char* label;
        int height;
        POINT at;
    } cases[] = {
        {"48 points far from the origin", -64, {250, 220}},
        {"three pixels near the origin", -3, {4, 4}},
        {"three pixels far from the origin", -3, {300, 280}},
        {"ten pixels far from the origin", -10, {330, 150}},
    };
    for (const auto& c : cases) {
        Canvas canvas(400, 320);
        SelectedFont font(canvas.dc(), c.height, 0, u"Arial", FW_BOLD);
        SetBkMode(canvas.dc(), TRANSPARENT);
        ASSERT_TRUE(BeginPath(canvas.dc()));
        TextOutW(canvas.dc(), c.at.x, c.at.y, u"WM", 2);
        ASSERT_TRUE(EndPath(canvas.dc()));
        ASSERT_TRUE(StrokePath(canvas.dc()));
        const LONG reach = std::max(8, -c.height * 2);
        const RECT around{std::max<LONG>(c.at.x - 2, 0), std::max<LONG>(c.at.y - 2, 0),
                          std::min<LONG>(c.at.x + reach * 2, 400),
                          std::min<LONG>(c.at.y + reach, 320)};
        EXPECT_GT(canvas.CountNot(kWhite, around), 0) << c.label;
        EXPECT_EQ(canvas.CountNot(kWhite, RECT{0, 0, 400, 320}), canvas.CountNot(kWhite, around))
            << c.label << ": the strokes stay where the text is";
    }
}

} // namespace
