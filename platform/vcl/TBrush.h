#pragma once
// Fill settings of a canvas.
#include "Types.h"

namespace vcl {

enum class TBrushStyle { bsSolid, bsClear };

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = TBrushStyle::bsSolid;
};

}  // namespace vcl
