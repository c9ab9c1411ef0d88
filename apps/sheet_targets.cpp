// Finding a script's controls and pages on the host's sheet.
#include "apps/sheet_targets.h"

#include "platform/base/text.h"
#include "platform/controls/control_base.h"
#include "platform/window/window_api.h"

namespace kxhost {
namespace {

std::u16string Folded(std::u16string_view text, bool dropAmpersands) {
    std::u16string folded;
    for (const char16_t c : text)
        if (!dropAmpersands || c != u'&')
            folded.push_back(kx::FoldCase(c));
    return folded;
}

// How much a user could do with a control: one they can use beats one they
// only see, which beats one hidden.
int Reach(HWND window) {
    if (!IsWindowVisible(window))
        return 0;
    return IsWindowEnabled(window) ? 2 : 1;
}

// Texts repeat (a page keeps a hidden "Save" beside the shown one), so the
// control found by text is the one the user can reach best, the first of
// those in window order.
HWND FindByTextWithinReach(HWND root, std::u16string_view text) {
    struct Search {
        std::u16string_view text;
        HWND best = nullptr;
        int bestReach = -1;
    } search{text};
    auto visit = [](HWND window, LPARAM lParam) -> BOOL {
        auto& found = *reinterpret_cast<Search*>(lParam);
        if (SameCaption(kx::WindowText(window), found.text) && Reach(window) > found.bestReach) {
            found.best = window;
            found.bestReach = Reach(window);
        }
        return TRUE;
    };
    EnumChildWindows(root, visit, reinterpret_cast<LPARAM>(&search));
    return search.best;
}

} // namespace

HWND SheetTargets::FindControl(const Target& target, HWND dialog) const {
    auto find = [&](HWND root) {
        return target.id ? m_user.FindById(root, *target.id)
                         : FindByTextWithinReach(root, target.text);
    };
    if (dialog != nullptr)
        return find(dialog);
    const HWND page = m_sheet.PageWindow(m_sheet.ActivePage());
    if (page == nullptr)
        return nullptr;
    if (const HWND control = find(page))
        return control;
    // A window the page opened without a modal loop (a tool window, a
    // modeless dialog) is where the user's eyes are then.
    const HWND active = m_user.ActiveWindow();
    if (active != nullptr && active != GetAncestor(page, GA_ROOT))
        return find(active);
    return nullptr;
}

std::optional<int> SheetTargets::FindPage(const Target& target) const {
    for (const int index : m_sheet.PageIndexes())
        if (target.id ? index == *target.id : SameCaption(m_sheet.Caption(index), target.text))
            return index;
    return std::nullopt;
}

std::string DescribeControl(const Target& target) {
    return target.id ? "control " + std::to_string(*target.id) : DescribePage(target);
}

std::string DescribePage(const Target& target) {
    return target.id ? std::to_string(*target.id) : "\"" + kx::Utf16ToUtf8(target.text) + "\"";
}

bool SameCaption(std::u16string_view a, std::u16string_view b) {
    return Folded(a, true) == Folded(b, true);
}

bool ContainsNoCase(std::u16string_view text, std::u16string_view part) {
    return Folded(text, false).find(Folded(part, false)) != std::u16string::npos;
}

} // namespace kxhost
