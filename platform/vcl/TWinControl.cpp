#include "TWinControl.h"

#include "Exception.h"
#include "TApplication.h"
#include "TGraphicControl.h"
#include "TScreen.h"

#include <algorithm>

namespace vcl {

namespace {
const char* const kPropName = "TramveltControl";
const char* const kClassName = "TramveltWindow";
}  // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    DestroyHandle();
    // Children owned elsewhere must not point back at a dead parent.
    while (!controls_.empty()) controls_.back()->SetParent(nullptr);
}

void TWinControl::InsertControl(TControl* control) {
    auto* windowed = dynamic_cast<TWinControl*>(control);
    // Without a tab order of its own a control follows its windowed siblings.
    if (windowed && windowed->TabOrder < 0)
        windowed->TabOrder = static_cast<int>(std::count_if(
            controls_.begin(), controls_.end(), [](TControl* c) { return c->IsWindowed(); }));
    controls_.push_back(control);
    if (windowed && handle_) windowed->CreateHandle();
    AlignControls();
}

void TWinControl::RemoveControl(TControl* control) {
    if (mouseControl_ == control) mouseControl_ = nullptr;
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    bool resized = width != Width() || height != Height();
    TControl::SetBounds(left, top, width, height);
#if TRAMVELT_HAS_WINDOWS
    if (handle_) ::MoveWindow(handle_, left, top, width, height, TRUE);
#endif
    if (resized) AlignControls();
}

void TWinControl::AlignControls() {
    if (aligning_) return;
    aligning_ = true;
    TRect r = ClientRect();
    for (TAlign pass : {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight,
                        TAlign::alClient}) {
        for (TControl* c : controls_) {
            if (c->Align() != pass || !c->Visible()) continue;
            switch (pass) {
                case TAlign::alTop:
                    c->SetBounds(r.Left, r.Top, r.Width(), c->Height());
                    r.Top += c->Height();
                    break;
                case TAlign::alBottom:
                    c->SetBounds(r.Left, r.Bottom - c->Height(), r.Width(), c->Height());
                    r.Bottom -= c->Height();
                    break;
                case TAlign::alLeft:
                    c->SetBounds(r.Left, r.Top, c->Width(), r.Height());
                    r.Left += c->Width();
                    break;
                case TAlign::alRight:
                    c->SetBounds(r.Right - c->Width(), r.Top, c->Width(), r.Height());
                    r.Right -= c->Width();
                    break;
                default:
                    c->SetBounds(r.Left, r.Top, r.Width(), r.Height());
                    break;
            }
        }
    }
    aligning_ = false;
}

TControl* TWinControl::ControlAtPos(TPoint point) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        if (!c->IsWindowed() && c->Visible() && c->BoundsRect().Contains(point)) return c;
    }
    return nullptr;
}

bool TWinControl::ReadProperty(const DescriptionProperty& property, PropertyReader& reader) {
    if (property.name == "TabOrder") {
        TabOrder = reader.Integer(property.value);
    } else if (property.name == "TabStop") {
        TabStop = reader.Boolean(property.value);
    } else {
        return TControl::ReadProperty(property, reader);
    }
    return true;
}

void TWinControl::Dispatch(TMessage& message) {
    try {
        WndProc(message);
    } catch (...) {
        Application->HandleException(this);
    }
}

#if TRAMVELT_HAS_WINDOWS

TWinControl* TWinControl::FromHandle(HWND window) {
    return window ? static_cast<TWinControl*>(::GetPropA(window, kPropName)) : nullptr;
}

HWND TWinControl::Handle() {
    if (!handle_) CreateHandle();
    return handle_;
}

void TWinControl::CreateParams(TCreateParams& params) {
    params.caption = "";
    params.style = WS_CHILD | WS_CLIPSIBLINGS | (Visible() ? WS_VISIBLE : 0);
    params.x = Left();
    params.y = Top();
    params.width = Width();
    params.height = Height();
    if (Parent()) params.parent = Parent()->Handle();
}

namespace {

// Hands a message to the control behind the window.
LRESULT Route(TWinControl* control, HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!control) return ::DefWindowProcA(window, msg, wParam, lParam);
    TMessage message{msg, wParam, lParam, 0};
    control->Dispatch(message);
    return message.Result;
}

}  // namespace

LRESULT CALLBACK TWinControl::StandardProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    TWinControl* control = FromHandle(window);
    if (!control && msg == WM_NCCREATE) {
        control = static_cast<TWinControl*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (control) {
            control->handle_ = window;
            ::SetPropA(window, kPropName, control);
        }
    }
    LRESULT result = Route(control, window, msg, wParam, lParam);
    if (control && msg == WM_NCDESTROY) control->ForgetHandle();
    return result;
}

