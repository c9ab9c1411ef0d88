// The items of a conflict report: each a line whose text comes from the
// string file (the item's format as key and default), formatted with the
// value's name or localized word.
#pragma once

#include "devmode/conflict_report.h"
#include "devmode/model_profile.h"
#include "devmode/resolver_texts.h"
#include "platform/base/format.h"
#include "platform/base/win_types.h"

#include <string_view>

namespace kx {

/// The fields whose values the report names with words.
enum class ValueWords {
    DoubleSided,
    PrinterLanguage,
    Overlay,
    PrintMode,
    TransparencySeparator,
    OptionalTray,
    RequestOffset,
};

enum class Side { Conflict, Adjusted };

/// A report item the resolver asks about again once it is listed: its
/// format (also its key in the string file) is written in one place.
struct ReportItem {
    std::u16string_view format;
};

inline constexpr ReportItem kPaperTypeItem{u"Paper Type: %s"};

class ResolverReport {
public:
    /// With a null report nothing is looked up or built.
    ResolverReport(ConflictReport* report, ResolverTexts& texts, const ModelProfile& profile,
                   BYTE* working)
        : m_report(report), m_texts(texts), m_profile(profile), m_working(working) {}

    bool active() const { return m_report != nullptr; }

    void Fixed(Side side, std::u16string_view format);
    void Number(Side side, std::u16string_view format, int64_t value);
    void Paper(Side side, std::u16string_view format, int64_t paper);
    void Media(Side side, std::u16string_view format, int64_t media);
    /// A tray named as if the installed options made it available.
    void Tray(Side side, std::u16string_view format, int64_t tray);
    /// A paper source: tray 0 is the "Paper" page's word "None".
    void Source(Side side, std::u16string_view format, int64_t tray);
    void Word(Side side, std::u16string_view format, ValueWords words, int64_t value);
    /// A staple value: its name in section "STAPLENAME", 0 the word "None".
    void Staple(Side side, std::u16string_view format, int64_t value);

    /// Whether a conflict of this item was already listed.
    bool HasConflict(ReportItem item) const {
        return m_report != nullptr && m_report->HasConflict(item.format);
    }

private:
    void Add(Side side, std::u16string_view format, const FormatArg& value);
    std::u16string LocalWord(std::u16string_view pageWord, std::u16string_view word);
    std::u16string TrayNameAvailable(int32_t tray);

    ConflictReport* m_report;
    ResolverTexts& m_texts;
    const ModelProfile& m_profile;
    BYTE* m_working;
};

} // namespace kx
