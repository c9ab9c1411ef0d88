// The key object through which every stored item is read and written: one
// open key of the per-user store and the item number its value names carry.
#pragma once

#include "platform/base/win_types.h"
#include "store/store_layout.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kx {

enum class Create { No, Yes };

/// Opened for one load, save or count and closed before that returns; no
/// key of the store stays open between operations. A key that could not be
/// opened reads every text empty, every number 0, every snapshot as zeros,
/// and ignores writes.
class CCustomDataKey {
public:
    /// The item number of counts and of the store key's own values.
    static constexpr int kNoItem = -1;

    CCustomDataKey() = default;
    ~CCustomDataKey() { Close(); }
    CCustomDataKey(const CCustomDataKey&) = delete;
    CCustomDataKey& operator=(const CCustomDataKey&) = delete;

    /// Opens the store key (empty subkey) or one of its subkeys of the
    /// current module. With Create::Yes a missing key is made and the key is
    /// opened for writing; otherwise it is opened for reading only. An item
    /// number of 0 or more becomes the suffix of every value name.
    bool Open(std::u16string_view subkey, int item, Create create);
    /// As Open, below the store key of the given module key name.
    bool OpenFor(std::u16string_view moduleKeyName, std::u16string_view subkey, int item,
                 Create create);
    bool IsOpen() const { return m_key != nullptr; }
    /// The registry's answer to the last Open.
    LONG openStatus() const { return m_openStatus; }
    /// The registry's answer to the first write since Open that failed;
    /// ERROR_INVALID_HANDLE for a write while the key was not open,
    /// ERROR_SUCCESS while every write went through.
    [[nodiscard]] LONG writeStatus() const { return m_writeStatus; }
    /// Closes the key and says whether what was written through it is
    /// stored: the error of opening, else of the first failed write, else of
    /// closing; ERROR_SUCCESS when all went through.
    [[nodiscard]] LONG Finish();

    /// Reads the text named baseName + suffix into buffer (bufferBytes
    /// bytes), zero-terminated. Whatever the registry type, a value longer
    /// than the buffer, a missing value or a closed key gives the empty text
    /// and FALSE.
    BOOL ReadText(std::u16string_view baseName, WCHAR* buffer, DWORD bufferBytes);
    /// The text of a layout value, read with its limit; empty on failure.
    std::u16string ReadText(const TextValue& value);
    /// A "%d" text read as signed decimal, saturating; 0 when it is missing,
    /// empty, longer than kNumberReadLimit or not a number.
    int32_t ReadNumber(std::u16string_view baseName);
    /// Reads a device-mode snapshot into a 3,555-byte record. A shorter value
    /// fills only its own length; on failure the whole record is zeroed.
    BOOL ReadSnapshot(std::u16string_view baseName, BYTE* record);
    /// Reads a snapshot only when it is a whole record: a REG_BINARY of
    /// exactly 3,555 bytes. Anything else reads as absent (zeroed, FALSE).
    BOOL ReadWholeSnapshot(std::u16string_view baseName, BYTE* record);

    /// REG_SZ with its terminator.
    void WriteText(std::u16string_view baseName, std::u16string_view text);
    /// REG_SZ holding the "%d" text of value.
    void WriteNumber(std::u16string_view baseName, int32_t value);
    /// REG_BINARY of a whole 3,555-byte record.
    void WriteSnapshot(std::u16string_view baseName, const BYTE* record);

    /// Closes the key if it is open; the result of closing, ERROR_SUCCESS
    /// when nothing was open.
    LONG Close();

private:
    const WCHAR* ValueName(std::u16string_view baseName);
    void WriteValue(std::u16string_view baseName, DWORD type, const BYTE* data, DWORD size);

    HKEY m_key = nullptr;
    LONG m_openStatus = ERROR_INVALID_HANDLE;
    LONG m_writeStatus = ERROR_SUCCESS;
    std::u16string m_suffix;
    std::u16string m_valueName; // reused between calls to spare allocations
};

} // namespace kx
