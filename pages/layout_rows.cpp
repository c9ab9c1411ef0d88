// The rows of the layout types.
#include "pages/layout_rows.h"

#include "devmode/devmode_record.h"
#include "framework/kromaui_app.h"
#include "framework/kx_dialog.h"
#include "framework/printer_lists.h"
#include "framework/value_list.h"
#include "pages/layout_controls.h"
#include "platform/window/window_api.h"

#include <algorithm>

namespace kx {
namespace {

constexpr int kMultipleRows[] = {kPagesPerSideLabelId, kPagesPerSideListId, kPageOrderLabelId,
                                 kPageOrderListId, kPageBorderId};
constexpr int kPosterRows[] = {kPosterKindLabelId,  kPosterKindListId,  kOverlapLabelId,
                               kOverlapEditId,      kOverlapSpinId,     kUnitsListId,
                               kPosterScaleLabelId, kPosterScaleEditId, kPosterScaleSpinId};
constexpr int kVirtualRows[] = {kVirtualPaperLabelId, kVirtualPaperListId, kVirtualPositionLabelId,
                                kVirtualPositionListId};

int64_t Number(const BYTE* devmode, const DevmodeField& field) {
    return ReadNumber(devmode, field);
}

void Write(BYTE* devmode, const DevmodeField& field, int64_t value) {
    WriteNumber(devmode, field, value);
}

bool IsMember(std::span<const int> ids, int id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

} // namespace

bool CLayoutRows::UnitsShown() const {
    return TheApp().profile.UnitsOnPreview == 0;
}

void CLayoutRows::Attach(CKxDialog& dialog, const BYTE* /*devmode*/, std::u16string_view printer) {
    m_dialog = &dialog;
    const ModelProfile& profile = TheApp().profile;
    TextStore& strings = TheApp().stringFile;
    const std::u16string section = dialog.pageSection();
    m_pages.SubclassDlgItem(kPagesPerSideListId, &dialog);
    m_order.SubclassDlgItem(kPageOrderListId, &dialog);
    m_poster.SubclassDlgItem(kPosterKindListId, &dialog);
    m_units.SubclassDlgItem(kUnitsListId, &dialog);
    m_virtualPaper.SubclassDlgItem(kVirtualPaperListId, &dialog);
    m_virtualPosition.SubclassDlgItem(kVirtualPositionListId, &dialog);
    FillValueList(m_pages, kPagesPerSide, strings, section);
    FillValueList(m_poster, kPosterKinds, strings, section, [&profile](WORD kind) {
        if (kind == kPoster6x6)
            return profile.LayoutPoster6x6 != 0;
        if (kind == kPosterCustom)
            return profile.LayoutPosterCustom != 0;
        return true;
    });
    FillValueList(m_units, kUnits, strings, section);
    FillValueList(m_virtualPosition, kVirtualPositions, strings, section);
    m_printer = std::u16string(printer);
    m_overlap.Attach(dialog.m_hWnd, kOverlapEditId, kOverlapSpinId);
    m_scale.Attach(dialog.m_hWnd, kPosterScaleEditId, kPosterScaleSpinId,
                   {kPosterScaleMin, kPosterScaleMax}, 3, NumberFilter::Digits);
    if (!UnitsShown())
        ::ShowWindow(dialog.GetDlgItem(kUnitsListId), SW_HIDE);
}

// The printer's papers are asked only when the virtual rows are first
// needed: most pages never show them.
void CLayoutRows::FillVirtualPapers(const BYTE* devmode) {
    const ModelProfile& profile = TheApp().profile;
    if (m_virtualPapersFilled || devmode == nullptr || profile.LayoutVirtual == 0)
        return;
    m_virtualPapersFilled = true;
    FillPrinterList(
        m_virtualPaper,
        SheetPrinterLists(devmode, m_printer).Papers(devmode, CustomSizes::Excluded, profile));
    ShowVirtualPaper(devmode);
}

void CLayoutRows::ShowVirtualPaper(const BYTE* devmode) {
    // A virtual paper the list lacks shows the job's own paper.
    const int64_t virtualPaper = Number(devmode, FieldNamed("iVirtualPaper"));
    const int64_t paper = Number(devmode, FieldNamed("dmPaperSize"));
    const bool listed =
        virtualPaper > 0 && m_virtualPaper.FindValue(static_cast<WORD>(virtualPaper)) >= 0;
    ShowValue(m_virtualPaper, static_cast<WORD>(listed ? virtualPaper : paper));
}

void CLayoutRows::FillOrders(bool landscape) {
    const bool two = m_pages.SelectedValue() == kTwoPagesPerSide;
    const int kind = two ? (landscape ? 2 : 1) : 0;
    if (kind == m_orderKind)
        return;
    m_orderKind = kind;
    TextStore& strings = TheApp().stringFile;
    const std::u16string section = m_dialog->pageSection();
    if (kind == 0)
        FillValueList(m_order, kPageOrders, strings, section);
    else if (kind == 1)
        FillValueList(m_order, kTwoPageOrdersPortrait, strings, section);
    else
        FillValueList(m_order, kTwoPageOrdersLandscape, strings, section);
}

void CLayoutRows::Refresh(const BYTE* devmode, bool blocked) {
    if (m_dialog == nullptr || devmode == nullptr)
        return;
    ShowValue(m_pages, blocked ? 0 : ClampPagesPerSide(Number(devmode, FieldNamed("iNup"))));
    const bool landscape = Number(devmode, FieldNamed("dmOrientation")) == 2;
    m_orderKind = -1;
    FillOrders(landscape);
    ShowValue(m_order, ClampPageOrder(Number(devmode, FieldNamed("iNupLayout"))));
    ::CheckDlgButton(m_dialog->m_hWnd, kPageBorderId,
                     Number(devmode, FieldNamed("iNupBorder")) != 0 ? BST_CHECKED : BST_UNCHECKED);
    ShowValue(m_poster, ClampPosterKind(Number(devmode, FieldNamed("iPoster"))));
    const bool inches = Number(devmode, FieldNamed("IsMMInch")) != 0;
    ShowValue(m_units, inches ? 1 : 0);
    m_overlap.SetUnit(inches);
    m_overlap.SetValue(OverlapFromStored(Number(devmode, FieldNamed("iPosterOverlap"))));
    m_scale.SetValue(static_cast<int32_t>(std::clamp<int64_t>(
        Number(devmode, FieldNamed("iPoster_Scale")), kPosterScaleMin, kPosterScaleMax)));
    if (Number(devmode, FieldNamed("iVirtualPrint")) != 0)
        FillVirtualPapers(devmode);
    if (m_virtualPapersFilled)
        ShowVirtualPaper(devmode);
    ShowValue(m_virtualPosition,
              ClampVirtualPosition(Number(devmode, FieldNamed("iVirtualLayout"))));
}

void CLayoutRows::EnableRow(int id, bool enable, int tip) {
    m_dialog->EnableControl(id, enable);
    if (const HWND control = m_dialog->GetDlgItem(id); control != nullptr && tip >= 0)
        m_dialog->ShowOptionTip(control, tip, !enable);
}

void CLayoutRows::ShowRowsFor(WORD type, bool usable, const BYTE* devmode) {
    if (m_dialog == nullptr)
        return;
    const ModelProfile& profile = TheApp().profile;
    const auto show = [this](int id, bool shown) {
        if (const HWND control = m_dialog->GetDlgItem(id))
            ::ShowWindow(control, shown ? SW_SHOWNA : SW_HIDE);
    };
    const bool multiple = type == kLayoutMultiple && profile.LayoutMultiple != 0;
    const bool poster = type == kLayoutPoster && profile.LayoutPoster != 0;
    const bool virtualPage = type == kLayoutVirtual && profile.LayoutVirtual != 0;
    if (virtualPage)
        FillVirtualPapers(devmode);
    for (const int id : kMultipleRows) {
        const bool order = id == kPageOrderLabelId || id == kPageOrderListId;
        show(id, multiple && (!order || profile.LayoutMultipleOrder != 0));
    }
    for (const int id : kPosterRows) {
        const bool scale =
            id == kPosterScaleLabelId || id == kPosterScaleEditId || id == kPosterScaleSpinId;
        const bool units = id == kUnitsListId;
        show(id, poster && (!scale || profile.LayoutPosterCustom != 0) && (!units || UnitsShown()));
    }
    for (const int id : kVirtualRows) {
        const bool position = id == kVirtualPositionLabelId || id == kVirtualPositionListId;
        show(id, virtualPage && (!position || profile.LayoutVirtualOrder != 0));
    }

    const bool beyondOne = PagesPerSide() > 0;
    const bool custom = m_poster.SelectedValue() == kPosterCustom;
    const auto paper = devmode != nullptr ? Number(devmode, FieldNamed("dmPaperSize")) : 0;
    const auto chosen = m_virtualPaper.SelectedValue();
    const bool otherPaper = chosen && *chosen != paper;
    for (const int id : kMultipleRows) {
        const bool own = id == kPagesPerSideLabelId || id == kPagesPerSideListId || beyondOne;
        EnableRow(id, usable && own, -1);
    }
    for (const int id : kPosterRows) {
        const bool scale = IsMember(std::span<const int>(kPosterRows).subspan(6), id);
        EnableRow(id, usable && (!scale || custom), scale && usable ? kPosterScaleTip : -1);
    }
    for (const int id : kVirtualRows) {
        const bool position = id == kVirtualPositionLabelId || id == kVirtualPositionListId;
        EnableRow(id, usable && (!position || otherPaper), -1);
    }
}

void CLayoutRows::Save(BYTE* devmode, WORD type) const {
    if (m_dialog == nullptr || devmode == nullptr)
        return;
    const ModelProfile& profile = TheApp().profile;
    if (profile.LayoutBooklet != 0)
        Write(devmode, FieldNamed("iBooklet"), type == kLayoutBooklet ? 1 : 0);
    if (profile.LayoutMultiple != 0) {
        Write(devmode, FieldNamed("iNup"), type == kLayoutMultiple ? PagesPerSide() : 0);
        Write(devmode, FieldNamed("iNupBorder"),
              ::IsDlgButtonChecked(m_dialog->m_hWnd, kPageBorderId) == BST_CHECKED ? 8 : 0);
    }
    if (profile.LayoutMultipleOrder != 0)
        if (const auto order = m_order.SelectedValue())
            Write(devmode, FieldNamed("iNupLayout"), *order);
    if (profile.LayoutPoster != 0) {
        Write(devmode, FieldNamed("iPoster"),
              type == kLayoutPoster ? m_poster.SelectedValue().value_or(1) : 0);
        Write(devmode, FieldNamed("iPosterOverlap"), OverlapToStored(m_overlap.Value()));
        if (UnitsShown())
            if (const auto units = m_units.SelectedValue())
                Write(devmode, FieldNamed("IsMMInch"), *units);
    }
    if (profile.LayoutPosterCustom != 0)
        Write(devmode, FieldNamed("iPoster_Scale"), m_scale.Value());
    if (profile.LayoutVirtual != 0) {
        Write(devmode, FieldNamed("iVirtualPrint"), type == kLayoutVirtual ? 1 : 0);
        if (type == kLayoutVirtual)
            if (const auto paper = m_virtualPaper.SelectedValue())
                Write(devmode, FieldNamed("iVirtualPaper"), *paper);
    }
    if (profile.LayoutVirtualOrder != 0)
        if (const auto position = m_virtualPosition.SelectedValue())
            Write(devmode, FieldNamed("iVirtualLayout"), *position);
}

RowChange CLayoutRows::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (m_dialog == nullptr)
        return RowChange::None;
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    bool changed = false;
    if (m_overlap.OnCommand(wParam, lParam, &changed))
        return changed ? RowChange::Value : RowChange::Handled;
    // Setting the field's text notifies too: only a moved value is a change.
    const int32_t scale = m_scale.Value();
    if (m_scale.OnCommand(wParam, lParam))
        return m_scale.Value() != scale ? RowChange::Value : RowChange::Handled;
    if (code == CBN_SELCHANGE) {
        switch (id) {
        case kPagesPerSideListId: {
            const bool landscape =
                ::IsDlgButtonChecked(m_dialog->m_hWnd, kLandscapeId) == BST_CHECKED;
            FillOrders(landscape);
            if (!m_order.SelectedValue())
                m_order.SelectValue(0);
            return RowChange::Rows;
        }
        case kUnitsListId:
            m_overlap.SetUnit(m_units.SelectedValue() == 1);
            return RowChange::Value;
        case kPosterKindListId:
        case kVirtualPaperListId:
            return RowChange::Rows;
        case kPageOrderListId:
        case kVirtualPositionListId:
            return RowChange::Value;
        default:
            return RowChange::None;
        }
    }
    if (code == BN_CLICKED && id == kPageBorderId)
        return RowChange::Value;
    return RowChange::None;
}

bool CLayoutRows::OnNotify(LPARAM lParam, LRESULT* result) {
    return m_overlap.OnNotify(lParam, result) || m_scale.OnNotify(lParam, result);
}

void CLayoutRows::ResetPagesPerSide() {
    m_pages.SelectValue(0);
}

WORD CLayoutRows::PagesPerSide() const {
    return m_pages.SelectedValue().value_or(0);
}

} // namespace kx
