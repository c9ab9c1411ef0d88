// The Deco page.
#include "store/deco_dlg.h"

#include "devmode/devmode_record.h"
#include "framework/font_style.h"
#include "framework/kromaui_app.h"
#include "framework/page_templates.h"
#include "framework/row_collapse.h"
#include "framework/value_list.h"
#include "platform/window/rect_api.h"
#include "platform/window/window_api.h"
#include "utilities/printer_reachability.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace kx {
namespace {

constexpr std::array<ValueText, 10> kFrameStyles = {{
    {u"(No Frame)", 0},
    {u"Text Only", 1},
    {u"Basic Style", 2},
    {u"Film Style", 3},
    {u"Modern Style", 4},
    {u"Present Style", 5},
    {u"Letter Style", 6},
    {u"Steel Style", 7},
    {u"Stripe Style", 8},
    {u"Wood Style", 9},
}};
constexpr WORD kLastListedFrame = 8;
constexpr WORD kOutOfRangeFrame = 9;

constexpr TemplateControl kPageControls[] = {
    {u"LTEXT", u"Frame", kFrameStyleLabelId, 108, 36, 30, 8},
    {u"COMBOBOX",
     {},
     kFrameStyleId,
     140,
     34,
     80,
     120,
     u"CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP"},
    {u"LTEXT", u"Font", kDecoFaceLabelId, 108, 48, 30, 8},
    {u"COMBOBOX", {}, kDecoFaceId, 140, 46, 80, 100, u"CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP"},
    {u"LTEXT", u"Style", kDecoStyleLabelId, 108, 60, 30, 8},
    {u"COMBOBOX", {}, kDecoStyleId, 140, 58, 80, 60, u"CBS_DROPDOWNLIST | WS_TABSTOP"},
    {u"LTEXT", u"Color", kDecoColourLabelId, 108, 72, 30, 8},
    {u"COMBOBOX",
     {},
     kDecoColourId,
     140,
     70,
     80,
     100,
     u"CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP"},
    {u"LTEXT", u"Shade", kDecoShadeLabelId, 108, 84, 30, 8},
    {u"COMBOBOX",
     {},
     kDecoShadeId,
     140,
     82,
     80,
     100,
     u"CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP"},
    {u"LTEXT", u"Note", kDecoNoteLabelId, 108, 96, 30, 8},
    {u"EDITTEXT",
     {},
     kDecoNoteId,
     140,
     94,
     80,
     22,
     u"ES_MULTILINE | ES_WANTRETURN | ES_AUTOHSCROLL | WS_TABSTOP"},
    {u"LTEXT", u"Date", kDecoDateLabelId, 108, 121, 30, 8},
    {u"EDITTEXT", {}, kDecoDateId, 140, 119, 80, 12, u"ES_AUTOHSCROLL | WS_TABSTOP"},
    {u"AUTOCHECKBOX", u"Border", kDecoNoteBorderId, 106, 107, 34, 10, u"WS_TABSTOP"},
};

// The controls an unavailable stamp disables; its tip goes on the labels.
constexpr std::array<int, 12> kStampControls = {
    kFrameStyleId,     kDecoStyleId,       kDecoFaceId,       kDecoColourId,
    kDecoShadeId,      kDecoNoteId,        kDecoDateId,       kDecoNoteBorderId,
    kDecoStyleLabelId, kDecoColourLabelId, kDecoShadeLabelId, kDecoDateLabelId};
constexpr std::array<int, 3> kTipControls = {kFrameStyleLabelId, kDecoNoteLabelId,
                                             kDecoFaceLabelId};

constexpr size_t kNoteCapacity = 256;
constexpr size_t kDateCapacity = 64;
constexpr size_t kTextCapacity = 512;
constexpr WORD kFirstColour = 1;

std::u16string TextOf(HWND window, size_t capacity) {
    std::u16string text(capacity + 1, u'\0');
    const int length = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(std::max(length, 0)));
    return text;
}

/// Fills a text field and zeros the rest of it.
void WriteFilled(BYTE* devmode, const DevmodeField& field, std::u16string_view text) {
    std::memset(devmode + field.offset, 0, field.width);
    WriteText(devmode, field, text);
}

} // namespace

