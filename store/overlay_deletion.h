// The overlay files the overlay editor deletes when its changes are
// committed, and the checks a path must pass before its file is deleted:
// the paths come from the user's registry, which another program may have
// written.
#pragma once

#include "store/over_lay.h"

#include <string>
#include <string_view>
#include <vector>

namespace kx {

/// The file extension of a language's overlay files ("OVL", "OVS", "OVP").
std::u16string_view OverlayExtensionOf(OverlayLanguage language);

/// Why a path's file may not be deleted as an overlay file.
enum class DeletionCheck { Deletable, NotAnOverlay, NotWhereItSays, ThroughLink, NoFile };

/// The checks, in order: the language's extension; a full path with a drive
/// and without "." or ".." parts, wildcards or device and network forms; no
/// part of the path a link; an existing plain file.
DeletionCheck CheckOverlayDeletion(std::u16string_view path, OverlayLanguage language);

class COverlayDeletions {
public:
    /// Remembers the path for deletion on commit.
    void Add(std::u16string_view path);
    /// Takes every pending path equal to `path` without regard to case off.
    void Withdraw(std::u16string_view path);
    /// Deletes the pending files that pass the checks, newest first, and
    /// empties the list; a path failing them is dropped, its file left.
    /// With a device mode that creates its overlay anew (ovrLoadCreate 2),
    /// its file is added first. Failed deletions are ignored. Returns the
    /// paths deleted.
    std::vector<std::u16string> Commit(OverlayLanguage language, const BYTE* devmode);

    const std::vector<std::u16string>& pending() const { return m_pending; }

private:
    std::vector<std::u16string> m_pending;
};

} // namespace kx
