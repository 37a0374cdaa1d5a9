#include "TCanvas.h"

#include "Exception.h"

namespace vcl {

TCanvas::TCanvas() : Brush(&brush_), Pen(&pen_), Font(&font_) {}

TCanvas::~TCanvas() { SetHandle(nullptr); }

#if TRAMVELT_HAS_WINDOWS

void TCanvas::SetHandle(HDC dc) {
    if (dc == dc_) return;
    if (dc_) {
        // Selects the context's own objects back before ours are deleted.
        ::RestoreDC(dc_, savedState_);
        brushObject_.Reset();
        penObject_.Reset();
    }
    dc_ = dc;
    if (dc_) savedState_ = ::SaveDC(dc_);
}

namespace {
void RequireHandle(HDC dc) {
    if (!dc) throw Exception("Canvas does not allow drawing");
}
}  // namespace

void TCanvas::RealiseBrush() {
    RequireHandle(dc_);
    if (brush_.Style == TBrushStyle::bsClear) {
        // A stock object: selected, never deleted.
        ::SelectObject(dc_, ::GetStockObject(NULL_BRUSH));
        brushObject_.Reset();
        return;
    }
    if (!brushObject_ || realisedBrush_.Color != brush_.Color) {
        TGdiObject<HBRUSH> brush(::CreateSolidBrush(ColorToRGB(brush_.Color)));
        ::SelectObject(dc_, brush.Get());
        brushObject_ = std::move(brush);  // deletes the one it replaces
        realisedBrush_ = brush_;
    }
}

void TCanvas::RealisePen() {
    RequireHandle(dc_);
    if (!penObject_ || realisedPen_.Color != pen_.Color || realisedPen_.Width != pen_.Width ||
        realisedPen_.Style != pen_.Style) {
        int style = pen_.Style == TPenStyle::psSolid ? PS_SOLID
                    : pen_.Style == TPenStyle::psDot ? PS_DOT
                                                     : PS_NULL;
        TGdiObject<HPEN> pen(::CreatePen(style, pen_.Width, ColorToRGB(pen_.Color)));
        ::SelectObject(dc_, pen.Get());
        penObject_ = std::move(pen);
        realisedPen_ = pen_;
    }
}

void TCanvas::RealiseFont() {
    RequireHandle(dc_);
    ::SelectObject(dc_, font_.Handle());
    ::SetTextColor(dc_, ColorToRGB(font_.Color));
}

void TCanvas::FillRect(const TRect& rect) {
    RequireHandle(dc_);
    if (brush_.Style == TBrushStyle::bsClear) return;
    RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    TGdiObject<HBRUSH> brush(::CreateSolidBrush(ColorToRGB(brush_.Color)));
    ::FillRect(dc_, &r, brush.Get());
}

void TCanvas::CopyRect(const TRect& dest, TCanvas* source, const TRect& src) {
    RequireHandle(dc_);
    if (!source || !source->Handle()) throw Exception("Canvas does not allow drawing");
    ::SetStretchBltMode(dc_, COLORONCOLOR);
    ::StretchBlt(dc_, dest.Left, dest.Top, dest.Width(), dest.Height(), source->Handle(),
                 src.Left, src.Top, src.Width(), src.Height(), SRCCOPY);
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
    RealiseFont();
    if (brush_.Style == TBrushStyle::bsClear) {
        ::SetBkMode(dc_, TRANSPARENT);
    } else {
        ::SetBkMode(dc_, OPAQUE);
        ::SetBkColor(dc_, ColorToRGB(brush_.Color));
    }
    ::TextOutA(dc_, x, y, text.c_str(), static_cast<int>(text.size()));
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
    RealisePen();
    RealiseBrush();
    ::Rectangle(dc_, left, top, right, bottom);
}

void TCanvas::MoveTo(int x, int y) {
    RequireHandle(dc_);
    ::MoveToEx(dc_, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
    RealisePen();
    ::LineTo(dc_, x, y);
}

TPoint TCanvas::TextExtent(const std::string& text) {
    RealiseFont();
    SIZE size{};
    ::GetTextExtentPoint32A(dc_, text.c_str(), static_cast<int>(text.size()), &size);
    return TPoint{size.cx, size.cy};
}

#else

void TCanvas::SetHandle(HDC dc) { dc_ = dc; }

namespace {
[[noreturn]] void NoWindowSystem() { throw Exception("Canvas does not allow drawing"); }
}  // namespace

void TCanvas::RealiseBrush() { NoWindowSystem(); }
void TCanvas::RealisePen() { NoWindowSystem(); }
void TCanvas::RealiseFont() { NoWindowSystem(); }
void TCanvas::FillRect(const TRect&) { NoWindowSystem(); }
void TCanvas::CopyRect(const TRect&, TCanvas*, const TRect&) { NoWindowSystem(); }
void TCanvas::TextOut(int, int, const std::string&) { NoWindowSystem(); }
void TCanvas::Rectangle(int, int, int, int) { NoWindowSystem(); }
void TCanvas::MoveTo(int, int) { NoWindowSystem(); }
void TCanvas::LineTo(int, int) { NoWindowSystem(); }
TPoint TCanvas::TextExtent(const std::string&) { NoWindowSystem(); }

#endif

}  // namespace vcl
