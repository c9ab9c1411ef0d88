// Caption, control texts, tips and help topics of a page.
#include "framework/page_localiser.h"

#include "platform/base/contains.h"
#include "platform/base/format.h"
#include "platform/base/text.h"
#include "platform/controls/control_base.h"
#include "platform/controls/control_constants.h"
#include "platform/window/window_constants.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace kx {
namespace {

constexpr size_t kCaptionCapacity = 512;
constexpr size_t kTextCapacity = 512;
constexpr size_t kClassCapacity = 64;

constexpr std::array<std::u16string_view, 4> kKnownClasses = {u"STATIC", u"BUTTON", u"EDIT",
                                                              u"SysDateTimePick32"};
constexpr std::array<int, 2> kUnitButtons = {1186, 1187};
constexpr std::array<int, 5> kFavouriteControls = {1208, 1046, 1047, 1049, 1048};

std::u16string WindowClassName(HWND window) {
    std::array<WCHAR, kClassCapacity> buffer{};
    const int length = GetClassNameW(window, buffer.data(), static_cast<int>(buffer.size()));
    return std::u16string(buffer.data(), static_cast<size_t>(std::max(length, 0)));
}

bool IsGroupBox(HWND control, std::u16string_view className) {
    return className == u"BUTTON" &&
           (GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

bool KeyedByClass(std::u16string_view className, std::u16string_view text) {
    return text.empty() || className == u"ICON" || className == u"EDIT" ||
           className == u"SysDateTimePick32";
}

std::vector<HWND> ChildControls(HWND page) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(page, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

} // namespace

std::u16string LocalisationClass(HWND control) {
    const std::u16string name = WindowClassName(control);
    for (const std::u16string_view known : kKnownClasses) {
        if (!EqualsNoCase(name, known))
            continue;
        if (known == u"STATIC" && (GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            return u"ICON";
        return std::u16string(known);
    }
    return {};
}

std::u16string KeyFromText(std::u16string_view text) {
    std::u16string key;
    key.reserve(text.size());
    for (const char16_t c : text) {
        if (c != u'&')
            key.push_back(c);
    }
    return key;
}

std::u16string DefaultFromText(std::u16string_view text) {
    const size_t n = text.size();
    const bool digitSuffix = n >= 4 && text[n - 1] == u')' && text[n - 2] >= u'0' &&
                             text[n - 2] <= u'9' && text[n - 3] == u'(' && text[n - 4] != u' ';
    return std::u16string(digitSuffix ? text.substr(0, n - 3) : text);
}

std::u16string KeyFromClass(std::u16string_view className, int id) {
    return FormatText(u"%s:%d", {className.empty() ? std::u16string_view(u"CTRL") : className, id});
}

std::u16string_view ControlSection(int id, std::u16string_view pageSection) {
    if (Contains(kUnitButtons, id))
        return u"Preview";
    if (Contains(kFavouriteControls, id))
        return u"";
    return pageSection;
}

bool PageLocaliser::LocaliseCaption(HWND page, std::u16string_view pageName,
                                    std::u16string_view pageSection) {
    m_strings.SelectSection(pageSection);
    std::u16string caption = m_strings.ReadText(u"Caption", kCaptionCapacity, u"");
    const bool absent = caption.empty();
    if (absent) {
        caption = WindowText(page);
        if (caption.empty())
            caption = std::u16string(pageName);
        m_strings.WriteText(u"Caption", caption);
    }
    SetWindowTextW(page, caption.c_str());
    m_help.Add(std::make_unique<CTopicId>(0, u"Caption topic", absent, m_strings));
    return absent;
}

void PageLocaliser::LocaliseControls(HWND page, std::u16string_view pageSection, bool captionAbsent,
                                     bool readOnly) {
    for (HWND control : ChildControls(page))
        LocaliseControl(control, pageSection, captionAbsent, readOnly);
    m_strings.SelectSection(pageSection);
}

std::u16string PageLocaliser::ControlKey(HWND control, int id) {
    const std::u16string className = LocalisationClass(control);
    const std::u16string text = WindowText(control);
    if (KeyedByClass(className, text))
        return KeyFromClass(className, id);
    const std::u16string key = KeyFromText(text);
    const std::u16string value = m_strings.ReadText(key, kTextCapacity, DefaultFromText(text));
    SetWindowTextW(control, value.c_str());
    return key;
}

void PageLocaliser::LocaliseControl(HWND control, std::u16string_view pageSection,
                                    bool captionAbsent, bool readOnly) {
    const int id = GetDlgCtrlID(control);
    m_strings.SelectSection(ControlSection(id, pageSection));
    const std::u16string key = ControlKey(control, id);
    if (id != -1 && !IsGroupBox(control, LocalisationClass(control))) {
        const std::u16string tipKey = key + u" tooltip";
        const std::optional<std::u16string_view> tipDefault =
            captionAbsent ? std::optional<std::u16string_view>(key) : std::nullopt;
        const std::u16string tip = m_strings.ReadText(tipKey, kTextCapacity, tipDefault);
        if (!tip.empty())
            m_tips.AddControlTip(control, tip);
        m_help.Add(std::make_unique<CTopicId>(id, key + u" topic", captionAbsent, m_strings));
    }
    if (readOnly)
        EnableWindow(control, FALSE);
}

} // namespace kx
