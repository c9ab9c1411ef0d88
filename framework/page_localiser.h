// Localisation of a page from the model's string file: its caption, and for
// every control its text, its tip and its help topic, each looked up by a
// key made from the control's text or from its class and identifier.
#pragma once

#include "framework/help_list.h"
#include "framework/text_store.h"
#include "framework/tool_wnd.h"

#include <string>
#include <string_view>

namespace kx {

/// The class a control is localised as: "STATIC", "BUTTON", "EDIT",
/// "SysDateTimePick32", "ICON" for an icon static, or empty for any other.
std::u16string LocalisationClass(HWND control);

/// The key of a control with text: the text without any "&".
std::u16string KeyFromText(std::u16string_view text);
/// The default text of a control: its text with a trailing "(d)" (one digit
/// directly after a non-blank character) cut off, which tells apart
/// controls that share a text but not a translation.
std::u16string DefaultFromText(std::u16string_view text);
/// "CLASS:id", or "CTRL:id" for a control of no known class.
std::u16string KeyFromClass(std::u16string_view className, int id);

/// The string-file section of a control: "Preview" for the unit buttons,
/// the default section for the favourites controls, else the page's own.
std::u16string_view ControlSection(int id, std::u16string_view pageSection);

class PageLocaliser {
public:
    PageLocaliser(TextStore& strings, CToolWnd& tips, CHelpList& help)
        : m_strings(strings), m_tips(tips), m_help(help) {}

    /// Sets the page's caption from "Caption" of its section, or from its
    /// own window text or page name (written back in diagnostic mode), and
    /// adds the page's own topic. Returns whether "Caption" was absent.
    bool LocaliseCaption(HWND page, std::u16string_view pageName, std::u16string_view pageSection);

    /// Localises every child control of the page; with readOnly each is
    /// disabled afterwards.
    void LocaliseControls(HWND page, std::u16string_view pageSection, bool captionAbsent,
                          bool readOnly);

    void LocaliseControl(HWND control, std::u16string_view pageSection, bool captionAbsent,
                         bool readOnly);

private:
    std::u16string ControlKey(HWND control, int id);

    TextStore& m_strings;
    CToolWnd& m_tips;
    CHelpList& m_help;
};

} // namespace kx
