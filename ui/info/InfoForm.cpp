#include "ui/info/InfoForm.h"

#include "platform/vcl/TScreen.h"

TForm2* Form2 = nullptr;

namespace {
const char* const JokeText =
    "Die mussten wir übrigens KOMPLETT essen...\nSonst wär's mit diesem Programm nichts geworden.";
}

TForm2::TForm2(vcl::TComponent* Owner) : vcl::TForm(Owner) {
    Bind("Image1", Image1);
    Bind("ProLabel1", ProLabel1);
    BindHandler("FormShow", &TForm2::FormShow);
    BindHandler("Image1Click", &TForm2::Image1Click);
    BindHandler("FormPaint", &TForm2::FormPaint);
    LoadDescription("InfoForm.desc");

    ProLabel1->SetCaption(JokeText);
}

void TForm2::FormShow(vcl::TObject*) {
    // Full screen size, not the work area; truncated toward zero, not clamped.
    SetBounds((vcl::Screen->Width() - Width()) / 2, Top(), Width(), Height());
    SetBounds(Left(), (vcl::Screen->Height() - Height()) / 2, Width(), Height());
}

void TForm2::Image1Click(vcl::TObject*) { ModalResult = vcl::mrOk; }

void TForm2::FormPaint(vcl::TObject*) {
    Canvas()->Pen->Color = vcl::clBlue;
    Canvas()->Rectangle(0, 0, Width(), Height());
}
