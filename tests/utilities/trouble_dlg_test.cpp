// The Troubleshooting page bound in a host window over a model written into
// the prefix: its test-page list, the collapse of an empty list, links
// hidden, disabled or centred, and printing from it.
#include "utilities/trouble_dlg.h"

#include "devmode/devmode_record.h"
#include "devmode/devmode_set.h"
#include "framework/kromaui_app.h"
#include "framework/page_templates.h"
#include "platform/window/dialog_state.h"
#include "platform/window/rect_api.h"
#include "platform/window/window_api.h"
#include "tests/support/rendered_window.h"
#include "tests/utilities/utility_fixture.h"

#include <array>
#include <cstdlib>
#include <memory>

namespace {

constexpr UINT kTroubleTemplate = 3113;
constexpr int kTroubleIndex = 12;

class TroubleDlgPage : public kxtest::UtilityFixture {
protected:
    void SetUp() override {
        UtilityFixture::SetUp();
        EXPECT_EQ(kx::PrinterStore::AddTcpPort(u"IP_10", u"10.0.0.9", 9100), DWORD{ERROR_SUCCESS});
        AddPrinter(u"Net Printer", u"IP_10");
        AddPrinter(u"Local Printer", u"NUL:");
    }

    void TearDown() override {
        page.reset();
        if (host != nullptr)
            DestroyWindow(host);
        if (sheet != nullptr)
            DestroyWindow(sheet);
        kx::DevmodeSetTable::Instance().Clear();
        kx::ForgetUntitledText();
        kx::TheApp().firstBindingDone = false;
        kx::ActiveModelProfile() = kx::ModelProfile{};
        UtilityFixture::TearDown();
    }

    /// Writes the model's files and binds the page for `printer`.
    void Open(const std::u16string& printer, const std::string& links,
              const std::string& testPages) {
        prefix.WriteFile("drive_c/D/MODEL.DAT",
                         "[Troubleshooting Dialog]\nCaption=Troubleshooting\n"
                         "Config Page=Configuration Page\n" +
                             links);
        prefix.WriteFile("drive_c/D/MODELU.INI", "[Common]\nTroubleScout=1\n" + testPages);
        kx::CKROMAUIApp& app = kx::TheApp();
        app.modelStem = u"C:\\D\\MODEL";
        app.names.moduleDirectory = u"C:\\D\\";
        app.stringFile.SetFile(u"C:\\D\\MODEL.DAT", kx::ClearReadOnly::No);
        app.profile.SetFiles(u"C:\\D\\MODELU.INI", u"C:\\D\\MODEL.DAT");
        app.profile.ReadProfile();
        kx::ForgetUntitledText();
        kx::TheApp().firstBindingDone = false;
        kx::DevmodeSetTable::Instance().Clear();
        kx::InstallTroublePageControls();
        const auto* row = kx::PageTemplateOf("CTroubleDlg");
        ASSERT_NE(row, nullptr);
        kx::RegisterDialogResource(app.instance(), kTroubleTemplate,
                                   kx::PageTemplateScript(*row, app.profile));

        devmode.fill(0);
        kx::WriteText(devmode.data(), kx::FieldNamed("dmDeviceName"), printer);
        kx::WriteNumber(devmode.data(), kx::FieldNamed("dmSize"), 220);
        kx::WriteNumber(devmode.data(), kx::FieldNamed("dmDriverExtra"), 3335);
        sheet = CreateWindowExW(0, u"Static", u"Sheet", WS_POPUP | WS_VISIBLE, 100, 100, 360, 300,
                                nullptr, nullptr, nullptr, nullptr);
        host = CreateWindowExW(0, u"Static", u"", WS_CHILD | WS_VISIBLE, 0, 0, 336, 250, sheet,
                               nullptr, nullptr, nullptr);
        page =
            std::make_unique<kx::CTroubleDlg>(kTroubleTemplate, u"Troubleshooting", kTroubleIndex);
        kx::PageContext context;
        context.owner = 0x2000;
        context.hostDevmode = devmode.data();
        context.printerName = printer;
        context.sheetPageWindows = [this] { return std::vector<HWND>{host}; };
        ASSERT_TRUE(page->BindToHost(host, context));
    }

