// The items of a conflict report.
#include "devmode/resolver_report.h"

#include "devmode/devmode_record.h"
#include "devmode/reason_texts.h"
#include "platform/base/format.h"

namespace kx {
namespace {

constexpr const DevmodeField& kOptTray = FieldNamed("iOptTray");
constexpr const DevmodeField& kEnvelopeSupply = FieldNamed("iEvlSupply");

struct WordTable {
    std::u16string_view pageWord;
    const std::u16string_view* words; // by value from `first`
    size_t count;
    int first;
    std::u16string_view above; // values above the table; also "other" values
};

constexpr std::u16string_view kDoubleSidedWords[] = {u"None", u"Short Edge", u"Long Edge"};
constexpr std::u16string_view kLanguageWords[] = {u"Auto", u"SPL"};
constexpr std::u16string_view kOverlayWords[] = {u"No Overlay Selected", u"Use Overlay"};
constexpr std::u16string_view kPrintModeWords[] = {
    u"Normal",      u"Normal Store",   u"Proof",
    u"Proof Store", u"Confidentional", u"Confidentional Store",
    u"Store",       u"Store Public",   u"Delay"};
constexpr std::u16string_view kSeparatorWords[] = {u"No Separator", u"Printed Separator",
                                                   u"Blank Separator"};
constexpr std::u16string_view kOptionalTrayWords[] = {u"None",
                                                      u"Tray 2",
                                                      u"None",
                                                      u"Tray 2, 3",
                                                      u"Tray 2, 3, 4",
                                                      u"Multi-Purpose Tray",
                                                      u"Multi-Purpose Tray, Tray 2",
                                                      u"Multi-Purpose Tray, Tray 2, 3",
                                                      u"Multi-Purpose Tray, Tray 2, 3, 4",
                                                      u"Multi-Purpose Tray, Tray 3, 4",
                                                      u"Large Capacity Tray",
                                                      u"Large Capacity Tray, Tray 2",
                                                      u"Large Capacity Tray, Tray 2, 3"};
constexpr std::u16string_view kOffsetWords[] = {u"No Offset"};

template <size_t N>
constexpr WordTable Table(std::u16string_view page, const std::u16string_view (&words)[N],
                          int first, std::u16string_view above) {
    return {page, words, N, first, above};
}

// Indexed by ValueWords. Values below a table's first entry (none here but
// the printer language's -1) count as "above": a word for every other value.
constexpr WordTable kWordTables[] = {
    Table(u"Layout", kDoubleSidedWords, 0, u"Printer Default"),
    Table(u"Printer", kLanguageWords, -1, u"PCL"),
    Table(u"Overlay", kOverlayWords, 0, u"Create Overlay"),
    Table(u"Hold", kPrintModeWords, 0, u"Spool"),
    Table(u"Transparency Separator", kSeparatorWords, 0, u"Colored Separator"),
    Table(u"Printer", kOptionalTrayWords, 0, u"Tray 2, 3, 4, 5"),
    Table(u"Extras", kOffsetWords, 0, u"Offset Each Set"),
};

} // namespace

void ResolverReport::Add(Side side, std::u16string_view format, const FormatArg& value) {
    const std::u16string text =
        FormatText(m_texts.StringText(u"Common", format, format, kStringTextCapacity), {value});
    if (side == Side::Conflict) {
        m_report->AddConflict(text);
        m_report->RememberConflictFormat(format);
    } else {
        m_report->AddAdjusted(text);
    }
}

std::u16string ResolverReport::LocalWord(std::u16string_view pageWord, std::u16string_view word) {
    return m_texts.StringText(std::u16string(pageWord) + u" Dialog", word, word,
                              kStringTextCapacity);
}

void ResolverReport::Fixed(Side side, std::u16string_view format) {
    if (active())
        Add(side, format, std::u16string_view());
}

void ResolverReport::Number(Side side, std::u16string_view format, int64_t value) {
    if (active())
        Add(side, format, static_cast<long long>(value));
}

void ResolverReport::Paper(Side side, std::u16string_view format, int64_t paper) {
    if (active())
        Add(side, format, PaperNameFor(m_texts, m_working, static_cast<int32_t>(paper)));
}

void ResolverReport::Media(Side side, std::u16string_view format, int64_t media) {
    if (active())
        Add(side, format, MediaNameFor(m_texts, m_working, static_cast<int32_t>(media)));
}

std::u16string ResolverReport::TrayNameAvailable(int32_t tray) {
    const int64_t optTray = ReadNumber(m_working, kOptTray);
    const int64_t envelope = ReadNumber(m_working, kEnvelopeSupply);
    if (!m_profile.TrayAvailable(tray, static_cast<int32_t>(optTray),
                                 static_cast<int32_t>(envelope))) {
        if (tray == 5) {
            WriteNumber(m_working, kEnvelopeSupply, 1);
        } else {
            for (int32_t opt = 1; opt <= 9; ++opt) {
                if (m_profile.TrayAvailable(tray, opt, static_cast<int32_t>(envelope))) {
                    WriteNumber(m_working, kOptTray, opt);
                    break;
                }
            }
        }
    }
    std::u16string name = TrayNameFor(m_texts, m_working, tray);
    WriteNumber(m_working, kOptTray, optTray);
    WriteNumber(m_working, kEnvelopeSupply, envelope);
    return name;
}

void ResolverReport::Tray(Side side, std::u16string_view format, int64_t tray) {
    if (active())
        Add(side, format, TrayNameAvailable(static_cast<int32_t>(tray)));
}

void ResolverReport::Source(Side side, std::u16string_view format, int64_t tray) {
    if (!active())
        return;
    if (tray == 0)
        Add(side, format, LocalWord(u"Paper", u"None"));
    else
        Add(side, format, TrayNameAvailable(static_cast<int32_t>(tray)));
}

void ResolverReport::Word(Side side, std::u16string_view format, ValueWords words, int64_t value) {
    if (!active())
        return;
    const WordTable& table = kWordTables[static_cast<size_t>(words)];
    if (words == ValueWords::OptionalTray && value == 1 && m_profile.PrinterTray34 != 0) {
        Add(side, format, std::u16string_view(u"Tray 3 and Tray 4"));
        return;
    }
    const int64_t index = value - table.first;
    const std::u16string_view word =
        (index >= 0 && static_cast<size_t>(index) < table.count) ? table.words[index] : table.above;
    Add(side, format, LocalWord(table.pageWord, word));
}

void ResolverReport::Staple(Side side, std::u16string_view format, int64_t value) {
    if (!active())
        return;
    if (value == 0) {
        Add(side, format, LocalWord(u"Extras", u"None"));
        return;
    }
    const std::u16string number = FormatText(u"%d", {static_cast<long long>(value)});
    Add(side, format, m_texts.StringText(u"STAPLENAME", number, number, kStringTextCapacity));
}

} // namespace kx
