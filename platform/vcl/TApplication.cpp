#include "TApplication.h"

#include "SystemLibrary.h"
#include "TForm.h"
#include "TGraphicControl.h"

#include <cstdio>
#include <map>

#if TRAMVELT_HAS_WINDOWS
#include <commctrl.h>
#endif

namespace vcl {

void (*TApplication::InitProc)() = nullptr;

TApplication& TApplication::Instance() {
    static TApplication application;
    return application;
}

TApplication* Application = &TApplication::Instance();

struct TApplication::Hints {
#if TRAMVELT_HAS_WINDOWS
    // Declared first, so freed last: after the forms' tooltips are gone.
    SystemLibrary commonControls{"comctl32.dll"};
    std::map<HWND, HWND> tooltips;  // form window -> its tooltip window
#endif
};

TApplication::TApplication() : hints_(std::make_unique<Hints>()) {}

TApplication::~TApplication() { DestroyForms(); }

void TApplication::Initialize() {
    if (InitProc) InitProc();
}

void TApplication::DestroyForms() {
    mainForm_ = nullptr;
    DestroyComponents();
}

void TApplication::HandleException(TObject*) {
    try {
        throw;
    } catch (const Exception& error) {
        ShowException(error);
    } catch (const std::exception& error) {
        ShowException(Exception(error.what()));
    } catch (...) {
        ShowException(Exception("Unknown error"));
    }
}

#if TRAMVELT_HAS_WINDOWS

HWND TApplication::Handle() {
    if (!handle_) {
        static bool registered = false;
        if (!registered) {
            WNDCLASSA wc{};
            wc.lpfnWndProc = ::DefWindowProcA;
            wc.hInstance = ::GetModuleHandleA(nullptr);
            wc.lpszClassName = "TramveltApplication";
            ::RegisterClassA(&wc);
            registered = true;
        }
        handle_ = ::CreateWindowExA(0, "TramveltApplication", title_.c_str(), WS_POPUP, 0, 0, 0, 0,
                                    nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    }
    return handle_;
}

void TApplication::SetTitle(const std::string& title) {
    title_ = title;
    if (handle_) ::SetWindowTextA(handle_, title_.c_str());
}

HICON TApplication::Icon() {
    if (!iconLoaded_) {
        icon_ = static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), "MAINICON", IMAGE_ICON,
                                                0, 0, LR_DEFAULTSIZE));
        iconLoaded_ = true;
    }
    return icon_;
}

void TApplication::Run() {
    if (!mainForm_) return;
    mainForm_->Show();
    while (HandleMessage()) {
    }
}

namespace {
// The form of the layer that window belongs to, or nullptr.
TForm* FormOf(HWND window) {
    return dynamic_cast<TForm*>(TWinControl::FromHandle(::GetAncestor(window, GA_ROOT)));
}
}  // namespace

void TApplication::ProcessMessage(void* raw) {
    MSG& msg = *static_cast<MSG*>(raw);
    if (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE) {
        if (TForm* form = FormOf(msg.hwnd)) {
            try {
                form->HintsNeeded();
            } catch (...) {
                HandleException(form);
            }
        }
    }
    if (msg.message == WM_KEYDOWN) {
        if (TForm* form = FormOf(msg.hwnd)) {
            try {
                bool shift = (::GetKeyState(VK_SHIFT) & 0x8000) != 0;
                if (form->DialogKey(static_cast<unsigned>(msg.wParam), shift)) return;
            } catch (...) {
                HandleException(form);
                return;
            }
        }
    }
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
}

bool TApplication::HandleMessage() {
    MSG msg;
    BOOL result = ::GetMessageA(&msg, nullptr, 0, 0);
    if (result == 0) {
        terminated_ = true;
        return false;
    }
    if (result == -1) return false;
    ProcessMessage(&msg);
    return true;
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            break;
        }
        ProcessMessage(&msg);
    }
}

void TApplication::Terminate() {
    terminated_ = true;
    ::PostQuitMessage(0);
}

namespace {
BOOL CALLBACK CollectEnabled(HWND window, LPARAM data) {
    auto* state = reinterpret_cast<std::pair<HWND, std::vector<HWND>*>*>(data);
    if (window != state->first && ::IsWindowVisible(window) && ::IsWindowEnabled(window))
        state->second->push_back(window);
    return TRUE;
}
}  // namespace

