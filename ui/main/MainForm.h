#pragma once
// The main window: the journaling entries, a check mark on each entry whose
// journaling stays on, the apply and close buttons, a link and a picture that
// opens the info window.
#include "platform/marscap/TMarsCaption.h"
#include "platform/proctrls/TProLabel.h"
#include "platform/proctrls/TProUrlLabel.h"
#include "platform/vcl/TButton.h"
#include "platform/vcl/TForm.h"
#include "platform/vcl/TImage.h"
#include "platform/vcl/TListBox.h"
#include "platform/vcl/TPanel.h"

class TForm1 : public vcl::TForm {
public:
    vcl::TListBox* ListBox1 = nullptr;
    vcl::TImage* Image1 = nullptr;  // check mark on white
    vcl::TImage* Image2 = nullptr;  // check mark on yellow
    vcl::TPanel* Panel1 = nullptr;
    vcl::TPanel* Panel2 = nullptr;
    vcl::TButton* Button1 = nullptr;
    vcl::TButton* Button2 = nullptr;
    proctrls::TProUrlLabel* ProUrlLabel1 = nullptr;
    vcl::TPanel* Panel3 = nullptr;
    proctrls::TProLabel* ProLabel1 = nullptr;
    marscap::TMarsCaption* MarsCaption1 = nullptr;
    vcl::TPanel* Panel4 = nullptr;
    vcl::TImage* Image3 = nullptr;

    // One flag per row of ListBox1: 1 keeps journaling on. Rows from index
    // JournalFlagCount (1024) on have none.
    static constexpr int JournalFlagCount = 1024;
    unsigned char JournalOn[JournalFlagCount] = {};

    explicit TForm1(vcl::TComponent* Owner);
    ~TForm1() override;
    const char* ClassName() const override { return "TForm1"; }

    void FormShow(vcl::TObject* Sender);
    void ListBox1DrawItem(vcl::TWinControl* Control, int Index, vcl::TRect Rect,
                          vcl::TOwnerDrawState State);
    void ListBox1Click(vcl::TObject* Sender);
    void Button1Click(vcl::TObject* Sender);
    void Button2Click(vcl::TObject* Sender);
    void Image3Click(vcl::TObject* Sender);
};

extern TForm1* Form1;
