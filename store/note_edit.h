// CNoteEdit: the stamp's note, two lines of at most n characters each; a
// character typed at the end of a full single line starts the second line.
#pragma once

#include "platform/wndclass/standard_controls.h"

#include <string>
#include <string_view>

namespace kx {

/// What a change of the note's text comes to.
struct NoteVerdict {
    enum class Kind { Accept, Undo, BreakLine } kind;
    /// For BreakLine: the accepted text with the line break inserted, and
    /// the caret after the break's character.
    std::u16string text;
    int caret = 0;
};

/// Judges `text` after a change; `typedAtEnd` when the change was one
/// character typed at the end of a text without a line break.
NoteVerdict JudgeNote(std::u16string_view text, bool typedAtEnd, int lineLimit);

class CNoteEdit : public CEdit {
public:
    /// The characters a line takes; the edit holds 2 n + 2 characters.
    void SetLineLimit(int limit);
    int lineLimit() const { return m_lineLimit; }
    /// A program's change of the text, not judged.
    void SetNote(std::u16string_view text);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    /// Undoing goes back to the text before the change and its selection.
    void Judge(bool typedAtEnd, const std::u16string& before, int start, int end);
    void Restore(std::u16string_view text, int start, int end);

    int m_lineLimit = 10;
    bool m_restoring = false;
};

} // namespace kx