void InstallDecoPageControls() {
    SetPageControls("CDecoDlg", kPageControls);
    SetPageControls("CDeco2Dlg", kPageControls);
}

StampBlock StampBlockFor(std::u16string_view printerName) {
    const ModelProfile& profile = TheApp().profile;
    if (profile.UsesOfficeView())
        return StampBlock::OfficeView;
    if (profile.CheckDecoFile != 0 && PrinterOutputReachable(printerName, Strictness::Strict) == 0)
        return StampBlock::Output;
    return StampBlock::None;
}

CDecoDlg::CDecoDlg(UINT templateId, std::u16string_view pageName, int pageIndex)
    : CKxDialog(templateId, pageName, pageIndex) {}

BOOL CDecoDlg::OnInitDialog() {
    const BOOL result = CKxDialog::OnInitDialog();
    CKROMAUIApp& app = TheApp();
    const std::u16string section = pageSection();
    m_frame.SubclassDlgItem(kFrameStyleId, this);
    FillValueList(m_frame, kFrameStyles, app.stringFile, section);
    m_style.SubclassDlgItem(kDecoStyleId, this);
    FillValueList(m_style, kFontStyles, app.stringFile, section);
    m_faces.SubclassDlgItem(kDecoFaceId, this);
    m_faces.Fill(m_hWnd);
    m_colour.SubclassDlgItem(kDecoColourId, this);
    m_colour.Fill(app.stringFile, section);
    m_shade.SubclassDlgItem(kDecoShadeId, this);
    FillValueList(m_shade, kShadeNames, app.stringFile, section);
    m_note.SubclassDlgItem(kDecoNoteId, this);
    m_date.SubclassDlgItem(kDecoDateId, this);
    m_date.LimitText(kDateLimit);
    m_colourModel = app.profile.GraphicsColorMode != 0;
    if (!m_colourModel)
        CollapseRow(m_hWnd, {kDecoColourLabelId, kDecoColourId});
    m_set = true;
    return result;
}

int CDecoDlg::SelectedFrame() const {
    return m_frame.SelectedValue().value_or(0);
}

void CDecoDlg::ShowBlock() {
    const bool open = available();
    for (const int id : kStampControls)
        EnableControl(id, open);
    std::u16string officeTip;
    if (m_block == StampBlock::OfficeView) {
        TextStore& strings = TheApp().stringFile;
        officeTip = strings.ReadTextIn(
            pageSection(), u"Office View Tip", kTextCapacity,
            u"This model keeps the job account settings where a stamp would be stored.");
    }
    for (const int id : kTipControls) {
        const HWND control = GetDlgItem(id);
        if (control == nullptr)
            continue;
        EnableControl(id, open);
        if (m_block == StampBlock::OfficeView)
            ShowOptionTipText(control, officeTip, true, nullptr);
        else
            ShowOptionTip(control, kDecoUnavailableReason, !open);
    }
}

void CDecoDlg::RefreshControls() {
    CKxDialog::RefreshControls();
    const BYTE* devmode = working();
    if (!m_set || devmode == nullptr)
        return;
    m_refreshing = true;
    m_note.SetLineLimit(kNoteLineLimit);
    m_block = StampBlockFor(PrinterName());
    ShowBlock();
    if (available()) {
        const int64_t stored = ReadNumber(devmode, FieldNamed("FrameStyle"));
        m_frame.SelectValue(stored >= 0 && stored <= kLastListedFrame ? static_cast<WORD>(stored)
                                                                      : kOutOfRangeFrame);
    } else {
        m_frame.SetCurSel(-1);
    }
    const FontStyle font{static_cast<int32_t>(ReadNumber(devmode, FieldNamed("lfDecoWeight"))),
                         ReadNumber(devmode, FieldNamed("lfDecoItalic")) != 0};
    m_style.SelectValue(StyleOf(font));
    const std::u16string face = ReadText(devmode, FieldNamed("DecoStrFaceName"));
    m_faces.SelectFace(face.empty() ? u"Arial" : face);
    const ColourChoice choice = CColorCombo::FindColour(
        static_cast<COLORREF>(ReadNumber(devmode, FieldNamed("DecoFontColor"))), m_colourModel);
    m_colour.SelectValue(static_cast<WORD>(choice.colour));
    m_shade.SelectValue(static_cast<WORD>(choice.shade));
    m_colour.SetShade(choice.shade);
    CheckDlgButton(m_hWnd, kDecoNoteBorderId,
                   ReadNumber(devmode, FieldNamed("iDecoNoteBorder")) > 0 ? BST_CHECKED
                                                                          : BST_UNCHECKED);
    FrameChanged();
    m_refreshing = false;
}

