// Scoped pointer shapes: CKxHandCur over a link, CKxWaitCur during a long
// operation. The shape is set on construction and the previous one restored
// on destruction.
//
// The window layer has no pointer shapes yet (no SetCursor or LoadCursorW),
// so the module keeps the shape it asks for here, where the host and tests
// can read it; the scopes are what the pages use either way.
#pragma once

namespace kx {

enum class KxCursor { Arrow, Hand, Wait };

/// The pointer shape the module asks for now.
KxCursor CurrentCursor();
/// Sets the shape (as a control does when the pointer enters it) and returns
/// the previous one.
KxCursor SetCurrentCursor(KxCursor cursor);

/// Shows one shape for the lifetime of the object. Scopes nest; each
/// restores the shape that was current when it began.
class CKxScopedCursor {
public:
    explicit CKxScopedCursor(KxCursor cursor) : m_previous(SetCurrentCursor(cursor)) {}
    ~CKxScopedCursor() { SetCurrentCursor(m_previous); }
    CKxScopedCursor(const CKxScopedCursor&) = delete;
    CKxScopedCursor& operator=(const CKxScopedCursor&) = delete;

private:
    KxCursor m_previous;
};

class CKxHandCur : public CKxScopedCursor {
public:
    CKxHandCur() : CKxScopedCursor(KxCursor::Hand) {}
};

class CKxWaitCur : public CKxScopedCursor {
public:
    CKxWaitCur() : CKxScopedCursor(KxCursor::Wait) {}
};

} // namespace kx
