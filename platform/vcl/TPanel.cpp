#include "TPanel.h"

namespace vcl {

TPanel::TPanel(TComponent* owner) : TWinControl(owner) {
    ParentColor = true;
    SetBounds(0, 0, 185, 41);
}

int TPanel::ClientWidth() const {
    return HandleAllocated() ? TWinControl::ClientWidth() : Width() - 2 * BorderWidth();
}

int TPanel::ClientHeight() const {
    return HandleAllocated() ? TWinControl::ClientHeight() : Height() - 2 * BorderWidth();
}

bool TPanel::ReadProperty(const DescriptionProperty& property, PropertyReader& reader) {
    const std::string& name = property.name;
    auto bevel = [&] {
        return reader.Enum<TBevelCut>(property.value, {{"bvNone", TBevelCut::bvNone},
                                                       {"bvLowered", TBevelCut::bvLowered},
                                                       {"bvRaised", TBevelCut::bvRaised}});
    };
    if (name == "BevelOuter") {
        BevelOuter = bevel();
    } else if (name == "BevelInner") {
        BevelInner = bevel();
    } else if (name == "BorderStyle") {
        BorderStyle = reader.Enum<TBorderStyle>(
            property.value, {{"bsNone", TBorderStyle::bsNone}, {"bsSingle", TBorderStyle::bsSingle}});
    } else {
        return TWinControl::ReadProperty(property, reader);
    }
    return true;
}

#if TRAMVELT_HAS_WINDOWS

void TPanel::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.style |= WS_CLIPCHILDREN;
    if (BorderStyle == TBorderStyle::bsSingle) params.exStyle |= WS_EX_CLIENTEDGE;
}

void TPanel::Paint(TCanvas& canvas) {
    RECT r{0, 0, ClientWidth(), ClientHeight()};
    for (TBevelCut bevel : {BevelOuter, BevelInner}) {
        if (bevel == TBevelCut::bvNone) continue;
        ::DrawEdge(canvas.Handle(), &r, bevel == TBevelCut::bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER,
                   BF_RECT | BF_ADJUST);
    }
}

#else

void TPanel::CreateParams(TCreateParams&) {}
void TPanel::Paint(TCanvas&) {}

#endif

}  // namespace vcl
