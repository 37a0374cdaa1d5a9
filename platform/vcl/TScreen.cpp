#include "TScreen.h"

namespace vcl {

TScreen& TScreen::Instance() {
    static TScreen screen;
    return screen;
}

TScreen* Screen = &TScreen::Instance();

void TScreen::SetSizeForTesting(int width, int height) {
    testWidth_ = width;
    testHeight_ = height;
}

#if TRAMVELT_HAS_WINDOWS
int TScreen::Width() const { return testWidth_ ? testWidth_ : ::GetSystemMetrics(SM_CXSCREEN); }
int TScreen::Height() const { return testHeight_ ? testHeight_ : ::GetSystemMetrics(SM_CYSCREEN); }

HCURSOR TScreen::CursorHandle(TCursor cursor) const {
    auto it = cursors_.find(cursor);
    if (it != cursors_.end()) return it->second;
    switch (cursor) {
        case crHandPoint: return ::LoadCursorA(nullptr, IDC_HAND);
        case crIBeam: return ::LoadCursorA(nullptr, IDC_IBEAM);
        default: return ::LoadCursorA(nullptr, IDC_ARROW);
    }
}
#else
int TScreen::Width() const { return testWidth_ ? testWidth_ : 1024; }
int TScreen::Height() const { return testHeight_ ? testHeight_ : 768; }
HCURSOR TScreen::CursorHandle(TCursor cursor) const {
    auto it = cursors_.find(cursor);
    return it == cursors_.end() ? nullptr : it->second;
}
#endif

void TScreen::SetCursorHandle(TCursor cursor, HCURSOR handle) { cursors_[cursor] = handle; }

}  // namespace vcl