LRESULT CALLBACK TWinControl::SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    TWinControl* control = FromHandle(window);
    LRESULT result = Route(control, window, msg, wParam, lParam);
    if (control && msg == WM_NCDESTROY) control->ForgetHandle();
    return result;
}

void TWinControl::ForgetHandle() {
    ::RemovePropA(handle_, kPropName);
    handle_ = nullptr;
}

void TWinControl::CreateHandle() {
    if (handle_) return;
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc{};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = StandardProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
        wc.lpszClassName = kClassName;
        if (!::RegisterClassA(&wc)) throw Exception("Failed to register a window class");
        registered = true;
    }
    TCreateParams params;
    CreateParams(params);
    ownClass_ = params.windowClass.empty();
    HWND window = ::CreateWindowExA(
        params.exStyle, ownClass_ ? kClassName : params.windowClass.c_str(), params.caption.c_str(),
        params.style, params.x, params.y, params.width, params.height, params.parent, nullptr,
        ::GetModuleHandleA(nullptr), ownClass_ ? this : nullptr);
    if (!window) throw Exception(std::string("Error creating window of ") + ClassName() + " '" + Name() + "'");
    if (!ownClass_) {
        handle_ = window;
        ::SetPropA(window, kPropName, this);
        originalProc_ = reinterpret_cast<void*>(::SetWindowLongPtrA(
            window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWinControl::SubclassProc)));
    }
    if (!enabled_) ::EnableWindow(handle_, FALSE);
    CreateWnd();
    for (TControl* child : controls_)
        if (auto* windowed = dynamic_cast<TWinControl*>(child)) windowed->CreateHandle();
    AlignControls();
}

void TWinControl::CreateWnd() { ApplyFont(); }

void TWinControl::ApplyFont() {
    if (handle_ && !ownClass_) ::SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), TRUE);
}

void TWinControl::DestroyHandle() {
    if (!handle_) return;
    ::DestroyWindow(handle_);
    handle_ = nullptr;
}

void TWinControl::DefaultHandler(TMessage& message) {
    if (!handle_) return;
    if (originalProc_)
        message.Result = ::CallWindowProcA(reinterpret_cast<WNDPROC>(originalProc_), handle_,
                                           message.Msg, message.WParam, message.LParam);
    else
        message.Result = ::DefWindowProcA(handle_, message.Msg, message.WParam, message.LParam);
}

void TWinControl::SetVisible(bool visible) {
    TControl::SetVisible(visible);
    if (handle_) ::ShowWindow(handle_, visible ? SW_SHOW : SW_HIDE);
}

int TWinControl::ClientWidth() const {
    if (!handle_) return Width();
    RECT r;
    ::GetClientRect(handle_, &r);
    return r.right;
}

int TWinControl::ClientHeight() const {
    if (!handle_) return Height();
    RECT r;
    ::GetClientRect(handle_, &r);
    return r.bottom;
}

void TWinControl::Invalidate() {
    if (handle_) ::InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::Update() {
    if (handle_) ::UpdateWindow(handle_);
}

void TWinControl::SetFocus() { ::SetFocus(Handle()); }

bool TWinControl::Focused() const { return handle_ && ::GetFocus() == handle_; }

void TWinControl::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (handle_) ::EnableWindow(handle_, enabled ? TRUE : FALSE);
}

void TWinControl::Paint(TCanvas&) {}

void TWinControl::PaintHandler() {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(handle_, &ps);
    struct EndPaintGuard {
        HWND window;
        PAINTSTRUCT* ps;
        ~EndPaintGuard() { ::EndPaint(window, ps); }
    } guard{handle_, &ps};
    {
        TCanvas canvas;
        canvas.SetHandle(dc);
        canvas.Font->Assign(*Font());
        canvas.Brush->Color = BackgroundColor();
        Paint(canvas);
    }
    for (TControl* child : controls_) {
        auto* graphic = dynamic_cast<TGraphicControl*>(child);
        if (!graphic || !graphic->Visible()) continue;
        RECT bounds{graphic->Left(), graphic->Top(), graphic->Left() + graphic->Width(),
                    graphic->Top() + graphic->Height()};
        RECT overlap;
        if (!::IntersectRect(&overlap, &bounds, &ps.rcPaint)) continue;
        TCanvas canvas;
        canvas.SetHandle(dc);
        ::IntersectClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
        ::SetViewportOrgEx(dc, bounds.left, bounds.top, nullptr);
        canvas.Font->Assign(*graphic->Font());
        canvas.Brush->Color = graphic->Color();
        graphic->PaintOn(canvas);
    }
}

