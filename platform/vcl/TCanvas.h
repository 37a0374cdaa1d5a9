#pragma once
// A drawing surface over a device context. The context is borrowed: attaching
// saves its state and detaching restores it, so the canvas never deletes a
// context it did not make. Brush, pen and font are plain settings that are
// realised into GDI objects when something is drawn.
#include "GdiHandle.h"
#include "TBrush.h"
#include "TFont.h"
#include "TPen.h"
#include "Types.h"

#include <memory>
#include <string>

namespace vcl {

class TCanvas {
public:
    TCanvas();
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    HDC Handle() const { return dc_; }
    // Attaches dc (nullptr detaches).
    void SetHandle(HDC dc);

    TBrush* const Brush;
    TPen* const Pen;
    TFont* const Font;

    void FillRect(const TRect& rect);
    // Copies source's rectangle src into dest, stretched where the sizes differ.
    void CopyRect(const TRect& dest, TCanvas* source, const TRect& src);
    // Writes text with its top-left corner at x, y on the brush colour.
    void TextOut(int x, int y, const std::string& text);
    // Outline with the pen, inside filled with the brush; right and bottom excluded.
    void Rectangle(int left, int top, int right, int bottom);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    TPoint TextExtent(const std::string& text);

private:
    void RealiseBrush();
    void RealisePen();
    void RealiseFont();

    TBrush brush_;
    TPen pen_;
    TFont font_;
    HDC dc_ = nullptr;
    int savedState_ = 0;
#if TRAMVELT_HAS_WINDOWS
    TGdiObject<HBRUSH> brushObject_;
    TGdiObject<HPEN> penObject_;
    TBrush realisedBrush_;
    TPen realisedPen_;
#endif
};

}  // namespace vcl
