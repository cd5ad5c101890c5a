#include "ui/kinds/gradient_paint.h"

#include <algorithm>
#include <vector>

constexpr uint32_t kLeaveOut = 0xFF000000;

GradientColours GatherGradientColours(uint32_t colour1, uint32_t colour2, uint32_t colour3) {
    GradientColours colours;
    for (uint32_t colour : {colour1, colour2, colour3}) {
        if (colour != kLeaveOut) {
            colours.colour[colours.count++] = colour;
        }
    }
    return colours;
}

// The colour at `position` of `span` (0 = first colour, span = last), the
// colours spread evenly along it and mixed linearly between neighbours.
static COLORREF ColourAlong(const GradientColours& colours, int position, int span) {
    int segments = colours.count - 1;
    if (span <= 0) {
        return colours.colour[0];
    }
    // Scaled so each segment is `span` units long: all in integers, no drift.
    int scaled = position * segments;
    int segment = std::min(scaled / span, segments - 1);
    int within = scaled - segment * span;
    COLORREF from = colours.colour[segment];
    COLORREF to = colours.colour[segment + 1];
    auto mix = [&](int shift) {
        int a = static_cast<int>((from >> shift) & 0xFF);
        int b = static_cast<int>((to >> shift) & 0xFF);
        return static_cast<COLORREF>(a + (b - a) * within / span) << shift;
    };
    return mix(0) | mix(8) | mix(16);
}

// Draws the frame as nested one-pixel rings, each of one colour: exact on
// every device, and the square rings give clean mitred corners.
bool PaintGradientBorder(HDC dc, const RECT& area, int width, const GradientColours& colours) {
    if (colours.count < 2 || width < 1) {
        return false;
    }
    int rings = std::min(width, std::max<int>(0, std::min(area.right - area.left, area.bottom - area.top) + 1) / 2);
    for (int ring = 0; ring < rings; ring++) {
        RECT ringRect = {area.left + ring, area.top + ring, area.right - ring, area.bottom - ring};
        HBRUSH brush = CreateSolidBrush(ColourAlong(colours, ring, std::max(width - 1, 1)));
        if (brush) {
            FrameRect(dc, &ringRect, brush);
            DeleteObject(brush);
        }
    }
    return true;
}

static TRIVERTEX Vertex(LONG x, LONG y, COLORREF colour) {
    TRIVERTEX vertex = {};
    vertex.x = x;
    vertex.y = y;
    // COLOR16 channels hold the 8-bit value in their high byte.
    vertex.Red = static_cast<COLOR16>(GetRValue(colour) << 8);
    vertex.Green = static_cast<COLOR16>(GetGValue(colour) << 8);
    vertex.Blue = static_cast<COLOR16>(GetBValue(colour) << 8);
    return vertex;
}

// A linear gradient through `stops` spread evenly across the area, along x
// (horizontal) or y, as one rectangle gradient per pair of neighbours.
static bool FillLinear(HDC dc, const RECT& area, bool horizontal, const std::vector<COLORREF>& stops) {
    std::vector<TRIVERTEX> vertices;
    std::vector<GRADIENT_RECT> rects;
    LONG start = horizontal ? area.left : area.top;
    LONG span = horizontal ? area.right - area.left : area.bottom - area.top;
    LONG segments = static_cast<LONG>(stops.size()) - 1;
    for (LONG i = 0; i < segments; i++) {
        LONG from = start + span * i / segments;
        LONG to = start + span * (i + 1) / segments;
        if (from == to) {
            continue;
        }
        ULONG first = static_cast<ULONG>(vertices.size());
        if (horizontal) {
            vertices.push_back(Vertex(from, area.top, stops[static_cast<size_t>(i)]));
            vertices.push_back(Vertex(to, area.bottom, stops[static_cast<size_t>(i + 1)]));
        } else {
            vertices.push_back(Vertex(area.left, from, stops[static_cast<size_t>(i)]));
            vertices.push_back(Vertex(area.right, to, stops[static_cast<size_t>(i + 1)]));
        }
        rects.push_back({first, first + 1});
    }
    if (rects.empty()) {
        return false;
    }
    // GdiGradientFill is gdi32's own entry; msimg32's GradientFill forwards to it.
    return GdiGradientFill(dc, vertices.data(), static_cast<ULONG>(vertices.size()), rects.data(),
                           static_cast<ULONG>(rects.size()),
                           horizontal ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V) != FALSE;
}

// A diagonal gradient from corner `from` to the opposite corner. The two
// other corners take the middle colour (the second of three, or the mean of
// two) and the rectangle is split along the line joining them, so each
// triangle shades exactly linearly and the middle colour lies on that line.
static bool FillDiagonal(HDC dc, const RECT& area, bool fromTopLeft, const GradientColours& colours) {
    COLORREF first = colours.colour[0];
    COLORREF last = colours.colour[colours.count - 1];
    COLORREF middle = colours.count == 3
                          ? colours.colour[1]
                          : RGB((GetRValue(first) + GetRValue(last)) / 2, (GetGValue(first) + GetGValue(last)) / 2,
                                (GetBValue(first) + GetBValue(last)) / 2);
    TRIVERTEX vertices[4];
    if (fromTopLeft) {
        vertices[0] = Vertex(area.left, area.top, first);
        vertices[1] = Vertex(area.right, area.top, middle);
        vertices[2] = Vertex(area.left, area.bottom, middle);
        vertices[3] = Vertex(area.right, area.bottom, last);
    } else {
        vertices[0] = Vertex(area.left, area.bottom, first);
        vertices[1] = Vertex(area.left, area.top, middle);
        vertices[2] = Vertex(area.right, area.bottom, middle);
        vertices[3] = Vertex(area.right, area.top, last);
    }
    GRADIENT_TRIANGLE triangles[2] = {{0, 1, 2}, {1, 2, 3}};
    return GdiGradientFill(dc, vertices, 4, triangles, 2, GRADIENT_FILL_TRIANGLE) != FALSE;
}

bool PaintGradientBackground(HDC dc, const RECT& area, uint32_t style, const GradientColours& colours) {
    if (colours.count < 2 || area.right <= area.left || area.bottom <= area.top) {
        return false;
    }
    std::vector<COLORREF> forward(colours.colour, colours.colour + colours.count);
    std::vector<COLORREF> backward(forward.rbegin(), forward.rend());
    std::vector<COLORREF> mirrored = forward;
    mirrored.insert(mirrored.end(), backward.begin() + 1, backward.end());
    switch (style) {
    case 1:
        return FillLinear(dc, area, true, forward);
    case 2:
        return FillLinear(dc, area, false, forward);
    case 3:
        return FillLinear(dc, area, true, backward);
    case 4:
        return FillLinear(dc, area, false, backward);
    case 5:
        return FillLinear(dc, area, true, mirrored);
    case 6:
        return FillLinear(dc, area, false, mirrored);
    case 7:
        return FillDiagonal(dc, area, true, colours);
    case 8:
        return FillDiagonal(dc, area, false, colours);
    default:
        return false;
    }
}
