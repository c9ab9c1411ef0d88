// The favourites controls: filling and matching, the buttons, choosing,
// saving, renaming and deleting favourites.
#include "framework/favourites_box.h"

#include "devmode/devmode_merge.h"
#include "devmode/devmode_record.h"
#include "devmode/devmode_set.h"
#include "framework/item_texts.h"
#include "framework/kx_dialog.h"
#include "framework/page_messages.h"
#include "platform/controls/control_constants.h"

#include <array>
#include <cstring>

namespace kx {
namespace {

// The edit field of a combo box with one.
constexpr int kComboEditId = 1001;

// The favourites live in the string file's default section.
constexpr std::u16string_view kFavouritesSection = u"";

} // namespace

bool CFavouritesBox::Attach(FavouriteButtons buttons) {
    if (m_page.GetDlgItem(kFavouritesBoxId) == nullptr)
        return false;
    m_box.m_kind = kFavouritesKind;
    if (!m_box.SubclassDlgItem(kFavouritesBoxId, &m_page))
        return false;
    m_box.LimitText(kFavouritesBoxTextLimit);
    m_buttons = buttons;
    const std::array<std::pair<CButton*, int>, 3> kButtons = {{{&m_save, kFavouriteSaveId},
                                                               {&m_rename, kFavouriteRenameId},
                                                               {&m_delete, kFavouriteDeleteId}}};
    for (const auto& [button, id] : kButtons) {
        if (m_page.GetDlgItem(id) != nullptr)
            button->Attach(m_page.GetDlgItem(id));
    }
    if (m_buttons == FavouriteButtons::Hidden)
        ShowButton(0);
    return true;
}

void CFavouritesBox::Refresh(Refill refill) {
    if (!attached() || m_page.working() == nullptr)
        return;
    DevmodeSetTable& sets = DevmodeSetTable::Instance();
    // Every save drops the sheet's favourites cache, and every fill sizes it
    // anew: an unchanged generation means the list still shows the store.
    const bool storeChanged = m_filledFrom != sets.FavouriteCacheGeneration(m_page.working());
    if (refill == Refill::Yes && !m_applying && storeChanged) {
        m_box.Clear();
        m_box.Fill(m_page.working());
        m_box.AddPlaceholder();
        m_filledFrom = sets.FavouriteCacheGeneration(m_page.working());
    }
    SelectMatching();
    UpdateButtons(false);
}

void CFavouritesBox::ShowMatch() {
    if (!attached() || m_page.working() == nullptr || m_applying)
        return;
    SelectMatching();
    UpdateButtons(false);
}

void CFavouritesBox::SelectMatching() {
    const BYTE* working = m_page.working();
    const int count = m_box.GetCount();
    int match = -1;
    for (int i = 0; i < count && match < 0; ++i) {
        const CCustomData* item = m_box.ItemAt(i);
        if (item != nullptr && item->IsSelectedIn(working))
            match = i;
    }
    const BYTE* defaults = m_page.defaults();
    if (match < 0 && count > 0 && defaults != nullptr &&
        CompareDevmodes(working, defaults, nullptr, Configuration::Ignore) == 0)
        match = 0;
    // Selecting again rewrites the edit field: only a new selection does.
    if (match != m_box.GetCurSel())
        m_box.SetCurSel(match);
}

bool CFavouritesBox::PrinterDefaultSelected() const {
    const CCustomData* item = m_box.SelectedItem();
    return m_box.GetCurSel() == 0 && item != nullptr && !item->IsValid(nullptr);
}

std::u16string CFavouritesBox::EditText() const {
    return m_box.GetWindowText();
}

void CFavouritesBox::UpdateButtons(bool edited) {
    if (const CCustomData* selected = m_box.SelectedItem()) {
        m_hasCurrent = selected->IsValid(nullptr);
        m_currentName = selected->GetName();
    }
    const bool hasSelection = m_box.GetCurSel() >= 0;
    bool nameChanged = false;
    if (edited) {
        nameChanged = m_hasCurrent && EditText() != m_currentName;
    } else if (!hasSelection) {
        if (EditText() != UntitledText())
            m_box.SetWindowText(UntitledText());
        m_hasCurrent = false;
        m_currentName.clear();
    }
    if (const HWND edit = ::GetDlgItem(m_box.m_hWnd, kComboEditId))
        ::SendMessageW(edit, EM_SETREADONLY, PrinterDefaultSelected() ? TRUE : FALSE, 0);
    if (m_buttons == FavouriteButtons::Hidden)
        return;
    const int shown = hasSelection && !edited ? kFavouriteDeleteId
                      : nameChanged           ? kFavouriteRenameId
                                              : kFavouriteSaveId;
    ShowButton(shown);
    const CCustomData* selected = m_box.SelectedItem();
    const bool deletable = selected != nullptr && selected->IsValid(nullptr);
    m_page.EnableControl(kFavouriteDeleteId, deletable);
    m_page.EnableControl(kFavouriteSaveId, m_box.GetCount() <= kMostFavouriteEntries);
    m_page.EnableControl(kFavouriteRenameId, true);
}

void CFavouritesBox::ShowButton(int shown) {
    for (CButton* button : {&m_save, &m_rename, &m_delete}) {
        if (button->m_hWnd != nullptr)
            button->ShowWindow(button->GetDlgCtrlID() == shown ? SW_SHOW : SW_HIDE);
    }
}

bool CFavouritesBox::OnCommand(int id, WORD code) {
    switch (id) {
    case kFavouritesBoxId:
        if (code == CBN_SELCHANGE)
            ChooseSelected();
        else if (code == CBN_EDITCHANGE)
            UpdateButtons(true);
        return true;
    case kFavouriteSaveId:
    case kFavouriteRenameId:
    case kFavouriteDeleteId:
        if (code != BN_CLICKED || m_buttons == FavouriteButtons::Hidden)
            return true;
        if (id == kFavouriteSaveId)
            Save();
        else if (id == kFavouriteRenameId)
            SaveUnderEditedName();
        else
            Delete();
        return true;
    default:
        return false;
    }
}

void CFavouritesBox::ChooseSelected() {
    BYTE* working = m_page.working();
    const BYTE* defaults = m_page.defaults();
    const CCustomData* item = m_box.SelectedItem();
    DevmodeBuffer settings = AllocateDevmode();
    if (working == nullptr || defaults == nullptr || item == nullptr || !settings)
        return;
    if (item->IsValid(nullptr))
        item->ApplyTo(settings.get());
    else
        std::memcpy(settings.get(), defaults, kDevmodeSize);
    m_applying = true;
    m_page.ApplyFavouriteSettings(settings.get());
    m_applying = false;
    UpdateButtons(false);
}

bool CFavouritesBox::AddCurrentSettings() {
    const std::u16string name = EditText();
    if (!IsSavableFavouriteName(name)) {
        m_page.ShowMessage(kNameRequired, kFavouritesSection);
        return false;
    }
    const int existing = m_box.FindByName(name, 0);
    if (existing > 0) {
        if (m_page.ShowMessage(kFavouriteNameExists, kFavouritesSection) != IDYES)
            return false;
        m_box.DeleteEntry(existing);
    }
    m_page.SaveControls();
    std::unique_ptr<CCustomData> favourite = m_box.CreateItem(-1, nullptr);
    if (!favourite || !favourite->TakeSettings(name, m_page.working()))
        return false;
    const int added = m_box.AddItem(std::move(favourite));
    if (added < 0)
        return false;
    m_box.SetCurSel(added);
    return true;
}

// A save that stopped (no name, or the user kept the existing favourite)
// leaves the list and the typed name as they were.
void CFavouritesBox::Save() {
    if (!AddCurrentSettings())
        return;
    WriteList();
    UpdateButtons(false);
}

void CFavouritesBox::SaveUnderEditedName() {
    const bool hadCurrent = m_hasCurrent;
    const std::u16string oldName = m_currentName;
    if (!AddCurrentSettings())
        return;
    if (hadCurrent) {
        const int selected = m_box.GetCurSel();
        const int old = m_box.FindByName(oldName, selected);
        if (old > 0)
            m_box.DeleteEntry(old);
    }
    WriteList();
    UpdateButtons(false);
}

void CFavouritesBox::Delete() {
    if (m_page.ShowMessage(kDeleteFavourite, kFavouritesSection) != IDYES)
        return;
    m_box.DeleteSelected(Reselect::No);
    WriteList();
    UpdateButtons(false);
}

void CFavouritesBox::WriteList() {
    if (m_box.SaveAll(m_page.working(), SaveToStore::Yes) == ERROR_SUCCESS)
        return;
    m_page.ShowMessage(kSaveFailed, kFavouritesSection);
    // The store kept its old list: the box shows that list again, so that
    // no favourite looks saved or deleted that is not.
    m_filledFrom.reset();
    Refresh(Refill::Yes);
}

} // namespace kx
