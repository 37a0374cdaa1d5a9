#pragma once
// The ProCtrls pack: TProLabel and TProUrlLabel, and five cursors in the
// screen's cursor table. The pack starts by itself before main runs: nothing
// needs to call StartPack.
#include "platform/vcl/Types.h"

namespace proctrls {

constexpr vcl::TCursor crProHandPoint = 15000;
constexpr vcl::TCursor crProSmallHandPoint = 15001;
constexpr vcl::TCursor crProGrabHand = 15002;
constexpr vcl::TCursor crProGrabHandArrow = 15003;
constexpr vcl::TCursor crProDragHand = 15004;

// Registers the component classes and loads the cursors from the program's
// cursor resources (none without a window system). Runs once; later calls
// do nothing.
void StartPack();

}  // namespace proctrls
