// The status-check settings in the printer's driver data, and the topic of
// the last status.
#include "utilities/scout_settings.h"

#include "platform/shell/desktop_requests.h"
#include "tests/utilities/utility_fixture.h"

namespace {

using kxtest::UtilityFixture;

class ScoutSettings : public UtilityFixture {
protected:
    void SetUp() override {
        UtilityFixture::SetUp();
        AddPrinter(u"Laser", u"NUL:");
        kx::DesktopRequests::Instance().SetMode(kx::DesktopMode::Record);
        kx::DesktopRequests::Instance().Clear();
    }
    void SetDword(const char16_t* name, DWORD value) {
        HKEY key = nullptr;
        const std::u16string path = kx::PrinterDriverDataKey(u"Laser");
        ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_WRITE,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                       sizeof value);
        RegCloseKey(key);
    }
};

TEST_F(ScoutSettings, DefaultsWhenValuesAreAbsent) {
    for (const bool initial : {false, true}) {
        const auto settings = kx::ReadScoutSettings(u"Laser", initial);
        EXPECT_EQ(settings.enabled, initial);
        EXPECT_EQ(settings.timeout, 5u);
        EXPECT_EQ(settings.lastInfo, u"");
    }
    EXPECT_EQ(kx::ReadScoutSettings(u"Not Installed", true).timeout, 5u);
}

TEST_F(ScoutSettings, WrittenValuesReadBackAsDwords) {
    ASSERT_TRUE(kx::WriteScoutSettings(u"Laser", true, 30));
    auto settings = kx::ReadScoutSettings(u"Laser", false);
    EXPECT_TRUE(settings.enabled);
    EXPECT_EQ(settings.timeout, 30u);

    ASSERT_TRUE(kx::WriteScoutSettings(u"Laser", false, 0));
    settings = kx::ReadScoutSettings(u"Laser", true);
    EXPECT_FALSE(settings.enabled) << "a stored 0 wins over the page's initial value";
    EXPECT_EQ(settings.timeout, 0u);

    DWORD type = 0;
    const auto stored = kx::PrinterStore::PrinterData(u"Laser", u"PScout_Timeout", &type);
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(stored->size(), 4u);
    EXPECT_FALSE(kx::WriteScoutSettings(u"", true, 5));
}

TEST_F(ScoutSettings, ANonZeroSwitchIsOn) {
    SetDword(u"PScout_Enable", 7);
    EXPECT_TRUE(kx::ReadScoutSettings(u"Laser", false).enabled);
}

TEST_F(ScoutSettings, LastStatusTopicOpensFromTheModuleFolder) {
    kx::ShowLastStatusInfo(nullptr, u"Laser", u"C:\\Drv\\");
    EXPECT_TRUE(kx::DesktopRequests::Instance().Recorded().empty())
        << "nothing without a last status";

    SetMachineText(kx::PrinterDriverDataKey(u"Laser"), u"PScout_LastInfo", u"status\\paperjam.htm");
    EXPECT_EQ(kx::ReadScoutSettings(u"Laser", false).lastInfo, u"status\\paperjam.htm");
    kx::ShowLastStatusInfo(nullptr, u"Laser", u"C:\\Drv\\");
    const auto recorded = kx::DesktopRequests::Instance().Recorded();
    ASSERT_EQ(recorded.size(), 1u);
    EXPECT_EQ(recorded[0].kind, kx::RequestKind::HtmlHelp);
    EXPECT_EQ(kx::Utf16ToUtf8(recorded[0].target), "C:\\Drv\\status\\paperjam.htm");
}

// The topic comes from the printer's data and must not open a file outside
// the module's folder.
TEST_F(ScoutSettings, LastStatusTopicThatClimbsOutIsNotOpened) {
    for (const char16_t* topic : {u"..\\..\\secret.htm", u"status\\..\\..\\x.htm", u"\\x.htm",
                                  u"C:\\x.htm", u"status\\ . \\x.htm"}) {
        kx::DesktopRequests::Instance().Clear();
        SetMachineText(kx::PrinterDriverDataKey(u"Laser"), u"PScout_LastInfo", topic);
        kx::ShowLastStatusInfo(nullptr, u"Laser", u"C:\\Drv\\");
        EXPECT_TRUE(kx::DesktopRequests::Instance().Recorded().empty()) << kx::Utf16ToUtf8(topic);
    }
}

} // namespace
