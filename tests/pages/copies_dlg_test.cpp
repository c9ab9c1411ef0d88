// The Graphics page's "Copies" dialog: the grayscale copies typed, the
// colour copies the rest, a count above the job's copies clamped, Cancel
// keeping the record.
#include "pages/copies_dlg.h"

#include "platform/automation/scripted_user.h"
#include "platform/base/text.h"
#include "tests/pages/graphic_fixture.h"

namespace {

class CopiesDialog : public kxtest::GraphicPageFixture {
protected:
    void Play(const std::u16string& typed, int closeWith) {
        kx::ScriptedUser user;
        bool opened = false;
        user.WhenNextDialogRuns([&](kx::ScriptedUser& me, HWND dialog) {
            opened = true;
            EXPECT_EQ(me.Read(me.FindById(dialog, kx::kCopiesValueId)).text, u"3");
            me.Type(me.FindById(dialog, kx::kMonoCopiesEditId), typed);
            me.Click(me.FindById(dialog, closeWith));
        });
        Click(kx::kCopiesButtonId);
        EXPECT_TRUE(opened);
    }
};

TEST_F(CopiesDialog, SplitsTheJobsCopiesIntoGrayscaleAndColour) {
    Set("dmCopies", 3);
    Set("iGrayMode", 1); // the split needs colour
    Open("Graphics600Res=1\nGraphicsColorMode=1\nGraphicsCopiesSetting=1\n");
    ASSERT_TRUE(Visible(kx::kCopiesButtonId));
    ASSERT_TRUE(Enabled(kx::kCopiesButtonId));
    const struct {
        const char16_t* typed;
        int mono;
        int colour;
    } cases[] = {{u"1", 1, 2}, {u"0", 0, 3}, {u"3", 3, 0}, {u"7", 3, 0}, {u"1", 1, 2}};
    for (const auto& c : cases) {
        Play(c.typed, IDOK);
        EXPECT_EQ(Working("sMonoCopies"), c.mono) << kx::Utf16ToUtf8(c.typed);
        EXPECT_EQ(Working("sColorCopies"), c.colour) << kx::Utf16ToUtf8(c.typed);
    }
    Play(u"2", IDCANCEL);
    EXPECT_EQ(Working("sMonoCopies"), 1) << "Cancel keeps what was stored";
    EXPECT_EQ(Working("sColorCopies"), 2);
}

TEST_F(CopiesDialog, NegativeCopiesInTheRecordGiveNoGrayscaleCopies) {
    Set("dmCopies", -4);
    Set("sMonoCopies", 9);
    Open("Graphics600Res=1\nGraphicsColorMode=1\nGraphicsCopiesSetting=1\n");
    kx::CCopiesDlg dialog(page->ForDialogs());
    EXPECT_EQ(dialog.Copies(), 0);
}

} // namespace
