// The value-list combo box: values in the entries' data, unavailable
// entries, clamping of values that the list lacks, and the drawing of
// entries.
#include "framework/kx_combo_box.h"

#include "platform/controls/classic_look.h"
#include "platform/gdi/gdi.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace kx {
namespace {

// An entry's data: the value in the low word, the unavailable mark above it.
constexpr DWORD_PTR kValueMask = 0xFFFF;
constexpr DWORD_PTR kUnavailableMark = 0x10000;

DWORD_PTR EntryData(WORD value, Availability availability) {
    return value | (availability == Availability::Unavailable ? kUnavailableMark : 0);
}

// Messages after which the program's selection is the one to fall back to.
constexpr UINT kSelectionSetters[] = {CB_SETCURSEL, CB_SELECTSTRING, CB_RESETCONTENT,
                                      CB_ADDSTRING, CB_INSERTSTRING, CB_DELETESTRING};

struct KeyStep {
    UINT key;
    int step;
    bool fromEnd; ///< searches from beyond an end of the list
};
constexpr KeyStep kKeySteps[] = {
    {VK_DOWN, +1, false}, {VK_UP, -1, false}, {VK_HOME, +1, true}, {VK_END, -1, true}};

} // namespace

int CKxComboBox::AddItem(std::u16string_view text, WORD value, Availability availability) {
    const int index = AddString(text);
    if (index >= 0)
        SetItemData(index, EntryData(value, availability));
    return index;
}

std::vector<ValueEntry> CKxComboBox::Entries() const {
    std::vector<ValueEntry> entries;
    const int count = GetCount();
    entries.reserve(static_cast<size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        const DWORD_PTR data = GetItemData(i);
        entries.push_back({static_cast<WORD>(data & kValueMask), (data & kUnavailableMark) == 0});
    }
    return entries;
}

int CKxComboBox::PositionForValue(std::span<const ValueEntry> entries, WORD value) {
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].value == value)
            return static_cast<int>(i);
    }
    // Clamp among the available entries; a list without any falls back to
    // all of them, so a value is always shown.
    const bool anyAvailable = std::any_of(entries.begin(), entries.end(),
                                          [](const ValueEntry& e) { return e.available; });
    int best = -1;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (anyAvailable && !entries[i].available)
            continue;
        if (best < 0) {
            best = static_cast<int>(i);
            continue;
        }
        const int distance = std::abs(entries[i].value - value);
        const int bestDistance = std::abs(entries[static_cast<size_t>(best)].value - value);
        if (distance < bestDistance ||
            (distance == bestDistance &&
             entries[i].value < entries[static_cast<size_t>(best)].value))
            best = static_cast<int>(i);
    }
    return best;
}

int CKxComboBox::NextAvailable(std::span<const ValueEntry> entries, int from, int step) {
    const auto count = static_cast<int>(entries.size());
    for (int i = from + step; i >= 0 && i < count; i += step) {
        if (entries[static_cast<size_t>(i)].available)
            return i;
    }
    return -1;
}

int CKxComboBox::SelectValue(WORD value) {
    const int position = PositionForValue(Entries(), value);
    SetCurSel(position);
    return position;
}

std::optional<WORD> CKxComboBox::ValueAt(int index) const {
    if (index < 0 || index >= GetCount())
        return std::nullopt;
    return static_cast<WORD>(GetItemData(index) & kValueMask);
}

std::optional<WORD> CKxComboBox::SelectedValue() const {
    return ValueAt(GetCurSel());
}

int CKxComboBox::FindValue(WORD value) const {
    const auto entries = Entries();
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].value == value)
            return static_cast<int>(i);
    }
    return -1;
}

void CKxComboBox::SetAvailability(int index, Availability availability) {
    if (const auto value = ValueAt(index))
        SetItemData(index, EntryData(*value, availability));
}

void CKxComboBox::SetValueAvailability(WORD value, Availability availability) {
    const auto entries = Entries();
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].value == value)
            SetItemData(static_cast<int>(i), EntryData(value, availability));
    }
}

bool CKxComboBox::IsAvailable(int index) const {
    return index >= 0 && index < GetCount() && (GetItemData(index) & kUnavailableMark) == 0;
}

