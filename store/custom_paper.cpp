// The custom paper item and its values in the store.
#include "store/custom_paper.h"

#include "devmode/devmode_record.h"
#include "platform/base/devmode_public.h"
#include "store/custom_data_key.h"
#include "store/store_layout.h"
#include "store/store_operations.h"

namespace kx {
namespace {

constexpr DWORD kPaperFields = DM_PAPERSIZE | DM_PAPERLENGTH | DM_PAPERWIDTH;
// The device mode holds sizes in signed 16-bit fields.
constexpr int32_t kLargestSize = 32767;

bool IsStorableSize(int32_t size) {
    return size > 0 && size <= kLargestSize;
}

LengthUnit UnitFromStore(int32_t value) {
    return value == static_cast<int32_t>(LengthUnit::Inch) ? LengthUnit::Inch
                                                           : LengthUnit::Millimetre;
}

} // namespace

CCustomPaper::CCustomPaper(std::u16string_view name, int32_t width, int32_t height, LengthUnit unit)
    : m_unit(unit), m_width(width), m_height(height),
      m_name(name.substr(0, kCustomPaperNameLimit)) {}

CCustomPaper CCustomPaper::Load(int item) {
    CCustomPaper paper;
    paper.m_item = item;
    CCustomDataKey key;
    key.Open(kCustomPaperKey, item, Create::No);
    WCHAR name[kPaperNameValue.readLimit / sizeof(WCHAR)];
    if (!key.ReadText(kPaperNameValue.name, name, sizeof name))
        return paper;
    paper.m_name = name;
    paper.m_width = key.ReadNumber(kPaperWidthValue);
    paper.m_height = key.ReadNumber(kPaperHeightValue);
    // A size the device mode cannot hold would be cut on applying: such a
    // paper (written by another program) is left out like a nameless one.
    if (!IsStorableSize(paper.m_width) || !IsStorableSize(paper.m_height)) {
        paper.m_width = 0;
        paper.m_height = 0;
    }
    // Another program may have stored any number; only 1 means inches.
    paper.m_unit = UnitFromStore(key.ReadNumber(kPaperInchValue));
    return paper;
}

bool CCustomPaper::IsValid(const BYTE*) const {
    return m_width != 0 && m_height != 0 && IsNonBlank(m_name);
}

bool CCustomPaper::IsSelectedIn(const BYTE* devmode) const {
    // An unsaved paper has no code; 256 is the system's own user size.
    return devmode != nullptr && m_item >= 0 &&
           ReadNumber(devmode, FieldNamed("dmPaperSize")) == PaperCode();
}

bool CCustomPaper::IsDifferent(const CCustomData& other) const {
    const auto* paper = dynamic_cast<const CCustomPaper*>(&other);
    if (paper == nullptr)
        return true;
    return m_name != paper->m_name || m_unit != paper->m_unit || m_width != paper->m_width ||
           m_height != paper->m_height;
}

void CCustomPaper::ApplyTo(BYTE* devmode) const {
    const DevmodeField& fields = FieldNamed("dmFields");
    WriteNumber(devmode, fields, ReadNumber(devmode, fields) | kPaperFields);
    WriteNumber(devmode, FieldNamed("dmPaperSize"), PaperCode());
    WriteNumber(devmode, FieldNamed("dmPaperWidth"), m_width);
    WriteNumber(devmode, FieldNamed("iPaperWidth"), m_width);
    WriteNumber(devmode, FieldNamed("dmPaperLength"), m_height);
    WriteNumber(devmode, FieldNamed("iPaperLength"), m_height);
}

LONG CCustomPaper::Save(int item) {
    m_item = item;
    CCustomDataKey key;
    key.Open(kCustomPaperKey, item, Create::Yes);
    key.WriteText(kPaperNameValue.name, m_name);
    key.WriteNumber(kPaperWidthValue, m_width);
    key.WriteNumber(kPaperHeightValue, m_height);
    key.WriteNumber(kPaperInchValue, static_cast<int32_t>(m_unit));
    return key.Finish();
}

LONG CCustomPaper::DeleteAll() const {
    return store::DeleteKind(kCustomPaperKey);
}

LONG CCustomPaper::SaveCount(int count, const BYTE*) const {
    // After DeleteAll an empty list is simply an absent count.
    if (count == 0)
        return ERROR_SUCCESS;
    CCustomDataKey key;
    key.Open(kCustomPaperKey, CCustomDataKey::kNoItem, Create::Yes);
    key.WriteNumber(kPaperCountValue, count);
    return key.Finish();
}

int CCustomPaper::LoadCount(const BYTE*) const {
    CCustomDataKey key;
    key.Open(kCustomPaperKey, CCustomDataKey::kNoItem, Create::No);
    return key.ReadNumber(kPaperCountValue);
}

} // namespace kx
