// The stored-item lists: entries owning their items, filling, selecting and
// saving a kind's whole list.
#include "framework/kx_list_controls.h"

#include "platform/registry/registry_transaction.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace kx {
namespace {

CustomDataFactory g_factory = nullptr;

// The messages whose codes differ between the two kinds of list.
template <class T>
struct ListCodes;
template <>
struct ListCodes<CListBox> {
    static constexpr UINT kDeleteString = LB_DELETESTRING;
    static constexpr UINT kResetContent = LB_RESETCONTENT;
    static constexpr LRESULT kError = LB_ERR;
};
template <>
struct ListCodes<CComboBox> {
    static constexpr UINT kDeleteString = CB_DELETESTRING;
    static constexpr UINT kResetContent = CB_RESETCONTENT;
    static constexpr LRESULT kError = CB_ERR;
};

} // namespace

bool IsNonBlank(std::u16string_view text) {
    return std::any_of(text.begin(), text.end(), [](char16_t c) { return c != u' '; });
}

void SetCustomDataFactory(CustomDataFactory factory) {
    g_factory = factory;
}
CustomDataFactory GetCustomDataFactory() {
    return g_factory;
}

template <class T>
TKxClass<T>::~TKxClass() {
    if (HoldsItems() && IsWindow(this->m_hWnd))
        DeleteAllItems();
}

template <class T>
std::unique_ptr<CCustomData> TKxClass<T>::CreateItem(int item, const BYTE* devmode) const {
    if (g_factory == nullptr || m_kind == kNoItemKind)
        return nullptr;
    return g_factory(m_kind, item, devmode);
}

template <class T>
CCustomData* TKxClass<T>::ItemAt(int position) const {
    if (m_kind == kNoItemKind || position < 0 || position >= this->GetCount())
        return nullptr;
    const DWORD_PTR data = this->GetItemData(position);
    if (data == 0 || data == static_cast<DWORD_PTR>(ListCodes<T>::kError))
        return nullptr;
    return reinterpret_cast<CCustomData*>(data);
}

template <class T>
int TKxClass<T>::InsertItem(int position, std::unique_ptr<CCustomData> item) {
    if (!item || this->m_hWnd == nullptr)
        return -1;
    const std::u16string name = item->GetName();
    const int index = position < 0 ? this->AddString(name) : this->InsertString(position, name);
    if (index < 0)
        return -1;
    this->SetItemData(index, reinterpret_cast<DWORD_PTR>(item.release()));
    return index;
}

template <class T>
int TKxClass<T>::AddItem(std::unique_ptr<CCustomData> item) {
    return InsertItem(-1, std::move(item));
}

template <class T>
int TKxClass<T>::Fill(const BYTE* devmode) {
    int added = 0;
    int count = 1;
    for (int i = 0; i < count && i < kMaxStoredItems; ++i) {
        std::unique_ptr<CCustomData> item = CreateItem(i, devmode);
        // Item 0 is loaded even from an empty store: its load runs the
        // one-time import of built-in items.
        if (i == 0)
            count = item ? std::clamp(item->LoadCount(devmode), 0, kMaxStoredItems) : 0;
        if (!item || !item->IsValid(devmode))
            continue;
        if (AddItem(std::move(item)) >= 0)
            ++added;
    }
    return added;
}

template <class T>
int TKxClass<T>::SelectMatching(const BYTE* devmode, Fallback fallback) {
    const int count = this->GetCount();
    int placeholder = -1;
    for (int i = 0; i < count; ++i) {
        const CCustomData* item = ItemAt(i);
        if (item == nullptr)
            continue;
        if (devmode != nullptr && item->IsSelectedIn(devmode)) {
            this->SetCurSel(i);
            return i;
        }
        if (placeholder < 0 && !item->IsValid(nullptr))
            placeholder = i;
    }
    if (fallback == Fallback::No || count == 0) {
        this->SetCurSel(-1);
        return -1;
    }
    const int position = placeholder >= 0 ? placeholder : 0;
    this->SetCurSel(position);
    return position;
}

template <class T>
int TKxClass<T>::SelectItem(const CCustomData* item, Fallback fallback) {
    const int count = this->GetCount();
    for (int i = 0; i < count; ++i) {
        if (item != nullptr && ItemAt(i) == item) {
            this->SetCurSel(i);
            return i;
        }
    }
    const int position = fallback == Fallback::Yes && count > 0 ? 0 : -1;
    this->SetCurSel(position);
    return position;
}

template <class T>
int TKxClass<T>::FindByName(std::u16string_view name, int skip) const {
    const int count = this->GetCount();
    for (int i = 0; i < count; ++i) {
        const CCustomData* item = ItemAt(i);
        if (i != skip && item != nullptr && item->GetName() == name)
            return i;
    }
    return -1;
}

