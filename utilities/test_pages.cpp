// Test-page rows and their PJL command.
#include "utilities/test_pages.h"

#include <algorithm>

namespace kx {
namespace {

constexpr std::string_view kUniversalExit = "\x1B%-12345X";

bool Listed(std::span<const int32_t> list, int number) {
    return list.empty() || std::find(list.begin(), list.end(), number) != list.end();
}

} // namespace

std::vector<const TestPage*> OfferedTestPages(std::span<const int32_t> profileList,
                                              bool hasNetworkAddress) {
    std::vector<const TestPage*> offered;
    for (const TestPage& page : kTestPages) {
        if (!Listed(profileList, page.number))
            continue;
        if (page.number == kConnectionPage && !hasNetworkAddress)
            continue;
        offered.push_back(&page);
    }
    return offered;
}

std::string PjlTestPageCommand(std::string_view keyword) {
    std::string command(kUniversalExit);
    command += "@PJL TEST PRINT=";
    command += keyword;
    command += '\n';
    command += kUniversalExit;
    return command;
}

const TestPage* TestPageWithKeyword(std::string_view keyword) {
    for (const TestPage& page : kTestPages) {
        if (page.keyword == keyword)
            return &page;
    }
    return nullptr;
}

} // namespace kx
