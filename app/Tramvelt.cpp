// The program's entry point: title, the two windows, the message loop. Any
// error during start-up is shown in the error box; the exit code is always 0.
#include "platform/vcl/Exception.h"
#include "platform/vcl/TApplication.h"
#include "ui/info/InfoForm.h"
#include "ui/main/MainForm.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    try {
        vcl::Application->Initialize();
        vcl::Application->SetTitle("Tramvelt");
        vcl::Application->CreateForm(Form1);
        vcl::Application->CreateForm(Form2);
        vcl::Application->Run();
    } catch (vcl::Exception& error) {
        vcl::Application->ShowException(error);
    }
    return 0;
}
