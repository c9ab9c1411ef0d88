// Properties of the resolver over many random device modes for each sample
// model: it stays inside the record, leaves the printer configuration to
// its source, and a second run on its own output changes nothing.
#include "devmode/devmode_public_fields.h"
#include "devmode/resolver.h"

#include "platform/base/text.h"
#include "tests/devmode/record_builder.h"
#include "tests/support/test_prefix.h"

#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>

namespace {

using kxtest::Record;

constexpr const char* kDriverFolder = "drive_c/windows/system32/spool/drivers/x64/3/";

// Random values near the ranges the pages write, with now and then a wild one.
int64_t RandomValue(std::mt19937& random, const kx::DevmodeField& field) {
    std::uniform_int_distribution<int> choice(0, 9);
    switch (choice(random)) {
    case 0:
        return std::uniform_int_distribution<int64_t>(-32768, 65535)(random);
    case 1:
        return 0xFFFF;
    default:
        return field.name == "dmPaperSize" || field.name.ends_with("PaperSize") ||
                       field.name.ends_with("Paper")
                   ? std::uniform_int_distribution<int64_t>(0, 260)(random)
                   : std::uniform_int_distribution<int64_t>(0, 12)(random);
    }
}

Record RandomRecord(std::mt19937& random) {
    Record record;
    for (const auto& field : kx::kDevmodeFields) {
        if (field.type == kx::FieldType::Text || field.type == kx::FieldType::Bytes)
            continue;
        kx::WriteNumber(record.data(), field, RandomValue(random, field));
    }
    return record;
}

void ExpectSameConfiguration(const Record& before, const Record& after, const std::string& label) {
    for (const auto* field : kx::kPrinterConfigurationGroup) {
        // The mailbox is the one configuration field the resolver itself
        // takes from the default copy, when a finisher or output bin rules it out.
        if (field->name == "bOptMailBox")
            continue;
        EXPECT_TRUE(kx::SameField(before.data(), after.data(), *field))
            << label << ": " << field->name;
    }
}

class ResolverProperties : public ::testing::TestWithParam<const char*> {};

TEST_P(ResolverProperties, HoldOverRandomRecords) {
    kxtest::TestPrefix prefix;
    const std::string model = GetParam();
    const std::string source = std::string(KX_SOURCE_DIR) + "/models/template/" + kDriverFolder;
    std::filesystem::create_directories(prefix.root() + "/" + kDriverFolder);
    for (const char* suffix : {"U.INI", "EN.DAT"})
        std::filesystem::copy_file(source + model + suffix,
                                   prefix.root() + "/" + kDriverFolder + model + suffix);
    kx::ModelProfile profile;
    const std::u16string folder = u"C:\\windows\\system32\\spool\\drivers\\x64\\3\\";
    profile.SetFiles(folder + kx::Utf8ToUtf16(model) + u"U.INI",
                     folder + kx::Utf8ToUtf16(model) + u"EN.DAT");
    profile.ReadProfile();
    kxtest::FakeResolverTexts texts;

    std::mt19937 random(20261208);
    for (int round = 0; round < 200; ++round) {
        const std::string label = model + " round " + std::to_string(round);
        Record working = RandomRecord(random);
        Record defaults = RandomRecord(random);
        profile.ReadProfile(
            kx::ProfileDevmodeView{static_cast<int16_t>(working.Get("sDrvLang")),
                                   static_cast<int16_t>(working.Get("sPrinterMemory")),
                                   static_cast<int16_t>(working.Get("iInHard"))});
        // The default copy is what the resolver falls back to; resolve it
        // first, as a sheet does when it builds it.
        kx::Resolve(defaults.data(), defaults.data(), nullptr, nullptr, profile, texts);
        const Record before = working;
        kx::ConflictReport report;
        kx::Resolve(working.data(), defaults.data(), nullptr, &report, profile, texts);
        ExpectSameConfiguration(before, working, label);
        EXPECT_LE(report.conflicts().size(), kx::ConflictReport::kCapacity - 1) << label;
        EXPECT_LE(report.adjusted().size(), kx::ConflictReport::kCapacity - 1) << label;

        const Record once = working;
        const int secondRun =
            kx::Resolve(working.data(), defaults.data(), nullptr, nullptr, profile, texts);
        EXPECT_EQ(secondRun, 0) << label;
        if (secondRun != 0) {
            for (const auto& field : kx::kDevmodeFields) {
                if (!kx::SameField(once.data(), working.data(), field))
                    ADD_FAILURE() << label << ": second run changed " << field.name;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(SampleModels, ResolverProperties,
                         ::testing::Values("VML42", "VCL65", "VIJ98"));

} // namespace

namespace {

TEST(ResolverBadInput, ExtremeValuesAndHugeListsStayInsideTheRecord) {
    kxtest::TestPrefix prefix;
    std::string lists = "[Common]\n";
    std::string thousand;
    for (int i = 0; i < 1000; ++i)
        thousand += std::to_string(i) + ",";
    for (const char* key : {"Tray7Papers", "Media1Papers", "Staple1Papers", "ChangeMedia1Papers"})
        lists += std::string(key) + "=" + thousand + "\n";
    prefix.WriteFile("drive_c/M/MODELU.INI", lists);
    kx::ModelProfile profile;
    profile.SetFiles(u"C:\\M\\MODELU.INI", u"");
    profile.ReadProfile();
    kxtest::FakeResolverTexts texts;
    const std::vector<int32_t> huge(1000, 7);
    for (const bool hugeProfile : {false, true}) {
        if (hugeProfile) {
            profile.DoubleSidedPapers = huge;
            profile.DoubleSidedMedias = huge;
            profile.TrayIndex = huge;
            profile.PaperType = huge;
            profile.PaperIndex = huge;
            profile.PrinterEmulation = {1};
        }
        for (const int64_t value :
             {int64_t{-32768}, int64_t{32767}, int64_t{0xFFFF}, int64_t{0xFF}, int64_t{0}}) {
            Record working;
            Record defaults;
            for (const auto& field : kx::kDevmodeFields) {
                if (field.type == kx::FieldType::Text || field.type == kx::FieldType::Bytes) {
                    std::memset(working.data() + field.offset, 0xFF, field.width);
                    continue;
                }
                kx::WriteNumber(working.data(), field, value);
                kx::WriteNumber(defaults.data(), field, value == 0 ? 1 : 0);
            }
            kx::ConflictReport report;
            kx::Resolve(working.data(), defaults.data(), defaults.data(), &report, profile, texts);
            EXPECT_LT(report.conflicts().size(), kx::ConflictReport::kCapacity) << value;
            EXPECT_LT(report.adjusted().size(), kx::ConflictReport::kCapacity) << value;
        }
    }
}

} // namespace
