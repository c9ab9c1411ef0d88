// The two-letter codes of user languages.
#include "framework/language_code.h"

namespace kx {
namespace {

struct LanguageCodeEntry {
    WORD primary;
    std::u16string_view code;
    // A second code for the sublanguage 2 (Chinese of China, Portuguese of
    // Portugal); empty when the sublanguage does not matter.
    std::u16string_view codeForSublanguage2;
};

constexpr LanguageCodeEntry kLanguageCodes[] = {
    {1, u"AB", u""},    {2, u"BG", u""},  {3, u"CA", u""},  {4, u"CT", u"CP"}, {5, u"CZ", u""},
    {6, u"DN", u""},    {7, u"GR", u""},  {8, u"EL", u""},  {10, u"SP", u""},  {11, u"FI", u""},
    {12, u"FN", u""},   {13, u"HB", u""}, {14, u"HU", u""}, {15, u"IS", u""},  {16, u"IT", u""},
    {17, u"JP", u""},   {18, u"KR", u""}, {19, u"DT", u""}, {20, u"NR", u""},  {21, u"PO", u""},
    {22, u"BP", u"PT"}, {24, u"RO", u""}, {25, u"RU", u""}, {26, u"HR", u""},  {27, u"SK", u""},
    {28, u"SQ", u""},   {29, u"SW", u""}, {30, u"TI", u""}, {31, u"TK", u""},  {32, u"UR", u""},
    {33, u"IN", u""},   {34, u"UK", u""}, {35, u"BE", u""}, {36, u"SL", u""},  {37, u"ET", u""},
    {38, u"LV", u""},   {39, u"LT", u""}, {41, u"FA", u""}, {42, u"VI", u""},  {43, u"HY", u""},
    {44, u"AZ", u""},   {45, u"EU", u""},
};

} // namespace

std::u16string_view LanguageCode(LANGID language) {
    const WORD primary = PRIMARYLANGID(language);
    for (const auto& entry : kLanguageCodes) {
        if (entry.primary != primary)
            continue;
        if (!entry.codeForSublanguage2.empty() && SUBLANGID(language) == 2)
            return entry.codeForSublanguage2;
        return entry.code;
    }
    return u"EN";
}

bool IsLanguageCode(std::u16string_view code) {
    if (code == u"EN")
        return true;
    for (const auto& entry : kLanguageCodes) {
        if (entry.code == code ||
            (!entry.codeForSublanguage2.empty() && entry.codeForSublanguage2 == code))
            return true;
    }
    return false;
}

} // namespace kx
