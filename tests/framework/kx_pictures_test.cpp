// The picture statics: placement of a picture, pictures from a model's
// resource library, a missing picture, and the picture button's clicks.
#include "framework/kx_pictures.h"

#include "platform/automation/scripted_user.h"
#include "platform/system/library_loader.h"
#include "tests/framework/drawn_dialog.h"
#include "tests/platform/gdi/bmp_writer.h"
#include "tests/platform/gdi/canvas.h"
#include "tests/support/test_prefix.h"
#include "tests/support/ustar_archive.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

using kx::CKxPicture;
using kx::PictureFit;
using kxtest::Command;
using kxtest::DrawnDialog;
using kxtest::Rendered;

bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string Describe(const RECT& r) {
    char text[64];
    std::snprintf(text, sizeof text, "{%ld,%ld,%ld,%ld}", static_cast<long>(r.left),
                  static_cast<long>(r.top), static_cast<long>(r.right),
                  static_cast<long>(r.bottom));
    return text;
}

TEST(CKxPicture, PlacementKeepsTheAspectAndCentres) {
    struct Case {
        const char* label;
        SIZE picture;
        RECT target;
        PictureFit fit;
        RECT expected;
    };
    const Case cases[] = {
        {"wide picture in a square",
         {40, 20},
         {0, 0, 100, 100},
         PictureFit::Scale,
         {0, 25, 100, 75}},
        {"tall picture in a square",
         {10, 40},
         {0, 0, 100, 100},
         PictureFit::Scale,
         {37, 0, 62, 100}},
        {"same aspect fills", {4, 3}, {10, 10, 50, 40}, PictureFit::Scale, {10, 10, 50, 40}},
        {"shrinks too", {400, 300}, {0, 0, 40, 60}, PictureFit::Scale, {0, 15, 40, 45}},
        {"natural size centred", {10, 6}, {0, 0, 30, 30}, PictureFit::Natural, {10, 12, 20, 18}},
        {"natural size larger than the target",
         {50, 10},
         {0, 0, 30, 30},
         PictureFit::Natural,
         {-10, 10, 40, 20}},
        {"empty target", {10, 10}, {5, 5, 5, 20}, PictureFit::Scale, {5, 5, 5, 5}},
        {"empty picture", {0, 0}, {0, 0, 30, 30}, PictureFit::Scale, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        const RECT got = CKxPicture::Placement(c.picture, c.target, c.fit);
        EXPECT_TRUE(got == c.expected) << c.label << ": " << Describe(got);
    }
}

using kxtest::Ustar;

/// A resource library holding "L.bmp" (the 4 x 3 test picture: a red,
/// green, blue, white top row, a black-red-red-black row, a blue row).
class PictureLibrary : public ::testing::Test {
protected:
    void SetUp() override {
        m_prefix.WriteFile("drive_c/drv/MODEL2.dll",
                           Ustar({{"L.bmp", kxtest::MakeBmp(24, false)}}));
        library = LoadLibraryW(u"C:\\drv\\MODEL2.dll");
        ASSERT_NE(library, nullptr);
    }
    void TearDown() override {
        if (library)
            FreeLibrary(library);
    }

    kxtest::TestPrefix m_prefix;
    HMODULE library = nullptr;
};

bool Near(COLORREF a, COLORREF b) {
    const auto close = [](int x, int y) { return x - y < 40 && y - x < 40; };
    return close(GetRValue(a), GetRValue(b)) && close(GetGValue(a), GetGValue(b)) &&
           close(GetBValue(a), GetBValue(b));
}

constexpr char16_t kScript[] = u"DIALOGEX 0,0,200,80\nSTYLE WS_POPUP | WS_VISIBLE\nBEGIN\n"
                               u"LTEXT \"\", 40, 5, 5, 80, 30\n"
                               u"LTEXT \"\", 41, 100, 5, 30, 30\n"
                               u"PUSHBUTTON \"\", 42, 5, 45, 40, 30\nEND";

TEST_F(PictureLibrary, LogoIsScaledToFitItsControl) {
    DrawnDialog dialog(kScript);
    kx::CKxLogo logo;
    ASSERT_TRUE(logo.SubclassWindow(dialog.item(40)));
    logo.SetPicture(u"L.bmp", library);
    ASSERT_TRUE(logo.HasPicture());

    Rendered picture(dialog.window());
    const RECT rect = dialog.ItemRect(40);
    const RECT place = CKxPicture::Placement(SIZE{4, 3}, rect, PictureFit::Scale);
    const LONG cellWidth = (place.right - place.left) / 4;
    const LONG cellHeight = (place.bottom - place.top) / 3;
    const auto centre = [&](int column, int row) {
        return picture.At(place.left + column * cellWidth + cellWidth / 2,
                          place.top + row * cellHeight + cellHeight / 2);
    };
    // Scaling may blend the edges of the picture's cells, never their middles.
    EXPECT_TRUE(Near(centre(0, 0), RGB(255, 0, 0))) << kxtest::Hex(centre(0, 0));
    EXPECT_TRUE(Near(centre(3, 0), RGB(255, 255, 255))) << kxtest::Hex(centre(3, 0));
    EXPECT_TRUE(Near(centre(0, 1), RGB(0, 0, 0))) << kxtest::Hex(centre(0, 1));
    EXPECT_TRUE(Near(centre(2, 2), RGB(0, 0, 255))) << kxtest::Hex(centre(2, 2));
    EXPECT_EQ(picture.At(rect.left, rect.top), GetSysColor(COLOR_BTNFACE))
        << "the margin beside a wider control";
}

TEST_F(PictureLibrary, MissingPictureDrawsNothingAndNeverFails) {
    DrawnDialog dialog(kScript);
    kx::CKxLogo logo;
    kx::CKxIcon icon;
    ASSERT_TRUE(logo.SubclassWindow(dialog.item(40)));
    ASSERT_TRUE(icon.SubclassWindow(dialog.item(41)));
    logo.SetPicture(u"Missing.bmp", library);
    icon.SetPicture(u"L.bmp", nullptr);
    EXPECT_FALSE(logo.HasPicture());
    EXPECT_FALSE(icon.HasPicture()) << "no resource library: no picture";

    Rendered picture(dialog.window());
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const auto notFace = [face](COLORREF c) { return c != face; };
    EXPECT_EQ(picture.Count(dialog.ItemRect(40), notFace), 0);
    EXPECT_EQ(picture.Count(dialog.ItemRect(41), notFace), 0);
}

TEST_F(PictureLibrary, IconIsShownAtItsOwnSize) {
    DrawnDialog dialog(kScript);
    kx::CKxIcon icon;
    ASSERT_TRUE(icon.SubclassWindow(dialog.item(41)));
    icon.SetPicture(u"l.BMP", library); // names match in any case
    Rendered picture(dialog.window());
    const RECT rect = dialog.ItemRect(41);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(picture.Count(rect, [face](COLORREF c) { return c != face; }), 4 * 3);
}

TEST_F(PictureLibrary, PictureButtonIsPressedWhileHeldAndReportsTheClick) {
    DrawnDialog dialog(kScript);
    kx::CKxButton button;
    ASSERT_TRUE(button.SubclassWindow(dialog.item(42)));
    button.SetPicture(u"L.bmp", library);

    SendMessageW(button, WM_LBUTTONDOWN, 0, 0);
    EXPECT_TRUE(button.IsPressed());
    EXPECT_EQ(SendMessageW(button, BM_GETSTATE, 0, 0), BST_PUSHED);
    EXPECT_TRUE(dialog.commands.empty()) << "nothing before the release";
    SendMessageW(button, WM_LBUTTONUP, 0, 0);
    EXPECT_FALSE(button.IsPressed());
    EXPECT_EQ(dialog.commands, (std::vector<Command>{{42, BN_CLICKED}}));

    kx::ScriptedUser user;
    ASSERT_TRUE(user.Click(button)); // a button class control: BM_CLICK
    EXPECT_EQ(dialog.commands.size(), 2u) << "one notification per click";

    Rendered picture(dialog.window());
    EXPECT_GT(picture.Count(dialog.ItemRect(42), kxtest::IsReddish), 10)
        << "the picture is on the face";
}

} // namespace
