// COverlayDlg: the overlay editor, a modal dialog opened from the page that
// selects the overlay, or a page of the property sheet. It lists the
// overlay files of the job's printer language, creates and loads them
// through the file dialogs, and deletes a removed overlay's file only when
// its changes are committed.
#pragma once

#include "framework/kx_dialog.h"
#include "framework/kx_list_controls.h"
#include "store/over_lay.h"
#include "store/overlay_deletion.h"

namespace kx {

enum OverlayControl : int {
    kOverlayDialogTemplate = 3009,
    kOverlayPageTemplate = 3021,
    kOverlayListId = 1102,
    kOverlayListLabelId = 1103,
    kQueryOverlayId = 1021,
    kOverlayDescriptionId = 1168,
    kCreateOverlayId = 1025,
    kLoadOverlayId = 1070,
    kDeleteOverlayId = 1033,
    kDeleteCreatedOverlayId = 1015,
};

/// The reason code of the tip on overlays a network printer cannot take.
constexpr int kOverlayUnavailableReason = 16;

/// The editor's modes, the values of ovrLoadCreate.
enum class OverlayMode : int16_t { None = 0, Use = 1, Create = 2 };

void RegisterOverlayDialogTemplate(HINSTANCE instance);
void InstallOverlayPageControls();

/// Overlays can be chosen unless printing is restricted to local features.
bool OverlaysAvailable(std::u16string_view printerName);

class COverlayDlg : public CKxDialog {
public:
    COverlayDlg(UINT templateId, std::u16string_view pageName, int pageIndex);
    explicit COverlayDlg(const OpenerCopies& opener);

    void RefreshControls() override;
    void SaveControls() override;
    PageResult ApplyPage() override;

    OverlayMode mode() const { return m_mode; }
    const COverlayDeletions& deletions() const { return m_deletions; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnDestroy() override;

private:
    bool IsDialog() const { return kind() == -1; }
    void OpenList();
    void SelectionRefresh();
    void OpenFile(OverlayMode mode);
    void Delete();
    void WriteMode();
    const COverLay* SelectedOverlay() const;
    bool SelectedIsValid() const;
    std::u16string PageText(std::u16string_view key) const;

    TKxClass<CListBox> m_list;
    COverlayDeletions m_deletions;
    OverlayMode m_mode = OverlayMode::None;
    bool m_available = true;
    bool m_opened = false;
};

} // namespace kx
