// Plane geometry the DXF code shares: points and the triangles of a polygon.
#pragma once

#include <array>
#include <vector>

struct TDxfPoint {
    double x = 0, y = 0;
    bool operator==(const TDxfPoint&) const = default;
};

// The triangles of a polygon by clipping ears; what is left when no ear is found (a polygon
// that crosses itself) is cut into a fan, so every corner still belongs to some triangle. The
// work grows with the cube of the corners: callers keep polygons small.
std::vector<std::array<TDxfPoint, 3>> Triangulate(std::vector<TDxfPoint> polygon);

// True for four corners that make a convex quadrilateral in their order.
bool IsConvexQuad(const std::vector<TDxfPoint>& q);

// True when no two edges of the closed polygon cross or touch, other than neighbours at their
// shared corner. The work grows with the square of the corners.
bool IsSimplePolygon(const std::vector<TDxfPoint>& polygon);
