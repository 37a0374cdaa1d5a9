// The start-up baseline: a plain Win32 program with one empty overlapped window
// of the main window's client size (338 x 305), shown, painted by
// DefWindowProc with the dialog background, and closed by WM_CLOSE.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace {

const char* const kClassName = "TramveltBareWindow";
constexpr int kClientWidth = 338;
constexpr int kClientHeight = 305;

LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcA(window, msg, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    if (!::RegisterClassA(&wc)) return 1;

    const DWORD style = WS_OVERLAPPEDWINDOW;
    RECT r{0, 0, kClientWidth, kClientHeight};
    ::AdjustWindowRect(&r, style, FALSE);
    HWND window = ::CreateWindowA(kClassName, "BareWindow", style, CW_USEDEFAULT, CW_USEDEFAULT,
                                  r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance,
                                  nullptr);
    if (!window) return 1;
    ::ShowWindow(window, showCommand);
    ::UpdateWindow(window);

    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
