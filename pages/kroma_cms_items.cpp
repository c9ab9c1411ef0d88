// Kroma CMS item codes and their bits.
#include "pages/kroma_cms_items.h"

#include "devmode/devmode_record.h"

#include <array>

namespace kx {
namespace {

constexpr std::array<const DevmodeField*, 5> kKromaWords = {
    &FieldNamed("KromaCMS[0]"), &FieldNamed("KromaCMS[1]"), &FieldNamed("KromaCMS[2]"),
    &FieldNamed("KromaCMS[3]"), &FieldNamed("KromaCMS[4]")};

constexpr int kFirstCode = 11;
constexpr int kWordBits = 16;

} // namespace

std::optional<KromaBits> KromaCmsBits(int code) {
    if (code < kFirstCode)
        return std::nullopt;
    const int word = code / 10 - 1;
    const int shift = kWordBits - 2 * (code % 10);
    // Both bits inside the word: last digits 9 (shift -2) and 0 (shift 16)
    // name no bits of it.
    if (shift < 0 || shift + 2 > kWordBits)
        return std::nullopt;
    if (word >= static_cast<int>(kKromaWords.size()))
        return std::nullopt;
    return KromaBits{word, shift};
}

std::optional<int> ReadKromaItem(const BYTE* devmode, int code) {
    const auto bits = KromaCmsBits(code);
    if (!bits || devmode == nullptr)
        return std::nullopt;
    const auto word = ReadNumber(devmode, *kKromaWords[static_cast<size_t>(bits->word)]);
    return static_cast<int>((word >> bits->shift) & 3);
}

void WriteKromaItem(BYTE* devmode, int code, int value) {
    const auto bits = KromaCmsBits(code);
    if (!bits || devmode == nullptr)
        return;
    const DevmodeField& field = *kKromaWords[static_cast<size_t>(bits->word)];
    auto word = static_cast<uint32_t>(ReadNumber(devmode, field));
    word &= ~(3u << bits->shift);
    word |= (static_cast<uint32_t>(value) & 3u) << bits->shift;
    WriteNumber(devmode, field, word);
}

std::vector<KromaItem> OfferedKromaItems(const ModelProfile& profile) {
    std::vector<KromaItem> items;
    for (size_t list = 0; list < profile.GraphicsKromaCMS.size(); ++list) {
        const std::vector<int32_t>& numbers = profile.GraphicsKromaCMS[list];
        if (numbers.empty() || numbers[0] == 0)
            continue;
        const int colour = numbers.size() > 1 ? numbers[1] : 0;
        const int gray = numbers.size() > 2 ? numbers[2] : 0;
        items.push_back({static_cast<int>(list) + 1, colour, gray});
        if (static_cast<int>(items.size()) == kMaxKromaItems)
            break;
    }
    return items;
}

} // namespace kx