    HWND Item(int id) const { return GetDlgItem(page->m_hWnd, id); }
    bool Visible(int id) const { return (GetWindowLongW(Item(id), GWL_STYLE) & WS_VISIBLE) != 0; }
    RECT Rect(int id) const {
        RECT rect{};
        GetWindowRect(Item(id), &rect);
        MapWindowPoints(nullptr, page->m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    std::vector<std::u16string> ListItems() const {
        std::vector<std::u16string> items;
        const HWND list = Item(kx::kTestPageListId);
        const auto count = SendMessageW(list, CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            std::array<WCHAR, 128> text{};
            SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(text.data()));
            items.emplace_back(text.data());
        }
        return items;
    }

    std::array<BYTE, kx::kDevmodeSize> devmode{};
    HWND sheet = nullptr;
    HWND host = nullptr;
    std::unique_ptr<kx::CTroubleDlg> page;
};

TEST_F(TroubleDlgPage, ListsTheModelsPagesLocalisedAndPrintsTheFirst) {
    Open(u"Net Printer", "Ref_URL_1=http://%s/\n", "TestPages=9,2,1\n");
    const std::vector<std::u16string> expected = {u"Configuration Page", u"Connection Page",
                                                  u"Test Print"};
    EXPECT_EQ(ListItems(), expected);
    EXPECT_EQ(SendMessageW(Item(kx::kTestPageListId), CB_GETCURSEL, 0, 0), 0);
    SendMessageW(page->m_hWnd, WM_COMMAND, MAKEWPARAM(kx::kTestPagePrintId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Item(kx::kTestPagePrintId)));
    const auto jobs = Jobs();
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].document, u"Config Page");
    EXPECT_EQ(BytesOf(jobs[0]), "\x1B%-12345X@PJL TEST PRINT=CONFIG\n\x1B%-12345X");
    EXPECT_EQ(page->links()[0].target, u"http://10.0.0.9/");
}

TEST_F(TroubleDlgPage, EmptyListCollapsesAndTheLinksMoveUp) {
    Open(u"Local Printer", "Ref_URL_1=https://a.example/\n", "TestPages=2\n");
    const RECT linksBefore = Rect(kx::kLinkGroupId);
    EXPECT_TRUE(ListItems().empty()) << "a local printer never offers the connection page";
    EXPECT_FALSE(Visible(kx::kTestPageGroupId));
    EXPECT_FALSE(Visible(kx::kTestPageListId));
    EXPECT_FALSE(Visible(kx::kTestPagePrintId));
    EXPECT_LT(linksBefore.top, 60)
        << "the link group moved up into the test pages' place: " << linksBefore.top;
    SendMessageW(page->m_hWnd, WM_COMMAND, MAKEWPARAM(kx::kTestPagePrintId, BN_CLICKED), 0);
    EXPECT_TRUE(Jobs().empty());
}

// What the page's picture shows is what the user sees: each shown link is
// drawn inside the "Support" group in the link colour, and a hidden one
// leaves its place empty.
TEST_F(TroubleDlgPage, TheSupportGroupsPictureShowsItsLinks) {
    Open(u"Local Printer", "Ref_URL_1=https://a.example/\nRef_URL_4=https://b.example/\n", "");
    const kxtest::Rendered picture(page->m_hWnd);
    const COLORREF link = GetSysColor(COLOR_HOTLIGHT);
    const auto linkPixels = [&](const RECT& r) {
        return picture.Count(r, [&](COLORREF c) { return c == link; });
    };
    const RECT group = Rect(kx::kLinkGroupId);
    for (const int number : {1, 4}) {
        const RECT r = Rect(kx::kFirstLinkId + number - 1);
        EXPECT_TRUE(r.left >= group.left && r.right <= group.right && r.top >= group.top &&
                    r.bottom <= group.bottom)
            << "link " << number << " lies inside the group";
        EXPECT_GT(linkPixels(r), 10) << "link " << number << " is drawn";
    }
    EXPECT_EQ(linkPixels(Rect(kx::kFirstLinkId + 1)), 0) << "a hidden link draws nothing";
    EXPECT_GT(linkPixels(group), 20);
}

TEST_F(TroubleDlgPage, LinksHideDisableAndCentre) {
    Open(u"Local Printer", "Ref_URL_1=https://a.example/\nRef_URL_2=http://%s/\nRef_URL_3=\n", "");
    EXPECT_TRUE(Visible(kx::kFirstLinkId));
    EXPECT_TRUE(IsWindowEnabled(Item(kx::kFirstLinkId)));
    EXPECT_TRUE(Visible(kx::kFirstLinkId + 1));
    EXPECT_FALSE(IsWindowEnabled(Item(kx::kFirstLinkId + 1))) << "no address for %s";
    for (int id = kx::kFirstLinkId + 2; id < kx::kFirstLinkId + 6; ++id)
        EXPECT_FALSE(Visible(id)) << id;
    // Links 4-6 empty: the first column stands centred in the group.
    const RECT first = Rect(kx::kFirstLinkId);
    const RECT group = Rect(kx::kLinkGroupId);
    const LONG leftGap = first.left - group.left;
    const LONG rightGap = group.right - first.right;
    EXPECT_LE(std::abs(leftGap - rightGap), 2) << "gaps " << leftGap << " and " << rightGap;
    EXPECT_EQ(Rect(kx::kFirstLinkId + 1).left, first.left) << "the whole column moved";
}

TEST_F(TroubleDlgPage, SecondColumnKeepsTheLinksInPlace) {
    Open(u"Local Printer", "Ref_URL_1=https://a.example/\nRef_URL_5=https://e.example/\n", "");
    const RECT first = Rect(kx::kFirstLinkId);
    const RECT group = Rect(kx::kLinkGroupId);
    EXPECT_GT(group.right - first.right, 3 * (first.left - group.left))
        << "left where the template put it";
    EXPECT_TRUE(Visible(kx::kFirstLinkId + 4));
}

} // namespace
