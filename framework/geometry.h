#pragma once

#include <algorithm>

namespace tarvek {

// Screen geometry as plain values, so the placement rules can be tested
// without a window system.
struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    int width = 0;
    int height = 0;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(const Rect& inner) const
    {
        return inner.left >= left && inner.top >= top && inner.right <= right && inner.bottom <= bottom;
    }
    bool operator==(const Rect&) const = default;
};

inline Rect RectAt(Point origin, Size size)
{
    return {origin.x, origin.y, origin.x + size.width, origin.y + size.height};
}

// The origin that moves a window of `size` starting at `origin` as little as
// needed to lie inside `area`; a window larger than the area keeps its
// left or top edge on the area's.
inline Point KeepInside(Point origin, Size size, const Rect& area)
{
    auto axis = [](int start, int length, int low, int high) {
        if (start < low) {
            return low;
        }
        if (start + length > high) {
            return std::max(low, high - length);
        }
        return start;
    };
    return {axis(origin.x, size.width, area.left, area.right), axis(origin.y, size.height, area.top, area.bottom)};
}

}  // namespace tarvek
