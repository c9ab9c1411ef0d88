// A stored-item list save against a crash and a second editor: a child
// process saving lists over and over is killed at random moments, and two
// children save their own lists at once; the store always holds one list
// whole, for every item kind.
#include "framework/kx_list_controls.h"

#include "platform/base/text.h"
#include "platform/files/prefix.h"
#include "store/custom_paper.h"
#include "store/favorite.h"
#include "store/over_lay.h"
#include "store/stored_item_kinds.h"
#include "store/water_mark.h"
#include "tests/store/store_fixture.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <random>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using kx::CCustomData;

constexpr const char* kPrefixVariable = "KX_LIST_SAVE_PREFIX";
constexpr const char* kKindVariable = "KX_LIST_SAVE_KIND";
constexpr const char* kTagVariable = "KX_LIST_SAVE_TAG";
constexpr const char* kRoundsVariable = "KX_LIST_SAVE_ROUNDS";
constexpr int kCrashRounds = 30;
constexpr int kEditorRounds = 12;
// A child saving until it is killed stops by itself after this long.
constexpr auto kChildLifetime = std::chrono::seconds(20);

struct KindRow {
    const char* label;
    int kind;
};
constexpr KindRow kKinds[] = {
    {"custom papers", kx::kCustomPaperKind},
    {"watermarks", kx::kWatermarkKind},
    {"overlays", kx::kOverlayKind},
    {"favourites", kx::kFavouriteKind},
};

// Lists of different rounds have different lengths, so a count of one
// round over the items of another shows.
int ItemsOfRound(int round) {
    return 20 + round % 17;
}

std::u16string ItemName(const std::string& tag, int round, int item) {
    return kx::Utf8ToUtf16(tag + std::to_string(round) + "-" + std::to_string(item));
}

std::unique_ptr<CCustomData> MakeItem(int kind, std::u16string_view name, int item) {
    static const std::array<BYTE, kx::kDevmodeSize> record{};
    switch (kind) {
    case kx::kCustomPaperKind:
        return std::make_unique<kx::CCustomPaper>(name, 1000 + item, 1480,
                                                  kx::LengthUnit::Millimetre);
    case kx::kWatermarkKind: {
        kx::WatermarkValues values;
        values.text = std::u16string(name);
        values.face = u"Arial";
        values.size = 72;
        return std::make_unique<kx::CWaterMark>(values);
    }
    case kx::kOverlayKind:
        return std::make_unique<kx::COverLay>(u"C:\\Overlays\\" + std::u16string(name), nullptr);
    case kx::kFavouriteKind:
        return std::make_unique<kx::CFavorite>(name, record.data());
    }
    return nullptr;
}

/// A list box of one kind in its own parent window.
class ListWindow {
public:
    explicit ListWindow(int kind) {
        m_parent = CreateWindowExW(0, u"Static", u"", WS_POPUP, 0, 0, 300, 300, nullptr, nullptr,
                                   nullptr, nullptr);
        list.SubclassWindow(CreateWindowExW(0, u"ListBox", u"", WS_CHILD, 0, 0, 100, 100, m_parent,
                                            nullptr, nullptr, nullptr));
        list.m_kind = kind;
    }
    ~ListWindow() { DestroyWindow(m_parent); }
    ListWindow(const ListWindow&) = delete;
    ListWindow& operator=(const ListWindow&) = delete;

    void SaveRound(const std::string& tag, int round) {
        list.Clear();
        for (int item = 0; item < ItemsOfRound(round); ++item)
            list.AddItem(MakeItem(list.m_kind, ItemName(tag, round, item), item));
        EXPECT_EQ(list.SaveAll(nullptr, kx::SaveToStore::Yes), kxtest::kStored);
    }

    kx::TKxClass<kx::CListBox> list;

private:
    HWND m_parent = nullptr;
};

std::vector<std::u16string> StoredNames(int kind) {
    // Overlays and favourites are loaded for a device mode; a blank one is
    // of no open sheet, so they come from the store itself.
    static const std::array<BYTE, kx::kDevmodeSize> blank{};
    const kx::CustomDataFactory make = kx::GetCustomDataFactory();
    std::vector<std::u16string> names;
    const int count = make(kind, -1, blank.data())->LoadCount(blank.data());
    for (int item = 0; item < count && item < kx::kMaxStoredItems; ++item)
        names.push_back(make(kind, item, blank.data())->GetName());
    return names;
}

/// Which round of which editor the stored list is, when it is one whole
/// list; empty otherwise, with `problem` saying why.
std::string WholeListIn(const std::vector<std::u16string>& names,
                        const std::vector<std::string>& tags, int* round, std::string* problem) {
    if (names.empty()) {
        *problem = "no list at all";
        return {};
    }
    const std::string first = kx::Utf16ToUtf8(names.front());
    for (const std::string& tag : tags) {
        if (first.rfind(tag, 0) != 0)
            continue;
        *round = std::atoi(first.c_str() + tag.size());
        if (static_cast<int>(names.size()) != ItemsOfRound(*round)) {
            *problem = "round " + std::to_string(*round) + " with " + std::to_string(names.size()) +
                       " items";
            return {};
        }
        for (size_t item = 0; item < names.size(); ++item) {
            if (names[item] != ItemName(tag, *round, static_cast<int>(item))) {
                *problem = "item " + std::to_string(item) + " is " + kx::Utf16ToUtf8(names[item]);
                return {};
            }
        }
        return tag;
    }
    *problem = "first item " + first;
    return {};
}

