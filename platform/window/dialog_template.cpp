// The binary dialog templates: writing the extended form and reading both the
// classic and the extended form, bounded by the size the caller knows.
#include "platform/window/dialog_template.h"

#include <cstring>

namespace kx {
namespace {

constexpr DWORD kSetFontStyles = 0x40 | 0x08; // DS_SETFONT | DS_FIXEDSYS

struct PredefinedClass {
    WORD ordinal;
    const char16_t* name;
};
constexpr PredefinedClass kPredefinedClasses[] = {
    {0x0080, u"Button"},  {0x0081, u"Edit"},      {0x0082, u"Static"},
    {0x0083, u"ListBox"}, {0x0084, u"ScrollBar"}, {0x0085, u"ComboBox"},
};

class Writer {
public:
    void Word(WORD value) { Append(&value, sizeof value); }
    void Dword(DWORD value) { Append(&value, sizeof value); }
    void Short(short value) { Append(&value, sizeof value); }
    void Byte(BYTE value) { Append(&value, sizeof value); }
    void Text(std::u16string_view text) {
        for (char16_t c : text)
            Word(c);
        Word(0);
    }
    void Align() {
        while (m_bytes.size() % 4)
            m_bytes.push_back(0);
    }
    std::vector<DWORD> Finish() {
        Align();
        std::vector<DWORD> words(m_bytes.size() / 4);
        std::memcpy(words.data(), m_bytes.data(), m_bytes.size());
        return words;
    }

private:
    void Append(const void* data, size_t size) {
        const auto* bytes = static_cast<const BYTE*>(data);
        m_bytes.insert(m_bytes.end(), bytes, bytes + size);
    }
    std::vector<BYTE> m_bytes;
};

class Reader {
public:
    Reader(const void* data, size_t size) : m_data(static_cast<const BYTE*>(data)), m_size(size) {}

