// The device-mode set table and the favourites cache of each set.
#include "devmode/devmode_set.h"

#include "devmode/devmode_merge.h"
#include "devmode/model_profile.h"
#include "devmode/printer_queries.h"
#include "devmode/user_store.h"
#include "platform/system/system_api.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>
#include <vector>

namespace kx {
namespace {

constexpr const DevmodeField& kDeviceName = FieldNamed("dmDeviceName");
constexpr const DevmodeField& kUserId = FieldNamed("cUserId");
constexpr const DevmodeField& kJobAccountUserId = FieldNamed("JobAccountUserID");
constexpr DWORD kUserNameBufferSize = 261;

std::u16string UserNameFromSystem() {
    std::u16string name(kUserNameBufferSize, u'\0');
    DWORD size = kUserNameBufferSize;
    if (!GetUserNameW(name.data(), &size)) {
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || size == 0)
            return {};
        name.assign(size, u'\0');
        if (!GetUserNameW(name.data(), &size))
            return {};
    }
    name.resize(std::char_traits<char16_t>::length(name.c_str()));
    return name;
}

} // namespace

void DevmodeSet::DropFavourites() {
    ++favouriteGeneration;
    favouriteCount = -1;
    favouriteRecords.clear();
    favouriteNames.clear();
}

namespace {

// Never destroyed at process exit: pages release into it whenever they go,
// and then that may be after every other object has died. The module lets
// it go when the host unloads it.
DevmodeSetTable*& TableSlot() {
    static DevmodeSetTable* table = new DevmodeSetTable;
    return table;
}

} // namespace

DevmodeSetTable& DevmodeSetTable::Instance() {
    DevmodeSetTable*& table = TableSlot();
    if (table == nullptr)
        table = new DevmodeSetTable; // the module started again
    return *table;
}

void DevmodeSetTable::ReleaseInstance() {
    delete std::exchange(TableSlot(), nullptr);
}

int DevmodeSetTable::SlotOf(DevmodeOwner owner) const {
    for (int i = 0; i < kSlotCount; ++i)
        if (m_slots[static_cast<size_t>(i)].InUse() &&
            m_slots[static_cast<size_t>(i)].owner == owner)
            return i;
    return -1;
}

std::optional<DevmodeCopies> DevmodeSetTable::Acquire(DevmodeOwner owner, BYTE* hostDevmode,
                                                      std::u16string_view printerName) {
    if (const int slot = SlotOf(owner); slot >= 0) {
        DevmodeSet& set = m_slots[static_cast<size_t>(slot)];
        ++set.referenceCount;
        return set.Copies();
    }
    const auto free = std::find_if(m_slots.begin(), m_slots.end(),
                                   [](const DevmodeSet& set) { return !set.InUse(); });
    if (free == m_slots.end() || hostDevmode == nullptr)
        return std::nullopt;
    DevmodeSet& set = *free;
    set.working = AllocateDevmode();
    set.reference = AllocateDevmode();
    set.defaults = AllocateDevmode();
    if (!set.working || !set.reference || !set.defaults) {
        set = DevmodeSet{};
        return std::nullopt;
    }
    // The host's record is the host's: the sheet's copies carry the user's
    // IDs, and the host's record gains them only when an apply merges a
    // real change (see CompareWithHostRecord).
    std::memcpy(set.working.get(), hostDevmode, kDevmodeSize);
    FillUserIds(set.working.get());
    std::memcpy(set.reference.get(), set.working.get(), kDevmodeSize);
    MakeDefaultCopy(set, set.working.get(), printerName);
    set.owner = owner;
    set.printerName = std::u16string(printerName);
    set.referenceCount = 1;
    set.DropFavourites();
    return set.Copies();
}

