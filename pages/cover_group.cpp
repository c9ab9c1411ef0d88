// A cover kind's group.
#include "pages/cover_group.h"

#include "devmode/blocking_rules.h"
#include "devmode/cover_fields.h"
#include "devmode/devmode_record.h"
#include "devmode/devmode_set.h"
#include "framework/kromaui_app.h"
#include "framework/printer_texts.h"
#include "framework/row_collapse.h"
#include "pages/paper_option_page.h"
#include "pages/paper_values.h"
#include "platform/base/contains.h"
#include "platform/window/window_api.h"
#include "platform/window/window_constants.h"
#include "store/custom_paper.h"

#include <array>
#include <utility>

namespace kx {
namespace {

// The custom size fields of each cover, in the covers' order.
struct CoverSize {
    const DevmodeField* width;
    const DevmodeField* length;
};
constexpr std::array<CoverSize, 3> kCoverSizes = {{
    {&FieldNamed("sFrontPaperWidth"), &FieldNamed("sFrontPaperLength")},
    {&FieldNamed("sBackPaperWidth"), &FieldNamed("sBackPaperLength")},
    {&FieldNamed("sFrontBackPaperWidth"), &FieldNamed("sFrontBackPaperLength")},
}};

constexpr int kGroupControls[] = {kCoverGroup,      kCoverOptionLabel, kCoverOptionList,
                                  kCoverSizeLabel,  kCoverSizeList,    kCoverSourceLabel,
                                  kCoverSourceList, kCoverTypeLabel,   kCoverTypeList};

} // namespace

int CCoverGroup::Id(int offset) const {
    return kFirstCoverGroupId + m_slot * kCoverGroupStride + offset;
}

void CCoverGroup::Attach(CPaperOptionPage& page, int slot, size_t cover) {
    m_page = &page;
    m_slot = slot;
    m_cover = cover < std::size(kCovers) ? cover : 0;
    m_option.SubclassDlgItem(Id(kCoverOptionList), &page);
    m_size.SubclassDlgItem(Id(kCoverSizeList), &page);
    m_size.SetIconFamily(IconFamily::PaperSize);
    m_source.SubclassDlgItem(Id(kCoverSourceList), &page);
    m_source.SetIconFamily(IconFamily::PaperSource);
    m_type.SubclassDlgItem(Id(kCoverTypeList), &page);
    m_type.SetIconFamily(IconFamily::PaperType);
    // "No Covers" stays, so that a cover once chosen can be turned off.
    const std::vector<int32_t>& offered = TheApp().profile.*kCovers[m_cover].list;
    TextStore& strings = TheApp().stringFile;
    FillValueList(m_option, kCoverOptions, strings, u"Advanced Paper Options Dialog",
                  [&offered](WORD value) { return value == 0 || Contains(offered, value); });
}

void CCoverGroup::SetUpRows() {
    const ModelProfile& profile = TheApp().profile;
    const HWND page = m_page->m_hWnd;
    if (profile.PaperCoverSize == 0)
        (void)CollapseRow(page, {Id(kCoverSizeLabel), Id(kCoverSizeList)});
    if (profile.PaperCoverSource == 0)
        (void)CollapseRow(page, {Id(kCoverSourceLabel), Id(kCoverSourceList)});
    if (profile.PaperCoverType == 0)
        (void)CollapseRow(page, {Id(kCoverTypeLabel), Id(kCoverTypeList)});
}

void CCoverGroup::Show(bool show) {
    const ModelProfile& profile = TheApp().profile;
    for (const int offset : kGroupControls) {
        const bool offered =
            (offset != kCoverSizeLabel && offset != kCoverSizeList) || profile.PaperCoverSize != 0;
        const bool sourceOffered = (offset != kCoverSourceLabel && offset != kCoverSourceList) ||
                                   profile.PaperCoverSource != 0;
        const bool typeOffered =
            (offset != kCoverTypeLabel && offset != kCoverTypeList) || profile.PaperCoverType != 0;
        if (const HWND control = m_page->GetDlgItem(Id(offset)))
            ::ShowWindow(control,
                         show && offered && sourceOffered && typeOffered ? SW_SHOW : SW_HIDE);
    }
}

void CCoverGroup::ShowEveryRow() {
    for (const int offset : kGroupControls) {
        if (const HWND control = m_page->GetDlgItem(Id(offset)))
            ::ShowWindow(control, SW_SHOW);
    }
}

void CCoverGroup::Refresh() {
    const BYTE* devmode = m_page->working();
    if (devmode == nullptr)
        return;
    const CoverFields& fields = kCovers[m_cover];
    CPaperOptionPage::SelectExactly(m_option, ReadNumber(devmode, *fields.option));
    if (m_page->Shown(Id(kCoverSizeList))) {
        FillPrinterList(m_size,
                        m_page->Lists().Papers(devmode, CustomSizes::Included, TheApp().profile));
        CPaperOptionPage::SelectExactly(m_size, ReadNumber(devmode, *fields.size));
    }
    if (m_page->Shown(Id(kCoverSourceList))) {
        m_page->FillSources(m_source, false);
        CPaperOptionPage::SelectExactly(m_source, ReadNumber(devmode, *fields.source));
    }
    if (m_page->Shown(Id(kCoverTypeList))) {
        FillPrinterList(m_type, m_page->Lists().Media(devmode));
        CPaperOptionPage::SelectExactly(m_type, ReadNumber(devmode, *fields.type));
    }
    const std::u16string printer = PrinterNameFor(devmode);
    const BlockingRules rules(TheApp().profile,
                              [printer] { return PrinterTextsFor(printer).LocalPrintingOnly(); });
    const ReasonCodes blocked = rules.CoverBlocked(devmode, m_cover);
    const int tip = blocked.blocked() ? blocked.codes()[0] : 0;
    m_page->EnableWithTip(Id(kCoverOptionList), !blocked.blocked(), tip);
    EnableLabel(kCoverOptionLabel, !blocked.blocked());
    // The size, tray and type of "No Covers" are greyed: there is no cover
    // to give them to.
    const bool chosen = ReadNumber(devmode, *fields.option) != 0;
    for (const auto& [list, label] : {std::pair{kCoverSizeList, kCoverSizeLabel},
                                      {kCoverSourceList, kCoverSourceLabel},
                                      {kCoverTypeList, kCoverTypeLabel}}) {
        m_page->EnableWithTip(Id(list), !blocked.blocked() && chosen, tip);
        EnableLabel(label, !blocked.blocked() && chosen);
    }
}

void CCoverGroup::EnableLabel(int offset, bool enable) {
    if (const HWND label = m_page->GetDlgItem(Id(offset)))
        ::EnableWindow(label, enable && !m_page->IsReadOnly());
}

void CCoverGroup::Save(bool offered) {
    BYTE* devmode = m_page->working();
    if (devmode == nullptr)
        return;
    const CoverFields& fields = kCovers[m_cover];
    if (!offered) {
        WriteNumber(devmode, *fields.option, 0);
        return;
    }
    if (const auto option = m_option.SelectedValue())
        WriteNumber(devmode, *fields.option, *option);
    if (m_page->Shown(Id(kCoverSizeList))) {
        if (const auto size = m_size.SelectedValue()) {
            WriteNumber(devmode, *fields.size, *size);
            if (*size >= kFirstCustomSize) {
                const CCustomPaper custom = CCustomPaper::Load(*size - kFirstCustomSize);
                WriteNumber(devmode, *kCoverSizes[m_cover].width, custom.width());
                WriteNumber(devmode, *kCoverSizes[m_cover].length, custom.height());
            }
        }
    }
    if (m_page->Shown(Id(kCoverSourceList))) {
        if (const auto source = m_source.SelectedValue())
            WriteNumber(devmode, *fields.source, *source);
    }
    if (m_page->Shown(Id(kCoverTypeList))) {
        if (const auto type = m_type.SelectedValue())
            WriteNumber(devmode, *fields.type, *type);
    }
}

void CCoverGroup::ChooseCoverIfNone() {
    const auto option = m_option.SelectedValue();
    if ((!option || *option == 0) && m_option.GetCount() > 1)
        m_option.SetCurSel(1);
    FillBlankRows();
}

void CCoverGroup::FillBlankRows() {
    for (CIconComboBox* box : {&m_size, &m_source, &m_type}) {
        if (m_page->Shown(box->GetDlgCtrlID()) && box->GetCurSel() < 0 && box->GetCount() > 0)
            box->SetCurSel(0);
    }
}

} // namespace kx