    bool Ok() const { return m_ok; }
    template <typename T>
    T Read() {
        T value{};
        if (m_offset + sizeof(T) > m_size) {
            m_ok = false;
            return value;
        }
        std::memcpy(&value, m_data + m_offset, sizeof(T));
        m_offset += sizeof(T);
        return value;
    }
    std::u16string Text() {
        std::u16string text;
        while (m_ok) {
            const WORD c = Read<WORD>();
            if (!m_ok || c == 0)
                break;
            text.push_back(static_cast<char16_t>(c));
        }
        return text;
    }
    /// A name-or-ordinal field: an empty text, an ordinal, or a text.
    std::u16string NameOrOrdinal(WORD* ordinal) {
        const WORD first = Read<WORD>();
        if (first == 0)
            return {};
        if (first == 0xFFFF) {
            const WORD value = Read<WORD>();
            if (ordinal)
                *ordinal = value;
            return {};
        }
        m_offset -= sizeof(WORD);
        return Text();
    }
    void Skip(size_t count) {
        if (m_offset + count > m_size)
            m_ok = false;
        else
            m_offset += count;
    }
    void Align() { Skip((4 - m_offset % 4) % 4); }

private:
    const BYTE* m_data;
    size_t m_size;
    size_t m_offset = 0;
    bool m_ok = true;
};

std::u16string ClassOfOrdinal(WORD ordinal) {
    for (const auto& entry : kPredefinedClasses) {
        if (entry.ordinal == ordinal)
            return entry.name;
    }
    return {};
}

// Position and size in dialog units, as both template forms store them.
template <typename Placed>
void ReadPlacement(Reader& reader, Placed& placed) {
    placed.x = reader.Read<short>();
    placed.y = reader.Read<short>();
    placed.cx = reader.Read<short>();
    placed.cy = reader.Read<short>();
}

std::u16string ReadClass(Reader& reader) {
    WORD ordinal = 0;
    std::u16string name = reader.NameOrOrdinal(&ordinal);
    return ordinal ? ClassOfOrdinal(ordinal) : name;
}

void ReadItemText(Reader& reader, DialogItem& item) {
    item.text = reader.NameOrOrdinal(&item.textOrdinal);
    const WORD extraBytes = reader.Read<WORD>();
    reader.Skip(extraBytes);
}

std::optional<DialogTemplate> DecodeExtended(Reader& reader) {
    DialogTemplate dialog;
    reader.Read<DWORD>(); // version and signature
    dialog.helpId = reader.Read<DWORD>();
    dialog.exStyle = reader.Read<DWORD>();
    dialog.style = reader.Read<DWORD>();
    const WORD count = reader.Read<WORD>();
    ReadPlacement(reader, dialog);
    reader.NameOrOrdinal(nullptr); // menu: dialogs here have none
    dialog.className = ReadClass(reader);
    dialog.caption = reader.Text();
    if (dialog.style & kSetFontStyles) {
        dialog.pointSize = reader.Read<WORD>();
        dialog.weight = reader.Read<WORD>();
        dialog.italic = reader.Read<BYTE>();
        dialog.charset = reader.Read<BYTE>();
        dialog.typeface = reader.Text();
    }
    for (WORD i = 0; i < count && reader.Ok(); ++i) {
        reader.Align();
        DialogItem item;
        item.helpId = reader.Read<DWORD>();
        item.exStyle = reader.Read<DWORD>();
        item.style = reader.Read<DWORD>();
        ReadPlacement(reader, item);
        item.id = reader.Read<DWORD>();
        item.className = ReadClass(reader);
        ReadItemText(reader, item);
        dialog.items.push_back(std::move(item));
    }
    if (!reader.Ok())
        return std::nullopt;
    return dialog;
}

std::optional<DialogTemplate> DecodeClassic(Reader& reader) {
    DialogTemplate dialog;
    dialog.style = reader.Read<DWORD>();
    dialog.exStyle = reader.Read<DWORD>();
    const WORD count = reader.Read<WORD>();
    ReadPlacement(reader, dialog);
    reader.NameOrOrdinal(nullptr);
    dialog.className = ReadClass(reader);
    dialog.caption = reader.Text();
    if (dialog.style & kSetFontStyles) {
        dialog.pointSize = reader.Read<WORD>();
        dialog.typeface = reader.Text();
    }
    for (WORD i = 0; i < count && reader.Ok(); ++i) {
        reader.Align();
        DialogItem item;
        item.style = reader.Read<DWORD>();
        item.exStyle = reader.Read<DWORD>();
        ReadPlacement(reader, item);
        item.id = reader.Read<WORD>();
        item.className = ReadClass(reader);
        ReadItemText(reader, item);
        dialog.items.push_back(std::move(item));
    }
    if (!reader.Ok())
        return std::nullopt;
    return dialog;
}

void WriteClass(Writer& writer, const std::u16string& name) {
    for (const auto& entry : kPredefinedClasses) {
        if (name.size() == std::char_traits<char16_t>::length(entry.name) &&
            std::equal(name.begin(), name.end(), entry.name,
                       [](char16_t a, char16_t b) { return (a | 0x20) == (b | 0x20); })) {
            writer.Word(0xFFFF);
            writer.Word(entry.ordinal);
            return;
        }
    }
    writer.Text(name);
}

} // namespace

std::vector<DWORD> EncodeDialogTemplate(const DialogTemplate& dialog) {
    Writer writer;
    writer.Word(1);
    writer.Word(0xFFFF);
    writer.Dword(dialog.helpId);
    writer.Dword(dialog.exStyle);
    writer.Dword(dialog.style);
    writer.Word(static_cast<WORD>(dialog.items.size()));
    writer.Short(dialog.x);
    writer.Short(dialog.y);
    writer.Short(dialog.cx);
    writer.Short(dialog.cy);
    writer.Word(0);
    if (dialog.className.empty())
        writer.Word(0);
    else
        writer.Text(dialog.className);
    writer.Text(dialog.caption);
    if (dialog.style & kSetFontStyles) {
        writer.Word(dialog.pointSize);
        writer.Word(dialog.weight);
        writer.Byte(dialog.italic);
        writer.Byte(dialog.charset);
        writer.Text(dialog.typeface);
    }
    for (const auto& item : dialog.items) {
        writer.Align();
        writer.Dword(item.helpId);
        writer.Dword(item.exStyle);
        writer.Dword(item.style);
        writer.Short(item.x);
        writer.Short(item.y);
        writer.Short(item.cx);
        writer.Short(item.cy);
        writer.Dword(item.id);
        WriteClass(writer, item.className);
        if (item.textOrdinal) {
            writer.Word(0xFFFF);
            writer.Word(item.textOrdinal);
        } else {
            writer.Text(item.text);
        }
        writer.Word(0);
    }
    return writer.Finish();
}

std::optional<DialogTemplate> DecodeDialogTemplate(const void* data, size_t size) {
    if (!data || size < 4)
        return std::nullopt;
    Reader reader(data, size);
    WORD head[2];
    std::memcpy(head, data, sizeof head);
    if (head[0] == 1 && head[1] == 0xFFFF)
        return DecodeExtended(reader);
    return DecodeClassic(reader);
}

} // namespace kx
