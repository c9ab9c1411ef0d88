// Device-mode records as the host shows them: record files read and written
// whole, each field's value as text, and the fields two records differ in.
#pragma once

#include "devmode/devmode_field.h"
#include "platform/base/win_types.h"

#include <optional>
#include <string>
#include <vector>

namespace kxhost {

using DevmodeBytes = std::vector<BYTE>;

/// The record in a file, or nothing with `error` saying why (unreadable, or
/// not exactly 3,555 bytes long).
std::optional<DevmodeBytes> ReadDevmodeFile(const std::string& path, std::string& error);
/// Writes the whole record; false with `error` when the file cannot be written.
bool WriteDevmodeFile(const std::string& path, const DevmodeBytes& record, std::string& error);

/// The commands' --out: writes the record and says so; the exit status
/// (0, or 1 with the reason on standard error).
int WriteRecordForUser(const std::string& path, const DevmodeBytes& record);

/// A field's value: numbers in decimal (unsigned 32-bit ones also in hex),
/// texts quoted and bounded by their field, byte blocks in hex.
std::string FieldValueText(const BYTE* record, const kx::DevmodeField& field);

/// The fields, in table order, whose bytes differ between two records. The
/// display view of the public unions is left out: a printer's record is read
/// through the printer view, whose fields cover the same bytes.
std::vector<const kx::DevmodeField*> DifferingFields(const BYTE* before, const BYTE* after);

/// Prints "  name: old -> new" for each differing field; returns how many
/// fields differ. The field table covers every byte of the record.
size_t PrintDifferences(const BYTE* before, const BYTE* after);

} // namespace kxhost
