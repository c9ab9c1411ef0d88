// The watermark item, its values in the device mode and in the store, and
// the import of the model's built-in watermarks.
#include "store/water_mark.h"

#include "devmode/devmode_record.h"
#include "framework/item_texts.h"
#include "framework/kromaui_app.h"
#include "platform/base/format.h"
#include "platform/gdi/gdi_api.h"
#include "store/custom_data_key.h"
#include "store/store_layout.h"
#include "store/store_operations.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace kx {
namespace {

constexpr int kAngleScale = 10;
constexpr size_t kShortTextCharacters = 79;
constexpr size_t kNoWatermarkCapacity = 256;
constexpr int kCharSetFontHeight = 12;

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

/// Fills a text field with up to its capacity of code units and zeros
/// after them; a text that fills the field has no terminator.
void WriteFilledText(BYTE* record, const DevmodeField& field, std::u16string_view text) {
    std::memset(record + field.offset, 0, field.width);
    size_t count = std::min(text.size(), field.Capacity());
    if (count < text.size() && count > 0 && IsHighSurrogate(text[count - 1]))
        --count;
    for (size_t i = 0; i < count; ++i)
        StoreU16(record + field.offset + 2 * i, text[i]);
}

/// The character set the system chooses for the face, measured in a memory
/// device context compatible with the screen.
int32_t CharSetOfFace(const WatermarkValues& values) {
    struct DcDeleter {
        void operator()(HDC dc) const { DeleteDC(dc); }
    };
    struct FontDeleter {
        void operator()(HFONT font) const { DeleteObject(font); }
    };
    const std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter> dc(CreateCompatibleDC(nullptr));
    if (!dc)
        return DEFAULT_CHARSET;
    const std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter> font(
        CreateFontW(kCharSetFontHeight, 0, 0, 0, values.weight, values.italic != 0 ? TRUE : FALSE,
                    FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, values.face.c_str()));
    if (!font)
        return DEFAULT_CHARSET;
    const HGDIOBJ old = SelectObject(dc.get(), font.get());
    const int charSet = GetTextCharset(dc.get());
    SelectObject(dc.get(), old);
    return charSet;
}

std::u16string SectionOfBuiltIn(int index) {
    return FormatText(u"%s%d", {std::u16string_view(u"WMTEXT"), index + 1});
}

WatermarkValues ReadBuiltIn(TextStore& strings, int index) {
    WatermarkValues values;
    const std::u16string section = SectionOfBuiltIn(index);
    values.text = strings.ReadTextIn(section, u"Text", kWatermarkTextLimit + 1);
    values.face = strings.ReadTextIn(section, u"FaceName", kWatermarkFaceLimit + 1);
    if (values.text.empty() || values.face.empty())
        return values;
    values.angle = static_cast<int16_t>(strings.ReadNumberIn(section, u"Angle", 0));
    values.size = static_cast<int16_t>(strings.ReadNumberIn(section, u"Size", 0));
    values.colour = static_cast<uint32_t>(strings.ReadNumberIn(section, u"Color", 0));
    values.weight = strings.ReadNumberIn(section, u"Weight", 0);
    values.italic = strings.ReadNumberIn(section, u"Italic", 0);
    values.firstPageOnly = strings.ReadNumberIn(section, u"FirstPage", 0);
    return values;
}

} // namespace

CWaterMark::CWaterMark(WatermarkValues values) : m_values(std::move(values)) {
    if (m_values.text.size() > kWatermarkTextLimit)
        m_values.text.resize(kWatermarkTextLimit);
    if (m_values.face.size() > kWatermarkFaceLimit)
        m_values.face.resize(kWatermarkFaceLimit);
}

CWaterMark CWaterMark::FromDevmode(const BYTE* devmode) {
    WatermarkValues values;
    values.size = static_cast<int16_t>(ReadNumber(devmode, FieldNamed("iWaterSize")));
    values.angle = static_cast<int16_t>(ReadNumber(devmode, FieldNamed("iWaterAngle")));
    values.firstPageOnly = static_cast<int32_t>(ReadNumber(devmode, FieldNamed("WaterFirstPage")));
    values.colour = static_cast<uint32_t>(ReadNumber(devmode, FieldNamed("WaterColor")));
    values.weight = static_cast<int32_t>(ReadNumber(devmode, FieldNamed("lfWeight")));
    values.italic = static_cast<int32_t>(ReadNumber(devmode, FieldNamed("lfItalic")));
    const bool eitherEmpty = IsTextFieldEmpty(devmode, FieldNamed("cWaterTextEx")) ||
                             IsTextFieldEmpty(devmode, FieldNamed("cWaterText"));
    values.text =
        ReadText(devmode, eitherEmpty ? FieldNamed("cWaterText") : FieldNamed("cWaterTextEx"));
    values.face = ReadText(devmode, FieldNamed("WaterStrFaceName"));
    return CWaterMark(std::move(values));
}

