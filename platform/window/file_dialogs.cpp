// The open and save file dialogs, answered from the scripted user's queue and
// checked like a typed name: default extension, file-must-exist, path-must-
// exist and the overwrite prompt.
#include "platform/window/common_dialogs.h"

#include "platform/base/text.h"
#include "platform/files/file_api.h"
#include "platform/window/message_box.h"
#include "platform/window/ui_events.h"

#include <cstddef>
#include <deque>

namespace kx {
namespace {

enum class DialogKind { Open, Save };

std::deque<std::optional<std::u16string>>& Answers() {
    static std::deque<std::optional<std::u16string>> answers;
    return answers;
}

DWORD& LastError() {
    static DWORD error = 0;
    return error;
}

bool IsAbsolute(std::u16string_view path) {
    return (path.size() >= 2 && path[1] == u':') || (!path.empty() && path[0] == u'\\');
}

std::u16string WithFolder(const OPENFILENAMEW& ofn, std::u16string path) {
    if (IsAbsolute(path) || !ofn.lpstrInitialDir || !*ofn.lpstrInitialDir)
        return path;
    std::u16string folder = ofn.lpstrInitialDir;
    if (folder.back() != u'\\')
        folder.push_back(u'\\');
    return folder + path;
}

size_t NameOffset(std::u16string_view path) {
    const size_t slash = path.find_last_of(u"\\/:");
    return slash == std::u16string_view::npos ? 0 : slash + 1;
}

/// Offset of the extension after the dot, or the end when there is none.
size_t ExtensionOffset(std::u16string_view path) {
    const size_t name = NameOffset(path);
    const size_t dot = path.find_last_of(u'.');
    return dot == std::u16string_view::npos || dot < name ? path.size() : dot + 1;
}

std::u16string WithDefaultExtension(const OPENFILENAMEW& ofn, std::u16string path) {
    if (ofn.lpstrDefExt && *ofn.lpstrDefExt && ExtensionOffset(path) == path.size()) {
        path.push_back(u'.');
        path += ofn.lpstrDefExt;
    }
    return path;
}

bool Exists(const std::u16string& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool FolderExists(const std::u16string& path) {
    const size_t name = NameOffset(path);
    if (name == 0)
        return true;
    const std::u16string folder = path.substr(0, name);
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

/// Whether the real dialog would accept the name; it tells the user why not.
bool Acceptable(const OPENFILENAMEW& ofn, DialogKind kind, const std::u16string& path) {
    const std::u16string title =
        ofn.lpstrTitle ? ofn.lpstrTitle : (kind == DialogKind::Open ? u"Open" : u"Save As");
    if ((ofn.Flags & (OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST)) && !FolderExists(path)) {
        MessageBoxW(ofn.hwndOwner, (path + u"\nPath does not exist.").c_str(), title.c_str(),
                    MB_OK | MB_ICONWARNING);
        return false;
    }
    if (kind == DialogKind::Open && (ofn.Flags & OFN_FILEMUSTEXIST) && !Exists(path)) {
        MessageBoxW(
            ofn.hwndOwner,
            (path + u"\nFile not found.\nPlease verify the correct file name was given.").c_str(),
            title.c_str(), MB_OK | MB_ICONWARNING);
        return false;
    }
    if (kind == DialogKind::Save && (ofn.Flags & OFN_OVERWRITEPROMPT) && Exists(path)) {
        return MessageBoxW(ofn.hwndOwner,
                           (path + u" already exists.\nDo you want to replace it?").c_str(),
                           title.c_str(), MB_YESNO | MB_ICONWARNING) == IDYES;
    }
    return true;
}

BOOL Deliver(OPENFILENAMEW& ofn, const std::u16string& path) {
    if (!ofn.lpstrFile || ofn.nMaxFile <= path.size()) {
        // The real dialog stores the size it needs in the first two bytes.
        if (ofn.lpstrFile && ofn.nMaxFile >= 1)
            ofn.lpstrFile[0] = static_cast<WCHAR>(std::min<size_t>(path.size() + 1, 0xFFFF));
        LastError() = FNERR_BUFFERTOOSMALL;
        return FALSE;
    }
    CopyText(ofn.lpstrFile, ofn.nMaxFile, path);
    ofn.nFileOffset = static_cast<WORD>(NameOffset(path));
    const size_t extension = ExtensionOffset(path);
    ofn.nFileExtension = static_cast<WORD>(extension == path.size() ? 0 : extension);
    if (ofn.lpstrFileTitle && ofn.nMaxFileTitle > 0)
        CopyText(ofn.lpstrFileTitle, ofn.nMaxFileTitle,
                 std::u16string_view(path).substr(ofn.nFileOffset));
    return TRUE;
}

BOOL RunFileDialog(LPOPENFILENAMEW ofn, DialogKind kind) {
    LastError() = 0;
    if (!ofn || (ofn->lStructSize != sizeof(OPENFILENAMEW) &&
                 ofn->lStructSize != offsetof(OPENFILENAMEW, pvReserved))) {
        LastError() = CDERR_STRUCTSIZE;
        return FALSE;
    }
    const std::u16string title =
        ofn->lpstrTitle ? ofn->lpstrTitle : (kind == DialogKind::Open ? u"Open" : u"Save As");
    ReportUiEvent(UiEvent{UiEventKind::FileDialog, ofn->hwndOwner, title,
                          ofn->lpstrInitialDir ? ofn->lpstrInitialDir : u"", ofn->Flags, 0});
    while (!Answers().empty()) {
        std::optional<std::u16string> answer = std::move(Answers().front());
        Answers().pop_front();
        if (!answer)
            return FALSE;
        const std::u16string path = WithDefaultExtension(*ofn, WithFolder(*ofn, *answer));
        if (path.empty())
            continue;
        if (Acceptable(*ofn, kind, path))
            return Deliver(*ofn, path);
    }
    return FALSE; // nobody answered: cancelled
}

} // namespace

void QueueFileDialogAnswer(std::optional<std::u16string> path) {
    Answers().push_back(std::move(path));
}

} // namespace kx

extern "C" {

KXAPI BOOL WINAPI GetOpenFileNameW(LPOPENFILENAMEW ofn) {
    return kx::RunFileDialog(ofn, kx::DialogKind::Open);
}

KXAPI BOOL WINAPI GetSaveFileNameW(LPOPENFILENAMEW ofn) {
    return kx::RunFileDialog(ofn, kx::DialogKind::Save);
}

KXAPI DWORD WINAPI CommDlgExtendedError() {
    return kx::LastError();
}

} // extern "C"
