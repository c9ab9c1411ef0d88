// Building the change report from the field table.
#include "devmode/change_report.h"

#include "devmode/devmode_field_table.h"
#include "devmode/devmode_record.h"
#include "platform/base/format.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace kx {
namespace {

// The report walks these stretches of the field table in this order; the
// table's own order inside each stretch is the record's order.
struct Stretch {
    std::string_view first;
    std::string_view last;
};

constexpr std::array<Stretch, 10> kReportOrder = {{
    {"dmSpecVersion", "dmPanningHeight"},
    {"dwPrivDATA", "iAlignAngle2"},
    {"StrDecoNote", "iDecoFirstpage"},
    {"iDecoStatus", "iDecoStatus"},
    {"JobAccountUserID", "sPrinterMemory"},
    {"iClone", "iOptionalOutBin"},
    {"jDrvTonerSave", "sLDAPPermission"},
    {"bOptMailBox", "bMultiBinMode"},
    {"bBookletFinishing", "bStaplePosition"},
    {"bEncryption", "bEncryption"},
}};

// Fields that stand in a stretch but never make a line.
constexpr std::array<std::string_view, 1> kSilentFields = {"DecoStrFaceName"};
constexpr std::string_view kOpaqueBlock = "options";
constexpr size_t kDeviceNameUnits = 32;
constexpr std::u16string_view kCutLine = u"...\n";

size_t IndexOf(std::string_view name) {
    for (size_t i = 0; i < kDevmodeFields.size(); ++i) {
        if (kDevmodeFields[i].name == name)
            return i;
    }
    return kDevmodeFields.size();
}

std::u16string Prefix(const DevmodeField& field) {
    return field.offset < kPublicDevmodeSize ? u"dmPublic." : u"dmPrivate.";
}

std::u16string Name(const DevmodeField& field) {
    return Prefix(field) + std::u16string(field.name.begin(), field.name.end());
}

/// The value shown for "%d" and the one shown for "0x%x".
struct Shown {
    long long decimal;
    unsigned long long hex;
};

Shown ShownValue(const BYTE* record, const DevmodeField& field) {
    const int64_t value = ReadNumber(record, field);
    switch (field.type) {
    case FieldType::I16:
        return {value, static_cast<uint16_t>(value)};
    case FieldType::I32:
    case FieldType::U32:
        return {static_cast<int32_t>(value), static_cast<uint32_t>(value)};
    default:
        return {value, static_cast<unsigned long long>(value)};
    }
}

std::u16string TextOf(const BYTE* record, const DevmodeField& field, size_t units) {
    return ReadTextAt(record + field.offset, std::min(units, field.Capacity()));
}

class Report {
public:
    void Line(std::u16string line) {
        if (m_cut)
            return;
        if (m_text.size() + line.size() + kCutLine.size() > kChangeReportCapacity) {
            m_text += kCutLine;
            m_cut = true;
            return;
        }
        m_text += line;
    }
    std::u16string Take() { return std::move(m_text); }

private:
    std::u16string m_text;
    bool m_cut = false;
};

void CompareField(Report& report, const DevmodeField& field, const BYTE* before,
                  const BYTE* after) {
    if (field.view == FieldView::PublicDisplay)
        return;
    for (const std::string_view silent : kSilentFields) {
        if (field.name == silent)
            return;
    }
    switch (field.type) {
    case FieldType::Bytes:
        if (field.name == kOpaqueBlock &&
            std::memcmp(before + field.offset, after + field.offset, field.width) != 0)
            report.Line(Name(field) + u": binary differs\n");
        return;
    case FieldType::Text: {
        const std::u16string old = TextOf(before, field, field.Capacity());
        const std::u16string now = TextOf(after, field, field.Capacity());
        if (old != now)
            report.Line(FormatText(Name(field) + u": %s -> %s\n", {old, now}));
        return;
    }
    default: {
        const Shown old = ShownValue(before, field);
        const Shown now = ShownValue(after, field);
        if (old.hex != now.hex)
            report.Line(FormatText(Name(field) + u": %d (0x%x) -> %d (0x%x)\n",
                                   {old.decimal, old.hex, now.decimal, now.hex}));
        return;
    }
    }
}

} // namespace

std::u16string BuildChangeReport(const BYTE* before, const BYTE* after) {
    Report report;
    const DevmodeField& name = FieldNamed("dmDeviceName");
    const std::u16string oldName = TextOf(before, name, kDeviceNameUnits);
    const std::u16string newName = TextOf(after, name, kDeviceNameUnits);
    if (oldName != newName)
        report.Line(FormatText(u"dmPublic.dmDeviceName: %s -> %s\n", {oldName, newName}));
    if (std::memcmp(before + name.offset, after + name.offset, name.width) != 0)
        report.Line(u"dmPublic.dmDeviceName: binary differs\n");
    for (const Stretch& stretch : kReportOrder) {
        const size_t first = IndexOf(stretch.first);
        const size_t last = IndexOf(stretch.last);
        for (size_t i = first; i <= last && i < kDevmodeFields.size(); ++i)
            CompareField(report, kDevmodeFields[i], before, after);
    }
    return report.Take();
}

} // namespace kx
