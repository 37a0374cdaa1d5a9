#include "ui/main/MainForm.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(vcl::TComponent* owner) : vcl::TForm(owner) {
    ListBox1 = Create<vcl::TListBox>();
    ListBox1->SetName("ListBox1");
    ListBox1->SetParent(this);
}
