#include "TBitmap.h"

#include "Exception.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace vcl {

namespace {

std::uint32_t U32(std::string_view data, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(data[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(data[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(data[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(data[at + 3])) << 24;
}
std::uint16_t U16(std::string_view data, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(data[at]) |
                                      static_cast<unsigned char>(data[at + 1]) << 8);
}

}  // namespace

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() {
    canvas_.reset();  // detaches from the memory context first
#if TRAMVELT_HAS_WINDOWS
    dc_.reset();
#endif
}

void TBitmap::LoadFromData(std::string_view data, const std::string& name) {
    auto invalid = [&](const char* why) {
        return Exception("Bitmap image is not valid: " + name + " (" + why + ")");
    };
    if (data.size() < 54 || data.substr(0, 2) != "BM") throw invalid("no bitmap file header");
    std::uint32_t offset = U32(data, 10);
    std::uint32_t headerSize = U32(data, 14);
    if (headerSize < 40 || 14 + headerSize > data.size()) throw invalid("bad info header");
    auto width = static_cast<std::int32_t>(U32(data, 18));
    auto height = static_cast<std::int32_t>(U32(data, 22));
    std::uint16_t bits = U16(data, 28);
    std::uint32_t compression = U32(data, 30);
    if (width <= 0 || height == 0 || width > 32767 || height > 32767 || height < -32767)
        throw invalid("bad size");
    if (compression != 0) throw invalid("compressed");
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24) throw invalid("unsupported depth");
    std::size_t rows = static_cast<std::size_t>(height < 0 ? -height : height);
    std::size_t stride = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
    if (offset > data.size() || data.size() - offset < stride * rows) throw invalid("truncated");
    std::uint32_t colours = bits <= 8 ? U32(data, 46) : 0;
    if (bits <= 8 && colours == 0) colours = 1u << bits;
    if (colours > 256 || 14 + headerSize + colours * 4 > offset) throw invalid("bad palette");

#if TRAMVELT_HAS_WINDOWS
    std::vector<unsigned char> info(sizeof(BITMAPINFOHEADER) + colours * sizeof(RGBQUAD));
    std::memcpy(info.data(), data.data() + 14, sizeof(BITMAPINFOHEADER));
    auto* header = reinterpret_cast<BITMAPINFOHEADER*>(info.data());
    header->biSize = sizeof(BITMAPINFOHEADER);
    header->biClrUsed = colours;
    std::memcpy(info.data() + sizeof(BITMAPINFOHEADER), data.data() + 14 + headerSize,
                colours * sizeof(RGBQUAD));
    void* pixels = nullptr;
    TGdiObject<HBITMAP> bitmap(::CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(info.data()),
                                                  DIB_RGB_COLORS, &pixels, nullptr, 0));
    if (!bitmap || !pixels) throw Exception("Out of system resources");
    std::memcpy(pixels, data.data() + offset, stride * rows);
    canvas_.reset();
    dc_.reset();
    bitmap_ = std::move(bitmap);
#endif
    width_ = width;
    height_ = static_cast<int>(rows);
    bitsPerPixel_ = bits;
}

TCanvas* TBitmap::Canvas() {
    if (!canvas_) {
        canvas_ = std::make_unique<TCanvas>();
#if TRAMVELT_HAS_WINDOWS
        if (bitmap_) {
            dc_ = std::make_unique<TMemoryDC>();
            ::SelectObject(dc_->Get(), bitmap_.Get());
            canvas_->SetHandle(dc_->Get());
        }
#endif
    }
    return canvas_.get();
}

HBITMAP TBitmap::Handle() const {
#if TRAMVELT_HAS_WINDOWS
    return bitmap_.Get();
#else
    return nullptr;
#endif
}

}  // namespace vcl