// The default copy is the printer's global default carrying the user's own
// IDs, or the user's stored default when the spooler has no global default.
void DevmodeSetTable::MakeDefaultCopy(DevmodeSet& set, const BYTE* sheetStart,
                                      std::u16string_view printerName) {
    BYTE* defaults = set.defaults.get();
    UserStore& store = CurrentUserStore();
    if (!store.ReadDefaultDevmode(defaults)) {
        (void)store.SaveDefaultDevmode(sheetStart);
        std::memcpy(defaults, sheetStart, kDevmodeSize);
    }
    auto global = CurrentPrinterQueries().GlobalDefaultDevmode(printerName);
    // A global default of another size has another layout: reading it by
    // this record's offsets would take garbage for settings, so it is not
    // used and the stored default stays.
    if (!global || global->size() != kDevmodeSize)
        return;
    CopyField(global->data(), defaults, kUserId);
    CopyField(global->data(), defaults, kJobAccountUserId);
    std::memcpy(defaults, global->data(), kDevmodeSize);
}

void DevmodeSetTable::Release(DevmodeOwner owner) {
    const int slot = SlotOf(owner);
    if (slot < 0)
        return;
    DevmodeSet& set = m_slots[static_cast<size_t>(slot)];
    if (--set.referenceCount == 0)
        set = DevmodeSet{};
}

int DevmodeSetTable::Find(const BYTE* devmode) const {
    if (devmode == nullptr)
        return -1;
    for (int i = 0; i < kSlotCount; ++i) {
        const DevmodeSet& set = m_slots[static_cast<size_t>(i)];
        if (set.InUse() && set.working.get() == devmode)
            return i;
    }
    for (int i = 0; i < kSlotCount; ++i) {
        const DevmodeSet& set = m_slots[static_cast<size_t>(i)];
        if (set.InUse() && SameText(set.working.get(), devmode, kDeviceName))
            return i;
    }
    return -1;
}

int DevmodeSetTable::Find(std::u16string_view deviceName) const {
    for (int i = 0; i < kSlotCount; ++i) {
        const DevmodeSet& set = m_slots[static_cast<size_t>(i)];
        if (set.InUse() && ReadText(set.working.get(), kDeviceName) == deviceName)
            return i;
    }
    return -1;
}

DevmodeSet* DevmodeSetTable::SetFor(const BYTE* devmode) {
    const int slot = Find(devmode);
    return slot < 0 ? nullptr : &m_slots[static_cast<size_t>(slot)];
}

const DevmodeSet* DevmodeSetTable::SetFor(const BYTE* devmode) const {
    const int slot = Find(devmode);
    return slot < 0 ? nullptr : &m_slots[static_cast<size_t>(slot)];
}

int DevmodeSetTable::ResetFavouriteCache(const BYTE* devmode, int count) {
    DevmodeSet* set = SetFor(devmode);
    if (set == nullptr)
        return 0;
    set->DropFavourites();
    if (count < 0)
        return 0;
    count = std::min(count, kMaxCachedFavourites);
    set->favouriteRecords.resize(static_cast<size_t>(count));
    set->favouriteNames.resize(static_cast<size_t>(count));
    set->favouriteCount = count;
    return 1;
}

int DevmodeSetTable::CachedFavouriteCount(const BYTE* devmode) const {
    const DevmodeSet* set = SetFor(devmode);
    return set == nullptr ? 0 : set->favouriteCount;
}

int DevmodeSetTable::StoreCachedFavourite(int index, const BYTE* devmode, const BYTE* record,
                                          std::u16string_view name) {
    DevmodeSet* set = SetFor(devmode);
    if (set == nullptr || index < 0 || index >= set->favouriteCount || record == nullptr)
        return 0;
    const auto at = static_cast<size_t>(index);
    if (!set->favouriteRecords[at]) {
        set->favouriteRecords[at] = AllocateDevmode();
        if (!set->favouriteRecords[at])
            return 0;
    }
    std::memcpy(set->favouriteRecords[at].get(), record, kDevmodeSize);
    // The name takes whatever length it has now, not the first name's.
    set->favouriteNames[at] = std::u16string(name);
    return 1;
}