CWaterMark CWaterMark::Load(int item) {
    if (item == 0)
        ImportBuiltInWatermarks();
    CWaterMark watermark;
    watermark.m_item = item;
    CCustomDataKey key;
    key.Open(kWatermarkKey, item, Create::No);
    WCHAR text[kWatermarkTextValue.readLimit / sizeof(WCHAR)];
    WCHAR face[kWatermarkFaceValue.readLimit / sizeof(WCHAR)];
    const bool textRead = key.ReadText(kWatermarkTextValue.name, text, sizeof text) != FALSE;
    const bool faceRead = key.ReadText(kWatermarkFaceValue.name, face, sizeof face) != FALSE;
    if (!textRead || !faceRead)
        return watermark;
    WatermarkValues& values = watermark.m_values;
    values.text = text;
    values.face = face;
    values.angle = static_cast<int16_t>(key.ReadNumber(kWatermarkAngleValue) / kAngleScale);
    values.size = static_cast<int16_t>(key.ReadNumber(kWatermarkSizeValue));
    values.colour = static_cast<uint32_t>(key.ReadNumber(kWatermarkColorValue));
    values.weight = key.ReadNumber(kWatermarkWeightValue);
    values.italic = key.ReadNumber(kWatermarkItalicValue);
    values.firstPageOnly = key.ReadNumber(kWatermarkFirstPageValue);
    return watermark;
}

bool CWaterMark::IsValid(const BYTE*) const {
    return IsNonBlank(m_values.text) && !m_values.face.empty();
}

bool CWaterMark::IsSelectedIn(const BYTE* devmode) const {
    if (devmode == nullptr)
        return false;
    const DevmodeField& extended = FieldNamed("cWaterTextEx");
    const std::u16string used = ReadText(
        devmode, IsTextFieldEmpty(devmode, extended) ? FieldNamed("cWaterText") : extended);
    return m_values.text.starts_with(used);
}

std::u16string CWaterMark::GetName() const {
    return m_values.text.empty() ? CommonText(u"(No Watermark)", kNoWatermarkCapacity)
                                 : m_values.text;
}

bool CWaterMark::IsDifferent(const CCustomData& other) const {
    const auto* watermark = dynamic_cast<const CWaterMark*>(&other);
    if (watermark == nullptr)
        return true;
    const WatermarkValues& a = m_values;
    const WatermarkValues& b = watermark->m_values;
    return a.text != b.text || a.face != b.face || a.weight != b.weight || a.colour != b.colour ||
           a.angle != b.angle || a.italic != b.italic || a.size != b.size ||
           a.firstPageOnly != b.firstPageOnly;
}

void CWaterMark::ApplyTo(BYTE* devmode) const {
    const WatermarkValues& v = m_values;
    WriteNumber(devmode, FieldNamed("iWaterCombo"), m_item + 1);
    WriteNumber(devmode, FieldNamed("iWaterSize"), v.size);
    WriteNumber(devmode, FieldNamed("iWaterAngle"), v.angle);
    WriteNumber(devmode, FieldNamed("WaterFirstPage"), v.firstPageOnly);
    WriteNumber(devmode, FieldNamed("WaterColor"), v.colour);
    WriteNumber(devmode, FieldNamed("lfWeight"), v.weight);
    WriteNumber(devmode, FieldNamed("lfItalic"), v.italic & 0xFF);
    WriteText(devmode, FieldNamed("cWaterText"),
              std::u16string_view(v.text).substr(0, kShortTextCharacters));
    WriteFilledText(devmode, FieldNamed("cWaterTextEx"), v.text);
    WriteFilledText(devmode, FieldNamed("WaterStrFaceName"), v.face);
}

LONG CWaterMark::Save(int item) {
    m_item = item;
    const WatermarkValues& v = m_values;
    CCustomDataKey key;
    key.Open(kWatermarkKey, item, Create::Yes);
    key.WriteText(kWatermarkTextValue.name, v.text);
    key.WriteText(kWatermarkFaceValue.name, v.face);
    key.WriteNumber(kWatermarkAngleValue, v.angle * kAngleScale);
    key.WriteNumber(kWatermarkSizeValue, v.size);
    key.WriteNumber(kWatermarkColorValue, static_cast<int32_t>(v.colour));
    key.WriteNumber(kWatermarkWeightValue, v.weight);
    key.WriteNumber(kWatermarkCharSetValue, CharSetOfFace(v));
    key.WriteNumber(kWatermarkItalicValue, v.italic);
    key.WriteNumber(kWatermarkFirstPageValue, v.firstPageOnly);
    return key.Finish();
}

LONG CWaterMark::DeleteAll() const {
    return store::DeleteKind(kWatermarkKey);
}

LONG CWaterMark::SaveCount(int count, const BYTE*) const {
    CCustomDataKey key;
    key.Open(kWatermarkKey, CCustomDataKey::kNoItem, Create::Yes);
    key.WriteNumber(kWatermarkCountValue, count);
    return key.Finish();
}

int CWaterMark::LoadCount(const BYTE*) const {
    CCustomDataKey key;
    key.Open(kWatermarkKey, CCustomDataKey::kNoItem, Create::No);
    return key.ReadNumber(kWatermarkCountValue);
}

bool ImportBuiltInWatermarks() {
    {
        CCustomDataKey key;
        key.Open(kWatermarkKey, CCustomDataKey::kNoItem, Create::No);
        WCHAR count[kNumberReadLimit / sizeof(WCHAR)];
        if (key.ReadText(kWatermarkCountValue, count, sizeof count) && count[0] != 0)
            return false;
    }
    TextStore& strings = TheApp().stringFile;
    // A model file cannot make the store hold more than a list ever reads.
    const int count =
        std::clamp(strings.ReadNumberIn(u"MAINMENU", u"ItemNum", 0), 0, kMaxStoredItems);
    bool stored = true;
    for (int i = 0; i < count && stored; ++i)
        stored = CWaterMark(ReadBuiltIn(strings, i)).Save(i) == ERROR_SUCCESS;
    // Without its count a half-imported list is imported again next time.
    return stored && CWaterMark().SaveCount(count, nullptr) == ERROR_SUCCESS;
}

} // namespace kx
