// The Graphics page's "Color Settings" dialog: the button opens it, the
// automatic setting puts the lists at their automatic values and greys
// them, a custom setting is stored, stored values outside a list are shown
// clamped, and Cancel keeps the record.
#include "pages/settings_dlg.h"

#include "pages/adjust_dlg.h"

#include "platform/automation/scripted_user.h"
#include "platform/base/text.h"
#include "tests/pages/graphic_fixture.h"

#include <functional>

namespace {

constexpr const char* kColourModel =
    "Graphics600Res=1\nGraphicsColorMode=1\nGraphicsColorSettings=1\nGraphicsColorMatching=1\n";

class SettingsDialog : public kxtest::GraphicPageFixture {
protected:
    /// Presses the page's button and plays `action` in the dialog.
    void Play(const std::function<void(kx::ScriptedUser&, HWND)>& action) {
        kx::ScriptedUser user;
        bool opened = false;
        user.WhenNextDialogRuns([&](kx::ScriptedUser& me, HWND dialog) {
            opened = true;
            action(me, dialog);
        });
        Click(kx::kColourSettingsId);
        EXPECT_TRUE(opened);
    }
};

TEST_F(SettingsDialog, TheButtonIsUsableAndCustomChoicesAreStored) {
    Open(kColourModel);
    ASSERT_TRUE(Visible(kx::kColourSettingsId));
    EXPECT_TRUE(Enabled(kx::kColourSettingsId));
    Play([](kx::ScriptedUser& me, HWND dialog) {
        EXPECT_FALSE(me.Read(me.FindById(dialog, kx::kRgbColourListId)).enabled)
            << "automatic colour leaves nothing to choose";
        me.ChooseByText(me.FindById(dialog, kx::kColourOptionsListId), u"Custom Setting");
        EXPECT_TRUE(me.Read(me.FindById(dialog, kx::kRgbColourListId)).enabled);
        EXPECT_TRUE(me.Read(me.FindById(dialog, kx::kAdjustColourButtonId)).enabled);
        me.ChooseByText(me.FindById(dialog, kx::kRgbColourListId), u"Vivid");
        me.ChooseByText(me.FindById(dialog, kx::kEdgeControlListId), u"Rough");
        me.ChooseByText(me.FindById(dialog, kx::kGrayPhotoListId), u"Black Only");
        me.ChooseByText(me.FindById(dialog, kx::kHalftoneTextListId), u"Smooth");
        me.Click(me.FindById(dialog, IDOK));
    });
    EXPECT_EQ(Working("iColorOptions"), 1);
    EXPECT_EQ(Working("iRGBColor"), 1);
    EXPECT_EQ(Working("iEdgeControl"), 2);
    EXPECT_EQ(Working("iGrayPhoto"), 0);
    EXPECT_EQ(Working("iHarftoneText"), 0);
    EXPECT_TRUE(Checked(kx::kColourMatchingId)) << "the page shows the custom setting after OK";
}

TEST_F(SettingsDialog, AutomaticSettingStoresTheAutomaticValues) {
    const struct {
        const char* field;
        int custom;
        int automatic;
    } lists[] = {{"iRGBColor", 1, 0},         {"iEdgeControl", 3, 1},
                 {"iGrayText", 1, 0},         {"iGrayGraphic", 1, 0},
                 {"iGrayPhoto", 0, 1},        {"iHarftoneText", 0, 1},
                 {"iHarftoneGraphics", 0, 1}, {"iHarftonePhotographs", 0, 1}};
    Set("iColorOptions", 1);
    for (const auto& list : lists)
        Set(list.field, list.custom);
    Open(kColourModel);
    Play([](kx::ScriptedUser& me, HWND dialog) {
        EXPECT_EQ(me.Read(me.FindById(dialog, kx::kEdgeControlListId)).text, u"Off");
        me.ChooseByText(me.FindById(dialog, kx::kColourOptionsListId), u"Automatic Setting");
        EXPECT_EQ(me.Read(me.FindById(dialog, kx::kEdgeControlListId)).text, u"Normal");
        EXPECT_FALSE(me.Read(me.FindById(dialog, kx::kAdjustColourButtonId)).enabled);
        me.Click(me.FindById(dialog, IDOK));
    });
    EXPECT_EQ(Working("iColorOptions"), 0);
    for (const auto& list : lists)
        EXPECT_EQ(Working(list.field), list.automatic) << list.field;
}

TEST_F(SettingsDialog, StoredValuesOutsideTheListsAreShownClampedAndCorporateIsKept) {
    const struct {
        int edge;
        int rgb;
        const char16_t* edgeShown;
        const char16_t* rgbShown;
        int edgeSaved;
        int rgbSaved;
    } cases[] = {{7, 3, u"Off", u"Corporate", 3, 3},
                 {-2, 9, u"Soft", u"Corporate", 0, 3},
                 {2, 2, u"Rough", u"Device", 2, 2}};
    Open(kColourModel);
    for (const auto& c : cases) {
        SetWorking("iColorOptions", 1);
        SetWorking("iEdgeControl", c.edge);
        SetWorking("iRGBColor", c.rgb);
        Play([&](kx::ScriptedUser& me, HWND dialog) {
            EXPECT_EQ(me.Read(me.FindById(dialog, kx::kEdgeControlListId)).text, c.edgeShown);
            EXPECT_EQ(me.Read(me.FindById(dialog, kx::kRgbColourListId)).text, c.rgbShown);
            me.Click(me.FindById(dialog, IDOK));
        });
        EXPECT_EQ(Working("iEdgeControl"), c.edgeSaved) << c.edge;
        EXPECT_EQ(Working("iRGBColor"), c.rgbSaved) << c.rgb;
    }
}

TEST_F(SettingsDialog, CancelKeepsTheRecord) {
    Open(kColourModel);
    Play([](kx::ScriptedUser& me, HWND dialog) {
        me.ChooseByText(me.FindById(dialog, kx::kColourOptionsListId), u"Custom Setting");
        me.ChooseByText(me.FindById(dialog, kx::kRgbColourListId), u"Vivid");
        me.Click(me.FindById(dialog, IDCANCEL));
    });
    EXPECT_EQ(Working("iColorOptions"), 0);
    EXPECT_EQ(Working("iRGBColor"), 0);
}

TEST_F(SettingsDialog, ALockedColourRowGreysTheButton) {
    Set("bLockedFeatures", 1);
    Open(kColourModel);
    EXPECT_FALSE(Enabled(kx::kColourSettingsId));
    EXPECT_FALSE(OptionTip(kx::kColourSettingsId).empty());
}

} // namespace

