// Device-mode record files and the field-by-field view of a record.
#include "apps/devmode_report.h"

#include "devmode/devmode_field_table.h"
#include "devmode/devmode_record.h"
#include "platform/base/text.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace kxhost {
namespace {

std::string NumberText(const BYTE* record, const kx::DevmodeField& field) {
    const int64_t value = kx::ReadNumber(record, field);
    std::array<char, 48> text{};
    if (field.type == kx::FieldType::U32)
        std::snprintf(text.data(), text.size(), "%lld (0x%08llX)", static_cast<long long>(value),
                      static_cast<unsigned long long>(value));
    else
        std::snprintf(text.data(), text.size(), "%lld", static_cast<long long>(value));
    return text.data();
}

std::string HexText(const BYTE* at, size_t width) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(width * 3);
    for (size_t i = 0; i < width; ++i) {
        if (i != 0)
            text += ' ';
        text += kDigits[at[i] >> 4];
        text += kDigits[at[i] & 0x0F];
    }
    return text;
}

} // namespace

std::optional<DevmodeBytes> ReadDevmodeFile(const std::string& path, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot read the file";
        return std::nullopt;
    }
    // One byte more than a record tells a longer file from a record without
    // reading all of a large one.
    DevmodeBytes record(kx::kDevmodeSize + 1);
    file.read(reinterpret_cast<char*>(record.data()), static_cast<std::streamsize>(record.size()));
    const auto got = static_cast<size_t>(file.gcount());
    if (got != kx::kDevmodeSize) {
        error = got > kx::kDevmodeSize ? "not a device-mode record: longer than 3555 bytes"
                                       : "not a device-mode record: " + std::to_string(got) +
                                             " bytes, a record has 3555";
        return std::nullopt;
    }
    record.resize(kx::kDevmodeSize);
    return record;
}

bool WriteDevmodeFile(const std::string& path, const DevmodeBytes& record, std::string& error) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(record.data()),
               static_cast<std::streamsize>(record.size()));
    file.close();
    if (!file) {
        error = "cannot write the file";
        return false;
    }
    return true;
}

int WriteRecordForUser(const std::string& path, const DevmodeBytes& record) {
    std::string error;
    if (!WriteDevmodeFile(path, record, error)) {
        std::fprintf(stderr, "kxhost: %s: %s\n", path.c_str(), error.c_str());
        return 1;
    }
    std::printf("wrote %s (%zu bytes)\n", path.c_str(), record.size());
    return 0;
}

std::string FieldValueText(const BYTE* record, const kx::DevmodeField& field) {
    switch (field.type) {
    case kx::FieldType::Text:
        return '"' + kx::Utf16ToUtf8(kx::ReadText(record, field)) + '"';
    case kx::FieldType::Bytes:
        return HexText(record + field.offset, field.width);
    default:
        return NumberText(record, field);
    }
}

std::vector<const kx::DevmodeField*> DifferingFields(const BYTE* before, const BYTE* after) {
    std::vector<const kx::DevmodeField*> fields;
    for (const kx::DevmodeField& field : kx::kDevmodeFields)
        if (field.view != kx::FieldView::PublicDisplay &&
            std::memcmp(before + field.offset, after + field.offset, field.width) != 0)
            fields.push_back(&field);
    return fields;
}

size_t PrintDifferences(const BYTE* before, const BYTE* after) {
    const auto fields = DifferingFields(before, after);
    for (const kx::DevmodeField* field : fields)
        std::printf("  %s: %s -> %s\n", std::string(field->name).c_str(),
                    FieldValueText(before, *field).c_str(), FieldValueText(after, *field).c_str());
    return fields.size();
}

} // namespace kxhost
