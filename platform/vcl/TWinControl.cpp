#include "TWinControl.h"

namespace vcl {

TWinControl::~TWinControl() {
    // Children owned elsewhere must not point back at a dead parent.
    while (!controls_.empty()) controls_.back()->SetParent(nullptr);
}

}  // namespace vcl
