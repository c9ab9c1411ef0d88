// Where the conflict rules take the names and words they show: the
// printer's paper, media and tray names, and texts of the model's string file.
#pragma once

#include "platform/base/win_types.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace kx {

/// The capacity of a string-file text the rules read, terminator included.
constexpr size_t kStringTextCapacity = 256;

class ResolverTexts {
public:
    virtual ~ResolverTexts() = default;

    /// The spooler's name of a paper, media or tray for the printer and the
    /// given device mode (its installed options decide the tray names);
    /// empty when the printer does not list the number.
    virtual std::u16string PaperName(const BYTE* devmode, int32_t paper) = 0;
    virtual std::u16string MediaName(const BYTE* devmode, int32_t media) = 0;
    virtual std::u16string TrayName(const BYTE* devmode, int32_t tray) = 0;

    /// A text of the string file (at most capacity - 1 code units), or the
    /// default when the key is absent.
    virtual std::u16string StringText(std::u16string_view section, std::u16string_view key,
                                      std::u16string_view defaultText, size_t capacity) = 0;

    /// Whether the printer may only print locally: the system is Windows NT
    /// 4.0 or the printer is connected through a network port.
    virtual bool LocalPrintingOnly() = 0;
};

/// Texts for callers without a printer: no names, the built-in texts, and
/// no local-printing restriction.
class BuiltInResolverTexts : public ResolverTexts {
public:
    std::u16string PaperName(const BYTE*, int32_t) override { return {}; }
    std::u16string MediaName(const BYTE*, int32_t) override { return {}; }
    std::u16string TrayName(const BYTE*, int32_t) override { return {}; }
    std::u16string StringText(std::u16string_view, std::u16string_view,
                              std::u16string_view defaultText, size_t) override {
        return std::u16string(defaultText);
    }
    bool LocalPrintingOnly() override { return false; }
};

} // namespace kx
