// The Kroma CMS tab.
#include "pages/kroma_cms_dlg.h"

#include "devmode/devmode_record.h"
#include "devmode/devmode_set.h"
#include "devmode/reason_texts.h"
#include "framework/kromaui_app.h"
#include "framework/printer_texts.h"
#include "framework/value_list.h"
#include "pages/advanced_templates.h"
#include "platform/base/format.h"
#include "platform/controls/control_constants.h"
#include "platform/window/window_api.h"
#include "platform/window/window_constants.h"

#include <algorithm>

namespace kx {
namespace {

constexpr size_t kTextCapacity = 256;

} // namespace

CKromaCmsDlg::CKromaCmsDlg(BYTE* working, const BYTE* defaults, const BYTE* sheetStart,
                           DWORD sheetFlags)
    : CKxProperty(kKromaCmsTemplate, u"Kroma CMS", working, defaults, sheetStart, sheetFlags) {}

bool CKromaCmsDlg::ColourMode() const {
    return working() != nullptr && ReadNumber(working(), FieldNamed("iGrayMode")) != 0;
}

BOOL CKromaCmsDlg::OnInitDialog() {
    const BOOL result = CKxProperty::OnInitDialog();
    SetUpFineEdgeTrapping();
    SetUpChecks();
    return result;
}

void CKromaCmsDlg::SetUpFineEdgeTrapping() {
    const std::vector<int32_t>& listed = TheApp().profile.GraphicsFineEdgeTrapping;
    if (listed.empty()) {
        for (const int id : {kFineEdgeCaptionId, kFineEdgeListId})
            ::ShowWindow(GetDlgItem(id), SW_HIDE);
        return;
    }
    m_fineEdge.SubclassDlgItem(kFineEdgeListId, this);
    TextStore& strings = TheApp().stringFile;
    const std::vector<std::u16string> texts =
        LocalisedTexts(kFineEdgeTrapping, strings, u"Kroma CMS Dialog");
    // In the model's order, each listed value once.
    std::vector<int32_t> added;
    for (const int32_t value : listed) {
        const auto row = std::find_if(std::begin(kFineEdgeTrapping), std::end(kFineEdgeTrapping),
                                      [value](const ValueText& t) { return t.value == value; });
        if (row == std::end(kFineEdgeTrapping) ||
            std::find(added.begin(), added.end(), value) != added.end())
            continue;
        added.push_back(value);
        m_fineEdge.AddItem(texts[static_cast<size_t>(row - std::begin(kFineEdgeTrapping))],
                           static_cast<WORD>(value));
    }
}

void CKromaCmsDlg::SetUpChecks() {
    m_items = OfferedKromaItems(TheApp().profile);
    TextStore& strings = TheApp().stringFile;
    for (int n = 0; n < kMaxKromaItems; ++n) {
        const HWND check = GetDlgItem(kFirstKromaCheckId + n);
        if (check == nullptr)
            continue;
        if (static_cast<size_t>(n) >= m_items.size()) {
            ::ShowWindow(check, SW_HIDE);
            continue;
        }
        const int list = m_items[static_cast<size_t>(n)].list;
        strings.SelectSection(u"Kroma CMS Dialog");
        const std::u16string text =
            strings.ReadText(FormatText(u"GraphicsKromaCMS%d", {list}), kTextCapacity,
                             FormatText(u"Option %d", {list}));
        ::SetWindowTextW(check, text.c_str());
    }
}

void CKromaCmsDlg::RefreshControls() {
    CKxProperty::RefreshControls();
    const BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    if (m_fineEdge.GetSafeHwnd() != nullptr)
        (void)ShowValue(m_fineEdge,
                        static_cast<WORD>(ReadNumber(devmode, FieldNamed("jFineEdgeTrapping"))));
    const bool colour = ColourMode();
    for (size_t n = 0; n < m_items.size(); ++n) {
        const int id = kFirstKromaCheckId + static_cast<int>(n);
        const KromaItem& item = m_items[n];
        const std::optional<int> value =
            ReadKromaItem(devmode, colour ? item.colourCode : item.grayCode);
        ::CheckDlgButton(m_hWnd, id, value.value_or(0) != 0 ? BST_CHECKED : BST_UNCHECKED);
        const bool offered = value.has_value();
        ::EnableWindow(GetDlgItem(id), offered && !IsReadOnly() ? TRUE : FALSE);
        std::u16string tip;
        if (!offered)
            tip = ReasonText(colour ? kKromaColourTip : kKromaGrayTip, TheApp().profile,
                             PrinterTextsFor(PrinterNameFor(devmode)), devmode);
        ShowOptionTipText(GetDlgItem(id), tip, !offered, nullptr);
    }
}

void CKromaCmsDlg::SaveControls() {
    CKxProperty::SaveControls();
    BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    if (m_fineEdge.GetSafeHwnd() != nullptr) {
        if (const std::optional<WORD> value = m_fineEdge.SelectedValue())
            WriteNumber(devmode, FieldNamed("jFineEdgeTrapping"), *value);
    }
    const bool colour = ColourMode();
    for (size_t n = 0; n < m_items.size(); ++n) {
        const KromaItem& item = m_items[n];
        // An item the current mode lacks shows nothing the user could have set.
        if (!KromaCmsBits(colour ? item.colourCode : item.grayCode))
            continue;
        const int value =
            ::IsDlgButtonChecked(m_hWnd, kFirstKromaCheckId + static_cast<int>(n)) == BST_CHECKED
                ? 1
                : 0;
        WriteKromaItem(devmode, item.colourCode, value);
        WriteKromaItem(devmode, item.grayCode, value);
    }
}

BOOL CKromaCmsDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    const bool check = id >= kFirstKromaCheckId && id < kFirstKromaCheckId + kMaxKromaItems;
    if ((check && code == BN_CLICKED) || (id == kFineEdgeListId && code == CBN_SELCHANGE)) {
        OnSettingChanged();
        return TRUE;
    }
    return CKxProperty::OnCommand(wParam, lParam);
}

} // namespace kx
