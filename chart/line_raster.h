#pragma once

#include <algorithm>
#include <cstdlib>

#include "surface.h"

namespace resonara {

// `length` pixels from (x, y) to the right (horizontal) or downwards.
struct PixelRun {
    int x = 0, y = 0, length = 0;
    bool horizontal = true;
    friend constexpr bool operator==(PixelRun, PixelRun) = default;
};

// A horizontal or vertical line is one run, found without walking its pixels.
template <class Sink>
void RasterizeStraightLine(Point from, Point to, bool includeEnd, Sink&& sink) {
    const bool horizontal = from.y == to.y;
    const int start = horizontal ? from.x : from.y;
    const int end = horizontal ? to.x : to.y;
    // The first and last pixel drawn, in the line's direction.
    const int step = end >= start ? 1 : -1;
    const int last = includeEnd ? end : end - step;
    if (!includeEnd && start == end) return;
    const int low = std::min(start, last);
    const int length = std::abs(last - start) + 1;
    sink(horizontal ? PixelRun{low, from.y, length, true} : PixelRun{from.x, low, length, false});
}

// Hands `sink` the pixels of the line from `from` to `to`, chosen by
// Bresenham's rule, as runs along the line's major axis: horizontal runs for
// lines at most 45 degrees off the x axis, vertical runs for steeper ones.
// `to` itself is left out unless `includeEnd`, so a line of zero length then
// has no pixels at all.
template <class Sink>
void RasterizeLine(Point from, Point to, bool includeEnd, Sink&& sink) {
    if (from.x == to.x || from.y == to.y) {
        RasterizeStraightLine(from, to, includeEnd, sink);
        return;
    }
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    const int stepX = from.x < to.x ? 1 : -1;
    const int stepY = from.y < to.y ? 1 : -1;
    const bool horizontal = dx >= -dy;

    Point runStart = from;
    int runLength = 0;
    auto flush = [&] {
        if (runLength == 0) return;
        PixelRun run{runStart.x, runStart.y, runLength, horizontal};
        if (horizontal && stepX < 0) run.x -= runLength - 1;
        if (!horizontal && stepY < 0) run.y -= runLength - 1;
        sink(run);
    };
    auto add = [&](Point p) {
        if (runLength > 0 && (horizontal ? p.y == runStart.y : p.x == runStart.x)) {
            ++runLength;
            return;
        }
        flush();
        runStart = p;
        runLength = 1;
    };

    int error = dx + dy;
    Point p = from;
    while (p != to) {
        add(p);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.x += stepX;
        }
        if (twice <= dx) {
            error += dx;
            p.y += stepY;
        }
    }
    if (includeEnd) add(to);
    flush();
}

}  // namespace resonara
