// The diagnostic change report: field by field, what an apply is about to
// change in the host's device mode, for people tuning model profiles.
#pragma once

#include "platform/base/win_types.h"

#include <string>

namespace kx {

/// The longest report text, in code units.
constexpr size_t kChangeReportCapacity = 8192;

/// One line per field that differs between the host's record (old) and the
/// working copy (new), in the report's fixed order: numbers with their
/// decimal and hexadecimal values, texts as texts, opaque blocks as
/// "binary differs". A report that would grow past kChangeReportCapacity
/// keeps its whole lines and ends with a line "...".
std::u16string BuildChangeReport(const BYTE* oldRecord, const BYTE* newRecord);

} // namespace kx
