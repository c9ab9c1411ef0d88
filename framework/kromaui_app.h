// The application object: one per loaded module. At load it works out from
// the module's own file which model files belong to it and which language
// the user gets, and opens the keyed text stores every page reads.
#pragma once

#include "devmode/model_profile.h"
#include "framework/module_file_names.h"
#include "framework/text_store.h"
#include "platform/base/devmode_public.h"
#include "platform/base/win_types.h"

#include <string>
#include <string_view>
#include <vector>

namespace kx {

/// The entry point "TransparentBlt" of the system image library.
using TransparentBltProc = BOOL (*)(HDC, int, int, int, int, HDC, int, int, int, int, UINT);

class CKROMAUIApp {
public:
    CKROMAUIApp();
    ~CKROMAUIApp();
    CKROMAUIApp(const CKROMAUIApp&) = delete;
    CKROMAUIApp& operator=(const CKROMAUIApp&) = delete;

    /// The module's own instance, set by the loader before InitInstance.
    void SetInstance(HINSTANCE instance) { m_instance = instance; }
    HINSTANCE instance() const { return m_instance; }

    /// Start-up: names, language, model files, profile, libraries. Never
    /// fails for missing model files.
    BOOL InitInstance();
    /// Frees the image library and the resource library.
    int ExitInstance();

    /// The user's language code: "DrvCntCode" of the driver's per-user key,
    /// or the code of the user's language, which is then stored there.
    std::u16string UserLanguageCode() const;

    /// The string file for one printer: the per-printer script folder's copy
    /// when the printer has "SCRIPT_PATH" set and the file exists, else
    /// modelStem + extension. An empty printer name means the device mode's.
    std::u16string ModelStringFilePath(const DEVMODEW* devmode, std::u16string_view printerName,
                                       std::u16string_view extension) const;

    /// moduleDirectory + the driver data file's name + ".VER"; empty when the
    /// printer or its driver is unknown.
    std::u16string VersionFilePath(const DEVMODEW* devmode) const;

    /// The lines "M_Info1" ... "M_Info10" of the string file's selected
    /// section, macros expanded, each followed by "\n".
    std::u16string DriverInformationText();

    /// The model profile; its ShowDevmodeChanges is the stores' diagnostic switch.
    ModelProfile& profile = ActiveModelProfile();

    ModuleFileNames names;
    std::u16string modelStem;
    std::u16string helpFilePath;
    TextStore stringFile{&profile.ShowDevmodeChanges};
    TextStore settingsFile{&profile.ShowDevmodeChanges};
    TextStore versionFile{&profile.ShowDevmodeChanges};
    HMODULE resourceLibrary = nullptr;
    HMODULE imageLibrary = nullptr;
    TransparentBltProc transparentBlt = nullptr;
    /// Set by the module's first page binding, which does the start-up work
    /// that needs a printer (its papers and profile, the version file,
    /// "Untitled", the page templates); cleared, it runs again (tests).
    bool firstBindingDone = false;

private:
    void LoadImageLibrary();
    void ChooseModelFiles(std::u16string_view languageCode);
    std::vector<BYTE> VersionResource() const;

    HINSTANCE m_instance = nullptr;
};

/// The module's application object.
CKROMAUIApp& TheApp();
/// Destroys the application object when the module is unloaded.
void ReleaseTheApp();

} // namespace kx
