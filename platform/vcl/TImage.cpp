#include "TImage.h"

#include "Exception.h"
#include "Resources.h"

namespace vcl {

TImage::TImage(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 105, 105); }

void TImage::LoadPicture(const std::string& resourceName) {
    picture_.LoadFromData(FindResourceData(resourceName), resourceName);
    ApplyAutoSize();
    Invalidate();
}

void TImage::ApplyAutoSize() {
    if (AutoSize && !picture_.Empty())
        SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
}

bool TImage::ReadProperty(const DescriptionProperty& property, PropertyReader& reader) {
    const std::string& name = property.name;
    if (name == "Picture") {
        std::string file = reader.String(property.value);
        try {
            LoadPicture(file);
        } catch (const EDescriptionError&) {
            throw;
        } catch (const Exception& error) {
            reader.Fail(property.value, error.Message());
        }
    } else if (name == "AutoSize") {
        AutoSize = reader.Boolean(property.value);
        ApplyAutoSize();
    } else if (name == "Stretch") {
        Stretch = reader.Boolean(property.value);
    } else {
        return TGraphicControl::ReadProperty(property, reader);
    }
    return true;
}

void TImage::Loaded() {
    TGraphicControl::Loaded();
    ApplyAutoSize();
}

void TImage::Paint() {
    if (picture_.Empty()) return;
    TRect source = Rect(0, 0, picture_.Width(), picture_.Height());
    TRect dest = Stretch ? ClientRect() : source;
    TGraphicControl::Canvas()->CopyRect(dest, picture_.Canvas(), source);
}

}  // namespace vcl
