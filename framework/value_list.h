// Fixed value lists: tables of (English text, value) shown in a CKxComboBox
// with each text looked up in the page's section of the string file.
#pragma once

#include "framework/kx_combo_box.h"
#include "framework/text_store.h"

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kx {

/// One row of a fixed list: the English text is the string-file key and its
/// default, the value is what the device mode holds.
struct ValueText {
    std::u16string_view text;
    WORD value;
};

/// Answers for one value whether a list takes it (or offers it).
using ValuePredicate = std::function<bool(WORD)>;

/// The texts of `table` from `section` of the string file, in table order.
/// The file's selected section is left as it was.
std::vector<std::u16string> LocalisedTexts(std::span<const ValueText> table, TextStore& strings,
                                           std::u16string_view section);

/// Empties the box and adds the rows of `table` that `listed` takes (all
/// when it is empty), with their localised texts. Returns how many.
int FillValueList(CKxComboBox& box, std::span<const ValueText> table, TextStore& strings,
                  std::u16string_view section, const ValuePredicate& listed = {});

/// Refresh of a filled list: every entry is marked available or not by
/// `available` (all available when it is empty), then `value` is selected;
/// a value the list lacks is clamped to the nearest available entry.
/// Returns the value now shown (the one to save back), none for an empty
/// list.
std::optional<WORD> ShowValue(CKxComboBox& box, WORD value, const ValuePredicate& available = {});

} // namespace kx
