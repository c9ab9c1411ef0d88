// Fuzzes the checks an overlay path from the user's registry must pass
// before its file is deleted, and the stamp note's judgement of a typed
// text: neither may crash, and a deletable path is always a full path of
// an overlay file without "." or ".." parts.
#include "platform/files/prefix.h"
#include "store/note_edit.h"
#include "store/overlay_deletion.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A prefix of its own with an overlay folder: the checks look at files.
    static const bool ready = [] {
        const std::string folder =
            (std::filesystem::temp_directory_path() / "kx-overlay-fuzz-prefix").string();
        std::filesystem::create_directories(folder + "/drive_c/OV");
        kx::Prefix::Current().SetRoot(folder);
        return true;
    }();
    (void)ready;
    std::u16string text(size / 2, u'\0');
    for (size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    for (const auto language :
         {kx::OverlayLanguage::Generic, kx::OverlayLanguage::Spl, kx::OverlayLanguage::Pcl}) {
        if (kx::CheckOverlayDeletion(text, language) != kx::DeletionCheck::Deletable)
            continue;
        if (text.size() < 4 || text[1] != u':' || text[2] != u'\\' ||
            text.find(u"\\..\\") != std::u16string::npos ||
            text.find(u"\\.\\") != std::u16string::npos)
            std::abort();
    }
    const kx::NoteVerdict verdict = kx::JudgeNote(text, size % 2 == 1, 10);
    if (verdict.kind == kx::NoteVerdict::Kind::BreakLine &&
        kx::JudgeNote(verdict.text, false, 10).kind != kx::NoteVerdict::Kind::Accept)
        std::abort();
    return 0;
}
