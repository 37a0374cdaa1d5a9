#include "TButton.h"

#include "TForm.h"

namespace vcl {

TButton::TButton(TComponent* owner) : TWinControl(owner) {
    TabStop = true;
    SetBounds(0, 0, 75, 25);
}

void TButton::SetCaption(const std::string& caption) {
    caption_ = caption;
#if TRAMVELT_HAS_WINDOWS
    if (HandleAllocated()) ::SetWindowTextA(Handle(), caption_.c_str());
#endif
}

void TButton::Click() {
    if (ModalResult != mrNone)
        if (TForm* form = ParentForm()) form->ModalResult = ModalResult;
    TWinControl::Click();
}

bool TButton::ReadProperty(const DescriptionProperty& property, PropertyReader& reader) {
    const std::string& name = property.name;
    if (name == "Caption") {
        SetCaption(reader.String(property.value));
    } else if (name == "Default") {
        Default = reader.Boolean(property.value);
    } else if (name == "Cancel") {
        Cancel = reader.Boolean(property.value);
    } else {
        return TWinControl::ReadProperty(property, reader);
    }
    return true;
}

#if TRAMVELT_HAS_WINDOWS

void TButton::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.windowClass = "BUTTON";
    params.caption = caption_;
    params.style |= WS_TABSTOP | (Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
}

void TButton::WndProc(TMessage& message) {
    if (message.Msg == CN_COMMAND) {
        if (HIWORD(message.WParam) == BN_CLICKED) Click();
        return;
    }
    TWinControl::WndProc(message);
}

#else

void TButton::CreateParams(TCreateParams&) {}
void TButton::WndProc(TMessage& message) { TWinControl::WndProc(message); }

#endif

}  // namespace vcl
