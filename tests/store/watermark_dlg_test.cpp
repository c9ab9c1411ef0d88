// The watermark editor as a modal dialog driven by the scripted user: the
// built-in import, the merge of the job's watermark, what OK writes into
// the job and the store, the list's limits, the number fields and a
// printer that cannot take watermarks.
#include "store/watermark_dlg.h"

#include "platform/automation/scripted_user.h"
#include "platform/spooler/printer_store.h"
#include "platform/window/paint_api.h"
#include "store/stored_item_kinds.h"
#include "tests/framework/page_fixture.h"
#include "tests/store/store_fixture.h"

#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

using kx::CWaterMark;
using kx::ScriptedUser;
using kx::Utf16ToUtf8;
using kx::WatermarkValues;
using Strings = std::vector<std::string>;

constexpr const char* kBuiltIns = "[MAINMENU]\nItemNum=3\n"
                                  "[WMTEXT1]\nText=CONFIDENTIAL\nFaceName=Arial\nAngle=45\n"
                                  "Size=72\nColor=0xC0C0C0\nWeight=700\n"
                                  "[WMTEXT2]\nText=DRAFT\nFaceName=Arial\nSize=0x60\n"
                                  "[WMTEXT3]\nText=SAMPLE COPY\nFaceName=Arial\nAngle=-45\n"
                                  "Size=060\nItalic=1\nFirstPage=1\n";

WatermarkValues Values(std::u16string text, uint32_t colour = 0x808080) {
    WatermarkValues v;
    v.text = std::move(text);
    v.face = u"Arial";
    v.size = 48;
    v.angle = 30;
    v.weight = 400;
    v.colour = colour;
    return v;
}

class WatermarkDlgTest : public kxtest::PageFixture {
protected:
    void SetUp() override { Model(true, ""); }
    void Model(bool colour, const std::string& strings, const std::string& settings = "") {
        WriteModel(std::string("[Watermark Dialog]\nCaption=Watermark\n") + strings,
                   std::string("[Common]\nGraphicsColorMode=") + (colour ? "1" : "0") + "\n" +
                       settings);
        m_savedName = kx::TheApp().names.driverBaseName;
        kx::TheApp().names.driverBaseName = u"KXTEST";
        kx::InstallStoredItemKinds();
        working = host;
    }
    void TearDown() override {
        kx::SetCustomDataFactory(nullptr);
        kx::TheApp().names.driverBaseName = m_savedName;
        PageFixture::TearDown();
    }

    static void Store(const std::vector<WatermarkValues>& items) {
        for (size_t i = 0; i < items.size(); ++i)
            EXPECT_EQ(CWaterMark(items[i]).Save(static_cast<int>(i)), kxtest::kStored);
        EXPECT_EQ(CWaterMark().SaveCount(static_cast<int>(items.size()), nullptr), kxtest::kStored);
    }
    static Strings StoredNames() {
        Strings names;
        const int count = CWaterMark().LoadCount(nullptr);
        for (int i = 0; i < count; ++i)
            names.push_back(Utf16ToUtf8(CWaterMark::Load(i).GetName()));
        return names;
    }

    INT_PTR Run(const std::function<void(ScriptedUser&, HWND)>& act, int button = IDOK,
                const char* png = nullptr) {
        ScriptedUser user;
        user.WhenNextDialogRuns([&](ScriptedUser& me, HWND dialog) {
            m_dialog = dialog;
            act(me, dialog);
            if (png != nullptr) {
                const std::string dir = std::string(KX_BINARY_DIR) + "/pictures";
                std::filesystem::create_directories(dir);
                EXPECT_TRUE(kx::RenderWindowToPng(dialog, dir + "/" + png));
            }
            me.Click(me.FindById(dialog, button));
        });
        kx::OpenerCopies opener;
        opener.working = working.data();
        opener.defaults = working.data();
        opener.printerName = u"Test Printer";
        kx::CWatermarkDlg editor(opener);
        const INT_PTR result = editor.DoModal();
        return result;
    }

