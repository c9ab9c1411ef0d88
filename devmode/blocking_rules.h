// The settings that exclude each other: the effective paper, the
// double-sided value, and the blocking rules that say why double-sided
// printing, first and last pages or covers cannot be used now.
#pragma once

#include "devmode/devmode_field_table.h"
#include "devmode/model_profile.h"
#include "devmode/reason_codes.h"
#include "platform/base/win_types.h"

#include <functional>

namespace kx {

/// The paper most rules test: the virtual page's paper, else the fit-to-page
/// target, else the paper size.
int32_t EffectivePaper(const BYTE* devmode);
/// Fit to page counts for the double-sided rules only when its target paper
/// differs from the paper size.
bool FitToPageCounts(const BYTE* devmode);
/// Papers 19-23, 27-33 and 35-38.
bool IsEnvelopePaper(int32_t paper);

class BlockingRules {
public:
    /// `localPrintingOnly` answers the network-port condition; it is asked
    /// only when manual duplexing applies.
    BlockingRules(const ModelProfile& profile, std::function<bool()> localPrintingOnly)
        : m_profile(profile), m_localPrintingOnly(std::move(localPrintingOnly)) {}

    /// Each rule gives its reason codes in order; none when nothing blocks.
    ReasonCodes DoubleSidedBlocked(const BYTE* devmode) const;
    ReasonCodes FirstPageBlocked(const BYTE* devmode) const;
    ReasonCodes LastPageBlocked(const BYTE* devmode) const;
    ReasonCodes FrontCoverBlocked(const BYTE* devmode) const;
    ReasonCodes OtherCoversBlocked(const BYTE* devmode) const;
    /// The front cover's rule for cover 0, the other covers' rule for the
    /// rest (the order of kCovers).
    ReasonCodes CoverBlocked(const BYTE* devmode, size_t cover) const;

    /// Double-sided printing is chosen (1 or 2) and nothing blocks it.
    bool DoubleSidedInEffect(const BYTE* devmode) const;

    /// The field holding the user's double-sided choice for this model and
    /// record: iHardwareDuplex when the printer duplexes, else iManualDuplex.
    const DevmodeField& DoubleSidedField(const BYTE* devmode) const;
    /// The driver turns the pages: the model offers manual double-sided
    /// printing and the printer's own duplexing does not apply.
    bool ManualDuplexConfigured(const BYTE* devmode) const;
    /// The copies setting (separate grayscale copies) is in use; without the
    /// duplex conditions.
    bool CopiesSettingInUse(const BYTE* devmode) const;
    /// A paper that double-sided printing accepts (the lists and large papers).
    bool PaperAllowsDoubleSided(int32_t paper) const;
    /// A media that double-sided printing accepts.
    bool MediaAllowsDoubleSided(int32_t media) const;

private:
    bool PrinterDuplexes(const BYTE* devmode) const;
    /// Printed covers and transparency separators exclude first and last pages.
    void AddPrintedCoverReasons(const BYTE* devmode, ReasonCodes& reasons) const;
    /// Booklets and double-sided printing by hand exclude covers.
    void AddManualDuplexCoverReasons(const BYTE* devmode, ReasonCodes& reasons) const;

    const ModelProfile& m_profile;
    std::function<bool()> m_localPrintingOnly;
};

} // namespace kx
