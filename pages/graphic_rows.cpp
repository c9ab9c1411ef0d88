// The Graphics groups' rows and their flow into columns.
#include "pages/graphic_rows.h"

#include "platform/window/window_api.h"
#include "platform/window/window_constants.h"

#include <algorithm>

namespace kx {
namespace {

constexpr GraphicRow Text(int id) {
    return {id, 9, 8};
}
constexpr GraphicRow Push(int id) {
    return {id, 15, 13};
}

constexpr GraphicRow kResolutionRows[] = {Text(kResolutionCaptionId), {kFirstResolutionId},
                                          {kFirstResolutionId + 1},   {kFirstResolutionId + 2},
                                          {kFirstResolutionId + 3},   {kFirstResolutionId + 4}};
constexpr GraphicRow kImageModeRows[] = {Text(kImageModeCaptionId),
                                         {kFirstImageModeId},
                                         {kFirstImageModeId + 1},
                                         {kFirstImageModeId + 2},
                                         {kFirstImageModeId + 3}};
constexpr GraphicRow kColourRows[] = {
    Text(kColourCaptionId), {kColourRadioId},    {kGrayscaleRadioId},    {kBlackInkOnlyId},
    Push(kCopiesButtonId),  {kColourMatchingId}, Push(kColourSettingsId)};
constexpr GraphicRow kSettingsButtonRows[] = {Push(kGraphicSettingsId)};
// A drop-down list keeps the height it has: its selection field (the height
// it was made with is that of the list it opens).
constexpr GraphicRow kRasterRows[] = {Text(kRasterCaptionId), {kRasterListId, 16, kOwnHeight}};
constexpr GraphicRow kTonerRows[] = {
    Text(kTonerCaptionId), {kFirstTonerId}, {kFirstTonerId + 1}, {kFirstTonerId + 2}};
constexpr GraphicRow kDarknessRows[] = {Text(kDarknessCaptionId),
                                        {kFirstDarknessId},
                                        {kFirstDarknessId + 1},
                                        {kFirstDarknessId + 2},
                                        {kDarknessPictureId, 15, 12, 40}};
constexpr GraphicRow kGrayscaleRows[] = {{kGrayscaleEnhId}};
constexpr GraphicRow kTonerSliderRows[] = {Text(kTonerSliderCaptionId), {kTonerSliderId, 14, 12}};
constexpr GraphicRow kHighCoverageRows[] = {{kHighCoverageId}};
constexpr GraphicRow kTrueTypeRows[] = {Text(kTrueTypeCaptionId), {kFirstTrueTypeId},
                                        {kFirstTrueTypeId + 1},   {kFirstTrueTypeId + 2},
                                        {kDarkenTextId},          {kAllTextBlackId}};

constexpr std::array<GraphicRows, kGraphicGroupCount> kBudgetGroups = {
    kRasterRows,      kTonerRows,        kDarknessRows, kGrayscaleRows,
    kTonerSliderRows, kHighCoverageRows, kTrueTypeRows};

// Air between two groups of a column.
constexpr int kGroupGap = 3;

} // namespace

GraphicRows ResolutionRows() {
    return kResolutionRows;
}
GraphicRows ImageModeRows() {
    return kImageModeRows;
}
GraphicRows ColourRows() {
    return kColourRows;
}
GraphicRows SettingsButtonRows() {
    return kSettingsButtonRows;
}
GraphicRows BudgetGroupRows(GraphicGroup group) {
    return kBudgetGroups[static_cast<size_t>(group)];
}

bool ControlShown(HWND dialog, int id) {
    const HWND control = ::GetDlgItem(dialog, id);
    return control != nullptr && (::GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

void HideRows(HWND dialog, GraphicRows rows) {
    for (const GraphicRow& row : rows) {
        if (const HWND control = ::GetDlgItem(dialog, row.id))
            ::ShowWindow(control, SW_HIDE);
    }
}

void FlowRows(HWND dialog, std::span<const GraphicRows> groups,
              std::span<const RowColumn> columns) {
    if (columns.empty())
        return;
    size_t column = 0;
    int top = columns[0].top;
    for (const GraphicRows group : groups) {
        int height = 0;
        for (const GraphicRow& row : group)
            height += ControlShown(dialog, row.id) ? row.step : 0;
        if (height == 0)
            continue;
        if (top + height > columns[column].bottom && column + 1 < columns.size()) {
            ++column;
            top = columns[column].top;
        }
        const RowColumn& place = columns[column];
        for (const GraphicRow& row : group) {
            if (!ControlShown(dialog, row.id))
                continue;
            const HWND control = ::GetDlgItem(dialog, row.id);
            const int width = row.width > 0 ? std::min(row.width, place.width) : place.width;
            RECT units{place.left, top, place.left + width, top + row.height};
            ::MapDialogRect(dialog, &units);
            int pixels = units.bottom - units.top;
            if (row.height == kOwnHeight) {
                RECT own{};
                ::GetWindowRect(control, &own);
                pixels = own.bottom - own.top;
            }
            ::SetWindowPos(control, nullptr, units.left, units.top, units.right - units.left,
                           pixels, SWP_NOZORDER | SWP_NOACTIVATE);
            top += row.step;
        }
        top += kGroupGap;
    }
}

} // namespace kx
