// The two texts of a conflict report: the conflicting settings as they were
// and the settings as the resolver adjusted them, one item per line.
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>

namespace kx {

class ConflictReport {
public:
    /// Each text holds at most 256 code units with its terminator. Items are
    /// kept whole: once an item no longer fits, the text ends with a line
    /// "..." and later items of that text are dropped.
    static constexpr size_t kCapacity = 256;

    void AddConflict(std::u16string_view item);
    void AddAdjusted(std::u16string_view item);
    /// Whether an item with this format was already listed as a conflict.
    bool HasConflict(std::u16string_view format) const {
        return m_conflictFormats.contains(std::u16string(format));
    }
    void RememberConflictFormat(std::u16string_view format) { m_conflictFormats.emplace(format); }

    const std::u16string& conflicts() const { return m_conflicts; }
    const std::u16string& adjusted() const { return m_adjusted; }
    bool empty() const { return m_conflicts.empty() && m_adjusted.empty(); }

private:
    static void Append(std::u16string& text, bool& cut, std::u16string_view item);

    std::u16string m_conflicts;
    std::u16string m_adjusted;
    bool m_conflictsCut = false;
    bool m_adjustedCut = false;
    std::unordered_set<std::u16string> m_conflictFormats;
};

} // namespace kx
