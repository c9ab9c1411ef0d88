// Global memory blocks in a handle table, and the process's clipboard.
#include "platform/window/clipboard.h"

#include "platform/base/handle_table.h"
#include "platform/base/text.h"

#include <cstring>
#include <map>
#include <memory>
#include <vector>

namespace kx {
namespace {

struct GlobalBlock {
    std::vector<BYTE> bytes;
    int locks = 0;
};

HandleTable<GlobalBlock>& Blocks() {
    static HandleTable<GlobalBlock> blocks(0x00200010);
    return blocks;
}

std::shared_ptr<GlobalBlock> FindBlock(HGLOBAL memory) {
    auto block = Blocks().Find(HandleValue(memory));
    if (!block)
        SetLastError(ERROR_INVALID_HANDLE);
    return block;
}

struct Clipboard {
    bool open = false;
    HWND opener = nullptr;
    HWND owner = nullptr;
    std::map<UINT, HGLOBAL> data;
};

Clipboard& TheClipboard() {
    static Clipboard clipboard;
    return clipboard;
}

void FreeAll(Clipboard& clipboard) {
    for (auto& [format, memory] : clipboard.data)
        GlobalFree(memory);
    clipboard.data.clear();
}

HGLOBAL MakeBlock(const void* data, size_t size) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (auto block = Blocks().Find(HandleValue(memory)))
        std::memcpy(block->bytes.data(), data, size);
    return memory;
}

/// The text of a block bounded by its size, whatever its terminator.
std::u16string UnicodeOf(const GlobalBlock& block) {
    return TextFromField(reinterpret_cast<const WCHAR*>(block.bytes.data()),
                         block.bytes.size() / 2);
}

std::string AnsiOf(const GlobalBlock& block) {
    const auto* chars = reinterpret_cast<const char*>(block.bytes.data());
    return std::string(chars, strnlen(chars, block.bytes.size()));
}

/// Text set in one text format is offered in the others, converted.
HGLOBAL Synthesize(Clipboard& clipboard, UINT format) {
    if (format == CF_UNICODETEXT) {
        for (UINT source : {CF_TEXT, CF_OEMTEXT}) {
            auto it = clipboard.data.find(source);
            if (it == clipboard.data.end())
                continue;
            if (auto block = Blocks().Find(HandleValue(it->second))) {
                const std::u16string text = Cp1252ToUtf16(AnsiOf(*block));
                return clipboard.data[format] =
                           MakeBlock(text.c_str(), (text.size() + 1) * sizeof(WCHAR));
            }
        }
    } else if (format == CF_TEXT || format == CF_OEMTEXT) {
        auto it = clipboard.data.find(CF_UNICODETEXT);
        if (it != clipboard.data.end()) {
            if (auto block = Blocks().Find(HandleValue(it->second))) {
                const std::string text = Utf16ToCp1252(UnicodeOf(*block));
                return clipboard.data[format] = MakeBlock(text.c_str(), text.size() + 1);
            }
        }
    }
    return nullptr;
}

bool IsTextFormat(UINT format) {
    return format == CF_TEXT || format == CF_OEMTEXT || format == CF_UNICODETEXT;
}

} // namespace
} // namespace kx

extern "C" {

KXAPI HGLOBAL WINAPI GlobalAlloc(UINT, SIZE_T bytes) {
    auto block = std::make_shared<kx::GlobalBlock>();
    // Blocks are always zeroed, so GMEM_ZEROINIT costs nothing extra.
    block->bytes.assign(bytes == 0 ? 1 : bytes, 0);
    return HandleFromValue<HGLOBAL>(kx::Blocks().Add(std::move(block)));
}

KXAPI LPVOID WINAPI GlobalLock(HGLOBAL memory) {
    auto block = kx::FindBlock(memory);
    if (!block)
        return nullptr;
    ++block->locks;
    return block->bytes.data();
}

KXAPI BOOL WINAPI GlobalUnlock(HGLOBAL memory) {
    auto block = kx::FindBlock(memory);
    if (!block || block->locks == 0)
        return FALSE;
    --block->locks;
    return block->locks > 0 ? TRUE : FALSE;
}

KXAPI SIZE_T WINAPI GlobalSize(HGLOBAL memory) {
    auto block = kx::FindBlock(memory);
    return block ? block->bytes.size() : 0;
}

KXAPI HGLOBAL WINAPI GlobalFree(HGLOBAL memory) {
    return kx::Blocks().Remove(HandleValue(memory)) ? nullptr : memory;
}

KXAPI BOOL WINAPI OpenClipboard(HWND owner) {
    auto& clipboard = kx::TheClipboard();
    if (clipboard.open && clipboard.opener != owner) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    clipboard.open = true;
    clipboard.opener = owner;
    return TRUE;
}

KXAPI BOOL WINAPI CloseClipboard() {
    auto& clipboard = kx::TheClipboard();
    if (!clipboard.open)
        return FALSE;
    clipboard.open = false;
    clipboard.opener = nullptr;
    return TRUE;
}

KXAPI BOOL WINAPI EmptyClipboard() {
    auto& clipboard = kx::TheClipboard();
    if (!clipboard.open) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    kx::FreeAll(clipboard);
    clipboard.owner = clipboard.opener;
    return TRUE;
}

KXAPI HANDLE WINAPI SetClipboardData(UINT format, HANDLE data) {
    auto& clipboard = kx::TheClipboard();
    if (!clipboard.open || !data || !kx::Blocks().Find(HandleValue(data))) {
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    // Text in one format replaces converted copies of earlier text.
    if (kx::IsTextFormat(format)) {
        for (UINT other : {CF_TEXT, CF_OEMTEXT, CF_UNICODETEXT}) {
            auto it = clipboard.data.find(other);
            if (it != clipboard.data.end() && it->second != data) {
                GlobalFree(it->second);
                clipboard.data.erase(it);
            }
        }
    } else if (auto it = clipboard.data.find(format);
               it != clipboard.data.end() && it->second != data) {
        GlobalFree(it->second);
    }
    clipboard.data[format] = data;
    return data;
}

KXAPI HANDLE WINAPI GetClipboardData(UINT format) {
    auto& clipboard = kx::TheClipboard();
    if (!clipboard.open) {
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    auto it = clipboard.data.find(format);
    if (it != clipboard.data.end())
        return it->second;
    return kx::Synthesize(clipboard, format);
}

KXAPI BOOL WINAPI IsClipboardFormatAvailable(UINT format) {
    const auto& data = kx::TheClipboard().data;
    if (data.contains(format))
        return TRUE;
    if (kx::IsTextFormat(format)) {
        for (UINT other : {CF_TEXT, CF_OEMTEXT, CF_UNICODETEXT}) {
            if (data.contains(other))
                return TRUE;
        }
    }
    return FALSE;
}

KXAPI int WINAPI CountClipboardFormats() {
    return static_cast<int>(kx::TheClipboard().data.size());
}

KXAPI HWND WINAPI GetClipboardOwner() {
    return kx::TheClipboard().owner;
}

} // extern "C"
