#pragma once
// A device-independent bitmap loaded from Windows bitmap file data, with a
// canvas on a memory context that holds it.
#include "GdiHandle.h"
#include "TCanvas.h"

#include <memory>
#include <string>
#include <string_view>

namespace vcl {

class TBitmap {
public:
    TBitmap();
    ~TBitmap();
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    // Raises EInvalidGraphic (an Exception) for data that is not an
    // uncompressed 1, 4, 8 or 24-bit Windows bitmap.
    void LoadFromData(std::string_view data, const std::string& name);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int BitsPerPixel() const { return bitsPerPixel_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    // A canvas that draws on (and copies from) the bitmap.
    TCanvas* Canvas();
    HBITMAP Handle() const;

private:
    int width_ = 0;
    int height_ = 0;
    int bitsPerPixel_ = 0;
    std::unique_ptr<TCanvas> canvas_;
#if TRAMVELT_HAS_WINDOWS
    TGdiObject<HBITMAP> bitmap_;
    std::unique_ptr<TMemoryDC> dc_;
#endif
};

}  // namespace vcl
