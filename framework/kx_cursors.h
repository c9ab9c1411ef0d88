// Scoped pointer shapes: CKxHandCur over a link, CKxWaitCur during a long
// operation. The shape is set on construction and the previous one restored
// on destruction.
#pragma once

#include "platform/window/cursor_api.h"

namespace kx {

/// Shows one system shape for the lifetime of the object. Scopes nest; each
/// restores the shape that was shown when it began.
class CKxScopedCursor {
public:
    explicit CKxScopedCursor(LPCWSTR shape) : m_previous(SetCursor(LoadCursorW(nullptr, shape))) {}
    ~CKxScopedCursor() { SetCursor(m_previous); }
    CKxScopedCursor(const CKxScopedCursor&) = delete;
    CKxScopedCursor& operator=(const CKxScopedCursor&) = delete;

private:
    HCURSOR m_previous;
};

class CKxHandCur : public CKxScopedCursor {
public:
    CKxHandCur() : CKxScopedCursor(IDC_HAND) {}
};

class CKxWaitCur : public CKxScopedCursor {
public:
    CKxWaitCur() : CKxScopedCursor(IDC_WAIT) {}
};

} // namespace kx
