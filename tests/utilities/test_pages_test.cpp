// The test-page rows a model offers and the PJL command of each row.
#include "utilities/test_pages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<int> Numbers(const std::vector<const kx::TestPage*>& pages) {
    std::vector<int> numbers;
    for (const kx::TestPage* page : pages)
        numbers.push_back(page->number);
    return numbers;
}

std::string Printable(const std::vector<int>& numbers) {
    std::string text;
    for (int number : numbers)
        text += std::to_string(number) + " ";
    return text;
}

TEST(PjlTestPageCommand, EveryRowIsOneTestPrintBetweenUniversalExits) {
    const char* expectedKeywords[] = {"CONFIG",  "CONNECTION", "MENUMAP", "PCLFONT",
                                      "PSFONT",  "PCLFSFONT",  "DEMO",    "DUPLEXDEMO",
                                      "PATTERN", "EPSONFONT"};
    ASSERT_EQ(kx::kTestPages.size(), std::size(expectedKeywords));
    for (size_t i = 0; i < kx::kTestPages.size(); ++i) {
        const kx::TestPage& page = kx::kTestPages[i];
        EXPECT_EQ(page.number, static_cast<int>(i + 1));
        EXPECT_EQ(page.keyword, expectedKeywords[i]) << "row " << i + 1;
        const std::string expected =
            std::string("\x1B%-12345X@PJL TEST PRINT=") + expectedKeywords[i] + "\n\x1B%-12345X";
        EXPECT_EQ(kx::PjlTestPageCommand(page.keyword), expected) << "row " << i + 1;
        EXPECT_EQ(kx::TestPageWithKeyword(page.keyword), &page);
    }
    EXPECT_EQ(kx::TestPageWithKeyword("NONE"), nullptr);
}

TEST(OfferedTestPages, ProfileListAndNetworkAddressChooseTheRows) {
    struct Case {
        const char* label;
        std::vector<int32_t> profileList;
        bool hasAddress;
        std::vector<int> offered;
    };
    const Case cases[] = {
        {"no list, networked: all", {}, true, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {"no list, local: no connection page", {}, false, {1, 3, 4, 5, 6, 7, 8, 9, 10}},
        {"rows 1 and 9 only", {9, 1}, true, {1, 9}},
        {"connection page listed, local printer", {1, 2}, false, {1}},
        {"connection page listed, networked", {2, 1}, true, {1, 2}},
        {"numbers outside the table", {0, 11, -1}, true, {}},
        {"only the connection page, local: empty", {2}, false, {}},
    };
    for (const Case& c : cases) {
        const auto offered = Numbers(kx::OfferedTestPages(c.profileList, c.hasAddress));
        EXPECT_EQ(offered, c.offered) << c.label << ": got " << Printable(offered);
    }
}

} // namespace
