// The Graphics page's advanced options opened from its button: the modal
// "Advanced" dialog for a model with only moved groups, the "Advanced
// Options" sheet with its Kroma CMS and ink tabs, and OK and Cancel. With
// KX_RENDER_DIR set, each dialog's picture is kept there.
#include "pages/advanced_options.h"

#include "pages/adv_ink_dlg.h"
#include "pages/advanced_templates.h"
#include "pages/kroma_cms_dlg.h"
#include "platform/automation/scripted_user.h"
#include "platform/window/paint_api.h"
#include "tests/pages/graphic_fixture.h"

#include <cstdlib>
#include <functional>

namespace {

using kx::ScriptedUser;

class AdvancedOptions : public kxtest::GraphicPageFixture {
protected:
    /// Clicks the page's button and plays `inside` in the dialog or sheet
    /// that opens.
    void OpenAdvanced(const std::string& picture, std::function<void(ScriptedUser&, HWND)> inside) {
        ASSERT_TRUE(Visible(kx::kAdvancedOptionsId));
        opened = false;
        user.WhenNextDialogRuns([&, inside](ScriptedUser& me, HWND dialog) {
            opened = true;
            std::array<WCHAR, 128> caption{};
            GetWindowTextW(dialog, caption.data(), static_cast<int>(caption.size()));
            shownCaption = caption.data();
            inside(me, dialog);
            if (const char* folder = std::getenv("KX_RENDER_DIR"))
                kx::RenderWindowToPng(dialog, std::string(folder) + "/" + picture + ".png");
            me.Click(me.FindById(dialog, closeWith));
        });
        Click(kx::kAdvancedOptionsId);
        EXPECT_TRUE(opened);
    }

    ScriptedUser user;
    bool opened = false;
    int closeWith = IDOK;
    std::u16string shownCaption;
};

// A mono laser whose TrueType options and high coverage are advanced (its
// draft resolution takes the place of toner saving).
constexpr const char* kMonoLaser =
    "Graphics1200Res=1\nGraphics600Res=1\nGraphicsDraftRes=1\nGraphicsDarkness=1\n"
    "GraphicsTrueTypeAdvanced=1\nGraphicsDarkenText=1\nGraphicsTonerMode=1\n"
    "GraphicsDriverTonerSave=1\nGraphicsHighCoverageMode=1\n";

TEST_F(AdvancedOptions, MovedGroupsAloneOpenTheModalDialogAndOkKeepsItsChanges) {
    Open(kMonoLaser);
    EXPECT_FALSE(Visible(kx::kHighCoverageId)) << "no room on the page";
    OpenAdvanced("advanced-dialog", [](ScriptedUser& me, HWND dialog) {
        EXPECT_NE(me.FindById(dialog, kx::kFirstTrueTypeId), nullptr);
        EXPECT_EQ(me.FindById(dialog, kx::kFirstResolutionId), nullptr);
        me.SetCheck(me.FindById(dialog, kx::kHighCoverageId), true);
        me.Click(me.FindById(dialog, kx::kFirstTrueTypeId + 2));
    });
    EXPECT_EQ(shownCaption, u"Advanced");
    EXPECT_EQ(Working("jHighCoverageMode"), 1);
    EXPECT_EQ(Working("iTTMode"), 2);
}

TEST_F(AdvancedOptions, CancelLeavesTheRecordAsItWas) {
    Open(kMonoLaser);
    const std::vector<BYTE> before(page->working(), page->working() + kx::kDevmodeSize);
    closeWith = IDCANCEL;
    OpenAdvanced("advanced-cancel", [](ScriptedUser& me, HWND dialog) {
        me.SetCheck(me.FindById(dialog, kx::kHighCoverageId), true);
    });
    EXPECT_EQ(std::vector<BYTE>(page->working(), page->working() + kx::kDevmodeSize), before)
        << "changes made inside the dialog are undone by its Cancel";
}

TEST_F(AdvancedOptions, KromaTabShowsTheCurrentModesItemsAndWritesBothCodes) {
    Set("iGrayMode", 1);
    Set("jFineEdgeTrapping", 2);
    Open("Graphics600Res=1\nGraphicsColorMode=1\nGraphicsFineEdgeTrapping=0,2,1\n"
         "GraphicsKromaCMS1=1,11,21\nGraphicsKromaCMS2=1,9,22\nGraphicsKromaCMS3=0,12,12\n",
         "[Kroma CMS Dialog]\nGraphicsKromaCMS1=Pure Black\n");
    OpenAdvanced("kroma-sheet", [](ScriptedUser& me, HWND options) {
        const HWND tabs = me.FindByClass(options, u"SysTabControl32");
        ASSERT_NE(tabs, nullptr);
        EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 2) << "Advanced and Kroma CMS";
        ASSERT_TRUE(me.ChooseTab(tabs, 1));
        const HWND first = me.FindById(options, kx::kFirstKromaCheckId);
        const HWND second = me.FindById(options, kx::kFirstKromaCheckId + 1);
        EXPECT_NE(me.FindByText(options, u"Pure Black"), nullptr);
        EXPECT_TRUE(IsWindowEnabled(first));
        EXPECT_FALSE(IsWindowEnabled(second)) << "code 9 names no bits";
        EXPECT_FALSE(IsWindowVisible(me.FindById(options, kx::kFirstKromaCheckId + 2)))
            << "a list whose first number is 0 offers nothing";
        const auto list = me.Read(me.FindById(options, kx::kFineEdgeListId));
        const std::vector<std::u16string> names = {u"Printer Setting", u"Maximum", u"Normal"};
        EXPECT_EQ(list.items, names) << "in the model's order";
        EXPECT_EQ(list.selection, 1);
        me.SetCheck(first, true);
    });
    EXPECT_EQ(shownCaption, u"Advanced Options");
    EXPECT_EQ(Working("KromaCMS[0]"), 0x4000) << "code 11: word 0, bits 14 and 15";
    EXPECT_EQ(Working("KromaCMS[1]"), 0x4000) << "code 21: the grayscale item too";
}

TEST_F(AdvancedOptions, InkTabStoresOneForAHiddenSliderAndPutsBackTheModelsDefaults) {
    Set("jOverSpray", 3);
    Set("jDryTime", 3);
    Set("jInkVol", 3);
    Open("Graphics600Res=1\nGraphicsDryTime=1\nGraphicsInkVolume=1\n"
         "[DEFAULTDEVMODE]\nDryTime=4\nInkLevel=9\n");
    kx::TheApp().settingsFile.SetFile(u"C:\\G\\GRU.INI", kx::ClearReadOnly::No);
    OpenAdvanced("ink-sheet", [](ScriptedUser& me, HWND options) {
        const HWND tabs = me.FindByClass(options, u"SysTabControl32");
        ASSERT_NE(tabs, nullptr);
        ASSERT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 2) << "Advanced and ink options";
        ASSERT_TRUE(me.ChooseTab(tabs, 1));
        EXPECT_FALSE(IsWindowVisible(me.FindById(options, kx::kOverSprayId)));
        EXPECT_TRUE(IsWindowVisible(me.FindById(options, kx::kDryTimeId)));
        me.Click(me.FindById(options, kx::kInkDefaultsId));
    });
    EXPECT_EQ(Working("jOverSpray"), kx::kInkHiddenValue);
    EXPECT_EQ(Working("jDryTime"), 4);
    EXPECT_EQ(Working("jInkVol"), kx::kInkSliderMax) << "a default above the range is clamped";
}

} // namespace
