// Dialog-script lines from control rows.
#include "framework/template_controls.h"

#include "platform/base/format.h"

#include <array>

namespace kx {
namespace {

constexpr std::array<std::u16string_view, 3> kTextlessKeywords = {u"EDITTEXT", u"COMBOBOX",
                                                                  u"LISTBOX"};

bool CarriesText(std::u16string_view keyword) {
    for (const std::u16string_view textless : kTextlessKeywords) {
        if (keyword == textless)
            return false;
    }
    return true;
}

std::u16string Quoted(std::u16string_view text) {
    std::u16string quoted = u"\"";
    for (const char16_t c : text) {
        quoted += c;
        if (c == u'"')
            quoted += c;
    }
    return quoted + u"\"";
}

std::u16string Rectangle(const TemplateControl& control) {
    return FormatText(u"%d, %d, %d, %d", {control.x, control.y, control.width, control.height});
}

std::u16string ControlLine(const TemplateControl& control) {
    std::u16string line = u"    ";
    line += control.keyword;
    line += u' ';
    if (control.keyword == u"CONTROL") {
        line += Quoted(control.text) + FormatText(u", %d, ", {control.id}) +
                Quoted(control.windowClass) + u", ";
        line += control.style.empty() ? std::u16string(u"0") : std::u16string(control.style);
        return line + u", " + Rectangle(control) + u"\n";
    }
    if (CarriesText(control.keyword))
        line += Quoted(control.text) + u", ";
    line += FormatText(u"%d, ", {control.id}) + Rectangle(control);
    if (!control.style.empty()) {
        line += u", ";
        line += control.style;
    }
    return line + u"\n";
}

} // namespace

std::u16string TemplateControlsScript(std::span<const TemplateControl> controls) {
    std::u16string script;
    for (const TemplateControl& control : controls)
        script += ControlLine(control);
    return script;
}

} // namespace kx
