// Fuzzes the whole-record operations with arbitrary device modes: two
// records of exactly 3,555 bytes each (zero-filled past the input), and
// profile keys taken from the input's first byte.
#include "devmode/devmode_merge.h"
#include "devmode/devmode_record.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

kx::DevmodeBuffer RecordFrom(const uint8_t* data, size_t size, size_t from) {
    kx::DevmodeBuffer record = kx::AllocateDevmode();
    if (from < size)
        std::memcpy(record.get(), data + from, std::min(size - from, kx::kDevmodeSize));
    return record;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    kx::ModelProfile profile;
    profile.PaperCollate = data[0] & 1;
    profile.LayoutDoubleManual = (data[0] >> 1) & 1;
    profile.PrinterDuplex = (data[0] >> 2) & 1;
    profile.PrinterJobAccounting = (data[0] >> 3) & 1;
    if (data[0] & 0x10)
        profile.PrinterMemorySizes = {64};
    const auto configuration =
        (data[0] & 0x20) ? kx::Configuration::Ignore : kx::Configuration::Include;
    auto a = RecordFrom(data, size, 1);
    auto b = RecordFrom(data, size, 1 + kx::kDevmodeSize);

    int layout = 0;
    const int first = kx::CompareDevmodes(a.get(), b.get(), &layout, configuration, profile);
    if (kx::CompareDevmodes(a.get(), a.get(), nullptr, configuration, profile) != 0)
        std::abort(); // a record always equals itself
    for (const kx::DevmodeField& field : kx::kDevmodeFields)
        if (field.type == kx::FieldType::Text &&
            kx::ReadText(a.get(), field).size() > field.Capacity())
            std::abort();
    kx::CopyPrinterConfiguration(b.get(), a.get());
    kx::MergeDevmode(a.get(), b.get());
    if (std::memcmp(a.get() + kx::kPublicDevmodeSize, b.get() + kx::kPublicDevmodeSize,
                    kx::kPrivateDevmodeSize) != 0)
        std::abort(); // merging always carries the whole private part
    (void)first;
    return 0;
}
