// A keyed text file with a selected section.
#include "framework/text_store.h"

#include "framework/text_macros.h"
#include "platform/base/format.h"
#include "platform/base/number.h"
#include "platform/base/text.h"
#include "platform/windows.h"

#include <utility>
#include <vector>

namespace kx {
namespace {

constexpr size_t kNumberCapacity = 512;

} // namespace

void TextStore::SetFile(std::u16string path, ClearReadOnly clear) {
    m_file = std::move(path);
    if (clear == ClearReadOnly::No)
        return;
    const DWORD attributes = GetFileAttributesW(m_file.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0)
        SetFileAttributesW(m_file.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
}

void TextStore::SelectSection(std::u16string_view name) {
    m_section = name;
}

const WCHAR* TextStore::SectionForCalls() const {
    return m_section.empty() ? u"Common" : m_section.c_str();
}

size_t TextStore::ReadText(std::u16string_view key, WCHAR* buffer, size_t capacity,
                           std::optional<std::u16string_view> defaultText) {
    if (buffer == nullptr || capacity == 0)
        return 0;
    const std::u16string keyText(key);
    const DWORD read = GetPrivateProfileStringW(SectionForCalls(), keyText.c_str(), u"", buffer,
                                                static_cast<DWORD>(capacity), m_file.c_str());
    if (read > 0 || !defaultText)
        return read;
    WriteText(key, *defaultText);
    return CopyText(buffer, capacity, *defaultText);
}

std::u16string TextStore::ReadText(std::u16string_view key, size_t capacity,
                                   std::optional<std::u16string_view> defaultText) {
    if (capacity == 0)
        return {};
    std::vector<WCHAR> buffer(capacity, 0);
    const size_t length = ReadText(key, buffer.data(), capacity, defaultText);
    return std::u16string(buffer.data(), length);
}

template <class Read>
auto TextStore::InSection(std::u16string_view section, Read&& read) {
    std::u16string selected = std::exchange(m_section, std::u16string(section));
    auto result = read();
    m_section = std::move(selected);
    return result;
}

std::u16string TextStore::ReadTextIn(std::u16string_view section, std::u16string_view key,
                                     size_t capacity,
                                     std::optional<std::u16string_view> defaultText) {
    return InSection(section, [&] { return ReadText(key, capacity, defaultText); });
}

int32_t TextStore::ReadNumberIn(std::u16string_view section, std::u16string_view key,
                                int32_t defaultValue) {
    return InSection(section, [&] { return ReadNumber(key, defaultValue); });
}

int TextStore::WriteText(std::u16string_view key, std::u16string_view text) {
    if (!WriteBackEnabled())
        return 0;
    const std::u16string keyText(key);
    const std::u16string value(text);
    return WritePrivateProfileStringW(SectionForCalls(), keyText.c_str(), value.c_str(),
                                      m_file.c_str());
}

int32_t TextStore::ReadNumber(std::u16string_view key, int32_t defaultValue, int* found) {
    const std::u16string text = ReadText(key, kNumberCapacity);
    if (found != nullptr)
        *found = text.empty() ? 0 : 1;
    if (!text.empty())
        return ParseAutoBase(text).value;
    if (defaultValue == kNoDefault)
        return 0;
    WriteNumber(key, defaultValue);
    return defaultValue;
}

int TextStore::WriteNumber(std::u16string_view key, int32_t value) {
    if (!WriteBackEnabled())
        return 0;
    const std::u16string text =
        value > 8192 ? FormatText(u"0x%X", {value}) : FormatText(u"%d", {value});
    return WriteText(key, text);
}

std::u16string TextStore::ReadExpanded(std::u16string_view key,
                                       std::optional<std::u16string_view> defaultText,
                                       Expand expand) {
    std::u16string text = ReadText(key, kExpandedCapacity, defaultText ? *defaultText : key);
    if (expand == Expand::Yes && m_macroSource != nullptr) {
        ExpandMacros(text, *m_macroSource, kExpandedCapacity - 1);
        if (text.size() >= kExpandedCapacity)
            text.resize(kExpandedCapacity - 1);
    }
    return text;
}

} // namespace kx
