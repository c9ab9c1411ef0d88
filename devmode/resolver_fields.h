// The device-mode fields the resolver's steps read and repair, named
// without their type prefixes.
#pragma once

#include "devmode/devmode_field_table.h"

namespace kx::resolver_fields {

inline constexpr const DevmodeField& kPaperSize = FieldNamed("dmPaperSize");
inline constexpr const DevmodeField& kDefaultSource = FieldNamed("dmDefaultSource");
inline constexpr const DevmodeField& kPaperType = FieldNamed("iPaperType");
inline constexpr const DevmodeField& kFirstPaperType = FieldNamed("sFirstPaperType");
inline constexpr const DevmodeField& kLastPaperType = FieldNamed("sLastPaperType");
inline constexpr const DevmodeField& kCoverSource = FieldNamed("wCoverSource");
inline constexpr const DevmodeField& kLastPaperSource = FieldNamed("sLastPaperSource");
inline constexpr const DevmodeField& kER = FieldNamed("iER");
inline constexpr const DevmodeField& kFitPage = FieldNamed("iFitPage");
inline constexpr const DevmodeField& kPoster = FieldNamed("iPoster");
inline constexpr const DevmodeField& kVirtualPrint = FieldNamed("iVirtualPrint");
inline constexpr const DevmodeField& kOhp = FieldNamed("iOhp");
inline constexpr const DevmodeField& kOhpSpTray = FieldNamed("iOhpSpTray");
inline constexpr const DevmodeField& kBooklet = FieldNamed("iBooklet");
inline constexpr const DevmodeField& kJobRetention = FieldNamed("iJobRetention");
inline constexpr const DevmodeField& kPrinterMemory = FieldNamed("sPrinterMemory");
inline constexpr const DevmodeField& kInHard = FieldNamed("iInHard");
inline constexpr const DevmodeField& kStaple = FieldNamed("iStaple");
inline constexpr const DevmodeField& kOffset = FieldNamed("bOffset");
inline constexpr const DevmodeField& kOptFinisher = FieldNamed("iOptFinisher");
inline constexpr const DevmodeField& kOverlayLoadCreate = FieldNamed("ovrLoadCreate");
inline constexpr const DevmodeField& kOverlayFileName = FieldNamed("ovrFileName");
inline constexpr const DevmodeField& kDrvLang = FieldNamed("sDrvLang");
inline constexpr const DevmodeField& kDrvTonerSave = FieldNamed("jDrvTonerSave");
inline constexpr const DevmodeField& kBrightness = FieldNamed("iBrightness");
inline constexpr const DevmodeField& kGrayMode = FieldNamed("iGrayMode");
inline constexpr const DevmodeField& kSaturation = FieldNamed("iSaturation");
inline constexpr const DevmodeField& kCyan = FieldNamed("iCyan");
inline constexpr const DevmodeField& kMagenta = FieldNamed("iMagenta");
inline constexpr const DevmodeField& kYellow = FieldNamed("iYellow");
inline constexpr const DevmodeField& kRed = FieldNamed("iRed");
inline constexpr const DevmodeField& kGreen = FieldNamed("iGreen");
inline constexpr const DevmodeField& kBlue = FieldNamed("iBlue");
inline constexpr const DevmodeField& kOptMailBox = FieldNamed("bOptMailBox");
inline constexpr const DevmodeField& kOptionalOutBin = FieldNamed("iOptionalOutBin");
inline constexpr const DevmodeField& kMultiBinMode = FieldNamed("bMultiBinMode");
inline constexpr const DevmodeField& kOutBin = FieldNamed("iOutBin");
inline constexpr const DevmodeField& kPrintOrder = FieldNamed("wPrintOrder");
inline constexpr const DevmodeField& kAllTextBlack = FieldNamed("iAllTextBlack");
inline constexpr const DevmodeField& kOptTray = FieldNamed("iOptTray");
inline constexpr const DevmodeField& kEvlSupply = FieldNamed("iEvlSupply");

} // namespace kx::resolver_fields
