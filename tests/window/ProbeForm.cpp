#include "tests/window/ProbeForm.h"

TProbeForm::TProbeForm(vcl::TComponent* owner, const std::string& source) : vcl::TForm(owner) {
    BindAll();
    LoadDescription(source);
}

TProbeForm::TProbeForm(vcl::TComponent* owner, std::string_view text, const std::string& source)
    : vcl::TForm(owner) {
    BindAll();
    LoadDescriptionText(text, source);
}

void TProbeForm::BindAll() {
    Bind("Top", Top);
    Bind("Picture", Picture);
    Bind("Bottom", Bottom);
    Bind("Right", Right);
    Bind("Ok", Ok);
    Bind("Quit", Quit);
    Bind("List", List);
    BindHandler("FormShow", &TProbeForm::FormShow);
    BindHandler("FormPaint", &TProbeForm::FormPaint);
    BindHandler("FormClick", &TProbeForm::FormClick);
    BindHandler("PictureClick", &TProbeForm::PictureClick);
    BindHandler("OkClick", &TProbeForm::OkClick);
    BindHandler("QuitClick", &TProbeForm::QuitClick);
    BindHandler("ListClick", &TProbeForm::ListClick);
}

void TProbeForm::Record(const std::string& event) {
    events.push_back(event);
    if (failIn == event) throw vcl::Exception("Probe failed in " + event);
}

void TProbeForm::FormShow(vcl::TObject*) {
#if TRAMVELT_HAS_WINDOWS
    visibleDuringShow = HandleAllocated() && ::IsWindowVisible(Handle());
#endif
    Record("FormShow");
}
void TProbeForm::FormPaint(vcl::TObject*) {
    events.push_back("FormPaint");
}
void TProbeForm::FormClick(vcl::TObject*) { Record("FormClick"); }
void TProbeForm::PictureClick(vcl::TObject*) { Record("PictureClick"); }
void TProbeForm::OkClick(vcl::TObject*) { Record("OkClick"); }
void TProbeForm::QuitClick(vcl::TObject*) { Record("QuitClick"); }
void TProbeForm::ListClick(vcl::TObject*) { Record("ListClick"); }
