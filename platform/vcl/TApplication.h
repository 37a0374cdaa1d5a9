#pragma once
// The application object: title, the forms it owns, the message loop and the
// error box. Exactly one exists, before the entry point runs: Application.
#include "Exception.h"
#include "TComponent.h"
#include "WinApi.h"

#include <memory>
#include <string>
#include <vector>

namespace vcl {

class TForm;

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;
    const char* ClassName() const override { return "TApplication"; }

    // Runs InitProc, if one is registered.
    void Initialize();
    static void (*InitProc)();

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);

    // Constructs a form of class T owned by the application and stores it in
    // reference; the first form created becomes the main form. Errors during
    // construction propagate and leave reference unchanged.
    template <class T>
    void CreateForm(T*& reference) {
        auto form = std::make_unique<T>(this);
        T* raw = form.get();
        InsertComponent(std::move(form));
        if (!mainForm_) mainForm_ = raw;
        reference = raw;
    }
    TForm* MainForm() const { return mainForm_; }

    // Shows the main form, then dispatches messages until the quit message.
    void Run();
    // Waits for and dispatches one message; false once the quit message came.
    bool HandleMessage();
    // Dispatches every message waiting now.
    void ProcessMessages();
    void Terminate();
    bool Terminated() const { return terminated_; }

    // The error box: message + ".", captioned with the title, stop icon, OK,
    // modal to the whole program.
    void ShowException(const Exception& error);
    // Reports the exception being handled (call from a catch block).
    void HandleException(TObject* sender);

    // The program's icon (resource MAINICON), or nullptr.
    HICON Icon();
    // The application's own hidden window, owner of the error box.
    HWND Handle();

    // Disables the visible, enabled top-level windows of the program except
    // `except`, returning them; EnableTaskWindows undoes it.
    std::vector<HWND> DisableTaskWindows(HWND except);
    void EnableTaskWindows(const std::vector<HWND>& windows);
    // Registers the hints of a form's controls.
    void UpdateHints(TForm& form);

    // Destroys the forms, last created first, and forgets the main form. The
    // program leaves this to the end of the process; tests call it.
    void DestroyForms();
    // Messages of the error boxes shown so far, for builds without a window system.
    const std::vector<std::string>& ShownErrors() const { return shownErrors_; }

    static TApplication& Instance();

private:
    void ProcessMessage(void* message);

    std::string title_;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
    HWND handle_ = nullptr;
    HICON icon_ = nullptr;
    bool iconLoaded_ = false;
    std::vector<std::string> shownErrors_;
    struct Hints;
    std::unique_ptr<Hints> hints_;
};

extern TApplication* Application;

}  // namespace vcl
