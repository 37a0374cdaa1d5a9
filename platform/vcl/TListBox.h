#pragma once
// List box with owner-drawn rows of one fixed height, unsorted, single
// selection. Its click event follows the list's selection notification: every
// click on a row (the current one included) and every keyboard move.
#include "TCanvas.h"
#include "TListBoxStrings.h"
#include "TWinControl.h"

namespace vcl {

class TListBox : public TWinControl {
    TListBoxStrings items_{*this};

public:
    explicit TListBox(TComponent* owner);
    const char* ClassName() const override { return "TListBox"; }

    // The rows; Items->Add appends at the end.
    TStrings* const Items = &items_;
    // The current row, -1 for none.
    int ItemIndex() const;
    void SetItemIndex(int index);
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int height);
    // The row's rectangle in client coordinates.
    TRect ItemRect(int index) const;

    TDrawItemEvent OnDrawItem;
    // The drawing surface of the row being drawn, valid inside OnDrawItem.
    TCanvas* Canvas() { return drawCanvas_; }

    bool ReadProperty(const DescriptionProperty& property, PropertyReader& reader) override;
    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;

private:
    friend class TListBoxStrings;
    void DrawItem(void* drawItemStruct);

    int itemIndex_ = -1;
    int itemHeight_ = 16;
    TCanvas* drawCanvas_ = nullptr;
};

}  // namespace vcl
