// The mark-file step: when it runs, the statuses it sets and the files it
// asks for.
#include "host/mark_file_step.h"

#include "devmode/printer_queries.h"
#include "platform/base/devmode_public.h"
#include "sheet_builder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using kx::FieldNamed;
using kx::MarkFile;

class OfflinePrinter : public kx::PrinterQueries {
public:
    std::optional<std::vector<BYTE>> GlobalDefaultDevmode(std::u16string_view) override {
        return std::nullopt;
    }
    int CountPrintersUsingDriver(std::u16string_view, int) override { return 0; }
    bool IsOfflineFilePrinter(std::u16string_view printer) override {
        return printer == u"Offline";
    }
};

struct Call {
    SHORT orientation;
    MarkFile kind;
    int paperCode;
    uint16_t statusSeen;
    bool operator==(const Call&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Call& call) {
    return out << "{" << call.orientation << ", "
               << (call.kind == MarkFile::Watermark ? "watermark" : "stamp") << ", "
               << call.paperCode << ", status " << call.statusSeen << "}";
}

class MarkFileStepTest : public testing::Test {
protected:
    void SetUp() override {
        kx::InstallPrinterQueries(&m_printers);
        step().Forget();
        step().SetGenerator([this](BYTE* devmode, SHORT orientation, MarkFile kind, int code) {
            const auto& status = kind == MarkFile::Watermark ? FieldNamed("iWaterMarkStatus")
                                                             : FieldNamed("iDecoStatus");
            m_calls.push_back(
                {orientation, kind, code, static_cast<uint16_t>(kx::ReadNumber(devmode, status))});
        });
    }
    void TearDown() override {
        step().SetGenerator(nullptr);
        step().Forget();
        kx::InstallPrinterQueries(nullptr);
    }
    static kx::MarkFileStep& step() { return kx::MarkFileStep::Instance(); }
    void Run(const kxtest::SheetBuilder& sheet, const kx::ModelProfile& profile) {
        step().Run(*kx::SheetContextView::At(sheet.contextAddress()), profile);
    }

    OfflinePrinter m_printers;
    std::vector<Call> m_calls;
};

TEST_F(MarkFileStepTest, AsksForTheFilesTheProfileChecks) {
    constexpr SHORT P = DMORIENT_PORTRAIT;
    constexpr SHORT L = DMORIENT_LANDSCAPE;
    struct Case {
        const char* label;
        int checkWatermark;
        int checkDeco;
        uint32_t applied;
        const char16_t* printer;
        const char16_t* waterText;
        int32_t frameStyle;
        SHORT paperSize;
        std::vector<Call> calls;
        uint16_t waterStatus;
        uint16_t decoStatus;
    };
    const Case cases[] = {
        {"no checks", 0, 0, 1, u"Laser", u"DRAFT", 1, 9, {}, 0, 0},
        {"not applied", 1, 1, 0, u"Laser", u"DRAFT", 1, 9, {}, 0, 0},
        {"offline file printer", 1, 1, 1, u"Offline", u"DRAFT", 1, 9, {}, 0, 0},
        {"watermark",
         1,
         0,
         1,
         u"Laser",
         u"DRAFT",
         1,
         9,
         {{P, MarkFile::Watermark, 0, 1}, {L, MarkFile::Watermark, 0, 1}},
         2,
         0},
        {"watermark without text", 1, 0, 1, u"Laser", u"", 1, 9, {}, 0, 0},
        {"stamp on A4",
         0,
         1,
         1,
         u"Laser",
         u"DRAFT",
         3,
         9,
         {{P, MarkFile::Stamp, 9, 1},
          {L, MarkFile::Stamp, 9, 1},
          {P, MarkFile::Stamp, 8, 1},
          {L, MarkFile::Stamp, 8, 1}},
         0,
         2},
        {"stamp on Letter",
         0,
         1,
         1,
         u"Laser",
         u"",
         3,
         1,
         {{P, MarkFile::Stamp, 1, 1},
          {L, MarkFile::Stamp, 1, 1},
          {P, MarkFile::Stamp, 0, 1},
          {L, MarkFile::Stamp, 0, 1}},
         0,
         2},
        {"no frame", 0, 1, 1, u"Laser", u"DRAFT", 0, 9, {}, 0, 0},
    };
    for (const Case& c : cases) {
        step().Forget();
        m_calls.clear();
        kxtest::SheetBuilder sheet(c.printer);
        kxtest::Store32(sheet.context() + 8, c.applied);
        kx::WriteText(sheet.devmode(), FieldNamed("cWaterText"), c.waterText);
        kx::WriteNumber(sheet.devmode(), FieldNamed("FrameStyle"), c.frameStyle);
        kx::WriteNumber(sheet.devmode(), FieldNamed("dmPaperSize"), c.paperSize);
        kx::ModelProfile profile;
        profile.CheckWaterMarkFile = c.checkWatermark;
        profile.CheckDecoFile = c.checkDeco;
        Run(sheet, profile);
        EXPECT_EQ(m_calls, c.calls) << c.label;
        EXPECT_EQ(kx::ReadNumber(sheet.devmode(), FieldNamed("iWaterMarkStatus")), c.waterStatus)
            << c.label;
        EXPECT_EQ(kx::ReadNumber(sheet.devmode(), FieldNamed("iDecoStatus")), c.decoStatus)
            << c.label;
    }
}

TEST_F(MarkFileStepTest, AnUnchangedDeviceModeMakesNoFilesAgain) {
    kxtest::SheetBuilder sheet;
    kxtest::Store32(sheet.context() + 8, 1);
    kx::WriteText(sheet.devmode(), FieldNamed("cWaterText"), u"DRAFT");
    kx::ModelProfile profile;
    profile.CheckWaterMarkFile = 1;
    Run(sheet, profile);
    EXPECT_EQ(m_calls.size(), 2u);
    Run(sheet, profile);
    EXPECT_EQ(m_calls.size(), 2u) << "same device mode as last time";
    kx::WriteText(sheet.devmode(), FieldNamed("cWaterText"), u"COPY");
    Run(sheet, profile);
    EXPECT_EQ(m_calls.size(), 4u);
}

TEST_F(MarkFileStepTest, BadHostRecordsStayInsideTheirBytes) {
    kxtest::SheetBuilder sheet;
    std::memset(sheet.devmode(), 0xFF, 3555);
    kxtest::Store32(sheet.context() + 8, 1);
    kx::ModelProfile profile;
    profile.CheckWaterMarkFile = 1;
    profile.CheckDecoFile = 1;
    Run(sheet, profile);
    EXPECT_EQ(m_calls.size(), 6u);
    std::memset(sheet.devmode(), 0, 3555);
    Run(sheet, profile);
    EXPECT_EQ(m_calls.size(), 6u) << "all zeros: no watermark text, no frame";
}

} // namespace
