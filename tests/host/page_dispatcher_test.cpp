// Page binding, notifications with their message results and sheet flags,
// tear-down, and set sharing, through a dispatcher with scripted pages.
#include "host/page_dispatcher.h"

#include "devmode/devmode_record.h"
#include "devmode/model_profile.h"
#include "devmode/user_store.h"
#include "host/mark_file_step.h"
#include "platform/base/devmode_public.h"
#include "sheet_builder.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using kx::PageDispatcher;
using kxtest::SheetBuilder;

class RecordingWindows : public kx::HostWindows {
public:
    LONG_PTR SheetUserData(HWND page) override { return userData.count(page) ? userData[page] : 0; }
    void SetSheetUserData(HWND page, LONG_PTR value) override { userData[page] = value; }
    void SetMessageResult(HWND page, LONG_PTR value) override { results[page] = value; }

    std::map<HWND, LONG_PTR> userData;
    std::map<HWND, LONG_PTR> results;
};

/// A page whose answers the test sets and whose calls it records.
class ScriptedPage : public kx::CKxDialog {
public:
    explicit ScriptedPage(std::vector<std::string>* log) : CKxDialog(0, u"Layout", 0), m_log(log) {}
    void RefreshControls() override { m_log->push_back("refresh"); }
    kx::LeavePage QueryLeavePage() override {
        m_log->push_back("query-leave");
        return leave;
    }
    void SaveControls() override { m_log->push_back("save"); }
    kx::PageResult ApplyPage() override {
        m_log->push_back("apply");
        return applyResult != kx::PageResult::Done ? applyResult : CKxDialog::ApplyPage();
    }
    kx::PageResult ResetPage() override {
        m_log->push_back("reset");
        return resetResult;
    }

    static inline kx::LeavePage leave = kx::LeavePage::LeaveAndSave;
    static inline kx::PageResult applyResult = kx::PageResult::Done;
    static inline kx::PageResult resetResult = kx::PageResult::Done;

private:
    std::vector<std::string>* m_log;
};

HWND Window(DWORD value) {
    return HandleFromValue<HWND>(value);
}

class PageDispatcherTest : public testing::Test {
protected:
    void SetUp() override {
        kx::InstallHostWindows(&m_windows);
        kx::InstallUserStore(&m_store);
        kx::DevmodeSetTable::Instance().Clear();
        kx::MarkFileStep::Instance().Forget();
        kx::ActiveModelProfile() = kx::ModelProfile{};
        ScriptedPage::leave = kx::LeavePage::LeaveAndSave;
        ScriptedPage::applyResult = kx::PageResult::Done;
        ScriptedPage::resetResult = kx::PageResult::Done;
    }
    void TearDown() override {
        kx::InstallHostWindows(nullptr);
        kx::InstallUserStore(nullptr);
        kx::DevmodeSetTable::Instance().Clear();
        kx::MarkFileStep::Instance().SetGenerator(nullptr);
        kx::ActiveModelProfile() = kx::ModelProfile{};
    }

    BOOL Notify(HWND window, UINT code, int index) {
        const NMHDR header{window, 0, code};
        return m_dispatcher.Dispatch(window, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header),
                                     index);
    }
    BOOL Init(HWND window, const SheetBuilder& sheet, int index) {
        return m_dispatcher.Dispatch(window, WM_INITDIALOG, 0, sheet.recordParam(), index);
    }
    BOOL Destroy(HWND window, int index) {
        return m_dispatcher.Dispatch(window, WM_DESTROY, 0, 0, index);
    }
    kx::CKxDialog* PageAt(const SheetBuilder& sheet, int index) {
        return m_dispatcher.PageOf(sheet.pageSlot(index)).get();
    }

    RecordingWindows m_windows;
    kx::MemoryUserStore m_store;
    std::vector<std::string> m_log;
    PageDispatcher m_dispatcher{[this](int index) -> std::unique_ptr<kx::CKxDialog> {
        if (index == 9 || index < 0 || index > 21)
            return nullptr;
        return std::make_unique<ScriptedPage>(&m_log);
    }};
};

