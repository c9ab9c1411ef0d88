// The page framework through a bound page: localisation by text and by
// class, tips and topics, the caption fallback and its write-back, the
// read-only sheet, the change cycle with its re-entry guard and its
// messages to the host's sheet, the conflict tip and its timer, apply.
#include "framework/item_texts.h"
#include "framework/page_localiser.h"
#include "page_fixture.h"

#include "devmode/devmode_merge.h"
#include "platform/automation/scripted_user.h"
#include "platform/window/clipboard.h"
#include "platform/window/virtual_clock.h"
#include "platform/wow/wow_tasks.h"

namespace {

using kxtest::PageFixture;

TEST(PageLocaliserKeys, KeysAndDefaultsFromControlTexts) {
    struct Case {
        const char16_t* text;
        const char16_t* key;
        const char16_t* defaultText;
    };
    const Case cases[] = {
        {u"&Orientation", u"Orientation", u"&Orientation"},
        {u"Copies(1)", u"Copies(1)", u"Copies"},
        {u"Tray (1)", u"Tray (1)", u"Tray (1)"},       // a blank before: kept
        {u"Copies(12)", u"Copies(12)", u"Copies(12)"}, // two digits: kept
        {u"(1)", u"(1)", u"(1)"},                      // nothing before it
        {u"A&&B(9)", u"AB(9)", u"A&&B"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(kx::KeyFromText(c.text), c.key) << kx::Utf16ToUtf8(c.text);
        EXPECT_EQ(kx::DefaultFromText(c.text), c.defaultText) << kx::Utf16ToUtf8(c.text);
    }
    EXPECT_EQ(kx::KeyFromClass(u"EDIT", 1050), u"EDIT:1050");
    EXPECT_EQ(kx::KeyFromClass(u"", kx::kFavouritesBoxId), u"CTRL:1046");
    EXPECT_EQ(kx::ControlSection(kx::kMillimetreButtonId, u"Test Dialog"), u"Preview");
    EXPECT_EQ(kx::ControlSection(kx::kFavouriteDeleteId, u"Test Dialog"), u"");
    EXPECT_EQ(kx::ControlSection(1300, u"Test Dialog"), u"Test Dialog");
}

TEST_F(PageFixture, ControlsAreLocalisedByTextAndByClass) {
    kxtest::TestPage& bound = Bind();
    EXPECT_EQ(TextOf(bound.m_hWnd), u"Test Page");
    EXPECT_EQ(TextOf(Item(1300)), u"Lie of the sheet") << "&Orientation looked up as Orientation";
    EXPECT_EQ(TextOf(Item(1301)), u"Copies") << "absent key: the text without its (1)";
    EXPECT_EQ(TextOf(Item(1302)), u"Tray (1)");
    EXPECT_EQ(TextOf(Item(kx::kFavouritesGroupId)), u"Favourites")
        << "the favourites group reads the default section";
    EXPECT_EQ(TextOf(Item(kx::kMillimetreButtonId)), u"mm")
        << "unit buttons read the preview section";

    kx::ScriptedUser user;
    EXPECT_EQ(user.Hover(Item(1300)), std::optional<std::u16string>(u"How the paper lies"));
    EXPECT_EQ(user.Hover(Item(1050)), std::optional<std::u16string>(u"How many"))
        << "EDIT:1050 tooltip";
    EXPECT_EQ(user.Hover(Item(1301)), std::nullopt) << "caption present: no tip without a key";

    const kx::CTopicId* caption = bound.helpList().Find(0);
    ASSERT_NE(caption, nullptr);
    const kx::CTopicId* orientation = bound.helpList().Find(1300);
    ASSERT_NE(orientation, nullptr);
    EXPECT_EQ(orientation->topic(), u"orient.htm");
    const kx::CTopicId* edit = bound.helpList().Find(1050);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->context(), 1234);
    EXPECT_EQ(bound.helpList().Find(kx::kFavouritesGroupId), nullptr) << "group boxes get no topic";
}

TEST_F(PageFixture, AbsentCaptionFallsBackAndTipsShowTheirKeys) {
    WriteModel("[Test Dialog]\nOrientation=Lie\n", kSettings);
    kxtest::TestPage& bound = Bind();
    EXPECT_TRUE(bound.captionAbsent());
    EXPECT_EQ(TextOf(bound.m_hWnd), u"Window Caption") << "the template's own text";
    kx::ScriptedUser user;
    EXPECT_EQ(user.Hover(Item(1300)), std::optional<std::u16string>(u"Orientation"));
    EXPECT_EQ(user.Hover(Item(1050)), std::optional<std::u16string>(u"EDIT:1050"));
    EXPECT_EQ(prefix.ReadFile("drive_c/D/MODEL.DAT"), "[Test Dialog]\nOrientation=Lie\n")
        << "the normal mode never writes";
}

TEST_F(PageFixture, DiagnosticModeWritesMissingKeysBack) {
    WriteModel("[Test Dialog]\nOrientation=Lie\n",
               std::string(kSettings) + "ShowDevmodeChanges=1\n");
    Bind();
    const std::string file = prefix.ReadFile("drive_c/D/MODEL.DAT");
    for (const char* written :
         {"Caption=Window Caption", "Copies(1)=Copies", "Orientation tooltip=Orientation",
          "EDIT:1050 tooltip=EDIT:1050", "Caption topic=", "Untitled=Untitled"})
        EXPECT_NE(file.find(written), std::string::npos) << written << "\n" << file;
    EXPECT_NE(file.find("Orientation=Lie"), std::string::npos) << "present keys stay";
}

TEST_F(PageFixture, ReadOnlySheetDisablesEveryControl) {
    kxtest::TestPage& bound = Bind(kx::kSheetReadOnly);
    int children = 0;
    for (HWND child = GetWindow(bound.m_hWnd, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        EXPECT_FALSE(IsWindowEnabled(child)) << GetDlgCtrlID(child);
        ++children;
    }
    EXPECT_GE(children, 10);
    bound.EnableControl(1300, true);
    EXPECT_FALSE(IsWindowEnabled(Item(1300)))
        << "a page's own rule never enables on a read-only sheet";
}

TEST_F(PageFixture, UnitButtonsFollowTheDevmodeAndSitOnThePreviewsUnitArea) {
    kxtest::TestPage& bound = Bind();
    bound.RefreshControls();
    EXPECT_EQ(IsDlgButtonChecked(bound.m_hWnd, kx::kInchButtonId), BST_CHECKED);
    const kx::CKxPreview* preview = bound.preview(kx::PreviewRole::Layout);
    ASSERT_NE(preview, nullptr);
    RECT area = preview->UnitArea();
    MapWindowPoints(preview->m_hWnd, nullptr, reinterpret_cast<POINT*>(&area), 2);
    RECT button{};
    GetWindowRect(Item(kx::kMillimetreButtonId), &button);
    EXPECT_LE(std::abs((button.top + button.bottom) / 2 - (area.top + area.bottom) / 2), 1);

    kx::ScriptedUser user;
    ASSERT_TRUE(user.Click(Item(kx::kMillimetreButtonId)));
    EXPECT_EQ(kx::ReadNumber(bound.working(), kx::FieldNamed("IsMMInch")), 0);
    EXPECT_GE(preview->updateCount(), 1) << "the preview is handed the working copy";
    EXPECT_EQ(preview->devmode(), bound.working());
}

TEST_F(PageFixture, ChangesReportToTheHostsSheet) {
    kxtest::TestPage& first = Bind();
    Bind();
    kx::ScriptedUser user;
    ASSERT_TRUE(user.Click(Item(kx::kMillimetreButtonId)));
    ASSERT_EQ(kxtest::SheetMessages().size(), 1u);
    EXPECT_EQ(kxtest::SheetMessages()[0].message, PSM_CHANGED);
    EXPECT_EQ(kxtest::SheetMessages()[0].page, hostWindows[0]);

    kxtest::SheetMessages().clear();
    ASSERT_TRUE(user.Click(Item(kx::kInchButtonId)));
    ASSERT_EQ(kxtest::SheetMessages().size(), 2u)
        << "back to the host's record: every page unchanged";
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(kxtest::SheetMessages()[i].message, PSM_UNCHANGED);
        EXPECT_EQ(kxtest::SheetMessages()[i].page, hostWindows[i]);
    }
    EXPECT_EQ(first.working(), page(1).working()) << "one set for the sheet";
}

TEST_F(PageFixture, AChangeOfOnlyThePrinterConfigurationReachesTheSheet) {
    struct Row {
        const char* field;
        int32_t value;
    };
    const Row rows[] = {{"iOptTray", 3}, {"sDrvLang", 1}, {"iInHard", 1}, {"iPowerSave", 2}};
    for (const Row& row : rows) {
        kxtest::TestPage& bound = Bind();
        kxtest::SheetMessages().clear();
        kx::WriteNumber(bound.working(), *kx::FindDevmodeField(row.field), row.value);
        bound.OnSettingChanged();
        ASSERT_FALSE(kxtest::SheetMessages().empty()) << row.field;
        EXPECT_EQ(kxtest::SheetMessages().back().message, static_cast<UINT>(PSM_CHANGED))
            << row.field;
        kx::WriteNumber(bound.working(), *kx::FindDevmodeField(row.field), 0);
        bound.OnSettingChanged();
    }
}

TEST_F(PageFixture, SheetThatForbidsChangeReportsHearsNothing) {
    Bind(kx::kSheetNoChangeReports);
    kx::ScriptedUser user;
    ASSERT_TRUE(user.Click(Item(kx::kMillimetreButtonId)));
    EXPECT_TRUE(kxtest::SheetMessages().empty());
}

TEST_F(PageFixture, ConflictIsRepairedRefreshedAndShownForItsTime) {
    kxtest::TestPage& bound = Bind();
    kx::ScriptedUser user;
    bound.refreshes = 0;
    ASSERT_TRUE(user.SetCheck(Item(kxtest::kConflictBox), true));
    EXPECT_EQ(kx::ReadNumber(bound.working(), kx::FieldNamed("iPaperType")), 8) << "media repaired";
    EXPECT_EQ(bound.refreshes, 1) << "an adjustment refreshes the controls";
    ASSERT_TRUE(bound.ConflictTipShowing());
    const HWND tip = bound.toolWindow().m_hWnd;
    EXPECT_TRUE(IsWindowVisible(tip));
    std::array<WCHAR, 1024> text{};
    GetWindowTextW(tip, text.data(), static_cast<int>(text.size()));
    const std::u16string shown(text.data());
    EXPECT_EQ(shown.rfind(u"There are conflicting settings: ", 0), 0u) << kx::Utf16ToUtf8(shown);
    EXPECT_NE(shown.find(u"\n\nThe conflicting settings have been adjusted automatically: "),
              std::u16string::npos);

    RECT page{};
    GetWindowRect(bound.m_hWnd, &page);
    RECT placed{};
    GetWindowRect(tip, &placed);
    EXPECT_EQ(placed.left, page.left + (page.right - page.left) / 2) << "ConstraintsTTx=50";
    EXPECT_EQ(placed.top, page.bottom) << "ConstraintsTTy=100";

    user.AdvanceClock(2999);
    EXPECT_TRUE(IsWindowVisible(tip)) << "still within ConstraintsTTt";
    user.AdvanceClock(1);
    EXPECT_FALSE(IsWindowVisible(tip));
    EXPECT_FALSE(bound.ConflictTipShowing());
}

TEST(ConflictTipPlacement, PercentagesOfThePageOrTheCursor) {
    const RECT page{100, 200, 500, 400};
    const POINT cursor{7, 9};
    struct Case {
        int32_t x, y;
        POINT expected;
    };
    const Case cases[] = {
        {0, 100, {100, 400}}, {50, 50, {300, 300}}, {-1, 100, {7, 400}},
        {25, -5, {200, 9}},   {-1, -1, {7, 9}},     {200, 0, {900, 200}},
    };
    for (const Case& c : cases) {
        const POINT at = kx::ConflictTipPosition(page, cursor, c.x, c.y);
        EXPECT_EQ(at.x, c.expected.x) << c.x << "," << c.y;
        EXPECT_EQ(at.y, c.expected.y) << c.x << "," << c.y;
    }
}

TEST_F(PageFixture, SettingChangedIgnoresCallsFromItsOwnRefresh) {
    kxtest::TestPage& bound = Bind();
    bound.reenter = true;
    bound.saves = 0;
    kx::ScriptedUser user;
    ASSERT_TRUE(user.SetCheck(Item(kxtest::kConflictBox), true));
    EXPECT_EQ(bound.refreshes, 1);
    EXPECT_EQ(bound.saves, 1) << "the refresh's own OnSettingChanged did nothing";
    EXPECT_FALSE(bound.busy());
}

TEST_F(PageFixture, ApplyMergesOnlyWhenTheWorkingCopyDiffers) {
    kxtest::TestPage& bound = Bind();
    const auto before = host;
    EXPECT_EQ(bound.ApplyPage(), kx::PageResult::Done);
    EXPECT_EQ(before, host);
    kx::ScriptedUser user;
    ASSERT_TRUE(user.Click(Item(kx::kMillimetreButtonId)));
    EXPECT_EQ(kx::ReadNumber(host.data(), kx::FieldNamed("IsMMInch")), 1) << "not before apply";
    EXPECT_EQ(bound.ApplyPage(), kx::PageResult::Done);
    EXPECT_EQ(kx::ReadNumber(host.data(), kx::FieldNamed("IsMMInch")), 0);
    for (const kx::UiEvent& event : user.Log())
        EXPECT_NE(event.kind, kx::UiEventKind::MessageBox)
            << "the change report is for the diagnostic mode only";
}

TEST_F(PageFixture, DiagnosticApplyReportsTheChangesBeforeMerging) {
    WriteModel(kStrings, std::string(kSettings) + "ShowDevmodeChanges=1\n");
    kxtest::TestPage& bound = Bind();
    kx::ScriptedUser user;
    ASSERT_TRUE(user.Click(Item(kx::kMillimetreButtonId)));
    user.AnswerNextMessageBox(IDOK);
    EXPECT_EQ(bound.ApplyPage(), kx::PageResult::Done);
    const char16_t* expected = u"dmPrivate.IsMMInch: 1 (0x1) -> 0 (0x0)\n";
    std::vector<kx::UiEvent> boxes;
    for (const kx::UiEvent& event : user.Log()) {
        if (event.kind == kx::UiEventKind::MessageBox)
            boxes.push_back(event);
    }
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, expected);
    EXPECT_EQ(boxes[0].flags & 0xFF, MB_OK | MB_ICONINFORMATION);
    ASSERT_TRUE(OpenClipboard(nullptr));
    const auto* text = static_cast<const char16_t*>(GlobalLock(GetClipboardData(CF_UNICODETEXT)));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(std::u16string(text), expected);
    GlobalUnlock(GetClipboardData(CF_UNICODETEXT));
    const auto* ansi = static_cast<const char*>(GlobalLock(GetClipboardData(CF_TEXT)));
    ASSERT_NE(ansi, nullptr);
    EXPECT_EQ(std::string(ansi), "dmPrivate.IsMMInch: 1 (0x1) -> 0 (0x0)\n");
    GlobalUnlock(GetClipboardData(CF_TEXT));
    CloseClipboard();
    EXPECT_EQ(kx::ReadNumber(host.data(), kx::FieldNamed("IsMMInch")), 0)
        << "merged after the report";
}

