// The rows of the Graphics page's groups and their flow into columns: the
// page and the Advanced tab lay out the groups they show the same way, a
// group never split between two columns, hidden rows taking no room.
#pragma once

#include "pages/graphic_controls.h"
#include "pages/graphic_row_budget.h"
#include "platform/base/win_types.h"

#include <array>
#include <span>

namespace kx {

/// A row's height that keeps the control's own.
constexpr int kOwnHeight = 0;

/// One row: a control, the dialog units it takes and its own height.
struct GraphicRow {
    int id;
    int step = 9;
    int height = 9;
    int width = 0; ///< 0: the column's width
};

using GraphicRows = std::span<const GraphicRow>;

/// A column of a dialog, in dialog units.
struct RowColumn {
    int left;
    int width;
    int top;
    int bottom;
};

/// The rows of the fixed groups.
GraphicRows ResolutionRows();
GraphicRows ImageModeRows();
GraphicRows ColourRows();
/// The "Settings..." button of the reduced page.
GraphicRows SettingsButtonRows();
/// The rows of a group the budget places.
GraphicRows BudgetGroupRows(GraphicGroup group);

/// Whether a control of the dialog has the visible style (so that rows of
/// a dialog not shown yet count).
bool ControlShown(HWND dialog, int id);
/// Hides every row of a group.
void HideRows(HWND dialog, GraphicRows rows);

/// Places the shown rows of the groups, in order, down the columns: a
/// group that does not fit the rest of a column starts the next one (the
/// last column takes what is left).
void FlowRows(HWND dialog, std::span<const GraphicRows> groups, std::span<const RowColumn> columns);

} // namespace kx
