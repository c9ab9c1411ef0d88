// The two texts of a conflict report.
#include "devmode/conflict_report.h"

namespace kx {
namespace {

constexpr std::u16string_view kMoreItems = u"\n...";
constexpr size_t kMaxLength = ConflictReport::kCapacity - 1;

} // namespace

void ConflictReport::Append(std::u16string& text, bool& cut, std::u16string_view item) {
    if (cut)
        return;
    if (text.size() + 1 + item.size() <= kMaxLength - kMoreItems.size()) {
        text.push_back(u'\n');
        text += item;
        return;
    }
    cut = true;
    text += kMoreItems;
}

void ConflictReport::AddConflict(std::u16string_view item) {
    Append(m_conflicts, m_conflictsCut, item);
}

void ConflictReport::AddAdjusted(std::u16string_view item) {
    Append(m_adjusted, m_adjustedCut, item);
}

} // namespace kx