TEST_F(PageDispatcherTest, TwoPagesOfOneSheetShareOneSet) {
    SheetBuilder sheet;
    EXPECT_EQ(Init(Window(0x100), sheet, 0), TRUE);
    EXPECT_EQ(Init(Window(0x104), sheet, 1), TRUE);
    ASSERT_NE(sheet.pageSlot(0), 0u);
    ASSERT_NE(sheet.pageSlot(1), 0u);
    const BYTE* first = PageAt(sheet, 0)->working();
    const BYTE* second = PageAt(sheet, 1)->working();
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first, second);
    EXPECT_EQ(kx::DevmodeSetTable::Instance().SlotsInUse(), 1);

    EXPECT_EQ(Destroy(Window(0x100), 0), TRUE);
    EXPECT_EQ(sheet.pageSlot(0), 0u);
    EXPECT_EQ(kx::DevmodeSetTable::Instance().SlotsInUse(), 1);
    EXPECT_EQ(Destroy(Window(0x104), 1), TRUE);
    EXPECT_EQ(kx::DevmodeSetTable::Instance().SlotsInUse(), 0) << "the last page frees the set";
    EXPECT_EQ(m_dispatcher.PageCount(), 0u);
    EXPECT_EQ(Destroy(Window(0x104), 1), FALSE) << "no page left in the slot";
}

TEST_F(PageDispatcherTest, NinthSheetGetsPagesWithoutASet) {
    std::vector<std::unique_ptr<SheetBuilder>> sheets;
    for (int i = 0; i < 9; ++i) {
        sheets.push_back(std::make_unique<SheetBuilder>());
        EXPECT_EQ(Init(Window(0x200 + 4 * static_cast<DWORD>(i)), *sheets.back(), 2), TRUE) << i;
    }
    EXPECT_NE(PageAt(*sheets[7], 2)->working(), nullptr);
    kx::CKxDialog* ninth = PageAt(*sheets[8], 2);
    ASSERT_NE(ninth, nullptr) << "the page object stays in its slot";
    EXPECT_EQ(ninth->working(), nullptr);
    EXPECT_EQ(Notify(Window(0x220), PSN_APPLY, 2), TRUE) << "a page without a set still applies";
    for (int i = 0; i < 9; ++i)
        Destroy(Window(0x200 + 4 * static_cast<DWORD>(i)), 2);
    EXPECT_EQ(kx::DevmodeSetTable::Instance().SlotsInUse(), 0);
}

TEST_F(PageDispatcherTest, PagesThatCannotBeMadeStayEmpty) {
    SheetBuilder sheet;
    EXPECT_EQ(Init(Window(0x300), sheet, 9), FALSE);
    EXPECT_EQ(Init(Window(0x304), sheet, 22), FALSE);
    EXPECT_EQ(Notify(Window(0x300), PSN_SETACTIVE, 9), FALSE);
    EXPECT_EQ(m_dispatcher.Dispatch(Window(0x308), WM_INITDIALOG, 0, 0, 0), FALSE) << "no record";
    EXPECT_EQ(Notify(Window(0x30C), PSN_SETACTIVE, 0), FALSE) << "no record in the sheet";

    SheetBuilder unmapped;
    kxtest::Store32(unmapped.record(), 0x7FFFF000);
    EXPECT_EQ(Init(Window(0x310), unmapped, 0), FALSE);
    EXPECT_EQ(unmapped.pageSlot(0), 0u);
    EXPECT_EQ(kx::DevmodeSetTable::Instance().SlotsInUse(), 0);
}

