#pragma once

#include <span>

#include "geometry.h"

namespace tarvek {

struct Monitor {
    Rect bounds;  // the whole screen of the monitor
    Rect work;    // the part not taken by task bars
};

// Where the main dialog opens for a remembered top-left corner. The corner is
// in the placement record's coordinates, measured from the top-left corner of
// the work area of the monitor it lies on; it becomes a screen position. A
// window that would then not lie inside any monitor's work area (a monitor
// removed, the resolution lowered) is moved into the work area of the nearest
// monitor, so it never opens out of reach. `monitors` lists the primary first
// and is not empty.
Point ScreenOriginForRememberedCorner(Point corner, Size window, std::span<const Monitor> monitors);

}  // namespace tarvek
