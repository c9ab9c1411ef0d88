// The explanation texts of the reason codes.
#include "devmode/reason_texts.h"

#include "platform/base/format.h"

#include <algorithm>

namespace kx {
namespace {

// An option tip may hold 512 code units.
constexpr size_t kOptionTipCapacity = 513;

// The built-in English texts, by code.
constexpr std::u16string_view kReasonTexts[kReasonCodeCount] = {
    u"To enable Scaling, click the Layout tab, set the Layout Options Type to Multiple Pages per "
    u"Side and change the Pages per Side to 1.",
    u"To enable Layout Options, click the Paper tab, set the Scaling Type to Reduce/Enlarge and "
    u"change the Percentage to 100%.",
    u"To enable Layout Options, click the Paper tab, set the Scaling Type to None or "
    u"Reduce/Enlarge and change the Percentage to 100%.",
    u"To enable Print and Hold Options, click the Printer tab, check Optional Hard Disk Drive "
    u"(HDD).",
    u"To enable Scale Factor, choose \"Custom\" in the Page Layout drop-down list.",
    u"To enable Separator, choose \"Transparency\" in the Type drop-down list.",
    u"To enable Double-sided Printing, click the Paper tab and change the Size to one of the "
    u"following: %s.",
    u"To enable Double-sided Printing, set the Layout Options Type to anything except Poster and "
    u"Booklet Printing.",
    u"To enable Layout Options, choose 0 or 180 degrees in the Rotate drop-down list.",
    u"To enable Scaling, click the Layout tab and choose 0 or 180 degrees in the Rotate drop-down "
    u"list.",
    u"To enable Scaling, click the Layout tab, set the Layout Options Type to None or Multiple "
    u"Pages per Side and change the Pages per Side to 1.",
    u"To enable Double-sided Printing, click the Printer tab, check Duplex Unit.",
    u"To enable Double-sided Printing, click the Paper tab and change the Type to one of the "
    u"following: %s.",
    u"To enable 1200 dpi (Best), click the Layout tab, set the Layout Options Type to anything "
    u"except Poster.",
    u"To enable Color Mode, click the Paper tab and change the Type to to anything except "
    u"Transparency.",
    u"To enable Scaling Type, change the Size to anything except following: %s.",
    u"To enable Overlay, change the network printer port to local one.",
    u"To enable Double-sided Printing, click the Paper tab and change the Target Page to one of "
    u"the following: %s.",
    u"To enable Print Order, click the Layout tab, set the Double-sided Printing to anything "
    u"except Short Edge and Long Edge.",
    u"To enable Print Order, click the Layout tab, set the Layout Options Type to anything except "
    u"Booklet Printing.",
    u"To enable Watermark, change \"FILE:\" printer port or set the printer Online.",
    u"To enable Deco, change \"FILE:\" printer port or set the printer Online.",
    u"The feature has been locked by Administrator.",
    u"To enable Staple, click the Layout tab, set the Layout Options Type to anything except "
    u"Poster and Booklet Printing.",
    u"To enable Staple, click the Printer tab, change the Finisher to Multi-Purpose Finisher.",
    u"To enable Request Offset, click the Printer tab, change the Finisher to Multi-Purpose "
    u"Finisher.",
    u"To enable Copies Setting, click the Printer tab and check the Collate.",
    u"To enable Double-sided Printing (Manual), click the Graphic tab and change copies for "
    u"Grayscale of Copies Setting to 0.",
    u"To enable Copies Setting, click the Color in the Color Mode.",
    u"To enable Copies Setting, click the Layout tab, set the Double-sided Printing to anything "
    u"except Short Edge and Long Edge.",
    u"To enable Copies Setting, click the Layout tab, set the Layout Options Type to anything "
    u"except Booklet Printing.",
    u"To enable Separator, click the Paper tab and choose \"Transparency\" in the Type drop-down "
    u"list.",
    u"To enable First and Last Page, click the Cover tab and choose anything except \"printed\" "
    u"Front Cover Options drop-down list.",
    u"To enable First and Last Page, click the Cover tab and choose anything except \"printed\" "
    u"Back Cover Options drop-down list.",
    u"To enable First and Last Page, click the Cover tab and choose anything except \"printed\" "
    u"Front and Back Cover Options drop-down list.",
    u"To enable First and Last Page, click the Transparency tab and choose \"No Separator\" in the "
    u"Options drop-down list.",
    u"To enable First Page, click the Layout tab, set the Double-sided Printing to anything except "
    u"Short Edge and Long Edge.",
    u"To enable First Page, click the Layout tab, set the Layout Options Type to anything except "
    u"Booklet Printing.",
    u"To enable Last Page, click the Layout tab, set the Double-sided Printing to anything except "
    u"Short Edge and Long Edge.",
    u"To enable Last Page, click the Layout tab, set the Layout Options Type to anything except "
    u"Poster and Booklet Printing.",
    u"To enable Cover, click the Layout tab, set the Double-sided Printing to anything except "
    u"Short Edge and Long Edge.",
    u"To enable Cover, click the Layout tab, set the Layout Options Type to anything except "
    u"Booklet Printing.",
    u"To enable Double-sided Printing, click the Paper tab, Advanced Paper Options button, Page "
    u"tab and change the First Page Type to one of the following: %s.",
    u"To enable Double-sided Printing, click the Paper tab, Advanced Paper Options button, Page "
    u"tab and change the Last Page Type to one of the following: %s.",
    u"To enable Double-sided Printing, click the Paper tab, Advanced Paper Options button, Cover "
    u"tab and change the Front Cover Type to one of the following: %s.",
    u"To enable Double-sided Printing, click the Paper tab, Advanced Paper Options button, Cover "
    u"tab and change the Front Cover Size to one of the following: %s.",
    u"To enable Double-sided Printing, click the Paper tab, Advanced Paper Options button, Cover "
    u"tab and change the Back Cover Type to one of the following: %s.",
    u"To enable Double-sided Printing, click the Paper tab, Advanced Paper Options button, Cover "
    u"tab and change the Back Cover Size to one of the following: %s.",
    u"To enable Double-sided Printing, click the Paper tab, Advanced Paper Options button, Cover "
    u"tab and change the Front and Back Cover Type to one of the following: %s.",
    u"To enable Double-sided Printing, click the Paper tab, Advanced Paper Options button, Cover "
    u"tab and change the Front and Back Cover Size to one of the following: %s.",
    u"To enable Front Cover, set Front and Back Cover Options to \"No Cover\".",
    u"To enable Double-sided Printing, change the Virtual Page to one of the following: %s.",
    u"To enable Copies Setting, click the Output tab, Print and Hold button and change Print Mode "
    u"to Normal.",
    u"To enable Print and Hold Options, click the Graphics tab, Copies Settings button and set "
    u"Grayscale Copies to 0.",
    u"To enable Double-sided Printing, change the network printer port to local one.",
    u"To enable Save As Form Overlay, click the Printer tab, check Optional Hard Disk Drive (HDD).",
    u"To enable this control, click the Grayscale in the Color Mode.",
    u"To enable this control, click the Color in the Color Mode.",
    u"To enable Brightess, click the Graphics tab, Advanced Options button, Advanced Options tab "
    u"and set Driver Toner Save to \"No Save\".",
    u"To enable these controls, click the Color in the Color Mode.",
    u"To enable Double-sided Printing, click the Paper tab and change the Source to one of the "
    u"following: %s.",
};

enum class NameList { None, DoubleSidedPapers, DoubleSidedMedias, LargePapers, DoubleSidedSources };

struct ReasonList {
    int code;
    NameList list;
};

// The codes whose text lists names, and which names.
constexpr ReasonList kReasonLists[] = {
    {6, NameList::DoubleSidedPapers},  {17, NameList::DoubleSidedPapers},
    {45, NameList::DoubleSidedPapers}, {47, NameList::DoubleSidedPapers},
    {49, NameList::DoubleSidedPapers}, {51, NameList::DoubleSidedPapers},
    {12, NameList::DoubleSidedMedias}, {42, NameList::DoubleSidedMedias},
    {43, NameList::DoubleSidedMedias}, {44, NameList::DoubleSidedMedias},
    {46, NameList::DoubleSidedMedias}, {48, NameList::DoubleSidedMedias},
    {15, NameList::LargePapers},       {60, NameList::DoubleSidedSources},
};

// The spooler's name capacities: papers and media 64 code units, trays 24.
constexpr size_t kPaperNameLength = 64;
constexpr size_t kMediaNameLength = 64;
constexpr size_t kTrayNameLength = 24;

NameList ListOf(int code) {
    for (const auto& entry : kReasonLists) {
        if (entry.code == code)
            return entry.list;
    }
    return NameList::None;
}

std::u16string Cut(std::u16string name, size_t length) {
    if (name.size() > length)
        name.resize(length);
    return name;
}

const std::vector<int32_t>& NumbersOf(NameList list, const ModelProfile& profile) {
    static const std::vector<int32_t> kNone;
    switch (list) {
    case NameList::DoubleSidedPapers:
        return profile.DoubleSidedPapers;
    case NameList::DoubleSidedMedias:
        return profile.DoubleSidedMedias;
    case NameList::LargePapers:
        return profile.PaperIndex;
    case NameList::DoubleSidedSources:
        return profile.DoubleSidedSources;
    case NameList::None:
        break;
    }
    return kNone;
}

std::u16string NameOf(NameList list, ResolverTexts& texts, const BYTE* devmode, int32_t number) {
    switch (list) {
    case NameList::DoubleSidedMedias:
        return MediaNameFor(texts, devmode, number);
    case NameList::DoubleSidedSources:
        return TrayNameFor(texts, devmode, number);
    default:
        return PaperNameFor(texts, devmode, number);
    }
}

std::u16string JoinNames(NameList list, const ModelProfile& profile, ResolverTexts& texts,
                         const BYTE* devmode) {
    std::u16string joined;
    for (const int32_t number : NumbersOf(list, profile)) {
        const std::u16string name = NameOf(list, texts, devmode, number);
        if (name.empty())
            continue;
        if (!joined.empty())
            joined += u", ";
        joined += name;
    }
    return joined;
}

} // namespace

std::u16string_view BuiltInReasonText(int code) {
    if (code < 0 || code >= kReasonCodeCount)
        return {};
    return kReasonTexts[code];
}

std::u16string PaperNameFor(ResolverTexts& texts, const BYTE* devmode, int32_t paper) {
    return Cut(texts.PaperName(devmode, paper), kPaperNameLength);
}

std::u16string MediaNameFor(ResolverTexts& texts, const BYTE* devmode, int32_t media) {
    return Cut(texts.MediaName(devmode, media), kMediaNameLength);
}

std::u16string TrayNameFor(ResolverTexts& texts, const BYTE* devmode, int32_t tray) {
    std::u16string name = Cut(texts.TrayName(devmode, tray), kTrayNameLength);
    // Some drivers start every bin name with a blank.
    if (!name.empty() && name.front() == u' ')
        name.erase(0, 1);
    return name;
}

std::u16string ReasonText(int code, const ModelProfile& profile, ResolverTexts& texts,
                          const BYTE* devmode) {
    const std::u16string_view builtIn = BuiltInReasonText(code);
    if (builtIn.empty())
        return {};
    const std::u16string text = texts.StringText(
        u"Common", FormatText(u"OptionUsageTipMsg%d", {code + 1}), builtIn, kOptionTipCapacity);
    const NameList list = ListOf(code);
    if (list == NameList::None)
        return text;
    return FormatText(text, {JoinNames(list, profile, texts, devmode)});
}

} // namespace kx
