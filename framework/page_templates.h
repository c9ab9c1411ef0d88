// The dialog templates of the pages: each page class has its own, holding
// the controls the framework itself works with (favourites group, unit
// buttons, preview, logo, separator); the feature pages add their controls
// to them.
#pragma once

#include "devmode/model_profile.h"
#include "framework/template_controls.h"
#include "platform/base/win_types.h"

#include <span>
#include <string>
#include <string_view>

namespace kx {

/// The picture a page's template carries.
enum class TemplatePreview : uint8_t { None, Layout, Printer, Colour, Stamp };

struct PageTemplateRow {
    std::string_view className;
    UINT templateId;
    TemplatePreview preview;
    bool favourites;
};

/// The small dialog the 16-bit host's font set-up runs before each page.
constexpr UINT kFontProbeTemplate = 3024;

/// The template row of a page class, or null for a class without one.
const PageTemplateRow* PageTemplateOf(std::string_view className);
/// The row whose template number is id, or null.
const PageTemplateRow* PageTemplateWithId(UINT templateId);

/// The dialog script of a row, for the model's page size: a model with an
/// additional printer preview has taller pages, with that preview below
/// the layout picture.
std::u16string PageTemplateScript(const PageTemplateRow& row, const ModelProfile& profile);

/// The controls page class `className` adds to the framework's; the page's
/// folder installs them when the module starts (the rows' texts must live as
/// long as the module).
void SetPageControls(std::string_view className, std::span<const TemplateControl> controls);

/// Registers every page template, and the small dialog the 16-bit host's
/// font set-up runs, as dialog resources of the module's instance.
/// Registering again (a re-read profile) replaces them.
void RegisterPageTemplates(HINSTANCE instance, const ModelProfile& profile);

} // namespace kx
