// The "Advanced Paper Options" sheet opened from the Paper page as a user
// opens it: the tabs a model gets, Cancel leaving the record as it was to
// the byte, OK handing the edited copy back; and the copies field as a
// user types into it.
#include "tests/pages/paper_fixture.h"

#include "pages/paper_option_page.h"
#include "pages/separator_dlg.h"
#include "platform/automation/scripted_user.h"
#include "platform/base/text.h"
#include "platform/controls/common_controls.h"
#include "platform/window/paint_api.h"

#include <cstdlib>
#include <cstring>

namespace {

using kxtest::PaperForm;

constexpr const char* kAllPaperFeatures = "PaperFirstPage=1\nPaperLastPage=1\n"
                                          "PaperFirstLastType=1\nPaperFrontCover=1,2\n"
                                          "PaperBackCover=1\nPaperCoverSource=1\n"
                                          "PaperCoverType=1\nPaperSeparator=1,2\n";

class AdvancedPaperOptionsTest : public kxtest::PaperPageFixture {
protected:
    /// Opens the sheet; `act` runs inside it and must close it.
    void OpenSheet(const std::function<void(kx::ScriptedUser&, HWND)>& act) {
        bool ran = false;
        user.WhenNextDialogRuns([&](kx::ScriptedUser& me, HWND dialog) {
            ran = true;
            act(me, dialog);
        });
        Click(kx::kAdvancedPaperId);
        EXPECT_TRUE(ran) << "the sheet did not open";
    }
    static int TabCount(kx::ScriptedUser& me, HWND dialog) {
        const HWND tabs = me.FindByClass(dialog, u"SysTabControl32");
        return tabs != nullptr ? static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0)) : 0;
    }
    /// Keeps a picture of the sheet where KX_PAPER_PNG_DIR says (for people
    /// who look at it); does nothing otherwise.
    static void Keep(HWND dialog, const std::string& name) {
        if (const char* folder = std::getenv("KX_PAPER_PNG_DIR"))
            (void)kx::RenderWindowToPng(dialog, std::string(folder) + "/" + name + ".png");
    }

    kx::ScriptedUser user;
};

TEST_F(AdvancedPaperOptionsTest, CancelLeavesTheWorkingRecordAsItWasToTheByte) {
    Open(kAllPaperFeatures);
    std::array<BYTE, kx::kDevmodeSize> before{};
    std::memcpy(before.data(), page->working(), before.size());
    OpenSheet([&](kx::ScriptedUser& me, HWND dialog) {
        EXPECT_EQ(TabCount(me, dialog), 3);
        Keep(dialog, "options-page");
        EXPECT_TRUE(me.ChooseByText(me.FindById(dialog, kx::kFirstSourceListId), u"Tray 1"));
        // A last page on the job's own tray has no type of its own to choose.
        EXPECT_FALSE(::IsWindowEnabled(me.FindById(dialog, kx::kLastTypeListId)));
        EXPECT_TRUE(me.ChooseByText(me.FindById(dialog, kx::kLastSourceListId), u"Manual Feed"));
        EXPECT_TRUE(::IsWindowEnabled(me.FindById(dialog, kx::kLastTypeListId)));
        EXPECT_TRUE(me.ChooseByText(me.FindById(dialog, kx::kLastTypeListId), u"Thick Paper"));
        EXPECT_TRUE(me.ChooseTab(me.FindByClass(dialog, u"SysTabControl32"), 1));
        Keep(dialog, "options-cover");
        EXPECT_TRUE(me.ChooseTab(me.FindByClass(dialog, u"SysTabControl32"), 2));
        Keep(dialog, "options-transparency");
        me.Click(me.FindById(dialog, IDCANCEL));
    });
    EXPECT_EQ(std::memcmp(before.data(), page->working(), before.size()), 0);
}

TEST_F(AdvancedPaperOptionsTest, OkHandsTheEditedCopyBackToThePage) {
    Open(kAllPaperFeatures);
    OpenSheet([&](kx::ScriptedUser& me, HWND dialog) {
        EXPECT_TRUE(me.ChooseByText(me.FindById(dialog, kx::kFirstSourceListId), u"Tray 1"));
        EXPECT_TRUE(me.ChooseByText(me.FindById(dialog, kx::kLastSourceListId), u"Manual Feed"));
        me.Click(me.FindById(dialog, IDOK));
    });
    EXPECT_EQ(Working("wCoverSource"), 1);
    EXPECT_EQ(Working("iDiffPaper"), 1);
    EXPECT_EQ(Working("sLastPaperSource"), 4);
    // A page given a tray of its own took the first type with it.
    EXPECT_EQ(Working("sFirstPaperType"), 1);
    EXPECT_EQ(Working("sLastPaperType"), 1);
}

TEST_F(AdvancedPaperOptionsTest, TabsFollowTheModel) {
    struct Row {
        const char* label;
        const char* profile;
        int tabs;
    };
    const Row rows[] = {
        {"all three", kAllPaperFeatures, 3},
        {"a separator list of exactly 0", "PaperLastPage=1\nPaperSeparator=0\n", 1},
        {"covers alone", "PaperFrontCover=1\nPaperFrontBackCover=2\nPaperBackCover=1\n", 1},
    };
    for (const Row& row : rows) {
        Open(row.profile);
        OpenSheet([&](kx::ScriptedUser& me, HWND dialog) {
            EXPECT_EQ(TabCount(me, dialog), row.tabs) << row.label;
            me.Click(me.FindById(dialog, IDCANCEL));
        });
        TearDown();
    }
}

