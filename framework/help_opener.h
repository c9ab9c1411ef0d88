// Opening a page's help: the topic of a control decides whether the classic
// help file opens at a context number or a keyword, or a page of the
// model's compiled HTML help opens with a description of the model's
// features appended for the help pages to adapt to.
#pragma once

#include "devmode/model_profile.h"
#include "framework/help_list.h"
#include "platform/base/win_types.h"

#include <string>

namespace kx {

/// Opens the topic the help list holds for control (0: the page itself).
/// A control without a topic, or with an empty one, opens nothing.
void OpenHelp(const CHelpList& help, const BYTE* working, int control, HWND owner);

/// The model's help parameters, built from the profile and the working
/// device mode on first use and kept for the module's life; the names
/// escaped for the script file or for the help address after "#".
const std::u16string& HelpParametersFor(const BYTE* working,
                                        HelpNameEscape escape = HelpNameEscape::Script);
/// Forgets them and the HTML help entry (a new module life, tests).
void ForgetHelpState();

/// Whether a topic names a page of the compiled help (".htm" or ".html",
/// any case).
bool IsHtmlTopic(std::u16string_view topic);

/// The one line of the help-parameters script, in the system's 8-bit code
/// page, without a terminating zero.
std::string HelpParametersScript(std::u16string_view parameters);

} // namespace kx
