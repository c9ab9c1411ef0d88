// Builds ".bmp" files of a known 4 x 3 picture in every depth, for decoding
// tests and the fuzz corpus.
#pragma once

#include "platform/gdi/gdi_types.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kxtest {

/// The picture: row 0 red, green, blue, white; row 1 black, red, red, black;
/// row 2 blue everywhere.
inline COLORREF PictureColor(int x, int y) {
    static const COLORREF colors[3][4] = {
        {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 255)},
        {RGB(0, 0, 0), RGB(255, 0, 0), RGB(255, 0, 0), RGB(0, 0, 0)},
        {RGB(0, 0, 255), RGB(0, 0, 255), RGB(0, 0, 255), RGB(0, 0, 255)},
    };
    return colors[y][x];
}

constexpr int kPictureWidth = 4;
constexpr int kPictureHeight = 3;

inline void Put16(std::string& out, uint32_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>((v >> 8) & 0xFF));
}
inline void Put32(std::string& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

/// A BMP of the picture at `bits` per pixel (1 gives a black-and-white
/// version: every non-black pixel white).
inline std::string MakeBmp(int bits, bool topDown) {
    std::vector<COLORREF> palette;
    if (bits == 1)
        palette = {RGB(0, 0, 0), RGB(255, 255, 255)};
    else if (bits <= 8)
        palette = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 255),
                   RGB(0, 0, 0)};
    const auto colorOf = [&](int x, int y) {
        const COLORREF c = PictureColor(x, y);
        return bits == 1 && c != RGB(0, 0, 0) ? RGB(255, 255, 255) : c;
    };
    const auto indexOf = [&](COLORREF c) {
        for (size_t i = 0; i < palette.size(); ++i)
            if (palette[i] == c)
                return static_cast<int>(i);
        return 0;
    };
    const size_t stride = ((kPictureWidth * bits + 31) / 32) * 4;
    std::string pixels;
    for (int row = 0; row < kPictureHeight; ++row) {
        const int y = topDown ? row : kPictureHeight - 1 - row;
        std::string line(stride, '\0');
        for (int x = 0; x < kPictureWidth; ++x) {
            const COLORREF c = colorOf(x, y);
            if (bits == 24 || bits == 32) {
                const size_t at = static_cast<size_t>(x) * (bits / 8);
                line[at] = static_cast<char>(GetBValue(c));
                line[at + 1] = static_cast<char>(GetGValue(c));
                line[at + 2] = static_cast<char>(GetRValue(c));
            } else {
                const int perByte = 8 / bits;
                const int shift = 8 - bits * (x % perByte + 1);
                line[static_cast<size_t>(x / perByte)] =
                    static_cast<char>(static_cast<uint8_t>(line[static_cast<size_t>(x / perByte)]) |
                                      (indexOf(c) << shift));
            }
        }
        pixels += line;
    }
    const uint32_t offset = 14 + 40 + static_cast<uint32_t>(palette.size()) * 4;
    std::string file = "BM";
    Put32(file, offset + static_cast<uint32_t>(pixels.size()));
    Put32(file, 0);
    Put32(file, offset);
    Put32(file, 40);
    Put32(file, kPictureWidth);
    Put32(file, static_cast<uint32_t>(topDown ? -kPictureHeight : kPictureHeight));
    Put16(file, 1);
    Put16(file, static_cast<uint32_t>(bits));
    Put32(file, 0);
    Put32(file, static_cast<uint32_t>(pixels.size()));
    Put32(file, 2835);
    Put32(file, 2835);
    Put32(file, static_cast<uint32_t>(palette.size()));
    Put32(file, 0);
    for (COLORREF c : palette) {
        file.push_back(static_cast<char>(GetBValue(c)));
        file.push_back(static_cast<char>(GetGValue(c)));
        file.push_back(static_cast<char>(GetRValue(c)));
        file.push_back('\0');
    }
    return file + pixels;
}

} // namespace kxtest
