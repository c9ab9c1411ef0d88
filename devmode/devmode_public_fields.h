// The public fields that merging and comparing treat one by one, with the
// dmFields bit that governs each, and the printer configuration group.
#pragma once

#include "devmode/devmode_field_table.h"
#include "platform/base/devmode_public.h"

#include <array>

namespace kx {

/// A merge bit of 0: the field is always copied.
constexpr DWORD kAlways = 0;

enum class PublicCompare : uint8_t {
    UnderBit,        ///< when compareBit is set in both records
    UnderBitCollate, ///< as UnderBit, and only when the model collates
    TextUnderBit,    ///< as UnderBit, compared as a text
    Always,
    Never,
};

struct PublicFieldRule {
    uint16_t offset;
    uint16_t width;
    DWORD mergeBit;
    PublicCompare compare;
    DWORD compareBit;
    bool position; ///< part of the 8 position bytes
};

namespace detail {
consteval PublicFieldRule Rule(std::string_view name, DWORD bit,
                               PublicCompare compare = PublicCompare::UnderBit,
                               DWORD compareBit = ~DWORD{0}, bool position = false) {
    const DevmodeField& field = FieldNamed(name);
    return {field.offset, field.width, bit, compare, compareBit == ~DWORD{0} ? bit : compareBit,
            position};
}
} // namespace detail

inline constexpr auto kPublicFieldRules = [] {
    using detail::Rule;
    using enum PublicCompare;
    return std::to_array<PublicFieldRule>({
        Rule("dmOrientation", DM_ORIENTATION, UnderBit, DM_ORIENTATION, true),
        Rule("dmPaperSize", DM_PAPERSIZE, UnderBit, DM_PAPERSIZE, true),
        Rule("dmPaperLength", DM_PAPERLENGTH, UnderBit, DM_PAPERLENGTH, true),
        Rule("dmPaperWidth", DM_PAPERWIDTH, UnderBit, DM_PAPERWIDTH, true),
        Rule("dmScale", DM_SCALE),
        Rule("dmCopies", DM_COPIES),
        Rule("dmDefaultSource", DM_DEFAULTSOURCE),
        Rule("dmPrintQuality", DM_PRINTQUALITY),
        Rule("dmColor", DM_COLOR),
        Rule("dmDuplex", DM_DUPLEX),
        Rule("dmYResolution", DM_YRESOLUTION),
        Rule("dmTTOption", DM_TTOPTION),
        Rule("dmCollate", DM_COLLATE, UnderBitCollate),
        Rule("dmFormName", DM_FORMNAME, TextUnderBit),
        Rule("dmLogPixels", DM_LOGPIXELS),
        Rule("dmBitsPerPel", DM_BITSPERPEL),
        Rule("dmPelsWidth", DM_PELSWIDTH),
        Rule("dmPelsHeight", DM_PELSHEIGHT),
        // The N-up word shares its bit with the display flags; compared under DM_NUP.
        Rule("dmNup", DM_DISPLAYFLAGS, UnderBit, DM_NUP),
        Rule("dmDisplayFrequency", DM_DISPLAYFREQUENCY),
        Rule("dmICMMethod", DM_ICMMETHOD, Never),
        Rule("dmICMIntent", DM_ICMINTENT, Never),
        Rule("dmMediaType", DM_MEDIATYPE),
        Rule("dmDitherType", DM_DITHERTYPE),
        Rule("dmReserved1", kAlways, Always),
        Rule("dmReserved2", kAlways, Always),
        Rule("dmPanningWidth", DM_PANNINGWIDTH),
        Rule("dmPanningHeight", DM_PANNINGHEIGHT),
    });
}();

/// What is installed in the printer and the user's account on it.
inline constexpr std::array<const DevmodeField*, 16> kPrinterConfigurationGroup = {
    &FieldNamed("iOptTray"),         &FieldNamed("iOptFinisher"),
    &FieldNamed("bOptMailBox"),      &FieldNamed("iEvlSupply"),
    &FieldNamed("iDuplexUnit"),      &FieldNamed("iInHard"),
    &FieldNamed("iHighAlt"),         &FieldNamed("iPowerSave"),
    &FieldNamed("sPrinterMemory"),   &FieldNamed("iExcludeHeader"),
    &FieldNamed("sDrvLang"),         &FieldNamed("iOptionalOutBin"),
    &FieldNamed("bEncryption"),      &FieldNamed("sLDAPPermission"),
    &FieldNamed("JobAccountUserID"), &FieldNamed("JobAccountPassword"),
};

} // namespace kx
