#pragma once
// A control with a window of its own, which can hold child controls. The
// window is created when first needed (usually when its form is shown), so a
// control exists as a plain object before that. One dispatcher per window
// unpacks messages; no exception ever leaves it (see Dispatch).
#include "Messages.h"
#include "TCanvas.h"
#include "TControl.h"

#include <string>
#include <vector>

namespace vcl {

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;
    const char* ClassName() const override { return "TWinControl"; }

    // The window, created on first use (raises where there is no window system).
    HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    // The control behind a window of the layer, or nullptr.
    static TWinControl* FromHandle(HWND window);

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Control(int index) const { return controls_.at(index); }

    int TabOrder = -1;
    bool TabStop = false;

    bool IsWindowed() const override { return true; }
    void SetBounds(int left, int top, int width, int height) override;
    void SetVisible(bool visible) override;
    int ClientWidth() const override;
    int ClientHeight() const override;
    void Invalidate() override;
    // Paints what is invalid now.
    void Update();
    void SetFocus();
    bool Focused() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // Lays out the aligned children: top and bottom strips first, then left
    // and right, then one client control in what is left.
    void AlignControls();
    // The topmost visible windowless child at a client point, or nullptr.
    TControl* ControlAtPos(TPoint point) const;

    // Message handling. Dispatch runs WndProc under a catch-all that reports
    // errors through the application and returns from the message.
    void Dispatch(TMessage& message);
    virtual void WndProc(TMessage& message);
    bool ReadProperty(const DescriptionProperty& property, PropertyReader& reader) override;

protected:
    struct TCreateParams {
        std::string windowClass;  // empty: the layer's own class
        std::string caption;
        unsigned long style = 0;
        unsigned long exStyle = 0;
        int x = 0, y = 0, width = 0, height = 0;
        HWND parent = nullptr;
    };
    virtual void CreateParams(TCreateParams& params);
    // After the window exists, before its children are created.
    virtual void CreateWnd();
    void DestroyHandle();
    // Default processing: the original window procedure of a standard control,
    // DefWindowProc for the layer's own windows.
    void DefaultHandler(TMessage& message);
    // Paints the window's own surface (after the background) on canvas.
    virtual void Paint(TCanvas& canvas);
    // Background colour of the client area.
    virtual TColor BackgroundColor() const { return Color(); }
    // Sets the standard control's font; the layer's own windows paint theirs.
    void ApplyFont();
    bool ownClass_ = true;

private:
    friend class TControl;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void CreateHandle();
    // The window is gone: drop the link to it.
    void ForgetHandle();
    void PaintHandler();
    void MouseMessage(TMessage& message);
    bool SetCursorMessage(TMessage& message);

    HWND handle_ = nullptr;
    void* originalProc_ = nullptr;
    std::vector<TControl*> controls_;
    TControl* mouseControl_ = nullptr;
    bool aligning_ = false;
    bool enabled_ = true;

#if TRAMVELT_HAS_WINDOWS
    static LRESULT CALLBACK StandardProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
#endif
};

}  // namespace vcl
