// Orientation, rotation, mirror and double-sided printing.
#include "pages/orientation_dlg.h"

#include "devmode/blocking_rules.h"
#include "devmode/devmode_record.h"
#include "framework/kromaui_app.h"
#include "framework/value_list.h"
#include "pages/graphic_rows.h"
#include "pages/layout_controls.h"
#include "platform/base/devmode_public.h"
#include "platform/controls/control_constants.h"
#include "platform/window/rect_api.h"
#include "platform/window/window_api.h"
#include "platform/window/window_constants.h"
#include "utilities/printer_reachability.h"

#include <algorithm>
#include <array>

namespace kx {
namespace {

constexpr size_t kTextCapacity = 512;

int64_t Number(const BYTE* devmode, const DevmodeField& field) {
    return ReadNumber(devmode, field);
}

} // namespace

COrientationDlg::COrientationDlg(UINT templateId, std::u16string_view pageName, int pageIndex)
    : CKxDialog(templateId, pageName, pageIndex) {}

std::u16string COrientationDlg::PageText(std::u16string_view key) {
    TextStore& strings = TheApp().stringFile;
    strings.SelectSection(pageSection());
    return strings.ReadText(key, kTextCapacity, key);
}

BOOL COrientationDlg::OnInitDialog() {
    const BOOL result = CKxDialog::OnInitDialog();
    m_orientationPicture.SubclassDlgItem(kOrientationPictureId, this);
    m_doubleSidedPicture.SubclassDlgItem(kDoubleSidedPictureId, this);
    SetUpRotation();
    SetUpDoubleSided();
    return result;
}

void COrientationDlg::SetUpRotation() {
    const ModelProfile& profile = TheApp().profile;
    m_rotationList = profile.LayoutRotate != 0 && !profile.RotatePapers.empty();
    if (m_rotationList) {
        m_rotation.SubclassDlgItem(kRotationListId, this);
        Hide(kRotate180Id);
    } else {
        Hide(kRotationLabelId);
        Hide(kRotationListId);
        if (profile.LayoutRotate == 0)
            Hide(kRotate180Id);
    }
    if (profile.LayoutMirror == 0)
        Hide(kMirrorId);
}

void COrientationDlg::SetUpDoubleSided() {
    const ModelProfile& profile = TheApp().profile;
    if (profile.LayoutDoubleSided == 0) {
        for (const int id : {kDoubleSidedCaptionId, kReverseId, kDoubleSidedPictureId})
            Hide(id);
        for (int i = 0; i < kDoubleSidedRadioCount; ++i)
            Hide(kFirstDoubleSidedId + i);
        return;
    }
    if (profile.LayoutDoubleReverse == 0)
        Hide(kReverseId);
}

void COrientationDlg::FillRotations() {
    const BYTE* devmode = working();
    const bool ninety = PaperRotates(TheApp().profile, Number(devmode, FieldNamed("dmPaperSize")));
    if (m_rotation.GetCount() > 0 && ninety == m_rotationWithNinety)
        return;
    m_rotationWithNinety = ninety;
    FillValueList(m_rotation, kRotations, TheApp().stringFile, pageSection(),
                  [ninety](WORD value) { return value != 90 || ninety; });
}

int COrientationDlg::orientationIndex() const {
    return Checked(kLandscapeId) ? 1 : 0;
}

int COrientationDlg::doubleSidedIndex() const {
    for (int i = 0; i < kDoubleSidedRadioCount; ++i) {
        if (Checked(kFirstDoubleSidedId + i))
            return i;
    }
    return -1;
}

DoubleSidedMode COrientationDlg::doubleSidedMode() const {
    const BYTE* devmode = working();
    return DoubleSidedModeOf(TheApp().profile,
                             devmode != nullptr ? Number(devmode, FieldNamed("iDuplexUnit")) : 0);
}

int COrientationDlg::RotationShown() const {
    if (m_rotationList)
        return m_rotation.SelectedValue().value_or(0);
    return Checked(kRotate180Id) ? 180 : 0;
}

WORD COrientationDlg::CurrentLayoutType() const {
    const LayoutFields fields = ReadLayoutFields(working());
    if (fields.booklet != 0)
        return kLayoutBooklet;
    if (fields.poster > 0)
        return kLayoutPoster;
    return kLayoutMultiple;
}

void COrientationDlg::OnRotationChosen(WORD /*rotation*/) {}

void COrientationDlg::RefreshControls() {
    CKxDialog::RefreshControls();
    RefreshPage();
}

void COrientationDlg::RefreshPage() {
    const BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    const bool landscape = Number(devmode, FieldNamed("dmOrientation")) == DMORIENT_LANDSCAPE;
    Check(kPortraitId, !landscape);
    Check(kLandscapeId, landscape);
    const WORD rotation = ClampRotation(Number(devmode, FieldNamed("iRotate")));
    if (m_rotationList) {
        FillRotations();
        ShowValue(m_rotation, rotation);
    } else {
        Check(kRotate180Id, rotation >= 180);
    }
    Check(kMirrorId, Number(devmode, FieldNamed("iMirror")) > 0);
    RefreshDoubleSided();
    RefreshPictures();
    m_refreshed = true;
}

void COrientationDlg::PlaceDoubleSidedRadios() {
    const bool printerChoice = doubleSidedMode().printerChoice;
    if (printerChoice == m_printerChoiceShown)
        return;
    m_printerChoiceShown = printerChoice;
    const HWND printer = GetDlgItem(kFirstDoubleSidedId + kPrinterDuplexIndex);
    const HWND none = GetDlgItem(kFirstDoubleSidedId + kNoDuplexIndex);
    if (printer == nullptr || none == nullptr)
        return;
    // Without the printer's choice None takes its place, first in the row.
    const RECT first = RectOnPage(printerChoice ? none : printer);
    const RECT second = RectOnPage(printerChoice ? printer : none);
    ::SetWindowPos(printerChoice ? printer : none, nullptr, first.left, first.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::SetWindowPos(printerChoice ? none : printer, nullptr, second.left, second.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::ShowWindow(printer, printerChoice ? SW_SHOWNA : SW_HIDE);
}

void COrientationDlg::RefreshDoubleSided() {
    const ModelProfile& profile = TheApp().profile;
    if (profile.LayoutDoubleSided == 0)
        return;
    const BYTE* devmode = working();
    const DoubleSidedMode mode = doubleSidedMode();
    PlaceDoubleSidedRadios();
    ::SetDlgItemTextW(
        m_hWnd, kDoubleSidedCaptionId,
        PageText(mode.manual ? u"Manual Double-Sided" : u"Double-Sided Printing").c_str());
    const DevmodeField& field =
        mode.manual ? FieldNamed("iManualDuplex") : FieldNamed("iHardwareDuplex");
    const int index = DoubleSidedIndex(Number(devmode, field), mode, profile);
    for (int i = 0; i < kDoubleSidedRadioCount; ++i)
        Check(kFirstDoubleSidedId + i, i == index);
    Check(kReverseId, Number(devmode, FieldNamed("ReverseDuplex")) != 0);

    const WORD type = CurrentLayoutType();
    const bool layoutAllows = type != kLayoutPoster && type != kLayoutBooklet;
    const std::u16string printer = PrinterName();
    const BlockingRules rules(profile, [&printer] { return LocalPrintingOnly(printer); });
    const ReasonCodes reasons = rules.DoubleSidedBlocked(devmode);
    const bool locked = (Number(devmode, FieldNamed("bLockedFeatures")) & kDoubleSidedLockBit) != 0;
    const bool usable = layoutAllows && !reasons.blocked() && !locked;
    const int tip = locked              ? kLayoutLockedTip
                    : reasons.blocked() ? reasons.codes().front()
                                        : kDoubleSidedLayoutTip;
    for (int i = 0; i < kDoubleSidedRadioCount; ++i)
        EnableWithTip(kFirstDoubleSidedId + i, usable, tip);
    EnableWithTip(kDoubleSidedPictureId, usable, tip);
    EnableControl(kDoubleSidedCaptionId, usable);
    const bool bound = index == 2 || index == 3;
    EnableWithTip(kReverseId, usable && bound, tip);
}

void COrientationDlg::RefreshPictures() {
    LayoutPictureState state;
    state.landscape = Checked(kLandscapeId);
    state.quarterTurns = QuarterTurns(RotationShown());
    state.mirror = Shown(kMirrorId) && Checked(kMirrorId);
    state.enabled = !IsReadOnly();
    m_orientationPicture.SetState(state);
    const int index = doubleSidedIndex();
    state.doubleSided = index >= 0 ? index : kNoDuplexIndex;
    state.reverse = Shown(kReverseId) && Checked(kReverseId);
    m_doubleSidedPicture.SetState(state);
}

void COrientationDlg::SaveControls() {
    CKxDialog::SaveControls();
    BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    const ModelProfile& profile = TheApp().profile;
    WriteNumber(devmode, FieldNamed("dmOrientation"),
                Checked(kLandscapeId) ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT);
    WriteNumber(devmode, FieldNamed("dmFields"), FieldBits(devmode) | DM_ORIENTATION);
    if (profile.LayoutRotate != 0)
        WriteNumber(devmode, FieldNamed("iRotate"), RotationShown());
    if (profile.LayoutMirror != 0 && Number(devmode, FieldNamed("iMirror")) >= 0)
        WriteNumber(devmode, FieldNamed("iMirror"), Checked(kMirrorId) ? 1 : 0);
    if (profile.LayoutDoubleSided != 0)
        SaveDoubleSided(devmode);
}

void COrientationDlg::SaveDoubleSided(BYTE* devmode) {
    const int index = doubleSidedIndex();
    if (index < 0)
        return;
    const DoubleSidedChoice& choice = kDoubleSidedChoices[static_cast<size_t>(index)];
    const DoubleSidedMode mode = doubleSidedMode();
    WriteNumber(devmode, mode.manual ? FieldNamed("iManualDuplex") : FieldNamed("iHardwareDuplex"),
                choice.privateValue);
    if ((FieldBits(devmode) & DM_DUPLEX) != 0)
        WriteNumber(devmode, FieldNamed("dmDuplex"), choice.publicValue);
    WriteNumber(devmode, FieldNamed("ReverseDuplex"), Checked(kReverseId) ? 1 : 0);
}

void COrientationDlg::Changed() {
    OnSettingChanged();
    RefreshPage();
}

BOOL COrientationDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (busy() || !Refreshed())
        return CKxDialog::OnCommand(wParam, lParam);
    if (code == BN_CLICKED) {
        switch (id) {
        case kOrientationPictureId:
            if (!IsReadOnly()) {
                const bool landscape = !Checked(kLandscapeId);
                Check(kLandscapeId, landscape);
                Check(kPortraitId, !landscape);
                Changed();
            }
            return TRUE;
        case kDoubleSidedPictureId:
            if (::IsWindowEnabled(GetDlgItem(kFirstDoubleSidedId + kNoDuplexIndex)) != FALSE) {
                const int next =
                    NextDoubleSidedIndex(std::max(doubleSidedIndex(), 0), doubleSidedMode());
                for (int i = 0; i < kDoubleSidedRadioCount; ++i)
                    Check(kFirstDoubleSidedId + i, i == next);
                Changed();
            }
            return TRUE;
        case kPortraitId:
        case kLandscapeId:
        case kRotate180Id:
        case kMirrorId:
        case kReverseId:
            Changed();
            return TRUE;
        case kMillimetreButtonId:
        case kInchButtonId: {
            const BOOL handled = CKxDialog::OnCommand(wParam, lParam);
            RefreshPage();
            return handled;
        }
        default:
            if (id >= kFirstDoubleSidedId && id < kFirstDoubleSidedId + kDoubleSidedRadioCount) {
                Changed();
                return TRUE;
            }
            break;
        }
    }
    if (code == CBN_SELCHANGE && id == kRotationListId) {
        OnRotationChosen(static_cast<WORD>(RotationShown()));
        Changed();
        return TRUE;
    }
    return CKxDialog::OnCommand(wParam, lParam);
}

} // namespace kx
