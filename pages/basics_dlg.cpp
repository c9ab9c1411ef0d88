// The Basics page.
#include "pages/basics_dlg.h"

#include "devmode/devmode_record.h"
#include "framework/kromaui_app.h"
#include "pages/basics_controls.h"
#include "pages/basics_values.h"
#include "pages/paper_values.h"
#include "platform/base/devmode_public.h"
#include "platform/controls/control_constants.h"
#include "platform/window/window_constants.h"

namespace kx {
namespace {

constexpr ShortPageRow kBasicsRows[] = {
    {{{{kBasicsOrientationLabelId, 4}, {kBasicsOrientationId, 0}}}, 20},
    {{{{kBasicsSizeLabelId, 2}, {kBasicsSizeListId, 0}}}, 14},
    {{{{kBasicsTypeLabelId, 2}, {kBasicsTypeListId, 0}}}, 14},
    {{{{kBasicsUnitLabelId, 2}, {kBasicsUnitListId, 0}}}, 16},
    {{{{kBasicsQualityId, 0}}}, 12},
};

} // namespace

CBasicsDlg::CBasicsDlg(UINT templateId, std::u16string_view pageName, int pageIndex)
    : CShortPageDlg(templateId, pageName, pageIndex,
                    {kBasicsOrientationId, kBasicsSizeListId, kBasicsUnitListId}) {}

std::span<const ShortPageRow> CBasicsDlg::Rows() const {
    return kBasicsRows;
}

void CBasicsDlg::SetUpOwnControls() {
    m_type.SubclassDlgItem(kBasicsTypeListId, this);
    m_type.SetIconFamily(IconFamily::PaperType);
}

void CBasicsDlg::RefreshControls() {
    CShortPageDlg::RefreshControls();
    const BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    const bool wasQuiet = m_quiet;
    m_quiet = true;
    RefreshPaperList();
    RefreshUnit();
    RefreshOrientation();
    Check(kBasicsQualityId, QualityOn(ReadNumber(devmode, FieldNamed("iResolution")),
                                      ReadNumber(devmode, FieldNamed("dmPrintQuality"))));
    RefreshTypes();
    m_borderless = ReadNumber(devmode, FieldNamed("iBorderless"));
    ApplyBorderlessRule();
    m_quiet = wasQuiet;
}

// A single medium (or none) leaves nothing to choose; a type the
// administrator locked is not the user's to choose either.
void CBasicsDlg::RefreshTypes() {
    const PrinterList media = Lists().Media(working());
    FillPrinterList(m_type, media);
    const WORD type = static_cast<WORD>(ReadNumber(working(), FieldNamed("iPaperType")));
    m_type.SetCurSel(m_type.FindValue(type));
    const bool locked = (ReadNumber(working(), FieldNamed("bLockedFeatures")) & kTypeLockBit) != 0;
    const bool choice = m_type.GetCount() > 1 && !locked;
    EnableControl(kBasicsTypeListId, choice);
    EnableControl(kBasicsTypeLabelId, choice);
    if (const HWND list = GetDlgItem(kBasicsTypeListId))
        ShowOptionTip(list, kLockedRowTip, locked);
}

void CBasicsDlg::ApplyBorderlessRule() {
    if (const auto paper = ChosenPaper())
        m_borderless = BorderlessAfter(m_borderless, *paper, TheApp().profile);
}

void CBasicsDlg::SaveControls() {
    CShortPageDlg::SaveControls();
    BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    WriteNumber(devmode, FieldNamed("iBorderless"), m_borderless);
    SaveUnit(devmode);
    WriteNumber(devmode, FieldNamed("dmFields"),
                FieldBits(devmode) | DM_ORIENTATION | DM_PAPERSIZE);
    SavePaper(devmode);
    if (const auto type = m_type.SelectedValue())
        WriteNumber(devmode, FieldNamed("iPaperType"), *type);
    SaveOrientation(devmode);
    // Only the driver's resolution: the public quality stays as the
    // Graphics page set it. A resolution the button does not name (2400,
    // say) stays until the button is turned.
    const bool on = Checked(kBasicsQualityId);
    if (on != QualityOn(ReadNumber(devmode, FieldNamed("iResolution")),
                        ReadNumber(devmode, FieldNamed("dmPrintQuality"))))
        WriteNumber(devmode, FieldNamed("iResolution"),
                    on ? kQualityOnResolution : kQualityOffResolution);
}

void CBasicsDlg::OnPaperChosen() {
    ApplyBorderlessRule();
    Changed();
}

BOOL CBasicsDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (!m_quiet && ((code == CBN_SELCHANGE && id == kBasicsTypeListId) ||
                     (code == BN_CLICKED && id == kBasicsQualityId))) {
        Changed();
        return TRUE;
    }
    return CShortPageDlg::OnCommand(wParam, lParam);
}

} // namespace kx
