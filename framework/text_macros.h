// The "$..." macros of product texts: the version-file macros ("$Model",
// "$URL_E1" ...) and the version-resource macros of the driver information
// ("$VERSION" ...).
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace kx {

class TextStore;

/// Replaces every occurrence (case-sensitive) of each version-file macro,
/// in table order, by its value from section "Version" of `versionFile`.
/// Returns whether any macro occurred. A value is searched only for the
/// macros after its own. With a result length the expansion stops there:
/// values that hold later macros many times cannot make it grow without
/// bound.
bool ExpandMacros(std::u16string& text, TextStore& versionFile,
                  size_t resultLength = std::u16string::npos);

/// Replaces the version-resource macros ("$DESCRIPTION", "$VERSION",
/// "$COMPANY", "$COPYRIGHT", "$COMMENT") by the strings `lookup` gives for
/// their version-resource names ("FileDescription" ...).
void ExpandVersionResourceMacros(std::u16string& text,
                                 const std::function<std::u16string(std::u16string_view)>& lookup);

/// Replaces every occurrence of `macro` in `text` by `value`; returns whether
/// there was one. Text inserted is not searched again.
bool ReplaceAll(std::u16string& text, std::u16string_view macro, std::u16string_view value);

} // namespace kx