TEST_F(PageFixture, MessageBoxesReadTheirTextsAndFormatPasscodeLengths) {
    WriteModel("[Extras Dialog]\nInvalidPasscodeMsg=Between %d and %d %s%n digits\n",
               std::string(kSettings) + "ExtrasMinPassLen=4\nExtrasMaxPassLen=8\n");
    kxtest::TestPage& bound = Bind();
    kx::ScriptedUser user;
    user.AnswerNextMessageBox(IDOK);
    EXPECT_EQ(bound.ShowMessage(kx::kInvalidPasscodeRange, u"Extras Dialog"), IDOK);
    user.AnswerNextMessageBox(IDNO);
    EXPECT_EQ(bound.ShowMessage(kx::kDeleteOverlay, u"Extras Dialog"), IDNO);
    std::vector<kx::UiEvent> boxes;
    for (const kx::UiEvent& event : user.Log()) {
        if (event.kind == kx::UiEventKind::MessageBox)
            boxes.push_back(event);
    }
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].title, u"Invalid Passcode");
    EXPECT_EQ(boxes[0].text, u"Between 4 and 8 %s%n digits")
        << "a model text never reads past its arguments";
    EXPECT_EQ(boxes[0].flags & 0xFF, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(boxes[1].text, u"Are you sure you want to delete this overlay?");
    EXPECT_EQ(boxes[1].flags & 0xFF, MB_YESNO | MB_ICONQUESTION);
}

