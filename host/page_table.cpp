// Page names, classes and dialog templates by page index.
#include "host/page_table.h"

#include "framework/page_templates.h"
#include "host/host_records.h"
#include "pages/basics_dlg.h"
#include "pages/extras_dlg.h"
#include "pages/graphic2_dlg.h"
#include "pages/graphic3_dlg.h"
#include "pages/graphic_dlg.h"
#include "pages/layout2_dlg.h"
#include "pages/layout_dlg.h"
#include "pages/main_dlg.h"
#include "pages/output2_dlg.h"
#include "pages/paper2_dlg.h"
#include "pages/paper_dlg.h"
#include "store/deco_dlg.h"
#include "store/overlay_dlg.h"
#include "store/watermark_dlg.h"
#include "utilities/about_variants.h"
#include "utilities/merrow_dlg.h"
#include "utilities/printer_dlg.h"
#include "utilities/tovaris_dlg.h"
#include "utilities/trouble_dlg.h"

#include <array>
#include <new>
#include <string_view>

namespace kx {
namespace {

/// The profile condition that picks a row's first class.
enum class Condition : uint8_t { None, LayoutMore, ExtrasSimple, LargeScale, ColorSettings };

struct PageClass {
    std::string_view name;
    int dialogTemplate;  ///< 0: the class's own template
    int previewTemplate; ///< template when the model adds a printer preview
};

struct PageRow {
    std::u16string_view pageName; ///< empty: the index makes no page
    Condition condition;
    PageClass whenMet;
    PageClass otherwise;
};

constexpr PageClass Plain(std::string_view name) {
    return {name, 0, 0};
}

// The About variants take a larger dialog at this vertical scale and above.
constexpr int kLargeScaleY = 110;

constexpr std::array<PageRow, kPageSlotCount> kPageTable = {{
    {u"Layout", Condition::LayoutMore, Plain("CLayout2Dlg"), Plain("CLayoutDlg")},
    {u"Paper", Condition::LayoutMore, Plain("CPaper2Dlg"), Plain("CPaperDlg")},
    {u"Graphics", Condition::None, Plain("CGraphicDlg"), Plain("CGraphicDlg")},
    {u"Extras", Condition::ExtrasSimple, Plain("CExtras2Dlg"), Plain("CExtrasDlg")},
    {u"Printer", Condition::None, Plain("CPrinterDlg"), Plain("CPrinterDlg")},
    {u"About", Condition::LargeScale, Plain("CTovaris2Dlg"), {"CTovarisDlg", 3014, 3059}},
    {u"Watermark", Condition::None, Plain("CWatermarkDlg"), Plain("CWatermarkDlg")},
    {u"Overlay", Condition::None, Plain("COverlayDlg"), Plain("COverlayDlg")},
    {u"About", Condition::None, {"CHarvoDlg", 3069, 3070}, {"CHarvoDlg", 3069, 3070}},
    {u"", Condition::None, {}, {}},
    {u"About", Condition::None, Plain("CMerrowDlg"), Plain("CMerrowDlg")},
    {u"About", Condition::None, Plain("CTessanDlg"), Plain("CTessanDlg")},
    {u"Troubleshooting", Condition::None, Plain("CTroubleDlg"), Plain("CTroubleDlg")},
    {u"About", Condition::None, Plain("COemDlg"), Plain("COemDlg")},
    {u"About", Condition::None, Plain("CMerrow2Dlg"), Plain("CMerrow2Dlg")},
    {u"About", Condition::None, Plain("CPellanDlg"), Plain("CPellanDlg")},
    {u"Basics", Condition::None, Plain("CBasicsDlg"), Plain("CBasicsDlg")},
    {u"Output", Condition::None, Plain("COutput2Dlg"), Plain("COutput2Dlg")},
    {u"Graphics", Condition::ColorSettings, Plain("CGraphic2Dlg"), Plain("CGraphic3Dlg")},
    {u"Deco", Condition::LargeScale, Plain("CDeco2Dlg"), {"CDecoDlg", 3030, 3030}},
    {u"Printer", Condition::LargeScale, Plain("CPrinter3Dlg"), {"CPrinter2Dlg", 3036, 3036}},
    {u"Main", Condition::None, Plain("CMainDlg"), Plain("CMainDlg")},
}};

bool IsMet(Condition condition, const ModelProfile& profile) {
    switch (condition) {
    case Condition::None:
        return true;
    case Condition::LayoutMore:
        return profile.LayoutMore != 0;
    case Condition::ExtrasSimple:
        return profile.ExtrasSimple != 0;
    case Condition::LargeScale:
        return profile.CPSUI_Scale_Y >= kLargeScaleY;
    case Condition::ColorSettings:
        return profile.GraphicsColorSettings != 0;
    }
    return false;
}

} // namespace

std::optional<PageChoice> ChoosePage(int index, const ModelProfile& profile) {
    if (index < 0 || index >= kPageSlotCount)
        return std::nullopt;
    const PageRow& row = kPageTable[static_cast<size_t>(index)];
    if (row.pageName.empty())
        return std::nullopt;
    const PageClass& chosen = IsMet(row.condition, profile) ? row.whenMet : row.otherwise;
    UINT templateId = static_cast<UINT>(
        profile.AdditionalPrinterPreview != 0 ? chosen.previewTemplate : chosen.dialogTemplate);
    if (templateId == 0) {
        const PageTemplateRow* own = PageTemplateOf(chosen.name);
        templateId = own != nullptr ? own->templateId : 0;
    }
    return PageChoice{row.pageName, chosen.name, templateId};
}

namespace {

using PageMaker = std::unique_ptr<CKxDialog> (*)(const PageChoice& choice, int index);

template <class Page>
std::unique_ptr<CKxDialog> MakePage(const PageChoice& choice, int index) {
    return std::unique_ptr<CKxDialog>(new (std::nothrow)
                                          Page(choice.templateId, choice.pageName, index));
}

struct PageClassMaker {
    std::string_view className;
    PageMaker make;
};

// The page classes built so far; an index whose class is not here shows the
// framework's plain page.
constexpr PageClassMaker kPageMakers[] = {
    {"CGraphicDlg", MakePage<CGraphicDlg>},   {"CGraphic2Dlg", MakePage<CGraphic2Dlg>},
    {"CGraphic3Dlg", MakePage<CGraphic3Dlg>}, {"CWatermarkDlg", MakePage<CWatermarkDlg>},
    {"COverlayDlg", MakePage<COverlayDlg>},   {"CDecoDlg", MakePage<CDecoDlg>},
    {"CDeco2Dlg", MakePage<CDeco2Dlg>},       {"CPaperDlg", MakePage<CPaperDlg>},
    {"CPaper2Dlg", MakePage<CPaper2Dlg>},     {"CLayoutDlg", MakePage<CLayoutDlg>},
    {"CLayout2Dlg", MakePage<CLayout2Dlg>},   {"CExtrasDlg", MakePage<CExtrasDlg>},
    {"CExtras2Dlg", MakePage<CExtras2Dlg>},   {"COutput2Dlg", MakePage<COutput2Dlg>},
    {"CTroubleDlg", MakePage<CTroubleDlg>},   {"CBasicsDlg", MakePage<CBasicsDlg>},
    {"CMainDlg", MakePage<CMainDlg>},         {"CPrinterDlg", MakePage<CPrinterDlg>},
    {"CPrinter2Dlg", MakePage<CPrinter2Dlg>}, {"CPrinter3Dlg", MakePage<CPrinter3Dlg>},
    {"CTovarisDlg", MakePage<CTovarisDlg>},   {"CTovaris2Dlg", MakePage<CTovaris2Dlg>},
    {"CHarvoDlg", MakePage<CHarvoDlg>},       {"CMerrowDlg", MakePage<CMerrowDlg>},
    {"CTessanDlg", MakePage<CTessanDlg>},     {"COemDlg", MakePage<COemDlg>},
    {"CMerrow2Dlg", MakePage<CMerrow2Dlg>},   {"CPellanDlg", MakePage<CPellanDlg>},
};

} // namespace

std::unique_ptr<CKxDialog> CreatePage(int index, const ModelProfile& profile) {
    const auto choice = ChoosePage(index, profile);
    if (!choice)
        return nullptr;
    for (const PageClassMaker& maker : kPageMakers) {
        if (choice->className == maker.className)
            return maker.make(*choice, index);
    }
    return MakePage<CKxDialog>(*choice, index);
}

} // namespace kx
