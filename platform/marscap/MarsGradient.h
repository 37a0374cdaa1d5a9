#pragma once
// The title bar's gradient as plain numbers: the columns each colour band
// covers and its colour. Needs no window system.
#include "platform/vcl/Types.h"

#include <vector>

namespace marscap {

// a * b / c rounded to the nearest integer, halves away from zero, as Windows'
// MulDiv does; -1 when c is 0 or the result does not fit in an int.
int MulDiv(int a, int b, int c);

struct TGradientBand {
    int Left;           // first column
    int Right;          // one past the last column (Left == Right: no columns)
    vcl::TColor Color;  // plain 0x00BBGGRR
};

// n bands of equal width over columns 0 .. width - 1, running from begin's
// colour to end's (system colours looked up). Band i spans MulDiv(i, width, n)
// to MulDiv(i + 1, width, n); each channel is b + MulDiv(i, e - b, n - 1).
// Raises vcl::Exception for n < 1.
std::vector<TGradientBand> GradientBands(int width, vcl::TColor begin, vcl::TColor end, int n);

}  // namespace marscap
