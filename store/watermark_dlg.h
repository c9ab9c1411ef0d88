// CWatermarkDlg: the watermark editor, a modal dialog opened from the page
// that selects a watermark, or a page of the property sheet.
#pragma once

#include "framework/color_combo.h"
#include "framework/face_combo_box.h"
#include "framework/kx_dialog.h"
#include "framework/kx_list_controls.h"
#include "framework/number_field.h"
#include "store/water_mark.h"
#include "store/water_preview.h"

namespace kx {

/// The editor's templates and its controls.
enum WatermarkControl : int {
    kWatermarkDialogTemplate = 3013,
    kWatermarkPageTemplate = 3018,
    kWatermarkListId = 1199,
    kWatermarkListLabelId = 1200,
    kWatermarkTextId = 1081,
    kWatermarkTextLabelId = 1072,
    kWatermarkFaceId = 1084,
    kWatermarkFaceLabelId = 1056,
    kWatermarkStyleId = 1170,
    kWatermarkStyleLabelId = 1171,
    kWatermarkColourId = 1017,
    kWatermarkColourLabelId = 1016,
    kWatermarkShadeId = 1018,
    kWatermarkShadeLabelId = 1019,
    kWatermarkSizeId = 1162,
    kWatermarkSizeSpinId = 1163,
    kWatermarkSizeLabelId = 1161,
    kWatermarkAngleGroupId = 1008,
    kAngleZeroId = 1009,
    kAngleNinetyId = 1010,
    kAngleCustomId = 1011,
    kCustomAngleId = 1012,
    kCustomAngleSpinId = 1013,
    kFirstPageOnlyId = 1082,
    kWatermarkPreviewId = 1130,
    kAddWatermarkId = 1004,
    kUpdateWatermarkId = 1188,
    kDeleteWatermarkId = 1033,
};

/// The most entries the list holds before adding (the placeholder counts).
constexpr int kMaxWatermarkEntries = 32;
/// The reason code of the tip on an unavailable watermark.
constexpr int kWatermarkUnavailableReason = 20;

/// Registers the modal editor's template with the module.
void RegisterWatermarkDialogTemplate(HINSTANCE instance);
/// Installs the page guise's controls into its page template.
void InstallWatermarkPageControls();

/// Watermarks can print on this printer: a model that keeps a watermark
/// file needs output that reaches the printer (strictly).
bool WatermarksAvailable(std::u16string_view printerName);

class CWatermarkDlg : public CKxDialog {
public:
    /// The page of the property sheet.
    CWatermarkDlg(UINT templateId, std::u16string_view pageName, int pageIndex);
    /// The modal editor on the opener's copies.
    explicit CWatermarkDlg(const OpenerCopies& opener);

    void RefreshControls() override;
    /// Leaving the page commits its edits (see QueryLeavePage).
    void SaveControls() override;
    LeavePage QueryLeavePage() override;
    PageResult ApplyPage() override;

    bool AddAllowed() const;
    bool UpdateAllowed() const;
    bool DeleteAllowed() const;
    bool available() const { return m_available; }
    /// The watermark the controls hold.
    CWaterMark EditedWatermark() const;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnDestroy() override;

private:
    bool IsDialog() const { return kind() == -1; }
    void SetUpControls();
    void OpenList();
    void ShowSelection();
    void ShowEmpty();
    void ShowAngle(int angle);
    void UpdateButtons();
    void UpdatePreview();
    void Add();
    void Update();
    void Delete();
    void SelectionChanged();
    void Commit();
    bool EditsPending() const { return AddAllowed() || UpdateAllowed(); }
    const CWaterMark* SelectedWatermark() const;
    void EnableEditing(bool enable);

    TKxClass<CListBox> m_list;
    CEdit m_text;
    CFaceComboBox m_faces;
    CKxComboBox m_style;
    CColorCombo m_colour;
    CKxComboBox m_shade;
    CNumberField m_size;
    CNumberField m_angle;
    CWaterPreview m_preview;
    bool m_colourModel = true;
    bool m_available = true;
    bool m_showing = false;
    bool m_opened = false;
    int m_shown = -1;
};

} // namespace kx
