#pragma once
// A windowless control, painted by its parent on the parent's canvas.
#include "TCanvas.h"
#include "TControl.h"

namespace vcl {

class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner) : TControl(owner) {}
    const char* ClassName() const override { return "TGraphicControl"; }

    // Valid while the control paints: the parent's canvas with its origin at the
    // control's top-left corner.
    TCanvas* Canvas() const { return canvas_; }
    // Called by the parent; paints the control on canvas.
    void PaintOn(TCanvas& canvas);
    void Invalidate() override;

protected:
    virtual void Paint() = 0;

private:
    TCanvas* canvas_ = nullptr;
};

}  // namespace vcl