    HWND Item(int id) const { return GetDlgItem(m_dialog, id); }
    std::string Text(int id) const { return Utf16ToUtf8(TextOf(Item(id))); }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    bool Visible(int id) const { return IsWindowVisible(Item(id)) != FALSE; }
    Strings ListNames() const {
        Strings names;
        const HWND list = Item(kx::kWatermarkListId);
        const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            std::u16string text(static_cast<size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1,
                                u'\0');
            SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
            text.pop_back();
            names.push_back(Utf16ToUtf8(text));
        }
        return names;
    }
    int Selection() const {
        return static_cast<int>(SendMessageW(Item(kx::kWatermarkListId), LB_GETCURSEL, 0, 0));
    }
    int64_t Field(std::string_view name) const {
        return kx::ReadNumber(working.data(), *kx::FindDevmodeField(name));
    }
    std::u16string FieldText(std::string_view name) const {
        return kx::ReadText(working.data(), *kx::FindDevmodeField(name));
    }
    void UseWatermark(const WatermarkValues& values) { CWaterMark(values).ApplyTo(working.data()); }

    std::array<BYTE, kx::kDevmodeSize> working{};

private:
    HWND m_dialog = nullptr;
    std::u16string m_savedName;
};

TEST_F(WatermarkDlgTest, ImportsTheBuiltInWatermarksOnceWithTheirNumbers) {
    Model(true, kBuiltIns);
    Run(
        [&](ScriptedUser&, HWND) {
            EXPECT_EQ(ListNames(),
                      (Strings{"(No Watermark)", "CONFIDENTIAL", "DRAFT", "SAMPLE COPY"}));
            EXPECT_EQ(Selection(), 0);
        },
        IDCANCEL);
    ASSERT_EQ(StoredNames(), (Strings{"CONFIDENTIAL", "DRAFT", "SAMPLE COPY"}));
    const WatermarkValues draft = CWaterMark::Load(1).values();
    EXPECT_EQ(draft.size, 0x60) << "hexadecimal";
    const WatermarkValues sample = CWaterMark::Load(2).values();
    EXPECT_EQ(sample.size, 060) << "octal";
    EXPECT_EQ(sample.angle, -45) << "whole degrees in the model file";
    EXPECT_EQ(sample.italic, 1);
    // Deleting every one of them leaves an empty list that is not filled again.
    Run([&](ScriptedUser& user, HWND) {
        for (int i = 0; i < 3 && ListNames().size() > 1; ++i) {
            user.ChooseByText(Item(kx::kWatermarkListId), kx::Utf8ToUtf16(ListNames()[1]));
            user.Click(Item(kx::kDeleteWatermarkId));
        }
        EXPECT_EQ(ListNames(), (Strings{"(No Watermark)"}));
    });
    EXPECT_EQ(CWaterMark().LoadCount(nullptr), 0);
    ASSERT_TRUE(kxtest::StoredValue(u"Watermark Data", u"WMNum"));
    Run([&](ScriptedUser&, HWND) { EXPECT_EQ(ListNames(), (Strings{"(No Watermark)"})); },
        IDCANCEL);
}

TEST_F(WatermarkDlgTest, TheJobsTextSelectsTheFirstEntryItBegins) {
    Store({Values(u"SAMPLE COPY")});
    UseWatermark(Values(u"SAMPLE"));
    Run(
        [&](ScriptedUser&, HWND) {
            EXPECT_EQ(ListNames(), (Strings{"(No Watermark)", "SAMPLE COPY", "SAMPLE"}));
            EXPECT_EQ(Selection(), 1) << "SAMPLE COPY begins with SAMPLE and comes first";
            EXPECT_EQ(Text(kx::kWatermarkTextId), "SAMPLE COPY");
        },
        IDCANCEL);
    EXPECT_EQ(StoredNames(), (Strings{"SAMPLE COPY", "SAMPLE"})) << "merged on opening";
}

