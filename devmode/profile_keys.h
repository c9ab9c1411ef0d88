// The keys of the model profile's base and language passes, in reading
// order: kind, member, key text and base-pass default. This one list makes
// both the profile's members and the table that drives the reading.
#pragma once

#include <cstdint>

namespace kx {

/// The default that means "no default": an absent key keeps the member.
constexpr int32_t kProfileNoDefault = 0x12345678;
/// The default of GraphicsRaster: 1 when GraphicsColorMode is set, else 0.
constexpr int32_t kProfileRasterDefault = 0x12345679;

// X(kind, member, "key", default); kind is NUMBER or LIST (lists default to
// the empty list in the base pass, their default column is unused).
#define KX_PROFILE_KEYS(X)                                                                         \
    X(NUMBER, ShowDevmodeChanges, "ShowDevmodeChanges", kProfileNoDefault)                         \
    X(NUMBER, ConstraintsTTx, "ConstraintsTTx", 0)                                                 \
    X(NUMBER, ConstraintsTTy, "ConstraintsTTy", 100)                                               \
    X(NUMBER, ConstraintsTTt, "ConstraintsTTt", 5000)                                              \
    X(NUMBER, JobSettingKoreanSupport, "JobSettingKoreanSupport", 0)                               \
    X(NUMBER, JobAccountingKoreanSupport, "JobAccountingKoreanSupport", 0)                         \
    X(NUMBER, JobSettingAllLanguageSupport, "JobSettingAllLanguageSupport", 0)                     \
    X(NUMBER, JobAccountingAllLanguageSupport, "JobAccountingAllLanguageSupport", 0)               \
    X(NUMBER, JobAccountingPasswordEncryption, "JobAccountingPasswordEncryption", 0)               \
    X(NUMBER, LayoutRotate, "LayoutRotate", 0)                                                     \
    X(NUMBER, LayoutTypeNone, "LayoutTypeNone", 0)                                                 \
    X(NUMBER, LayoutBooklet, "LayoutBooklet", 0)                                                   \
    X(NUMBER, LayoutDoubleSided, "LayoutDoubleSided", 0)                                           \
    X(NUMBER, LayoutDoublePrinter, "LayoutDoublePrinter", 0)                                       \
    X(NUMBER, LayoutVirtual, "LayoutVirtual", 0)                                                   \
    X(NUMBER, LayoutVirtualOrder, "LayoutVirtualOrder", 0)                                         \
    X(NUMBER, LayoutMultiple, "LayoutMultiple", 0)                                                 \
    X(NUMBER, LayoutMultipleOrder, "LayoutMultipleOrder", 0)                                       \
    X(NUMBER, LayoutPoster, "LayoutPoster", 0)                                                     \
    X(NUMBER, LayoutPoster6x6, "LayoutPoster6x6", 0)                                               \
    X(NUMBER, LayoutPosterCustom, "LayoutPosterCustom", 0)                                         \
    X(NUMBER, LayoutMore, "LayoutMore", 0)                                                         \
    X(NUMBER, HideAboutBtn, "HideAboutBtn", 0)                                                     \
    X(NUMBER, LayoutDoubleManual, "LayoutDoubleManual", 0)                                         \
    X(NUMBER, LayoutDoubleReverse, "LayoutDoubleReverse", 0)                                       \
    X(NUMBER, LayoutFitToPage, "LayoutFitToPage", 0)                                               \
    X(NUMBER, LayoutMirror, "LayoutMirror", 0)                                                     \
    X(NUMBER, GraphicsDraftRes, "GraphicsDraftRes", 0)                                             \
    X(NUMBER, GraphicsDarkness, "GraphicsDarkness", 0)                                             \
    X(NUMBER, GraphicsDarkenText, "GraphicsDarkenText", 0)                                         \
    X(NUMBER, Graphics1200Res, "Graphics1200Res", 0)                                               \
    X(NUMBER, Graphics600Res, "Graphics600Res", 1)                                                 \
    X(NUMBER, Graphics300Res, "Graphics300Res", 0)                                                 \
    X(NUMBER, GraphicsTrueType, "GraphicsTrueType", 1)                                             \
    X(NUMBER, GraphicsTrueTypeOutline, "GraphicsTrueTypeOutline", 1)                               \
    X(NUMBER, GraphicsTonerMode, "GraphicsTonerMode", 1)                                           \
    X(NUMBER, GraphicsTonerPrinter, "GraphicsTonerPrinter", 1)                                     \
    X(NUMBER, GraphicsImageModePrinter, "GraphicsImageModePrinter", 0x1080C00)                     \
    X(NUMBER, GraphicsImageModeNormal, "GraphicsImageModeNormal", 0x1080C00)                       \
    X(NUMBER, GraphicsImageModeText, "GraphicsImageModeText", 0x1080800)                           \
    X(NUMBER, GraphicsImageModeImage, "GraphicsImageModeImage", 0x1000800)                         \
    X(NUMBER, GraphicsColorMode, "GraphicsColorMode", 0)                                           \
    X(NUMBER, GraphicsColorSettings, "GraphicsColorSettings", 0)                                   \
    X(NUMBER, GraphicsColorMatching, "GraphicsColorMatching", 0)                                   \
    X(NUMBER, GraphicsColorAuto, "GraphicsColorAuto", 1)                                           \
    X(NUMBER, GraphicsTrueTypeAdvanced, "GraphicsTrueTypeAdvanced", 0)                             \
    X(NUMBER, GraphicsTrueTypeDisabled, "GraphicsTrueTypeDisabled", 0)                             \
    X(NUMBER, GraphicsCopiesSetting, "GraphicsCopiesSetting", 0)                                   \
    X(NUMBER, GraphicsGrayscaleEnh, "GraphicsGrayscaleEnh", 0)                                     \
    X(NUMBER, GraphicsResolutionStringAlways, "GraphicsResolutionStringAlways", 1)                 \
    X(NUMBER, GraphicsRGBColor, "GraphicsRGBColor", 1)                                             \
    X(NUMBER, GraphicCorporateColor, "GraphicCorporateColor", 0)                                   \
    X(NUMBER, GraphicsBlackOnly, "GraphicsBlackOnly", 0)                                           \
    X(NUMBER, GraphicsDryTime, "GraphicsDryTime", 0)                                               \
    X(NUMBER, GraphicsOverSpray, "GraphicsOverSpray", 0)                                           \
    X(NUMBER, GraphicsInkVolume, "GraphicsInkVolume", 0)                                           \
    X(NUMBER, GraphicsRegionalTable, "GraphicsRegionalTable", 0)                                   \
    X(LIST, GraphicsResolutionStringIndex, "GraphicsResolutionStringIndex", 0)                     \
    X(NUMBER, GraphicsRaster, "GraphicsRaster", kProfileRasterDefault)                             \
    X(NUMBER, GraphicsDriverTonerSave, "GraphicsDriverTonerSave", 0)                               \
    X(NUMBER, GraphicsDriverTonerSaveStep, "GraphicsDriverTonerSaveStep", 3)                       \
    X(LIST, GraphicsFineEdgeTrapping, "GraphicsFineEdgeTrapping", 0)                               \
    X(NUMBER, GraphicsHighCoverageMode, "GraphicsHighCoverageMode", 0)                             \
    X(KROMA, GraphicsKromaCMS, "GraphicsKromaCMS", 0)                                              \
    X(NUMBER, PaperCollate, "PaperCollate", 0)                                                     \
    X(NUMBER, PaperCopiesMaximumNumber, "PaperCopiesMaximumNumber", 0)                             \
    X(NUMBER, PaperERMaxPercentage, "PaperERMaxPercentage", 0)                                     \
    X(NUMBER, PaperERMinPercentage, "PaperERMinPercentage", 0)                                     \
    X(NUMBER, PaperSeparator, "PaperSeparator", 0)                                                 \
    X(LIST, PaperSeparatorList, "PaperSeparator", 0)                                               \
    X(NUMBER, PaperFirstPage, "PaperFirstPage", 0)                                                 \
    X(NUMBER, PaperLastPage, "PaperLastPage", 0)                                                   \
    X(NUMBER, PaperFirstLastType, "PaperFirstLastType", 0)                                         \
    X(NUMBER, PaperScaleNone, "PaperScaleNone", 0)                                                 \
    X(NUMBER, PaperBannerSheet, "PaperBannerSheet", 0)                                             \
    X(NUMBER, PaperTrayRadio, "PaperTrayRadio", 1)                                                 \
    X(NUMBER, PaperOhpSource, "PaperOhpSource", 1)                                                 \
    X(NUMBER, PaperCoverSource, "PaperCoverSource", 0)                                             \
    X(NUMBER, PaperCoverType, "PaperCoverType", 0)                                                 \
    X(NUMBER, PaperCoverSize, "PaperCoverSize", 0)                                                 \
    X(LIST, PaperFrontCover, "PaperFrontCover", 0)                                                 \
    X(LIST, PaperBackCover, "PaperBackCover", 0)                                                   \
    X(LIST, PaperFrontBackCover, "PaperFrontBackCover", 0)                                         \
    X(NUMBER, PaperScaleMinMargin, "PaperScaleMinMargin", 0)                                       \
    X(NUMBER, PaperFirstPageNoAuto, "PaperFirstPageNoAuto", 0)                                     \
    X(NUMBER, PaperCustomFitToPage, "PaperCustomFitToPage", 0)                                     \
    X(NUMBER, ExtrasPageOrder, "ExtrasPageOrder", 1)                                               \
    X(NUMBER, ExtrasDestination, "ExtrasDestination", 0)                                           \
    X(NUMBER, ExtrasReprintJam, "ExtrasReprintJam", 0)                                             \
    X(NUMBER, ExtrasQuickPrint, "ExtrasQuickPrint", 0)                                             \
    X(NUMBER, ExtrasPrintTime, "ExtrasPrintTime", 0)                                               \
    X(NUMBER, ExtrasPrinterFont, "ExtrasPrinterFont", 0)                                           \
    X(NUMBER, ExtrasPrinterFont2, "ExtrasPrinterFont2", 0)                                         \
    X(NUMBER, ExtrasSaveAsForm, "ExtrasSaveAsForm", 0)                                             \
    X(NUMBER, ExtrasSimple, "ExtrasSimple", 0)                                                     \
    X(NUMBER, ExtrasSecurePrint, "ExtrasSecurePrint", 0)                                           \
    X(NUMBER, ExtrasHideStoreHDD, "ExtrasHideStoreHDD", 0)                                         \
    X(NUMBER, ExtrasMinPassLen, "ExtrasMinPassLen", 1)                                             \
    X(NUMBER, ExtrasMaxPassLen, "ExtrasMaxPassLen", 5)                                             \
    X(LIST, ExtrasJobSettings, "ExtrasJobSettings", 0)                                             \
    X(NUMBER, PrinterOptTray, "PrinterOptTray", 0)                                                 \
    X(NUMBER, PrinterTrayCheck, "PrinterTrayCheck", 0)                                             \
    X(NUMBER, PrinterTray34, "PrinterTray34", 0)                                                   \
    X(NUMBER, PrinterTray23, "PrinterTray23", 0)                                                   \
    X(NUMBER, PrinterTray234, "PrinterTray234", 0)                                                 \
    X(NUMBER, PrinterTray2345, "PrinterTray2345", 0)                                               \
    X(NUMBER, PrinterOptMPTray, "PrinterOptMPTray", 0)                                             \
    X(NUMBER, PrinterOptLCTray, "PrinterOptLCTray", 0)                                             \
    X(NUMBER, PrinterOptLCTray2, "PrinterOptLCTray2", 0)                                           \
    X(NUMBER, PrinterOptLCTray23, "PrinterOptLCTray23", 0)                                         \
    X(NUMBER, PrinterFinisher, "PrinterFinisher", 0)                                               \
    X(NUMBER, PrinterEnvelope, "PrinterEnvelope", 0)                                               \
    X(NUMBER, PrinterDuplex, "PrinterDuplex", 0)                                                   \
    X(NUMBER, PrinterStapler, "PrinterStapler", 0)                                                 \
    X(NUMBER, PrinterStacker, "PrinterStacker", 0)                                                 \
    X(NUMBER, PrinterInstalledHDD, "PrinterInstalledHDD", 0)                                       \
    X(NUMBER, PrinterHDD, "PrinterHDD", 0)                                                         \
    X(NUMBER, PrinterHighAlt, "PrinterHighAlt", 0)                                                 \
    X(NUMBER, PrinterStatusWindow, "PrinterStatusWindow", 0)                                       \
    X(NUMBER, PrinterJobAccounting, "PrinterJobAccounting", 0)                                     \
    X(NUMBER, PrinterJobAccountingAuthSelect, "PrinterJobAccountingAuthSelect", 0)                 \
    X(NUMBER, PrinterMailBox, "PrinterMailBox", 0)                                                 \
    X(LIST, PrinterPowerSave, "PrinterPowerSave", 0)                                               \
    X(LIST, PrinterEmulation, "PrinterEmulation", 0)                                               \
    X(LIST, PrinterMemorySizes, "PrinterMemorySizes", 0)                                           \
    X(LIST, InstalledOverlay, "InstalledOverlay", 0)                                               \
    X(NUMBER, CriticalMemorySize, "CriticalMemorySize", 0)                                         \
    X(NUMBER, EncryptionMode, "EncryptionMode", 0)                                                 \
    X(NUMBER, PrinterOptOutBin, "PrinterOptOutBin", 0)                                             \
    X(NUMBER, MultiBinMode, "MultiBinMode", 0)                                                     \
    X(LIST, JobSettingHDDOn, "JobSettingHDDOn", 0)                                                 \
    X(LIST, JobSettingHDDOff, "JobSettingHDDOff", 0)                                               \
    X(LIST, JobSettingMemoryOn, "JobSettingMemoryOn", 0)                                           \
    X(LIST, JobSettingMemoryOff, "JobSettingMemoryOff", 0)                                         \
    X(LIST, FinisherIndex, "FinisherIndex", 0)                                                     \
    X(LIST, MailBoxIndex, "MailBoxIndex", 0)                                                       \
    X(LIST, OutputBinIndex, "OutputBinIndex", 0)                                                   \
    X(LIST, MultiBinModeIndex, "MultiBinModeIndex", 0)                                             \
    X(LIST, StapleIndex, "StapleIndex", 0)                                                         \
    X(LIST, HighAltIndex, "HighAltIndex", 0)                                                       \
    X(LIST, DoubleSidedMedias, "DoubleSidedMedias", 0)                                             \
    X(LIST, DoubleSidedPapers, "DoubleSidedPapers", 0)                                             \
    X(LIST, DoubleSidedSources, "DoubleSidedSources", 0)                                           \
    X(LIST, RotatePapers, "RotatePapers", 0)                                                       \
    X(LIST, TestPages, "TestPages", 0)                                                             \
    X(LIST, BorderPapers, "BorderPapers", 0)                                                       \
    X(LIST, BorderlessPapers, "BorderlessPapers", 0)                                               \
    X(NUMBER, TroubleScout, "TroubleScout", 1)                                                     \
    X(NUMBER, CheckWaterMarkFile, "CheckWaterMarkFile", 0)                                         \
    X(NUMBER, CheckDecoFile, "CheckDecoFile", 0)                                                   \
    X(NUMBER, VerticalSeparator, "VerticalSeparator", 0)                                           \
    X(NUMBER, UnitsOnPreview, "UnitsOnPreview", 1)                                                 \
    X(NUMBER, ShowConstraints, "ShowConstraints", 0)                                               \
    X(NUMBER, HelpParametersScript, "HelpParametersScript", 0)                                     \
    X(NUMBER, AdditionalPrinterPreview, "AdditionalPrinterPreview", 0)                             \
    X(NUMBER, LeftAlignedJobButton, "LeftAlignedJobButton", 0)

/// The number of Kroma CMS lists ("GraphicsKromaCMS1" ... "GraphicsKromaCMS40").
constexpr int kKromaCmsListCount = 40;

} // namespace kx
