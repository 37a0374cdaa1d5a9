#pragma once
// A container with an optional bevel and border; panels have no caption here.
#include "TWinControl.h"

namespace vcl {

class TPanel : public TWinControl {
public:
    explicit TPanel(TComponent* owner);
    const char* ClassName() const override { return "TPanel"; }

    TBevelCut BevelOuter = TBevelCut::bvRaised;
    TBevelCut BevelInner = TBevelCut::bvNone;
    TBorderStyle BorderStyle = TBorderStyle::bsNone;

    int ClientWidth() const override;
    int ClientHeight() const override;
    bool ReadProperty(const DescriptionProperty& property, PropertyReader& reader) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint(TCanvas& canvas) override;

private:
    // Width of the single border's frame on each side.
    int BorderWidth() const { return BorderStyle == TBorderStyle::bsSingle ? 2 : 0; }
};

}  // namespace vcl
