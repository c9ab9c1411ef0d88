// The overlay item and its per-language lists in the store.
#include "store/over_lay.h"

#include "devmode/devmode_record.h"
#include "framework/item_texts.h"
#include "framework/kromaui_app.h"
#include "platform/base/format.h"
#include "platform/base/text.h"
#include "platform/files/file_api.h"
#include "platform/shell/system_version.h"
#include "platform/spooler/spooler_api.h"
#include "store/custom_data_key.h"
#include "store/store_layout.h"
#include "store/store_operations.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace kx {
namespace {

constexpr std::array<std::u16string_view, 3> kOverlayKeys = {kOverlayKey, kSplOverlayKey,
                                                             kPclOverlayKey};
constexpr size_t kNoOverlayCapacity = 256;
constexpr int16_t kCreateOverlay = 2;
constexpr int16_t kUseOverlay = 1;
constexpr int16_t kNoOverlay = 0;
constexpr size_t kInstalledNameLimit = 255;

bool FileExists(const std::u16string& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

OverlayLanguage OverlayLanguageOf(const BYTE* devmode) {
    if (devmode == nullptr || TheApp().profile.PrinterEmulation.empty())
        return OverlayLanguage::Generic;
    return ReadNumber(devmode, FieldNamed("sDrvLang")) == 0 ? OverlayLanguage::Spl
                                                            : OverlayLanguage::Pcl;
}

std::u16string_view OverlayKeyOf(OverlayLanguage language) {
    return kOverlayKeys[static_cast<size_t>(language)];
}

COverLay::COverLay(std::u16string_view path, const BYTE* devmode)
    : m_language(OverlayLanguageOf(devmode)), m_path(path.substr(0, kOverlayPathLimit)) {}

COverLay COverLay::FromDevmode(const BYTE* devmode) {
    return COverLay(ReadText(devmode, FieldNamed("ovrFileName")), devmode);
}

COverLay COverLay::Load(int item, const BYTE* devmode) {
    COverLay overlay;
    overlay.m_item = item;
    overlay.m_language = OverlayLanguageOf(devmode);
    if (item == 0 && overlay.m_language == OverlayLanguage::Generic)
        ImportInstalledOverlays();
    CCustomDataKey key;
    key.Open(OverlayKeyOf(overlay.m_language), item, Create::No);
    overlay.m_path = key.ReadText(kOverlayPathValue);
    return overlay;
}

bool COverLay::IsValid(const BYTE* devmode) const {
    if (m_path.empty())
        return false;
    return devmode == nullptr || FileExists(m_path) ||
           ReadNumber(devmode, FieldNamed("ovrLoadCreate")) == kCreateOverlay;
}

bool COverLay::IsSelectedIn(const BYTE* devmode) const {
    return devmode != nullptr && m_path == ReadText(devmode, FieldNamed("ovrFileName"));
}

std::u16string COverLay::GetName() const {
    if (m_path.empty())
        return CommonText(u"(No Overlay)", kNoOverlayCapacity);
    const size_t slash = m_path.rfind(u'\\');
    return slash == std::u16string::npos ? m_path : m_path.substr(slash + 1);
}

bool COverLay::IsDifferent(const CCustomData& other) const {
    const auto* overlay = dynamic_cast<const COverLay*>(&other);
    return overlay == nullptr || !EqualsNoCase(m_path, overlay->m_path);
}

void COverLay::ApplyTo(BYTE* devmode) const {
    const DevmodeField& file = FieldNamed("ovrFileName");
    std::memset(devmode + file.offset, 0, file.width);
    for (size_t i = 0; i < m_path.size() && i < file.Capacity(); ++i)
        StoreU16(devmode + file.offset + 2 * i, m_path[i]);
    const DevmodeField& mode = FieldNamed("ovrLoadCreate");
    if (m_path.empty())
        WriteNumber(devmode, mode, kNoOverlay);
    else if (ReadNumber(devmode, mode) == kNoOverlay)
        WriteNumber(devmode, mode, kUseOverlay);
}

LONG COverLay::Save(int item) {
    m_item = item;
    CCustomDataKey key;
    key.Open(OverlayKeyOf(m_language), item, Create::Yes);
    key.WriteText(kOverlayPathValue.name, m_path);
    return key.Finish();
}

LONG COverLay::DeleteAll() const {
    return store::DeleteKind(OverlayKeyOf(m_language));
}

LONG COverLay::SaveCount(int count, const BYTE* devmode) const {
    if (count == 0)
        return ERROR_SUCCESS;
    const OverlayLanguage language = devmode != nullptr ? OverlayLanguageOf(devmode) : m_language;
    CCustomDataKey key;
    key.Open(OverlayKeyOf(language), CCustomDataKey::kNoItem, Create::Yes);
    key.WriteNumber(kOverlayCountValue, count);
    return key.Finish();
}

int COverLay::LoadCount(const BYTE*) const {
    CCustomDataKey key;
    key.Open(OverlayKeyOf(m_language), CCustomDataKey::kNoItem, Create::No);
    return key.ReadNumber(kOverlayCountValue);
}

std::u16string InstalledOverlayFolder() {
    std::array<WCHAR, MAX_PATH + 1> folder{};
    DWORD needed = 0;
    if (!GetPrinterDriverDirectoryW(nullptr, nullptr, 1, reinterpret_cast<LPBYTE>(folder.data()),
                                    static_cast<DWORD>(sizeof folder), &needed))
        return {};
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    const bool fourth = GetVersionExW(&version) && version.dwMajorVersion == 4;
    return std::u16string(folder.data()) + (fourth ? u"\\2\\" : u"\\3\\");
}

bool ImportInstalledOverlays() {
    {
        CCustomDataKey key;
        key.Open(kOverlayKey, CCustomDataKey::kNoItem, Create::No);
        WCHAR count[kNumberReadLimit / sizeof(WCHAR)];
        if (key.ReadText(kOverlayCountValue, count, sizeof count) && count[0] != 0)
            return false;
    }
    const std::vector<int32_t>& installed = TheApp().profile.InstalledOverlay;
    if (installed.empty())
        return false;
    const std::u16string folder = InstalledOverlayFolder();
    if (folder.empty())
        return false;
    // A model file cannot make the store hold more than a list ever reads.
    const size_t count = std::min(installed.size(), static_cast<size_t>(kMaxStoredItems));
    TextStore& settings = TheApp().settingsFile;
    for (size_t i = 0; i < count; ++i) {
        const std::u16string number = FormatText(u"%d", {installed[i]});
        const std::u16string name =
            settings.ReadTextIn(u"Overlay Install", number, kInstalledNameLimit, number);
        if (COverLay(folder + name, nullptr).Save(static_cast<int>(i)) != ERROR_SUCCESS)
            return false;
    }
    return COverLay().SaveCount(static_cast<int>(count), nullptr) == ERROR_SUCCESS;
}

LONG DeleteAllOverlayLists() {
    LONG first = ERROR_SUCCESS;
    for (const std::u16string_view key : kOverlayKeys) {
        if (const LONG status = store::DeleteKind(key); first == ERROR_SUCCESS)
            first = status;
    }
    return first;
}

} // namespace kx
