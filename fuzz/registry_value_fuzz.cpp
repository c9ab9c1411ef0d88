// Fuzzes registry value reads: any value stored comes back under the size
// contract into a buffer of any size (the buffer is exactly as large as it
// claims, so an overrun is caught), and any bytes as a hive file are refused
// or read without harm and never rewritten.
#include "platform/files/prefix.h"
#include "platform/registry/registry_api.h"
#include "platform/registry/registry_hives.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string& FuzzRoot() {
    // Never destroyed: the clean-up at exit still needs it.
    static const std::string* root = new std::string([] {
        std::string pattern = (std::filesystem::temp_directory_path() / "kx-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        std::atexit([] {
            std::error_code error;
            std::filesystem::remove_all(FuzzRoot(), error);
        });
        return pattern;
    }());
    return *root;
}

void CheckValueRead(const uint8_t* data, size_t size) {
    kx::Prefix::Current().SetRoot(FuzzRoot() + "/values");
    const DWORD type = data[0];
    const DWORD bufferSize = data[1] | (data[2] << 8);
    const BYTE* value = data + 3;
    const auto length = static_cast<DWORD>(size - 3);
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, u"Fuzz", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        std::abort();
    if (RegSetValueExW(key, u"v", 0, type, length ? value : nullptr, length) != ERROR_SUCCESS)
        std::abort();
    std::vector<BYTE> buffer(bufferSize);
    DWORD got = bufferSize;
    DWORD gotType = 0;
    const LSTATUS status =
        RegQueryValueExW(key, u"V", nullptr, &gotType, bufferSize ? buffer.data() : nullptr, &got);
    if (got != length || gotType != type)
        std::abort();
    if (bufferSize >= length || bufferSize == 0) {
        if (status != ERROR_SUCCESS ||
            (bufferSize && length && std::memcmp(buffer.data(), value, length) != 0))
            std::abort();
    } else if (status != ERROR_MORE_DATA) {
        std::abort();
    }
    WCHAR name[2];
    DWORD nameLength = 2;
    got = bufferSize;
    (void)RegEnumValueW(key, 0, name, &nameLength, nullptr, nullptr,
                        bufferSize ? buffer.data() : nullptr, &got);
    RegCloseKey(key);
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void CheckHiveFile(const uint8_t* data, size_t size) {
    static int run = 0;
    // A fresh prefix each time: an open hive is kept per path.
    const std::string root = FuzzRoot() + "/hive" + std::to_string(run++ % 2);
    std::filesystem::remove_all(root);
    kx::Prefix::Current().SetRoot(root);
    const std::string path = kx::HivePath(kx::HiveKind::CurrentUser);
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::ofstream(path, std::ios::binary) << bytes;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, u"Software", 0, KEY_READ, &key) == ERROR_SUCCESS) {
        DWORD size16 = 0;
        (void)RegQueryValueExW(key, u"x", nullptr, nullptr, nullptr, &size16);
        RegCloseKey(key);
    } else if (ReadAll(path) != bytes) {
        std::abort(); // a refused hive must be left exactly as it was
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4)
        return 0;
    if (data[0] & 0x80)
        CheckHiveFile(data + 1, size - 1);
    else
        CheckValueRead(data + 1, size - 1);
    return 0;
}
