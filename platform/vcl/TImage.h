#pragma once
// A windowless picture control. With AutoSize it takes its picture's size.
#include "TBitmap.h"
#include "TGraphicControl.h"

#include <memory>

namespace vcl {

class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* owner);
    const char* ClassName() const override { return "TImage"; }

    TBitmap* Picture() { return &picture_; }
    // Loads the picture from a bitmap resource (a file name under resources/).
    void LoadPicture(const std::string& resourceName);
    bool AutoSize = false;
    bool Stretch = false;
    // The drawing surface of the picture's bitmap.
    TCanvas* Canvas() { return picture_.Canvas(); }

    bool ReadProperty(const DescriptionProperty& property, PropertyReader& reader) override;
    void Loaded() override;

protected:
    void Paint() override;

private:
    void ApplyAutoSize();
    TBitmap picture_;
};

}  // namespace vcl