// Runs only inside the children the tests below start.
TEST(ListSaveChild, SavesRoundAfterRound) {
    const char* root = std::getenv(kPrefixVariable);
    if (root == nullptr)
        GTEST_SKIP() << "runs as a saving process of ListSaveSafety";
    kx::Prefix::Current().SetRoot(root);
    kx::TheApp().names.driverBaseName = std::u16string(kxtest::kModuleKeyName);
    kx::InstallStoredItemKinds();
    const int kind = std::atoi(std::getenv(kKindVariable));
    const std::string tag = std::getenv(kTagVariable);
    const int rounds = std::atoi(std::getenv(kRoundsVariable));
    ListWindow window(kind);
    const auto end = std::chrono::steady_clock::now() + kChildLifetime;
    for (int round = 1; rounds == 0 ? std::chrono::steady_clock::now() < end : round <= rounds;
         ++round)
        window.SaveRound(tag, round);
}

std::string OwnProgram() {
    std::vector<char> path(4096);
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size() - 1);
    return length > 0 ? std::string(path.data(), static_cast<size_t>(length)) : std::string();
}

pid_t StartSaver(const std::string& root, int kind, const std::string& tag, int rounds) {
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry)
        environment.emplace_back(*entry);
    environment.push_back(std::string(kPrefixVariable) + "=" + root);
    environment.push_back(std::string(kKindVariable) + "=" + std::to_string(kind));
    environment.push_back(std::string(kTagVariable) + "=" + tag);
    environment.push_back(std::string(kRoundsVariable) + "=" + std::to_string(rounds));
    std::vector<char*> envp;
    for (std::string& entry : environment)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string program = OwnProgram();
    std::string filter = "--gtest_filter=ListSaveChild.*";
    char* argv[] = {program.data(), filter.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int started = posix_spawn(&child, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    return started == 0 ? child : -1;
}

class ListSaveSafety : public kxtest::StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        kx::InstallStoredItemKinds();
    }
    void TearDown() override {
        kx::SetCustomDataFactory(nullptr);
        StoreTest::TearDown();
    }
};

TEST_F(ListSaveSafety, AKilledSaveLeavesTheOldListOrTheNewOneWhole) {
    std::mt19937 random(20261209);
    for (const KindRow& row : {kKinds[0], kKinds[3]}) {
        {
            ListWindow seed(row.kind);
            seed.SaveRound("Seed", 0);
        }
        int killedMidway = 0;
        for (int round = 0; round < kCrashRounds; ++round) {
            const pid_t child = StartSaver(m_prefix.root(), row.kind, "K", 0);
            ASSERT_GT(child, 0) << "cannot start the saving process";
            std::this_thread::sleep_for(
                std::chrono::milliseconds(std::uniform_int_distribution<int>(30, 250)(random)));
            kill(child, SIGKILL);
            int status = 0;
            waitpid(child, &status, 0);
            killedMidway += WIFSIGNALED(status) ? 1 : 0;

            int savedRound = 0;
            std::string problem;
            const std::string tag =
                WholeListIn(StoredNames(row.kind), {"Seed", "K"}, &savedRound, &problem);
            ASSERT_FALSE(tag.empty())
                << row.label << ", kill " << round << ": the list is not whole: " << problem;
        }
        EXPECT_EQ(killedMidway, kCrashRounds) << row.label << ": the saver ended before its kill";
    }
}

TEST_F(ListSaveSafety, OfTwoEditorsSavingAtOnceTheLastListStandsWhole) {
    for (const KindRow& row : kKinds) {
        const pid_t first = StartSaver(m_prefix.root(), row.kind, "A", kEditorRounds);
        const pid_t second = StartSaver(m_prefix.root(), row.kind, "B", kEditorRounds);
        ASSERT_GT(first, 0);
        ASSERT_GT(second, 0);
        for (const pid_t child : {first, second}) {
            int status = 0;
            waitpid(child, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
                << row.label << ": an editor failed";
        }
        int savedRound = 0;
        std::string problem;
        const std::string tag =
            WholeListIn(StoredNames(row.kind), {"A", "B"}, &savedRound, &problem);
        ASSERT_FALSE(tag.empty()) << row.label << ": the list is not whole: " << problem;
        EXPECT_EQ(savedRound, kEditorRounds) << row.label << ": not the last save of " << tag;
    }
}

TEST_F(ListSaveSafety, ASaveLeavesTheKindHoldingExactlyTheSavedList) {
    for (const KindRow& row : kKinds) {
        ListWindow window(row.kind);
        window.SaveRound("Old", 1);
        const std::u16string kindKey(row.kind == kx::kCustomPaperKind ? kx::kCustomPaperKey
                                     : row.kind == kx::kWatermarkKind ? kx::kWatermarkKey
                                     : row.kind == kx::kOverlayKind
                                         ? kx::OverlayKeyOf(kx::OverlayLanguage::Generic)
                                         : kx::kFavouriteKey);
        SetText(kindKey + u"\\Stray\\Deeper", u"x", u"y");

        window.list.Clear();
        EXPECT_EQ(window.list.SaveAll(nullptr, kx::SaveToStore::Yes), kxtest::kStored);
        EXPECT_TRUE(StoredNames(row.kind).empty()) << row.label << ": deleted items came back";
        EXPECT_FALSE(KeyExists(kindKey + u"\\Stray")) << row.label;

        window.SaveRound("New", 2);
        SetText(kindKey + u"\\Stray", u"x", u"y");
        window.SaveRound("New", 3);
        int savedRound = 0;
        std::string problem;
        EXPECT_EQ(WholeListIn(StoredNames(row.kind), {"New"}, &savedRound, &problem), "New")
            << row.label << ": " << problem;
        EXPECT_EQ(savedRound, 3) << row.label;
    }
}

} // namespace
