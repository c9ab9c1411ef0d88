// The colour-adjust sliders: typed numbers clamped and rewritten, the
// complements of red, green and blue, the automatic check that keeps the
// sliders out of the record, and the picture that follows the sliders.
#include "pages/adjust_dlg.h"
#include "pages/graphic_values.h"
#include "pages/settings_dlg.h"

#include "platform/automation/scripted_user.h"
#include "platform/base/text.h"
#include "platform/window/paint_api.h"
#include "tests/pages/graphic_fixture.h"
#include "tests/pages/preview_fixture.h"

#include <filesystem>
#include <functional>

namespace {

TEST(ReadTypedAdjustValue, ClampsAndRefusesWhatIsNoNumber) {
    const struct {
        const char16_t* text;
        std::optional<int> value;
        bool rewrite;
    } cases[] = {
        {u"42", 42, false},
        {u"0", 0, false},
        {u"100", 100, false},
        {u"150", 100, true},
        {u"-5", 0, true},
        {u"007", 7, false},
        {u"99999999999999", 100, true},
        {u"-99999999999999", 0, true},
        {u"", std::nullopt, false},
        {u"-", std::nullopt, false},
        {u"4x", std::nullopt, false},
        {u"abc", std::nullopt, false},
        {u"1-2", std::nullopt, false},
    };
    for (const auto& c : cases) {
        const auto typed = kx::ReadTypedAdjustValue(c.text);
        ASSERT_EQ(typed.has_value(), c.value.has_value()) << kx::Utf16ToUtf8(c.text);
        if (!typed)
            continue;
        EXPECT_EQ(typed->value, *c.value) << kx::Utf16ToUtf8(c.text);
        EXPECT_EQ(typed->rewrite, c.rewrite) << kx::Utf16ToUtf8(c.text);
    }
}

TEST(ShownAdjustValue, MiddleWithoutARecordAndClampedWithOne) {
    std::array<BYTE, kx::kDevmodeSize> record{};
    const kx::AdjustSlider& red = kx::kAdjustSliders[3];
    EXPECT_EQ(kx::ShownAdjustValue(nullptr, red), 50);
    for (const auto& [stored, shown] : {std::pair{30, 30}, {100, 100}, {250, 100}, {65535, 100}}) {
        kx::WriteNumber(record.data(), *red.field, stored);
        EXPECT_EQ(kx::ShownAdjustValue(record.data(), red), shown) << stored;
    }
}

class AdjustDialog : public kxtest::GraphicPageFixture {
protected:
    void OpenColourModel(const std::string& extra = "") {
        Set("iGrayMode", 1);
        for (const char* slider : {"iBrightness", "iContrast", "iSaturation", "iRed", "iGreen",
                                   "iBlue", "iCyan", "iMagenta", "iYellow"})
            Set(slider, 50);
        Open("Graphics600Res=1\nGraphicsColorMode=1\n" + extra);
        kx::TheApp().names.driverBaseName = u"GR";
        prefix.WriteFile("drive_c/G/GRC.Bmp", kxtest::SolidBmp(8, 8, RGB(100, 100, 100)));
    }

    /// Runs the dialog with `action`; returns how it ended.
    INT_PTR Play(const std::function<void(kx::ScriptedUser&, HWND, kx::CAdjustDlg&)>& action) {
        kx::CAdjustDlg dialog(page->ForDialogs());
        kx::ScriptedUser user;
        bool opened = false;
        user.WhenNextDialogRuns([&](kx::ScriptedUser& me, HWND window) {
            opened = true;
            action(me, window, dialog);
        });
        const INT_PTR result = dialog.Run();
        EXPECT_TRUE(opened);
        return result;
    }

