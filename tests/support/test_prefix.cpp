// A temporary prefix for one test.
#include "tests/support/test_prefix.h"

#include "platform/files/path_mapping.h"
#include "platform/files/prefix.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace kxtest {
namespace fs = std::filesystem;

TestPrefix::TestPrefix() {
    std::string pattern = (fs::temp_directory_path() / "kx-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        std::abort();
    m_root = pattern;
    fs::create_directories(m_root + "/drive_c");
    m_previousRoot = kx::Prefix::Current().Root();
    kx::Prefix::Current().SetRoot(m_root);
    kx::SetCurrentWindowsDirectoryPath(u"C:\\");
}

TestPrefix::~TestPrefix() {
    kx::Prefix::Current().SetRoot(m_previousRoot);
    std::error_code error;
    fs::permissions(m_root, fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(m_root, error);
}

void TestPrefix::WriteFile(const std::string& relativePath, const std::string& bytes) const {
    const fs::path path = fs::path(m_root) / relativePath;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string TestPrefix::ReadFile(const std::string& relativePath) const {
    std::ifstream in(fs::path(m_root) / relativePath, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

} // namespace kxtest
