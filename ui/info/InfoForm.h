#pragma once
// The info window: a borderless picture with a joke, centred on the screen,
// closed by a click anywhere in it.
#include "platform/proctrls/TProLabel.h"
#include "platform/vcl/TForm.h"
#include "platform/vcl/TImage.h"

class TForm2 : public vcl::TForm {
public:
    vcl::TImage* Image1 = nullptr;
    proctrls::TProLabel* ProLabel1 = nullptr;

    explicit TForm2(vcl::TComponent* Owner);
    const char* ClassName() const override { return "TForm2"; }

    void FormShow(vcl::TObject* Sender);
    void Image1Click(vcl::TObject* Sender);
    void FormPaint(vcl::TObject* Sender);
};

extern TForm2* Form2;
