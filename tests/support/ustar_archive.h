// An uncompressed ustar archive of (name, contents) members: the form of a
// model's resource library.
#pragma once

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace kxtest {

inline std::string Ustar(const std::vector<std::pair<std::string, std::string>>& members) {
    std::string archive;
    for (const auto& [name, data] : members) {
        std::string header(512, '\0');
        header.replace(0, name.size(), name);
        std::snprintf(header.data() + 100, 8, "%07o", 0644);
        std::snprintf(header.data() + 124, 12, "%011o", static_cast<unsigned>(data.size()));
        header[156] = '0';
        header.replace(257, 6, std::string("ustar\0", 6));
        header.replace(263, 2, "00");
        header.replace(148, 8, "        ");
        unsigned sum = 0;
        for (unsigned char c : header)
            sum += c;
        std::snprintf(header.data() + 148, 8, "%06o", sum);
        archive += header + data + std::string((512 - data.size() % 512) % 512, '\0');
    }
    return archive + std::string(1024, '\0');
}

} // namespace kxtest
