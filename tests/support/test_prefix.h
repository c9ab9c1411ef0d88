// A temporary prefix for one test: made in a fresh temporary folder, made
// the process's prefix, and removed afterwards.
#pragma once

#include <string>

namespace kxtest {

class TestPrefix {
public:
    TestPrefix();
    ~TestPrefix();
    TestPrefix(const TestPrefix&) = delete;
    TestPrefix& operator=(const TestPrefix&) = delete;

    const std::string& root() const { return m_root; }
    /// The Linux path of drive C:.
    std::string DriveC() const { return m_root + "/drive_c"; }
    /// Writes a file under the prefix root (folders are created).
    void WriteFile(const std::string& relativePath, const std::string& bytes) const;
    std::string ReadFile(const std::string& relativePath) const;

private:
    std::string m_root;
    std::string m_previousRoot;
};

} // namespace kxtest
