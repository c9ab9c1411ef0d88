// The conflict resolver: after every change it repairs the settings of the
// working device mode that now exclude each other, taking each repaired
// value from the default copy, and can report what it changed.
#pragma once

#include "devmode/conflict_report.h"
#include "devmode/model_profile.h"
#include "devmode/resolver_texts.h"
#include "platform/base/win_types.h"

namespace kx {

/// Resolves `working` against `defaults` (both 3,555-byte records). With a
/// configuration source, its printer configuration is copied in first. With
/// a report, the conflicting and the adjusted settings are listed. Returns 1
/// when any field was changed, else 0.
int Resolve(BYTE* working, const BYTE* defaults, const BYTE* configurationSource,
            ConflictReport* report, const ModelProfile& profile, ResolverTexts& texts);

} // namespace kx
