#pragma once
// Helpers for tests that drive real windows under Wine: pumping messages until
// a state is reached, reading pixels back from the screen, and real mouse and
// keyboard input through SendInput.
#include "platform/vcl/WinApi.h"

#if TRAMVELT_HAS_WINDOWS
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace testing_support {

// Dispatches messages (through the application, so dialog keys work) until
// done() holds or timeoutMs passes; returns done().
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 5000);
// Dispatches messages for ms milliseconds.
void PumpFor(int ms);

// Makes window the active window the way a user would: with no window manager
// on the virtual display, X gives the keyboard to the window under the
// pointer, so the pointer is moved onto it first. Returns whether it worked.
bool Activate(HWND window);

// A pixel of the screen as the X server shows it (0x00BBGGRR).
COLORREF ScreenPixel(int x, int y);
// A pixel at client coordinates of window.
COLORREF ClientPixel(HWND window, int x, int y);
// A pixel at coordinates relative to the window's outer top-left corner.
COLORREF WindowPixel(HWND window, int x, int y);
// Screen position of a client point.
POINT ClientToScreenPoint(HWND window, int x, int y);

// Real input.
void MoveMouse(POINT screen);
void MouseButton(POINT screen, bool down, bool right = false);
void Click(POINT screen, bool right = false);
void DoubleClick(POINT screen);
void PressKey(WORD virtualKey);

// What an error box showed.
struct MessageBoxInfo {
    std::string caption;
    std::string text;
    bool stopIcon = false;
    std::vector<std::string> buttons;
    bool ownerDisabledOthers = false;
};

// Watches from a thread of its own for message boxes (dialog class #32770)
// with the given caption, records each and presses its first button.
class MessageBoxWatcher {
public:
    explicit MessageBoxWatcher(std::string caption);
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;
    std::vector<MessageBoxInfo> Boxes() const;
    // While the next box is up, record whether these windows were disabled.
    void WatchDisabled(std::vector<HWND> windows);

private:
    struct State;
    State* state_;
    std::thread thread_;
};

}  // namespace testing_support
#endif
