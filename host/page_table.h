// The page table: which page object a page index makes, by the model's
// profile keys.
#pragma once

#include "devmode/model_profile.h"
#include "host/host_page.h"

#include <memory>

namespace kx {

/// The page object of index, or null for index 9, an index outside 0..21 or
/// an allocation failure.
std::unique_ptr<HostPage> CreatePage(int index, const ModelProfile& profile);

} // namespace kx
