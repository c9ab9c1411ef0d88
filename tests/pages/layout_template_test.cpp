// The Layout pages' templates as a user sees them: every English text fits
// its control (the unit buttons' "Millimeters" no longer runs into
// "Inches"), and controls shown together never overlap.
#include "framework/control_ids.h"
#include "framework/page_templates.h"
#include "pages/layout_controls.h"

#include "platform/base/text.h"
#include "platform/window/dialog_template.h"
#include "platform/window/paint_api.h"
#include "platform/window/rect_api.h"
#include "platform/windows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace kx;

// Controls that stand on the page together, whatever the layout type.
const std::vector<int> kAlwaysTogether = {
    kMillimetreButtonId,     kInchButtonId,           kPortraitId,         kLandscapeId,
    kOrientationPictureId,   kRotationLabelId,        kRotationListId,     kMirrorId,
    kLayoutTypeListId,       kDoubleSidedCaptionId,   kFirstDoubleSidedId, kFirstDoubleSidedId + 1,
    kFirstDoubleSidedId + 2, kFirstDoubleSidedId + 3, kReverseId,          kDoubleSidedPictureId,
    kLayoutMoreButtonId};
// The rows of one type, shown with the controls above.
const std::vector<std::vector<int>> kTypeRows = {
    {kPagesPerSideLabelId, kPagesPerSideListId, kPageOrderLabelId, kPageOrderListId, kPageBorderId},
    {kPosterKindLabelId, kPosterKindListId, kOverlapLabelId, kOverlapEditId, kOverlapSpinId,
     kUnitsListId, kPosterScaleLabelId, kPosterScaleEditId, kPosterScaleSpinId},
    {kVirtualPaperLabelId, kVirtualPaperListId, kVirtualPositionLabelId, kVirtualPositionListId},
};

class LayoutTemplate : public ::testing::TestWithParam<std::tuple<const char*, int>> {
protected:
    void SetUp() override {
        InstallLayoutPageControls();
        ModelProfile profile;
        profile.AdditionalPrinterPreview = std::get<1>(GetParam());
        const PageTemplateRow* row = PageTemplateOf(std::get<0>(GetParam()));
        ASSERT_NE(row, nullptr);
        data = CompileDialogScript(PageTemplateScript(*row, profile));
        owner = CreateWindowExW(0, u"Static", u"", WS_POPUP | WS_VISIBLE, 0, 0, 400, 340, nullptr,
                                nullptr, nullptr, nullptr);
        page = CreateDialogIndirectParamW(
            nullptr, reinterpret_cast<const DLGTEMPLATE*>(data.data()), owner,
            [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
        ASSERT_NE(page, nullptr);
    }
    void TearDown() override {
        DestroyWindow(page);
        DestroyWindow(owner);
    }

    bool Visible(int id) const {
        const HWND control = GetDlgItem(page, id);
        return control != nullptr && (GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0;
    }
    RECT At(int id) const {
        RECT rect{};
        GetWindowRect(GetDlgItem(page, id), &rect);
        MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    std::vector<DWORD> data;
    HWND owner = nullptr;
    HWND page = nullptr;
};

TEST_P(LayoutTemplate, EveryTextFitsItsControl) {
    HDC dc = GetDC(page);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(page, WM_GETFONT, 0, 0)));
    for (HWND child = GetWindow(page, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const int id = GetDlgCtrlID(child);
        const bool ours = (id >= kOrientationCaptionId && id <= kRatioSpinId) ||
                          id == kMillimetreButtonId || id == kInchButtonId;
        if (!ours || !Visible(id))
            continue;
        WCHAR className[32]{};
        GetClassNameW(child, className, 32);
        WCHAR buffer[128]{};
        GetWindowTextW(child, buffer, 128);
        const std::u16string text(buffer);
        if (text.empty())
            continue;
        SIZE extent{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        const bool button = std::u16string_view(className) == u"Button";
        const LONG box = button && id != kLayoutMoreButtonId ? 16 : 0;
        const RECT rect = At(id);
        EXPECT_LE(extent.cx + box, rect.right - rect.left)
            << Utf16ToUtf8(text) << " (" << id << ") is cut";
    }
    SelectObject(dc, old);
    ReleaseDC(page, dc);
}

TEST_P(LayoutTemplate, ControlsShownTogetherDoNotOverlap) {
    for (const auto& rows : kTypeRows) {
        std::vector<int> together = kAlwaysTogether;
        together.insert(together.end(), rows.begin(), rows.end());
        for (size_t i = 0; i < together.size(); ++i) {
            for (size_t j = i + 1; j < together.size(); ++j) {
                if (!Visible(together[i]) || !Visible(together[j]))
                    continue;
                RECT a = At(together[i]);
                RECT b = At(together[j]);
                RECT both{};
                EXPECT_FALSE(IntersectRect(&both, &a, &b))
                    << together[i] << " and " << together[j] << " overlap";
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, LayoutTemplate,
                         ::testing::Combine(::testing::Values("CLayoutDlg", "CLayout2Dlg"),
                                            ::testing::Values(0, 1)));

} // namespace
