// The change cycle every page runs after the user changed a control: save
// the controls, repair conflicts, tell the sheet, refresh, report the
// adjustments and redraw the previews. Pages of the host's sheet and of the
// module's own sheets run the same routine; what differs are their steps.
#pragma once

#include "devmode/conflict_report.h"
#include "devmode/devmode_merge.h"
#include "devmode/devmode_record.h"
#include "platform/base/win_types.h"
#include "platform/profile/profile_cache.h"

#include <cstring>
#include <string_view>

namespace kx {

/// Repairs conflicting settings of working from defaults, taking the
/// printer configuration from configurationSource when one is given; the
/// report is filled only when the model asks for conflicts to be shown and
/// a report is given. Returns 1 when anything was repaired.
int ResolveSettings(BYTE* working, const BYTE* defaults, const BYTE* configurationSource,
                    std::u16string_view printerName, ConflictReport* report);

/// Sets a flag for as long as it lives.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : m_flag(flag) { m_flag = true; }
    ~FlagScope() { m_flag = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& m_flag;
};

/// The copies a change cycle works on.
struct ChangeCycleCopies {
    BYTE* working = nullptr;
    const BYTE* defaults = nullptr;
    /// The state of the last processed change; null when the page has none.
    BYTE* reference = nullptr;
};

/// One change cycle of `page`, which provides the steps:
///   SaveControls(), RefreshControls()            the page's own operations
///   ReportChange()                               the settings differ from the last change
///   ShowFavouriteMatch()                         nothing was adjusted
///   ShowReport(adjusted, conflicts)              the conflict tip
///   UpdatePreviews()
/// `busy` guards against the cycle running again from a control the cycle
/// itself updates.
template <class Page>
void RunChangeCycle(Page& page, bool& busy, const ChangeCycleCopies& copies,
                    std::u16string_view printerName) {
    if (busy || copies.working == nullptr || copies.defaults == nullptr)
        return;
    const FlagScope running(busy);
    // The texts the tips and preview captions read take each file's stamp once.
    const ProfileReadScope oneLookAtEachFile;
    page.SaveControls();
    ConflictReport report;
    int adjusted = ResolveSettings(copies.working, copies.defaults, nullptr, printerName, &report);
    // The configuration takes part: a change of installed options or of the
    // printer language is a change the sheet must hear of.
    if (copies.reference != nullptr &&
        CompareDevmodes(copies.reference, copies.working, &adjusted, Configuration::Include) != 0) {
        std::memcpy(copies.reference, copies.working, kDevmodeSize);
        page.ReportChange();
        if (adjusted != 0)
            page.RefreshControls();
        else
            page.ShowFavouriteMatch();
    } else if (adjusted != 0) {
        page.RefreshControls();
    }
    if (!report.adjusted().empty())
        page.ShowReport(report.adjusted(), report.conflicts());
    page.UpdatePreviews();
}

} // namespace kx
