#include "TFont.h"

#include "GdiHandle.h"

namespace vcl {

struct TFont::Cache {
#if TRAMVELT_HAS_WINDOWS
    TGdiObject<HFONT> font;
#endif
    std::string name;
    int height = 0;
    unsigned style = 0;
    int charset = 0;
};

TFont::TFont() = default;
TFont::~TFont() { delete cache_; }

void TFont::Assign(const TFont& other) {
    Name = other.Name;
    Height = other.Height;
    Color = other.Color;
    Style = other.Style;
    Charset = other.Charset;
}

bool TFont::SameAs(const TFont& other) const {
    return Name == other.Name && Height == other.Height && Color == other.Color &&
           Style == other.Style && Charset == other.Charset;
}

HFONT TFont::Handle() const {
#if TRAMVELT_HAS_WINDOWS
    if (!cache_) cache_ = new Cache;
    if (!cache_->font || cache_->name != Name || cache_->height != Height ||
        cache_->style != Style || cache_->charset != Charset) {
        cache_->font.Reset(::CreateFontA(
            Height, 0, 0, 0, (Style & fsBold) ? FW_BOLD : FW_NORMAL, (Style & fsItalic) != 0,
            (Style & fsUnderline) != 0, (Style & fsStrikeOut) != 0, static_cast<BYTE>(Charset),
            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
            Name.c_str()));
        cache_->name = Name;
        cache_->height = Height;
        cache_->style = Style;
        cache_->charset = Charset;
    }
    return cache_->font.Get();
#else
    return nullptr;
#endif
}

}  // namespace vcl
