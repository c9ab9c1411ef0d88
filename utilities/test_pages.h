// The printer's built-in test pages: the table of what a user can ask for,
// which rows a model offers, and the PJL command that prints one.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kx {

struct TestPage {
    int number;                ///< 1-based row number the profile's list names
    std::u16string_view label; ///< shown in the list and used as the job's name
    std::string_view keyword;  ///< the PJL keyword
};

inline constexpr std::array<TestPage, 10> kTestPages = {{
    {1, u"Config Page", "CONFIG"},
    {2, u"Connection Page", "CONNECTION"},
    {3, u"Menu Map", "MENUMAP"},
    {4, u"PCL Font List", "PCLFONT"},
    {5, u"PS Font List", "PSFONT"},
    {6, u"Flash Directory", "PCLFSFONT"},
    {7, u"Office Demo", "DEMO"},
    {8, u"2-Sided Demo", "DUPLEXDEMO"},
    {9, u"Test Print", "PATTERN"},
    {10, u"DUREZ Font", "EPSONFONT"},
}};

/// The row that asks for the printer's network connection.
constexpr int kConnectionPage = 2;

/// The rows offered, in table order: all of them unless the profile's list
/// is non-empty and leaves a row out; the connection page only when the
/// printer has a network address.
std::vector<const TestPage*> OfferedTestPages(std::span<const int32_t> profileList,
                                              bool hasNetworkAddress);

/// Universal exit language, "@PJL TEST PRINT=" + keyword and a line feed,
/// and a closing universal exit language.
std::string PjlTestPageCommand(std::string_view keyword);

/// The row whose keyword this is, or null.
const TestPage* TestPageWithKeyword(std::string_view keyword);

} // namespace kx
