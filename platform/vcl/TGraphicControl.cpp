#include "TGraphicControl.h"

#include "TWinControl.h"

namespace vcl {

void TGraphicControl::PaintOn(TCanvas& canvas) {
    struct Reset {
        TCanvas*& canvas;
        ~Reset() { canvas = nullptr; }
    } reset{canvas_};
    canvas_ = &canvas;
    Paint();
}

void TGraphicControl::Invalidate() {
#if TRAMVELT_HAS_WINDOWS
    TWinControl* parent = Parent();
    if (!parent || !parent->HandleAllocated()) return;
    RECT r{Left(), Top(), Left() + Width(), Top() + Height()};
    ::InvalidateRect(parent->Handle(), &r, TRUE);
#endif
}

}  // namespace vcl
