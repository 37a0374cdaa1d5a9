#pragma once
// A top-level window.
#include "TWinControl.h"

namespace vcl {

class TForm : public TWinControl {
public:
    explicit TForm(TComponent* owner) : TWinControl(owner) {}
};

}  // namespace vcl
