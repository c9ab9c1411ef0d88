// The pointer shape the module asks for. Only the user-interface thread runs
// the module, so one shape per process is right.
#include "framework/kx_cursors.h"

#include <utility>

namespace kx {
namespace {

KxCursor g_cursor = KxCursor::Arrow;

} // namespace

KxCursor CurrentCursor() { return g_cursor; }

KxCursor SetCurrentCursor(KxCursor cursor) { return std::exchange(g_cursor, cursor); }

} // namespace kx
