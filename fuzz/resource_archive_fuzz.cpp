// Fuzzes the reading of resource libraries (ustar archives of pictures):
// every member found lies inside the archive.
#include "platform/gdi/resource_archive.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto archive = kx::ResourceArchive::Parse(std::vector<uint8_t>(data, data + size));
    if (archive == nullptr)
        return 0;
    for (LPCWSTR name : {u"LOGO", u"#101", kx::ResourceNumber(1), kx::ResourceNumber(101)}) {
        const auto member = archive->FindBitmap(name);
        if (member.has_value() && member->size() > size)
            std::abort();
    }
    return 0;
}
