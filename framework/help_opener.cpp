// The three ways a help topic opens.
#include "framework/help_opener.h"

#include "devmode/devmode_record.h"
#include "devmode/devmode_set.h"
#include "devmode/reason_texts.h"
#include "framework/kromaui_app.h"
#include "framework/printer_texts.h"
#include "platform/base/text.h"
#include "platform/files/file_api.h"
#include "platform/registry/registry_api.h"
#include "platform/shell/help_api.h"
#include "platform/system/library_loader.h"

#include <array>
#include <optional>

namespace kx {
namespace {

using HtmlHelpProc = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

// Where the system registers the HTML help control's library.
constexpr const char16_t* kHtmlHelpControlKey =
    u"CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
constexpr const char16_t* kHtmlHelpLibrary = u"hhctrl.ocx";

struct HelpState {
    const TextStore* owner = nullptr; // the string file of the module life the state belongs to
    std::optional<std::u16string> parameters;
    std::optional<std::u16string> addressParameters;
    bool entryLooked = false;
    HtmlHelpProc entry = nullptr;
};

HelpState& State() {
    static HelpState state;
    if (state.owner != &TheApp().stringFile)
        state = HelpState{&TheApp().stringFile};
    return state;
}

bool EndsWithNoCase(std::u16string_view text, std::u16string_view end) {
    return text.size() >= end.size() && EqualsNoCase(text.substr(text.size() - end.size()), end);
}

std::u16string RegisteredHtmlHelpLibrary() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, kHtmlHelpControlKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return {};
    std::array<WCHAR, MAX_PATH> path{};
    DWORD size = static_cast<DWORD>(sizeof(WCHAR) * (path.size() - 1));
    DWORD type = 0;
    const LSTATUS status =
        RegQueryValueExW(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(path.data()), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
        return {};
    return std::u16string(path.data());
}

// The viewer's entry is not imported: it is taken from the help control's
// library by its number on first use, and a failure is not tried again.
HtmlHelpProc HtmlHelpEntry() {
    HelpState& state = State();
    if (state.entryLooked)
        return state.entry;
    state.entryLooked = true;
    HMODULE library = nullptr;
    if (const std::u16string registered = RegisteredHtmlHelpLibrary(); !registered.empty())
        library = LoadLibraryW(registered.c_str());
    if (library == nullptr)
        library = LoadLibraryW(kHtmlHelpLibrary);
    if (library == nullptr)
        return nullptr;
    const FARPROC entry =
        GetProcAddress(library, reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(kHtmlHelpOrdinal)));
    state.entry = reinterpret_cast<HtmlHelpProc>(reinterpret_cast<void*>(entry));
    return state.entry;
}

void WriteHelpParametersScript(std::u16string_view parameters) {
    std::array<WCHAR, MAX_PATH + 1> folder{};
    const DWORD length = GetTempPathW(static_cast<DWORD>(folder.size()), folder.data());
    if (length == 0 || length >= folder.size())
        return;
    const std::u16string path =
        std::u16string(folder.data()) + TheApp().names.driverBaseName + u".js";
    // The name is fixed and the folder shared: whatever was planted at the
    // name is replaced by the rename, never written through.
    std::array<WCHAR, MAX_PATH + 1> temporary{};
    if (GetTempFileNameW(folder.data(), u"khp", 0, temporary.data()) == 0)
        return;
    const HANDLE file = CreateFileW(temporary.data(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    bool whole = false;
    if (file != INVALID_HANDLE_VALUE) {
        const std::string line = HelpParametersScript(parameters);
        DWORD written = 0;
        whole = WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr) &&
                written == line.size();
        whole = CloseHandle(file) && whole;
    }
    if (!whole || !MoveFileExW(temporary.data(), path.c_str(), MOVEFILE_REPLACE_EXISTING))
        DeleteFileW(temporary.data());
}

void OpenHtmlTopic(const std::u16string& topic, const BYTE* working) {
    const std::u16string& parameters = HelpParametersFor(working);
    const std::u16string& addressParameters = HelpParametersFor(working, HelpNameEscape::Address);
    CKROMAUIApp& app = TheApp();
    if (app.profile.HelpParametersScript != 0)
        WriteHelpParametersScript(parameters);
    const HtmlHelpProc viewer = HtmlHelpEntry();
    if (viewer == nullptr)
        return;
    const std::u16string printer = PrinterNameFor(working);
    const std::u16string helpFile =
        app.ModelStringFilePath(reinterpret_cast<const DEVMODEW*>(working), printer, u".chm");
    // Built by joining, never by formatting: the topic and the parameters
    // are model texts.
    const std::u16string address = helpFile + u"::/" + topic + u"#" + addressParameters;
    viewer(nullptr, address.c_str(), HH_DISPLAY_TOPIC, 0);
}

} // namespace

bool IsHtmlTopic(std::u16string_view topic) {
    return EndsWithNoCase(topic, u".htm") || EndsWithNoCase(topic, u".html");
}

std::string HelpParametersScript(std::u16string_view parameters) {
    return Utf16ToCp1252(u"var help_parameters='" + std::u16string(parameters) + u"';\r\n");
}

const std::u16string& HelpParametersFor(const BYTE* working, HelpNameEscape escape) {
    HelpState& state = State();
    std::optional<std::u16string>& parameters =
        escape == HelpNameEscape::Script ? state.parameters : state.addressParameters;
    if (!parameters) {
        const std::u16string printer = PrinterNameFor(working);
        ResolverTexts& texts = PrinterTextsFor(printer);
        const NameLookup names = [&texts, working](NameListKind kind, int32_t number) {
            switch (kind) {
            case NameListKind::Trays:
                return TrayNameFor(texts, working, number);
            case NameListKind::Media:
                return MediaNameFor(texts, working, number);
            case NameListKind::Papers:
                return PaperNameFor(texts, working, number);
            }
            return std::u16string();
        };
        parameters = TheApp().profile.HelpParameters(names, escape);
    }
    return *parameters;
}

void ForgetHelpState() {
    State() = HelpState{&TheApp().stringFile};
}

void OpenHelp(const CHelpList& help, const BYTE* working, int control, HWND owner) {
    const CTopicId* entry = help.Find(control);
    if (entry == nullptr)
        return;
    CKROMAUIApp& app = TheApp();
    if (entry->context() != 0) {
        WinHelpW(owner, app.helpFilePath.c_str(), HELP_CONTEXT,
                 static_cast<ULONG_PTR>(entry->context()));
        return;
    }
    const std::u16string& topic = entry->topic();
    if (topic.empty())
        return;
    if (IsHtmlTopic(topic)) {
        if (working != nullptr)
            OpenHtmlTopic(topic, working);
        return;
    }
    WinHelpW(owner, app.helpFilePath.c_str(), HELP_KEY, reinterpret_cast<ULONG_PTR>(topic.c_str()));
}

} // namespace kx