TEST_F(PageDispatcherTest, NotificationsCallThePageAndSetResultsAndFlags) {
    using kx::LeavePage;
    using kx::PageResult;
    constexpr PageResult kDone = PageResult::Done;
    constexpr PageResult kInvalid = PageResult::Invalid;
    constexpr LeavePage kSave = LeavePage::LeaveAndSave;
    struct Case {
        const char* label;
        UINT code;
        LeavePage leave;
        PageResult applyResult;
        PageResult resetResult;
        BOOL handled;
        std::vector<std::string> calls;
        std::optional<LONG_PTR> result;
        uint32_t changed, applied, reset;
    };
    const Case cases[] = {
        {"set active", PSN_SETACTIVE, kSave, kDone, kDone, TRUE, {"refresh"}, {}, 0, 0, 0},
        {"kill active, keep",
         PSN_KILLACTIVE,
         LeavePage::Keep,
         kDone,
         kDone,
         TRUE,
         {"query-leave"},
         1,
         0,
         0,
         0},
        {"kill active, save",
         PSN_KILLACTIVE,
         kSave,
         kDone,
         kDone,
         TRUE,
         {"query-leave", "save"},
         {},
         0,
         0,
         0},
        {"kill active, leave unsaved",
         PSN_KILLACTIVE,
         LeavePage::Leave,
         kDone,
         kDone,
         TRUE,
         {"query-leave"},
         {},
         0,
         0,
         0},
        {"kill active, unlisted answer",
         PSN_KILLACTIVE,
         static_cast<LeavePage>(3),
         kDone,
         kDone,
         TRUE,
         {"query-leave"},
         {},
         0,
         0,
         0},
        {"apply accepted", PSN_APPLY, kSave, kDone, kDone, TRUE, {"apply"}, 0, 1, 1, 0},
        {"apply refused", PSN_APPLY, kSave, kInvalid, kDone, TRUE, {"apply"}, 1, 0, 0, 0},
        {"reset accepted", PSN_RESET, kSave, kDone, kDone, TRUE, {"reset"}, 0, 1, 0, 1},
        {"reset refused", PSN_RESET, kSave, kDone, kInvalid, TRUE, {"reset"}, 1, 0, 0, 0},
        {"help", PSN_HELP, kSave, kDone, kDone, TRUE, {}, {}, 0, 0, 0},
        {"query cancel", PSN_QUERYCANCEL, kSave, kDone, kDone, TRUE, {}, {}, 0, 0, 0},
        {"unlisted code", PSN_FIRST - 4, kSave, kDone, kDone, FALSE, {}, {}, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SheetBuilder sheet;
        const HWND window = Window(0x400);
        ASSERT_EQ(Init(window, sheet, 0), TRUE);
        m_log.clear();
        m_windows.results.clear();
        ScriptedPage::leave = c.leave;
        ScriptedPage::applyResult = c.applyResult;
        ScriptedPage::resetResult = c.resetResult;
        EXPECT_EQ(Notify(window, c.code, 0), c.handled) << c.label;
        EXPECT_EQ(m_log, c.calls) << c.label;
        const auto result = m_windows.results.find(window);
        EXPECT_EQ(result != m_windows.results.end(), c.result.has_value()) << c.label;
        if (c.result && result != m_windows.results.end()) {
            EXPECT_EQ(result->second, *c.result) << c.label;
        }
        EXPECT_EQ(sheet.changed(), c.changed) << c.label;
        EXPECT_EQ(sheet.applied(), c.applied) << c.label;
        EXPECT_EQ(sheet.reset(), c.reset) << c.label;
        EXPECT_EQ(m_dispatcher.Dispatch(window, 0x0111, 0, 0, 0), FALSE) << "other messages";
        Destroy(window, 0);
    }
}

TEST_F(PageDispatcherTest, ApplyMergesTheWorkingCopyIntoTheHostRecord) {
    SheetBuilder sheet;
    ASSERT_EQ(Init(Window(0x500), sheet, 0), TRUE);
    BYTE* working = PageAt(sheet, 0)->working();
    kx::WriteNumber(working, kx::FieldNamed("iNup"), 4);
    kx::WriteNumber(working, kx::FieldNamed("dmFields"), DM_COPIES);
    kx::WriteNumber(working, kx::FieldNamed("dmCopies"), 3);
    EXPECT_EQ(Notify(Window(0x500), PSN_APPLY, 0), TRUE);
    EXPECT_EQ(kx::ReadNumber(sheet.devmode(), kx::FieldNamed("iNup")), 4);
    EXPECT_EQ(kx::ReadNumber(sheet.devmode(), kx::FieldNamed("dmCopies")), 3);
    Destroy(Window(0x500), 0);
}

TEST_F(PageDispatcherTest, ClosingRunsTheMarkFileStepOncePerSheet) {
    int generated = 0;
    kx::MarkFileStep::Instance().SetGenerator(
        [&](BYTE*, SHORT, kx::MarkFile, int) { ++generated; });
    struct Case {
        const char* label;
        uint32_t sheetFlags;
        int generated;
    };
    const Case cases[] = {{"closing runs the step", 0, 2}, {"low byte 1 skips it", 1, 0}};
    for (const Case& c : cases) {
        kx::MarkFileStep::Instance().Forget();
        generated = 0;
        SheetBuilder sheet;
        sheet.setSheetFlags(c.sheetFlags);
        kx::WriteText(sheet.devmode(), kx::FieldNamed("cWaterText"), u"DRAFT");
        Init(Window(0x600), sheet, 0);
        Init(Window(0x604), sheet, 1);
        // After binding: the module's first binding reads the profile anew.
        kx::ActiveModelProfile().CheckWaterMarkFile = 1;
        kxtest::Store32(sheet.context() + 8, 1); // applied earlier
        EXPECT_EQ(Destroy(Window(0x600), 0), TRUE);
        EXPECT_EQ(sheet.closing(), 1u) << c.label;
        EXPECT_EQ(Destroy(Window(0x604), 1), TRUE);
        EXPECT_EQ(generated, c.generated) << c.label;
    }
}

} // namespace
