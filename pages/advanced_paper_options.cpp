// The advanced paper options sheet.
#include "pages/advanced_paper_options.h"

#include "devmode/devmode_record.h"
#include "framework/kromaui_app.h"
#include "framework/kx_sheet.h"
#include "pages/first_last_page_dlg.h"
#include "pages/front_back_cover_dlg.h"
#include "pages/front_back_cover_ex_dlg.h"
#include "pages/paper_rules.h"
#include "pages/transparency_sep_dlg.h"

#include <cstring>
#include <optional>

namespace kx {
namespace {

constexpr size_t kCaptionCapacity = 512;

} // namespace

std::u16string AdvancedPaperOptionsCaption() {
    TextStore& strings = TheApp().stringFile;
    const std::u16string saved = strings.section();
    strings.SelectSection(u"Advanced Paper Options Dialog");
    std::u16string caption =
        strings.ReadText(u"Caption", kCaptionCapacity, u"Advanced Paper Options");
    strings.SelectSection(saved);
    return caption;
}

bool RunAdvancedPaperOptions(const OpenerCopies& opener) {
    if (opener.working == nullptr)
        return false;
    const PaperTabs tabs = AdvancedPaperTabs(TheApp().profile);
    if (!tabs.Any())
        return false;
    const DevmodeBuffer copy = AllocateDevmode();
    const DevmodeBuffer start = AllocateDevmode();
    if (!copy || !start)
        return false;
    std::memcpy(copy.get(), opener.working, kDevmodeSize);
    std::memcpy(start.get(), opener.working, kDevmodeSize);
    RegisterPaperOptionTemplates();

    CKxSheet sheet(AdvancedPaperOptionsCaption(), opener.parent);
    std::optional<CFirstLastPageDlg> page;
    std::optional<CFrontBackCoverDlg> cover;
    std::optional<CFrontBackCoverExDlg> coverEx;
    std::optional<CTransparencySepDlg> transparency;
    if (tabs.page) {
        page.emplace(copy.get(), opener.defaults, start.get(), opener.sheetFlags);
        sheet.AddPage(&*page);
    }
    if (tabs.cover == CoverTab::OneOrTwoKinds) {
        cover.emplace(copy.get(), opener.defaults, start.get(), opener.sheetFlags);
        sheet.AddPage(&*cover);
    } else if (tabs.cover == CoverTab::ThreeKinds) {
        coverEx.emplace(copy.get(), opener.defaults, start.get(), opener.sheetFlags);
        sheet.AddPage(&*coverEx);
    }
    if (tabs.transparency) {
        transparency.emplace(copy.get(), opener.defaults, start.get(), opener.sheetFlags);
        sheet.AddPage(&*transparency);
    }
    if (sheet.DoModal() <= 0)
        return false;
    std::memcpy(opener.working, copy.get(), kDevmodeSize);
    return true;
}

} // namespace kx