TEST_F(PageFixture, AMessageBoxLeavesTheStringFilesSectionWhereItWas) {
    kxtest::TestPage& bound = Bind();
    kx::TextStore& strings = kx::TheApp().stringFile;
    strings.SelectSection(u"Test Dialog");
    kx::ScriptedUser user;
    user.AnswerNextMessageBox(IDOK);
    bound.ShowMessage(kx::kNameRequired, u"Extras Dialog");
    EXPECT_EQ(strings.section(), u"Test Dialog");
}

// The module's start-up work on its first binding happens once per life of
// the module; it does not hang on the "Untitled" text it reads.
TEST_F(PageFixture, TheFirstBindingsStartUpRunsOncePerModuleLife) {
    WriteModel("[Common]\nUntitled=Nameless\n", kSettings);
    EXPECT_FALSE(kx::TheApp().firstBindingDone);
    Bind();
    EXPECT_TRUE(kx::TheApp().firstBindingDone);
    EXPECT_EQ(kx::UntitledText(), u"Nameless");
    kx::ForgetUntitledText();
    Bind();
    EXPECT_EQ(kx::UntitledText(), u"") << "the second binding did no start-up work again";
    kx::TheApp().firstBindingDone = false;
    Bind();
    EXPECT_EQ(kx::UntitledText(), u"Nameless") << "a new life of the module starts up again";
}

