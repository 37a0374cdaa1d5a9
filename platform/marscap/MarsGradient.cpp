#include "platform/marscap/MarsGradient.h"

#include "platform/vcl/Exception.h"

#include <climits>
#include <cstdint>
#include <string>

namespace marscap {

int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    std::int64_t product = static_cast<std::int64_t>(a) * b;
    std::int64_t divisor = c;
    bool negative = (product < 0) != (divisor < 0);
    std::uint64_t p = product < 0 ? 0 - static_cast<std::uint64_t>(product) : static_cast<std::uint64_t>(product);
    std::uint64_t d = divisor < 0 ? 0 - static_cast<std::uint64_t>(divisor) : static_cast<std::uint64_t>(divisor);
    // Adding half the divisor rounds a remainder of exactly half upwards.
    std::uint64_t magnitude = (p + d / 2) / d;
    if (magnitude > static_cast<std::uint64_t>(INT_MAX)) return -1;
    int result = static_cast<int>(magnitude);
    return negative ? -result : result;
}

namespace {

int Channel(std::uint32_t rgb, int shift) { return static_cast<int>((rgb >> shift) & 0xFF); }

}  // namespace

std::vector<TGradientBand> GradientBands(int width, vcl::TColor begin, vcl::TColor end, int n) {
    if (n < 1) throw vcl::Exception("A gradient needs at least one colour, not " + std::to_string(n));
    if (width < 0) width = 0;
    std::uint32_t from = vcl::ColorToRGB(begin), to = vcl::ColorToRGB(end);
    std::vector<TGradientBand> bands;
    bands.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        std::uint32_t rgb = 0;
        for (int shift : {0, 8, 16}) {
            int b = Channel(from, shift), e = Channel(to, shift);
            // One band has the begin colour only.
            int value = n == 1 ? b : b + MulDiv(i, e - b, n - 1);
            rgb |= static_cast<std::uint32_t>(value) << shift;
        }
        bands.push_back({MulDiv(i, width, n), MulDiv(i + 1, width, n), static_cast<vcl::TColor>(rgb)});
    }
    return bands;
}

}  // namespace marscap
