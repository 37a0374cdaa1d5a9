#pragma once
// A control that can hold child controls.
#include "TControl.h"

#include <vector>

namespace vcl {

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner) : TControl(owner) {}
    ~TWinControl() override;

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Control(int index) const { return controls_.at(index); }

private:
    friend class TControl;
    std::vector<TControl*> controls_;
};

}  // namespace vcl
