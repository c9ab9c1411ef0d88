// The resolver's steps over one working copy W and its default copy D. Each
// step repairs one group of settings through the small "revert field"
// helpers, which mark the run as changed and feed the report.
#pragma once

#include "devmode/blocking_rules.h"
#include "devmode/devmode_record.h"
#include "devmode/resolver_report.h"

#include <string_view>

namespace kx {

/// A paper named in the report with the format it belongs to.
struct PaperItem {
    std::u16string_view format;
    int64_t paper;
};

/// What a tray says to a paper and a media, and whether the printer has it.
struct TrayCheck {
    bool paper;
    bool media;
    bool available;
    bool Passes() const { return paper && media && available; }
};

class ResolverSteps {
public:
    ResolverSteps(BYTE* working, const BYTE* defaults, ConflictReport* report,
                  const ModelProfile& profile, ResolverTexts& texts);

    int Run(const BYTE* configurationSource);

private:
    // Steps, in the order they run.
    void CopyConfiguration(const BYTE* source);
    void ResolvePaperType();
    void ResolveFirstAndLastPageTypes();
    void ResolveCoverTypes();
    bool ResolveLargePapers();
    void ResolveFitToPage(bool largePaper);
    void ResolvePaperSource();
    void ResolveTransparencySeparator();
    void ResolveFirstAndLastPageSources();
    void ResolveCoverSources();
    void ResolveDoubleSided();
    void ResolvePrintAndHold();
    void ResolveStaple();
    void ResolveRequestOffset();
    void ResolveOverlay();
    void ResolveDriverTonerSave();
    void ResolveGrayscale();
    void ResolveOutputDevices();
    void ResolvePageOrderAndCovers();
    void ResolveJobRetentionWithoutDisk();

    // Helpers.
    int64_t Get(const DevmodeField& field) const { return ReadNumber(m_working, field); }
    int64_t Default(const DevmodeField& field) const { return ReadNumber(m_defaults, field); }
    /// Sets a field; marks the run changed when the value differs.
    void Set(const DevmodeField& field, int64_t value);
    /// Gives a field the default copy's value; returns whether it differed.
    bool Revert(const DevmodeField& field);
    /// Reverts a field named in the report with value words.
    bool RevertWord(const DevmodeField& field, std::u16string_view format, ValueWords words);
    /// Reverts a field named in the report with its number.
    bool RevertNumber(const DevmodeField& field, std::u16string_view format);

    int32_t Paper() const { return EffectivePaper(m_working); }
    PaperItem EffectivePaperItem() const;
    /// Chooses a media that allows `paper` when the field's media does not.
    void ChooseMedia(const DevmodeField& typeField, int32_t paper, const PaperItem& paperItem,
                     std::u16string_view typeFormat);
    /// Chooses a tray that accepts the paper and media and is available when
    /// the field's tray does not.
    void ChooseSource(const DevmodeField& sourceField, int32_t paper, const PaperItem& paperItem,
                      int32_t media, std::u16string_view sourceFormat);
    TrayCheck CheckTray(int64_t tray, int32_t paper, int32_t media) const;
    /// Reverts an option (staple or offset) whose paper list refuses a paper.
    void CheckOptionPapers(const DevmodeField& field, PaperKeyKind kind,
                           std::u16string_view format);
    /// A print mode lowered to one that needs no disk when the printer has none.
    int64_t RetentionWithoutDisk(int64_t mode) const;
    void ReportLayoutConflicts(bool poster, bool booklet);
    void ReportReasonConflicts(const ReasonCodes& reasons);

    BYTE* m_working;
    const BYTE* m_defaults;
    const ModelProfile& m_profile;
    ResolverTexts& m_texts;
    BlockingRules m_rules;
    ResolverReport m_report;
    bool m_changed = false;
};

} // namespace kx
