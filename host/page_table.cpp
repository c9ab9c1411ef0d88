// Page names, classes and dialog templates by page index.
#include "host/page_table.h"

#include "framework/page_templates.h"
#include "host/host_records.h"
#include "pages/graphic2_dlg.h"
#include "pages/graphic3_dlg.h"
#include "pages/graphic_dlg.h"
#include "pages/layout2_dlg.h"
#include "pages/layout_dlg.h"
#include "pages/paper2_dlg.h"
#include "pages/paper_dlg.h"
#include "store/deco_dlg.h"
#include "store/overlay_dlg.h"
#include "store/watermark_dlg.h"
#include "utilities/about_variants.h"
#include "utilities/merrow_dlg.h"
#include "utilities/tovaris_dlg.h"
#include "utilities/trouble_dlg.h"
#include <array>

#include <new>

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

std::unique_ptr<CKxDialog> CreatePage(int index, const ModelProfile& profile) {
    const auto choice = ChoosePage(index, profile);
    if (!choice)
        return nullptr;
    if (choice->className == "CGraphicDlg")
        return std::unique_ptr<CKxDialog>(
            new (std::nothrow) CGraphicDlg(choice->templateId, choice->pageName, index));
    if (choice->className == "CGraphic2Dlg")
        return std::unique_ptr<CKxDialog>(
            new (std::nothrow) CGraphic2Dlg(choice->templateId, choice->pageName, index));
    if (choice->className == "CGraphic3Dlg")
        return std::unique_ptr<CKxDialog>(
            new (std::nothrow) CGraphic3Dlg(choice->templateId, choice->pageName, index));
    if (choice->className == "CWatermarkDlg")
        return std::unique_ptr<CKxDialog>(
            new (std::nothrow) CWatermarkDlg(choice->templateId, choice->pageName, index));
    if (choice->className == "COverlayDlg")
        return std::unique_ptr<CKxDialog>(
            new (std::nothrow) COverlayDlg(choice->templateId, choice->pageName, index));
    if (choice->className == "CDecoDlg")
        return std::unique_ptr<CKxDialog>(
            new (std::nothrow) CDecoDlg(choice->templateId, choice->pageName, index));
    if (choice->className == "CDeco2Dlg")
        return std::unique_ptr<CKxDialog>(
            new (std::nothrow) CDeco2Dlg(choice->templateId, choice->pageName, index));
    if (choice->className == "CPaperDlg")
        return std::unique_ptr<CKxDialog>(
            new (std::nothrow) CPaperDlg(choice->templateId, choice->pageName, index));
    if (choice->className == "CPaper2Dlg")
        return std::unique_ptr<CKxDialog>(
            new (std::nothrow) CPaper2Dlg(choice->templateId, choice->pageName, index));
    if (choice->className == "CLayoutDlg")
        return std::unique_ptr<CKxDialog>(
            new (std::nothrow) CLayoutDlg(choice->templateId, choice->pageName, index));
    if (choice->className == "CLayout2Dlg")
        return std::unique_ptr<CKxDialog>(
            new (std::nothrow) CLayout2Dlg(choice->templateId, choice->pageName, index));
    if (choice->className == "CTroubleDlg")
        return std::unique_ptr<CKxDialog>(
            new (std::nothrow) CTroubleDlg(choice->templateId, choice->pageName, index));
    // The About variants.
    if (choice->className == "CTovarisDlg")
        return std::unique_ptr<CKxDialog>(
            new (std::nothrow) CTovarisDlg(choice->templateId, choice->pageName, index));
    if (choice->className == "CTovaris2Dlg")
        return std::unique_ptr<CKxDialog>(
            new (std::nothrow) CTovaris2Dlg(choice->templateId, choice->pageName, index));
    if (choice->className == "CHarvoDlg")
        return std::unique_ptr<CKxDialog>(
            new (std::nothrow) CHarvoDlg(choice->templateId, choice->pageName, index));
    if (choice->className == "CMerrowDlg")
        return std::unique_ptr<CKxDialog>(
            new (std::nothrow) CMerrowDlg(choice->templateId, choice->pageName, index));
    if (choice->className == "CTessanDlg")
        return std::unique_ptr<CKxDialog>(
            new (std::nothrow) CTessanDlg(choice->templateId, choice->pageName, index));
    if (choice->className == "COemDlg")
        return std::unique_ptr<CKxDialog>(new (std::nothrow)
                                              COemDlg(choice->templateId, choice->pageName, index));
    if (choice->className == "CMerrow2Dlg")
        return std::unique_ptr<CKxDialog>(
            new (std::nothrow) CMerrow2Dlg(choice->templateId, choice->pageName, index));
    if (choice->className == "CPellanDlg")
        return std::unique_ptr<CKxDialog>(
            new (std::nothrow) CPellanDlg(choice->templateId, choice->pageName, index));
    return std::unique_ptr<CKxDialog>(new (std::nothrow)
                                          CKxDialog(choice->templateId, choice->pageName, index));
}

} // namespace kx