int DevmodeSetTable::LoadCachedFavourite(int index, const BYTE* devmode, BYTE* outRecord,
                                         std::u16string* outName) const {
    const DevmodeSet* set = SetFor(devmode);
    if (set == nullptr || index < 0)
        return 0;
    if (index == set->favouriteCount)
        return 1;
    if (index > set->favouriteCount)
        return 0;
    const auto at = static_cast<size_t>(index);
    if (!set->favouriteRecords[at])
        return 0;
    if (outRecord != nullptr)
        std::memcpy(outRecord, set->favouriteRecords[at].get(), kDevmodeSize);
    if (outName != nullptr)
        *outName = set->favouriteNames[at].value_or(std::u16string());
    return 1;
}

unsigned DevmodeSetTable::FavouriteCacheGeneration(const BYTE* devmode) const {
    const DevmodeSet* set = SetFor(devmode);
    return set == nullptr ? 0 : set->favouriteGeneration;
}

int DevmodeSetTable::DropFavouriteCache(const BYTE* devmode) {
    DevmodeSet* set = SetFor(devmode);
    if (set == nullptr)
        return 0;
    set->DropFavourites();
    return 1;
}

int DevmodeSetTable::SlotsInUse() const {
    return static_cast<int>(std::count_if(m_slots.begin(), m_slots.end(),
                                          [](const DevmodeSet& set) { return set.InUse(); }));
}

void DevmodeSetTable::Clear() {
    for (DevmodeSet& set : m_slots)
        set = DevmodeSet{};
}

std::optional<DevmodeCopies> AcquireDevmodeSet(DevmodeOwner owner, BYTE* hostDevmode,
                                               std::u16string_view printerName) {
    return DevmodeSetTable::Instance().Acquire(owner, hostDevmode, printerName);
}

void ReleaseDevmodeSet(DevmodeOwner owner) {
    DevmodeSetTable::Instance().Release(owner);
}

int FindDevmodeSet(const BYTE* devmode) {
    return DevmodeSetTable::Instance().Find(devmode);
}

int FindDevmodeSet(std::u16string_view deviceName) {
    return DevmodeSetTable::Instance().Find(deviceName);
}

void FillUserName(BYTE* field, size_t capacity) {
    if (capacity == 0 || LoadU16(field) != 0)
        return;
    (void)WriteTextAt(field, capacity, UserNameFromSystem());
}

void FillUserName(BYTE* record, const DevmodeField& field) {
    FillUserName(record + field.offset, field.Capacity());
}

void FillUserIds(BYTE* record) {
    FillUserName(record, kUserId);
    // On a model whose shared block holds the stamp, these bytes are the
    // stamp's note: the user's name is no note.
    if (ActiveModelProfile().UsesOfficeView())
        FillUserName(record, kJobAccountUserId);
}

std::vector<BYTE> AsSheetSees(const BYTE* record) {
    std::vector<BYTE> seen(record, record + kDevmodeSize);
    FillUserIds(seen.data());
    return seen;
}

int CompareAsSheetSees(const BYTE* record, const BYTE* working, Configuration configuration) {
    if (record == nullptr || working == nullptr)
        return record == working ? 0 : 1;
    return CompareDevmodes(AsSheetSees(record).data(), working, nullptr, configuration);
}

int CompareWithHostRecord(const BYTE* host, const BYTE* working) {
    return CompareAsSheetSees(host, working, Configuration::Include);
}

LONG SaveDefaultDevmode(const BYTE* record) {
    return CurrentUserStore().SaveDefaultDevmode(record);
}

std::u16string DevmodeSetTable::PrinterNameOf(const BYTE* devmode) const {
    const DevmodeSet* set = SetFor(devmode);
    return set == nullptr ? std::u16string() : set->printerName;
}

std::u16string PrinterNameFor(const BYTE* devmode) {
    if (devmode == nullptr)
        return {};
    std::u16string name = DevmodeSetTable::Instance().PrinterNameOf(devmode);
    return name.empty() ? ReadText(devmode, kDeviceName) : name;
}

} // namespace kx
