// The capability file: parsing rules, the standard forms, and the answers in
// both calling steps (count, then data).
#include "platform/base/standard_papers.h"
#include "platform/base/text.h"
#include "platform/spooler/capability_file.h"
#include "platform/spooler/device_capabilities.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using kx::AnswerCapability;
using kx::ParseCapabilityFile;

constexpr char kModel[] = "; sample model\n"
                          "[Papers]\n"
                          "9\n"
                          "1 ; Letter\n"
                          "5 = Legal 8.5 x 14\n"
                          "257 = \"Postcard 4x6, borderless\", 1016, 1524\n"
                          "258 = No Size\n"
                          "9 = duplicate A4\n"
                          "48\n"
                          "[bins]\r\n"
                          "15 = Automatically Select\r\n"
                          "1 = \" Tray 1\"\r\n"
                          "2 = Tray Named Exactly 24 U.\r\n"
                          "[MediaTypes]\n"
                          "1 = Plain Paper\n"
                          "270 = Envelope #10 ; the hash is part of the name\n"
                          "[OutputBins]\n"
                          "1 = Face Down\n"
                          "3 = Finisher Bin With A Long Name\n"
                          "[Resolutions]\n"
                          "600 x 600\n"
                          "1200\n"
                          "0 x 600\n"
                          "[Settings]\n"
                          "Copies = 999\n"
                          "duplex = 1\n"
                          "MaxExtent = 2159, 3556\n"
                          "Unknown = 4\n";

std::vector<WORD> Words(const kx::CapabilityFile& file, WORD capability) {
    const int count = AnswerCapability(file, capability, nullptr);
    std::vector<WORD> words(count > 0 ? count : 0, 0xEEEE);
    EXPECT_EQ(AnswerCapability(file, capability, words.data()), count);
    return words;
}

std::vector<std::u16string> Names(const kx::CapabilityFile& file, WORD capability, size_t slot) {
    const int count = AnswerCapability(file, capability, nullptr);
    std::vector<WCHAR> slots(count * slot + 1, u'#'); // one guard unit past the end
    EXPECT_EQ(AnswerCapability(file, capability, slots.data()), count);
    EXPECT_EQ(slots.back(), u'#') << "wrote past the slots";
    std::vector<std::u16string> names;
    for (int i = 0; i < count; ++i)
        names.push_back(kx::TextFromField(slots.data() + i * slot, slot));
    return names;
}

TEST(CapabilityFile, PapersByStandardIdAndDriverPapers) {
    const auto file = ParseCapabilityFile(kModel);
    EXPECT_EQ(Words(file, DC_PAPERS), (std::vector<WORD>{9, 1, 5, 257}));
    EXPECT_EQ(Names(file, DC_PAPERNAMES, kx::kPaperNameSlot),
              (std::vector<std::u16string>{u"A4", u"Letter", u"Legal 8.5 x 14",
                                           u"Postcard 4x6, borderless"}));

    const int count = AnswerCapability(file, DC_PAPERSIZE, nullptr);
    ASSERT_EQ(count, 4);
    std::vector<POINT> sizes(count);
    ASSERT_EQ(AnswerCapability(file, DC_PAPERSIZE, sizes.data()), 4);
    const POINT expected[] = {{2100, 2970}, {2159, 2794}, {2159, 3556}, {1016, 1524}};
    for (int i = 0; i < count; ++i) {
        EXPECT_EQ(sizes[i].x, expected[i].x) << "paper " << i;
        EXPECT_EQ(sizes[i].y, expected[i].y) << "paper " << i;
    }
}

TEST(CapabilityFile, BinsKeepLeadingBlanksAndSlotsFill) {
    const auto file = ParseCapabilityFile(kModel);
    EXPECT_EQ(Words(file, DC_BINS), (std::vector<WORD>{15, 1, 2}));
    const auto names = Names(file, DC_BINNAMES, kx::kBinNameSlot);
    EXPECT_EQ(names, (std::vector<std::u16string>{u"Automatically Select", u" Tray 1",
                                                  u"Tray Named Exactly 24 U."}));
    EXPECT_EQ(names[2].size(), 24u) << "a name that fills its slot has no terminator";

    EXPECT_EQ(Words(file, kx::kCapabilityOutputBins), (std::vector<WORD>{1, 3}));
    EXPECT_EQ(Names(file, kx::kCapabilityOutputBinNames, kx::kOutputBinNameSlot)[1],
              u"Finisher Bin With A Long")
        << "cut to 24 units";
}

