// Keeps the printer's watermark and stamp files in step with the applied
// device mode: run after every successful apply and once when a sheet
// starts closing.
#pragma once

#include "devmode/devmode_record.h"
#include "devmode/model_profile.h"
#include "host/host_records.h"

#include <functional>

namespace kx {

enum class MarkFile { Watermark, Stamp };

/// Makes one mark file of a device mode in one orientation; a stamp file is
/// made for a paper-size code.
using MarkFileGenerator =
    std::function<void(BYTE* devmode, SHORT orientation, MarkFile kind, int paperCode)>;

class MarkFileStep {
public:
    /// The module-wide step, with its copy of the last device mode handled.
    static MarkFileStep& Instance();

    void Run(const SheetContextView& context, const ModelProfile& profile);

    /// The module installs the watermark and stamp jobs here when it
    /// starts; without one nothing is generated.
    void SetGenerator(MarkFileGenerator generator) { m_generator = std::move(generator); }
    /// Forgets the last device mode handled (tests).
    void Forget() { m_last.reset(); }

private:
    void Generate(BYTE* devmode, SHORT orientation, MarkFile kind, int paperCode);
    /// True when devmode differs from the last one handled, which it then becomes.
    bool TakeIfChanged(const BYTE* devmode);

    DevmodeBuffer m_last;
    MarkFileGenerator m_generator;
};

} // namespace kx
