#pragma once

#include "geometry.h"

namespace tarvek {

// Where the framework puts a dialog that asked for no position of its own:
// its centre on the centre of `reference` (halves truncated toward zero), then
// moved as far as needed to lie inside `workArea`.
Point CentredOrigin(Size window, const Rect& reference, const Rect& workArea);

}  // namespace tarvek
