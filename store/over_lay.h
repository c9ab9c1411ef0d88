// COverLay: a reference to an overlay file, kept in one list per printer
// language ("Overlay Data", "SPL Overlay Data", "PCL Overlay Data").
#pragma once

#include "framework/kx_list_controls.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kx {

/// Characters of an overlay path, without the terminator.
constexpr size_t kOverlayPathLimit = 260;

/// The list an overlay belongs to.
enum class OverlayLanguage : int32_t { Generic = 0, Spl = 1, Pcl = 2 };

/// Generic unless the model has printer languages and a device mode is
/// given: then SPL for sDrvLang 0 and PCL for any other value.
OverlayLanguage OverlayLanguageOf(const BYTE* devmode);
/// The store subkey of a language's list.
std::u16string_view OverlayKeyOf(OverlayLanguage language);

class COverLay : public CCustomData {
public:
    /// The placeholder: no path, generic list.
    COverLay() = default;
    /// A path in the list of the device mode's language (generic without one).
    COverLay(std::u16string_view path, const BYTE* devmode);
    /// The overlay the device mode uses.
    static COverLay FromDevmode(const BYTE* devmode);
    /// Overlay `item` of the list of the device mode's language.
    static COverLay Load(int item, const BYTE* devmode);

    /// A path, whose file exists unless no device mode is given or the
    /// device mode is about to create it.
    bool IsValid(const BYTE* devmode) const override;
    bool IsSelectedIn(const BYTE* devmode) const override;
    /// The file name after the last backslash; the no-overlay text for none.
    std::u16string GetName() const override;
    /// The paths differ without regard to case.
    bool IsDifferent(const CCustomData& other) const override;
    void ApplyTo(BYTE* devmode) const override;
    LONG Save(int item) override;
    LONG DeleteAll() const override;
    /// Nothing for 0; else "Overlays Num" of the device mode's language
    /// (the item's own without one).
    LONG SaveCount(int count, const BYTE* devmode) const override;
    int LoadCount(const BYTE* devmode) const override;

    const std::u16string& path() const { return m_path; }
    OverlayLanguage language() const { return m_language; }

private:
    OverlayLanguage m_language = OverlayLanguage::Generic;
    std::u16string m_path;
};

/// The folder the model's installed overlays are in: the local
/// printer-driver folder and the driver version's ("\2\" on a system of
/// major version 4, "\3\" otherwise). Empty when it cannot be had.
std::u16string InstalledOverlayFolder();
/// Copies the model's installed overlays ("InstalledOverlay" of the profile,
/// names from "Overlay Install" of the settings file) into the generic list
/// when it has never held a list ("Overlays Num" absent or empty). True
/// when it did.
bool ImportInstalledOverlays();

/// Deletes the lists of all three languages; the first list's error.
[[nodiscard]] LONG DeleteAllOverlayLists();

} // namespace kx