template <class T>
void TKxClass<T>::DeleteEntry(int position) {
    if (position >= 0 && position < this->GetCount())
        this->DeleteString(static_cast<UINT>(position));
}

template <class T>
void TKxClass<T>::Clear() {
    if (this->m_hWnd != nullptr)
        this->ResetContent();
}

template <class T>
void TKxClass<T>::DeleteSelected(Reselect reselect) {
    const int selected = this->GetCurSel();
    if (selected < 0)
        return;
    DeleteEntry(selected);
    const int count = this->GetCount();
    if (reselect == Reselect::Yes && count > 0)
        this->SetCurSel(std::min(selected, count - 1));
    else
        this->SetCurSel(-1);
}

template <class T>
LONG TKxClass<T>::SaveAll(BYTE* devmode, SaveToStore save) {
    // The delete, every item and the count are one change of the store: a
    // crash or a second editor never sees the kind half written, and of two
    // editors saving at once the last one's list stands whole.
    std::optional<RegistryTransaction> transaction;
    if (save == SaveToStore::Yes) {
        transaction.emplace(HKEY_CURRENT_USER);
        // Without the transaction the delete and the writes would each stand
        // alone: a failure between them would lose the stored list.
        if (const LSTATUS begun = transaction->status(); begun != ERROR_SUCCESS)
            return begun;
    }
    LONG result = ERROR_SUCCESS;
    const auto note = [&result](LONG status) {
        if (result == ERROR_SUCCESS)
            result = status;
    };
    std::unique_ptr<CCustomData> empty = CreateItem(-1, devmode);
    if (save == SaveToStore::Yes && empty)
        note(empty->DeleteAll());
    const int selected = this->GetCurSel();
    const int count = this->GetCount();
    int saved = 0;
    for (int i = 0; i < count; ++i) {
        CCustomData* item = ItemAt(i);
        if (item == nullptr)
            continue;
        if (save == SaveToStore::Yes && item->IsValid(nullptr))
            note(item->Save(saved++));
        if (devmode != nullptr && i == selected)
            item->ApplyTo(devmode);
    }
    if (save == SaveToStore::Yes && empty)
        note(empty->SaveCount(saved, devmode));
    if (!transaction)
        return result;
    // Uncommitted, the transaction drops the delete with the failed writes:
    // the old list stays stored whole.
    if (result != ERROR_SUCCESS)
        return result;
    return transaction->Commit();
}

template <class T>
LONG TKxClass<T>::StoreItem(CCustomData& item, const BYTE* devmode) const {
    if (!item.IsValid(nullptr))
        return ERROR_INVALID_DATA;
    const std::u16string name = item.GetName();
    int count = 1;
    for (int i = 0; i < count && i < kMaxStoredItems; ++i) {
        const std::unique_ptr<CCustomData> stored = CreateItem(i, devmode);
        if (!stored)
            return ERROR_INVALID_DATA;
        if (i == 0)
            count = std::clamp(stored->LoadCount(devmode), 0, kMaxStoredItems);
        if (i >= count)
            break;
        if (stored->GetName() == name)
            return stored->IsDifferent(item) ? item.Save(i) : ERROR_SUCCESS;
    }
    // The lists show no item past the bound, so none is stored there (a
    // stored count read as huge would otherwise overflow on the way).
    if (count >= kMaxStoredItems)
        return ERROR_NO_MORE_ITEMS;
    // The count is written only over a stored item: it never names one that
    // is not there.
    if (const LONG saved = item.Save(count); saved != ERROR_SUCCESS)
        return saved;
    return item.SaveCount(count + 1, devmode);
}

template <class T>
int TKxClass<T>::AddPlaceholder() {
    return InsertItem(0, CreateItem(-1, nullptr));
}

template <class T>
void TKxClass<T>::DeleteItemOf(int position) {
    delete ItemAt(position);
    // The entry may outlive its item for the rest of the message.
    if (position >= 0 && position < this->GetCount())
        this->SetItemData(position, 0);
}

template <class T>
void TKxClass<T>::DeleteAllItems() {
    for (int i = this->GetCount() - 1; i >= 0; --i)
        DeleteItemOf(i);
}

template <class T>
LRESULT TKxClass<T>::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (HoldsItems()) {
        if (message == ListCodes<T>::kDeleteString)
            DeleteItemOf(static_cast<int>(wParam));
        else if (message == ListCodes<T>::kResetContent || message == WM_DESTROY)
            DeleteAllItems();
    }
    return T::WindowProc(message, wParam, lParam);
}

template class TKxClass<CListBox>;
template class TKxClass<CComboBox>;

} // namespace kx
