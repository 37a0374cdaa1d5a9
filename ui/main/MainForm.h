#pragma once
// The main window: the journaling entries with their flags.
#include "platform/vcl/TForm.h"
#include "platform/vcl/TListBox.h"

class TForm1 : public vcl::TForm {
public:
    vcl::TListBox* ListBox1;

    // One flag per row of ListBox1: 1 keeps journaling on. Rows from index 1024
    // on have none.
    unsigned char JournalOn[1024] = {};

    explicit TForm1(vcl::TComponent* owner);
};

extern TForm1* Form1;
