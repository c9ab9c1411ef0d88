// The profile's language pass follows the device mode of each sheet that
// binds, not only the first sheet of the module's life.
#include "page_fixture.h"

#include "devmode/devmode_record.h"

namespace {

using kxtest::PageFixture;
using kxtest::TestPage;

TEST_F(PageFixture, EachNewSheetRunsTheLanguagePassForItsDeviceMode) {
    WriteModel(kStrings, std::string(kSettings) +
                             "PrinterEmulation=1,2\n[PCL]\nConstraintsTTt=1111\n"
                             "[SPL]\nConstraintsTTt=2222\n");
    kx::CKROMAUIApp& app = kx::TheApp();
    kx::WriteNumber(host.data(), kx::FieldNamed("sDrvLang"), 0);
    Bind();
    EXPECT_EQ(app.profile.languageSection, u"SPL");
    EXPECT_EQ(app.profile.ConstraintsTTt, 2222);

    // A second sheet, of a printer set to the other language.
    std::array<BYTE, kx::kDevmodeSize> otherHost = host;
    kx::WriteNumber(otherHost.data(), kx::FieldNamed("sDrvLang"), 1);
    kx::WriteText(otherHost.data(), kx::FieldNamed("dmDeviceName"), u"Other Printer");
    const HWND hostWindow = CreateWindowExW(0, u"Static", u"", WS_CHILD | WS_VISIBLE, 0, 0, 336,
                                            250, sheet, nullptr, nullptr, nullptr);
    hostWindows.push_back(hostWindow);
    pages.push_back(std::make_unique<TestPage>());
    kx::PageContext context;
    context.owner = 0x2000;
    context.hostDevmode = otherHost.data();
    context.printerName = u"Other Printer";
    context.sheetPageWindows = [this] { return hostWindows; };
    ASSERT_TRUE(pages.back()->BindToHost(hostWindow, context));
    EXPECT_EQ(app.profile.languageSection, u"PCL");
    EXPECT_EQ(app.profile.ConstraintsTTt, 1111);

    // Another page of the first sheet shares its set: the pass is not run
    // again for it.
    Bind();
    EXPECT_EQ(app.profile.languageSection, u"PCL");
}

} // namespace