    static HWND Slider(kx::ScriptedUser& me, HWND dialog, int i) {
        return me.FindById(dialog, kx::kFirstAdjustSliderId + i);
    }
    static HWND Number(kx::ScriptedUser& me, HWND dialog, int i) {
        return me.FindById(dialog, kx::kFirstAdjustEditId + i);
    }
};

constexpr int kBrightness = 0;
constexpr int kRed = 3;
constexpr int kGreen = 4;
constexpr int kBlue = 5;

TEST_F(AdjustDialog, RedThirtyStoresCyanSeventyAndTheOtherComplements) {
    OpenColourModel();
    Play([](kx::ScriptedUser& me, HWND dialog, kx::CAdjustDlg&) {
        me.MoveSlider(Slider(me, dialog, kRed), 30);
        EXPECT_EQ(me.Read(Number(me, dialog, kRed)).text, u"30") << "the field follows";
        me.Type(Number(me, dialog, kGreen), u"80");
        me.MoveSlider(Slider(me, dialog, kBlue), 0);
        me.Click(me.FindById(dialog, IDOK));
    });
    EXPECT_EQ(Working("iRed"), 30);
    EXPECT_EQ(Working("iCyan"), 70);
    EXPECT_EQ(Working("iGreen"), 80);
    EXPECT_EQ(Working("iMagenta"), 20);
    EXPECT_EQ(Working("iBlue"), 0);
    EXPECT_EQ(Working("iYellow"), 100);
    EXPECT_EQ(Working("iEqualizer"), 0);
}

TEST_F(AdjustDialog, TypingMovesTheSliderAndRewritesAClampedNumber) {
    OpenColourModel();
    const struct {
        const char16_t* typed;
        int slider;
        const char16_t* shown;
    } cases[] = {{u"70", 70, u"70"}, {u"150", 100, u"100"}, {u"-5", 0, u"0"}, {u"x", 0, u"x"}};
    Play([&](kx::ScriptedUser& me, HWND dialog, kx::CAdjustDlg& adjust) {
        for (const auto& c : cases) {
            me.Type(Number(me, dialog, kBrightness), c.typed);
            EXPECT_EQ(adjust.SliderValues()[kBrightness], c.slider) << kx::Utf16ToUtf8(c.typed);
            EXPECT_EQ(me.Read(Number(me, dialog, kBrightness)).text, c.shown)
                << kx::Utf16ToUtf8(c.typed);
        }
        me.Click(me.FindById(dialog, IDCANCEL));
    });
    EXPECT_EQ(Working("iBrightness"), 50) << "Cancel keeps the record";
}

TEST_F(AdjustDialog, TheAutomaticCheckKeepsTheSlidersOutOfTheRecord) {
    OpenColourModel("GraphicsColorAuto=1\n");
    Play([](kx::ScriptedUser& me, HWND dialog, kx::CAdjustDlg&) {
        me.MoveSlider(Slider(me, dialog, kRed), 10);
        me.SetCheck(me.FindById(dialog, kx::kAdjustAutomaticId), true);
        EXPECT_FALSE(me.Read(Slider(me, dialog, kRed)).enabled);
        me.Click(me.FindById(dialog, IDOK));
    });
    EXPECT_EQ(Working("iEqualizer"), 1);
    EXPECT_EQ(Working("iRed"), 50);
    EXPECT_EQ(Working("iCyan"), 50);
    Play([](kx::ScriptedUser& me, HWND dialog, kx::CAdjustDlg&) {
        EXPECT_EQ(me.Read(me.FindById(dialog, kx::kAdjustAutomaticId)).checked, BST_CHECKED);
        me.SetCheck(me.FindById(dialog, kx::kAdjustAutomaticId), false);
        me.MoveSlider(Slider(me, dialog, kRed), 10);
        me.Click(me.FindById(dialog, IDOK));
    });
    EXPECT_EQ(Working("iEqualizer"), 0);
    EXPECT_EQ(Working("iRed"), 10);
    EXPECT_EQ(Working("iCyan"), 90);
}

TEST_F(AdjustDialog, WithoutAutomaticColourTheCheckIsHiddenAndTheEqualizerKept) {
    Set("iEqualizer", 1);
    OpenColourModel("GraphicsColorAuto=0\n");
    Play([](kx::ScriptedUser& me, HWND dialog, kx::CAdjustDlg&) {
        EXPECT_FALSE(me.Read(me.FindById(dialog, kx::kAdjustAutomaticId)).visible);
        me.MoveSlider(Slider(me, dialog, kRed), 20);
        me.Click(me.FindById(dialog, IDOK));
    });
    EXPECT_EQ(Working("iEqualizer"), 1);
    EXPECT_EQ(Working("iRed"), 20);
}

TEST_F(AdjustDialog, ThePictureFollowsTheSlidersBeforeAnythingIsStored) {
    OpenColourModel();
    Play([](kx::ScriptedUser& me, HWND dialog, kx::CAdjustDlg& adjust) {
        kx::CAdjustPreview& picture = adjust.adjustPreview();
        ASSERT_EQ(picture.pictureIndex(), 1);
        EXPECT_EQ(picture.PicturePixel(3, 3), RGB(100, 100, 100));
        me.MoveSlider(Slider(me, dialog, kBrightness), 100);
        EXPECT_EQ(picture.PicturePixel(3, 3), RGB(151, 151, 151));
        me.Type(Number(me, dialog, kBrightness), u"50");
        EXPECT_EQ(picture.PicturePixel(3, 3), RGB(100, 100, 100));
        me.Click(me.FindById(dialog, IDCANCEL));
    });
    EXPECT_EQ(Working("iBrightness"), 50);
}

TEST_F(AdjustDialog, SlidersTheRecordCannotTakeAreDisabledWithTheirTips) {
    OpenColourModel();
    const struct {
        const char* label;
        int tonerSave;
        int grayMode;
        std::array<int, kx::kAdjustSliderCount> tips;
    } cases[] = {
        {"colour, no toner save", 0, 1, {0, 0, 0, 0, 0, 0}},
        {"driver toner save", 2, 1, {kx::kTonerSaveBrightnessTip, 0, 0, 0, 0, 0}},
        {"grayscale",
         0,
         0,
         {0, 0, kx::kColourSlidersTip, kx::kColourSlidersTip, kx::kColourSlidersTip,
          kx::kColourSlidersTip}},
    };
    for (const auto& c : cases) {
        SetWorking("jDrvTonerSave", c.tonerSave);
        SetWorking("iGrayMode", c.grayMode);
        for (int i = 0; i < kx::kAdjustSliderCount; ++i)
            EXPECT_EQ(kx::AdjustSliderTip(page->working(), i), c.tips[static_cast<size_t>(i)])
                << c.label << ", slider " << i;
    }
    EXPECT_EQ(kx::AdjustSliderTip(nullptr, kBrightness), 0);

    SetWorking("jDrvTonerSave", 1);
    SetWorking("iGrayMode", 1);
    Play([](kx::ScriptedUser& me, HWND dialog, kx::CAdjustDlg&) {
        const kx::ControlSnapshot brightness = me.Read(Slider(me, dialog, kBrightness));
        EXPECT_FALSE(brightness.enabled);
        EXPECT_FALSE(me.Read(Number(me, dialog, kBrightness)).enabled);
        EXPECT_TRUE(me.Read(Slider(me, dialog, kRed)).enabled);
        me.Click(me.FindById(dialog, IDCANCEL));
    });
}

} // namespace

