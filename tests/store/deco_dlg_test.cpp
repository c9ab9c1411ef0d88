// The Deco page bound in a host window: the frame shown for stored values,
// what leaving the page writes, the note's line break, the note border of
// another program, and the two models on which the stamp cannot be set.
#include "store/deco_dlg.h"

#include "platform/automation/scripted_user.h"
#include "tests/support/page_fixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

constexpr const char16_t* kPrinter = u"Deco Printer";

class DecoPageTest : public kxtest::PageFixture<kx::CDecoDlg> {
protected:
    void SetUp() override {
        StartRecord(kPrinter);
        Set("dmPaperSize", 9);
    }

    void Open(const std::string& profile, const std::u16string& port = u"NUL:",
              DWORD attributes = 0x40) {
        AddPrinter(kPrinter, u"DC", port, attributes);
        UseModel({u"G", u"DC", "[Common]\nGraphicsColorMode=1\n" + profile,
                  "[Common]\n[Deco Dialog]\nCaption=Deco\n"});
        kx::InstallDecoPageControls();
        Bind(std::make_unique<kx::CDecoDlg>(kx::kDecoTemplate, u"Deco", 19), "CDecoDlg",
             kx::kDecoTemplate, 0x2300);
    }
};

TEST_F(DecoPageTest, StoredFramesOutsideTheListShowAndCommitAsTheLast) {
    struct Row {
        int64_t stored;
        std::u16string shown;
        int64_t committed;
    };
    for (const Row& row : {Row{12, u"Wood Style", 9}, Row{-1, u"Wood Style", 9},
                           Row{8, u"Stripe Style", 8}, Row{3, u"Film Style", 3}}) {
        SCOPED_TRACE(row.stored);
        Set("FrameStyle", row.stored);
        Open("");
        EXPECT_EQ(Text(kx::kFrameStyleId), row.shown);
        page->SaveControls();
        EXPECT_EQ(Working("FrameStyle"), row.committed);
        TearDown();
    }
}

TEST_F(DecoPageTest, NoFrameWritesZeroAndLeavesTheTexts) {
    Set("FrameStyle", 2);
    SetText("StrDecoNote", u"Keep\r\nthis");
    SetText("StrDate", u"Today");
    Open("");
    EXPECT_EQ(Text(kx::kDecoNoteId), u"Keep\r\nthis");
    EXPECT_EQ(Text(kx::kDecoDateId), u"Today");
    kx::ScriptedUser user;
    user.ChooseByText(Item(kx::kFrameStyleId), u"(No Frame)");
    EXPECT_FALSE(Enabled(kx::kDecoNoteId));
    EXPECT_EQ(Text(kx::kDecoNoteId), u"");
    page->SaveControls();
    EXPECT_EQ(Working("FrameStyle"), 0);
    EXPECT_EQ(WorkingText("StrDecoNote"), u"Keep\r\nthis");
    EXPECT_EQ(WorkingText("StrDate"), u"Today");
}

TEST_F(DecoPageTest, TypedNoteAndStyleReachTheWorkingCopy) {
    Set("FrameStyle", 1);
    Set("iDecoNoteBorder", -3);
    Open("");
    kx::ScriptedUser user;
    user.Type(Item(kx::kDecoNoteId), u"HelloWorld!");
    EXPECT_EQ(Text(kx::kDecoNoteId), u"HelloWorld\r\n!");
    user.ChooseByText(Item(kx::kDecoStyleId), u"Bold Italic");
    user.ChooseByText(Item(kx::kDecoColourId), u"Blue");
    user.ChooseByText(Item(kx::kDecoShadeId), u"Extra Dark Gray");
    user.Click(Item(kx::kDecoNoteBorderId));
    user.Type(Item(kx::kDecoDateId), u"9 Dec");
    EXPECT_EQ(WorkingText("StrDecoNote"), u"HelloWorld\r\n!");
    EXPECT_EQ(WorkingText("StrDate"), u"9 Dec");
    EXPECT_EQ(Working("lfDecoWeight"), 700);
    EXPECT_EQ(Working("lfDecoItalic"), 1);
    EXPECT_EQ(Working("DecoFontColor"), 0xFF0000);
    EXPECT_EQ(WorkingText("DecoStrFaceName"), u"Arial") << "an empty face shows as Arial";
    EXPECT_EQ(Working("iDecoNoteBorder"), -3) << "another program's value stays";
}

TEST_F(DecoPageTest, AFileOfflinePrinterDisablesTheStampAndNothingIsWritten) {
    Set("FrameStyle", 4);
    SetText("StrDecoNote", u"Note");
    Open("CheckDecoFile=1\n", u"FILE:", 0x40 | 0x400);
    EXPECT_FALSE(page->available());
    for (const int id : {kx::kFrameStyleId, kx::kDecoNoteId, kx::kDecoFaceId, kx::kDecoDateId})
        EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_EQ(Selection(kx::kFrameStyleId), u"");
    const std::vector<BYTE> before(page->working(), page->working() + kx::kDevmodeSize);
    page->SaveControls();
    EXPECT_TRUE(std::equal(before.begin(), before.end(), page->working()));
}

TEST_F(DecoPageTest, AnOfficeViewModelKeepsItsAccountBytes) {
    // The job account's bytes are where the note would go.
    SetText("JobAccountUserID", u"owner");
    SetText("JobAccountPassword", u"secret");
    Set("sPrinterMemory", 128);
    Open("PrinterJobAccounting=1\n");
    EXPECT_EQ(page->block(), kx::StampBlock::OfficeView);
    EXPECT_FALSE(Enabled(kx::kFrameStyleId));
    kx::ScriptedUser user;
    EXPECT_FALSE(user.Type(Item(kx::kDecoNoteId), u"x"));
    page->SaveControls();
    EXPECT_EQ(WorkingText("JobAccountUserID"), u"owner");
    EXPECT_EQ(WorkingText("JobAccountPassword"), u"secret");
    EXPECT_EQ(Working("sPrinterMemory"), 128);
    EXPECT_EQ(Working("FrameStyle"), 0);
}

} // namespace