TEST_F(AdvancedPaperOptionsTest, ThreeCoverKindsShowTheChosenKindsGroupOnly) {
    Open("PaperFrontCover=1,2\nPaperBackCover=1\nPaperFrontBackCover=1\nPaperCoverSize=1\n");
    OpenSheet([&](kx::ScriptedUser& me, HWND dialog) {
        const HWND kind = me.FindById(dialog, kx::kCoverKindListId);
        ASSERT_NE(kind, nullptr);
        const auto option = [&](int group) {
            return me.FindById(dialog, kx::kFirstCoverGroupId + group * kx::kCoverGroupStride +
                                           kx::kCoverOptionList);
        };
        EXPECT_FALSE(IsWindowVisible(option(0)));
        EXPECT_TRUE(me.ChooseByText(kind, u"Back Cover"));
        EXPECT_TRUE(IsWindowVisible(option(1)));
        EXPECT_FALSE(IsWindowVisible(option(0)));
        Keep(dialog, "options-cover-ex");
        me.Click(me.FindById(dialog, IDOK));
    });
    EXPECT_EQ(Working("jBackCoverOpt"), 1) << "a kind chosen shows its first cover";
    EXPECT_EQ(Working("jFrontCoverOpt"), 0);
    EXPECT_EQ(Working("sBackPaperSize"), 1) << "and the first size with it";
}

TEST_F(AdvancedPaperOptionsTest, CopiesTypedAreClampedWhenTheFieldIsLeft) {
    Open("PaperCopiesMaximumNumber=99\n");
    const HWND edit = Item(kx::kCopiesEditId);
    struct Row {
        const char16_t* typed;
        const char16_t* shown;
    };
    const Row rows[] = {{u"0", u"1"}, {u"7", u"7"}, {u"abc", u"7"}, {u"250", u"99"}};
    for (const Row& row : rows) {
        ASSERT_TRUE(user.Type(edit, row.typed));
        SetFocus(Item(kx::kPaperSizeListId));
        EXPECT_EQ(Text(kx::kCopiesEditId), row.shown) << "typed " << kx::Utf16ToUtf8(row.typed);
    }
    EXPECT_EQ(Working("dmCopies"), 99);
}

} // namespace

namespace {

TEST_F(AdvancedPaperOptionsTest, ASeparatorKindOpensTheSeparatorDialogOnTheFirstTwoTrays) {
    Set("iPaperType", 3);
    Set("iOhpSpTray", 7);
    Open("PaperSeparator=1\nPrinterTray34=1\n");
    bool opened = false;
    user.WhenNextDialogRuns([&](kx::ScriptedUser& me, HWND dialog) {
        opened = true;
        const HWND sources = me.FindById(dialog, kx::kSeparatorSourceListId);
        EXPECT_EQ(SendMessageW(sources, CB_GETCOUNT, 0, 0), 2) << "trays 1 and 2 only";
        EXPECT_EQ(SendMessageW(sources, CB_GETCURSEL, 0, 0), 0)
            << "the automatic tray stored shows the first offered";
        Keep(dialog, "separator");
        EXPECT_TRUE(me.ChooseByText(sources, u"Tray 2"));
        EXPECT_TRUE(me.SetCheck(me.FindById(dialog, kx::kLocateOhpId), true));
        me.Click(me.FindById(dialog, IDOK));
    });
    Choose(kx::kSeparatorListId, u"Blank Separator...");
    EXPECT_TRUE(opened);
    EXPECT_EQ(Working("iOhp"), 2);
    EXPECT_EQ(Working("iOhpSpTray"), 2);
    EXPECT_EQ(Working("iLocateOhp"), 1);
}

} // namespace

namespace {

TEST_F(AdvancedPaperOptionsTest, CopiesThatLeaveTheColourCopiesAskOnceAndNoPutsThemBack) {
    Set("iGrayMode", 1);
    Set("sMonoCopies", 1);
    Set("sColorCopies", 0);
    Open("GraphicsCopiesSetting=1\nGraphicsColorMode=1\n");
    const HWND edit = Item(kx::kCopiesEditId);
    user.AnswerNextMessageBox(IDNO);
    ASSERT_TRUE(user.Type(edit, u"3"));
    EXPECT_EQ(Text(kx::kCopiesEditId), u"1") << "No puts the copies back";
    EXPECT_EQ(Working("dmCopies"), 1);
    EXPECT_EQ(Working("sMonoCopies"), 1);

    user.AnswerNextMessageBox(IDYES);
    ASSERT_TRUE(user.Type(edit, u"3"));
    EXPECT_EQ(Working("dmCopies"), 3);
    EXPECT_EQ(Working("sMonoCopies"), 0) << "all copies print in colour";
    EXPECT_EQ(Working("sColorCopies"), 3);
    int boxes = 0;
    for (const kx::UiEvent& event : user.Log())
        boxes += event.kind == kx::UiEventKind::MessageBox ? 1 : 0;
    EXPECT_EQ(boxes, 2) << "one question for each change";
}

} // namespace