TEST_F(WatermarkDlgTest, ANegativeCustomAngleIsStoredInTenths) {
    Store({});
    Run([&](ScriptedUser& user, HWND) {
        EXPECT_TRUE(Enabled(kx::kCustomAngleId)) << "the placeholder shows the custom angle";
        EXPECT_EQ(Text(kx::kCustomAngleId), "45");
        EXPECT_EQ(Text(kx::kWatermarkSizeId), "120");
        user.Type(Item(kx::kWatermarkTextId), u"TILTED");
        user.Type(Item(kx::kCustomAngleId), u"-45");
        user.Click(Item(kx::kAddWatermarkId));
        EXPECT_EQ(ListNames(), (Strings{"(No Watermark)", "TILTED"}));
        EXPECT_EQ(Selection(), 1);
    });
    const auto angle = kxtest::StoredValue(u"Watermark Data", u"Ang0");
    ASSERT_TRUE(angle);
    // Numbers are kept as text.
    std::u16string stored(angle->bytes.size() / 2, u'\0');
    std::memcpy(stored.data(), angle->bytes.data(), stored.size() * 2);
    EXPECT_EQ(Utf16ToUtf8(stored.c_str()), "-450");
    EXPECT_EQ(CWaterMark::Load(0).values().angle, -45);
    EXPECT_EQ(Field("iWaterAngle"), -45);
    EXPECT_EQ(Field("iWaterCombo"), 1);
    EXPECT_EQ(FieldText("cWaterText"), u"TILTED");
}

TEST_F(WatermarkDlgTest, AModelWithoutColourHidesTheColourAndMakesMediumGray) {
    Model(false, "");
    Store({});
    Run(
        [&](ScriptedUser& user, HWND) {
            EXPECT_FALSE(Visible(kx::kWatermarkColourId));
            EXPECT_FALSE(Visible(kx::kWatermarkColourLabelId));
            EXPECT_TRUE(Visible(kx::kWatermarkShadeId));
            RECT shade{};
            RECT colour{};
            GetWindowRect(Item(kx::kWatermarkShadeId), &shade);
            GetWindowRect(Item(kx::kWatermarkColourId), &colour);
            EXPECT_EQ(shade.left, colour.left) << "the shade takes the colour's place";
            user.Type(Item(kx::kWatermarkTextId), u"GREY");
        },
        IDOK, "watermark-dialog-mono.png");
    EXPECT_EQ(Field("WaterColor"), 0x808080);
    EXPECT_EQ(StoredNames(), (Strings{"GREY"})) << "OK adds what Add would";
}

TEST_F(WatermarkDlgTest, AColourTheTableLacksCommitsAsATableColour) {
    Store({Values(u"ODD", 0x123456)});
    UseWatermark(Values(u"ODD", 0x123456));
    Run(
        [&](ScriptedUser&, HWND) {
            EXPECT_EQ(Text(kx::kWatermarkShadeId), "Medium Gray");
            EXPECT_EQ(Text(kx::kWatermarkColourId), "Gray");
            EXPECT_TRUE(Enabled(kx::kUpdateWatermarkId)) << "the shown colour differs";
        },
        IDOK, "watermark-dialog-colour.png");
    EXPECT_EQ(CWaterMark::Load(0).values().colour, 0x808080u);
    EXPECT_EQ(Field("WaterColor"), 0x808080);
}

TEST_F(WatermarkDlgTest, ALongStoredTextIsCutToBothDeviceModeFields) {
    const std::u16string text(300, u'W');
    Store({Values(text)});
    Run([&](ScriptedUser& user, HWND) {
        user.ChooseByText(Item(kx::kWatermarkListId), text);
        const auto length = SendMessageW(Item(kx::kWatermarkTextId), WM_GETTEXTLENGTH, 0, 0);
        EXPECT_EQ(length, 256) << "the edit holds 256 characters";
    });
    EXPECT_EQ(FieldText("cWaterText"), std::u16string(79, u'W'));
    EXPECT_EQ(FieldText("cWaterTextEx"), std::u16string(256, u'W'));
}

TEST_F(WatermarkDlgTest, ThePlaceholderClearsTheJobsWatermark) {
    Store({Values(u"KEEP")});
    UseWatermark(Values(u"KEEP"));
    Run([&](ScriptedUser& user, HWND) {
        EXPECT_EQ(Selection(), 1);
        user.ChooseByText(Item(kx::kWatermarkListId), u"(No Watermark)");
        EXPECT_EQ(Text(kx::kWatermarkTextId), "");
    });
    EXPECT_EQ(Field("iWaterCombo"), 0);
    EXPECT_EQ(FieldText("cWaterText"), u"");
    EXPECT_EQ(FieldText("cWaterTextEx"), u"");
    EXPECT_EQ(StoredNames(), (Strings{"KEEP"}));
}

