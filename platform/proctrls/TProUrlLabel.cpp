#include "platform/proctrls/TProUrlLabel.h"

#include "platform/vcl/TForm.h"

#if TRAMVELT_HAS_WINDOWS
#include "platform/vcl/SystemLibrary.h"
#endif

namespace proctrls {

namespace {
constexpr vcl::TColor kPressedColor = vcl::clRed;
constexpr vcl::TColor kVisitedColor = vcl::clNavy;
#if TRAMVELT_HAS_WINDOWS
constexpr int kShow = SW_SHOW;
#else
constexpr int kShow = 5;  // SW_SHOW
#endif
}  // namespace

TProUrlLabel::TShellOpen TProUrlLabel::ShellOpen = &TProUrlLabel::ShellExecuteOpen;

void TProUrlLabel::ShellExecuteOpen(HWND owner, const char* verb, const std::string& target, int show) {
#if TRAMVELT_HAS_WINDOWS
    // shell32 is loaded by the first click, not at start-up, and kept to the end.
    static vcl::SystemLibrary shell("shell32.dll");
    using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
    auto shellExecute = shell.Function<ShellExecuteFunction>("ShellExecuteA");
    shellExecute(owner, verb, target.c_str(), nullptr, nullptr, show);
#else
    (void)owner, (void)verb, (void)target, (void)show;
#endif
}

TProUrlLabel::TProUrlLabel(vcl::TComponent* owner) : TProLabel(owner) {}

vcl::TColor TProUrlLabel::TextColor() {
    if (pressed_) return kPressedColor;
    if (visited_) return kVisitedColor;
    return Font()->Color;
}

void TProUrlLabel::MouseDown(vcl::TMouseButton button, vcl::TPoint point) {
    TProLabel::MouseDown(button, point);
    if (button == vcl::TMouseButton::mbLeft) Repaint();
}

void TProUrlLabel::MouseUp(vcl::TMouseButton button, vcl::TPoint point) {
    bool wasPressed = pressed_;
    // Clicks when released inside.
    TProLabel::MouseUp(button, point);
    if (wasPressed && button == vcl::TMouseButton::mbLeft) Repaint();
}

void TProUrlLabel::Click() {
    visited_ = true;
    // Shows the new colour before the shell takes its time.
    Repaint();
    if (!URL.empty()) {
        HWND owner = nullptr;
        vcl::TForm* form = ParentForm();
        if (form && form->HandleAllocated()) owner = form->Handle();
        ShellOpen(owner, "open", URL, kShow);
    }
    TProLabel::Click();
}

bool TProUrlLabel::ReadProperty(const vcl::DescriptionProperty& property, vcl::PropertyReader& reader) {
    if (property.name == "URL") {
        URL = reader.String(property.value);
        return true;
    }
    return TProLabel::ReadProperty(property, reader);
}

}  // namespace proctrls
