#pragma once
// A window message as the layer's dispatch hands it on, and the message
// numbers it adds: notifications reflected from a parent to the control that
// raised them.
#include "WinApi.h"

namespace vcl {

struct TMessage {
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
    LRESULT Result;
};

constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + 0x0111;   // WM_COMMAND
constexpr UINT CN_DRAWITEM = CN_BASE + 0x002B;  // WM_DRAWITEM

}  // namespace vcl