TEST_F(WatermarkDlgTest, AddStopsWhenTheListHoldsMoreThanThirtyTwoEntries) {
    struct Row {
        const char* label;
        int stored; // plus the placeholder
        bool addAllowed;
    };
    for (const Row& row :
         {Row{"31 and the placeholder", 31, true}, Row{"32 and the placeholder", 32, false}}) {
        SCOPED_TRACE(row.label);
        std::vector<WatermarkValues> items;
        for (int i = 0; i < row.stored; ++i)
            items.push_back(Values(kx::Utf8ToUtf16("W" + std::to_string(i))));
        Store(items);
        Run(
            [&](ScriptedUser& user, HWND) {
                user.Type(Item(kx::kWatermarkTextId), u"ONE MORE");
                EXPECT_EQ(Enabled(kx::kAddWatermarkId), row.addAllowed);
                user.Type(Item(kx::kWatermarkTextId), u"W3");
                EXPECT_FALSE(Enabled(kx::kAddWatermarkId)) << "the text is taken";
            },
            IDCANCEL);
    }
}

TEST_F(WatermarkDlgTest, NumberFieldsClampAndFilterAsTyped) {
    Store({});
    Run(
        [&](ScriptedUser& user, HWND) {
            user.Type(Item(kx::kWatermarkTextId), u"N");
            struct Row {
                int id;
                std::u16string typed;
                std::string shownAfterLeaving;
            };
            for (const Row& row :
                 {Row{kx::kWatermarkSizeId, u"5000", "500"}, Row{kx::kWatermarkSizeId, u"0", "1"},
                  Row{kx::kWatermarkSizeId, u"-7", "1"}, Row{kx::kWatermarkSizeId, u"x", "1"},
                  Row{kx::kCustomAngleId, u"-95", "-90"}, Row{kx::kCustomAngleId, u"4x", "4"},
                  Row{kx::kCustomAngleId, u"1-", "1"}}) {
                user.Type(Item(row.id), row.typed);
                user.Click(Item(kx::kFirstPageOnlyId)); // leaves the field
                EXPECT_EQ(Text(row.id), row.shownAfterLeaving) << Utf16ToUtf8(row.typed);
            }
            user.Spin(Item(kx::kCustomAngleSpinId), 1);
            EXPECT_EQ(Text(kx::kCustomAngleId), "2");
        },
        IDCANCEL);
}

TEST_F(WatermarkDlgTest, APrinterThatCannotTakeTheFileDisablesTheEditor) {
    Model(true, "", "CheckWaterMarkFile=1\n");
    kx::PrinterRecord printer;
    printer.name = u"Test Printer";
    printer.driver = u"Test Driver";
    printer.port = u"FILE:";
    printer.attributes = 0x400; // works offline
    ASSERT_EQ(kx::PrinterStore::SaveDriver({u"Test Driver", 3, u"T.DLL", u"T.CAP", u"T.DLL", u""}),
              ERROR_SUCCESS);
    ASSERT_EQ(kx::PrinterStore::SavePrinter(printer), ERROR_SUCCESS);
    Store({Values(u"KEEP")});
    UseWatermark(Values(u"KEEP"));
    const auto before = working;
    Run(
        [&](ScriptedUser& user, HWND) {
            EXPECT_FALSE(Enabled(kx::kWatermarkListId));
            EXPECT_FALSE(Enabled(kx::kWatermarkTextId));
            EXPECT_FALSE(Enabled(kx::kAddWatermarkId));
            EXPECT_EQ(Selection(), -1);
            const auto tip = user.Hover(Item(kx::kWatermarkTextLabelId));
            ASSERT_TRUE(tip);
            EXPECT_NE(Utf16ToUtf8(*tip).find("To enable Watermark"), std::string::npos)
                << Utf16ToUtf8(*tip);
        },
        IDOK, "watermark-dialog-unavailable.png");
    EXPECT_EQ(working, before) << "an unavailable watermark commits nothing";
}

} // namespace
