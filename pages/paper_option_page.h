// CPaperOptionPage: what the tabs of "Advanced Paper Options" share: the
// printer's lists for the sheet's copy, the tabs' templates, and a control
// disabled with the tip that says why.
#pragma once

#include "framework/icon_combo_box.h"
#include "framework/kx_property.h"
#include "framework/printer_lists.h"

#include <string>

namespace kx {

enum PaperOptionTemplate : UINT {
    kFirstLastPageTemplate = 3151,
    kCoverTemplate = 3152,
    kCoverExTemplate = 3153,
    kTransparencySepTemplate = 3154,
};

enum PaperOptionControl : int {
    kFirstPageGroupId = 2010,
    kFirstSourceLabelId = 2011,
    kFirstSourceListId = 2012,
    kFirstTypeLabelId = 2013,
    kFirstTypeListId = 2014,
    kLastPageGroupId = 2015,
    kLastSourceLabelId = 2016,
    kLastSourceListId = 2017,
    kLastTypeLabelId = 2018,
    kLastTypeListId = 2019,
    kCoverKindLabelId = 2020,
    kCoverKindListId = 2021,
    /// Three cover groups of kCoverGroupStride identifiers each, from here:
    /// group, option label and list, size, source and type label and list.
    kFirstCoverGroupId = 2030,
    kTransparencyKindLabelId = 2070,
    kTransparencyKindListId = 2071,
    kTransparencySourceLabelId = 2072,
    kTransparencySourceListId = 2073,
};

constexpr int kCoverGroupStride = 10;
/// Offsets within a cover group.
enum CoverGroupControl : int {
    kCoverGroup = 0,
    kCoverOptionLabel = 1,
    kCoverOptionList = 2,
    kCoverSizeLabel = 3,
    kCoverSizeList = 4,
    kCoverSourceLabel = 5,
    kCoverSourceList = 6,
    kCoverTypeLabel = 7,
    kCoverTypeList = 8,
};

/// Registers the tabs' templates with the module.
void RegisterPaperOptionTemplates();

class CPaperOptionPage : public CKxProperty {
public:
    using CKxProperty::CKxProperty;

    // For the tabs and their groups.
    CPrinterLists& Lists();
    void Hide(int id);
    bool Shown(int id) const;
    /// Enables a control, never on a read-only sheet; a disabled one shows
    /// the tip of `reason`.
    void EnableWithTip(int id, bool enable, int reason);
    /// The sources, led by "None" (0) when asked.
    void FillSources(CIconComboBox& box, bool leadingNone);
    static void SelectExactly(CKxComboBox& box, int64_t value);
    std::u16string PageText(std::u16string_view key);
};

} // namespace kx
