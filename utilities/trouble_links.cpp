// Troubleshooting link targets.
#include "utilities/trouble_links.h"

#include "platform/base/format.h"

#include <optional>

namespace kx {
namespace {

// A target is a URL or a file name: never longer than a path.
constexpr size_t kTargetCapacity = 259;

// The target as the launch takes it: at most a path's length, never ending
// in half a surrogate pair.
std::u16string Bounded(std::u16string text) {
    if (text.size() <= kTargetCapacity)
        return text;
    text.resize(kTargetCapacity);
    if (text.back() >= 0xD800 && text.back() <= 0xDBFF)
        text.pop_back();
    return text;
}

} // namespace

std::u16string LinkTargetKey(int number) {
    return FormatText(u"Ref_URL_%d", {number});
}

TroubleLinks ResolveTroubleLinks(const std::function<std::u16string(int number)>& targetText,
                                 const std::function<std::u16string()>& networkAddress) {
    TroubleLinks links;
    std::optional<std::u16string> address;
    for (int number = 1; number <= kTroubleLinkCount; ++number) {
        TroubleLink& link = links[static_cast<size_t>(number - 1)];
        const std::u16string text = targetText(number);
        if (text.empty())
            continue;
        if (text.find(u"%s") == std::u16string::npos) {
            link = {LinkState::Shown, Bounded(text)};
            continue;
        }
        if (!address)
            address = networkAddress();
        if (address->empty()) {
            link.state = LinkState::Disabled;
            continue;
        }
        // The target comes from a model file: formatted with the one text
        // given, whatever other conversions it holds.
        link = {LinkState::Shown, FormatText(text, {*address}, kTargetCapacity)};
    }
    return links;
}

bool SecondColumnEmpty(const TroubleLinks& links) {
    for (size_t i = 3; i < links.size(); ++i) {
        if (links[i].state != LinkState::Hidden)
            return false;
    }
    return true;
}

int CentringShift(int link1Left, int link4Left) {
    return (link4Left - link1Left) / 2;
}

} // namespace kx
