#pragma once
// The screen: its size and the table of numbered cursors.
#include "Types.h"
#include "WinApi.h"

#include <map>

namespace vcl {

class TScreen {
public:
    // Full size of the primary screen in pixels (not the work area).
    int Width() const;
    int Height() const;
    // Tests stand in another screen size; 0, 0 returns to the real one.
    void SetSizeForTesting(int width, int height);

    // The cursor registered under number (negative numbers are the system's).
    HCURSOR CursorHandle(TCursor cursor) const;
    void SetCursorHandle(TCursor cursor, HCURSOR handle);
    bool HasCursor(TCursor cursor) const { return cursors_.count(cursor) != 0; }

    static TScreen& Instance();

private:
    std::map<TCursor, HCURSOR> cursors_;
    int testWidth_ = 0;
    int testHeight_ = 0;
};

extern TScreen* Screen;

}  // namespace vcl
