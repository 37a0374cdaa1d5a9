#pragma once
// A label that opens its URL through the shell when clicked. Its text is red
// while the left button is held on it and navy once it has been clicked;
// before that it has the font's colour.
#include "platform/proctrls/TProLabel.h"
#include "platform/vcl/WinApi.h"

#include <string>

namespace proctrls {

class TProUrlLabel : public TProLabel {
public:
    // Opens target with the shell verb; owner is the window for any message
    // the shell shows. Errors are not reported. Tests replace it.
    using TShellOpen = void (*)(HWND owner, const char* verb, const std::string& target, int show);
    static TShellOpen ShellOpen;
    // The default ShellOpen: ShellExecuteA (does nothing without a window system).
    static void ShellExecuteOpen(HWND owner, const char* verb, const std::string& target, int show);

    explicit TProUrlLabel(vcl::TComponent* owner);
    const char* ClassName() const override { return "TProUrlLabel"; }

    std::string URL;
    // True once the label has been clicked.
    bool Visited() const { return visited_; }

    void MouseDown(vcl::TMouseButton button, vcl::TPoint point) override;
    void MouseUp(vcl::TMouseButton button, vcl::TPoint point) override;
    // Marks the label visited, opens the URL, then raises OnClick.
    void Click() override;
    bool ReadProperty(const vcl::DescriptionProperty& property, vcl::PropertyReader& reader) override;

protected:
    vcl::TColor TextColor() override;

private:
    bool visited_ = false;
};

}  // namespace proctrls
