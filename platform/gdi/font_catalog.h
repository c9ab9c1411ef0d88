// The catalogue of installed scalable faces: their families, character sets
// and pitch, read from fontconfig once per process.
#pragma once

#include "platform/gdi/gdi_types.h"

#include <map>
#include <string>
#include <vector>

namespace kx {

struct CatalogFace {
    std::u16string name;        ///< as listed ("Arial", "@MS Gothic" ...)
    std::string family;         ///< the installed family that draws it
    std::vector<BYTE> charSets; ///< in enumeration order
    bool fixedPitch = false;
    bool vertical = false; ///< an "@" face
};

/// An installed family as fontconfig lists it.
struct InstalledFamily {
    std::vector<BYTE> charSets; ///< the sets it covers, in enumeration order
    bool fixedPitch = false;
};

/// The catalogue of these families (by family name): sorted by face name,
/// the Windows core faces added under their names when their substitute is
/// among them, each face that covers an East Asian set followed by its "@"
/// vertical face.
std::vector<CatalogFace> MakeCatalog(const std::map<std::string, InstalledFamily>& families);

/// Every scalable face, sorted by name, with each "@" vertical face right
/// after its horizontal face. Windows faces whose substitute is installed are
/// listed under their Windows names too.
const std::vector<CatalogFace>& FontCatalog();

/// The script name Windows shows for a character set ("Western" ...).
std::u16string_view ScriptName(BYTE charSet);

BYTE FirstCharSetOfFamily(const std::string& family);
bool IsFixedPitchFamily(const std::string& family);

} // namespace kx
