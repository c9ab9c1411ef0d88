// The pages' own templates and the hidden-row collapse.
#include "framework/control_ids.h"
#include "framework/page_templates.h"
#include "framework/row_collapse.h"

#include "platform/window/dialog_template.h"
#include "platform/windows.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

INT_PTR CALLBACK QuietPage(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// A page made from its template as the sheet makes it, and what it shows.
class ShownTemplate {
public:
    ShownTemplate(const kx::PageTemplateRow& row, const kx::ModelProfile& profile)
        : m_binary(kx::CompileDialogScript(kx::PageTemplateScript(row, profile))),
          m_sheet(CreateWindowExW(0, u"Static", u"", WS_POPUP, 0, 0, 800, 800, nullptr, nullptr,
                                  nullptr, nullptr)) {
        if (!m_binary.empty())
            m_page = CreateDialogIndirectParamW(
                nullptr, reinterpret_cast<const DLGTEMPLATE*>(m_binary.data()), m_sheet, QuietPage,
                0);
    }
    ~ShownTemplate() {
        if (m_page != nullptr)
            DestroyWindow(m_page);
        DestroyWindow(m_sheet);
    }
    ShownTemplate(const ShownTemplate&) = delete;
    ShownTemplate& operator=(const ShownTemplate&) = delete;

    HWND page() const { return m_page; }
    bool Shows(int id) const {
        const HWND control = GetDlgItem(m_page, id);
        return control != nullptr && (GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0;
    }
    RECT At(int id) const {
        RECT rect{};
        GetWindowRect(GetDlgItem(m_page, id), &rect);
        MapWindowPoints(nullptr, m_page, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

private:
    std::vector<DWORD> m_binary;
    HWND m_sheet;
    HWND m_page = nullptr;
};

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}
bool Overlap(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST(PageTemplates, EveryPageShowsTheFrameworksControlsWithinThePage) {
    for (const int additionalPreview : {0, 1}) {
        kx::ModelProfile profile;
        profile.AdditionalPrinterPreview = additionalPreview;
        for (const std::string_view name :
             {"CLayoutDlg", "CGraphicDlg", "CDecoDlg", "CPrinterDlg", "CTovarisDlg", "CTroubleDlg",
              "CMainDlg", "COverlayDlg"}) {
            const std::string label =
                std::string(name) + (additionalPreview ? " with printer preview" : "");
            const kx::PageTemplateRow* row = kx::PageTemplateOf(name);
            ASSERT_NE(row, nullptr) << label;
            const ShownTemplate shown(*row, profile);
            ASSERT_NE(shown.page(), nullptr) << label << ": the template makes no page";
            RECT page{};
            GetClientRect(shown.page(), &page);
            for (HWND child = GetWindow(shown.page(), GW_CHILD); child != nullptr;
                 child = GetWindow(child, GW_HWNDNEXT)) {
                const int id = GetDlgCtrlID(child);
                EXPECT_TRUE(Inside(shown.At(id), page))
                    << label << ": control " << id << " runs off the page";
            }
            EXPECT_EQ(shown.Shows(kx::kFavouritesBoxId), row->favourites) << label;
            EXPECT_TRUE(shown.Shows(kx::kLogoId)) << label;
            EXPECT_TRUE(shown.Shows(kx::kVerticalSeparatorId)) << label;

            const bool layout = row->preview == kx::TemplatePreview::Layout;
            EXPECT_EQ(shown.Shows(kx::kLayoutPreviewId), layout) << label;
            EXPECT_EQ(shown.Shows(kx::kMillimetreButtonId), layout) << label;
            EXPECT_EQ(shown.Shows(kx::kInchButtonId), layout) << label;
            const bool printer =
                row->preview == kx::TemplatePreview::Printer || (layout && additionalPreview != 0);
            EXPECT_EQ(shown.Shows(kx::kPrinterPreviewId), printer) << label;
            if (layout) {
                const RECT millimetres = shown.At(kx::kMillimetreButtonId);
                const RECT inches = shown.At(kx::kInchButtonId);
                EXPECT_FALSE(Overlap(millimetres, inches)) << label << ": the unit buttons";
                const RECT preview = shown.At(kx::kLayoutPreviewId);
                EXPECT_TRUE(millimetres.left >= preview.left && inches.right <= preview.right)
                    << label << ": the unit buttons stand under the layout picture";
                if (printer) {
                    EXPECT_GE(shown.At(kx::kPrinterPreviewId).top, preview.bottom)
                        << label << ": the printer picture comes below the layout picture";
                }
            }
            const LONG style = GetWindowLongW(shown.page(), GWL_STYLE);
            EXPECT_EQ(style & WS_CHILD, WS_CHILD) << label;
            EXPECT_NE(style & WS_CAPTION, WS_CAPTION) << label << ": no title bar";
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
