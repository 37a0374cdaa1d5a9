#pragma once
// Push button. The default button is pressed by Enter, the cancel button by Esc.
#include "TWinControl.h"

#include <string>

namespace vcl {

class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner);
    const char* ClassName() const override { return "TButton"; }

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool Default = false;
    bool Cancel = false;
    TModalResult ModalResult = mrNone;

    void Click() override;
    bool ReadProperty(const DescriptionProperty& property, PropertyReader& reader) override;
    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;

private:
    std::string caption_;
};

}  // namespace vcl
