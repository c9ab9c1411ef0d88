// Resolves Windows face names to the installed faces that stand in for them
// (metric-compatible substitutes first), and hands out Cairo faces for them.
#pragma once

#include <string>
#include <string_view>

// Declared as cairo.h does, so that this header needs no Cairo include path.
typedef struct _cairo_font_face cairo_font_face_t;

namespace kx {

/// The installed family drawn for a requested face: the face itself when
/// installed, its metric-compatible substitute, or the default face; never
/// empty.
std::string ResolveFamily(std::u16string_view face);

/// Whether fontconfig knows the family itself (no substitution).
bool IsFamilyInstalled(const std::string& family);

/// The default face for an empty or unknown face name.
std::u16string_view DefaultFaceName();

/// A Cairo face for the family and style; owned by the cache, valid for the
/// life of the process.
cairo_font_face_t* CachedFontFace(const std::string& family, bool bold, bool italic);

} // namespace kx
