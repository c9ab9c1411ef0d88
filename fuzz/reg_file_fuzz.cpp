// Fuzzes the ".reg" parser: any bytes either parse or name a bad line, and
// every value parsed comes back the same through the writer and the parser.
#include "platform/registry/reg_file_parser.h"
#include "platform/registry/reg_file_writer.h"
#include "platform/registry/registry_hives.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const kx::RegParseResult result = kx::ParseRegFile(bytes);
    if (result.error != ERROR_SUCCESS) {
        if (result.errorLine == 0 || result.message.empty() || !result.operations.empty())
            std::abort();
        return 0;
    }
    kx::RegFileWriter writer(kx::RegFormat::Version5);
    std::vector<const kx::RegOperation*> written;
    for (const auto& operation : result.operations) {
        if (operation.kind != kx::RegOperation::Kind::SetValue)
            continue;
        std::u16string name(kx::PredefinedKeyName(operation.root));
        if (!operation.path.empty())
            name += u"\\" + operation.path;
        writer.Key(name);
        writer.Value({operation.name, operation.type, operation.data});
        written.push_back(&operation);
    }
    const kx::RegParseResult again = kx::ParseRegFile(writer.Bytes());
    if (again.error != ERROR_SUCCESS)
        std::abort();
    size_t next = 0;
    for (const auto& operation : again.operations) {
        if (operation.kind != kx::RegOperation::Kind::SetValue)
            continue;
        if (next >= written.size() || operation.name != written[next]->name ||
            operation.type != written[next]->type || operation.data != written[next]->data)
            std::abort();
        ++next;
    }
    if (next != written.size())
        std::abort();
    return 0;
}
