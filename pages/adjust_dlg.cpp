// The colour-adjust sliders and the "Adjust Color" dialog.
#include "pages/adjust_dlg.h"

#include "framework/template_controls.h"
#include "pages/graphic_values.h"
#include "platform/base/format.h"
#include "platform/window/dialog_state.h"

#include <charconv>

namespace kx {
namespace {

constexpr std::u16string_view kAdjustHeader =
    u"DIALOGEX 0, 0, 290, 150\n"
    u"STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU\n"
    u"CAPTION \"Adjust Color\"\n"
    u"FONT 8, \"MS Shell Dlg\"\n"
    u"BEGIN\n";

constexpr TemplateControl kAdjustButtons[] = {
    {u"AUTOCHECKBOX", u"Automatic", kAdjustAutomaticId, 8, 112, 96, 10, u"WS_TABSTOP"},
    {u"PUSHBUTTON", u"Defaults", kAdjustDefaultsId, 8, 130, 50, 14, u"WS_TABSTOP"},
    {u"DEFPUSHBUTTON", u"OK", IDOK, 178, 130, 50, 14, u"WS_TABSTOP"},
    {u"PUSHBUTTON", u"Cancel", IDCANCEL, 232, 130, 50, 14, u"WS_TABSTOP"},
};

constexpr int kRowHeight = 17;
constexpr int kLongestNumber = 16;

} // namespace

int ShownAdjustValue(const BYTE* devmode, const AdjustSlider& slider) {
    if (devmode == nullptr)
        return kAdjustMiddle;
    return static_cast<int>(
        std::clamp<int64_t>(ReadNumber(devmode, *slider.field), kAdjustMin, kAdjustMax));
}

std::optional<TypedAdjustValue> ReadTypedAdjustValue(std::u16string_view text) {
    std::string narrow;
    for (const char16_t c : text) {
        if (c == u' ' && narrow.empty())
            continue;
        if (!(c == u'-' || (c >= u'0' && c <= u'9')) || narrow.size() >= kLongestNumber)
            return std::nullopt;
        narrow.push_back(static_cast<char>(c));
    }
    long long value = 0;
    const auto [end, error] = std::from_chars(narrow.data(), narrow.data() + narrow.size(), value);
    // A number too long for the field still says "above" or "below".
    if (error == std::errc::result_out_of_range)
        value = narrow.starts_with('-') ? kAdjustMin - 1 : kAdjustMax + 1;
    else if (error != std::errc{} || end != narrow.data() + narrow.size())
        return std::nullopt;
    const int clamped = static_cast<int>(std::clamp<long long>(value, kAdjustMin, kAdjustMax));
    return TypedAdjustValue{clamped, clamped != value};
}

void WriteAdjustValues(BYTE* devmode, const std::array<int, kAdjustSliderCount>& values) {
    for (size_t i = 0; i < kAdjustSliders.size(); ++i) {
        const AdjustSlider& slider = kAdjustSliders[i];
        const int value = std::clamp(values[i], kAdjustMin, kAdjustMax);
        WriteNumber(devmode, *slider.field, value);
        if (slider.complement != nullptr)
            WriteNumber(devmode, *slider.complement, kAdjustMax - value);
    }
}

int AdjustSliderTip(const BYTE* devmode, int slider) {
    if (devmode == nullptr)
        return 0;
    if (slider == kBrightnessSlider && ReadNumber(devmode, FieldNamed("jDrvTonerSave")) != 0)
        return kTonerSaveBrightnessTip;
    if (slider >= kFirstColourSlider && TheApp().profile.GraphicsColorMode != 0 &&
        ReadNumber(devmode, FieldNamed("iGrayMode")) == 0)
        return kColourSlidersTip;
    return 0;
}

std::u16string AdjustControlsScript(int left, int top) {
    const TemplateControl picture[] = {
        {u"CONTROL", {}, kAdjustPreviewId, left, top, 96, 96, u"SS_NOTIFY | WS_BORDER", u"Static"}};
    std::u16string script = TemplateControlsScript(picture);
    for (int i = 0; i < kAdjustSliderCount; ++i) {
        const int y = top + i * kRowHeight;
        const TemplateControl row[] = {
            {u"LTEXT", kAdjustSliders[static_cast<size_t>(i)].caption, kFirstAdjustCaptionId + i,
             left + 104, y + 3, 50, 8},
            {u"CONTROL",
             {},
             kFirstAdjustSliderId + i,
             left + 156,
             y,
             90,
             14,
             u"WS_TABSTOP",
             u"msctls_trackbar32"},
            {u"EDITTEXT", {}, kFirstAdjustEditId + i, left + 250, y, 24, 12, u"WS_TABSTOP"},
        };
        script += TemplateControlsScript(row);
    }
    return script;
}

CAdjustDlg::CAdjustDlg(const OpenerCopies& opener)
    : TAdjustDlg<CKxDialog>(kAdjustTemplate, u"Adjust Color", opener) {}

INT_PTR CAdjustDlg::Run() {
    RegisterDialogResource(TheApp().instance(), static_cast<WORD>(kAdjustTemplate),
                           std::u16string(kAdjustHeader) + AdjustControlsScript(8, 8) +
                               TemplateControlsScript(kAdjustButtons) + u"END\n");
    return DoModal();
}

BOOL CAdjustDlg::OnInitDialog() {
    const BOOL result = TAdjustDlg<CKxDialog>::OnInitDialog();
    SetUpAdjust();
    RefreshControls();
    return result;
}

void CAdjustDlg::RefreshControls() {
    TAdjustDlg<CKxDialog>::RefreshControls();
    RefreshAdjust();
}

void CAdjustDlg::SaveControls() {
    TAdjustDlg<CKxDialog>::SaveControls();
    SaveAdjust();
}

void CAdjustDlg::PutBackMiddles() {
    for (int i = 0; i < kAdjustSliderCount; ++i) {
        ::SendDlgItemMessageW(m_hWnd, kFirstAdjustSliderId + i, TBM_SETPOS, TRUE, kAdjustMiddle);
        ::SetDlgItemInt(m_hWnd, kFirstAdjustEditId + i, kAdjustMiddle, FALSE);
    }
    UpdateAdjustPreview();
}

BOOL CAdjustDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (OnAdjustCommand(id, code))
        return TRUE;
    if (id == kAdjustDefaultsId && code == BN_CLICKED) {
        PutBackMiddles();
        return TRUE;
    }
    return TAdjustDlg<CKxDialog>::OnCommand(wParam, lParam);
}

void CAdjustDlg::OnHScroll(UINT code, UINT position, HWND scrollBar) {
    if (OnAdjustScroll(scrollBar))
        return;
    TAdjustDlg<CKxDialog>::OnHScroll(code, position, scrollBar);
}

} // namespace kx
