// Small helpers for tests that build device modes field by field and give
// the resolver a profile and printer names of their own.
#pragma once

#include "devmode/devmode_record.h"
#include "devmode/resolver_texts.h"

#include <array>
#include <map>
#include <string>

namespace kxtest {

/// A zeroed 3,555-byte record with fields set by name.
class Record {
public:
    Record() { m_bytes.fill(0); }
    Record& Set(std::string_view name, int64_t value) {
        kx::WriteNumber(m_bytes.data(), Field(name), value);
        return *this;
    }
    int64_t Get(std::string_view name) const { return kx::ReadNumber(m_bytes.data(), Field(name)); }
    Record& SetText(std::string_view name, std::u16string_view text) {
        kx::WriteText(m_bytes.data(), Field(name), text);
        return *this;
    }
    BYTE* data() { return m_bytes.data(); }
    const BYTE* data() const { return m_bytes.data(); }
    bool operator==(const Record& other) const { return m_bytes == other.m_bytes; }

    static const kx::DevmodeField& Field(std::string_view name) {
        const kx::DevmodeField* field = kx::FindDevmodeField(name);
        if (field == nullptr)
            std::abort();
        return *field;
    }

private:
    std::array<BYTE, kx::kDevmodeSize> m_bytes;
};

/// Printer names from fixed tables; the string file gives the defaults.
class FakeResolverTexts : public kx::ResolverTexts {
public:
    std::map<int32_t, std::u16string> papers{
        {1, u"Letter"}, {5, u"Legal"}, {8, u"A3"}, {9, u"A4"}, {20, u"Env #10"}};
    std::map<int32_t, std::u16string> media{
        {1, u"Plain"}, {2, u"Thick"}, {3, u"Transparency"}, {8, u"Envelope"}};
    std::map<int32_t, std::u16string> trays{
        {1, u" Tray 1"}, {2, u" Tray 2"}, {4, u" Manual Feed"}, {7, u" Automatically Select"}};
    std::map<std::u16string, std::u16string> strings; // "section|key" -> text
    bool localPrintingOnly = false;

    std::u16string PaperName(const BYTE*, int32_t paper) override { return Find(papers, paper); }
    std::u16string MediaName(const BYTE*, int32_t number) override { return Find(media, number); }
    std::u16string TrayName(const BYTE*, int32_t tray) override { return Find(trays, tray); }
    std::u16string StringText(std::u16string_view section, std::u16string_view key,
                              std::u16string_view defaultText, size_t) override {
        const auto it = strings.find(std::u16string(section) + u"|" + std::u16string(key));
        return it == strings.end() ? std::u16string(defaultText) : it->second;
    }
    bool LocalPrintingOnly() override { return localPrintingOnly; }

private:
    static std::u16string Find(const std::map<int32_t, std::u16string>& names, int32_t number) {
        const auto it = names.find(number);
        return it == names.end() ? std::u16string() : it->second;
    }
};

} // namespace kxtest
