// Where the per-user store keeps its items: the key path, the item subkeys,
// the value names and how many bytes a read of each text takes.
#pragma once

#include "platform/base/win_types.h"

#include <array>
#include <string>
#include <string_view>

namespace kx {

/// A text value: its base name and the read limit in bytes, terminator
/// included. A stored text longer than the limit reads as empty.
struct TextValue {
    std::u16string_view name;
    DWORD readLimit;
};

/// The store key is kStoreKeyRoot + module key name + kStoreKeyLeaf.
inline constexpr std::u16string_view kStoreKeyRoot = u"SOFTWARE\\Velmora\\";
inline constexpr std::u16string_view kStoreKeyLeaf = u"\\TSF";

/// Numbers are stored as "%d" texts and read through a buffer of this size.
inline constexpr DWORD kNumberReadLimit = 512;

// Values of the store key itself.
inline constexpr std::u16string_view kDefaultDevmodeValue = u"Default DevMode";
inline constexpr TextValue kOverlaysDirValue{u"Overlays Dir", 260};

// Custom papers.
inline constexpr std::u16string_view kCustomPaperKey = u"Custom Paper Data";
inline constexpr std::u16string_view kPaperCountValue = u"CPNum";
inline constexpr TextValue kPaperNameValue{u"Nm", 66};
inline constexpr std::u16string_view kPaperWidthValue = u"Wd";
inline constexpr std::u16string_view kPaperHeightValue = u"Hg";
inline constexpr std::u16string_view kPaperInchValue = u"In";

// Watermarks.
inline constexpr std::u16string_view kWatermarkKey = u"Watermark Data";
inline constexpr std::u16string_view kWatermarkCountValue = u"WMNum";
inline constexpr TextValue kWatermarkTextValue{u"Tx", 1026};
inline constexpr TextValue kWatermarkFaceValue{u"Face", 66};
inline constexpr std::u16string_view kWatermarkAngleValue = u"Ang";
inline constexpr std::u16string_view kWatermarkSizeValue = u"Sz";
inline constexpr std::u16string_view kWatermarkColorValue = u"Clr";
inline constexpr std::u16string_view kWatermarkWeightValue = u"Wg";
inline constexpr std::u16string_view kWatermarkCharSetValue = u"CSet";
inline constexpr std::u16string_view kWatermarkItalicValue = u"It";
inline constexpr std::u16string_view kWatermarkFirstPageValue = u"FPg";

// Overlays: one list per printer language.
inline constexpr std::u16string_view kOverlayKey = u"Overlay Data";
inline constexpr std::u16string_view kSplOverlayKey = u"SPL Overlay Data";
inline constexpr std::u16string_view kPclOverlayKey = u"PCL Overlay Data";
inline constexpr std::u16string_view kOverlayCountValue = u"Overlays Num";
inline constexpr TextValue kOverlayPathValue{u"Overlay", 522};

// Favourites.
inline constexpr std::u16string_view kFavouriteKey = u"Device Modes";
inline constexpr std::u16string_view kFavouriteCountValue = u"DMNum";
inline constexpr std::u16string_view kFavouriteDevmodeValue = u"CDM";
inline constexpr TextValue kFavouriteNameValue{u"CDMName", 256};

/// The item subkeys in the order removing a driver's items deletes them.
inline constexpr std::array<std::u16string_view, 6> kItemKinds{
    kCustomPaperKey, kWatermarkKey, kOverlayKey, kSplOverlayKey, kPclOverlayKey, kFavouriteKey};

/// "SOFTWARE\Velmora\<module key name>\TSF", and "\<subkey>" when one is given.
std::u16string StoreKeyPath(std::u16string_view moduleKeyName, std::u16string_view subkey);

} // namespace kx
