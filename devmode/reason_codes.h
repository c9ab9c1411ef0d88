// ReasonCodes: the reasons a blocking rule gives for an option that cannot
// be used now, in the order the rule found them.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>

namespace kx {

class ReasonCodes {
public:
    /// More than the most reasons any rule can give (the double-sided rule:
    /// one per paper, media and cover check, fourteen in all).
    static constexpr size_t kCapacity = 16;

    constexpr ReasonCodes() = default;
    constexpr ReasonCodes(std::initializer_list<int> codes) {
        for (const int code : codes)
            Add(code);
    }

    /// Codes past the capacity are dropped; the rule still blocks.
    constexpr void Add(int code) {
        if (m_count < kCapacity)
            m_codes[m_count++] = code;
    }

    /// Something blocks the option.
    constexpr bool blocked() const { return m_count > 0; }
    constexpr size_t size() const { return m_count; }
    constexpr std::span<const int> codes() const { return {m_codes.data(), m_count}; }
    constexpr const int* begin() const { return m_codes.data(); }
    constexpr const int* end() const { return m_codes.data() + m_count; }
    constexpr bool Has(int code) const {
        for (const int held : codes()) {
            if (held == code)
                return true;
        }
        return false;
    }

    friend constexpr bool operator==(const ReasonCodes& a, const ReasonCodes& b) {
        if (a.m_count != b.m_count)
            return false;
        for (size_t i = 0; i < a.m_count; ++i) {
            if (a.m_codes[i] != b.m_codes[i])
                return false;
        }
        return true;
    }

private:
    std::array<int, kCapacity> m_codes{};
    size_t m_count = 0;
};

} // namespace kx
