#pragma once
// A windowless text label. A line feed starts a new line; with WordWrap on,
// lines wider than the label break between words (a word wider than the label
// breaks between characters). Transparent labels paint only their text, so
// whatever lies behind them shows through.
#include "platform/vcl/TGraphicControl.h"

#include <functional>
#include <string>
#include <vector>

namespace proctrls {

// Splits text into the lines a label of that width shows. measure gives the
// width of a piece of text in pixels.
std::vector<std::string> LayoutLines(const std::string& text, bool wordWrap, int width,
                                     const std::function<int(const std::string&)>& measure);

class TProLabel : public vcl::TGraphicControl {
public:
    explicit TProLabel(vcl::TComponent* owner);
    const char* ClassName() const override { return "TProLabel"; }

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    vcl::TAlignment Alignment() const { return alignment_; }
    void SetAlignment(vcl::TAlignment alignment);

    bool ReadProperty(const vcl::DescriptionProperty& property, vcl::PropertyReader& reader) override;

protected:
    void Paint() override;
    // Colour the text is drawn in.
    virtual vcl::TColor TextColor() { return Font()->Color; }

private:
    void Changed();

    std::string caption_;
    bool wordWrap_ = false;
    bool transparent_ = false;
    vcl::TAlignment alignment_ = vcl::TAlignment::taLeftJustify;
};

}  // namespace proctrls
