// Fuzzes the profile-file parser, its lookups and its edits: any bytes parse,
// every listed section is found again, and an edited file parses again with
// the edited value in place.
#include "platform/profile/profile_document.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto document = kx::ProfileDocument::FromBytes(bytes);
    for (const auto section : document->SectionNames()) {
        if (!document->HasSection(section))
            std::abort();
        for (const auto key : document->KeyNames(section))
            (void)document->FindValue(section, key);
        (void)document->SectionLines(section);
    }
    const kx::ProfileDocument edited(document->WithValue(u"Fuzz Section", u"FuzzKey", u"value"),
                                     document->Encoding());
    const auto value = edited.FindValue(u"fuzz section", u"fuzzkey");
    if (!value || *value != u"value")
        std::abort();
    const kx::ProfileDocument without(edited.WithoutSection(u"Fuzz Section"), edited.Encoding());
    (void)without.WithoutKey(u"a", u"b");
    return 0;
}
