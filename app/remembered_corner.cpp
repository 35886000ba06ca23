#include "remembered_corner.h"

#include <algorithm>
#include <cstdint>

namespace tarvek {
namespace {

std::int64_t OverlapArea(const Rect& a, const Rect& b)
{
    const std::int64_t width = std::min(a.right, b.right) - std::max(a.left, b.left);
    const std::int64_t height = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return width > 0 && height > 0 ? width * height : 0;
}

std::int64_t SquaredDistance(const Rect& a, const Rect& b)
{
    const std::int64_t dx = std::max({0, a.left - b.right, b.left - a.right});
    const std::int64_t dy = std::max({0, a.top - b.bottom, b.top - a.bottom});
    return dx * dx + dy * dy;
}

// The monitor a window rectangle belongs to: the one it overlaps most, or the
// nearest when it overlaps none; on a tie the earlier one, the primary first.
const Monitor& MonitorOf(const Rect& window, std::span<const Monitor> monitors)
{
    const Monitor* best = &monitors.front();
    std::int64_t bestOverlap = OverlapArea(window, best->bounds);
    std::int64_t bestDistance = SquaredDistance(window, best->bounds);
    for (const Monitor& monitor : monitors.subspan(1)) {
        const std::int64_t overlap = OverlapArea(window, monitor.bounds);
        const std::int64_t distance = SquaredDistance(window, monitor.bounds);
        if (overlap > bestOverlap || (bestOverlap == 0 && overlap == 0 && distance < bestDistance)) {
            best = &monitor;
            bestOverlap = overlap;
            bestDistance = distance;
        }
    }
    return *best;
}

// Window positions travel in 16-bit words (WM_MOVE), so no screen lies
// beyond this range. A stored corner is limited to it first, which also keeps
// the sums below far from the limits of int for any number the settings hold.
constexpr int kCoordinateLimit = 32767;

Point WithinCoordinateRange(Point corner)
{
    return {std::clamp(corner.x, -kCoordinateLimit - 1, kCoordinateLimit),
            std::clamp(corner.y, -kCoordinateLimit - 1, kCoordinateLimit)};
}

}  // namespace

Point ScreenOriginForRememberedCorner(Point storedCorner, Size window, std::span<const Monitor> monitors)
{
    const Point corner = WithinCoordinateRange(storedCorner);
    const Monitor& home = MonitorOf(RectAt(corner, window), monitors);
    const Point origin{corner.x + home.work.left - home.bounds.left, corner.y + home.work.top - home.bounds.top};
    const Rect placed = RectAt(origin, window);
    for (const Monitor& monitor : monitors) {
        if (monitor.work.Contains(placed)) {
            return origin;
        }
    }
    return KeepInside(origin, window, MonitorOf(placed, monitors).work);
}

}  // namespace tarvek
