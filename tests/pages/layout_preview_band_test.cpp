// The layout preview as the pages show it: the caption band's second line
// clear of the unit buttons, numbers of small pages inside their pages, and
// the watermark of a monochrome model in grey.
#include "framework/control_ids.h"
#include "framework/preview_gdi.h"
#include "pages/layout_preview_ex.h"
#include "tests/pages/preview_fixture.h"
#include "tests/platform/gdi/canvas.h"

#include <algorithm>
#include <cstdlib>

namespace {

class PreviewOnAPage : public kxtest::PreviewFixture {
protected:
    kx::CLayoutPreviewEx preview;
};

bool Overlap(const RECT& a, const RECT& b) {
    RECT both{};
    return IntersectRect(&both, &a, &b) != FALSE;
}

TEST_F(PreviewOnAPage, TheSecondCaptionLineStaysClearOfTheUnitButtons) {
    kx::ActiveModelProfile().UnitsOnPreview = 1;
    const HWND button = CreateWindowExW(
        0, u"Button", u"Millimeters", WS_CHILD | WS_VISIBLE, 0, 0, 60, 14, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kx::kMillimetreButtonId)), nullptr, nullptr);
    windows.push_back(button);
    Attach(preview, 150, 200);
    Set("iER", 1);
    Set("iERRatio", 50);
    preview.SetDevmode(record.data());
    ASSERT_EQ(preview.captions()[1], u"Reduce 50%");
    const RECT units = preview.UnitArea();
    EXPECT_FALSE(Overlap(units, preview.CaptionLine(1))) << "\"Reduce 50%\" is not covered";
    EXPECT_FALSE(Overlap(units, preview.CaptionLine(0)));
    EXPECT_FALSE(Overlap(units, preview.PictureRect()));
    EXPECT_GE(units.bottom - units.top, 14) << "the buttons have their line";
}

TEST_F(PreviewOnAPage, WithoutUnitButtonsTheBandKeepsItsTwoLines) {
    Attach(preview, 150, 200);
    preview.SetDevmode(record.data());
    const RECT units = preview.UnitArea();
    const RECT second = preview.CaptionLine(1);
    EXPECT_EQ(units.top, second.top) << "the lower line, where buttons would go";
    EXPECT_EQ(preview.PictureRect().bottom,
              200 - kx::kCaptionBandHeight - kx::kPreviewInset - 2 * kx::kPreviewLineHeight);
}

TEST_F(PreviewOnAPage, NumbersOfSmallPagesFitTheirPages) {
    kxtest::Canvas canvas(40, 40);
    const struct {
        const char* label;
        RECT page;
        const char16_t* text;
        int angle;
    } cases[] = {
        {"16 pages in portrait", {0, 0, 18, 24}, u"16", 0},
        {"16 pages in landscape", {0, 0, 24, 18}, u"12", 0},
        {"turned a quarter", {0, 0, 24, 14}, u"16", 90},
        {"one digit keeps its size", {0, 0, 18, 24}, u"9", 0},
    };
    for (const auto& c : cases) {
        const LONG smaller = std::min(c.page.right, c.page.bottom);
        const int height = kx::CLayoutPreview::FittedTextHeight(
            canvas.dc(), c.page, c.text, static_cast<int>(smaller), FW_NORMAL, c.angle);
        const kx::GdiOwner<HFONT> font = kx::PreviewFont(u"Arial", height, FW_NORMAL, false, 0);
        const HGDIOBJ old = SelectObject(canvas.dc(), font.get());
        SIZE extent{};
        const std::u16string text(c.text);
        GetTextExtentPoint32W(canvas.dc(), text.c_str(), static_cast<int>(text.size()), &extent);
        SelectObject(canvas.dc(), old);
        const LONG along = c.angle % 180 != 0 ? c.page.bottom : c.page.right;
        EXPECT_LE(extent.cx, along) << c.label << ": height " << height;
        EXPECT_GT(height, 3) << c.label;
        if (c.text == std::u16string_view(u"9")) {
            EXPECT_GE(height, smaller * 3 / 4) << c.label;
        }
    }
}

TEST_F(PreviewOnAPage, AMonochromeModelShowsItsWatermarkGrey) {
    Attach(preview);
    Set("dmPaperSize", 8);
    kx::WriteText(record.data(), kx::FieldNamed("cWaterText"), u"WWW");
    kx::WriteText(record.data(), kx::FieldNamed("cWaterTextEx"), u"WWW");
    kx::WriteText(record.data(), kx::FieldNamed("WaterStrFaceName"), u"Arial");
    Set("iWaterSize", 300);
    Set("WaterColor", RGB(255, 0, 0));
    Set("lfWeight", 700);
    const auto red = [](COLORREF c) {
        return GetRValue(c) > 200 && GetGValue(c) < 80 && GetBValue(c) < 80;
    };
    const auto grey = [](COLORREF c) {
        const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
        return r < 230 && std::abs(r - g) < 12 && std::abs(g - b) < 12;
    };
    preview.SetDevmode(record.data());
    const RECT paper = preview.paperRect();
    kxtest::Rendered mono(preview.m_hWnd);
    EXPECT_EQ(mono.Count(paper, red), 0) << "no colour on a monochrome printer";
    EXPECT_GT(mono.Count(paper, grey), 20) << "the watermark still shows";
}

} // namespace
