// The Graphics pages and every dialog they open, on the files of each sample
// model, drawn to pictures in the build folder (to look at): the pages of
// index 2 and 18, the advanced options, copies, colour settings, adjust
// colour and settings dialogs. Each dialog must open and close again.
#include "pages/adj_set_dlg.h"
#include "pages/adjust_dlg.h"
#include "pages/graphic2_dlg.h"
#include "pages/graphic3_dlg.h"
#include "pages/settings_dlg.h"

#include "platform/automation/scripted_user.h"
#include "platform/window/paint_api.h"
#include "tests/pages/graphic_fixture.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

const std::string kModelFolder =
    std::string(KX_SOURCE_DIR) + "/models/template/drive_c/windows/system32/spool/drivers/x64/3/";

std::string SampleFile(const std::string& name) {
    std::ifstream file(kModelFolder + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

void Close(kx::ScriptedUser& me, HWND dialog) {
    if (const HWND cancel = me.FindById(dialog, IDCANCEL))
        me.Click(cancel);
    else
        me.Press(kx::Key::Escape);
}

class SamplePictures : public kxtest::GraphicPageFixture,
                       public ::testing::WithParamInterface<const char*> {
protected:
    void OpenSample(int pageIndex) {
        const std::string stem = GetParam();
        Set("iGrayMode", 1);
        for (const char* slider : {"iBrightness", "iContrast", "iSaturation", "iRed", "iGreen",
                                   "iBlue", "iCyan", "iMagenta", "iYellow"})
            Set(slider, 50);
        Set("dmCopies", 3);
        for (const char* picture : {"C.Bmp", "G.Bmp"}) {
            if (std::filesystem::exists(kModelFolder + stem + picture))
                prefix.WriteFile(std::string("drive_c/G/GR") + picture, SampleFile(stem + picture));
        }
        kx::TheApp().names.driverBaseName = u"GR";
        const std::string settings = SampleFile(stem + "U.INI");
        const std::string strings = SampleFile(stem + "EN.DAT");
        ASSERT_FALSE(settings.empty()) << stem;
        if (pageIndex == kxtest::kGraphicIndex) {
            OpenFiles(settings, strings);
            return;
        }
        // The page of index 18 is chosen by the model's colour settings.
        const bool reduced = settings.find("GraphicsColorSettings=1") != std::string::npos;
        if (reduced)
            OpenFiles<kx::CGraphic2Dlg>(settings, strings, "CGraphic2Dlg", 3106, pageIndex);
        else
            OpenFiles<kx::CGraphic3Dlg>(settings, strings, "CGraphic3Dlg", 3107, pageIndex);
    }

    std::string Picture(const std::string& name) const {
        const std::string folder = std::string(KX_BINARY_DIR) + "/pictures/";
        std::filesystem::create_directories(folder);
        return folder + GetParam() + "-" + name + ".png";
    }

    /// Clicks a button of the page when it shows one, draws the dialog it
    /// opens and cancels it; false when the page has no such button.
    bool DrawDialogOf(int button, const std::string& name) {
        if (!Visible(button))
            return false;
        kx::ScriptedUser user;
        bool drawn = false;
        user.WhenNextDialogRuns([&](kx::ScriptedUser& me, HWND dialog) {
            drawn = kx::RenderWindowToPng(dialog, Picture(name));
            Close(me, dialog);
        });
        EnableWindow(Item(button), TRUE);
        Click(button);
        EXPECT_TRUE(drawn) << name;
        return true;
    }
};

TEST_P(SamplePictures, TheUsualPageAndItsDialogs) {
    OpenSample(kxtest::kGraphicIndex);
    EXPECT_TRUE(kx::RenderWindowToPng(page->m_hWnd, Picture("page-2")));
    DrawDialogOf(kx::kAdvancedOptionsId, "advanced-options");
    DrawDialogOf(kx::kCopiesButtonId, "copies");
    if (DrawDialogOf(kx::kColourSettingsId, "color-settings")) {
        kx::CAdjustDlg adjust(page->ForDialogs());
        kx::ScriptedUser user;
        user.WhenNextDialogRuns([&](kx::ScriptedUser& me, HWND dialog) {
            EXPECT_TRUE(kx::RenderWindowToPng(dialog, Picture("adjust-color")));
            me.MoveSlider(me.FindById(dialog, kx::kFirstAdjustSliderId), 90);
            me.MoveSlider(me.FindById(dialog, kx::kFirstAdjustSliderId + 3), 100);
            EXPECT_TRUE(kx::RenderWindowToPng(dialog, Picture("adjust-color-moved")));
            Close(me, dialog);
        });
        EXPECT_EQ(adjust.Run(), IDCANCEL);
    }
}

TEST_P(SamplePictures, TheReducedPageAndItsSettings) {
    OpenSample(18);
    EXPECT_TRUE(kx::RenderWindowToPng(page->m_hWnd, Picture("page-18")));
    EXPECT_TRUE(DrawDialogOf(kx::kGraphicSettingsId, "settings"));
    DrawDialogOf(kx::kAdvancedOptionsId, "advanced-options-18");
    DrawDialogOf(kx::kColourSettingsId, "color-settings-18");
    if (Visible(kx::kFirstAdjustSliderId)) {
        kx::ScriptedUser user;
        user.MoveSlider(Item(kx::kFirstAdjustSliderId), 90);
        user.MoveSlider(Item(kx::kFirstAdjustSliderId + 3), 100);
        EXPECT_TRUE(kx::RenderWindowToPng(page->m_hWnd, Picture("page-18-moved")));
    }
}

INSTANTIATE_TEST_SUITE_P(Models, SamplePictures, ::testing::Values("VML42", "VCL65", "VIJ98"));

} // namespace
