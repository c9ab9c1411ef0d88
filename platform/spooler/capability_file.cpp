// The capability file parser.
#include "platform/spooler/capability_file.h"

#include "platform/base/standard_papers.h"
#include "platform/base/text.h"
#include "platform/spooler/device_capabilities.h"

#include <algorithm>
#include <optional>

namespace kx {
namespace {

constexpr size_t kMaxEntries = 256;
constexpr LONG kMaxLength = 100000;
constexpr size_t kMaxName = 256;

enum class Section {
    None,
    Papers,
    Bins,
    MediaTypes,
    OutputBins,
    Resolutions,
    Settings,
    UserPapers
};

struct SectionName {
    std::u16string_view name;
    Section section;
};

constexpr SectionName kSections[] = {
    {u"Papers", Section::Papers},           {u"Bins", Section::Bins},
    {u"MediaTypes", Section::MediaTypes},   {u"OutputBins", Section::OutputBins},
    {u"Resolutions", Section::Resolutions}, {u"Settings", Section::Settings},
    {u"UserPapers", Section::UserPapers},
};

// The names of the user paper source, with the member each one fills.
struct UserPaperField {
    std::u16string_view name;
    std::u16string UserPaperSource::*member;
};

constexpr UserPaperField kUserPaperFields[] = {
    {u"Key", &UserPaperSource::key},       {u"Count", &UserPaperSource::count},
    {u"Name", &UserPaperSource::name},     {u"Width", &UserPaperSource::width},
    {u"Length", &UserPaperSource::length},
};

enum class Shape { Number, Pair };

struct SettingName {
    std::u16string_view name;
    WORD capability;
    Shape shape;
};

constexpr SettingName kSettings[] = {
    {u"Duplex", DC_DUPLEX, Shape::Number},
    {u"Copies", DC_COPIES, Shape::Number},
    {u"Collate", DC_COLLATE, Shape::Number},
    {u"Color", DC_COLORDEVICE, Shape::Number},
    {u"Orientation", DC_ORIENTATION, Shape::Number},
    {u"Staple", DC_STAPLE, Shape::Number},
    {u"PrinterMemory", DC_PRINTERMEM, Shape::Number},
    {u"PagesPerMinute", DC_PRINTRATEPPM, Shape::Number},
    {u"TrueType", DC_TRUETYPE, Shape::Number},
    {u"DriverVersion", DC_DRIVER, Shape::Number},
    {u"DriverExtra", DC_EXTRA, Shape::Number},
    {u"MinExtent", DC_MINEXTENT, Shape::Pair},
    {u"MaxExtent", DC_MAXEXTENT, Shape::Pair},
};

// Drops a comment: ';' outside double quotes ends the line.
std::u16string_view StripComment(std::u16string_view line) {
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == u'"')
            quoted = !quoted;
        else if (line[i] == u';' && !quoted)
            return line.substr(0, i);
    }
    return line;
}

// Splits at commas outside quotes; quoted fields lose their quotes and keep
// their blanks, others are trimmed.
std::vector<std::u16string> SplitFields(std::u16string_view value) {
    std::vector<std::u16string> fields;
    std::u16string current;
    bool quoted = false;
    bool wasQuoted = false;
    auto finish = [&] {
        fields.push_back(wasQuoted ? current : std::u16string(TrimBlanks(current)));
        current.clear();
        wasQuoted = false;
    };
    for (char16_t c : value) {
        if (c == u'"') {
            quoted = !quoted;
            if (quoted) {
                current.clear(); // blanks before an opening quote do not count
                wasQuoted = true;
            }
        } else if (c == u',' && !quoted) {
            finish();
        } else if (quoted || !wasQuoted) {
            current += c;
        }
    }
    finish();
    return fields;
}

