// The "Settings" dialog of the reduced Graphics pages: the rows of its
// scope, the draft rule and the grayscale-only rows inside it, OK keeping
// and Cancel taking back what its clicks stored.
#include "pages/adj_set_dlg.h"

#include "platform/automation/scripted_user.h"
#include "platform/window/paint_api.h"
#include "tests/pages/graphic_fixture.h"

#include <filesystem>
#include <functional>

namespace {

class AdjSetDialog : public kxtest::GraphicPageFixture {
protected:
    INT_PTR Play(kx::SettingsScope scope, const std::function<void(kx::ScriptedUser&, HWND)>& act) {
        kx::CAdjSetDlg dialog(page->ForDialogs(), scope);
        kx::ScriptedUser user;
        bool opened = false;
        user.WhenNextDialogRuns([&](kx::ScriptedUser& me, HWND window) {
            opened = true;
            act(me, window);
        });
        const INT_PTR result = dialog.Run();
        EXPECT_TRUE(opened);
        return result;
    }
    static bool Shows(kx::ScriptedUser& me, HWND dialog, int id) {
        const HWND control = me.FindById(dialog, id);
        return control != nullptr && me.Read(control).visible;
    }
};

// A draft resolution takes the place of the toner-save radios.
constexpr const char* kMonoModel = "Graphics600Res=1\nGraphicsDraftRes=1\nGraphicsTonerMode=1\n"
                                   "GraphicsDarkness=1\nGraphicsTrueType=1\nGraphicsRaster=0\n"
                                   "GraphicsImageModePrinter=0\nGraphicsImageModeImage=0\n";

TEST_F(AdjSetDialog, EachScopeCarriesTheRowsItsPageLeavesOut) {
    Open(std::string(kMonoModel) + "GraphicsColorMode=1\nGraphicsBlackOnly=1\n");
    const struct {
        kx::SettingsScope scope;
        bool resolutions;
        bool colourRows;
    } cases[] = {{kx::SettingsScope::BesideColourRows, false, false},
                 {kx::SettingsScope::WholePage, true, true}};
    for (const auto& c : cases) {
        Play(c.scope, [&](kx::ScriptedUser& me, HWND dialog) {
            EXPECT_EQ(Shows(me, dialog, kx::kFirstResolutionId), c.resolutions);
            EXPECT_EQ(Shows(me, dialog, kx::kColourRadioId), c.colourRows);
            EXPECT_EQ(Shows(me, dialog, kx::kBlackInkOnlyId), c.colourRows);
            EXPECT_FALSE(Shows(me, dialog, kx::kColourSettingsId)) << "never in the dialog";
            EXPECT_FALSE(Shows(me, dialog, kx::kAdvancedOptionsId));
            const int rows[] = {kx::kFirstImageModeId + 1, kx::kDarknessPictureId,
                                kx::kFirstDarknessId, kx::kFirstTrueTypeId, kx::kAllTextBlackId};
            for (const int id : rows)
                EXPECT_TRUE(Shows(me, dialog, id)) << id;
            EXPECT_FALSE(Shows(me, dialog, kx::kFirstImageModeId)) << "a mode without its key";
            EXPECT_FALSE(Shows(me, dialog, kx::kRasterListId)) << "a group without its key";
            EXPECT_FALSE(Shows(me, dialog, kx::kFirstTonerId)) << "the draft entry saves toner";
            me.Click(me.FindById(dialog, IDCANCEL));
        });
    }
}

TEST_F(AdjSetDialog, OkKeepsTheDraftRuleAndCancelTakesEverythingBack) {
    Set("iTonerSave", 0);
    Set("iSrt", 1);
    Open(kMonoModel);
    const INT_PTR cancelled = Play(kx::SettingsScope::WholePage, [](kx::ScriptedUser& me, HWND d) {
        me.Click(me.FindById(d, kx::kFirstResolutionId + 1));
        me.Click(me.FindById(d, kx::kFirstImageModeId + 2));
        me.Click(me.FindById(d, IDCANCEL));
    });
    EXPECT_EQ(cancelled, IDCANCEL);
    EXPECT_EQ(Working("iTonerSave"), 0);
    EXPECT_EQ(Working("iSrt"), 1);

    const INT_PTR kept = Play(kx::SettingsScope::WholePage, [](kx::ScriptedUser& me, HWND d) {
        EXPECT_EQ(me.Read(me.FindById(d, kx::kFirstResolutionId + 1)).text, u"Draft");
        me.Click(me.FindById(d, kx::kFirstResolutionId + 1));
        me.Click(me.FindById(d, kx::kFirstImageModeId + 2));
        me.Click(me.FindById(d, kx::kFirstDarknessId + 2));
        me.Click(me.FindById(d, IDOK));
    });
    EXPECT_EQ(kept, IDOK);
    EXPECT_EQ(Working("iTonerSave"), 2) << "the draft entry saves toner";
    EXPECT_EQ(Working("iSrt"), 2);
    EXPECT_EQ(Working("iPrintDensity"), 2);
}

TEST_F(AdjSetDialog, GrayscaleOnlyRowsFollowTheColourRadiosInside) {
    Set("iGrayMode", 1);
    Open(std::string(kMonoModel) + "GraphicsColorMode=1\nGraphicsGrayscaleEnh=1\n");
    const std::string folder = std::string(KX_BINARY_DIR) + "/pictures/";
    std::filesystem::create_directories(folder);
    Play(kx::SettingsScope::WholePage, [&](kx::ScriptedUser& me, HWND d) {
        EXPECT_FALSE(me.Read(me.FindById(d, kx::kGrayscaleEnhId)).enabled);
        me.Click(me.FindById(d, kx::kGrayscaleRadioId));
        EXPECT_TRUE(me.Read(me.FindById(d, kx::kGrayscaleEnhId)).enabled);
        me.Click(me.FindById(d, kx::kGrayscaleEnhId));
        EXPECT_TRUE(kx::RenderWindowToPng(d, folder + "graphics-settings.png"));
        me.Click(me.FindById(d, IDOK));
    });
    EXPECT_EQ(Working("iGrayMode"), 0);
    EXPECT_EQ(Working("iHalftorning"), 4);
}

} // namespace
