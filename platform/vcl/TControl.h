#pragma once
// A visual element: parent, bounds, alignment, visibility, font, colour,
// cursor, hint and click. Windowless controls (TGraphicControl) are painted by
// their parent and get their mouse input from it.
#include "Description.h"
#include "PropertyReader.h"
#include "TComponent.h"
#include "TFont.h"
#include "Types.h"

#include <memory>
#include <string>

namespace vcl {

class TWinControl;
class TForm;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;
    const char* ClassName() const override { return "TControl"; }

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    // The form this control lies on (itself for a form), or nullptr.
    TForm* ParentForm() const;

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    TRect BoundsRect() const { return Rect(left_, top_, left_ + width_, top_ + height_); }
    virtual void SetBounds(int left, int top, int width, int height);
    virtual int ClientWidth() const { return width_; }
    virtual int ClientHeight() const { return height_; }
    TRect ClientRect() const { return Rect(0, 0, ClientWidth(), ClientHeight()); }

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    // Visible itself and all its parents.
    bool Showing() const;

    // Text of the control's hint; shown only where ShowHint is on.
    std::string Hint;
    bool ShowHint = false;
    // Kept for descriptions; hints follow each control's own ShowHint only.
    bool ParentShowHint = true;
    TCursor Cursor = crDefault;
    TNotifyEvent OnClick;

    TFont* Font() { return &font_; }
    // Uses the parent's font until the control is given one of its own.
    bool ParentFont = true;
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool ParentColor = false;

    virtual bool IsWindowed() const { return false; }
    // Raises OnClick.
    virtual void Click();
    // Marks the control for painting; Repaint paints it at once.
    virtual void Invalidate();
    void Repaint();

    // Mouse input in client coordinates. A click is a left press and release
    // over the same control.
    virtual void MouseDown(TMouseButton button, TPoint point);
    virtual void MouseUp(TMouseButton button, TPoint point);
    virtual void MouseMove(TPoint point);
    virtual void MouseLeave() {}

    bool ReadProperty(const DescriptionProperty& property, PropertyReader& reader) override;
    void Loaded() override;

    // Position relative to the nearest windowed ancestor's client area.
    TPoint ClientOriginInWindow() const;

protected:
    // Lets the parent lay out its aligned children again.
    void RequestAlign();
    bool pressed_ = false;

private:
    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    TAlign align_ = TAlign::alNone;
    bool visible_ = true;
    TFont font_;
    TColor color_ = clBtnFace;
};

}  // namespace vcl
