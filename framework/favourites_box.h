// CFavouritesBox: the favourites controls every page carries — the combo box
// of favourites with "Printer Default" first, and the one of three buttons
// (Save, Save under the edited name, Delete) that fits what the user did.
#pragma once

#include "framework/control_ids.h"
#include "framework/kx_list_controls.h"
#include "platform/wndclass/standard_controls.h"

#include <optional>
#include <string>

namespace kx {

class CKxDialog;

/// The stored-item kind of the favourites box.
constexpr int kFavouritesKind = kFavouriteKind;
/// Characters the favourites box takes.
constexpr int kFavouritesBoxTextLimit = 32;
/// Entries (with "Printer Default") while Save is still offered.
constexpr int kMostFavouriteEntries = 32;

enum class Refill { No, Yes };
/// Whether the buttons follow the user's choices on this page, or stay
/// hidden (the buttons live on the taller pages of a model with an extra
/// printer preview).
enum class FavouriteButtons { Active, Hidden };

class CFavouritesBox {
public:
    explicit CFavouritesBox(CKxDialog& page) : m_page(page) {}

    /// Takes over the page's favourites controls; false when the page has
    /// no favourites box.
    bool Attach(FavouriteButtons buttons);
    bool attached() const { return m_box.m_hWnd != nullptr; }

    /// Fills the list anew when the stored favourites may have changed since
    /// it was filled (never while a favourite is being applied), selects
    /// what the working copy matches and updates the buttons.
    void Refresh(Refill refill);
    /// After a change: selects what the working copy now matches.
    void ShowMatch();

    /// The page's WM_COMMAND for one of the favourites controls; true when
    /// it was one of them.
    bool OnCommand(int id, WORD code);

    /// The entry of the working copy's settings, -1 for none (tests).
    int selection() const { return m_box.GetCurSel(); }
    TKxClass<CComboBox>& box() { return m_box; }
    /// Set while a chosen favourite is being applied: the refresh it makes
    /// leaves the list as it is.
    bool applying() const { return m_applying; }

private:
    void SelectMatching();
    void UpdateButtons(bool edited);
    void ShowButton(int shown);
    void ChooseSelected();
    /// The steps Save and Save-under-the-edited-name share; false when
    /// nothing was saved.
    bool AddCurrentSettings();
    void Save();
    void SaveUnderEditedName();
    void Delete();
    void WriteList();
    bool PrinterDefaultSelected() const;
    std::u16string EditText() const;

    CKxDialog& m_page;
    TKxClass<CComboBox> m_box;
    CButton m_save;
    CButton m_rename;
    CButton m_delete;
    FavouriteButtons m_buttons = FavouriteButtons::Active;
    /// The name of the favourite last selected, so a rename can find it.
    std::u16string m_currentName;
    bool m_hasCurrent = false;
    bool m_applying = false;
    /// The favourites cache's generation when the list was last filled.
    std::optional<unsigned> m_filledFrom;
};

} // namespace kx
