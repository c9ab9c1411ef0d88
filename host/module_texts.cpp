// The current module texts.
#include "host/module_texts.h"

namespace kx {
namespace {

class NoTexts : public ModuleTexts {
public:
    std::optional<std::u16string> Read(TextFile, std::u16string_view, std::u16string_view, size_t,
                                       std::optional<std::u16string_view>) override {
        return std::nullopt;
    }
};

ModuleTexts* g_installed = nullptr;

} // namespace

ModuleTexts& CurrentModuleTexts() {
    static NoTexts none;
    return g_installed != nullptr ? *g_installed : none;
}

void InstallModuleTexts(ModuleTexts* texts) {
    g_installed = texts;
}

} // namespace kx
