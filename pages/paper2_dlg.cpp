// The variant Paper page.
#include "pages/paper2_dlg.h"

#include "devmode/devmode_record.h"
#include "framework/kromaui_app.h"
#include "pages/paper_controls.h"
#include "pages/paper_values.h"
#include "platform/base/devmode_public.h"
#include "platform/controls/control_constants.h"
#include "platform/window/window_api.h"

namespace kx {
namespace {

bool TrayChoiceOffered() {
    return TheApp().profile.PaperTrayRadio != 0;
}

} // namespace

CPaper2Dlg::CPaper2Dlg(UINT templateId, std::u16string_view pageName, int pageIndex)
    : CPageDlg(templateId, pageName, pageIndex) {}

WORD CPaper2Dlg::ModelDefaultSource() {
    TextStore& settings = TheApp().settingsFile;
    const std::u16string saved = settings.section();
    settings.SelectSection(u"DEFAULTDEVMODE");
    const int32_t source = settings.ReadNumber(u"PaperSource", kAutomaticSource);
    settings.SelectSection(saved);
    return source >= 0 && source <= 0xFFFF ? static_cast<WORD>(source) : kAutomaticSource;
}

bool CPaper2Dlg::OffersAutomaticSource() const {
    return !TrayChoiceOffered();
}

void CPaper2Dlg::SetUpOwnRows() {
    const ModelProfile& profile = TheApp().profile;
    if (profile.PaperCollate == 0)
        Hide(kCollateId);
    if (!TrayChoiceOffered()) {
        Hide(kTrayAutomaticId);
        Hide(kTrayForcedId);
    }
    if (profile.PaperBannerSheet == 0)
        Hide(kBannerSheetId);
}

bool CPaper2Dlg::Forced() const {
    return !TrayChoiceOffered() || Checked(kTrayForcedId);
}

// With the automatic choice the list shows the tray the model picks by
// itself and cannot be used.
void CPaper2Dlg::ShowTrayChoice(bool forced) {
    Check(kTrayAutomaticId, !forced);
    Check(kTrayForcedId, forced);
    const bool locked =
        (ReadNumber(working(), FieldNamed("bLockedFeatures")) & kSourceLockBit) != 0;
    if (!locked)
        EnableControl(kPaperSourceListId, forced);
    if (forced)
        return;
    // The automatic source is not a tray the user can choose, but the list
    // shows it (greyed) when it is the tray the model picks.
    const WORD source = ModelDefaultSource();
    if (SelectExactly(m_source, source))
        return;
    for (const PrinterListEntry& entry : Lists().Sources(working(), TheApp().profile).entries) {
        if (entry.value == source) {
            m_source.SetCurSel(
                m_source.AddItem(entry.name, entry.value, Availability::Unavailable));
            return;
        }
    }
}

void CPaper2Dlg::RefreshControls() {
    CPageDlg::RefreshControls();
    const BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    const bool wasQuiet = m_quiet;
    m_quiet = true;
    RefreshCollate(devmode);
    if (TrayChoiceOffered())
        ShowTrayChoice(ReadNumber(devmode, FieldNamed("iForceTray")) > 0);
    Check(kBannerSheetId, ReadNumber(devmode, FieldNamed("iBannerSheet")) > 0);
    m_quiet = wasQuiet;
}

void CPaper2Dlg::SaveControls() {
    const bool automatic = TrayChoiceOffered() && !Forced();
    CPageDlg::SaveControls();
    BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    SaveCollate(devmode);
    if (TrayChoiceOffered()) {
        WriteNumber(devmode, FieldNamed("iForceTray"), automatic ? 0 : 1);
        if (automatic) {
            WriteNumber(devmode, FieldNamed("dmDefaultSource"), kAutomaticSource);
            WriteNumber(devmode, FieldNamed("sDefaultSource"), kAutomaticSource);
            WriteNumber(devmode, FieldNamed("dmFields"), FieldBits(devmode) | DM_DEFAULTSOURCE);
        }
    }
    if (Shown(kBannerSheetId) && ReadNumber(devmode, FieldNamed("iBannerSheet")) >= 0)
        WriteNumber(devmode, FieldNamed("iBannerSheet"), Checked(kBannerSheetId) ? 1 : 0);
}

BOOL CPaper2Dlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    if (!m_quiet && HIWORD(wParam) == BN_CLICKED &&
        (id == kTrayAutomaticId || id == kTrayForcedId || id == kCollateId ||
         id == kBannerSheetId)) {
        if (id == kTrayForcedId || id == kTrayAutomaticId) {
            ShowTrayChoice(id == kTrayForcedId);
            // A tray chosen again shows the record's own source, and the
            // automatic source the list showed is gone.
            if (const int automatic = m_source.FindValue(kAutomaticSource);
                id == kTrayForcedId && automatic >= 0)
                m_source.DeleteString(static_cast<UINT>(automatic));
            if (id == kTrayForcedId &&
                !SelectExactly(m_source, static_cast<WORD>(ReadNumber(
                                             working(), FieldNamed("dmDefaultSource")))) &&
                m_source.GetCount() > 0)
                m_source.SetCurSel(0);
        }
        OnSettingChanged();
        return TRUE;
    }
    return CPageDlg::OnCommand(wParam, lParam);
}

} // namespace kx
