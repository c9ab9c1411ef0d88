// Finding a script's controls and pages on the host's sheet.
#include "apps/sheet_targets.h"

#include "platform/base/text.h"
#include "platform/controls/control_base.h"
#include "platform/controls/control_constants.h"
#include "platform/window/window_api.h"
#include "platform/window/window_constants.h"

#include <algorithm>
#include <vector>

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

std::string Quoted(std::u16string_view text) {
    return "\"" + kx::Utf16ToUtf8(text) + "\"";
}

bool IsGroupBox(HWND window) {
    return kx::HasClassName(window, u"Button") &&
           (kx::WindowStyle(window) & BS_TYPEMASK) == BS_GROUPBOX;
}

// A static that shows text, not a picture, a rectangle or an etched line.
bool IsStaticText(HWND window) {
    if (!kx::HasClassName(window, u"Static"))
        return false;
    switch (kx::WindowStyle(window) & SS_TYPEMASK) {
    case SS_LEFT:
    case SS_CENTER:
    case SS_RIGHT:
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP:
    case SS_OWNERDRAW:
        return true;
    default:
        return false;
    }
}

std::u16string ShownLabel(HWND window) {
    const bool prefixes = IsGroupBox(window) || (kx::WindowStyle(window) & SS_NOPREFIX) == 0;
    return LabelName(kx::WindowText(window), prefixes);
}

// The window manager keeps siblings topmost first and puts each new control
// on top, so the tab order (creation order) runs up the sibling list.
HWND NextInTabOrder(HWND control) {
    return GetWindow(control, GW_HWNDPREV);
}

// Statics and group boxes with the label's text, and what each one names.
struct LabelSearch {
    std::u16string wanted; // folded
    std::vector<HWND> labelled;
    std::string problem; // of the first label that names nothing
};

void NoteLabel(HWND label, LabelSearch& search) {
    const std::string name = Quoted(kx::WindowText(label));
    auto note = [&](std::string problem) {
        if (search.problem.empty())
            search.problem = std::move(problem);
    };
    if (IsGroupBox(label))
        return note(name + " is a group box's caption: it names a group, not a control");
    // Assistive tools name a control by the static text just before it in
    // the tab order, unless the control carries a text of its own.
    const HWND next = NextInTabOrder(label);
    if (next == nullptr)
        return note("the label " + name + " stands before no control");
    if (IsStaticText(next) || IsGroupBox(next))
        return note("the label " + name + " stands before another text, not a control");
    if (kx::HasClassName(next, u"Button"))
        return note("the label " + name +
                    " stands before a button, which is named by its own text " +
                    Quoted(kx::WindowText(next)));
    search.labelled.push_back(next);
}

ControlLookup FindByLabel(HWND root, std::u16string_view label) {
    // What the user reads: "&" is matched nowhere, so "Fish & Chips" finds
    // the static "Fish && Chips:" and "&Paper Size" the static "Paper &Size".
    LabelSearch search{Folded(LabelName(label, false), true), {}, {}};
    if (search.wanted.empty())
        return {};
    auto visit = [](HWND window, LPARAM lParam) -> BOOL {
        auto& found = *reinterpret_cast<LabelSearch*>(lParam);
        if ((IsStaticText(window) || IsGroupBox(window)) &&
            Folded(ShownLabel(window), true) == found.wanted)
            NoteLabel(window, found);
        return TRUE;
    };
    EnumChildWindows(root, visit, reinterpret_cast<LPARAM>(&search));
    int bestReach = -1;
    std::vector<HWND> best;
    for (const HWND control : search.labelled) {
        if (Reach(control) > bestReach) {
            bestReach = Reach(control);
            best.clear();
        }
        if (Reach(control) == bestReach)
            best.push_back(control);
    }
    if (best.size() == 1)
        return {best.front(), {}};
    if (best.empty())
        return {nullptr, search.problem};
    std::vector<int> numbers;
    for (const HWND control : best)
        numbers.push_back(GetDlgCtrlID(control));
    std::sort(numbers.begin(), numbers.end());
    std::string ids;
    for (const int number : numbers)
        ids += (ids.empty() ? "" : ", ") + std::to_string(number);
    return {nullptr, std::to_string(best.size()) + " controls are labelled " + Quoted(label) +
                         " (" + ids + "); name one by its identifier"};
}

} // namespace

ControlLookup SheetTargets::Lookup(const Target& target, HWND dialog) const {
    auto find = [&](HWND root) -> ControlLookup {
        if (target.id)
            return {m_user.FindById(root, *target.id), {}};
        if (target.byLabel)
            return FindByLabel(root, target.text);
        return {FindByTextWithinReach(root, target.text), {}};
    };
    if (dialog != nullptr)
        return find(dialog);
    const HWND page = m_sheet.PageWindow(m_sheet.ActivePage());
    if (page == nullptr)
        return {};
    if (ControlLookup found = find(page); found.control != nullptr || !found.problem.empty())
        return found;
    // A window the page opened without a modal loop (a tool window, a
    // modeless dialog) is where the user's eyes are then.
    const HWND active = m_user.ActiveWindow();
    if (active != nullptr && active != GetAncestor(page, GA_ROOT))
        return find(active);
    return {};
}

std::optional<int> SheetTargets::FindPage(const Target& target) const {
    for (const int index : m_sheet.PageIndexes())
        if (target.id ? index == *target.id : SameCaption(m_sheet.Caption(index), target.text))
            return index;
    return std::nullopt;
}

std::string DescribeControl(const Target& target) {
    if (target.byLabel)
        return "control labelled " + Quoted(target.text);
    return target.id ? "control " + std::to_string(*target.id) : DescribePage(target);
}

std::string DescribePage(const Target& target) {
    return target.id ? std::to_string(*target.id) : "\"" + kx::Utf16ToUtf8(target.text) + "\"";
}

bool SameCaption(std::u16string_view a, std::u16string_view b) {
    return Folded(a, true) == Folded(b, true);
}

std::u16string LabelName(std::u16string_view text, bool prefixes) {
    std::u16string name;
    for (size_t i = 0; i < text.size(); ++i) {
        if (prefixes && text[i] == u'&') {
            if (i + 1 < text.size() && text[i + 1] == u'&')
                name.push_back(text[++i]);
            continue;
        }
        name.push_back(text[i]);
    }
    auto trim = [&name] {
        const size_t first = name.find_first_not_of(u" \t");
        const size_t last = name.find_last_not_of(u" \t");
        name =
            first == std::u16string::npos ? std::u16string() : name.substr(first, last - first + 1);
    };
    trim();
    if (!name.empty() && (name.back() == u':' || name.back() == u'\uFF1A'))
        name.pop_back();
    trim();
    return name;
}

bool ContainsNoCase(std::u16string_view text, std::u16string_view part) {
    return Folded(text, false).find(Folded(part, false)) != std::u16string::npos;
}

} // namespace kxhost
