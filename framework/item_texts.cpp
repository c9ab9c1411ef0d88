// The stored items' texts from the model's string file.
#include "framework/item_texts.h"

#include "framework/kromaui_app.h"
#include "framework/kx_list_controls.h"
#include "platform/base/text.h"

#include <optional>

namespace kx {
namespace {

constexpr size_t kPrinterDefaultCapacity = 256;

std::optional<std::u16string>& CachedPrinterDefault() {
    static std::optional<std::u16string> text;
    return text;
}

std::u16string& Untitled() {
    static std::u16string text;
    return text;
}

} // namespace

std::u16string CommonText(std::u16string_view key, size_t capacity) {
    TextStore& strings = TheApp().stringFile;
    const std::u16string saved = strings.section();
    strings.SelectSection(u"");
    std::u16string text = strings.ReadText(key, capacity, key);
    strings.SelectSection(saved);
    return text;
}

const std::u16string& PrinterDefaultText() {
    std::optional<std::u16string>& text = CachedPrinterDefault();
    if (!text)
        text = CommonText(u"Printer Default", kPrinterDefaultCapacity);
    return *text;
}

void ForgetPrinterDefaultText() {
    CachedPrinterDefault().reset();
}

const std::u16string& UntitledText() {
    return Untitled();
}

void SetUntitledText(std::u16string text) {
    Untitled() = std::move(text);
}

void ForgetUntitledText() {
    Untitled().clear();
}

bool IsSavableFavouriteName(std::u16string_view name) {
    return IsNonBlank(name) && !EqualsNoCase(name, PrinterDefaultText()) &&
           !EqualsNoCase(name, UntitledText());
}

} // namespace kx
