// The hidden-row collapse: when a model lacks a feature, the page hides the
// row of controls for it, and the rows below move up into the gap while the
// group box around the row shrinks by the same amount.
#pragma once

#include "platform/base/win_types.h"

#include <initializer_list>
#include <span>

namespace kx {

/// Hides the controls of one row (identifiers of page's children; missing
/// or already hidden ones are skipped) and closes the gap: every control
/// below the row in its column moves up by the distance from the row's top
/// to the next control's top, and the group box holding the row shrinks by
/// it. Returns that distance in pixels (0 when nothing was hidden).
int CollapseRow(HWND page, std::span<const int> ids);
inline int CollapseRow(HWND page, std::initializer_list<int> ids) {
    return CollapseRow(page, std::span<const int>(ids.begin(), ids.size()));
}

} // namespace kx
