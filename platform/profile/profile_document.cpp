// Parsing, lookup and editing of profile files. Names and values are spans
// into the file's text; lookups go through hash indexes so that reading
// hundreds of keys costs no scan of the file.
#include "platform/profile/profile_document.h"

#include "platform/base/text.h"

#include <algorithm>

namespace kx {
namespace {

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\v';
}

std::u16string_view TrimmedBlanks(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::u16string_view WithoutOuterQuotes(std::u16string_view value) {
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == u'"' || value.front() == u'\''))
        return value.substr(1, value.size() - 2);
    return value;
}

constexpr uint64_t kHashBasis = 14695981039346656037ull;
constexpr uint64_t kHashPrime = 1099511628211ull;

uint64_t HashFolded(std::u16string_view name, uint64_t hash = kHashBasis) {
    for (char16_t c : name) {
        // Names are nearly always ASCII: fold those here.
        const char16_t folded = c < 0x80 ? (c >= u'a' && c <= u'z' ? c - 0x20 : c) : FoldCase(c);
        hash = (hash ^ folded) * kHashPrime;
    }
    return hash;
}

uint64_t KeyHash(uint32_t section, std::u16string_view name) {
    return HashFolded(name, (kHashBasis ^ section) * kHashPrime);
}

bool IsCommentOrBlank(std::u16string_view line) {
    const std::u16string_view trimmed = TrimmedBlanks(line);
    return trimmed.empty() || trimmed.front() == u';';
}

} // namespace

ProfileDocument::ProfileDocument(std::u16string text, ProfileEncoding encoding,
                                 Completeness completeness)
    : m_text(std::move(text)), m_encoding(encoding), m_completeness(completeness) {
    Parse();
    BuildIndexes();
}

std::shared_ptr<const ProfileDocument> ProfileDocument::FromBytes(std::string_view bytes) {
    auto completeness = Completeness::Whole;
    if (bytes.size() > kMaxFileBytes) {
        bytes = bytes.substr(0, kMaxFileBytes);
        completeness = Completeness::Truncated;
    }
    const ProfileEncoding encoding = DetectProfileEncoding(bytes);
    return std::make_shared<const ProfileDocument>(DecodeProfileText(bytes, encoding), encoding,
                                                   completeness);
}

