#include "ui/main/MainForm.h"

#include "journal/JournalEntries.h"
#include "ui/info/InfoForm.h"

#include <string>

TForm1* Form1 = nullptr;

namespace {

const char* const ListHint =
    "Markieren Sie hier die Programme,\nderen Protokollfunktion aktiviert bleiben soll.";

const char* const MarkSuffix = " ausbremsen";

const char* const LongText =
    "Wie Sie sicher wissen, können alle Dateien, die von sämtlichen MS-Office Programmen "
    "jemals geöffnet oder gesichert wurden, mitprotokolliert werden.Dieses Protokollieren "
    "zwingt Ihren Rechner bereits ab ca. 50 Dateien in die Knie.\nFalls Sie dies gut finden, "
    "setzen Sie bitte in der unteren Liste überall Häkchen.Sollten Sie keine Einträge oder "
    "Häkchen in der Liste haben, sind Sie fein raus.\n\nMfG,\nFidelwanz";

const char* const ShortText =
    "\nSie glücklicher Mensch. Kein MS-Office - kein Stress.\n\nIn diesem Sinne,\nFidelwanz";

}  // namespace

TForm1::TForm1(vcl::TComponent* Owner) : vcl::TForm(Owner) {
    Bind("ListBox1", ListBox1);
    Bind("Image1", Image1);
    Bind("Image2", Image2);
    Bind("Panel1", Panel1);
    Bind("Panel2", Panel2);
    Bind("Button1", Button1);
    Bind("Button2", Button2);
    Bind("ProUrlLabel1", ProUrlLabel1);
    Bind("Panel3", Panel3);
    Bind("ProLabel1", ProLabel1);
    Bind("MarsCaption1", MarsCaption1);
    Bind("Panel4", Panel4);
    Bind("Image3", Image3);
    BindHandler("FormShow", &TForm1::FormShow);
    BindHandler("ListBox1DrawItem", &TForm1::ListBox1DrawItem);
    BindHandler("ListBox1Click", &TForm1::ListBox1Click);
    BindHandler("Button1Click", &TForm1::Button1Click);
    BindHandler("Button2Click", &TForm1::Button2Click);
    BindHandler("Image3Click", &TForm1::Image3Click);
    LoadDescription("MainForm.desc");

    ListBox1->Hint = ListHint;
}

TForm1::~TForm1() = default;

void TForm1::FormShow(vcl::TObject*) {
    LoadJournalEntries();
    ProLabel1->SetCaption(ListBox1->Items->Count() > 0 ? LongText : ShortText);
}

void TForm1::ListBox1DrawItem(vcl::TWinControl*, int Index, vcl::TRect Rect,
                              vcl::TOwnerDrawState) {
    if (Index < 0 || Index >= ListBox1->Items->Count() || Index >= JournalFlagCount) return;

    const int W = Image1->Width();
    const int H = Image1->Height();
    const bool current = Index == ListBox1->ItemIndex();
    vcl::TCanvas* canvas = ListBox1->Canvas();
    canvas->Brush->Color = current ? vcl::clYellow : vcl::clWhite;
    canvas->Font->Color = vcl::clBlack;
    canvas->FillRect(Rect);

    std::string text = ListBox1->Items->Get(Index);
    if (JournalOn[Index] != 0) {
        vcl::TRect dest;
        dest.Left = Rect.Left + 2;
        dest.Top = Rect.Top + (ListBox1->ItemHeight() - H) / 2;
        dest.Right = dest.Left + W;
        dest.Bottom = dest.Top + H;
        vcl::TImage* source = current ? Image2 : Image1;
        canvas->CopyRect(dest, source->Canvas(), vcl::Rect(0, 0, source->Width(), source->Height()));
        text += MarkSuffix;
    }
    // Measured from the list's left edge, not from the row's.
    canvas->TextOut(W + 4, Rect.Top, text);
}

void TForm1::ListBox1Click(vcl::TObject*) {
    const int i = ListBox1->ItemIndex();
    if (i < 0 || i >= ListBox1->Items->Count() || i >= JournalFlagCount) return;
    JournalOn[i] = JournalOn[i] == 0 ? 1 : 0;
    ListBox1->Repaint();
}

void TForm1::Button1Click(vcl::TObject*) { ApplyJournalEntries(); }

void TForm1::Button2Click(vcl::TObject*) { Close(); }

void TForm1::Image3Click(vcl::TObject*) { Form2->ShowModal(); }
