// The "$..." macros of product texts.
#include "framework/text_macros.h"

#include "framework/text_store.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <optional>

namespace kx {
namespace {

struct Macro {
    std::u16string_view macro;
    std::u16string_view key;
};

// Expanded in this order; a value may itself hold a macro further down.
constexpr Macro kVersionFileMacros[] = {
    {u"$Model", u"Model"},
    {u"$DRIVERNAME", u"DriverName"},
    {u"$MAINVERSION", u"MainVersion"},
    {u"$OEMNAME", u"OemName"},
    {u"$PREVIEWLETTER", u"PreviewLetter"},
    {u"$MODELCAPTION", u"ModelCaption"},
    {u"$DRIVERDESCRIPTION", u"DriverDescription"},
    {u"$COPYRIGHTYEAR", u"CopyrightYear"},
    {u"$DRIVERCOPYRIGHT", u"DriverCopyright"},
    {u"$URL_E0", u"Ref_URL_E0"},
    {u"$URL_E1", u"Ref_URL_E1"},
    {u"$URL_E2", u"Ref_URL_E2"},
    {u"$URL_E3", u"Ref_URL_E3"},
    {u"$URL_E4", u"Ref_URL_E4"},
    {u"$URL_E5", u"Ref_URL_E5"},
    {u"$URL_E6", u"Ref_URL_E6"},
    {u"$URL_K0", u"Ref_URL_K0"},
    {u"$URL_K1", u"Ref_URL_K1"},
    {u"$URL_K2", u"Ref_URL_K2"},
    {u"$URL_K3", u"Ref_URL_K3"},
    {u"$URL_K4", u"Ref_URL_K4"},
    {u"$URL_K5", u"Ref_URL_K5"},
    {u"$URL_K6", u"Ref_URL_K6"},
};

constexpr Macro kVersionResourceMacros[] = {
    {u"$DESCRIPTION", u"FileDescription"},
    {u"$VERSION", u"FileVersion"},
    {u"$COMPANY", u"CompanyName"},
    {u"$COPYRIGHT", u"LegalCopyright"},
    {u"$COMMENT", u"Comments"},
};

constexpr size_t kMacroValueCapacity = 256;
constexpr size_t kMacroCount = std::size(kVersionFileMacros);

// Expands a text piece by piece into a result that stops at its limit: the
// text between occurrences of the first macro it holds is expanded for the
// later macros, and each macro's value once, for the macros after it. Work
// and memory follow the limit, not what the values would multiply to.
class MacroExpansion {
public:
    MacroExpansion(TextStore& versionFile, size_t limit)
        : m_versionFile(versionFile), m_limit(limit) {}

    void Append(std::u16string& out, std::u16string_view text, size_t first) {
        if (out.size() >= m_limit)
            return;
        size_t index = first;
        while (index < kMacroCount && text.find(kVersionFileMacros[index].macro) == text.npos)
            ++index;
        if (index == kMacroCount) {
            out.append(text.substr(0, m_limit - out.size()));
            return;
        }
        m_anyMacro = true;
        const std::u16string_view macro = kVersionFileMacros[index].macro;
        size_t start = 0;
        for (size_t at = text.find(macro); at != text.npos && out.size() < m_limit;
             at = text.find(macro, start)) {
            Append(out, text.substr(start, at - start), index + 1);
            const std::u16string& value = Value(index);
            out.append(
                std::u16string_view(value).substr(0, m_limit - std::min(m_limit, out.size())));
            start = at + macro.size();
        }
        Append(out, text.substr(std::min(start, text.size())), index + 1);
    }

    bool anyMacro() const { return m_anyMacro; }

private:
    const std::u16string& Value(size_t index) {
        std::optional<std::u16string>& value = m_values[index];
        if (!value) {
            const std::u16string raw =
                m_versionFile.ReadText(kVersionFileMacros[index].key, kMacroValueCapacity, u"");
            value.emplace();
            Append(*value, raw, index + 1);
        }
        return *value;
    }

    TextStore& m_versionFile;
    size_t m_limit;
    bool m_anyMacro = false;
    std::array<std::optional<std::u16string>, kMacroCount> m_values;
};

} // namespace

bool ReplaceAll(std::u16string& text, std::u16string_view macro, std::u16string_view value) {
    bool found = false;
    for (size_t pos = text.find(macro); pos != std::u16string::npos;
         pos = text.find(macro, pos + value.size())) {
        text.replace(pos, macro.size(), value);
        found = true;
    }
    return found;
}

bool ExpandMacros(std::u16string& text, TextStore& versionFile, size_t resultLength) {
    versionFile.SelectSection(u"Version");
    MacroExpansion expansion(versionFile, resultLength);
    std::u16string result;
    expansion.Append(result, text, 0);
    text = std::move(result);
    return expansion.anyMacro();
}

void ExpandVersionResourceMacros(std::u16string& text,
                                 const std::function<std::u16string(std::u16string_view)>& lookup) {
    for (const auto& entry : kVersionResourceMacros) {
        if (text.find(entry.macro) != std::u16string::npos)
            ReplaceAll(text, entry.macro, lookup(entry.key));
    }
}

} // namespace kx