void ProfileDocument::Parse() {
    // CR LF, LF and CR alone all end a line.
    const auto size = static_cast<uint32_t>(m_text.size());
    uint32_t start = 0;
    while (start < size) {
        uint32_t end = start;
        while (end < size && m_text[end] != u'\r' && m_text[end] != u'\n')
            ++end;
        m_lines.push_back({start, end - start});
        ParseLine(static_cast<uint32_t>(m_lines.size() - 1));
        if (end < size && m_text[end] == u'\r' && end + 1 < size && m_text[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
    if (!m_sections.empty()) {
        m_sections.back().endLine = static_cast<uint32_t>(m_lines.size());
        m_sections.back().endKey = static_cast<uint32_t>(m_keys.size());
    }
}

void ProfileDocument::ParseLine(uint32_t line) {
    const std::u16string_view text = TrimmedBlanks(LineText(line));
    if (text.empty() || text.front() == u';')
        return;
    auto spanOf = [this](std::u16string_view part) {
        return Span{static_cast<uint32_t>(part.data() - m_text.data()),
                    static_cast<uint32_t>(part.size())};
    };
    if (text.front() == u'[') {
        std::u16string_view name = text.substr(1);
        name = TrimmedBlanks(name.substr(0, name.find(u']')));
        if (!m_sections.empty()) {
            m_sections.back().endLine = line;
            m_sections.back().endKey = static_cast<uint32_t>(m_keys.size());
        }
        const auto keyCount = static_cast<uint32_t>(m_keys.size());
        m_sections.push_back({spanOf(name), line, line + 1, keyCount, keyCount});
        return;
    }
    const size_t equals = text.find(u'=');
    if (m_sections.empty() || equals == std::u16string_view::npos)
        return;
    const std::u16string_view name = TrimmedBlanks(text.substr(0, equals));
    const std::u16string_view value = WithoutOuterQuotes(TrimmedBlanks(text.substr(equals + 1)));
    m_keys.push_back({spanOf(name), spanOf(value), line});
}

void ProfileDocument::BuildIndexes() {
    m_sectionIndex.reserve(m_sections.size());
    m_keyIndex.reserve(m_keys.size());
    for (uint32_t i = 0; i < m_sections.size(); ++i) {
        // emplace keeps the first of duplicates, which is the one that counts.
        m_sectionIndex.emplace(HashFolded(View(m_sections[i].name)), i);
        for (uint32_t k = m_sections[i].firstKey; k < m_sections[i].endKey; ++k)
            m_keyIndex.emplace(KeyHash(i, View(m_keys[k].name)), k);
    }
}

const ProfileDocument::Section* ProfileDocument::FindSection(std::u16string_view name) const {
    const auto it = m_sectionIndex.find(HashFolded(name));
    if (it == m_sectionIndex.end())
        return nullptr;
    if (EqualsNoCase(View(m_sections[it->second].name), name))
        return &m_sections[it->second];
    for (const auto& section : m_sections) {
        if (EqualsNoCase(View(section.name), name))
            return &section;
    }
    return nullptr;
}

const ProfileDocument::Key* ProfileDocument::FindKey(const Section& section,
                                                     std::u16string_view name) const {
    const auto sectionNumber = static_cast<uint32_t>(&section - m_sections.data());
    const auto it = m_keyIndex.find(KeyHash(sectionNumber, name));
    if (it == m_keyIndex.end())
        return nullptr;
    if (EqualsNoCase(View(m_keys[it->second].name), name))
        return &m_keys[it->second];
    for (uint32_t k = section.firstKey; k < section.endKey; ++k) {
        if (EqualsNoCase(View(m_keys[k].name), name))
            return &m_keys[k];
    }
    return nullptr;
}

std::optional<std::u16string_view> ProfileDocument::FindValue(std::u16string_view section,
                                                              std::u16string_view key) const {
    const Section* found = FindSection(section);
    if (!found)
        return std::nullopt;
    const Key* value = FindKey(*found, key);
    if (!value)
        return std::nullopt;
    return View(value->value);
}

bool ProfileDocument::HasSection(std::u16string_view section) const {
    return FindSection(section) != nullptr;
}

std::vector<std::u16string_view> ProfileDocument::SectionNames() const {
    std::vector<std::u16string_view> names;
    names.reserve(m_sections.size());
    for (const auto& section : m_sections)
        names.push_back(View(section.name));
    return names;
}

std::vector<std::u16string_view> ProfileDocument::KeyNames(std::u16string_view section) const {
    std::vector<std::u16string_view> names;
    if (const Section* found = FindSection(section)) {
        for (uint32_t k = found->firstKey; k < found->endKey; ++k)
            names.push_back(View(m_keys[k].name));
    }
    return names;
}

std::vector<std::u16string_view> ProfileDocument::SectionLines(std::u16string_view section) const {
    std::vector<std::u16string_view> lines;
    if (const Section* found = FindSection(section)) {
        for (uint32_t line = found->headerLine + 1; line < found->endLine; ++line) {
            if (!IsCommentOrBlank(LineText(line)))
                lines.push_back(TrimmedBlanks(LineText(line)));
        }
    }
    return lines;
}

std::vector<std::u16string> ProfileDocument::Lines() const {
    std::vector<std::u16string> lines;
    lines.reserve(m_lines.size() + 2);
    for (uint32_t line = 0; line < m_lines.size(); ++line)
        lines.emplace_back(LineText(line));
    return lines;
}

std::u16string ProfileDocument::Join(const std::vector<std::u16string>& lines) {
    size_t size = 0;
    for (const auto& line : lines)
        size += line.size() + 2;
    std::u16string text;
    text.reserve(size);
    for (const auto& line : lines) {
        text += line;
        text += u"\r\n";
    }
    return text;
}

std::u16string ProfileDocument::WithValue(std::u16string_view section, std::u16string_view key,
                                          std::u16string_view value) const {
    std::vector<std::u16string> lines = Lines();
    const Section* found = FindSection(section);
    if (!found) {
        lines.push_back(u"[" + std::u16string(section) + u"]");
        lines.push_back(std::u16string(key) + u"=" + std::u16string(value));
        return Join(lines);
    }
    if (const Key* existing = FindKey(*found, key)) {
        // The key keeps the spelling the file gave it.
        lines[existing->line] = std::u16string(View(existing->name)) + u"=" + std::u16string(value);
        return Join(lines);
    }
    const uint32_t after =
        found->endKey > found->firstKey ? m_keys[found->endKey - 1].line : found->headerLine;
    lines.insert(lines.begin() + after + 1, std::u16string(key) + u"=" + std::u16string(value));
    return Join(lines);
}

std::u16string ProfileDocument::WithoutKey(std::u16string_view section,
                                           std::u16string_view key) const {
    std::vector<std::u16string> lines = Lines();
    if (const Section* found = FindSection(section)) {
        if (const Key* existing = FindKey(*found, key))
            lines.erase(lines.begin() + existing->line);
    }
    return Join(lines);
}

std::u16string ProfileDocument::WithoutSection(std::u16string_view section) const {
    const Section* found = FindSection(section);
    std::vector<std::u16string> lines;
    lines.reserve(m_lines.size());
    for (uint32_t line = 0; line < m_lines.size(); ++line) {
        const bool inSection = found && line >= found->headerLine && line < found->endLine;
        if (!inSection || (line != found->headerLine && IsCommentOrBlank(LineText(line))))
            lines.emplace_back(LineText(line));
    }
    return Join(lines);
}

std::u16string ProfileDocument::WithSectionLines(std::u16string_view section,
                                                 const std::vector<std::u16string>& body) const {
    const Section* found = FindSection(section);
    std::vector<std::u16string> lines;
    lines.reserve(m_lines.size() + body.size() + 1);
    for (uint32_t line = 0; line < m_lines.size(); ++line) {
        const bool inSection = found && line > found->headerLine && line < found->endLine;
        if (!inSection || IsCommentOrBlank(LineText(line)))
            lines.emplace_back(LineText(line));
        if (found && line == found->headerLine)
            lines.insert(lines.end(), body.begin(), body.end());
    }
    if (!found) {
        lines.push_back(u"[" + std::u16string(section) + u"]");
        lines.insert(lines.end(), body.begin(), body.end());
    }
    return Join(lines);
}

} // namespace kx
