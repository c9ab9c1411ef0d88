// Item storage and searches shared by the list box and the combo box.
#include "platform/controls/list_items.h"

#include "platform/base/text.h"

namespace kx {

int ListItems::Insert(int index, ListItem item) {
    if (index < 0)
        index = Count();
    else if (index > Count())
        return -1;
    m_items.insert(m_items.begin() + index, std::move(item));
    return index;
}

int ListItems::InsertSorted(ListItem item) {
    int index = 0;
    while (index < Count() &&
           CompareNoCase(m_items[static_cast<size_t>(index)].text, item.text) <= 0)
        ++index;
    return Insert(index, std::move(item));
}

bool ListItems::Remove(int index) {
    if (!Valid(index))
        return false;
    m_items.erase(m_items.begin() + index);
    return true;
}

int ListItems::Find(int after, std::u16string_view text, Match match) const {
    const int count = Count();
    if (count == 0)
        return -1;
    const int start = (after < -1 || after >= count) ? -1 : after;
    for (int step = 1; step <= count; ++step) {
        const int index = (start + step) % count;
        const std::u16string& candidate = m_items[static_cast<size_t>(index)].text;
        const bool found =
            match == Match::Exact
                ? EqualsNoCase(candidate, text)
                : candidate.size() >= text.size() &&
                      EqualsNoCase(std::u16string_view(candidate).substr(0, text.size()), text);
        if (found)
            return index;
    }
    return -1;
}

} // namespace kx
