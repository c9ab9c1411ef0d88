// The items of a list box or of a combo box's list: texts with 32-bit data,
// sorted insertion and the case-insensitive searches both controls offer.
#pragma once

#include "platform/base/win_types.h"

#include <string>
#include <vector>

namespace kx {

struct ListItem {
    std::u16string text;
    ULONG_PTR data = 0;
    bool selected = false; ///< For multiple-selection list boxes.
};

class ListItems {
public:
    enum class Match { Prefix, Exact };

    /// Inserts at index (-1: at the end) and returns the index used, or -1.
    int Insert(int index, ListItem item);
    /// Inserts in sorted order (case-insensitive) and returns the index.
    int InsertSorted(ListItem item);
    bool Remove(int index);
    void Clear() { m_items.clear(); }

    int Count() const { return static_cast<int>(m_items.size()); }
    bool Valid(int index) const { return index >= 0 && index < Count(); }
    /// The item at a valid index (check with Valid first).
    ListItem& Item(int index) { return m_items[static_cast<size_t>(index)]; }
    const ListItem& Item(int index) const { return m_items[static_cast<size_t>(index)]; }
    ListItem* At(int index) {
        return Valid(index) ? &m_items[static_cast<size_t>(index)] : nullptr;
    }
    const ListItem* At(int index) const {
        return Valid(index) ? &m_items[static_cast<size_t>(index)] : nullptr;
    }

    /// Searches from the item after `after` (-1: from the top), wrapping round,
    /// for a text that starts with (or equals) the given one, case-insensitive.
    /// Returns the index or -1.
    int Find(int after, std::u16string_view text, Match match) const;

private:
    std::vector<ListItem> m_items;
};

} // namespace kx
