#pragma once
// A title bar the program draws itself: colour bands from a begin to an end
// colour, the program's icon, the application name and the window's caption,
// and caption buttons of its own. It belongs to a form and takes over the
// form's non-client messages through a message hook.
//
//   object MarsCaption1: TMarsCaption
//     ActiveBeginColor = clBlack
//     ActiveEndColor = clYellow
//     NumColors = 64
//   end
#include "platform/vcl/Messages.h"
#include "platform/vcl/TComponent.h"
#include "platform/vcl/TFont.h"
#include "platform/vcl/Types.h"

#include <memory>
#include <string>

namespace vcl {
class TForm;
}

namespace marscap {

// The parts of the bar that mouse input tells apart.
enum class TCaptionPart { None, Bar, Icon, Minimize, Maximize, Close };

// Where the parts of the bar lie, in coordinates relative to the window's
// outer top-left corner. Caption spans the bar and the line under it (what
// hit tests cover); the others lie inside Bar. Icon is empty without an icon.
struct TCaptionLayout {
    vcl::TRect Caption, Bar, Icon, Text, Minimize, Maximize, Close;
};

class TMarsCaption : public vcl::TComponent {
public:
    // owner must be a form; raises vcl::Exception otherwise.
    explicit TMarsCaption(vcl::TComponent* owner);
    ~TMarsCaption() override;
    const char* ClassName() const override { return "TMarsCaption"; }

    vcl::TColor ActiveBeginColor = vcl::clBlack;
    vcl::TColor ActiveEndColor = vcl::clBlue;
    vcl::TColor ActiveFontColor = vcl::clWhite;
    vcl::TColor InactiveBeginColor = vcl::clBlack;
    vcl::TColor InactiveEndColor = vcl::clGray;
    vcl::TColor InactiveFontColor = vcl::clSilver;
    // Drawn before the caption, in ApplicationNameFont.
    std::string ApplicationName;
    bool AutoSize = false;

    // The fonts' colours are not used: the text takes the font colour of the
    // bar's state.
    vcl::TFont* ApplicationNameFont() { return &applicationNameFont_; }
    vcl::TFont* CaptionFont() { return &captionFont_; }

    int NumColors() const { return numColors_; }
    // Raises vcl::Exception outside 1 .. MaxColors.
    void SetNumColors(int count);
    static constexpr int MaxColors = 256;

    vcl::TForm* Form() const { return form_; }
    // The state the bar is drawn in: the last activation flag the window got.
    bool DrawnActive() const { return active_; }
    // The part being held down with the mouse, or None.
    TCaptionPart PressedPart() const { return pressed_; }

    // Geometry for the window's current size (all empty without a window).
    TCaptionLayout Layout() const;
    // The part under a point relative to the window's outer corner.
    TCaptionPart PartAt(vcl::TPoint point) const;
    // Paints the bar now with the current settings.
    void Invalidate();

    bool ReadProperty(const vcl::DescriptionProperty& property, vcl::PropertyReader& reader) override;

private:
    bool HandleMessage(vcl::TMessage& message);
#if TRAMVELT_HAS_WINDOWS
    bool HasBar() const;
    bool PartEnabled(TCaptionPart part) const;
    void PaintBar();
    // The standard frame within update (nullptr: all of it), then the bar.
    void PaintFrame(HRGN update = nullptr);
    void Press(TCaptionPart part);
    void Perform(TCaptionPart part);
    void DefaultThenRepaint(vcl::TMessage& message);
#endif

    vcl::TForm* form_ = nullptr;
    // Shared with the form's hook, which does nothing once this is gone.
    std::shared_ptr<TMarsCaption*> self_;
    vcl::TFont applicationNameFont_;
    vcl::TFont captionFont_;
    int numColors_ = 64;
    bool active_ = false;
    TCaptionPart pressed_ = TCaptionPart::None;
    bool pressedInside_ = false;
};

}  // namespace marscap
