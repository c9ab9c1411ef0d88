// The TrueType face list of text marks.
#include "framework/face_combo_box.h"

#include "platform/base/text.h"
#include "platform/gdi/gdi.h"
#include "platform/window/paint_api.h"
#include "platform/window/window_api.h"

namespace kx {
namespace {

constexpr std::u16string_view kDefaultFace = u"Arial";

int CALLBACK CollectFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD fontType, LPARAM data) {
    auto* reports = reinterpret_cast<std::vector<FontFaceReport>*>(data);
    if (font != nullptr)
        reports->push_back(
            {TextFromField(font->lfFaceName, LF_FACESIZE), font->lfCharSet, fontType});
    return 1;
}

} // namespace

std::vector<FaceEntry> CFaceComboBox::FaceEntries(std::span<const FontFaceReport> reports,
                                                  BYTE dialogCharSet) {
    std::vector<FaceEntry> entries;
    std::u16string_view previous;
    bool havePrevious = false;
    for (const FontFaceReport& report : reports) {
        if ((report.fontType & TRUETYPE_FONTTYPE) == 0 || report.name.empty())
            continue;
        const bool sameCharSet = report.charSet == dialogCharSet;
        if (havePrevious && report.name == previous) {
            if (sameCharSet && !report.name.starts_with(u'@'))
                entries.back().usable = true;
            continue;
        }
        entries.push_back({report.name, sameCharSet && !report.name.starts_with(u'@')});
        previous = entries.back().name;
        havePrevious = true;
    }
    return entries;
}

std::vector<FontFaceReport> CFaceComboBox::InstalledFaces() {
    std::vector<FontFaceReport> reports;
    const HDC dc = CreateCompatibleDC(nullptr);
    LOGFONTW all{};
    all.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExW(dc, &all, CollectFace, reinterpret_cast<LPARAM>(&reports), 0);
    DeleteDC(dc);
    return reports;
}

BYTE CFaceComboBox::DialogCharSet(HWND dialog) {
    const HDC dc = CreateCompatibleDC(nullptr);
    const auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    const HGDIOBJ previous = font != nullptr ? SelectObject(dc, font) : nullptr;
    const int charSet = GetTextCharset(dc);
    if (previous != nullptr)
        SelectObject(dc, previous);
    DeleteDC(dc);
    return charSet < 0 ? ANSI_CHARSET : static_cast<BYTE>(charSet);
}

int CFaceComboBox::Fill(HWND dialog) {
    const auto entries = FaceEntries(InstalledFaces(), DialogCharSet(dialog));
    return Fill(entries);
}

int CFaceComboBox::Fill(std::span<const FaceEntry> entries) {
    ResetContent();
    int added = 0;
    for (const FaceEntry& entry : entries) {
        const int position =
            AddItem(entry.name, entry.usable ? kUsable : kUnusable,
                    entry.usable ? Availability::Available : Availability::Unavailable);
        if (position >= 0)
            ++added;
    }
    return added;
}

int CFaceComboBox::FindFace(std::u16string_view name) const {
    const int count = GetCount();
    for (int i = 0; i < count; ++i) {
        if (GetLBText(i) == name)
            return i;
    }
    return -1;
}

int CFaceComboBox::SelectFace(std::u16string_view name) {
    const int found = FindFace(name);
    const int position = found >= 0 ? found : (GetCount() > 0 ? 0 : -1);
    SetCurSel(position);
    return position;
}

int CFaceComboBox::SelectDefaultFace() {
    int position = FindFace(kDefaultFace);
    if (position < 0 || !IsAvailable(position)) {
        position = -1;
        for (int i = 0; i < GetCount() && position < 0; ++i) {
            if (IsAvailable(i))
                position = i;
        }
    }
    if (position < 0 && GetCount() > 0)
        position = 0;
    SetCurSel(position);
    return position;
}

std::u16string CFaceComboBox::SelectedFace() const {
    const int selected = GetCurSel();
    return selected >= 0 ? GetLBText(selected) : std::u16string();
}

} // namespace kx
