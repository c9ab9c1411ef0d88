// What opening a printer's property sheet starts from: the pages asked for
// on the command line and the device mode the host hands the sheet.
#pragma once

#include "apps/devmode_report.h"
#include "apps/sheet_module.h"
#include "platform/spooler/printer_store.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kxhost {

/// The highest page index of the module's page table.
constexpr int kLastPageIndex = 21;

/// A page index 0..21 written in decimal; nothing for anything else.
std::optional<int> ParsePageIndex(std::string_view text);

/// Adds the indexes of a list such as "0,1,2" to `pages`; prints why and
/// returns false for an index out of range or given twice.
bool ParsePageList(std::string_view text, std::vector<int>& pages);

/// Every index of the page table, for a sheet opened without a page list.
std::vector<int> AllPageIndexes();

/// Splits "a,b,c" into its items, leaving out empty ones.
std::vector<std::string_view> ListItems(std::string_view text);

/// The printer of the prefix (made on first use) that a sheet is opened
/// for; prints why and returns nothing when there is none.
std::optional<kx::PrinterRecord> FindSheetPrinter(const std::string& name);

/// The printer's global default device mode when the spooler keeps one of
/// the module's size, otherwise a record with only the public header set.
DevmodeBytes StartingDevmode(const kx::PrinterRecord& printer);

/// A printer with its driver's module loaded and the record its sheet
/// starts from.
struct SheetPrinter {
    kx::PrinterRecord printer;
    std::unique_ptr<SheetModule> module;
    DevmodeBytes before;
};

/// Finds the printer and loads its module, printing the printer's name;
/// prints why and returns nothing when either fails.
std::optional<SheetPrinter> OpenSheetPrinter(const std::string& name);

} // namespace kxhost
