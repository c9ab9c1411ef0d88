// A parsed profile file: sections of key=value lines, looked up by name
// without case, the first of duplicate sections and keys winning. A document
// never changes; an edit yields the text of the new file.
#pragma once

#include "platform/profile/profile_encoding.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kx {

class ProfileDocument {
public:
    /// At most this much of a file is read; a longer file reads as its first
    /// part and cannot be written (that would cut it).
    static constexpr size_t kMaxFileBytes = 4u << 20;

    enum class Completeness { Whole, Truncated };

    /// Parses the decoded text of a file.
    ProfileDocument(std::u16string text, ProfileEncoding encoding,
                    Completeness completeness = Completeness::Whole);

    /// Parses a file's bytes, at most kMaxFileBytes of them.
    static std::shared_ptr<const ProfileDocument> FromBytes(std::string_view bytes);

    ProfileEncoding Encoding() const { return m_encoding; }
    bool IsWhole() const { return m_completeness == Completeness::Whole; }

    /// The value of the first `key` in the first `section`: trimmed of blanks,
    /// and of one pair of matching outer quotes.
    std::optional<std::u16string_view> FindValue(std::u16string_view section,
                                                 std::u16string_view key) const;
    bool HasSection(std::u16string_view section) const;
    /// Every section name in file order, duplicates included.
    std::vector<std::u16string_view> SectionNames() const;
    /// The key names of the first `section` in file order, duplicates
    /// included; lines without "=" and comments are not keys.
    std::vector<std::u16string_view> KeyNames(std::u16string_view section) const;
    /// The lines of the first `section` that are neither blank nor comments,
    /// trimmed.
    std::vector<std::u16string_view> SectionLines(std::u16string_view section) const;

    /// The file with `key` set to `value` (rewritten in place, added after the
    /// section's last key, or in a new section at the end).
    std::u16string WithValue(std::u16string_view section, std::u16string_view key,
                             std::u16string_view value) const;
    /// The file without the first `key` of the first `section`.
    std::u16string WithoutKey(std::u16string_view section, std::u16string_view key) const;
    /// The file without the first `section`'s header and lines; its comment
    /// and blank lines stay.
    std::u16string WithoutSection(std::u16string_view section) const;
    /// The file with the first `section`'s lines replaced (comments kept).
    std::u16string WithSectionLines(std::u16string_view section,
                                    const std::vector<std::u16string>& lines) const;

private:
    struct Span {
        uint32_t start = 0;
        uint32_t length = 0;
    };
    struct Key {
        Span name;
        Span value;
        uint32_t line = 0;
    };
    struct Section {
        Span name;
        uint32_t headerLine = 0;
        uint32_t endLine = 0; // the next section's header, or the line count
        uint32_t firstKey = 0;
        uint32_t endKey = 0;
    };

    void Parse();
    void ParseLine(uint32_t line);
    void BuildIndexes();
    std::u16string_view View(Span span) const { return {m_text.data() + span.start, span.length}; }
    std::u16string_view LineText(uint32_t line) const { return View(m_lines[line]); }
    const Section* FindSection(std::u16string_view name) const;
    const Key* FindKey(const Section& section, std::u16string_view name) const;
    std::vector<std::u16string> Lines() const;
    static std::u16string Join(const std::vector<std::u16string>& lines);

    std::u16string m_text;
    ProfileEncoding m_encoding;
    Completeness m_completeness;
    std::vector<Span> m_lines;
    std::vector<Section> m_sections;
    std::vector<Key> m_keys;
    // The first section or key of each folded-name hash; a name whose hash
    // is shared by another is found by a scan.
    std::unordered_map<uint64_t, uint32_t> m_sectionIndex;
    std::unordered_map<uint64_t, uint32_t> m_keyIndex;
};

} // namespace kx