TEST(CapabilityFile, MediaTypesResolutionsAndSettings) {
    const auto file = ParseCapabilityFile(kModel);
    DWORD media[2] = {};
    ASSERT_EQ(AnswerCapability(file, DC_MEDIATYPES, media), 2);
    EXPECT_EQ(media[1], 270u);
    EXPECT_EQ(Names(file, DC_MEDIATYPENAMES, kx::kMediaTypeNameSlot)[1], u"Envelope #10");

    POINT resolutions[2] = {};
    ASSERT_EQ(AnswerCapability(file, DC_ENUMRESOLUTIONS, resolutions), 2);
    EXPECT_EQ(resolutions[1].x, 1200);
    EXPECT_EQ(resolutions[1].y, 1200);

    struct Case {
        const char* label;
        WORD capability;
        int value;
    };
    const Case cases[] = {
        {"copies", DC_COPIES, 999},
        {"duplex (name in any case)", DC_DUPLEX, 1},
        {"maximum extent", DC_MAXEXTENT, MAKELONG(2159, 3556)},
        {"absent setting", DC_COLLATE, -1},
        {"unknown capability", 999, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AnswerCapability(file, c.capability, nullptr), c.value) << c.label;
}

TEST(CapabilityFile, EncodingsAndMalformedInput) {
    struct Case {
        const char* label;
        std::string bytes;
        size_t bins;
        std::u16string firstName;
    };
    const std::string utf16 = std::string("\xFF\xFE", 2) + std::string("[\0B\0i\0n\0s\0]\0\n\0"
                                                                       "7\0=\0\xE9\0",
                                                                       20);
    const Case cases[] = {
        {"UTF-8 with BOM", "\xEF\xBB\xBF[Bins]\n7 = Caf\xC3\xA9\n", 1, u"Caf\u00E9"},
        {"Windows-1252", "[Bins]\n7 = Caf\xE9\n", 1, u"Caf\u00E9"},
        {"UTF-16LE", utf16, 1, u"\u00E9"},
        {"unterminated quote", "[Bins]\n7 = \"open\n", 1, u"open"},
        {"no section", "7 = Tray\n", 0, u""},
        {"unknown section", "[Trays]\n7 = Tray\n", 0, u""},
        {"id out of range", "[Bins]\n70000 = Tray\n-1 = Tray\nx = Tray\n", 0, u""},
        {"empty name", "[Bins]\n7 =\n8 = \"\"\n", 0, u""},
        {"unclosed section", "[Bins\n7 = Tray\n", 0, u""},
    };
    for (const auto& c : cases) {
        const auto file = ParseCapabilityFile(c.bytes);
        ASSERT_EQ(file.bins.size(), c.bins) << c.label;
        if (c.bins > 0) {
            EXPECT_EQ(file.bins[0].name, c.firstName) << c.label;
        }
    }
}

TEST(CapabilityFile, UserPaperSource) {
    const auto file = ParseCapabilityFile("[UserPapers]\n"
                                          "Key = \"SOFTWARE\\V\\KX\\TSF\\Custom Paper Data\"\n"
                                          "Count = CPNum\nName = Nm\nWidth = Wd\nLength = Hg\n"
                                          "FirstId = 300\n");
    ASSERT_TRUE(file.userPapers.has_value());
    EXPECT_EQ(file.userPapers->key, u"SOFTWARE\\V\\KX\\TSF\\Custom Paper Data");
    EXPECT_EQ(file.userPapers->count, u"CPNum");
    EXPECT_EQ(file.userPapers->length, u"Hg");
    EXPECT_EQ(file.userPapers->firstId, 300);
    EXPECT_FALSE(
        ParseCapabilityFile("[UserPapers]\nKey = K\nCount = C\nName = N\n").userPapers.has_value())
        << "a source without its size values";
}

TEST(CapabilityFile, ListsAreBounded) {
    std::string many = "[Bins]\n";
    for (int id = 1; id <= 400; ++id)
        many += std::to_string(id) + " = Bin\n";
    EXPECT_EQ(ParseCapabilityFile(many).bins.size(), 256u);
    EXPECT_EQ(ParseCapabilityFile("[Papers]\n300 = Huge, 100001, 5\n").papers.size(), 0u);
}

TEST(StandardPapers, TableInvariants) {
    for (WORD id = 0; id <= 130; ++id) {
        const bool expected = id >= 1 && id <= 118 && id != 48 && id != 49;
        const auto* paper = kx::FindStandardPaper(id);
        ASSERT_EQ(paper != nullptr, expected) << "id " << id;
        if (paper != nullptr) {
            EXPECT_EQ(paper->id, id);
            EXPECT_FALSE(paper->name.empty()) << "id " << id;
        }
    }
    // Rotated forms are their portrait twins turned.
    const std::pair<WORD, WORD> rotated[] = {{75, 1},  {76, 8},  {77, 9},  {78, 11}, {79, 12},
                                             {80, 13}, {81, 43}, {83, 70}, {89, 88}};
    for (const auto& [turned, portrait] : rotated) {
        EXPECT_EQ(kx::FindStandardPaper(turned)->width, kx::FindStandardPaper(portrait)->length)
            << turned;
        EXPECT_EQ(kx::FindStandardPaper(turned)->length, kx::FindStandardPaper(portrait)->width)
            << turned;
    }
    EXPECT_EQ(kx::FindStandardPaper(7)->width, 1842) << "Executive rounds 1841.5 up";
}

} // namespace