void CDecoDlg::FrameChanged() {
    const bool texts = available() && SelectedFrame() != 0;
    const bool wasRefreshing = m_refreshing;
    m_refreshing = true;
    if (texts && working() != nullptr) {
        m_note.SetNote(ReadText(working(), FieldNamed("StrDecoNote")).substr(0, kNoteCapacity));
        if (TextOf(m_date.m_hWnd, kDateCapacity).empty())
            m_date.SetWindowText(
                ReadText(working(), FieldNamed("StrDate")).substr(0, kDateCapacity));
    } else {
        m_note.SetNote(u"");
        m_date.SetWindowText(u"");
    }
    m_refreshing = wasRefreshing;
    EnableControl(kDecoNoteId, texts);
    EnableControl(kDecoDateId, texts);
    UpdatePreviews();
}

void CDecoDlg::SaveControls() {
    CKxDialog::SaveControls();
    BYTE* devmode = working();
    if (!m_set || devmode == nullptr || !available() || IsReadOnly())
        return;
    const int frame = SelectedFrame();
    WriteNumber(devmode, FieldNamed("FrameStyle"), frame);
    const FontStyle font = FontOfStyle(m_style.SelectedValue().value_or(0));
    WriteNumber(devmode, FieldNamed("lfDecoWeight"), font.weight);
    WriteNumber(devmode, FieldNamed("lfDecoItalic"), font.italic ? 1 : 0);
    WriteNumber(devmode, FieldNamed("DecoFontColor"),
                CColorCombo::ColourReference({m_colour.SelectedValue().value_or(kFirstColour),
                                              m_shade.SelectedValue().value_or(kMiddleShade)}));
    WriteFilled(devmode, FieldNamed("DecoStrFaceName"), m_faces.SelectedFace());
    // A negative border is another program's setting: it stays.
    if (ReadNumber(devmode, FieldNamed("iDecoNoteBorder")) >= 0)
        WriteNumber(devmode, FieldNamed("iDecoNoteBorder"),
                    IsDlgButtonChecked(m_hWnd, kDecoNoteBorderId) == BST_CHECKED ? 1 : 0);
    if (frame != 0) {
        WriteFilled(devmode, FieldNamed("StrDecoNote"), TextOf(m_note.m_hWnd, kNoteCapacity));
        WriteFilled(devmode, FieldNamed("StrDate"), TextOf(m_date.m_hWnd, kDateCapacity));
    }
}

BOOL CDecoDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const WORD code = HIWORD(wParam);
    if (m_refreshing || !m_set)
        return CKxDialog::OnCommand(wParam, lParam);
    if (code == CBN_SELCHANGE) {
        switch (id) {
        case kFrameStyleId:
            FrameChanged();
            OnSettingChanged();
            return TRUE;
        case kDecoShadeId:
            m_colour.SetShade(m_shade.SelectedValue().value_or(kMiddleShade));
            [[fallthrough]];
        case kDecoStyleId:
        case kDecoFaceId:
        case kDecoColourId:
            OnSettingChanged();
            return TRUE;
        default:
            break;
        }
    }
    if (code == EN_CHANGE && (id == kDecoNoteId || id == kDecoDateId)) {
        OnSettingChanged();
        return TRUE;
    }
    if (code == BN_CLICKED && id == kDecoNoteBorderId) {
        OnSettingChanged();
        return TRUE;
    }
    return CKxDialog::OnCommand(wParam, lParam);
}

} // namespace kx
