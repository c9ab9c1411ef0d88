// The device-mode commands: print a record file field by field, and list
// the fields two record files differ in.
#include "apps/devmode_report.h"
#include "apps/host_command.h"

#include "devmode/devmode_field_table.h"

#include <cstdio>

namespace kxhost {
namespace {

// Exit statuses of compare, as file comparison tools have them.
constexpr int kEqual = 0;
constexpr int kDifferent = 1;
constexpr int kTrouble = 2;

constexpr const char* ViewName(kx::FieldView view) {
    constexpr const char* kNames[] = {"", "printer", "display", "", "deco", "office"};
    return kNames[static_cast<size_t>(view)];
}

std::optional<DevmodeBytes> Load(const std::string& path) {
    std::string error;
    auto record = ReadDevmodeFile(path, error);
    if (!record)
        std::fprintf(stderr, "kxhost: %s: %s\n", path.c_str(), error.c_str());
    return record;
}

int Show(const std::string& path) {
    const auto record = Load(path);
    if (!record)
        return kTrouble;
    std::printf("%s\n", path.c_str());
    for (const kx::DevmodeField& field : kx::kDevmodeFields) {
        const char* view = ViewName(field.view);
        std::printf("  %-24s @%-5u %s%s%s%s\n", std::string(field.name).c_str(), field.offset,
                    *view != '\0' ? "[" : "", view, *view != '\0' ? "] " : "",
                    FieldValueText(record->data(), field).c_str());
    }
    return kEqual;
}

int Compare(const std::string& first, const std::string& second) {
    const auto before = Load(first);
    const auto after = Load(second);
    if (!before || !after)
        return kTrouble;
    const size_t differences = PrintDifferences(before->data(), after->data());
    if (differences == 0) {
        std::printf("the records are equal\n");
        return kEqual;
    }
    std::printf("the records differ (%zu)\n", differences);
    return kDifferent;
}

int Devmode(const Arguments& arguments) {
    if (arguments.size() == 2 && arguments[0] == "show")
        return Show(arguments[1]);
    if (arguments.size() == 3 && arguments[0] == "compare")
        return Compare(arguments[1], arguments[2]);
    std::fprintf(stderr, "usage: kxhost devmode show FILE | devmode compare FILE1 FILE2\n");
    return kTrouble;
}

const bool kRegistered = RegisterCommand(
    {"devmode", "show FILE | compare FILE1 FILE2",
     "print a device-mode record file field by field, or list the fields two files differ in",
     Devmode});

} // namespace
} // namespace kxhost