std::optional<LONG> ParseNumber(std::u16string_view text, LONG low, LONG high) {
    text = TrimBlanks(text);
    if (text.empty())
        return std::nullopt;
    int64_t value = 0;
    size_t start = text.front() == u'-' ? 1 : 0;
    if (start == text.size())
        return std::nullopt;
    for (size_t i = start; i < text.size(); ++i) {
        if (text[i] < u'0' || text[i] > u'9')
            return std::nullopt;
        value = std::min<int64_t>(value * 10 + (text[i] - u'0'), int64_t{1} << 40);
    }
    if (start == 1)
        value = -value;
    if (value < low || value > high)
        return std::nullopt;
    return static_cast<LONG>(value);
}

std::u16string BoundedName(std::u16string name) {
    if (name.size() > kMaxName)
        name.resize(kMaxName);
    return name;
}

template <typename T, typename Id>
bool HasId(const std::vector<T>& items, Id id) {
    return std::any_of(items.begin(), items.end(), [id](const T& item) { return item.id == id; });
}

class Parser {
public:
    void Line(std::u16string_view raw) {
        const std::u16string_view trimmed = TrimBlanks(raw);
        if (!trimmed.empty() && trimmed.front() == u'#')
            return;
        const std::u16string_view line = TrimBlanks(StripComment(trimmed));
        if (line.empty())
            return;
        if (line.front() == u'[') {
            StartSection(line);
            return;
        }
        const size_t equals = line.find(u'=');
        const auto key = TrimBlanks(line.substr(0, equals));
        const auto value =
            equals == std::u16string_view::npos ? std::u16string_view() : line.substr(equals + 1);
        Entry(key, value, equals != std::u16string_view::npos);
    }

    CapabilityFile Take() {
        // A source that does not name every value cannot be read.
        if (m_file.userPapers) {
            const auto& source = *m_file.userPapers;
            if (source.key.empty() || source.count.empty() || source.name.empty() ||
                source.width.empty() || source.length.empty())
                m_file.userPapers.reset();
        }
        return std::move(m_file);
    }

private:
    void StartSection(std::u16string_view line) {
        m_section = Section::None;
        const size_t close = line.find(u']');
        if (close == std::u16string_view::npos)
            return;
        const auto name = TrimBlanks(line.substr(1, close - 1));
        for (const auto& known : kSections) {
            if (EqualsNoCase(known.name, name))
                m_section = known.section;
        }
    }

    void Entry(std::u16string_view key, std::u16string_view value, bool hasValue) {
        switch (m_section) {
        case Section::Papers:
            Paper(key, value);
            break;
        case Section::Bins:
            Item(m_file.bins, key, value, hasValue, 0xFFFF);
            break;
        case Section::MediaTypes:
            Item(m_file.mediaTypes, key, value, hasValue, 0x7FFFFFFF);
            break;
        case Section::OutputBins:
            Item(m_file.outputBins, key, value, hasValue, 0xFFFF);
            break;
        case Section::Resolutions:
            if (!hasValue)
                Resolution(key);
            break;
        case Section::Settings:
            Setting(key, value);
            break;
        case Section::UserPapers:
            UserPaper(key, value);
            break;
        case Section::None:
            break;
        }
    }

    void Paper(std::u16string_view key, std::u16string_view value) {
        const auto id = ParseNumber(key, 1, 0xFFFF);
        if (!id || HasId(m_file.papers, static_cast<WORD>(*id)) ||
            m_file.papers.size() >= kMaxEntries)
            return;
        const auto fields = SplitFields(value);
        const StandardPaper* standard = FindStandardPaper(static_cast<int32_t>(*id));
        CapabilityPaper paper{static_cast<WORD>(*id), BoundedName(fields[0]), 0, 0};
        if (fields.size() >= 3) {
            const auto width = ParseNumber(fields[1], 1, kMaxLength);
            const auto length = ParseNumber(fields[2], 1, kMaxLength);
            if (!width || !length)
                return;
            paper.width = *width;
            paper.length = *length;
        } else if (standard != nullptr && fields.size() == 1) {
            paper.width = standard->width;
            paper.length = standard->length;
        } else {
            return;
        }
        if (paper.name.empty()) {
            if (standard == nullptr)
                return;
            paper.name = std::u16string(standard->name);
        }
        m_file.papers.push_back(std::move(paper));
    }