TEST_F(PageFixture, OptionTipExplainsADisabledControl) {
    kxtest::TestPage& bound = Bind();
    EnableWindow(Item(1300), FALSE);
    bound.ShowOptionTip(Item(1300), 22, true, Item(1301));
    kx::ScriptedUser user;
    EXPECT_EQ(user.Hover(Item(1300)),
              std::optional<std::u16string>(u"The feature has been locked by Administrator."));
    bound.ShowOptionTip(Item(1300), 22, false);
    EnableWindow(Item(1300), TRUE);
    EXPECT_EQ(user.Hover(Item(1300)), std::optional<std::u16string>(u"How the paper lies"))
        << "hiding the explanation gives the control its own tip back";
}

// A control disabled and enabled again, any number of times, keeps its own
// localised tip; one without a tip gets none.
TEST_F(PageFixture, ControlTipComesBackAfterEachOptionTip) {
    kxtest::TestPage& bound = Bind();
    kx::ScriptedUser user;
    for (int round = 0; round < 3; ++round) {
        bound.ShowOptionTip(Item(1300), 22, true);
        bound.ShowOptionTip(Item(1300), 22, true);
        EXPECT_EQ(user.Hover(Item(1300)),
                  std::optional<std::u16string>(u"The feature has been locked by Administrator."))
            << "round " << round;
        bound.ShowOptionTip(Item(1300), 22, false);
        bound.ShowOptionTip(Item(1300), 22, false);
        EXPECT_EQ(user.Hover(Item(1300)), std::optional<std::u16string>(u"How the paper lies"))
            << "round " << round;
    }
    bound.ShowOptionTip(Item(1301), 22, true);
    bound.ShowOptionTip(Item(1301), 22, false);
    EXPECT_EQ(user.Hover(Item(1301)), std::nullopt) << "a control that had no tip of its own";
}

} // namespace

