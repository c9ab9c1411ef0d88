// The module's list controls: TKxClass<T> over a combo box or a list box,
// which lists one kind of stored item (CCustomData) and owns its entries'
// items, and CKxComboBox, the pages' value-list combo box.
#pragma once

#include "platform/wndclass/standard_controls.h"

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kx {

/// The kind of a list that shows values, not stored items.
constexpr int kNoItemKind = -1;

/// The kinds of stored item a list can show.
enum StoredItemKind : int {
    kCustomPaperKind = 0,
    kWatermarkKind = 1,
    kOverlayKind = 2,
    kFavouriteKind = 3,
};

/// A text is non-blank when it holds a character other than the space;
/// tabs and other white space count.
bool IsNonBlank(std::u16string_view text);

/// One stored item of the per-user store: a custom paper, a watermark, an
/// overlay or a favourite. The item number is its position in the store, -1
/// for an item never saved or loaded. Device modes are whole 3,555-byte
/// records; null where an operation takes "device mode or none".
class CCustomData {
public:
    virtual ~CCustomData() = default;

    /// Complete enough to be listed and saved; placeholders are not valid.
    virtual bool IsValid(const BYTE* devmode) const = 0;
    /// The device mode currently uses this item.
    virtual bool IsSelectedIn(const BYTE* devmode) const = 0;
    /// The text the list shows; the no-item text for placeholders.
    virtual std::u16string GetName() const = 0;
    /// Whether any stored field differs from `other`, an item of the same kind.
    virtual bool IsDifferent(const CCustomData& other) const = 0;
    /// Writes the item's settings into the device mode.
    virtual void ApplyTo(BYTE* devmode) const = 0;
    /// Takes `item` as its number and writes its values under it. The
    /// registry's error of opening or of the first write that failed;
    /// ERROR_SUCCESS when the item is stored.
    [[nodiscard]] virtual LONG Save(int item) = 0;
    /// Deletes every stored item of the kind; ERROR_SUCCESS when none is left.
    [[nodiscard]] virtual LONG DeleteAll() const = 0;
    /// Writes the kind's count; the error as for Save.
    [[nodiscard]] virtual LONG SaveCount(int count, const BYTE* devmode) const = 0;
    virtual int LoadCount(const BYTE* devmode) const = 0;
    /// Makes the item hold the settings of `devmode` under `name`, for the
    /// kinds that keep whole settings (favourites); false for the others.
    virtual bool TakeSettings(std::u16string_view /*name*/, const BYTE* /*devmode*/) {
        return false;
    }

    int itemNumber() const { return m_item; }

protected:
    int m_item = -1;
};

/// Makes the item of a kind: empty for a negative item number, else loaded
/// from the store (kinds that need a device mode give an empty item without
/// one). Null for a kind the module does not know.
using CustomDataFactory = std::unique_ptr<CCustomData> (*)(int kind, int item, const BYTE* devmode);

/// The item kinds live above the framework; the module installs them at start.
void SetCustomDataFactory(CustomDataFactory factory);
CustomDataFactory GetCustomDataFactory();

enum class Fallback { No, Yes };
enum class Reselect { No, Yes };
enum class SaveToStore { No, Yes };

/// The most items a list reads from the store: a count value of another
/// program cannot make a list read the registry for minutes.
constexpr int kMaxStoredItems = 1000;

/// A combo box or list box that can show one kind of stored item (custom
/// papers, watermarks, overlays, favourites). Each entry's text is its
/// item's GetName and its data the item, owned by the entry: deleting the
/// entry, clearing the list or destroying the window deletes it.
template <class T>
class TKxClass : public T {
public:
    TKxClass() = default;
    ~TKxClass() override;
    TKxClass(const TKxClass&) = delete;
    TKxClass& operator=(const TKxClass&) = delete;

    /// The stored-item kind of the entries; the owning dialog sets it before
    /// the first fill. kNoItemKind for lists of plain values, whose entries'
    /// data is free for the derived value lists.
    int m_kind = kNoItemKind;

    std::unique_ptr<CCustomData> CreateItem(int item, const BYTE* devmode) const;
    /// Appends the stored items that are valid for the device mode; the
    /// count comes from item 0, which is always loaded. Returns how many
    /// entries were added.
    int Fill(const BYTE* devmode);
    /// Selects the first entry the device mode uses; failing that, with
    /// Fallback::Yes the first placeholder (or position 0), otherwise
    /// nothing. Returns the selected position or -1.
    int SelectMatching(const BYTE* devmode, Fallback fallback);
    /// Selects the entry holding this very item; failing that position 0
    /// with Fallback::Yes, otherwise nothing.
    int SelectItem(const CCustomData* item, Fallback fallback);
    /// The first position other than `skip` whose item's name equals `name`
    /// (case-sensitive), or -1.
    int FindByName(std::u16string_view name, int skip = -1) const;
    void DeleteEntry(int position);
    void Clear();
    /// Deletes the selected entry; with Reselect::Yes selects the same
    /// position again, or the last entry when the deleted one was last.
    void DeleteSelected(Reselect reselect);
    /// With SaveToStore::Yes rewrites the kind's whole store from the valid
    /// entries, numbered from 0 in list order; with a device mode, applies
    /// the selected entry to it (after its save). The store's error when the
    /// list could not be stored: then the stored list is left as it was and
    /// the device mode must not be taken as holding a stored entry.
    [[nodiscard]] LONG SaveAll(BYTE* devmode, SaveToStore save);
    /// Merges one valid item into the store: over the stored item of the
    /// same name when that differs, else appended. The list is not touched.
    /// The stored items are loaded for `devmode` (the overlay list of its
    /// language, its printer's favourites). ERROR_SUCCESS when the item is
    /// stored or needed no write; ERROR_INVALID_DATA for an invalid item,
    /// ERROR_NO_MORE_ITEMS for a full store; else the store's error.
    [[nodiscard]] LONG StoreItem(CCustomData& item, const BYTE* devmode = nullptr) const;
    /// Inserts an empty item (the no-item entry) at position 0.
    int AddPlaceholder();

    /// Appends an entry owning `item`; returns its position, or -1 (the
    /// item is then deleted).
    int AddItem(std::unique_ptr<CCustomData> item);
    int InsertItem(int position, std::unique_ptr<CCustomData> item);
    /// The item of an entry; null out of range or for a value list.
    CCustomData* ItemAt(int position) const;
    CCustomData* SelectedItem() const { return ItemAt(this->GetCurSel()); }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool HoldsItems() const { return m_kind != kNoItemKind && this->m_hWnd != nullptr; }
    void DeleteItemOf(int position);
    void DeleteAllItems();
};

} // namespace kx
