#include "TControl.h"

#include "TForm.h"
#include "TWinControl.h"

#include <algorithm>

namespace vcl {

TControl::TControl(TComponent* owner) : TComponent(owner) {
    font_.Height = -11;
}

TControl::~TControl() { SetParent(nullptr); }

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent_) {
        Invalidate();
        parent_->RemoveControl(this);
    }
    parent_ = parent;
    if (parent_) {
        parent_->InsertControl(this);
        Invalidate();
    }
}

TForm* TControl::ParentForm() const {
    const TControl* control = this;
    while (control) {
        if (auto* form = dynamic_cast<const TForm*>(control))
            return const_cast<TForm*>(form);
        control = control->parent_;
    }
    return nullptr;
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    Invalidate();
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    Invalidate();
    RequestAlign();
}

void TControl::SetAlign(TAlign align) {
    align_ = align;
    RequestAlign();
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_) return;
    if (!visible) Invalidate();
    visible_ = visible;
    if (visible) Invalidate();
    RequestAlign();
}

bool TControl::Showing() const {
    for (const TControl* control = this; control; control = control->parent_)
        if (!control->visible_) return false;
    return true;
}

void TControl::SetColor(TColor color) {
    color_ = color;
    ParentColor = false;
    Invalidate();
}

void TControl::RequestAlign() {
    if (parent_ && align_ != TAlign::alNone) parent_->AlignControls();
}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

void TControl::Invalidate() {}

void TControl::Repaint() {
    Invalidate();
    for (TControl* control = this; control; control = control->parent_) {
        if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
            windowed->Update();
            break;
        }
    }
}

void TControl::MouseDown(TMouseButton button, TPoint) {
    if (button == TMouseButton::mbLeft) pressed_ = true;
}

void TControl::MouseUp(TMouseButton button, TPoint point) {
    if (button != TMouseButton::mbLeft || !pressed_) return;
    pressed_ = false;
    if (ClientRect().Contains(point)) Click();
}

void TControl::MouseMove(TPoint) {}

TPoint TControl::ClientOriginInWindow() const {
    if (IsWindowed()) return TPoint{};
    TPoint origin{left_, top_};
    return origin;
}

bool TControl::ReadProperty(const DescriptionProperty& property, PropertyReader& reader) {
    const std::string& name = property.name;
    const DescriptionValue& value = property.value;
    if (name == "Left") {
        SetBounds(reader.Integer(value), top_, width_, height_);
    } else if (name == "Top") {
        SetBounds(left_, reader.Integer(value), width_, height_);
    } else if (name == "Width") {
        SetBounds(left_, top_, reader.Integer(value), height_);
    } else if (name == "Height") {
        SetBounds(left_, top_, width_, reader.Integer(value));
    } else if (name == "Align") {
        SetAlign(reader.Enum<TAlign>(value, {{"alNone", TAlign::alNone}, {"alTop", TAlign::alTop},
                                             {"alBottom", TAlign::alBottom}, {"alLeft", TAlign::alLeft},
                                             {"alRight", TAlign::alRight}, {"alClient", TAlign::alClient}}));
    } else if (name == "Visible") {
        SetVisible(reader.Boolean(value));
    } else if (name == "Hint") {
        Hint = reader.String(value);
    } else if (name == "ShowHint") {
        ShowHint = reader.Boolean(value);
    } else if (name == "ParentShowHint") {
        ParentShowHint = reader.Boolean(value);
    } else if (name == "Cursor") {
        Cursor = reader.Cursor(value);
    } else if (name == "Color") {
        SetColor(reader.Color(value));
    } else if (name == "ParentColor") {
        ParentColor = reader.Boolean(value);
    } else if (name == "ParentFont") {
        ParentFont = reader.Boolean(value);
    } else if (name == "OnClick") {
        OnClick = reader.Handler<TNotifyEvent>(value);
    } else if (name.compare(0, 5, "Font.") == 0) {
        ParentFont = false;
        return reader.Font(font_, name.substr(5), value);
    } else {
        return false;
    }
    return true;
}

void TControl::Loaded() {
    if (parent_ && ParentFont) font_.Assign(*parent_->Font());
    if (parent_ && ParentColor) color_ = parent_->Color();
}

}  // namespace vcl
