// The favourite item, its store values and its per-printer cache.
#include "store/favorite.h"

#include "devmode/devmode_merge.h"
#include "devmode/devmode_set.h"
#include "framework/item_texts.h"
#include "platform/base/text.h"
#include "store/custom_data_key.h"
#include "store/store_layout.h"
#include "store/store_operations.h"

#include <algorithm>
#include <cstring>

namespace kx {
namespace {

// Favourites stored without a name value carried it in the watermark text,
// whose extended twin held the rest of that name's characters.
constexpr size_t kOldNameCharacters = 128;

int StoredCount() {
    CCustomDataKey key;
    key.Open(kFavouriteKey, CCustomDataKey::kNoItem, Create::No);
    return key.ReadNumber(kFavouriteCountValue);
}

} // namespace

CFavorite::CFavorite() : m_record(AllocateDevmode()) {}

CFavorite::CFavorite(std::u16string_view name, const BYTE* devmode)
    : m_name(name.substr(0, kFavouriteNameLimit)), m_record(AllocateDevmode()) {
    if (m_record && devmode != nullptr)
        std::memcpy(m_record.get(), devmode, kDevmodeSize);
}

CFavorite::CFavorite(const CFavorite& other)
    : CCustomData(other), m_name(other.m_name), m_record(AllocateDevmode()) {
    if (m_record && other.m_record)
        std::memcpy(m_record.get(), other.m_record.get(), kDevmodeSize);
}

CFavorite CFavorite::Load(int item, const BYTE* devmode) {
    CFavorite favourite;
    favourite.m_item = item;
    if (!favourite.m_record)
        return favourite;
    if (DevmodeSetTable::Instance().LoadCachedFavourite(item, devmode, favourite.m_record.get(),
                                                        &favourite.m_name) != 0)
        return favourite;
    favourite.ReadFromStore(item, devmode);
    return favourite;
}

void CFavorite::ReadFromStore(int item, const BYTE* devmode) {
    BYTE* record = m_record.get();
    CCustomDataKey key;
    key.Open(kFavouriteKey, item, Create::No);
    const bool read = key.ReadSnapshot(kFavouriteDevmodeValue, record);
    if (read) {
        WCHAR name[kFavouriteNameValue.readLimit / sizeof(WCHAR)];
        if (key.ReadText(kFavouriteNameValue.name, name, sizeof name)) {
            m_name = name;
        } else {
            m_name = ReadText(record, FieldNamed("cWaterText"));
            std::memset(record + FieldNamed("cWaterTextEx").offset, 0,
                        kOldNameCharacters * sizeof(WCHAR));
        }
    }
    key.Close();
    DevmodeSetTable& sets = DevmodeSetTable::Instance();
    // Item 0 sizes the cache, also when the store holds nothing: every
    // refill of a page then answers from the cache. A count of another
    // program must not size it beyond what a list ever reads.
    if (item == 0)
        sets.ResetFavouriteCache(devmode, std::clamp(StoredCount(), 0, kMaxStoredItems));
    if (read)
        sets.StoreCachedFavourite(item, devmode, record, m_name);
}

bool CFavorite::IsValid(const BYTE*) const {
    return IsNonBlank(m_name) && !EqualsNoCase(m_name, PrinterDefaultText());
}

bool CFavorite::IsSelectedIn(const BYTE* devmode) const {
    return devmode != nullptr && m_record && !m_name.empty() &&
           CompareAsSheetSees(m_record.get(), devmode, Configuration::Ignore) == 0;
}

std::u16string CFavorite::GetName() const {
    return m_name.empty() ? PrinterDefaultText() : m_name;
}

void CFavorite::ApplyTo(BYTE* devmode) const {
    if (devmode == nullptr || !m_record)
        return;
    std::memcpy(devmode, m_record.get(), kDevmodeSize);
    // A favourite kept without the user's IDs gives the ones a sheet starts with.
    FillUserIds(devmode);
}

bool CFavorite::TakeSettings(std::u16string_view name, const BYTE* devmode) {
    if (!m_record || devmode == nullptr)
        return false;
    m_name = name.substr(0, kFavouriteNameLimit);
    std::memcpy(m_record.get(), devmode, kDevmodeSize);
    return true;
}

LONG CFavorite::Save(int item) {
    m_item = item;
    if (!m_record)
        return ERROR_INVALID_DATA;
    CCustomDataKey key;
    key.Open(kFavouriteKey, item, Create::Yes);
    key.WriteSnapshot(kFavouriteDevmodeValue, m_record.get());
    key.WriteText(kFavouriteNameValue.name, m_name);
    return key.Finish();
}

LONG CFavorite::DeleteAll() const {
    return store::DeleteKind(kFavouriteKey);
}

LONG CFavorite::SaveCount(int count, const BYTE* devmode) const {
    LONG result = ERROR_SUCCESS;
    if (count != 0) {
        CCustomDataKey key;
        key.Open(kFavouriteKey, CCustomDataKey::kNoItem, Create::Yes);
        key.WriteNumber(kFavouriteCountValue, count);
        result = key.Finish();
    }
    // Whatever the store holds now, the cache must read it again.
    DevmodeSetTable::Instance().DropFavouriteCache(devmode);
    return result;
}

int CFavorite::LoadCount(const BYTE* devmode) const {
    const DevmodeSetTable& sets = DevmodeSetTable::Instance();
    // A device mode of no open sheet has no cache: its count is the store's.
    if (devmode != nullptr && sets.Find(devmode) >= 0) {
        const int cached = sets.CachedFavouriteCount(devmode);
        if (cached != -1)
            return cached;
    }
    return StoredCount();
}

} // namespace kx
