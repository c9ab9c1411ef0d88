// CCustomPaper: a paper size of the user's own, stored under "Custom Paper
// Data" and offered as paper code 257 + its item number.
#pragma once

#include "framework/kx_list_controls.h"
#include "framework/length_unit.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kx {

/// The first paper code of the user's custom papers.
constexpr int32_t kFirstCustomPaperCode = 257;
/// Characters of a custom paper's name, without the terminator.
constexpr size_t kCustomPaperNameLimit = 32;

class CCustomPaper : public CCustomData {
public:
    /// An empty paper (a new item).
    CCustomPaper() = default;
    /// A paper as the editor's controls hold it; the name is cut to 32
    /// characters.
    CCustomPaper(std::u16string_view name, int32_t width, int32_t height, LengthUnit unit);
    /// Paper `item` of the store; an item without a readable name loads
    /// with no size (and is then not valid).
    static CCustomPaper Load(int item);

    bool IsValid(const BYTE* devmode) const override;
    bool IsSelectedIn(const BYTE* devmode) const override;
    std::u16string GetName() const override { return m_name; }
    bool IsDifferent(const CCustomData& other) const override;
    void ApplyTo(BYTE* devmode) const override;
    LONG Save(int item) override;
    LONG DeleteAll() const override;
    /// Writes "CPNum", but only a count that is not 0.
    LONG SaveCount(int count, const BYTE* devmode) const override;
    int LoadCount(const BYTE* devmode) const override;

    int32_t width() const { return m_width; }
    int32_t height() const { return m_height; }
    LengthUnit unit() const { return m_unit; }
    /// The paper code the paper is offered as; meaningful once it has an item number.
    int32_t PaperCode() const { return kFirstCustomPaperCode + m_item; }

private:
    LengthUnit m_unit = LengthUnit::Millimetre;
    int32_t m_width = 0;
    int32_t m_height = 0;
    std::u16string m_name;
};

} // namespace kx