namespace {

// The dialogs drawn as a user sees them, the picture before and after a
// slider moved (left in the build folder to look at).
TEST_F(AdjustDialog, TheDialogsRenderWithThePictureMovingWithTheSliders) {
    OpenColourModel("GraphicsColorSettings=1\nGraphicsColorMatching=1\nGraphicsColorAuto=1\n");
    const std::string folder = std::string(KX_BINARY_DIR) + "/pictures/";
    std::filesystem::create_directories(folder);
    Play([&](kx::ScriptedUser& me, HWND dialog, kx::CAdjustDlg&) {
        EXPECT_TRUE(kx::RenderWindowToPng(dialog, folder + "adjust-colour.png"));
        me.MoveSlider(Slider(me, dialog, kBrightness), 90);
        me.Type(Number(me, dialog, kRed), u"100");
        EXPECT_TRUE(kx::RenderWindowToPng(dialog, folder + "adjust-colour-moved.png"));
        me.Click(me.FindById(dialog, IDCANCEL));
    });
    kx::ScriptedUser user;
    user.WhenNextDialogRuns([&](kx::ScriptedUser& me, HWND dialog) {
        me.ChooseByText(me.FindById(dialog, kx::kColourOptionsListId), u"Custom Setting");
        EXPECT_TRUE(kx::RenderWindowToPng(dialog, folder + "color-settings.png"));
        me.Click(me.FindById(dialog, IDCANCEL));
    });
    SendMessageW(Item(kx::kColourSettingsId), BM_CLICK, 0, 0);
}

} // namespace
