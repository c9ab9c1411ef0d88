// Reading the model's settings file the way the profile does: numbers with
// automatic base, lists of signed decimals, texts; empty values count as
// absent.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace kx {

/// Splits a list value at ":", ";", "," and " " and converts each non-empty
/// token as a signed decimal number.
std::vector<int32_t> ParseProfileList(std::u16string_view text);

class ProfileFile {
public:
    /// Longest number value read, and longest list value read, in code units.
    static constexpr size_t kNumberLength = 511;
    static constexpr size_t kListLength = 255;

    ProfileFile() = default;
    explicit ProfileFile(std::u16string path) : m_path(std::move(path)) {}

    const std::u16string& path() const { return m_path; }

    /// The value of `key` in `section` cut to `maxLength`; nothing when the
    /// key is absent or empty.
    std::optional<std::u16string> ReadText(std::u16string_view section, std::u16string_view key,
                                           size_t maxLength) const;
    std::optional<int32_t> ReadNumber(std::u16string_view section, std::u16string_view key) const;
    std::optional<std::vector<int32_t>> ReadList(std::u16string_view section,
                                                 std::u16string_view key) const;
    /// The names of the keys a section holds, upper-cased, so a pass reads
    /// only the keys that are there.
    std::unordered_set<std::u16string> KeyNames(std::u16string_view section) const;

    /// Writes a default back into the file ("%d", "0x%X" above 8192).
    void WriteNumber(std::u16string_view section, std::u16string_view key, int32_t value) const;
    void WriteText(std::u16string_view section, std::u16string_view key,
                   std::u16string_view text) const;

private:
    std::u16string m_path;
};

} // namespace kx
