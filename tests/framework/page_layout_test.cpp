// The pages' own templates and the hidden-row collapse.
#include "framework/control_ids.h"
#include "framework/page_templates.h"
#include "framework/row_collapse.h"

#include "platform/window/dialog_template.h"
#include "platform/windows.h"

#include <gtest/gtest.h>

#include <map>

namespace {

TEST(PageTemplates, EveryTemplateCompilesWithTheFrameworksControls) {
    for (const int additionalPreview : {0, 1}) {
        kx::ModelProfile profile;
        profile.AdditionalPrinterPreview = additionalPreview;
        for (const std::string_view name :
             {"CLayoutDlg", "CGraphicDlg", "CDecoDlg", "CPrinterDlg", "CTovarisDlg", "CTroubleDlg",
              "CMainDlg", "COverlayDlg"}) {
            const kx::PageTemplateRow* row = kx::PageTemplateOf(name);
            ASSERT_NE(row, nullptr) << name;
            kx::DialogScriptError error;
            const auto parsed =
                kx::ParseDialogScript(kx::PageTemplateScript(*row, profile), &error);
            ASSERT_TRUE(parsed.has_value())
                << name << " line " << error.line << ": " << error.message;
            std::map<DWORD, bool> ids;
            for (const auto& item : parsed->items)
                ids[item.id] = true;
            EXPECT_EQ(ids.count(kx::kFavouritesBoxId) == 1, row->favourites) << name;
            EXPECT_TRUE(ids.count(kx::kLogoId) && ids.count(kx::kVerticalSeparatorId))
                << name << ": logo and separator";
            const bool layout = row->preview == kx::TemplatePreview::Layout;
            EXPECT_EQ(ids.count(kx::kLayoutPreviewId) == 1, layout) << name;
            EXPECT_EQ(ids.count(kx::kMillimetreButtonId) == 1, layout)
                << name << ": unit buttons with the layout preview";
            EXPECT_EQ(ids.count(kx::kPrinterPreviewId) == 1,
                      row->preview == kx::TemplatePreview::Printer ||
                          (layout && additionalPreview != 0))
                << name;
            EXPECT_EQ(parsed->style & WS_CHILD, static_cast<DWORD>(WS_CHILD)) << name;
            EXPECT_NE(parsed->style & WS_CAPTION, static_cast<DWORD>(WS_CAPTION))
                << name << ": no title bar";
        }
    }
    EXPECT_EQ(kx::PageTemplateOf("CNoSuchDlg"), nullptr);
}

class RowCollapse : public ::testing::Test {
protected:
    void SetUp() override {
        static const auto data = kx::CompileDialogScript(uR"(DIALOGEX 0, 0, 200, 160
STYLE WS_POPUP
BEGIN
    GROUPBOX "Options", 10, 4, 4, 120, 70
    AUTOCHECKBOX "One", 11, 10, 16, 100, 10
    AUTOCHECKBOX "Two", 12, 10, 30, 60, 10
    LTEXT "Two's note", 13, 72, 30, 40, 10
    AUTOCHECKBOX "Three", 14, 10, 44, 100, 10
    GROUPBOX "Below", 20, 4, 80, 120, 40
    AUTOCHECKBOX "Four", 21, 10, 92, 100, 10
    LTEXT "Beside", 30, 130, 44, 60, 10
END
)");
        page = CreateDialogIndirectParamW(
            nullptr, reinterpret_cast<const DLGTEMPLATE*>(data.data()), nullptr,
            [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
        ASSERT_NE(page, nullptr);
    }
    void TearDown() override { DestroyWindow(page); }

    RECT At(int id) const {
        RECT rect{};
        GetWindowRect(GetDlgItem(page, id), &rect);
        MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    bool Shown(int id) const {
        return (GetWindowLongW(GetDlgItem(page, id), GWL_STYLE) & WS_VISIBLE) != 0;
    }

    HWND page = nullptr;
};

TEST_F(RowCollapse, RowsBelowMoveUpAndTheGroupShrinks) {
    std::map<int, RECT> before;
    for (const int id : {10, 11, 14, 20, 21, 30})
        before[id] = At(id);
    const int gap = kx::CollapseRow(page, {12, 13});
    EXPECT_EQ(gap, before[14].top - At(12).top) << "from the row's top to the next row's top";
    EXPECT_GT(gap, 0);
    EXPECT_FALSE(Shown(12));
    EXPECT_FALSE(Shown(13));
    EXPECT_EQ(At(11).top, before[11].top) << "rows above stay";
    EXPECT_EQ(At(14).top, before[14].top - gap);
    EXPECT_EQ(At(10).bottom, before[10].bottom - gap) << "the group shrinks";
    EXPECT_EQ(At(10).top, before[10].top);
    EXPECT_EQ(At(20).top, before[20].top - gap) << "the group below follows";
    EXPECT_EQ(At(21).top, before[21].top - gap);
    EXPECT_EQ(At(30).top, before[30].top) << "another column stays";

    EXPECT_EQ(kx::CollapseRow(page, {12, 13}), 0) << "a hidden row has no height left";
    EXPECT_EQ(kx::CollapseRow(page, {999}), 0) << "a control the page lacks";
}

} // namespace
