// CCoverGroup: one cover kind's group on a Cover tab: the option list (by
// the model's list for the kind), and by profile key the size, source and
// type lists, bound to the kind's device-mode fields.
#pragma once

#include "framework/icon_combo_box.h"

#include <cstddef>

namespace kx {

class CPaperOptionPage;

class CCoverGroup {
public:
    /// The controls of template group `slot` serve cover `cover` (the
    /// front, back, front-and-back order).
    void Attach(CPaperOptionPage& page, int slot, size_t cover);
    /// Hides the rows the model does not offer; the group shrinks.
    void SetUpRows();
    /// Hides or shows the whole group (the rows the model offers).
    void Show(bool show);
    /// Shows every row, offered or not (before SetUpRows closes the gaps).
    void ShowEveryRow();
    void Refresh();
    /// Writes the group's values; with `offered` false the cover is off.
    void Save(bool offered);
    /// A kind just chosen shows its first cover rather than none.
    void ChooseCoverIfNone();
    /// A cover chosen takes a size, tray and type rather than none.
    void FillBlankRows();
    /// Whether the window `control` is the group's option list.
    bool IsOptionList(HWND control) const { return control == m_option.m_hWnd; }

    size_t cover() const { return m_cover; }
    int Id(int offset) const;

private:
    void EnableLabel(int offset, bool enable);

    CPaperOptionPage* m_page = nullptr;
    int m_slot = 0;
    size_t m_cover = 0;
    CKxComboBox m_option;
    CIconComboBox m_size;
    CIconComboBox m_source;
    CIconComboBox m_type;
};

} // namespace kx
