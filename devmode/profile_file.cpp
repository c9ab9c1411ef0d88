// Reading the model's settings file the way the profile does.
#include "devmode/profile_file.h"

#include "platform/base/format.h"
#include "platform/base/number.h"
#include "platform/base/text.h"
#include "platform/windows.h"

#include <vector>

namespace kx {
namespace {

bool IsListSeparator(char16_t c) {
    return c == u':' || c == u';' || c == u',' || c == u' ';
}

} // namespace

std::vector<int32_t> ParseProfileList(std::u16string_view text) {
    std::vector<int32_t> values;
    size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && IsListSeparator(text[pos]))
            ++pos;
        const size_t start = pos;
        while (pos < text.size() && !IsListSeparator(text[pos]))
            ++pos;
        if (pos > start)
            values.push_back(ParseSaturatingDecimal(text.substr(start, pos - start)));
    }
    return values;
}

std::optional<std::u16string> ProfileFile::ReadText(std::u16string_view section,
                                                    std::u16string_view key,
                                                    size_t maxLength) const {
    if (m_path.empty())
        return std::nullopt;
    const std::u16string sectionText(section.empty() ? u"Common" : section);
    const std::u16string keyText(key);
    std::vector<WCHAR> buffer(maxLength + 1, 0);
    const DWORD read =
        GetPrivateProfileStringW(sectionText.c_str(), keyText.c_str(), u"", buffer.data(),
                                 static_cast<DWORD>(buffer.size()), m_path.c_str());
    if (read == 0)
        return std::nullopt;
    return std::u16string(buffer.data(), read);
}

std::optional<int32_t> ProfileFile::ReadNumber(std::u16string_view section,
                                               std::u16string_view key) const {
    const auto text = ReadText(section, key, kNumberLength);
    if (!text)
        return std::nullopt;
    return ParseAutoBase(*text).value;
}

std::optional<std::vector<int32_t>> ProfileFile::ReadList(std::u16string_view section,
                                                          std::u16string_view key) const {
    const auto text = ReadText(section, key, kListLength);
    if (!text)
        return std::nullopt;
    return ParseProfileList(*text);
}

std::unordered_set<std::u16string> ProfileFile::KeyNames(std::u16string_view section) const {
    std::unordered_set<std::u16string> names;
    if (m_path.empty())
        return names;
    const std::u16string sectionText(section.empty() ? u"Common" : section);
    // A full buffer comes back cut with its size less two: grow and ask again.
    for (DWORD size = 4096; size <= (1u << 22); size *= 4) {
        std::vector<WCHAR> buffer(size, 0);
        const DWORD read = GetPrivateProfileStringW(sectionText.c_str(), nullptr, u"",
                                                    buffer.data(), size, m_path.c_str());
        if (read >= size - 2 && size < (1u << 22))
            continue;
        for (size_t pos = 0; pos < read && buffer[pos] != 0;) {
            const std::u16string_view name(buffer.data() + pos);
            names.insert(ToUpperText(name));
            pos += name.size() + 1;
        }
        break;
    }
    return names;
}

void ProfileFile::WriteNumber(std::u16string_view section, std::u16string_view key,
                              int32_t value) const {
    WriteText(section, key,
              value > 8192 ? FormatText(u"0x%X", {value}) : FormatText(u"%d", {value}));
}

void ProfileFile::WriteText(std::u16string_view section, std::u16string_view key,
                            std::u16string_view text) const {
    if (m_path.empty())
        return;
    const std::u16string sectionText(section.empty() ? u"Common" : section);
    const std::u16string keyText(key);
    const std::u16string value(text);
    WritePrivateProfileStringW(sectionText.c_str(), keyText.c_str(), value.c_str(), m_path.c_str());
}

} // namespace kx
