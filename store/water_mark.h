// CWaterMark: a text printed across the page, stored under "Watermark Data";
// the text is also its name.
#pragma once

#include "framework/kx_list_controls.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kx {

/// Characters of a watermark's text and face, without the terminator.
constexpr size_t kWatermarkTextLimit = 512;
constexpr size_t kWatermarkFaceLimit = 32;

/// A watermark's settings, as the editor and the device mode hold them.
struct WatermarkValues {
    int32_t weight = 0;
    uint32_t colour = 0;
    int16_t size = 0;
    int16_t angle = 0; ///< whole degrees
    int32_t italic = 0;
    int32_t firstPageOnly = 0;
    std::u16string text;
    std::u16string face;
};

class CWaterMark : public CCustomData {
public:
    /// The placeholder: every field zero, both texts empty.
    CWaterMark() = default;
    /// The texts are cut to their limits.
    explicit CWaterMark(WatermarkValues values);
    /// The watermark the device mode carries.
    static CWaterMark FromDevmode(const BYTE* devmode);
    /// Watermark `item` of the store. Loading item 0 of a store that never
    /// held a watermark list first copies in the model's built-in ones.
    static CWaterMark Load(int item);

    bool IsValid(const BYTE* devmode) const override;
    /// The item's text begins with the device mode's watermark text.
    bool IsSelectedIn(const BYTE* devmode) const override;
    std::u16string GetName() const override;
    bool IsDifferent(const CCustomData& other) const override;
    void ApplyTo(BYTE* devmode) const override;
    /// Also writes "CSet", the character set the system gives the face.
    LONG Save(int item) override;
    LONG DeleteAll() const override;
    /// Writes "WMNum", 0 included: an empty list is not imported again.
    LONG SaveCount(int count, const BYTE* devmode) const override;
    int LoadCount(const BYTE* devmode) const override;

    const WatermarkValues& values() const { return m_values; }

private:
    WatermarkValues m_values;
};

/// Copies the model's built-in watermarks into the store when it has never
/// held a watermark list ("WMNum" absent or empty). True when it did.
bool ImportBuiltInWatermarks();

} // namespace kx
