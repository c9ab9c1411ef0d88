// The explanation texts of the reason codes 0 to 60 that say why a control
// is disabled and how to enable it.
#pragma once

#include "devmode/model_profile.h"
#include "devmode/resolver_texts.h"

#include <string>

namespace kx {

constexpr int kReasonCodeCount = 61;

/// The text of reason `code` from the string file (key "OptionUsageTipMsg"
/// + (code + 1), section "Common", the built-in text as default), with "%s"
/// replaced by the names of the list the code names, joined by ", ". Names
/// come from the spooler for the working device mode; numbers it does not
/// list are left out. An unknown code gives an empty text.
std::u16string ReasonText(int code, const ModelProfile& profile, ResolverTexts& texts,
                          const BYTE* devmode);

/// The built-in English text of a code, or an empty view for an unknown one.
std::u16string_view BuiltInReasonText(int code);

/// A name as the lists show it: cut to the spooler's name capacity, and for
/// trays without a leading blank.
std::u16string PaperNameFor(ResolverTexts& texts, const BYTE* devmode, int32_t paper);
std::u16string MediaNameFor(ResolverTexts& texts, const BYTE* devmode, int32_t media);
std::u16string TrayNameFor(ResolverTexts& texts, const BYTE* devmode, int32_t tray);

} // namespace kx
