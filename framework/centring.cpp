#include "centring.h"

namespace tarvek {

Point CentredOrigin(Size window, const Rect& reference, const Rect& workArea)
{
    auto start = [](int low, int high, int length) {
        // Each half truncated toward zero, as integer division does.
        return (low + high) / 2 - length / 2;
    };
    const Point centred{start(reference.left, reference.right, window.width),
                        start(reference.top, reference.bottom, window.height)};
    return KeepInside(centred, window, workArea);
}

}  // namespace tarvek
