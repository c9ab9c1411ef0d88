// CDecoDlg and CDeco2Dlg: the Deco page, where the stamp printed on every
// page is set up: its frame, font, colour, two-line note and date. The stamp
// lives only in the device mode.
#pragma once

#include "framework/color_combo.h"
#include "framework/face_combo_box.h"
#include "framework/kx_dialog.h"
#include "store/note_edit.h"

#include <string_view>

namespace kx {

enum DecoControl : int {
    kDecoTemplate = 3030,
    kDeco2Template = 3032,
    kFrameStyleId = 1085,
    kFrameStyleLabelId = 1257,
    kDecoStyleId = 1170,
    kDecoStyleLabelId = 1171,
    kDecoFaceId = 1084,
    kDecoFaceLabelId = 1056,
    kDecoColourId = 1017,
    kDecoColourLabelId = 1016,
    kDecoShadeId = 1018,
    kDecoShadeLabelId = 1019,
    kDecoNoteId = 1256,
    kDecoNoteLabelId = 1072,
    kDecoDateId = 1255,
    kDecoDateLabelId = 1258,
    kDecoNoteBorderId = 1270,
};

/// The characters of a note line and of the date.
constexpr int kNoteLineLimit = 10;
constexpr int kDateLimit = 32;
/// The reason code of the tip on a stamp the printer's output cannot take.
constexpr int kDecoUnavailableReason = 21;

/// Installs the page's controls into both Deco templates.
void InstallDecoPageControls();

/// Why a model's stamp cannot be set.
enum class StampBlock { None, Output, OfficeView };
/// Whether the stamp can be set for this printer on the active model: a
/// model of the office view keeps job-account and memory settings in the
/// stamp's bytes; a model that keeps a stamp file needs output that
/// reaches the printer (strictly).
StampBlock StampBlockFor(std::u16string_view printerName);

class CDecoDlg : public CKxDialog {
public:
    CDecoDlg(UINT templateId, std::u16string_view pageName, int pageIndex);

    void RefreshControls() override;
    /// Writes the stamp into the working copy (nothing when it cannot be set).
    void SaveControls() override;

    bool available() const { return m_block == StampBlock::None; }
    StampBlock block() const { return m_block; }

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void FrameChanged();
    void ShowBlock();
    int SelectedFrame() const;

    CKxComboBox m_frame;
    CKxComboBox m_style;
    CFaceComboBox m_faces;
    CColorCombo m_colour;
    CKxComboBox m_shade;
    CNoteEdit m_note;
    CEdit m_date;
    StampBlock m_block = StampBlock::None;
    bool m_colourModel = true;
    bool m_refreshing = false;
    bool m_set = false;
};

/// The same page on the larger template of high-scale models.
class CDeco2Dlg : public CDecoDlg {
public:
    using CDecoDlg::CDecoDlg;
};

} // namespace kx
