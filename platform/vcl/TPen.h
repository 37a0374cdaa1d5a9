#pragma once
// Line settings of a canvas.
#include "Types.h"

namespace vcl {

enum class TPenStyle { psSolid, psDot, psClear };

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = TPenStyle::psSolid;
};

}  // namespace vcl
