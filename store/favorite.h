// CFavorite: a named snapshot of the whole device mode, stored under
// "Device Modes" and cached per printer in its device-mode set.
#pragma once

#include "devmode/devmode_record.h"
#include "framework/kx_list_controls.h"

#include <string>
#include <string_view>

namespace kx {

/// Characters of a favourite's name, without the terminator: as many as
/// a read of "CDMName" takes back.
constexpr size_t kFavouriteNameLimit = 127;

class CFavorite : public CCustomData {
public:
    /// The placeholder: no name, an all-zero record; it stands for the
    /// printer's default device mode.
    CFavorite();
    /// The settings of `devmode` (all zeros without one) under `name`.
    CFavorite(std::u16string_view name, const BYTE* devmode);
    CFavorite(const CFavorite& other);
    /// Favourite `item`: from the cache of the device mode's printer when it
    /// holds it, else from the store (then cached).
    static CFavorite Load(int item, const BYTE* devmode);

    /// A non-blank name other than "Printer Default" (in any letter case).
    bool IsValid(const BYTE* devmode) const override;
    /// The records are equal in everything that matters; the printer
    /// configuration (installed options, printer language) does not.
    bool IsSelectedIn(const BYTE* devmode) const override;
    std::u16string GetName() const override;
    /// Favourites are always saved over one another.
    bool IsDifferent(const CCustomData&) const override { return true; }
    void ApplyTo(BYTE* devmode) const override;
    LONG Save(int item) override;
    LONG DeleteAll() const override;
    /// Writes "DMNum" unless the count is 0, and drops the cache of the
    /// device mode's printer so the next load reads the store.
    LONG SaveCount(int count, const BYTE* devmode) const override;
    int LoadCount(const BYTE* devmode) const override;
    /// Becomes a favourite of `devmode`'s settings under `name`.
    bool TakeSettings(std::u16string_view name, const BYTE* devmode) override;

    const std::u16string& name() const { return m_name; }
    /// The record; null only when memory was short.
    const BYTE* record() const { return m_record.get(); }

private:
    void ReadFromStore(int item, const BYTE* devmode);

    std::u16string m_name;
    DevmodeBuffer m_record;
};

} // namespace kx
