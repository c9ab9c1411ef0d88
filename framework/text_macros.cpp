// The "$..." macros of product texts.
#include "framework/text_macros.h"

#include "framework/text_store.h"

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

bool ExpandMacros(std::u16string& text, TextStore& versionFile) {
    versionFile.SelectSection(u"Version");
    bool any = false;
    for (const auto& entry : kVersionFileMacros) {
        if (text.find(entry.macro) == std::u16string::npos)
            continue;
        const std::u16string value = versionFile.ReadText(entry.key, kMacroValueCapacity, u"");
        ReplaceAll(text, entry.macro, value);
        any = true;
    }
    return any;
}

void ExpandVersionResourceMacros(std::u16string& text,
                                 const std::function<std::u16string(std::u16string_view)>& lookup) {
    for (const auto& entry : kVersionResourceMacros) {
        if (text.find(entry.macro) != std::u16string::npos)
            ReplaceAll(text, entry.macro, lookup(entry.key));
    }
}

} // namespace kx
