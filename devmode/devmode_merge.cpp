// Merging device modes by their dmFields bits, and copying the printer
// configuration group.
#include "devmode/devmode_merge.h"

#include "devmode/devmode_public_fields.h"
#include "devmode/devmode_record.h"

#include <cstring>

namespace kx {
namespace {

constexpr size_t kHeaderSize = FieldNamed("dmFields").End();
constexpr const DevmodeField& kPosition = FieldNamed("dmPosition");

} // namespace

void MergeDevmode(BYTE* target, const BYTE* source) {
    if (target == source)
        return;
    std::memcpy(target, source, kHeaderSize);
    const DWORD bits = FieldBits(source);
    if (bits & DM_POSITION)
        CopyField(target, source, kPosition);
    for (const PublicFieldRule& rule : kPublicFieldRules) {
        if (rule.position && (bits & DM_POSITION))
            continue;
        if (rule.mergeBit == kAlways || (bits & rule.mergeBit))
            CopyBytesAt(target, source, rule.offset, rule.width);
    }
    std::memcpy(target + kPublicDevmodeSize, source + kPublicDevmodeSize, kPrivateDevmodeSize);
}

bool IsConfigurationOf(const DevmodeField& field, const ModelProfile& profile) {
    return field.view != FieldView::Office || profile.UsesOfficeView();
}

void CopyPrinterConfiguration(BYTE* target, const BYTE* source) {
    CopyPrinterConfiguration(target, source, ActiveModelProfile());
}

void CopyPrinterConfiguration(BYTE* target, const BYTE* source, const ModelProfile& profile) {
    if (target == source)
        return;
    for (const DevmodeField* field : kPrinterConfigurationGroup) {
        if (!IsConfigurationOf(*field, profile))
            continue;
        if (field->type == FieldType::Text)
            CopyTextField(target, source, *field);
        else
            CopyField(target, source, *field);
    }
}

} // namespace kx
