#pragma once
// A top-level window built from its window description. A form class binds
// its control members and event handlers by name, then loads the description:
//
//   TForm1::TForm1(TComponent* owner) : TForm(owner) {
//       Bind("ListBox1", ListBox1);
//       BindHandler("FormShow", &TForm1::FormShow);
//       LoadDescription("MainForm.desc");
//   }
//
// Loading fails loudly (EDescriptionError) for a component or handler without
// a matching member, a member without a component, an unknown class or
// property, or a value of the wrong kind.
#include "PropertyReader.h"
#include "TCanvas.h"
#include "TWinControl.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace vcl {

class TButton;

class TForm : public TWinControl {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;
    const char* ClassName() const override { return "TForm"; }

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    unsigned BorderIcons() const { return borderIcons_; }
    TPosition Position = TPosition::poDesigned;
    bool Scaled = true;

    void SetClientSize(int width, int height);
    int ClientWidth() const override;
    int ClientHeight() const override;

    TNotifyEvent OnShow;
    TNotifyEvent OnPaint;
    TModalResult ModalResult = mrNone;

    // The canvas of the window's surface, valid while it paints.
    TCanvas* Canvas() { return paintCanvas_; }

    // Show runs the show handler (under its own error reporting), then makes
    // the window visible.
    void Show();
    void Hide();
    void SetVisible(bool visible) override;
    // Hides the form; for a modal form sets mrCancel; for the main form ends
    // the program's message loop.
    void Close();
    // Disables the program's other windows, shows the form and runs a message
    // loop until ModalResult is set (mrCancel when the program is quitting);
    // then hides the form, re-enables and reactivates, and returns the result.
    TModalResult ShowModal();
    bool Modal() const { return modal_; }
    // Registers the hints of the form's controls, once after each show.
    void HintsNeeded();
    bool Active() const;

    // Tab, Enter and Esc: focus moves, default and cancel buttons. True when
    // the key was used.
    bool DialogKey(unsigned virtualKey, bool shift);
    // Focusable controls in tab order.
    std::vector<TWinControl*> TabList() const;

    // Sees every message of the form before it does; returns true when it
    // handled the message. Components that take over part of the window (a
    // title bar) use it.
    using TMessageHook = std::function<bool(TMessage& message)>;
    void AddMessageHook(TMessageHook hook) { hooks_.push_back(std::move(hook)); }

    bool ReadProperty(const DescriptionProperty& property, PropertyReader& reader) override;
    void WndProc(TMessage& message) override;
    void Click() override;

protected:
    template <class T>
    void Bind(const std::string& name, T*& member) {
        members_[name] = [&member](TComponent* component) {
            member = dynamic_cast<T*>(component);
            return member != nullptr;
        };
    }
    template <class F, class... A>
    void BindHandler(const std::string& name, void (F::*method)(A...)) {
        F* self = static_cast<F*>(this);
        handlers_[name] = std::function<void(A...)>(
            [self, method](A... args) { (self->*method)(std::forward<A>(args)...); });
    }
    // Builds the form from the description resource of that file name.
    void LoadDescription(const std::string& resourceName);
    // The same from description text; sourceName names it in messages.
    void LoadDescriptionText(std::string_view text, const std::string& sourceName);

    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Paint(TCanvas& canvas) override;

private:
    void LoadChildren(const DescriptionObject& object, TComponent* container,
                      PropertyReader& reader, const std::string& source);
    void ReadProperties(TComponent& component, const DescriptionObject& object,
                        PropertyReader& reader);
    void UpdateOuterSize();
    void DoShow();
    TButton* FindButton(bool cancel) const;

    std::string caption_;
    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    unsigned borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    bool modal_ = false;
    bool hintsPending_ = false;
    TCanvas* paintCanvas_ = nullptr;
    TWinControl* activeControl_ = nullptr;
    std::map<std::string, std::function<bool(TComponent*)>> members_;
    THandlerTable handlers_;
    std::vector<TMessageHook> hooks_;
};

}  // namespace vcl
