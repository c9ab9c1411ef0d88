// The per-printer-context copies of the device mode (working, reference and
// default), shared by all pages of one context, in a table of 8 slots; and
// each set's cache of favourites.
#pragma once

#include "devmode/devmode_merge.h"
#include "devmode/devmode_record.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kx {

/// The key of a printer context: the host address of its sheet context.
using DevmodeOwner = uint32_t;

struct DevmodeCopies {
    BYTE* working = nullptr;
    BYTE* reference = nullptr;
    BYTE* defaults = nullptr;
};

struct DevmodeSet {
    int referenceCount = 0;
    DevmodeOwner owner = 0;
    DevmodeBuffer working;
    DevmodeBuffer reference;
    DevmodeBuffer defaults;
    /// -1 while the favourites are not loaded.
    int favouriteCount = -1;
    /// The host's name of the printer, which the record's 31-unit device
    /// name may cut.
    std::u16string printerName;
    std::vector<DevmodeBuffer> favouriteRecords;
    std::vector<std::optional<std::u16string>> favouriteNames;
    /// Changes whenever the cache is dropped or sized anew, so a list
    /// filled from it knows when to fill again.
    unsigned favouriteGeneration = 0;

    bool InUse() const { return referenceCount > 0; }
    DevmodeCopies Copies() const { return {working.get(), reference.get(), defaults.get()}; }
    void DropFavourites();
};

class DevmodeSetTable {
public:
    static constexpr int kSlotCount = 8;

    /// The module-wide table.
    static DevmodeSetTable& Instance();
    /// Frees the table when the module is unloaded (never at process exit).
    static void ReleaseInstance();

    /// The set of owner, made from hostDevmode (3,555 bytes) when the owner
    /// has none yet; nothing when all slots are in use or memory is short.
    /// Making a set may fill the user's name into hostDevmode when no
    /// default device mode is stored yet.
    std::optional<DevmodeCopies> Acquire(DevmodeOwner owner, BYTE* hostDevmode,
                                         std::u16string_view printerName);
    /// Drops one hold on the owner's set; the last frees it.
    void Release(DevmodeOwner owner);

    /// The slot whose working copy is devmode itself, else the slot whose
    /// working copy has devmode's device name; -1 when none.
    int Find(const BYTE* devmode) const;
    int Find(std::u16string_view deviceName) const;

    /// The most favourites a set caches, as many as the lists show.
    static constexpr int kMaxCachedFavourites = 1000;

    /// Favourites cache of the set found for devmode; a set that is not
    /// found gives 0. A count past kMaxCachedFavourites caches that many.
    int ResetFavouriteCache(const BYTE* devmode, int count);
    int CachedFavouriteCount(const BYTE* devmode) const;
    int StoreCachedFavourite(int index, const BYTE* devmode, const BYTE* record,
                             std::u16string_view name);
    int LoadCachedFavourite(int index, const BYTE* devmode, BYTE* outRecord,
                            std::u16string* outName) const;
    int DropFavouriteCache(const BYTE* devmode);
    /// The cache's generation of the set found for devmode; 0 without one.
    unsigned FavouriteCacheGeneration(const BYTE* devmode) const;

    /// The printer the host named for the set found for devmode; empty when
    /// no set is found.
    std::u16string PrinterNameOf(const BYTE* devmode) const;

    const DevmodeSet& Slot(int index) const { return m_slots[static_cast<size_t>(index)]; }
    int SlotsInUse() const;
    /// Frees every set (tests and module unload).
    void Clear();

private:
    int SlotOf(DevmodeOwner owner) const;
    DevmodeSet* SetFor(const BYTE* devmode);
    const DevmodeSet* SetFor(const BYTE* devmode) const;
    void MakeDefaultCopy(DevmodeSet& set, const BYTE* sheetStart, std::u16string_view printerName);

    std::array<DevmodeSet, kSlotCount> m_slots;
};

/// The same operations on the module-wide table, by their usual names.
std::optional<DevmodeCopies> AcquireDevmodeSet(DevmodeOwner owner, BYTE* hostDevmode,
                                               std::u16string_view printerName);
void ReleaseDevmodeSet(DevmodeOwner owner);
int FindDevmodeSet(const BYTE* devmode);
int FindDevmodeSet(std::u16string_view deviceName);
/// The printer of devmode's set as the host named it, else the record's own
/// device name.
std::u16string PrinterNameFor(const BYTE* devmode);

/// Puts the logged-on user's name into an empty text field of `capacity`
/// code units at `field` (unaligned); a field that holds text is left alone.
void FillUserName(BYTE* field, size_t capacity);
void FillUserName(BYTE* record, const DevmodeField& field);
/// The user's IDs a sheet starts with: the user's name in an empty cUserId,
/// and in an empty JobAccountUserID where the model's shared block holds
/// the office view.
void FillUserIds(BYTE* record);
/// Whether a sheet's working copy differs from the host's record (0 when
/// not), the host's record taken with the user's IDs a sheet starts with:
/// an untouched sheet leaves the host's record as it came.
[[nodiscard]] int CompareWithHostRecord(const BYTE* host, const BYTE* working);
/// A copy of a whole record with the user's IDs a sheet starts with.
std::vector<BYTE> AsSheetSees(const BYTE* record);
/// CompareDevmodes of a record the sheet did not make (the host's, a stored
/// favourite) with a working copy, the record taken with the user's IDs.
[[nodiscard]] int CompareAsSheetSees(const BYTE* record, const BYTE* working,
                                     Configuration configuration);

/// Stores record as the user's default device mode; the store's result.
[[nodiscard]] LONG SaveDefaultDevmode(const BYTE* record);

} // namespace kx
