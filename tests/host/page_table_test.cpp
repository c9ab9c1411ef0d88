// The page table's class choices and the page captions and sizes.
#include "framework/page_templates.h"
#include "host/host_records.h"
#include "host/page_info.h"
#include "host/page_table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>

namespace {

using kx::ModelProfile;

TEST(CreatePage, ChoosesEveryClassByProfileKeys) {
    struct Case {
        int index;
        void (*tweak)(ModelProfile&);
        const char16_t* pageName;
        const char* className;
        int dialogTemplate;
    };
    const auto plain = [](ModelProfile&) {};
    const auto layoutMore = [](ModelProfile& p) { p.LayoutMore = 1; };
    const auto scale110 = [](ModelProfile& p) { p.CPSUI_Scale_Y = 110; };
    const auto scale109 = [](ModelProfile& p) { p.CPSUI_Scale_Y = 109; };
    const auto preview = [](ModelProfile& p) { p.AdditionalPrinterPreview = 1; };
    const Case cases[] = {
        {0, plain, u"Layout", "CLayoutDlg", 0},
        {0, layoutMore, u"Layout", "CLayout2Dlg", 0},
        {1, plain, u"Paper", "CPaperDlg", 0},
        {1, layoutMore, u"Paper", "CPaper2Dlg", 0},
        {2, plain, u"Graphics", "CGraphicDlg", 0},
        {3, plain, u"Extras", "CExtrasDlg", 0},
        {3, [](ModelProfile& p) { p.ExtrasSimple = 1; }, u"Extras", "CExtras2Dlg", 0},
        {4, plain, u"Printer", "CPrinterDlg", 0},
        {5, scale109, u"About", "CTovarisDlg", 3014},
        {5, preview, u"About", "CTovarisDlg", 3059},
        {5, scale110, u"About", "CTovaris2Dlg", 0},
        {6, plain, u"Watermark", "CWatermarkDlg", 0},
        {7, plain, u"Overlay", "COverlayDlg", 0},
        {8, plain, u"About", "CHarvoDlg", 3069},
        {8, preview, u"About", "CHarvoDlg", 3070},
        {10, plain, u"About", "CMerrowDlg", 0},
        {11, plain, u"About", "CTessanDlg", 0},
        {12, plain, u"Troubleshooting", "CTroubleDlg", 0},
        {13, plain, u"About", "COemDlg", 0},
        {14, plain, u"About", "CMerrow2Dlg", 0},
        {15, plain, u"About", "CPellanDlg", 0},
        {16, plain, u"Basics", "CBasicsDlg", 0},
        {17, plain, u"Output", "COutput2Dlg", 0},
        {18, plain, u"Graphics", "CGraphic3Dlg", 0},
        {18, [](ModelProfile& p) { p.GraphicsColorSettings = 1; }, u"Graphics", "CGraphic2Dlg", 0},
        {19, scale109, u"Deco", "CDecoDlg", 3030},
        {19, scale110, u"Deco", "CDeco2Dlg", 0},
        {20, scale109, u"Printer", "CPrinter2Dlg", 3036},
        {20, scale110, u"Printer", "CPrinter3Dlg", 0},
        {21, plain, u"Main", "CMainDlg", 0},
    };
    for (const Case& c : cases) {
        ModelProfile profile;
        c.tweak(profile);
        const auto page = kx::ChoosePage(c.index, profile);
        ASSERT_TRUE(page.has_value()) << "index " << c.index;
        EXPECT_EQ(page->pageName, c.pageName) << "index " << c.index;
        EXPECT_EQ(page->className, c.className) << "index " << c.index;
        const kx::PageTemplateRow* own = kx::PageTemplateOf(c.className);
        ASSERT_NE(own, nullptr) << c.className << " has a template of its own";
        const UINT expected =
            c.dialogTemplate != 0 ? static_cast<UINT>(c.dialogTemplate) : own->templateId;
        EXPECT_EQ(page->templateId, expected) << "index " << c.index;
        EXPECT_NE(kx::PageTemplateWithId(page->templateId), nullptr) << "index " << c.index;
    }
    for (const int index : {-1, 9, 22, 1000}) {
        EXPECT_FALSE(kx::ChoosePage(index, ModelProfile{}).has_value()) << "index " << index;
        EXPECT_EQ(kx::CreatePage(index, ModelProfile{}), nullptr) << "index " << index;
    }
}

class FakeTexts : public kx::ModuleTexts {
public:
    std::optional<std::u16string> Read(kx::TextFile file, std::u16string_view section,
                                       std::u16string_view key, size_t,
                                       std::optional<std::u16string_view>) override {
        const auto found = texts.find({file, std::u16string(section), std::u16string(key)});
        if (found == texts.end())
            return std::nullopt;
        return found->second;
    }
    std::map<std::tuple<kx::TextFile, std::u16string, std::u16string>, std::u16string> texts;
};

struct PageInfo {
    BYTE bytes[268];
    PageInfo() { std::memset(bytes, 0xAB, sizeof bytes); }
    kx::PageInfoRecordView view() { return kx::PageInfoRecordView(bytes); }
};

TEST(FillPageInfo, CaptionFromStringFileElsePageName) {
    FakeTexts texts;
    texts.texts[{kx::TextFile::Strings, u"Paper Dialog", u"Caption"}] = u"Paper & Quality";
    texts.texts[{kx::TextFile::Settings, u"Common", u"Caption"}] = u"Printing Preferences";
    struct Case {
        int index;
        const char16_t* caption;
    };
    const Case cases[] = {
        {1, u"Paper & Quality"},
        {0, u"Layout"},
        {12, u"Troubleshooting"},
        {-1, u"Printing Preferences"},
    };
    for (const Case& c : cases) {
        PageInfo info;
        kx::FillPageInfo(info.bytes, c.index, ModelProfile{}, texts);
        EXPECT_EQ(info.view().Caption(), c.caption) << "index " << c.index;
    }
    texts.texts[{kx::TextFile::Strings, u"Main Dialog", u"Caption"}] = std::u16string(200, u'x');
    PageInfo info;
    kx::FillPageInfo(info.bytes, 21, ModelProfile{}, texts);
    EXPECT_EQ(info.view().Caption(), std::u16string(127, u'x')) << "cut to the caption field";
}

TEST(FillPageInfo, SheetCaptionLeavesTheSizeAndNoPageLeavesAll) {
    FakeTexts texts;
    for (const int index : {-1, 9, 22, -2}) {
        PageInfo info;
        kx::FillPageInfo(info.bytes, index, ModelProfile{}, texts);
        EXPECT_EQ(info.view().Cx(), static_cast<LONG>(0xABABABAB)) << "index " << index;
        if (index == -1) {
            EXPECT_EQ(info.view().Caption(), u"") << "no default for the sheet caption";
        } else {
            EXPECT_EQ(info.bytes[12], 0xAB) << "index " << index;
        }
    }
}

TEST(FillPageInfo, SizesFollowTheScaleKeys) {
    struct Case {
        const char* label;
        int scaleX;
        int scaleY;
        int preview;
        LONG cx;
        LONG cy;
    };
    const Case cases[] = {
        {"default", 100, 100, 0, 336, 250},
        {"with preview", 100, 100, 1, 336, 300},
        {"wider", 125, 100, 0, 420, 250},
        {"truncated", 101, 101, 0, 339, 252},
        {"negative truncates toward zero", -1, -1, 0, -3, -2},
        {"huge scale saturates", 2000000000, 100, 0, 2147483647, 250},
    };
    FakeTexts texts;
    for (const Case& c : cases) {
        ModelProfile profile;
        profile.CPSUI_Scale_X = c.scaleX;
        profile.CPSUI_Scale_Y = c.scaleY;
        profile.AdditionalPrinterPreview = c.preview;
        PageInfo info;
        kx::FillPageInfo(info.bytes, 2, profile, texts);
        EXPECT_EQ(info.view().Cx(), c.cx) << c.label;
        EXPECT_EQ(info.view().Cy(), c.cy) << c.label;
    }
}

} // namespace
