// The application object: start-up and the model-file rules.
#include "framework/kromaui_app.h"

#include "framework/language_code.h"
#include "framework/text_macros.h"
#include "platform/base/format.h"
#include "platform/base/text.h"
#include "platform/windows.h"

#include <vector>

namespace kx {
namespace {

constexpr DWORD kModulePathCapacity = 260;
constexpr size_t kLanguageValueCapacity = 16;
constexpr std::u16string_view kUserKeyRoot = u"SOFTWARE\\Velmora\\";
constexpr std::u16string_view kScriptFolder = u"\\Tovaris\\PrinterScripts\\";
constexpr int kDriverInformationLines = 10;

bool FileExists(const std::u16string& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Keeps a printer open for the length of one query.
class PrinterHandle {
public:
    explicit PrinterHandle(std::u16string_view name) {
        std::u16string terminated(name);
        if (!terminated.empty() && !OpenPrinterW(terminated.data(), &m_handle, nullptr))
            m_handle = nullptr;
    }
    ~PrinterHandle() {
        if (m_handle != nullptr)
            ClosePrinter(m_handle);
    }
    PrinterHandle(const PrinterHandle&) = delete;
    PrinterHandle& operator=(const PrinterHandle&) = delete;

    HANDLE get() const { return m_handle; }

private:
    HANDLE m_handle = nullptr;
};

std::u16string PrinterNameOf(const DEVMODEW* devmode) {
    return devmode == nullptr ? std::u16string()
                              : TextFromField(devmode->dmDeviceName, CCHDEVICENAME);
}

} // namespace

namespace {
// Made on first use and released by the module's unload code, which may run
// after the library's static objects are gone.
CKROMAUIApp* g_app = nullptr;
} // namespace

CKROMAUIApp& TheApp() {
    if (g_app == nullptr)
        g_app = new CKROMAUIApp;
    return *g_app;
}

void ReleaseTheApp() {
    delete g_app;
    g_app = nullptr;
}

CKROMAUIApp::CKROMAUIApp() {
    stringFile.SetMacroSource(&versionFile);
    settingsFile.SetMacroSource(&versionFile);
}

CKROMAUIApp::~CKROMAUIApp() {
    ExitInstance();
}

BOOL CKROMAUIApp::InitInstance() {
    LoadImageLibrary();

    WCHAR modulePath[kModulePathCapacity] = {};
    GetModuleFileNameW(m_instance, modulePath, kModulePathCapacity);
    modulePath[kModulePathCapacity - 1] = 0;
    names = SplitModulePath(modulePath);

    ChooseModelFiles(UserLanguageCode());
    stringFile.SetFile(modelStem + u".DAT", ClearReadOnly::Yes);
    helpFilePath = modelStem + u".HLP";
    settingsFile.SetFile(names.moduleDirectory + names.moduleBaseName + u".INI", ClearReadOnly::No);

    profile.SetFiles(settingsFile.file(), stringFile.file());
    profile.ReadProfile();

    const std::u16string resourcePath = names.moduleDirectory + names.moduleBaseName + u"2.dll";
    resourceLibrary = LoadLibraryW(resourcePath.c_str());
    return TRUE;
}

int CKROMAUIApp::ExitInstance() {
    if (imageLibrary != nullptr)
        FreeLibrary(imageLibrary);
    if (resourceLibrary != nullptr)
        FreeLibrary(resourceLibrary);
    imageLibrary = nullptr;
    resourceLibrary = nullptr;
    transparentBlt = nullptr;
    return 0;
}

void CKROMAUIApp::LoadImageLibrary() {
    // Windows NT 4.0 and 4.10 have no image library.
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (GetVersionExW(&version) && version.dwMajorVersion == 4 &&
        (version.dwMinorVersion == 0 || version.dwMinorVersion == 10))
        return;
    imageLibrary = LoadLibraryW(u"MSIMG32.DLL");
    if (imageLibrary != nullptr)
        transparentBlt = reinterpret_cast<TransparentBltProc>(
            reinterpret_cast<void*>(GetProcAddress(imageLibrary, "TransparentBlt")));
}

void CKROMAUIApp::ChooseModelFiles(std::u16string_view languageCode) {
    const std::u16string& folder = names.moduleDirectory;
    modelStem = folder + names.driverBaseName + std::u16string(languageCode);
    if (FileExists(modelStem + u".DAT"))
        return;
    modelStem = folder + names.driverBaseName + u"EN";
    if (FileExists(modelStem + u".DAT"))
        return;
    modelStem = folder + names.moduleBaseName;
}

std::u16string CKROMAUIApp::UserLanguageCode() const {
    const std::u16string keyPath = std::u16string(kUserKeyRoot) + names.driverBaseName;
    HKEY key = nullptr;
    WCHAR code[kLanguageValueCapacity] = {};
    if (RegOpenKeyExW(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
        DWORD type = 0;
        DWORD size = sizeof code - sizeof(WCHAR); // keep room for a terminator
        if (RegQueryValueExW(key, u"DrvCntCode", nullptr, &type, reinterpret_cast<BYTE*>(code),
                             &size) != ERROR_SUCCESS ||
            type != REG_SZ)
            code[0] = 0;
        RegCloseKey(key);
    }
    // The code becomes part of a file name: anything but a known code (a
    // path that climbs out of the driver folder) counts as absent.
    std::u16string value = TextFromField(code, kLanguageValueCapacity);
    if (IsLanguageCode(value))
        return value;

    value = std::u16string(LanguageCode(GetUserDefaultLangID()));
    if (RegCreateKeyExW(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) == ERROR_SUCCESS) {
        RegSetValueExW(key, u"DrvCntCode", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(WCHAR)));
        RegCloseKey(key);
    }
    return value;
}

std::u16string CKROMAUIApp::ModelStringFilePath(const DEVMODEW* devmode,
                                                std::u16string_view printerName,
                                                std::u16string_view extension) const {
    std::u16string result = modelStem + std::u16string(extension);
    const PrinterHandle printer(printerName.empty() ? PrinterNameOf(devmode) : printerName);
    if (printer.get() == nullptr)
        return result;

    DWORD scriptPath = 0;
    DWORD type = 0;
    DWORD needed = 0;
    if (GetPrinterDataW(printer.get(), const_cast<LPWSTR>(u"SCRIPT_PATH"), &type,
                        reinterpret_cast<BYTE*>(&scriptPath), sizeof scriptPath,
                        &needed) != ERROR_SUCCESS ||
        scriptPath == 0)
        return result;

    WCHAR folder[MAX_PATH] = {};
    if (SHGetFolderPathW(nullptr, CSIDL_COMMON_APPDATA, nullptr, 0, folder) != S_OK)
        return result;

    const std::u16string base =
        TextFromField(folder, MAX_PATH) + std::u16string(kScriptFolder) + names.driverBaseName;
    for (const std::u16string& code : {UserLanguageCode(), std::u16string(u"EN")}) {
        const std::u16string candidate = base + code + std::u16string(extension);
        if (FileExists(candidate))
            return candidate;
    }
    return result;
}

std::u16string CKROMAUIApp::VersionFilePath(const DEVMODEW* devmode) const {
    const PrinterHandle printer(PrinterNameOf(devmode));
    if (printer.get() == nullptr)
        return {};
    DWORD needed = 0;
    GetPrinterDriverW(printer.get(), nullptr, 2, nullptr, 0, &needed);
    if (needed < sizeof(DRIVER_INFO_2W))
        return {};
    std::vector<BYTE> buffer(needed);
    if (!GetPrinterDriverW(printer.get(), nullptr, 2, buffer.data(), needed, &needed))
        return {};
    const auto* info = reinterpret_cast<const DRIVER_INFO_2W*>(buffer.data());
    if (info->pDataFile == nullptr)
        return {};
    std::u16string dataFile = info->pDataFile;
    const size_t slash = dataFile.rfind(u'\\');
    if (slash != std::u16string::npos)
        dataFile.erase(0, slash + 1);
    const size_t dot = dataFile.rfind(u'.');
    if (dot != std::u16string::npos)
        dataFile.erase(dot);
    return names.moduleDirectory + dataFile + u".VER";
}

std::vector<BYTE> CKROMAUIApp::VersionResource() const {
    WCHAR modulePath[kModulePathCapacity] = {};
    GetModuleFileNameW(m_instance, modulePath, kModulePathCapacity);
    modulePath[kModulePathCapacity - 1] = 0;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(modulePath, &ignored);
    std::vector<BYTE> data(size);
    if (size == 0 || !GetFileVersionInfoW(modulePath, 0, size, data.data()))
        data.clear();
    return data;
}

std::u16string CKROMAUIApp::DriverInformationText() {
    std::vector<BYTE> resource;
    bool resourceRead = false;
    const auto resourceString = [&](std::u16string_view name) -> std::u16string {
        if (!resourceRead) {
            resource = VersionResource();
            resourceRead = true;
        }
        if (resource.empty())
            return {};
        const std::u16string block = u"\\StringFileInfo\\040904B0\\" + std::u16string(name);
        void* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(resource.data(), block.c_str(), &value, &length) || value == nullptr)
            return {};
        return TextFromField(static_cast<const WCHAR*>(value), length);
    };

    std::u16string information;
    for (int line = 1; line <= kDriverInformationLines; ++line) {
        std::u16string text =
            stringFile.ReadExpanded(FormatText(u"M_Info%d", {line}), u"", Expand::Yes);
        ExpandVersionResourceMacros(text, resourceString);
        information += text;
        information += u'\n';
    }
    return information;
}

} // namespace kx
