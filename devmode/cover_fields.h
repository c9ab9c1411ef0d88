// The three covers (front, back, front and back): their profile list, their
// device-mode fields, and the codes and report items that name them.
#pragma once

#include "devmode/devmode_field_table.h"
#include "devmode/model_profile.h"

#include <string_view>

namespace kx {

struct CoverFields {
    std::vector<int32_t> ProfileValues::*list;
    const DevmodeField* option;
    const DevmodeField* size;
    const DevmodeField* type;
    const DevmodeField* source;
    int printedCode; // reason: a printed cover excludes first and last pages
    int typeCode;    // reason: the cover's type does not allow double-sided printing
    int sizeCode;    // reason: the cover's size does not allow double-sided printing
    std::u16string_view sizeItem;
    std::u16string_view typeItem;
    std::u16string_view sourceItem;
    std::u16string_view doubleSidedItem;
    std::u16string_view noCoversItem;
};

inline constexpr CoverFields kCovers[] = {
    {&ProfileValues::PaperFrontCover, &FieldNamed("jFrontCoverOpt"), &FieldNamed("sFrontPaperSize"),
     &FieldNamed("sFrontPaperType"), &FieldNamed("sFrontPaperSource"), 32, 44, 45,
     u"Front Paper Size: %s", u"Front Paper Type: %s", u"Front Paper Source: %s",
     u"Front Cover Options: Double-sided", u"Front Cover Options: No Covers"},
    {&ProfileValues::PaperBackCover, &FieldNamed("jBackCoverOpt"), &FieldNamed("sBackPaperSize"),
     &FieldNamed("sBackPaperType"), &FieldNamed("sBackPaperSource"), 33, 46, 47,
     u"Back Paper Size: %s", u"Back Paper Type: %s", u"Back Paper Source: %s",
     u"Back Cover Options: Double-sided", u"Back Cover Options: No Covers"},
    {&ProfileValues::PaperFrontBackCover, &FieldNamed("jFrontBackCoverOpt"),
     &FieldNamed("sFrontBackPaperSize"), &FieldNamed("sFrontBackPaperType"),
     &FieldNamed("sFrontBackPaperSource"), 34, 48, 49, u"Front and Back Paper Size: %s",
     u"Front and Back Paper Type: %s", u"Front and Back Paper Source: %s",
     u"Front and Back Cover Options: Double-sided", u"Front and Back Cover Options: No Covers"},
};

} // namespace kx