    static void Item(std::vector<CapabilityItem>& items, std::u16string_view key,
                     std::u16string_view value, bool hasValue, LONG highest) {
        const auto id = ParseNumber(key, 1, highest);
        if (!hasValue || !id || HasId(items, static_cast<DWORD>(*id)) ||
            items.size() >= kMaxEntries)
            return;
        const auto fields = SplitFields(value);
        if (fields.size() != 1 || fields[0].empty())
            return;
        items.push_back({static_cast<DWORD>(*id), BoundedName(fields[0])});
    }

    void Resolution(std::u16string_view line) {
        if (m_file.resolutions.size() >= kMaxEntries)
            return;
        const size_t cross = std::min(line.find(u'x'), line.find(u'X'));
        const auto x = ParseNumber(line.substr(0, cross), 1, 100000);
        const auto y =
            cross == std::u16string_view::npos ? x : ParseNumber(line.substr(cross + 1), 1, 100000);
        if (x && y)
            m_file.resolutions.push_back({*x, *y});
    }

    void UserPaper(std::u16string_view key, std::u16string_view value) {
        const auto fields = SplitFields(value);
        if (fields.size() != 1 || fields[0].empty() || fields[0].size() > kMaxName)
            return;
        if (!m_file.userPapers)
            m_file.userPapers.emplace();
        if (EqualsNoCase(key, u"FirstId")) {
            if (const auto id = ParseNumber(fields[0], 1, 0xFFFF))
                m_file.userPapers->firstId = static_cast<WORD>(*id);
            return;
        }
        for (const auto& field : kUserPaperFields) {
            if (EqualsNoCase(field.name, key))
                (*m_file.userPapers).*field.member = fields[0];
        }
    }

    void Setting(std::u16string_view key, std::u16string_view value) {
        for (const auto& known : kSettings) {
            if (!EqualsNoCase(known.name, key))
                continue;
            const bool present = std::any_of(
                m_file.settings.begin(), m_file.settings.end(),
                [&](const CapabilitySetting& s) { return s.capability == known.capability; });
            if (present)
                return;
            const auto fields = SplitFields(value);
            if (known.shape == Shape::Number && fields.size() == 1) {
                if (const auto number = ParseNumber(fields[0], -0x7FFFFFFF, 0x7FFFFFFF))
                    m_file.settings.push_back({known.capability, *number});
            } else if (known.shape == Shape::Pair && fields.size() == 2) {
                const auto low = ParseNumber(fields[0], 0, 0xFFFF);
                const auto high = ParseNumber(fields[1], 0, 0xFFFF);
                if (low && high)
                    m_file.settings.push_back(
                        {known.capability,
                         MAKELONG(static_cast<WORD>(*low), static_cast<WORD>(*high))});
            }
            return;
        }
    }

    Section m_section = Section::None;
    CapabilityFile m_file;
};

} // namespace

std::u16string DecodeModelText(std::string_view bytes) {
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        std::u16string text;
        text.reserve(bytes.size() / 2);
        for (size_t i = 2; i + 1 < bytes.size(); i += 2)
            text.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                                 (static_cast<unsigned char>(bytes[i + 1]) << 8)));
        return text;
    }
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    return IsValidUtf8(bytes) ? Utf8ToUtf16(bytes) : Cp1252ToUtf16(bytes);
}

CapabilityFile ParseCapabilityFile(std::string_view bytes) {
    const std::u16string text = DecodeModelText(bytes);
    Parser parser;
    std::u16string_view rest(text);
    while (!rest.empty()) {
        const size_t end = rest.find_first_of(u"\r\n");
        parser.Line(rest.substr(0, end));
        if (end == std::u16string_view::npos)
            break;
        rest.remove_prefix(end + 1);
    }
    return parser.Take();
}

} // namespace kx
