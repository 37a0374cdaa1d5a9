#include "tests/support/WindowTest.h"

#if TRAMVELT_HAS_WINDOWS
#include "platform/vcl/TApplication.h"

#include <atomic>
#include <chrono>
#include <mutex>

namespace testing_support {

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return done();
        vcl::Application->ProcessMessages();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

void PumpFor(int ms) {
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    PumpUntil([&] { return std::chrono::steady_clock::now() > end; }, ms + 1000);
}

bool Activate(HWND window) {
    RECT r;
    ::GetWindowRect(window, &r);
    MoveMouse(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    ::SetForegroundWindow(window);
    bool active = PumpUntil([&] { return ::GetActiveWindow() == window; });
    PumpFor(50);
    return active;
}

COLORREF ScreenPixel(int x, int y) {
    HDC screen = ::GetDC(nullptr);
    COLORREF color = ::GetPixel(screen, x, y);
    ::ReleaseDC(nullptr, screen);
    return color;
}

POINT ClientToScreenPoint(HWND window, int x, int y) {
    POINT p{x, y};
    ::ClientToScreen(window, &p);
    return p;
}

COLORREF ClientPixel(HWND window, int x, int y) {
    POINT p = ClientToScreenPoint(window, x, y);
    return ScreenPixel(p.x, p.y);
}

COLORREF WindowPixel(HWND window, int x, int y) {
    RECT r;
    ::GetWindowRect(window, &r);
    return ScreenPixel(r.left + x, r.top + y);
}

namespace {
void SendMouse(POINT screen, DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    int width = ::GetSystemMetrics(SM_CXSCREEN), height = ::GetSystemMetrics(SM_CYSCREEN);
    input.mi.dx = static_cast<LONG>((screen.x * 65536 + width / 2) / width);
    input.mi.dy = static_cast<LONG>((screen.y * 65536 + height / 2) / height);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    ::SendInput(1, &input, sizeof input);
}
}  // namespace

void MoveMouse(POINT screen) {
    SendMouse(screen, 0);
    PumpFor(30);
}

void MouseButton(POINT screen, bool down, bool right) {
    DWORD flags = right ? (down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP)
                        : (down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP);
    SendMouse(screen, flags);
    PumpFor(30);
}

void Click(POINT screen, bool right) {
    MoveMouse(screen);
    MouseButton(screen, true, right);
    MouseButton(screen, false, right);
}

void DoubleClick(POINT screen) {
    MoveMouse(screen);
    SendMouse(screen, MOUSEEVENTF_LEFTDOWN);
    SendMouse(screen, MOUSEEVENTF_LEFTUP);
    SendMouse(screen, MOUSEEVENTF_LEFTDOWN);
    SendMouse(screen, MOUSEEVENTF_LEFTUP);
    PumpFor(60);
}

void PressKey(WORD virtualKey) {
    INPUT inputs[2]{};
    inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = inputs[1].ki.wVk = virtualKey;
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, inputs, sizeof inputs[0]);
    PumpFor(50);
}

struct MessageBoxWatcher::State {
    std::string caption;
    std::atomic<bool> stop{false};
    mutable std::mutex mutex;
    std::vector<MessageBoxInfo> boxes;
    std::vector<HWND> watched;
};

namespace {

struct Found {
    HWND box;
};

// Whether the icon control shows the system's stop icon: its pixels on the
// screen against the stop icon drawn here on the same background. Works for
// boxes of other processes too, whose icon handles mean nothing here.
bool ShowsStopIcon(HWND iconControl) {
    RECT r;
    ::GetWindowRect(iconControl, &r);
    int width = r.right - r.left, height = r.bottom - r.top;
    if (width <= 0 || height <= 0 || width > 64 || height > 64) return false;
    HDC screen = ::GetDC(nullptr);
    COLORREF background = ::GetPixel(screen, r.left, r.top);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    HBRUSH brush = ::CreateSolidBrush(background);
    RECT all{0, 0, width, height};
    ::FillRect(dc, &all, brush);
    ::DeleteObject(brush);
    ::DrawIconEx(dc, 0, 0, ::LoadIconA(nullptr, IDI_HAND), width, height, 0, nullptr, DI_NORMAL);
    int same = 0, differentFromBackground = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            COLORREF expected = ::GetPixel(dc, x, y);
            if (expected != background) ++differentFromBackground;
            if (expected == ::GetPixel(screen, r.left + x, r.top + y)) ++same;
        }
    ::SelectObject(dc, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    ::ReleaseDC(nullptr, screen);
    return differentFromBackground > 0 && same * 100 >= width * height * 95;
}

BOOL CALLBACK ReadChild(HWND child, LPARAM data) {
    auto* info = reinterpret_cast<MessageBoxInfo*>(data);
    char className[64] = {}, text[1024] = {};
    ::GetClassNameA(child, className, sizeof className);
    ::GetWindowTextA(child, text, sizeof text);
    std::string cls = className;
    if (cls == "Button") {
        info->buttons.push_back(text);
    } else if (cls == "Static") {
        LONG style = ::GetWindowLongA(child, GWL_STYLE);
        if ((style & SS_TYPEMASK) == SS_ICON) {
            info->stopIcon = ShowsStopIcon(child);
        } else if (*text) {
            info->text = text;
        }
    }
    return TRUE;
}

}  // namespace

MessageBoxWatcher::MessageBoxWatcher(std::string caption) : state_(new State) {
    state_->caption = std::move(caption);
    thread_ = std::thread([state = state_] {
        while (!state->stop) {
            // FindWindowEx reads window texts without sending messages, so it
            // cannot deadlock with a test thread that waits for this one.
            HWND box = ::FindWindowExA(nullptr, nullptr, "#32770", state->caption.c_str());
            if (box && ::IsWindowVisible(box)) {
                Found found{box};
                ::Sleep(100);  // let it finish laying out
                MessageBoxInfo info;
                info.caption = state->caption;
                ::EnumChildWindows(found.box, ReadChild, reinterpret_cast<LPARAM>(&info));
                {
                    std::lock_guard<std::mutex> lock(state->mutex);
                    info.ownerDisabledOthers = !state->watched.empty();
                    for (HWND window : state->watched)
                        if (::IsWindowEnabled(window)) info.ownerDisabledOthers = false;
                    state->boxes.push_back(info);
                }
                ::PostMessageA(found.box, WM_COMMAND, IDOK, 0);
                while (::IsWindow(found.box) && ::IsWindowVisible(found.box) && !state->stop) ::Sleep(20);
            }
            ::Sleep(20);
        }
    });
}

MessageBoxWatcher::~MessageBoxWatcher() {
    state_->stop = true;
    thread_.join();
    delete state_;
}

std::vector<MessageBoxInfo> MessageBoxWatcher::Boxes() const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->boxes;
}

void MessageBoxWatcher::WatchDisabled(std::vector<HWND> windows) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->watched = std::move(windows);
}

}  // namespace testing_support
#endif