namespace {

TEST_F(PageFixture, MirroredModelsMirrorEveryPageButTheAboutPages) {
    std::string strings = kStrings;
    strings.replace(strings.find("[Common]\n"), 9, "[Common]\nMirrorLayout=1\n");
    WriteModel(strings, kSettings);
    struct Case {
        int index;
        bool mirrored;
    };
    const Case cases[] = {{0, true},   {1, true},   {5, false},  {10, false}, {11, false},
                          {13, false}, {14, false}, {15, false}, {16, true}};
    for (const Case& c : cases) {
        kxtest::TestPage& bound = Bind(0, kxtest::kTestTemplate, c.index);
        EXPECT_EQ((GetWindowLongW(bound.m_hWnd, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0, c.mirrored)
            << "index " << c.index;
    }
    EXPECT_EQ(page().QueryLeavePage(), kx::LeavePage::LeaveAndSave)
        << "leaving a page always saves it";
}

// The probe dialog ends in its own initialisation, before anyone sees it;
// what shows is that the page still comes up whole after its modal run.
TEST_F(PageFixture, InsideThe16BitHostThePageComesUpAfterTheFontProbe) {
    kx::WowProcess process;
    process.processId = 77;
    process.tasks.push_back(kx::WowTask{GetCurrentThreadId(), 1, 2, "HOST16", "HOST16.EXE"});
    kx::WowTasks::Instance().Set({process});
    kx::ScriptedUser user;
    Bind();
    kx::WowTasks::Instance().Set({});
    ASSERT_NE(page().m_hWnd, nullptr);
    EXPECT_TRUE(IsWindowEnabled(page().m_hWnd)) << "the modal run gave the page back";
    EXPECT_EQ(TextOf(Item(1300)), u"Lie of the sheet") << "localised after the probe";
}

} // namespace

namespace {

// The conflict tip's text comes from the model's string file: whatever
// conversions it holds, only the two report texts are ever formatted in.
TEST_F(PageFixture, ConflictTipTextIsFormattedSafely) {
    struct Case {
        const char* message;
        const char16_t* expected;
    };
    const Case cases[] = {
        {"", u"There are conflicting settings: B\n\nThe conflicting settings have been adjusted "
             u"automatically: A"},
        {"Was %s now %s", u"Was B\n\n now A"},
        {"%s%s%s%n%x%d", u"B\n\nA%s%n%x%d"},
        {"only %d", u"only B\n\n"}, // a text for a number: shown as the text
        {"%-8.3s|", u"B\n\n     |"},
    };
    for (const Case& c : cases) {
        WriteModel(std::string("[Common]\nConflictSettingsMsg=") + c.message + "\n", kSettings);
        EXPECT_EQ(kx::ConflictTipText(kx::TheApp().stringFile, u"B", u"A"), c.expected)
            << c.message;
    }
}

} // namespace
