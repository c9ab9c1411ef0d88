// The Printer page's lists: which tray configurations a model offers, the
// printer languages of its list, the check box or list of high altitude,
// named entries, and the job accounting password rule.
#include "utilities/printer_values.h"

#include "framework/text_store.h"
#include "tests/support/test_prefix.h"
#include "utilities/job_acc_dlg.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using kx::ModelProfile;
using kx::ValueText;

std::vector<int> Values(const std::vector<ValueText>& choices) {
    std::vector<int> values;
    for (const ValueText& c : choices)
        values.push_back(static_cast<int16_t>(c.value));
    return values;
}

std::string Texts(const std::vector<ValueText>& choices) {
    std::string texts;
    for (const ValueText& c : choices) {
        for (const char16_t ch : c.text)
            texts += static_cast<char>(ch);
        texts += "|";
    }
    return texts;
}

TEST(OptionalTrayChoices, FollowTheModelsTrayKeys) {
    struct Case {
        const char* label;
        void (*set)(ModelProfile&);
        std::vector<int> values;
    };
    const Case cases[] = {
        {"no keys: none or tray 2", [](ModelProfile&) {}, {0, 1}},
        {"tray 3 and 4 with the multi-purpose tray, no large capacity",
         [](ModelProfile& p) {
             p.PrinterTray34 = 1;
             p.PrinterOptMPTray = 1;
             p.PrinterOptLCTray = 1;
             p.PrinterOptLCTray2 = 1;
         },
         {0, 5, 1, 9}},
        {"both passes with trays 2-3 and 2-4",
         [](ModelProfile& p) {
             p.PrinterOptMPTray = 1;
             p.PrinterTray23 = 1;
             p.PrinterTray234 = 1;
         },
         {0, 5, 1, 3, 4, 6, 7, 8}},
        {"large capacity trays and four lower trays",
         [](ModelProfile& p) {
             p.PrinterOptLCTray = 1;
             p.PrinterOptLCTray2 = 1;
             p.PrinterOptLCTray23 = 1;
             p.PrinterTray2345 = 1;
         },
         {0, 1, 10, 11, 12, 13}},
        {"trays 3 and 4 still offer four lower trays",
         [](ModelProfile& p) {
             p.PrinterTray34 = 1;
             p.PrinterTray2345 = 1;
         },
         {0, 1, 13}},
    };
    for (const Case& c : cases) {
        ModelProfile profile;
        c.set(profile);
        EXPECT_EQ(Values(kx::OptionalTrayChoices(profile)), c.values) << c.label;
    }
}

TEST(OptionalTrayChoices, TheMultiPurposePassNamesItsTray) {
    ModelProfile profile;
    profile.PrinterTray34 = 1;
    profile.PrinterOptMPTray = 1;
    EXPECT_EQ(Texts(kx::OptionalTrayChoices(profile)),
              "None|Multi-Purpose Tray|Tray 3 and Tray 4|Multi-Purpose Tray, Tray 3, 4|");
}

TEST(PrinterLanguageChoices, InTheListsOrderWithoutUnknownsOrRepeats) {
    struct Case {
        const char* label;
        std::vector<int32_t> list;
        std::vector<int> values;
    };
    const Case cases[] = {
        {"all three", {-1, 1, 0}, {-1, 1, 0}},
        {"unknown numbers left out", {2, 0, 7}, {0}},
        {"repeats once", {1, 1, -1}, {1, -1}},
        {"empty", {}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Values(kx::PrinterLanguageChoices(c.list)), c.values) << c.label;
}

TEST(HighAltitudeControlFor, ACheckBelowThreeModes) {
    using enum kx::HighAltitudeControl;
    const std::pair<std::vector<int32_t>, kx::HighAltitudeControl> cases[] = {
        {{}, Check}, {{0, 1}, Check}, {{0, 1, 2}, List}, {{0, 1, 2, 3}, List}};
    for (const auto& [modes, control] : cases)
        EXPECT_EQ(kx::HighAltitudeControlFor(modes), control) << modes.size() << " modes";
}

TEST(NamedEntries, NamesFromTheSectionAndTheNumberWithoutOne) {
    kxtest::TestPrefix prefix;
    prefix.WriteFile("drive_c/M.DAT", "[MAILBOX]\n4=Four Bins\n\n[Printer Dialog]\nNone=Keine\n");
    const int32_t writeBack = 0;
    kx::TextStore strings(&writeBack);
    strings.SetFile(u"C:\\M.DAT", kx::ClearReadOnly::No);
    strings.SelectSection(u"Printer Dialog");
    const std::vector<int32_t> numbers = {4, 9, -3, 70000};
    const auto entries = kx::NamedEntries(numbers, u"MAILBOX", strings, u"Keine");
    ASSERT_EQ(entries.size(), 3u) << "numbers the record cannot hold are no entries";
    EXPECT_EQ(entries[0].text, u"Keine");
    EXPECT_EQ(entries[0].value, 0);
    EXPECT_EQ(entries[1].text, u"Four Bins");
    EXPECT_EQ(entries[1].value, 4);
    EXPECT_EQ(entries[2].text, u"9");
    EXPECT_EQ(strings.section(), u"Printer Dialog") << "the page's section stays selected";
    EXPECT_EQ(kx::NamedEntries(numbers, u"MAILBOX", strings, u"Keine", false).size(), 2u);
}

TEST(JobAccountingPasswordAccepted, EmptyOrFourToThirtyTwoMatchingCharacters) {
    using kx::Filtering;
    using kx::KoreanInput;
    struct Case {
        const char* label;
        std::u16string password;
        std::u16string confirmation;
        Filtering filtering;
        bool accepted;
    };
    const std::u16string longest(32, u'a');
    const Case cases[] = {
        {"empty", u"", u"", Filtering::On, true},
        {"three characters", u"abc", u"abc", Filtering::On, false},
        {"four characters", u"abcd", u"abcd", Filtering::On, true},
        {"thirty-two", longest, longest, Filtering::On, true},
        {"thirty-three", longest + u"a", longest + u"a", Filtering::On, false},
        {"confirmation differs", u"abcd", u"abce", Filtering::On, false},
        {"empty confirmation", u"abcd", u"", Filtering::On, false},
        {"a character the field refuses", u"ab\\cd", u"ab\\cd", Filtering::On, false},
        {"every character with all languages", u"ab\\cd", u"ab\\cd", Filtering::Off, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(kx::JobAccountingPasswordAccepted(c.password, c.confirmation,
                                                    KoreanInput::Refused, c.filtering),
                  c.accepted)
            << c.label;
}

} // namespace
