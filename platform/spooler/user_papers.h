// The user's own paper sizes, read from where the capability file says the
// driver keeps them.
#pragma once

#include "platform/spooler/capability_file.h"

#include <vector>

namespace kx {

/// The papers of the source in the current user's registry, at most
/// `room` of them; papers without a name or a valid size are left out. A
/// stored count is honoured up to 1,000 papers.
std::vector<CapabilityPaper> ReadUserPapers(const UserPaperSource& source, size_t room);

} // namespace kx
