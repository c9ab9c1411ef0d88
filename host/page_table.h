// The page table: which page object a page index makes, by the model's
// profile keys.
#pragma once

#include "devmode/model_profile.h"
#include "framework/kx_dialog.h"

#include <memory>
#include <optional>
#include <string_view>

namespace kx {

/// The page an index makes: its page name, class and dialog template.
struct PageChoice {
    std::u16string_view pageName;
    std::string_view className;
    UINT templateId;
};

/// The choice for index, or nothing for index 9 or an index outside 0..21.
std::optional<PageChoice> ChoosePage(int index, const ModelProfile& profile);

/// The page object of index, or null where ChoosePage chooses none or on an
/// allocation failure.
std::unique_ptr<CKxDialog> CreatePage(int index, const ModelProfile& profile);

} // namespace kx
