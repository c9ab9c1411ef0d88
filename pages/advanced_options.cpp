// The Graphics page's advanced options.
#include "pages/advanced_options.h"

#include "devmode/devmode_record.h"
#include "framework/kromaui_app.h"
#include "framework/kx_sheet.h"
#include "pages/adv_ink_dlg.h"
#include "pages/advanced_dlg.h"
#include "pages/advanced_templates.h"
#include "pages/kroma_cms_dlg.h"
#include "platform/window/window_constants.h"

#include <cstring>
#include <memory>
#include <optional>

namespace kx {
namespace {

constexpr size_t kCaptionCapacity = 512;

bool SheetChanged(const BYTE* start, const BYTE* edited) {
    return std::memcmp(start, edited, kDevmodeSize) != 0;
}

} // namespace

std::u16string AdvancedOptionsCaption() {
    TextStore& strings = TheApp().stringFile;
    const std::u16string saved = strings.section();
    strings.SelectSection(u"Advanced Options Dialog");
    std::u16string caption = strings.ReadText(u"Caption", kCaptionCapacity, u"Advanced Options");
    strings.SelectSection(saved);
    return caption;
}

bool RunAdvancedOptions(const OpenerCopies& opener, const GraphicRowPlan& plan) {
    if (opener.working == nullptr)
        return false;
    const DevmodeBuffer copy = AllocateDevmode();
    const DevmodeBuffer start = AllocateDevmode();
    if (!copy || !start)
        return false;
    std::memcpy(copy.get(), opener.working, kDevmodeSize);
    std::memcpy(start.get(), opener.working, kDevmodeSize);
    RegisterAdvancedTemplates();

    bool ended = false;
    if (!plan.kromaOptions && !plan.inkOptions) {
        OpenerCopies onCopy = opener;
        onCopy.working = copy.get();
        CAdvancedDlg dialog(onCopy, plan);
        ended = dialog.DoModal() == IDOK;
    } else {
        CKxSheet sheet(AdvancedOptionsCaption(), opener.parent);
        std::optional<CAdvancedPageDlg> advanced;
        std::optional<CKromaCmsDlg> kroma;
        std::optional<CAdvInkDlg> ink;
        if (plan.AnyOnAdvanced()) {
            advanced.emplace(copy.get(), opener.defaults, start.get(), opener.sheetFlags, plan);
            sheet.AddPage(&*advanced);
        }
        if (plan.kromaOptions) {
            kroma.emplace(copy.get(), opener.defaults, start.get(), opener.sheetFlags);
            sheet.AddPage(&*kroma);
        }
        if (plan.inkOptions) {
            ink.emplace(copy.get(), opener.defaults, start.get(), opener.sheetFlags);
            sheet.AddPage(&*ink);
        }
        ended = sheet.DoModal() > 0;
    }
    if (!ended || !SheetChanged(start.get(), copy.get()))
        return false;
    std::memcpy(opener.working, copy.get(), kDevmodeSize);
    return true;
}

} // namespace kx
