// The prefix: the directory tree that is the module's whole world. Drive
// letters map to its "drive_<letter>" folders (C: to drive_c); the registry
// hives, printer definitions and the job journal live beside them.
#pragma once

#include <string>
#include <string_view>

namespace kx {

class Prefix {
public:
    /// The environment variable that chooses the prefix.
    static constexpr const char* kEnvironmentVariable = "KX_PREFIX";

    /// The process's prefix, rooted where KX_PREFIX says or at DefaultRoot().
    static Prefix& Current();

    /// $XDG_DATA_HOME (or ~/.local/share) + "/kx-printer-ui/prefix".
    static std::string DefaultRoot();

    /// Points the process at another prefix (tests make their own).
    void SetRoot(std::string root);
    const std::string& Root() const { return m_root; }

    /// The folder of a drive letter, whether or not it exists.
    std::string DriveFolder(char16_t letter) const;
    /// True when the drive's folder exists: exactly these are fixed disks.
    bool IsDriveMapped(char16_t letter) const;

    /// A folder of the prefix outside the drives ("registry", "spool" ...),
    /// created on first use.
    std::string DataFolder(std::string_view name) const;

    /// Creates a prefix at `root` by copying `templateFolder` when `root` does
    /// not exist yet, and makes sure drive C: exists. Returns false when the
    /// copy fails.
    static bool CreateFromTemplate(const std::string& templateFolder, const std::string& root);

private:
    Prefix();
    std::string m_root;
};

} // namespace kx
