// Whole-record operations: merging a working copy into the host's record,
// comparing two records by what matters, and copying the printer
// configuration. Records are 3,555-byte device modes.
#pragma once

#include "devmode/devmode_field.h"
#include "devmode/model_profile.h"
#include "platform/base/win_types.h"

namespace kx {

/// Copies source into target: the header, each public field whose dmFields
/// bit is set in source (the 8 position bytes as one unit under
/// DM_POSITION), the reserved words, and the whole private part.
void MergeDevmode(BYTE* target, const BYTE* source);

/// Copies the fields that describe the installed printer and the user's
/// account on it; the two account texts as zero-terminated strings. On a
/// model of the deco view the office fields are the stamp's bytes and are
/// left alone.
void CopyPrinterConfiguration(BYTE* target, const BYTE* source, const ModelProfile& profile);
/// The same with the module's active model profile.
void CopyPrinterConfiguration(BYTE* target, const BYTE* source);

/// Whether a field of the printer configuration group is configuration on
/// this model (the office fields are not on a model of the deco view).
bool IsConfigurationOf(const DevmodeField& field, const ModelProfile& profile);

enum class Configuration { Include, Ignore };

/// 0 when b does not differ from a in anything that matters, non-zero
/// otherwise. With layoutChanged given, a layout difference sets it to 1
/// and makes the records differ at once; it is left alone otherwise.
/// Configuration::Ignore leaves the printer configuration group out.
[[nodiscard]] int CompareDevmodes(const BYTE* a, const BYTE* b, int* layoutChanged,
                                  Configuration configuration, const ModelProfile& profile);

/// The same with the module's active model profile.
[[nodiscard]] int CompareDevmodes(const BYTE* a, const BYTE* b, int* layoutChanged,
                                  Configuration configuration);

} // namespace kx
