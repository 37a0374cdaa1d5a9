#pragma once
// List box with owner-drawn rows of one fixed height.
#include "TListBoxStrings.h"
#include "TWinControl.h"

namespace vcl {

class TListBox : public TWinControl {
    TListBoxStrings items_{*this};

public:
    explicit TListBox(TComponent* owner) : TWinControl(owner) {}

    // The rows; Items->Add appends at the end.
    TStrings* const Items = &items_;
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index) { itemIndex_ = index; }
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int height) { itemHeight_ = height; }

private:
    int itemIndex_ = -1;
    int itemHeight_ = 16;
};

}  // namespace vcl