std::vector<HWND> TApplication::DisableTaskWindows(HWND except) {
    std::vector<HWND> windows;
    std::pair<HWND, std::vector<HWND>*> state{except, &windows};
    ::EnumThreadWindows(::GetCurrentThreadId(), CollectEnabled, reinterpret_cast<LPARAM>(&state));
    for (HWND window : windows) ::EnableWindow(window, FALSE);
    return windows;
}

void TApplication::EnableTaskWindows(const std::vector<HWND>& windows) {
    for (HWND window : windows)
        if (::IsWindow(window)) ::EnableWindow(window, TRUE);
}

void TApplication::ShowException(const Exception& error) {
    std::string text = error.Message() + ".";
    shownErrors_.push_back(error.Message());
    HWND active = ::GetActiveWindow();
    std::vector<HWND> disabled = DisableTaskWindows(nullptr);
    ::MessageBoxA(Handle(), text.c_str(), title_.c_str(), MB_ICONERROR | MB_OK);
    EnableTaskWindows(disabled);
    if (active && ::IsWindow(active)) ::SetActiveWindow(active);
}

void TApplication::UpdateHints(TForm& form) {
    HWND formWindow = form.Handle();
    HWND& tooltip = hints_->tooltips[formWindow];
    if (!tooltip || !::IsWindow(tooltip)) {
        if (!hints_->commonControls.Loaded()) {
            using InitFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
            auto initCommonControls =
                hints_->commonControls.Function<InitFunction>("InitCommonControlsEx");
            INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES};
            initCommonControls(&init);
        }
        tooltip = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                    WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, formWindow, nullptr,
                                    ::GetModuleHandleA(nullptr), nullptr);
        if (!tooltip) return;
        // A maximum width makes the tooltip break lines at line feeds.
        ::SendMessageA(tooltip, TTM_SETMAXTIPWIDTH, 0, 400);
    }
    // Walk every control of the form; those with their own hint setting on get a tool.
    std::vector<TControl*> pending;
    for (int i = 0; i < form.ControlCount(); ++i) pending.push_back(form.Control(i));
    UINT_PTR id = 1;
    while (!pending.empty()) {
        TControl* control = pending.back();
        pending.pop_back();
        if (auto* windowed = dynamic_cast<TWinControl*>(control))
            for (int i = 0; i < windowed->ControlCount(); ++i) pending.push_back(windowed->Control(i));
        if (!control->ShowHint || control->Hint.empty() || !control->Parent()) continue;
        TOOLINFOA info{};
        info.cbSize = sizeof info;
        info.uFlags = TTF_SUBCLASS;
        info.lpszText = const_cast<char*>(control->Hint.c_str());
        if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
            info.uFlags |= TTF_IDISHWND;
            info.hwnd = formWindow;
            info.uId = reinterpret_cast<UINT_PTR>(windowed->Handle());
        } else {
            info.hwnd = control->Parent()->Handle();
            info.uId = id++;
            info.rect = RECT{control->Left(), control->Top(), control->Left() + control->Width(),
                             control->Top() + control->Height()};
        }
        ::SendMessageA(tooltip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
        ::SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
    }
}

#else  // no window system

HWND TApplication::Handle() { return nullptr; }
void TApplication::SetTitle(const std::string& title) { title_ = title; }
HICON TApplication::Icon() { return nullptr; }
void TApplication::Run() {}
void TApplication::ProcessMessage(void*) {}
bool TApplication::HandleMessage() { return false; }
void TApplication::ProcessMessages() {}
void TApplication::Terminate() { terminated_ = true; }
std::vector<HWND> TApplication::DisableTaskWindows(HWND) { return {}; }
void TApplication::EnableTaskWindows(const std::vector<HWND>&) {}
void TApplication::ShowException(const Exception& error) {
    shownErrors_.push_back(error.Message());
    std::fprintf(stderr, "%s: %s.\n", title_.c_str(), error.Message().c_str());
}
void TApplication::UpdateHints(TForm&) {}

#endif

}  // namespace vcl
