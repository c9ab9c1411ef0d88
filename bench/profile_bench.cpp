// Reading a model's settings the way the pages do: 400 keys from a
// 2,000-line profile file, through the parsed-file cache.
#include "platform/files/prefix.h"
#include "platform/profile/profile_api.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

// A prefix of its own in a temporary folder, removed at exit.
class BenchPrefix {
public:
    BenchPrefix() {
        std::string pattern = (std::filesystem::temp_directory_path() / "kx-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        m_root = pattern;
        std::filesystem::create_directories(m_root + "/drive_c/model");
        kx::Prefix::Current().SetRoot(m_root);
    }
    ~BenchPrefix() {
        std::error_code error;
        std::filesystem::remove_all(m_root, error);
    }
    const std::string& Root() const { return m_root; }

private:
    std::string m_root;
};

BenchPrefix& Prefix() {
    static BenchPrefix prefix;
    return prefix;
}

// 40 sections of 49 keys: 2,000 lines, written as the model files are
// (UTF-16LE with a byte-order mark).
void WriteModelFile() {
    std::u16string text;
    for (int section = 0; section < 40; ++section) {
        text += u"[Section" + std::u16string(1, static_cast<char16_t>(u'A' + section % 26)) +
                static_cast<char16_t>(u'0' + section / 26) + u"]\r\n";
        for (int key = 0; key < 49; ++key) {
            std::string line = "Key" + std::to_string(key) + " = \"Value " +
                               std::to_string(section * 100 + key) + "\"\r\n";
            text += std::u16string(line.begin(), line.end());
        }
    }
    std::ofstream out(Prefix().Root() + "/drive_c/model/MODEL.INI", std::ios::binary);
    out << "\xFF\xFE";
    for (char16_t unit : text)
        out.put(static_cast<char>(unit & 0xFF)).put(static_cast<char>(unit >> 8));
}

struct Lookup {
    std::u16string section;
    std::u16string key;
};

std::vector<Lookup> Lookups() {
    std::vector<Lookup> lookups;
    for (int i = 0; i < 400; ++i) {
        const int section = (i * 7) % 40;
        std::u16string name = u"section";
        name += static_cast<char16_t>(u'a' + section % 26);
        name += static_cast<char16_t>(u'0' + section / 26);
        const std::string key = "KEY" + std::to_string((i * 13) % 49);
        lookups.push_back({name, std::u16string(key.begin(), key.end())});
    }
    return lookups;
}

void Read400KeysWarm(benchmark::State& state) {
    Prefix();
    WriteModelFile();
    const auto lookups = Lookups();
    WCHAR buffer[260];
    // One read parses the file; every later one is served from the cache.
    GetPrivateProfileStringW(u"SectionA0", u"Key0", u"", buffer, 260, u"C:\\Model\\model.ini");
    for (auto _ : state) {
        for (const auto& lookup : lookups) {
            benchmark::DoNotOptimize(GetPrivateProfileStringW(lookup.section.c_str(),
                                                              lookup.key.c_str(), u"", buffer, 260,
                                                              u"C:\\Model\\model.ini"));
        }
    }
    state.counters["keys"] = 400;
}
BENCHMARK(Read400KeysWarm)->Unit(benchmark::kMillisecond);

void ParseModelFileCold(benchmark::State& state) {
    Prefix();
    WriteModelFile();
    WCHAR buffer[260];
    for (auto _ : state) {
        // Flushing drops the parsed copy: each read parses the file again.
        WritePrivateProfileStringW(nullptr, nullptr, nullptr, u"C:\\Model\\model.ini");
        benchmark::DoNotOptimize(GetPrivateProfileStringW(u"SectionA0", u"Key0", u"", buffer, 260,
                                                          u"C:\\Model\\model.ini"));
    }
}
BENCHMARK(ParseModelFileCold)->Unit(benchmark::kMillisecond);

void WriteOneKey(benchmark::State& state) {
    Prefix();
    WriteModelFile();
    int value = 0;
    for (auto _ : state) {
        const std::u16string text = value++ % 2 ? u"1" : u"0";
        benchmark::DoNotOptimize(WritePrivateProfileStringW(u"SectionB0", u"Key7", text.c_str(),
                                                            u"C:\\Model\\model.ini"));
    }
}
BENCHMARK(WriteOneKey)->Unit(benchmark::kMillisecond);

} // namespace
