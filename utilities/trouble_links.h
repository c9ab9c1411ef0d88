// The six links of the Troubleshooting page: each one's target from the
// model's string file, whether it shows, and how the lower group is centred
// when its second column is empty.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace kx {

constexpr int kTroubleLinkCount = 6;

enum class LinkState { Hidden, Disabled, Shown };

struct TroubleLink {
    LinkState state = LinkState::Hidden;
    std::u16string target; ///< also the link's tool tip
};

using TroubleLinks = std::array<TroubleLink, kTroubleLinkCount>;

/// The string-file key of link n (1 to 6): "Ref_URL_" and n.
std::u16string LinkTargetKey(int number);

/// Link n's target text T (empty when absent) becomes: hidden when T is
/// empty; for T with "%s", T formatted with the printer's address, or
/// disabled when the printer has none (the address is detected once, only
/// when a target asks for it); else T itself.
TroubleLinks ResolveTroubleLinks(const std::function<std::u16string(int number)>& targetText,
                                 const std::function<std::u16string()>& networkAddress);

/// True when links 4, 5 and 6 are all hidden, so the first column is moved
/// sideways to stand centred.
bool SecondColumnEmpty(const TroubleLinks& links);
/// The sideways move that centres the first column: half the distance from
/// link 1 to link 4.
int CentringShift(int link1Left, int link4Left);

} // namespace kx