void TWinControl::MouseMessage(TMessage& message) {
    TPoint point{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
    auto local = [&](TControl* c) {
        return c == this ? point : TPoint{point.X - c->Left(), point.Y - c->Top()};
    };
    switch (message.Msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN: {
            TControl* target = ControlAtPos(point);
            if (!target) target = this;
            TMouseButton button = message.Msg == WM_RBUTTONDOWN ? TMouseButton::mbRight : TMouseButton::mbLeft;
            if (button == TMouseButton::mbLeft) {
                mouseControl_ = target;
                ::SetCapture(handle_);
            }
            target->MouseDown(button, local(target));
            break;
        }
        case WM_LBUTTONUP: {
            TControl* target = mouseControl_;
            mouseControl_ = nullptr;
            if (::GetCapture() == handle_) ::ReleaseCapture();
            if (target) target->MouseUp(TMouseButton::mbLeft, local(target));
            break;
        }
        case WM_RBUTTONUP: {
            TControl* target = ControlAtPos(point);
            if (!target) target = this;
            target->MouseUp(TMouseButton::mbRight, local(target));
            break;
        }
        case WM_MOUSEMOVE: {
            TControl* target = mouseControl_ ? mouseControl_ : ControlAtPos(point);
            if (target) target->MouseMove(local(target));
            break;
        }
        default:
            break;
    }
}

bool TWinControl::SetCursorMessage(TMessage& message) {
    if (reinterpret_cast<HWND>(message.WParam) != handle_ || LOWORD(message.LParam) != HTCLIENT)
        return false;
    POINT p;
    ::GetCursorPos(&p);
    ::ScreenToClient(handle_, &p);
    TControl* target = ownClass_ ? ControlAtPos(TPoint{p.x, p.y}) : nullptr;
    TCursor cursor = target ? target->Cursor : Cursor;
    if (cursor == crDefault) return false;
    ::SetCursor(Screen->CursorHandle(cursor));
    message.Result = TRUE;
    return true;
}

void TWinControl::WndProc(TMessage& message) {
    switch (message.Msg) {
        case WM_COMMAND:
            if (message.LParam) {
                if (TWinControl* child = FromHandle(reinterpret_cast<HWND>(message.LParam))) {
                    TMessage reflected{CN_COMMAND, message.WParam, message.LParam, 0};
                    child->Dispatch(reflected);
                    message.Result = reflected.Result;
                    return;
                }
            }
            break;
        case WM_DRAWITEM: {
            auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
            if (TWinControl* child = FromHandle(item->hwndItem)) {
                TMessage reflected{CN_DRAWITEM, message.WParam, message.LParam, 0};
                child->Dispatch(reflected);
                message.Result = TRUE;
                return;
            }
            break;
        }
        case WM_SETCURSOR:
            if (SetCursorMessage(message)) return;
            break;
        case WM_SIZE:
            AlignControls();
            break;
        default:
            break;
    }
    if (ownClass_) {
        switch (message.Msg) {
            case WM_PAINT:
                PaintHandler();
                return;
            case WM_ERASEBKGND: {
                TCanvas canvas;
                canvas.SetHandle(reinterpret_cast<HDC>(message.WParam));
                canvas.Brush->Color = BackgroundColor();
                canvas.FillRect(ClientRect());
                message.Result = 1;
                return;
            }
            case WM_LBUTTONDOWN:
            case WM_LBUTTONDBLCLK:
            case WM_LBUTTONUP:
            case WM_RBUTTONDOWN:
            case WM_RBUTTONUP:
            case WM_MOUSEMOVE:
                MouseMessage(message);
                return;
            case WM_CAPTURECHANGED:
                mouseControl_ = nullptr;
                break;
            default:
                break;
        }
    }
    DefaultHandler(message);
}

#else  // no window system

TWinControl* TWinControl::FromHandle(HWND) { return nullptr; }
HWND TWinControl::Handle() { throw Exception("No window system: cannot create a window"); }
void TWinControl::CreateParams(TCreateParams&) {}
void TWinControl::CreateHandle() { Handle(); }
void TWinControl::CreateWnd() {}
void TWinControl::ApplyFont() {}
void TWinControl::DestroyHandle() {}
void TWinControl::ForgetHandle() {}
void TWinControl::DefaultHandler(TMessage&) {}
void TWinControl::SetVisible(bool visible) { TControl::SetVisible(visible); }
int TWinControl::ClientWidth() const { return Width(); }
int TWinControl::ClientHeight() const { return Height(); }
void TWinControl::Invalidate() {}
void TWinControl::Update() {}
void TWinControl::SetFocus() {}
bool TWinControl::Focused() const { return false; }
void TWinControl::SetEnabled(bool enabled) { enabled_ = enabled; }
void TWinControl::Paint(TCanvas&) {}
void TWinControl::PaintHandler() {}
void TWinControl::MouseMessage(TMessage&) {}
bool TWinControl::SetCursorMessage(TMessage&) { return false; }
void TWinControl::WndProc(TMessage&) {}

#endif

}  // namespace vcl
