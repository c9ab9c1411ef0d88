// The help parameters: a compact description of the model's features that
// the HTML help pages read to hide what the model does not have.
#include "devmode/model_profile.h"

#include "platform/base/contains.h"
#include "platform/base/format.h"

#include <algorithm>

namespace kx {
namespace {

// One bit of a bit set: a key of the profile (a number that is non-zero, or a
// list that has entries) or a derived flag.
struct ProfileBit {
    uint32_t bit;
    int32_t ProfileValues::*number = nullptr;
    std::vector<int32_t> ProfileValues::*list = nullptr;
    bool ProfileValues::*flag = nullptr;
};

using P = ProfileValues;

constexpr ProfileBit kLayoutBits[] = {
    {0x1, &P::LayoutRotate},           {0x2, &P::LayoutTypeNone},
    {0x4, &P::LayoutBooklet},          {0x8, &P::LayoutDoubleSided},
    {0x10, &P::LayoutDoublePrinter},   {0x20, &P::LayoutVirtual},
    {0x40, &P::LayoutVirtualOrder},    {0x80, &P::LayoutMultiple},
    {0x100, &P::LayoutMultipleOrder},  {0x200, &P::LayoutPoster},
    {0x400, &P::LayoutPoster6x6},      {0x800, &P::LayoutPosterCustom},
    {0x1000, &P::LayoutMore},          {0x2000, &P::LayoutDoubleManual},
    {0x4000, &P::LayoutDoubleReverse}, {0x8000, &P::LayoutFitToPage},
    {0x10000, &P::LayoutMirror},
};

// Paper bits 0x100 to 0x1000 are the derived paper flags: cover pages
// offered, first page in covers, custom double-sided papers, a choice of
// separators, and combined front and back covers.
constexpr ProfileBit kPaperBits[] = {
    {0x1, &P::PaperCollate},
    {0x2, &P::PaperSeparator},
    {0x4, &P::PaperFirstPage},
    {0x8, &P::PaperScaleNone},
    {0x10, &P::PaperBannerSheet},
    {0x20, &P::PaperTrayRadio},
    {0x40, &P::PaperOhpSource},
    {0x80, &P::PaperLastPage},
    {0x100, nullptr, nullptr, &P::coverPagesOffered},
    {0x200, nullptr, nullptr, &P::firstPageInCovers},
    {0x400, nullptr, nullptr, &P::customDoubleSided},
    {0x800, nullptr, nullptr, &P::separatorChoiceOffered},
    {0x1000, nullptr, &P::PaperFrontBackCover},
    {0x2000, &P::PaperCoverSource},
    {0x4000, &P::PaperCoverType},
    {0x8000, &P::PaperCoverSize},
    {0x10000, &P::PaperFirstLastType},
    {0x20000, &P::PaperScaleMinMargin},
};

// Graphics 0x100000 is Kroma CMS offered, 0x40000000 ink options offered.
constexpr ProfileBit kGraphicsBits[] = {
    {0x1, &P::Graphics600Res},
    {0x2, &P::GraphicsDraftRes},
    {0x4, nullptr, nullptr, &P::imageModesOffered},
    {0x8, &P::GraphicsDarkness},
    {0x10, &P::Graphics1200Res},
    {0x20, &P::Graphics300Res},
    {0x40, &P::GraphicsTrueType},
    {0x80, &P::GraphicsTonerPrinter},
    {0x100, &P::GraphicsColorMode},
    {0x200, &P::GraphicsColorSettings},
    {0x400, &P::GraphicsTrueTypeOutline},
    {0x800, &P::GraphicsDarkenText},
    {0x1000, &P::GraphicsColorMatching},
    {0x2000, &P::GraphicsTonerMode},
    {0x4000, &P::GraphicsColorAuto},
    {0x8000, &P::GraphicsTrueTypeAdvanced},
    {0x10000, &P::GraphicsTrueTypeDisabled},
    {0x20000, &P::GraphicsRaster},
    {0x40000, &P::GraphicsCopiesSetting},
    {0x80000, &P::GraphicsGrayscaleEnh},
    {0x100000, nullptr, nullptr, &P::kromaCmsOffered},
    {0x200000, &P::GraphicsRGBColor},
    {0x400000, &P::GraphicsBlackOnly},
    {0x800000, &P::GraphicsOverSpray},
    {0x1000000, &P::GraphicsDryTime},
    {0x2000000, &P::GraphicsInkVolume},
    {0x4000000, &P::GraphicsRegionalTable},
    {0x8000000, &P::GraphicCorporateColor},
    {0x10000000, &P::GraphicsDriverTonerSave},
    {0x20000000, &P::GraphicsHighCoverageMode},
    {0x40000000, nullptr, nullptr, &P::inkOptionsOffered},
};

constexpr ProfileBit kExtrasBits[] = {
    {0x1, &P::ExtrasDestination},    {0x2, &P::ExtrasReprintJam},   {0x4, &P::ExtrasQuickPrint},
    {0x8, &P::ExtrasPrintTime},      {0x10, &P::ExtrasPrinterFont}, {0x20, &P::ExtrasSaveAsForm},
    {0x40, &P::ExtrasSecurePrint},   {0x80, &P::ExtrasSimple},      {0x100, &P::ExtrasPageOrder},
    {0x200, &P::ExtrasPrinterFont2}, {0x20000, &P::MultiBinMode},
};

// Printer 0x100 is the device-mode test: the last language pass chose "PCL".
constexpr ProfileBit kPrinterBits[] = {
    {0x1, &P::PrinterOptTray},
    {0x2, &P::PrinterTray34},
    {0x4, &P::PrinterFinisher},
    {0x8, &P::PrinterEnvelope},
    {0x10, &P::PrinterDuplex},
    {0x20, &P::PrinterStapler},
    {0x40, &P::PrinterHDD},
    {0x80, &P::PrinterHighAlt},
    {0x100, nullptr, nullptr, &P::pclLanguageInUse},
    {0x200, &P::PrinterTrayCheck},
    {0x400, &P::PrinterStatusWindow},
    {0x800, &P::PrinterTray23},
    {0x1000, &P::PrinterTray234},
    {0x2000, &P::PrinterInstalledHDD},
    {0x4000, &P::PrinterStacker},
    {0x8000, &P::PrinterOptMPTray},
    {0x20000, &P::PrinterJobAccounting},
    {0x100000, &P::PrinterOptLCTray},
    {0x200000, &P::PrinterOptLCTray2},
    {0x400000, &P::PrinterOptLCTray23},
    {0x800000, nullptr, &P::PrinterMemorySizes},
    {0x1000000, &P::PrinterOptOutBin},
    {0x2000000, &P::PrinterJobAccountingAuthSelect},
    {0x4000000, &P::PrinterMailBox},
    {0x8000000, &P::JobAccountingPasswordEncryption},
    {0x10000000, &P::PrinterTray2345},
};

// The 20 lists of bit set 6, from bit 0x100 upward.
constexpr std::vector<int32_t> ProfileValues::*kAboutLists[] = {
    &P::GraphicsResolutionStringIndex,
    &P::GraphicsFineEdgeTrapping,
    &P::PaperFrontCover,
    &P::PaperBackCover,
    &P::PaperFrontBackCover,
    &P::ExtrasJobSettings,
    &P::PrinterPowerSave,
    &P::PrinterEmulation,
    &P::PrinterMemorySizes,
    &P::JobSettingHDDOn,
    &P::JobSettingHDDOff,
    &P::JobSettingMemoryOn,
    &P::JobSettingMemoryOff,
    &P::FinisherIndex,
    &P::MailBoxIndex,
    &P::OutputBinIndex,
    &P::MultiBinModeIndex,
    &P::StapleIndex,
    &P::HighAltIndex,
    &P::DoubleSidedPapers,
};

// The output-option lists whose values 1 to 7 set extras bits 0x400 to 0x10000.
constexpr std::vector<int32_t> ProfileValues::*kOutputOptionLists[] = {
    &P::FinisherIndex,
    &P::MailBoxIndex,
    &P::OutputBinIndex,
    &P::MultiBinModeIndex,
};

// The values of ExtrasJobSettings that set printer bits.
struct JobSettingBit {
    int32_t value;
    uint32_t bit;
};
constexpr JobSettingBit kJobSettingBits[] = {{-1, 0x10000}, {1, 0x40000}, {0, 0x80000}};

template <size_t N>
uint32_t BitSet(const ProfileValues& values, const ProfileBit (&bits)[N]) {
    uint32_t set = 0;
    for (const auto& entry : bits) {
        const bool on = entry.number ? values.*entry.number != 0
                        : entry.list ? !(values.*entry.list).empty()
                        : entry.flag ? values.*entry.flag
                                     : false;
        if (on)
            set |= entry.bit;
    }
    return set;
}

constexpr char16_t kHexDigits[] = u"0123456789ABCDEF";

void AppendHex(std::u16string& out, uint32_t value, int digits) {
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        out.push_back(kHexDigits[(value >> shift) & 0xF]);
}

// The lists' own separators and the escape's own introducer.
bool BreaksTheLists(char16_t c) {
    return c == u'%' || c == u'?' || c == u',';
}

void AppendScriptName(std::u16string& out, std::u16string_view name) {
    for (const char16_t c : name) {
        if (BreaksTheLists(c)) {
            out.push_back(u'%');
            AppendHex(out, c, 2);
        } else if (c == u'\'' || c == u'\\') {
            out.push_back(u'\\');
            out.push_back(c);
        } else if (c == u'\n') {
            out += u"\\n";
        } else if (c == u'\r') {
            out += u"\\r";
        } else if (c < 0x20 || c == 0x7F) {
            out += u"\\x";
            AppendHex(out, c, 2);
        } else if (c > 0x7F) {
            // Beyond ASCII the script file's 8-bit code page may have no
            // such character (it would become "?"), and U+2028 and U+2029
            // end a script line.
            out += u"\\u";
            AppendHex(out, c, 4);
        } else {
            out.push_back(c);
        }
    }
}

bool IsUnreserved(char32_t c) {
    return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') || (c >= U'0' && c <= U'9') ||
           c == U'-' || c == U'.' || c == U'_' || c == U'~';
}

void AppendPercentByte(std::u16string& out, uint32_t byte) {
    out.push_back(u'%');
    AppendHex(out, byte, 2);
}

void AppendAddressName(std::u16string& out, std::u16string_view name) {
    for (size_t i = 0; i < name.size(); ++i) {
        char32_t c = name[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < name.size() && name[i + 1] >= 0xDC00 &&
            name[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (name[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD; // a lone surrogate has no UTF-8 form
        }
        if (IsUnreserved(c)) {
            out.push_back(static_cast<char16_t>(c));
        } else if (c < 0x80) {
            AppendPercentByte(out, c);
        } else if (c < 0x800) {
            AppendPercentByte(out, 0xC0 | (c >> 6));
            AppendPercentByte(out, 0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            AppendPercentByte(out, 0xE0 | (c >> 12));
            AppendPercentByte(out, 0x80 | ((c >> 6) & 0x3F));
            AppendPercentByte(out, 0x80 | (c & 0x3F));
        } else {
            AppendPercentByte(out, 0xF0 | (c >> 18));
            AppendPercentByte(out, 0x80 | ((c >> 12) & 0x3F));
            AppendPercentByte(out, 0x80 | ((c >> 6) & 0x3F));
            AppendPercentByte(out, 0x80 | (c & 0x3F));
        }
    }
}

} // namespace

std::u16string ModelProfile::HelpParameters(const NameLookup& names, HelpNameEscape escape) const {
    uint32_t extras = BitSet(*this, kExtrasBits);
    for (int32_t value = 1; value <= 7; ++value) {
        for (const auto list : kOutputOptionLists) {
            if (Contains(this->*list, value))
                extras |= 0x400u << (value - 1);
        }
    }
    uint32_t printer = BitSet(*this, kPrinterBits);
    for (const auto& entry : kJobSettingBits) {
        if (Contains(ExtrasJobSettings, entry.value))
            printer |= entry.bit;
    }
    uint32_t about = (TroubleScout != 0 ? 0x1u : 0u) | (UnitsOnPreview != 0 ? 0x2u : 0u);
    for (int link = 1; link <= 6; ++link) {
        if (m_strings.ReadText(u"About Dialog", FormatText(u"Ref_URL_%d", {link}), 256))
            about |= 0x4u << (link - 1);
    }
    uint32_t listBit = 0x100;
    for (const auto list : kAboutLists) {
        const auto& values = this->*list;
        if (!values.empty() && values[0] != 0)
            about |= listBit;
        listBit <<= 1;
    }

    std::u16string text = FormatText(
        u"%u,%u,%u,%u,%u,%u,%u,%u,%u",
        {BitSet(*this, kLayoutBits), BitSet(*this, kPaperBits), BitSet(*this, kGraphicsBits),
         extras, printer, about, static_cast<uint32_t>(Graphics300Res),
         static_cast<uint32_t>(Graphics600Res), static_cast<uint32_t>(Graphics1200Res)});
    const struct {
        NameListKind kind;
        const std::vector<int32_t>& numbers;
    } nameLists[] = {
        {NameListKind::Trays, TrayIndex},
        {NameListKind::Media, PaperType},
        {NameListKind::Papers, PaperIndex},
    };
    for (const auto& list : nameLists) {
        text.push_back(u'?');
        for (size_t i = 0; i < list.numbers.size(); ++i) {
            if (i > 0)
                text.push_back(u',');
            if (!names)
                continue;
            const std::u16string name = names(list.kind, list.numbers[i]);
            if (escape == HelpNameEscape::Script)
                AppendScriptName(text, name);
            else
                AppendAddressName(text, name);
        }
    }
    return text;
}

} // namespace kx