namespace {

TEST_F(SettingsDialog, CancelAlsoTakesBackWhatAdjustColourStored) {
    // In colour: grayscale has the resolver put the colour sliders back.
    Set("iGrayMode", 1);
    Set("iRed", 50);
    Set("iCyan", 50);
    Open(kColourModel);
    for (const int close : {IDOK, IDCANCEL}) {
        Play([close](kx::ScriptedUser& me, HWND dialog) {
            me.ChooseByText(me.FindById(dialog, kx::kColourOptionsListId), u"Custom Setting");
            bool adjusted = false;
            me.WhenNextDialogRuns([&adjusted](kx::ScriptedUser& inner, HWND adjust) {
                adjusted = true;
                EXPECT_TRUE(
                    inner.MoveSlider(inner.FindById(adjust, kx::kFirstAdjustSliderId + 3), 20));
                inner.Click(inner.FindById(adjust, IDOK));
            });
            EXPECT_TRUE(me.Click(me.FindById(dialog, kx::kAdjustColourButtonId)));
            EXPECT_TRUE(adjusted);
            me.Click(me.FindById(dialog, close));
        });
        EXPECT_EQ(Working("iRed"), close == IDOK ? 20 : 50) << close;
        EXPECT_EQ(Working("iCyan"), close == IDOK ? 80 : 50) << close;
        SetWorking("iRed", 50);
        SetWorking("iCyan", 50);
        SetWorking("iColorOptions", 0);
    }
}

} // namespace
