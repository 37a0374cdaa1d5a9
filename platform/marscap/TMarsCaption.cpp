#include "platform/marscap/TMarsCaption.h"

#include "platform/marscap/MarsGradient.h"
#include "platform/vcl/ComponentClasses.h"
#include "platform/vcl/Exception.h"
#include "platform/vcl/GdiHandle.h"
#include "platform/vcl/TApplication.h"
#include "platform/vcl/TForm.h"

#include <algorithm>

namespace marscap {

namespace {

// Descriptions name the class as soon as a form using it is linked in.
struct Registration {
    Registration() { vcl::RegisterComponentClass<TMarsCaption>("TMarsCaption"); }
} registration;

bool StartsWith(const std::string& text, const char* prefix, std::string& rest) {
    std::string p = prefix;
    if (text.compare(0, p.size(), p) != 0) return false;
    rest = text.substr(p.size());
    return true;
}

}  // namespace

TMarsCaption::TMarsCaption(vcl::TComponent* owner)
    : TComponent(owner), form_(dynamic_cast<vcl::TForm*>(owner)), self_(std::make_shared<TMarsCaption*>(this)) {
    if (!form_)
        throw vcl::Exception(std::string("A title bar must be owned by a form, not by ") +
                             (owner ? owner->ClassName() : "nothing"));
    applicationNameFont_.Style = vcl::fsBold;
    captionFont_.Style = vcl::fsBold;
    std::shared_ptr<TMarsCaption*> self = self_;
    form_->AddMessageHook([self](vcl::TMessage& message) { return *self && (*self)->HandleMessage(message); });
#if TRAMVELT_HAS_WINDOWS
    // Created for a window that exists already: take its state and draw.
    if (form_->HandleAllocated()) {
        WINDOWINFO info{};
        info.cbSize = sizeof info;
        ::GetWindowInfo(form_->Handle(), &info);
        active_ = info.dwWindowStatus == WS_ACTIVECAPTION;
        PaintFrame();
    }
#endif
}

TMarsCaption::~TMarsCaption() {
    *self_ = nullptr;
#if TRAMVELT_HAS_WINDOWS
    // The window gets its standard title bar back.
    if (form_->HandleAllocated())
        ::RedrawWindow(form_->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
#endif
}

void TMarsCaption::SetNumColors(int count) {
    if (count < 1 || count > MaxColors)
        throw vcl::Exception("NumColors must lie between 1 and " + std::to_string(MaxColors) + ", not " +
                             std::to_string(count));
    numColors_ = count;
    Invalidate();
}

bool TMarsCaption::ReadProperty(const vcl::DescriptionProperty& property, vcl::PropertyReader& reader) {
    const std::string& name = property.name;
    const vcl::DescriptionValue& value = property.value;
    static const std::pair<const char*, vcl::TColor TMarsCaption::*> colors[] = {
        {"ActiveBeginColor", &TMarsCaption::ActiveBeginColor},
        {"ActiveEndColor", &TMarsCaption::ActiveEndColor},
        {"ActiveFontColor", &TMarsCaption::ActiveFontColor},
        {"InactiveBeginColor", &TMarsCaption::InactiveBeginColor},
        {"InactiveEndColor", &TMarsCaption::InactiveEndColor},
        {"InactiveFontColor", &TMarsCaption::InactiveFontColor},
    };
    for (const auto& color : colors)
        if (name == color.first) {
            this->*color.second = reader.Color(value);
            return true;
        }
    std::string field;
    if (StartsWith(name, "ApplicationNameFont.", field)) return reader.Font(applicationNameFont_, field, value);
    if (StartsWith(name, "CaptionFont.", field)) return reader.Font(captionFont_, field, value);
    if (name == "NumColors") {
        int count = reader.Integer(value);
        if (count < 1 || count > MaxColors)
            reader.Fail(value, "expected 1 to " + std::to_string(MaxColors) + ", found " + std::to_string(count));
        numColors_ = count;
    } else if (name == "AutoSize") {
        AutoSize = reader.Boolean(value);
    } else if (name == "ApplicationName") {
        ApplicationName = reader.String(value);
    } else if (name == "Left" || name == "Top") {
        reader.Integer(value);  // where the designer showed the component
    } else {
        return TComponent::ReadProperty(property, reader);
    }
    return true;
}

#if TRAMVELT_HAS_WINDOWS

namespace {

RECT ToRECT(const vcl::TRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }

// Restores a device context's state (and so its selected objects) on leaving.
class TSavedDC {
public:
    explicit TSavedDC(HDC dc) : dc_(dc), state_(::SaveDC(dc)) {}
    ~TSavedDC() { ::RestoreDC(dc_, state_); }
    TSavedDC(const TSavedDC&) = delete;
    TSavedDC& operator=(const TSavedDC&) = delete;

private:
    HDC dc_;
    int state_;
};

LRESULT HitCode(TCaptionPart part) {
    switch (part) {
        case TCaptionPart::Bar: return HTCAPTION;
        case TCaptionPart::Icon: return HTSYSMENU;
        case TCaptionPart::Minimize: return HTMINBUTTON;
        case TCaptionPart::Maximize: return HTMAXBUTTON;
        case TCaptionPart::Close: return HTCLOSE;
        default: return HTNOWHERE;
    }
}

TCaptionPart PartOfHitCode(WPARAM code) {
    switch (code) {
        case HTSYSMENU: return TCaptionPart::Icon;
        case HTMINBUTTON: return TCaptionPart::Minimize;
        case HTMAXBUTTON: return TCaptionPart::Maximize;
        case HTCLOSE: return TCaptionPart::Close;
        default: return TCaptionPart::None;
    }
}

vcl::TPoint WindowPoint(HWND window, POINT screen) {
    RECT r;
    ::GetWindowRect(window, &r);
    return vcl::TPoint{screen.x - r.left, screen.y - r.top};
}

}  // namespace

bool TMarsCaption::HasBar() const {
    if (!form_->HandleAllocated()) return false;
    HWND window = form_->Handle();
    return (::GetWindowLongA(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION && !::IsIconic(window);
}

TCaptionLayout TMarsCaption::Layout() const {
    TCaptionLayout layout{};
    if (!HasBar()) return layout;
    HWND window = form_->Handle();
    RECT outer;
    ::GetWindowRect(window, &outer);
    POINT client{0, 0};
    ::ClientToScreen(window, &client);
    int frame = client.x - outer.left;
    int clientTop = client.y - outer.top;
    int width = outer.right - outer.left;
    int top = clientTop - ::GetSystemMetrics(SM_CYCAPTION);
    layout.Caption = vcl::Rect(frame, top, width - frame, clientTop);
    // The last row of the caption is the line between it and the client area.
    layout.Bar = vcl::Rect(frame, top, width - frame, clientTop - 1);
    const vcl::TRect& bar = layout.Bar;
    int height = bar.Height();
    int iconSize = vcl::Application->Icon() ? height : 0;
    layout.Icon = vcl::Rect(bar.Left, bar.Top, bar.Left + iconSize, bar.Top + iconSize);

    int buttonWidth = ::GetSystemMetrics(SM_CXSIZE) - 2;
    int buttonHeight = ::GetSystemMetrics(SM_CYSIZE) - 4;
    int buttonTop = bar.Top + (height - buttonHeight) / 2;
    layout.Close = vcl::Rect(bar.Right - 2 - buttonWidth, buttonTop, bar.Right - 2, buttonTop + buttonHeight);
    layout.Maximize = vcl::Rect(layout.Close.Left - 2 - buttonWidth, buttonTop, layout.Close.Left - 2,
                                buttonTop + buttonHeight);
    layout.Minimize = vcl::Rect(layout.Maximize.Left - buttonWidth, buttonTop, layout.Maximize.Left,
                                buttonTop + buttonHeight);
    int textLeft = layout.Icon.Right + 3;
    layout.Text = vcl::Rect(textLeft, bar.Top, std::max(textLeft, layout.Minimize.Left - 2), bar.Bottom);
    return layout;
}

TCaptionPart TMarsCaption::PartAt(vcl::TPoint point) const {
    TCaptionLayout layout = Layout();
    if (!layout.Caption.Contains(point)) return TCaptionPart::None;
    // Buttons and icon take the whole height of the caption.
    auto over = [&](const vcl::TRect& r) { return point.X >= r.Left && point.X < r.Right; };
    if (over(layout.Close)) return TCaptionPart::Close;
    if (over(layout.Maximize)) return TCaptionPart::Maximize;
    if (over(layout.Minimize)) return TCaptionPart::Minimize;
    if (over(layout.Icon)) return TCaptionPart::Icon;
    return TCaptionPart::Bar;
}

bool TMarsCaption::PartEnabled(TCaptionPart part) const {
    switch (part) {
        case TCaptionPart::Close: return true;
        case TCaptionPart::Maximize: return (form_->BorderIcons() & vcl::biMaximize) != 0;
        case TCaptionPart::Minimize: return (form_->BorderIcons() & vcl::biMinimize) != 0;
        default: return false;
    }
}

void TMarsCaption::Invalidate() { PaintBar(); }

void TMarsCaption::PaintBar() {
    if (!HasBar()) return;
    HWND window = form_->Handle();
    if (!::IsWindowVisible(window)) return;
    TCaptionLayout layout = Layout();
    const vcl::TRect& bar = layout.Bar;
    int width = bar.Width(), height = bar.Height();
    if (width <= 0 || height <= 0) return;
    auto local = [&](const vcl::TRect& r) {
        return RECT{r.Left - bar.Left, r.Top - bar.Top, r.Right - bar.Left, r.Bottom - bar.Top};
    };

    // Drawn off screen, then copied in one piece.
    vcl::TWindowDC windowDC(window, true);
    vcl::TMemoryDC memory;
    vcl::TGdiObject<HBITMAP> bitmap(::CreateCompatibleBitmap(windowDC.Get(), width, height));
    if (!windowDC.Get() || !memory.Get() || !bitmap) return;
    HDC dc = memory.Get();
    TSavedDC saved(dc);
    ::SelectObject(dc, bitmap.Get());

    for (const TGradientBand& band :
         GradientBands(width, active_ ? ActiveBeginColor : InactiveBeginColor,
                       active_ ? ActiveEndColor : InactiveEndColor, numColors_)) {
        if (band.Right <= band.Left) continue;
        RECT r{band.Left, 0, band.Right, height};
        vcl::TGdiObject<HBRUSH> brush(::CreateSolidBrush(static_cast<COLORREF>(band.Color)));
        ::FillRect(dc, &r, brush.Get());
    }

    if (HICON icon = vcl::Application->Icon()) {
        RECT r = local(layout.Icon);
        ::SetStretchBltMode(dc, HALFTONE);
        ::SetBrushOrgEx(dc, 0, 0, nullptr);
        ::DrawIconEx(dc, r.left, r.top, icon, r.right - r.left, r.bottom - r.top, 0, nullptr, DI_NORMAL);
    }

    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, vcl::ColorToRGB(active_ ? ActiveFontColor : InactiveFontColor));
    RECT text = local(layout.Text);
    const UINT format = DT_SINGLELINE | DT_LEFT | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
    if (!ApplicationName.empty()) {
        ::SelectObject(dc, applicationNameFont_.Handle());
        ::DrawTextA(dc, ApplicationName.c_str(), -1, &text, format);
        SIZE size{};
        ::GetTextExtentPoint32A(dc, ApplicationName.c_str(), static_cast<int>(ApplicationName.size()), &size);
        text.left = std::min(text.right, text.left + static_cast<LONG>(size.cx));
    }
    int length = ::GetWindowTextLengthA(window);
    std::string caption(static_cast<std::size_t>(length) + 1, '\0');
    caption.resize(static_cast<std::size_t>(::GetWindowTextA(window, &caption[0], length + 1)));
    ::SelectObject(dc, captionFont_.Handle());
    ::DrawTextA(dc, caption.c_str(), -1, &text, format);

    struct Button {
        TCaptionPart part;
        UINT glyph;
    };
    const Button buttons[] = {
        {TCaptionPart::Minimize, DFCS_CAPTIONMIN},
        {TCaptionPart::Maximize, ::IsZoomed(window) ? UINT(DFCS_CAPTIONRESTORE) : UINT(DFCS_CAPTIONMAX)},
        {TCaptionPart::Close, DFCS_CAPTIONCLOSE},
    };
    for (const Button& button : buttons) {
        const vcl::TRect& where = button.part == TCaptionPart::Minimize   ? layout.Minimize
                                  : button.part == TCaptionPart::Maximize ? layout.Maximize
                                                                          : layout.Close;
        RECT r = local(where);
        UINT state = button.glyph;
        if (!PartEnabled(button.part)) state |= DFCS_INACTIVE;
        if (pressed_ == button.part && pressedInside_) state |= DFCS_PUSHED;
        ::DrawFrameControl(dc, &r, DFC_CAPTION, state);
    }

    ::BitBlt(windowDC.Get(), bar.Left, bar.Top, width, height, dc, 0, 0, SRCCOPY);
}

void TMarsCaption::PaintFrame(HRGN update) {
    HWND window = form_->Handle();
    RECT outer;
    ::GetWindowRect(window, &outer);
    // The standard frame everywhere but under the bar, which is ours.
    vcl::TGdiObject<HRGN> region(::CreateRectRgnIndirect(&outer));
    if (update) ::CombineRgn(region.Get(), region.Get(), update, RGN_AND);
    RECT bar = ToRECT(Layout().Bar);
    ::OffsetRect(&bar, outer.left, outer.top);
    vcl::TGdiObject<HRGN> barRegion(::CreateRectRgnIndirect(&bar));
    ::CombineRgn(region.Get(), region.Get(), barRegion.Get(), RGN_DIFF);
    ::DefWindowProcA(window, WM_NCPAINT, reinterpret_cast<WPARAM>(region.Get()), 0);
    PaintBar();
}

void TMarsCaption::Press(TCaptionPart part) {
    if (!PartEnabled(part)) return;
    pressed_ = part;
    pressedInside_ = true;
    ::SetCapture(form_->Handle());
    PaintBar();
}

void TMarsCaption::Perform(TCaptionPart part) {
    HWND window = form_->Handle();
    WPARAM command = 0;
    switch (part) {
        case TCaptionPart::Close:
        case TCaptionPart::Icon: command = SC_CLOSE; break;
        case TCaptionPart::Minimize: command = SC_MINIMIZE; break;
        case TCaptionPart::Maximize: command = ::IsZoomed(window) ? SC_RESTORE : SC_MAXIMIZE; break;
        default: return;
    }
    ::SendMessageA(window, WM_SYSCOMMAND, command, 0);
}

void TMarsCaption::DefaultThenRepaint(vcl::TMessage& message) {
    std::shared_ptr<TMarsCaption*> self = self_;
    HWND window = form_->Handle();
    message.Result = ::DefWindowProcA(window, message.Msg, message.WParam, message.LParam);
    // The default processing may have drawn the standard caption, or ended us.
    if (*self) PaintBar();
}

bool TMarsCaption::HandleMessage(vcl::TMessage& message) {
    if (message.Msg == WM_NCACTIVATE) active_ = message.WParam != 0;
    if (!HasBar()) return false;
    HWND window = form_->Handle();
    switch (message.Msg) {
        case WM_NCPAINT:
            PaintFrame(message.WParam > 1 ? reinterpret_cast<HRGN>(message.WParam) : nullptr);
            message.Result = 0;
            return true;
        case WM_NCACTIVATE:
            // Lets the window take the new state without drawing, then draws.
            message.Result = ::DefWindowProcA(window, WM_NCACTIVATE, message.WParam, -1);
            PaintFrame();
            return true;
        case WM_NCHITTEST: {
            POINT screen{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
            TCaptionPart part = PartAt(WindowPoint(window, screen));
            if (part == TCaptionPart::None) return false;
            message.Result = HitCode(part);
            return true;
        }
        case WM_NCLBUTTONDOWN:
        case WM_NCLBUTTONDBLCLK: {
            TCaptionPart part = PartOfHitCode(message.WParam);
            if (part == TCaptionPart::None) {
                DefaultThenRepaint(message);
            } else if (part == TCaptionPart::Icon) {
                if (message.Msg == WM_NCLBUTTONDBLCLK) Perform(TCaptionPart::Icon);
            } else {
                Press(part);
            }
            message.Result = 0;
            return true;
        }
        case WM_NCLBUTTONUP:
            if (PartOfHitCode(message.WParam) == TCaptionPart::None) return false;
            message.Result = 0;
            return true;
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP: {
            if (pressed_ == TCaptionPart::None) return false;
            POINT screen{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
            ::ClientToScreen(window, &screen);
            TCaptionPart part = pressed_;
            bool inside = PartAt(WindowPoint(window, screen)) == part;
            if (message.Msg == WM_MOUSEMOVE) {
                if (inside != pressedInside_) {
                    pressedInside_ = inside;
                    PaintBar();
                }
            } else {
                pressed_ = TCaptionPart::None;
                ::ReleaseCapture();
                PaintBar();
                if (inside) Perform(part);
            }
            message.Result = 0;
            return true;
        }
        case WM_CAPTURECHANGED:
            if (pressed_ != TCaptionPart::None) {
                pressed_ = TCaptionPart::None;
                PaintBar();
            }
            return false;
        case WM_SETTEXT:
        case WM_SETICON:
        case WM_SYSCOMMAND:
            DefaultThenRepaint(message);
            return true;
        default:
            return false;
    }
}

#else  // no window system

TCaptionLayout TMarsCaption::Layout() const { return TCaptionLayout{}; }
TCaptionPart TMarsCaption::PartAt(vcl::TPoint) const { return TCaptionPart::None; }
void TMarsCaption::Invalidate() {}
bool TMarsCaption::HandleMessage(vcl::TMessage&) { return false; }

#endif

}  // namespace marscap
