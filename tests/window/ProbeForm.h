#pragma once
// A small form with one of each standard control, built from
// fixtures/ProbeForm.desc, that records what its handlers saw.
#include "platform/vcl/Exception.h"
#include "platform/vcl/TButton.h"
#include "platform/vcl/TForm.h"
#include "platform/vcl/TImage.h"
#include "platform/vcl/TListBox.h"
#include "platform/vcl/TPanel.h"

#include <string>
#include <vector>

class TProbeForm : public vcl::TForm {
public:
    vcl::TPanel* Top = nullptr;
    vcl::TImage* Picture = nullptr;
    vcl::TPanel* Bottom = nullptr;
    vcl::TPanel* Right = nullptr;
    vcl::TButton* Ok = nullptr;
    vcl::TButton* Quit = nullptr;
    vcl::TListBox* List = nullptr;

    std::vector<std::string> events;
    // Handlers raise this message when it is set (one handler: the named one).
    std::string failIn;
    bool visibleDuringShow = true;

    explicit TProbeForm(vcl::TComponent* owner, const std::string& source = "ProbeForm.desc");
    TProbeForm(vcl::TComponent* owner, std::string_view text, const std::string& source);
    const char* ClassName() const override { return "TProbeForm"; }

    void FormShow(vcl::TObject* sender);
    void FormPaint(vcl::TObject* sender);
    void FormClick(vcl::TObject* sender);
    void PictureClick(vcl::TObject* sender);
    void OkClick(vcl::TObject* sender);
    void QuitClick(vcl::TObject* sender);
    void ListClick(vcl::TObject* sender);

private:
    void BindAll();
    void Record(const std::string& event);
};
