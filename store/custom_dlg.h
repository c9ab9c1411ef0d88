// CCustomDlg: the editor of the user's custom papers, a modal dialog opened
// from the Paper page on the sheet's working device mode.
#pragma once

#include "framework/kx_dialog.h"
#include "framework/kx_list_controls.h"
#include "framework/length_field.h"
#include "store/custom_paper.h"

#include <optional>

namespace kx {

/// The editor's template and its controls.
enum CustomPaperControl : int {
    kCustomPaperTemplate = 3003,
    kCustomPaperListId = 1107,
    kPaperNameId = 1202,
    kPaperWidthId = 1044,
    kPaperWidthSpinId = 1045,
    kPaperLengthId = 1042,
    kPaperLengthSpinId = 1043,
    kInchUnitId = 1350,
    kMillimetreUnitId = 1351,
    kPaperWidthLabelId = 1201,
    kPaperLengthLabelId = 1061,
    kAddPaperId = 1004,
    kUpdatePaperId = 1188,
    kDeletePaperId = 1033,
};

/// The most papers the editor's list holds.
constexpr int kMaxCustomPapers = 32;

/// Registers the editor's template with the module (again: a no-op change).
void RegisterCustomPaperTemplate(HINSTANCE instance);

/// Nothing reaches the store before OK; OK rewrites the whole list, applies
/// the selected paper to the working device mode and has the model profile
/// take the new papers into its lists.
class CCustomDlg : public CKxDialog {
public:
    CCustomDlg(HWND parent, BYTE* working, BYTE* defaults);

    bool AddAllowed() const;
    bool UpdateAllowed() const;
    bool DeleteAllowed() const;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnVScroll(UINT code, UINT position, HWND scrollBar) override;
    void OnDestroy() override;

private:
    CCustomPaper EditedPaper() const;
    LengthUnit ChosenUnit() const;
    const CCustomPaper* SelectedPaper() const;
    void ShowSelection();
    void ShowUnit(LengthUnit unit);
    void UpdateButtons();
    void Add();
    void Update();
    void Delete();
    void SelectionChanged();
    bool EditsPending() const { return AddAllowed() || UpdateAllowed(); }
    void RebuildProfilePapers();
    CLengthField* FieldOfEdit(int id);

    TKxClass<CListBox> m_list;
    CEdit m_name;
    CLengthField m_width;
    CLengthField m_length;
    int m_shown = -1; ///< the entry whose values the controls were last given
    bool m_showing = false;
    /// Whether OK applies the selected paper to the job: it opened on the
    /// job's own paper, or the user chose, added, updated or deleted one.
    bool m_paperChosen = false;
};

} // namespace kx
