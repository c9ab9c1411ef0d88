// Fixed value lists filled from their tables and the string file.
#include "framework/value_list.h"

#include <string>

namespace kx {

std::vector<std::u16string> LocalisedTexts(std::span<const ValueText> table, TextStore& strings,
                                           std::u16string_view section) {
    const std::u16string saved = strings.section();
    strings.SelectSection(section);
    std::vector<std::u16string> texts;
    texts.reserve(table.size());
    for (const ValueText& row : table)
        texts.push_back(strings.ReadText(row.text, TextStore::kExpandedCapacity, row.text));
    strings.SelectSection(saved);
    return texts;
}

int FillValueList(CKxComboBox& box, std::span<const ValueText> table, TextStore& strings,
                  std::u16string_view section, const ValuePredicate& listed) {
    box.ResetContent();
    const std::vector<std::u16string> texts = LocalisedTexts(table, strings, section);
    int added = 0;
    for (size_t i = 0; i < table.size(); ++i) {
        if (listed && !listed(table[i].value))
            continue;
        if (box.AddItem(texts[i], table[i].value) >= 0)
            ++added;
    }
    return added;
}

std::optional<WORD> ShowValue(CKxComboBox& box, WORD value, const ValuePredicate& available) {
    const int count = box.GetCount();
    for (int i = 0; i < count; ++i) {
        const auto entryValue = box.ValueAt(i);
        const bool offered = !available || (entryValue && available(*entryValue));
        box.SetAvailability(i, offered ? Availability::Available : Availability::Unavailable);
    }
    box.SelectValue(value);
    return box.SelectedValue();
}

} // namespace kx
