// Damage bookkeeping: marked rectangles, merged as they come.
#include "platform/window/screen_damage.h"

#include "platform/controls/common_controls.h"
#include "platform/controls/control_constants.h"

#include <algorithm>

namespace kx {
namespace {

// Past this many separate areas one bounding box repaints faster than many.
constexpr size_t kMostAreas = 16;

struct Damage {
    bool tracking = false;
    int rendering = 0;
    std::vector<RECT> areas;
};

Damage& State() {
    static Damage damage;
    return damage;
}

bool Touch(const RECT& a, const RECT& b) {
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

RECT Union(const RECT& a, const RECT& b) {
    return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

// Messages that only ask, draw or relay the pointer: a control answering
// them looks as before.
constexpr UINT kQuestions[] = {
    WM_PAINT,
    WM_ERASEBKGND,
    WM_GETTEXT,
    WM_GETTEXTLENGTH,
    WM_GETFONT,
    WM_GETDLGCODE,
    WM_NCHITTEST,
    WM_SETCURSOR,
    WM_MOUSEMOVE,
    WM_DRAWITEM,
    WM_MEASUREITEM,
    WM_NOTIFY,
    WM_HELP,
    WM_TIMER,
    WM_CTLCOLORSTATIC,
    WM_CTLCOLORBTN,
    WM_CTLCOLOREDIT,
    WM_CTLCOLORLISTBOX,
    WM_CTLCOLORDLG,
    BM_GETCHECK,
    BM_GETSTATE,
    CB_GETCOUNT,
    CB_GETCURSEL,
    CB_GETLBTEXT,
    CB_GETLBTEXTLEN,
    CB_GETITEMDATA,
    CB_FINDSTRINGEXACT,
    CB_FINDSTRING,
    CB_GETDROPPEDSTATE,
    CB_GETITEMHEIGHT,
    LB_GETCOUNT,
    LB_GETCURSEL,
    LB_GETTEXT,
    LB_GETTEXTLEN,
    LB_GETITEMDATA,
    LB_GETTOPINDEX,
    LB_GETITEMRECT,
    LB_GETSEL,
    LB_GETITEMHEIGHT,
    LB_FINDSTRINGEXACT,
    EM_GETSEL,
    EM_GETLIMITTEXT,
    EM_GETMODIFY,
    TBM_GETPOS,
    TBM_GETRANGEMIN,
    TBM_GETRANGEMAX,
    UDM_GETPOS,
    UDM_GETPOS32,
    UDM_GETRANGE32,
    TCM_GETCURSEL,
    TCM_GETITEMCOUNT,
    TCM_GETITEMRECT,
};

constexpr UINT kFrameChanges[] = {
    WM_SETTEXT, WM_ENABLE,           WM_SHOWWINDOW, WM_WINDOWPOSCHANGING,
    WM_DESTROY, WM_WINDOWPOSCHANGED, WM_SETFONT,
};

} // namespace

void TrackScreenDamage(bool on) {
    State().tracking = on;
    State().areas.clear();
}

bool TrackingScreenDamage() {
    return State().tracking;
}

void DamageScreen(const RECT& area) {
    Damage& damage = State();
    if (!damage.tracking || damage.rendering > 0 || area.right <= area.left ||
        area.bottom <= area.top)
        return;
    RECT merged = area;
    // Swallow every area the new one touches, until none is left to join.
    for (bool joined = true; joined;) {
        joined = false;
        for (auto it = damage.areas.begin(); it != damage.areas.end(); ++it) {
            if (Touch(*it, merged)) {
                merged = Union(*it, merged);
                damage.areas.erase(it);
                joined = true;
                break;
            }
        }
    }
    damage.areas.push_back(merged);
    if (damage.areas.size() > kMostAreas) {
        RECT all = damage.areas.front();
        for (const RECT& r : damage.areas)
            all = Union(all, r);
        damage.areas.assign(1, all);
    }
}

void DamageWindow(HWND window) {
    if (!State().tracking)
        return;
    RECT rect{};
    if (GetWindowRect(window, &rect))
        DamageScreen(rect);
}

std::vector<RECT> TakeScreenDamage() {
    std::vector<RECT> areas;
    areas.swap(State().areas);
    return areas;
}

bool MessageChangesLook(UINT message, bool hasChildren) {
    if (hasChildren)
        return std::find(std::begin(kFrameChanges), std::end(kFrameChanges), message) !=
               std::end(kFrameChanges);
    return std::find(std::begin(kQuestions), std::end(kQuestions), message) == std::end(kQuestions);
}

RenderingScope::RenderingScope() {
    ++State().rendering;
}

RenderingScope::~RenderingScope() {
    --State().rendering;
}

} // namespace kx
