#include "Types.h"

#include "WinApi.h"

namespace vcl {

std::uint32_t ColorToRGB(TColor color) {
    if (!(color & clSystemColor)) return static_cast<std::uint32_t>(color) & 0xFFFFFF;
    int index = color & 0xFF;
#if TRAMVELT_HAS_WINDOWS
    return ::GetSysColor(index);
#else
    // The classic scheme, for builds without a window system.
    switch (index) {
        case 5: return 0xFFFFFF;   // window
        case 13: return 0x800000;  // highlight
        case 15: return 0xC0C0C0;  // button face
        case 24: return 0xE1FFFF;  // info background
        default: return 0x000000;
    }
#endif
}

}  // namespace vcl
