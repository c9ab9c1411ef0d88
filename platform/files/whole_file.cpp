// Reading a whole file.
#include "platform/files/whole_file.h"

#include <fstream>
#include <sstream>

namespace kx {

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream content;
    // An empty file inserts nothing, which sets the failbit of the copy: only
    // the source's state tells a read error.
    content << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    return std::move(content).str();
}

} // namespace kx
