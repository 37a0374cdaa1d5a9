#pragma once
// A font description; the canvas turns it into a GDI font when drawing.
#include "Types.h"
#include "WinApi.h"

#include <string>

namespace vcl {

constexpr int DefaultCharset = 1;
constexpr int AnsiCharset = 0;

class TFont {
public:
    TFont();
    ~TFont();
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;

    std::string Name = "MS Sans Serif";
    int Height = -11;  // negative: character height in pixels
    TColor Color = clWindowText;
    unsigned Style = 0;  // TFontStyle bits
    int Charset = DefaultCharset;

    void Assign(const TFont& other);
    bool SameAs(const TFont& other) const;
    // A GDI font for the current settings, owned by this object.
    HFONT Handle() const;

private:
    struct Cache;
    mutable Cache* cache_ = nullptr;
};

}  // namespace vcl
