#include "platform/proctrls/ProCtrls.h"

#include "platform/proctrls/TProLabel.h"
#include "platform/proctrls/TProUrlLabel.h"
#include "platform/vcl/ComponentClasses.h"
#include "platform/vcl/TScreen.h"
#include "platform/vcl/WinApi.h"

namespace proctrls {

#if TRAMVELT_HAS_WINDOWS
namespace {

struct CursorResource {
    vcl::TCursor number;
    const char* name;
};

constexpr CursorResource kCursors[] = {
    {crProHandPoint, "PRO_HANDPOINT"},
    {crProSmallHandPoint, "PRO_SMALLHANDPOINT"},
    {crProGrabHand, "PRO_GRABHAND"},
    {crProGrabHandArrow, "PRO_GRABHANDARROW"},
    {crProDragHand, "PRO_DRAGHAND"},
};

}  // namespace
#endif

void StartPack() {
    static bool started = false;
    if (started) return;
    started = true;
    vcl::RegisterComponentClass<TProLabel>("TProLabel");
    vcl::RegisterComponentClass<TProUrlLabel>("TProUrlLabel");
#if TRAMVELT_HAS_WINDOWS
    // Static initialisation may run before vcl::Screen is set.
    vcl::TScreen& screen = vcl::TScreen::Instance();
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    for (const CursorResource& cursor : kCursors)
        // A missing resource leaves the number on the default cursor.
        if (HCURSOR handle = ::LoadCursorA(instance, cursor.name))
            screen.SetCursorHandle(cursor.number, handle);
#endif
}

namespace {

// Starts the pack during static initialisation, before any window exists.
struct PackStart {
    PackStart() { StartPack(); }
} packStart;

}  // namespace

}  // namespace proctrls
