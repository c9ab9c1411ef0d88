// The favourites list's registry traffic: 32 device-mode snapshots of 3,555
// bytes written, then read back, one key opened per operation.
#include "platform/files/prefix.h"
#include "platform/registry/registry_api.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

class BenchPrefix {
public:
    BenchPrefix() {
        std::string pattern = (std::filesystem::temp_directory_path() / "kx-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        m_root = pattern;
        kx::Prefix::Current().SetRoot(m_root);
    }
    ~BenchPrefix() {
        std::error_code error;
        std::filesystem::remove_all(m_root, error);
    }

private:
    std::string m_root;
};

constexpr const char16_t* kStoreKey = u"SOFTWARE\\Velmora\\ABC\\TSF\\Device Modes";
constexpr DWORD kSnapshotSize = 3555;

std::vector<std::u16string> SnapshotNames() {
    std::vector<std::u16string> names;
    for (int i = 0; i < 32; ++i) {
        const std::string name = "CDM" + std::to_string(i);
        names.emplace_back(name.begin(), name.end());
    }
    return names;
}

void WriteThenRead32Snapshots(benchmark::State& state) {
    static BenchPrefix prefix;
    const auto names = SnapshotNames();
    std::vector<BYTE> snapshot(kSnapshotSize);
    for (size_t i = 0; i < snapshot.size(); ++i)
        snapshot[i] = static_cast<BYTE>(i);
    std::vector<BYTE> readBack(kSnapshotSize);
    for (auto _ : state) {
        for (const auto& name : names) {
            HKEY key = nullptr;
            RegCreateKeyExW(HKEY_CURRENT_USER, kStoreKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &key, nullptr);
            RegSetValueExW(key, name.c_str(), 0, REG_BINARY, snapshot.data(), kSnapshotSize);
            RegCloseKey(key);
        }
        for (const auto& name : names) {
            HKEY key = nullptr;
            RegOpenKeyExW(HKEY_CURRENT_USER, kStoreKey, 0, KEY_READ, &key);
            DWORD size = kSnapshotSize;
            benchmark::DoNotOptimize(
                RegQueryValueExW(key, name.c_str(), nullptr, nullptr, readBack.data(), &size));
            RegCloseKey(key);
        }
    }
}
BENCHMARK(WriteThenRead32Snapshots)->Unit(benchmark::kMillisecond);

void Read32Snapshots(benchmark::State& state) {
    static BenchPrefix prefix;
    const auto names = SnapshotNames();
    std::vector<BYTE> snapshot(kSnapshotSize, 0x5A);
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, kStoreKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
    for (const auto& name : names)
        RegSetValueExW(key, name.c_str(), 0, REG_BINARY, snapshot.data(), kSnapshotSize);
    RegCloseKey(key);
    for (auto _ : state) {
        for (const auto& name : names) {
            RegOpenKeyExW(HKEY_CURRENT_USER, kStoreKey, 0, KEY_READ, &key);
            DWORD size = kSnapshotSize;
            benchmark::DoNotOptimize(
                RegQueryValueExW(key, name.c_str(), nullptr, nullptr, snapshot.data(), &size));
            RegCloseKey(key);
        }
    }
}
BENCHMARK(Read32Snapshots)->Unit(benchmark::kMillisecond);

} // namespace
