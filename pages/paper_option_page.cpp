// The tabs of the advanced paper options: shared parts and templates.
#include "pages/paper_option_page.h"

#include "devmode/devmode_set.h"
#include "devmode/reason_texts.h"
#include "framework/kromaui_app.h"
#include "framework/printer_texts.h"
#include "framework/template_controls.h"
#include "platform/window/dialog_state.h"
#include "platform/window/window_api.h"
#include "platform/window/window_constants.h"

#include <array>

namespace kx {
namespace {

constexpr size_t kTextCapacity = 512;
constexpr std::u16string_view kPageStyle = u"DS_SETFONT | WS_CHILD | WS_CAPTION";
constexpr std::u16string_view kList = u"CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | "
                                      u"WS_VSCROLL | WS_TABSTOP";

std::u16string Header(std::u16string_view caption) {
    return u"DIALOGEX 0, 0, 212, 148\nSTYLE " + std::u16string(kPageStyle) + u"\nCAPTION \"" +
           std::u16string(caption) + u"\"\nFONT 8, \"MS Shell Dlg\"\nBEGIN\n";
}

constexpr TemplateControl Label(std::u16string_view text, int id, int x, int y) {
    return {u"LTEXT", text, id, x, y + 2, 56, 8};
}
constexpr TemplateControl List(int id, int x, int y) {
    return {u"COMBOBOX", {}, id, x, y, 120, 90, kList};
}

constexpr TemplateControl kFirstLastControls[] = {
    {u"GROUPBOX", u"First Page", kFirstPageGroupId, 6, 6, 200, 44},
    Label(u"&Source:", kFirstSourceLabelId, 14, 18),
    List(kFirstSourceListId, 76, 18),
    Label(u"&Type:", kFirstTypeLabelId, 14, 32),
    List(kFirstTypeListId, 76, 32),
    {u"GROUPBOX", u"Last Page", kLastPageGroupId, 6, 56, 200, 44},
    Label(u"S&ource:", kLastSourceLabelId, 14, 68),
    List(kLastSourceListId, 76, 68),
    Label(u"T&ype:", kLastTypeLabelId, 14, 82),
    List(kLastTypeListId, 76, 82),
};

constexpr int CoverId(int group, int offset) {
    return kFirstCoverGroupId + group * kCoverGroupStride + offset;
}

constexpr std::array<TemplateControl, 9> CoverGroup(int group, int top,
                                                    std::u16string_view caption) {
    return {{
        {u"GROUPBOX", caption, CoverId(group, kCoverGroup), 6, top, 200, 72},
        Label(u"Cover &Option:", CoverId(group, kCoverOptionLabel), 14, top + 12),
        List(CoverId(group, kCoverOptionList), 76, top + 12),
        Label(u"Paper Si&ze:", CoverId(group, kCoverSizeLabel), 14, top + 26),
        List(CoverId(group, kCoverSizeList), 76, top + 26),
        Label(u"Paper &Source:", CoverId(group, kCoverSourceLabel), 14, top + 40),
        List(CoverId(group, kCoverSourceList), 76, top + 40),
        Label(u"Paper &Type:", CoverId(group, kCoverTypeLabel), 14, top + 54),
        List(CoverId(group, kCoverTypeList), 76, top + 54),
    }};
}

constexpr TemplateControl kKindControls[] = {
    Label(u"&Covers:", kCoverKindLabelId, 14, 8),
    List(kCoverKindListId, 76, 8),
};

constexpr TemplateControl kTransparencyControls[] = {
    Label(u"&Separator:", kTransparencyKindLabelId, 14, 12),
    List(kTransparencyKindListId, 76, 12),
    Label(u"Separator S&ource:", kTransparencySourceLabelId, 14, 30),
    List(kTransparencySourceListId, 76, 30),
};

} // namespace

void RegisterPaperOptionTemplates() {
    const HINSTANCE instance = TheApp().instance();
    RegisterDialogResource(instance, kFirstLastPageTemplate,
                           Header(u"Page") + TemplateControlsScript(kFirstLastControls) + u"END\n");
    // The two-group tab: the front cover, then the back or front-and-back.
    RegisterDialogResource(
        instance, kCoverTemplate,
        Header(u"Cover") + TemplateControlsScript(CoverGroup(0, 6, u"Front Cover")) +
            TemplateControlsScript(CoverGroup(1, 72 + 12, u"Back Cover")) + u"END\n");
    // The three-kind tab: the selector, and the three groups in one place.
    std::u16string ex = Header(u"Cover") + TemplateControlsScript(kKindControls);
    ex += TemplateControlsScript(CoverGroup(0, 28, u"Front Cover"));
    ex += TemplateControlsScript(CoverGroup(1, 28, u"Back Cover"));
    ex += TemplateControlsScript(CoverGroup(2, 28, u"Front and Back Cover"));
    RegisterDialogResource(instance, kCoverExTemplate, ex + u"END\n");
    RegisterDialogResource(instance, kTransparencySepTemplate,
                           Header(u"Transparency Separator") +
                               TemplateControlsScript(kTransparencyControls) + u"END\n");
}

CPrinterLists& CPaperOptionPage::Lists() {
    return SheetPrinterLists(working(), PrinterNameFor(working()));
}

void CPaperOptionPage::Hide(int id) {
    if (const HWND control = GetDlgItem(id))
        ::ShowWindow(control, SW_HIDE);
}

bool CPaperOptionPage::Shown(int id) const {
    const HWND control = GetDlgItem(id);
    return control != nullptr && (::GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

void CPaperOptionPage::EnableWithTip(int id, bool enable, int reason) {
    const HWND control = GetDlgItem(id);
    if (control == nullptr)
        return;
    ::EnableWindow(control, enable && !IsReadOnly() ? TRUE : FALSE);
    std::u16string text;
    if (!enable && working() != nullptr)
        text = ReasonText(reason, TheApp().profile, PrinterTextsFor(PrinterNameFor(working())),
                          working());
    ShowOptionTipText(control, text, !enable, nullptr);
}

void CPaperOptionPage::FillSources(CIconComboBox& box, bool leadingNone) {
    const PrinterList sources = Lists().Sources(working(), TheApp().profile);
    box.ResetContent();
    if (leadingNone)
        box.AddItem(PageText(u"None"), 0);
    for (const PrinterListEntry& entry : sources.entries)
        box.AddItem(entry.name, entry.value);
}

void CPaperOptionPage::SelectExactly(CKxComboBox& box, int64_t value) {
    box.SetCurSel(value >= 0 && value <= 0xFFFF ? box.FindValue(static_cast<WORD>(value)) : -1);
}

std::u16string CPaperOptionPage::PageText(std::u16string_view key) {
    TextStore& strings = TheApp().stringFile;
    const std::u16string saved = strings.section();
    strings.SelectSection(u"Advanced Paper Options Dialog");
    std::u16string text = strings.ReadText(key, kTextCapacity, key);
    strings.SelectSection(saved);
    return text;
}

} // namespace kx
