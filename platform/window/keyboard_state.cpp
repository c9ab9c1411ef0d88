// The keyboard's state as the scripted user leaves it: which keys are down.
#include "platform/window/window_api.h"

#include <bitset>

namespace kx {
namespace {

std::bitset<256>& KeysDown() {
    static std::bitset<256> keys;
    return keys;
}

} // namespace

void SetKeyDown(UINT virtualKey, bool down) {
    if (virtualKey < 256)
        KeysDown()[virtualKey] = down;
}

} // namespace kx

extern "C" {

KXAPI SHORT WINAPI GetKeyState(int virtualKey) {
    if (virtualKey < 0 || virtualKey >= 256)
        return 0;
    return kx::KeysDown()[static_cast<size_t>(virtualKey)] ? static_cast<SHORT>(0x8000) : 0;
}

KXAPI SHORT WINAPI GetAsyncKeyState(int virtualKey) {
    return GetKeyState(virtualKey);
}

} // extern "C"
