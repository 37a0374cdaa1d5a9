#pragma once
// Basic types of the class library: colours, rectangles, enumerations and
// event signatures.
#include <cstdint>
#include <functional>

namespace vcl {

class TObject {
public:
    virtual ~TObject() = default;
    virtual const char* ClassName() const { return "TObject"; }
};

// 0x00BBGGRR; values with the high bit set name system colours.
using TColor = std::int32_t;
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clNavy = 0x800000;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clGray = 0x808080;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clSystemColor = static_cast<TColor>(0x80000000u);
constexpr TColor clWindowText = clSystemColor | 8;
constexpr TColor clWindow = clSystemColor | 5;
constexpr TColor clBtnFace = clSystemColor | 15;
constexpr TColor clBtnText = clSystemColor | 18;
constexpr TColor clHighlight = clSystemColor | 13;
constexpr TColor clInfoBk = clSystemColor | 24;
constexpr TColor clInfoText = clSystemColor | 23;

// A plain RGB value for a colour (system colours looked up).
std::uint32_t ColorToRGB(TColor color);

struct TPoint {
    int X = 0, Y = 0;
};

struct TRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool Contains(TPoint p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
};

inline TRect Rect(int left, int top, int right, int bottom) { return TRect{left, top, right, bottom}; }
inline bool operator==(const TRect& a, const TRect& b) {
    return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog };
enum class TBorderStyle { bsNone, bsSingle };
enum class TPosition { poDesigned, poScreenCenter };
enum class TBevelCut { bvNone, bvLowered, bvRaised };
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// Border icons, a set.
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
// Font styles, a set.
enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
// Owner-draw state of a list row, a set.
enum TOwnerDrawStateBit : unsigned {
    odSelected = 1, odGrayed = 2, odDisabled = 4, odChecked = 8, odFocused = 16
};
using TOwnerDrawState = unsigned;

// Cursor numbers: negative ones are the system's, positive ones registered.
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crIBeam = -4;
constexpr TCursor crHandPoint = -21;

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;

class TWinControl;
using TNotifyEvent = std::function<void(TObject* sender)>;
using TDrawItemEvent =
    std::function<void(TWinControl* control, int index, TRect rect, TOwnerDrawState state)>;

}  // namespace vcl