LRESULT CKxComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN && MoveOverUnavailable(static_cast<UINT>(wParam)))
        return 0;
    const LRESULT result = TKxClass<CComboBox>::WindowProc(message, wParam, lParam);
    if (m_hWnd && std::find(std::begin(kSelectionSetters), std::end(kSelectionSetters), message) !=
                      std::end(kSelectionSetters))
        m_accepted = GetCurSel();
    return result;
}

// The arrow keys and Home/End step over unavailable entries instead of
// landing on one that would then be refused.
bool CKxComboBox::MoveOverUnavailable(UINT key) {
    const auto* keyStep = std::find_if(std::begin(kKeySteps), std::end(kKeySteps),
                                       [key](const KeyStep& k) { return k.key == key; });
    if (keyStep == std::end(kKeySteps))
        return false;
    const auto entries = Entries();
    const int from = keyStep->fromEnd ? (keyStep->step > 0 ? -1 : static_cast<int>(entries.size()))
                                      : GetCurSel();
    const int target = NextAvailable(entries, from, keyStep->step);
    if (target < 0 || target == GetCurSel())
        return true;
    SetCurSel(target);
    if (const HWND parent = GetParent())
        ::SendMessageW(parent, WM_COMMAND,
                       MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID()), CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(m_hWnd));
    return true;
}

// A choice from the open list is reported twice: CBN_SELENDOK while the list
// is still open, CBN_SELCHANGE once it is closed. A refused choice is undone
// at the first; the second, which then reports the undone state, is
// swallowed too. A keyboard step reports only CBN_SELCHANGE.
bool CKxComboBox::RefuseChoice(WORD code) {
    const int chosen = GetCurSel();
    if (code == CBN_DROPDOWN) {
        m_refusedWhileOpen = false;
        return false;
    }
    if (code == CBN_SELENDOK) {
        if (IsAvailable(chosen) || chosen == m_accepted)
            return false;
        SetCurSel(m_accepted);
        m_refusedWhileOpen = true;
        return true;
    }
    const bool undoneWhileOpen = std::exchange(m_refusedWhileOpen, false);
    if (undoneWhileOpen && chosen == m_accepted)
        return true;
    if (!IsAvailable(chosen) && chosen != m_accepted) {
        SetCurSel(m_accepted);
        return true;
    }
    m_accepted = chosen;
    return false;
}

bool CKxComboBox::ReflectFromParent(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == WM_COMMAND) {
        const WORD code = HIWORD(wParam);
        if (code != CBN_SELENDOK && code != CBN_SELCHANGE && code != CBN_DROPDOWN)
            return false;
        auto* box =
            dynamic_cast<CKxComboBox*>(CWnd::FromHandlePermanent(reinterpret_cast<HWND>(lParam)));
        if (!box || !box->RefuseChoice(code))
            return false;
        *result = 0;
        return true;
    }
    if (message == WM_DRAWITEM) {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (!item || item->CtlType != ODT_COMBOBOX)
            return false;
        auto* box = dynamic_cast<CKxComboBox*>(CWnd::FromHandlePermanent(item->hwndItem));
        if (!box)
            return false;
        box->DrawItem(*item);
        *result = TRUE;
        return true;
    }
    return false;
}

int CKxComboBox::DrawEntryPicture(HDC, const RECT&, int, bool) {
    return 0;
}

void CKxComboBox::DrawItem(const DRAWITEMSTRUCT& item) {
    const HDC dc = item.hDC;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const int index = static_cast<int>(item.itemID);
    FillRect(dc, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (index >= 0 && index < GetCount()) {
        const bool greyed =
            !IsAvailable(index) || (item.itemState & ODS_DISABLED) || !IsWindowEnabled();
        const HGDIOBJ oldFont = SelectObject(dc, ControlFont(m_hWnd));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(greyed     ? COLOR_GRAYTEXT
                                     : selected ? COLOR_HIGHLIGHTTEXT
                                                : COLOR_WINDOWTEXT));
        RECT text = item.rcItem;
        text.left += 2 + DrawEntryPicture(dc, item.rcItem, index, greyed);
        const std::u16string label = GetLBText(index);
        DrawTextW(dc, label.c_str(), static_cast<int>(label.size()), &text,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        SelectObject(dc, oldFont);
    }
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(dc, &item.rcItem);
}

} // namespace kx
