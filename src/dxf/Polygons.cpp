#include "dxf/Polygons.h"

#include <algorithm>
#include <cstddef>

namespace {

double Cross(const TDxfPoint& o, const TDxfPoint& a, const TDxfPoint& b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

} // namespace

std::vector<std::array<TDxfPoint, 3>> Triangulate(std::vector<TDxfPoint> poly) {
    std::vector<std::array<TDxfPoint, 3>> out;
    double area = 0;
    for (size_t i = 0; i < poly.size(); ++i) {
        const TDxfPoint& a = poly[i];
        const TDxfPoint& b = poly[(i + 1) % poly.size()];
        area += a.x * b.y - b.x * a.y;
    }
    const double sign = area < 0 ? -1 : 1;
    while (poly.size() > 3) {
        bool clipped = false;
        for (size_t i = 0; i < poly.size() && !clipped; ++i) {
            const size_t ip = (i + poly.size() - 1) % poly.size(), in = (i + 1) % poly.size();
            const TDxfPoint &a = poly[ip], &b = poly[i], &c = poly[in];
            if (sign * Cross(a, b, c) <= 0)
                continue;
            bool inside = false;
            for (size_t j = 0; j < poly.size() && !inside; ++j) {
                if (j == ip || j == i || j == in)
                    continue;
                const TDxfPoint& p = poly[j];
                inside = sign * Cross(a, b, p) >= 0 && sign * Cross(b, c, p) >= 0 &&
                         sign * Cross(c, a, p) >= 0;
            }
            if (inside)
                continue;
            out.push_back({a, b, c});
            poly.erase(poly.begin() + static_cast<std::ptrdiff_t>(i));
            clipped = true;
        }
        if (!clipped)
            break;
    }
    for (size_t i = 1; i + 1 < poly.size(); ++i)
        out.push_back({poly[0], poly[i], poly[i + 1]});
    return out;
}

bool IsConvexQuad(const std::vector<TDxfPoint>& q) {
    if (q.size() != 4)
        return false;
    int positive = 0, negative = 0;
    for (size_t i = 0; i < 4; ++i) {
        const double c = Cross(q[i], q[(i + 1) % 4], q[(i + 2) % 4]);
        positive += c > 0;
        negative += c < 0;
    }
    return positive == 0 || negative == 0;
}

bool IsSimplePolygon(const std::vector<TDxfPoint>& p) {
    const size_t n = p.size();
    const auto side = [](const TDxfPoint& a, const TDxfPoint& b, const TDxfPoint& c) {
        const double v = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
        return (v > 0) - (v < 0);
    };
    const auto within = [](const TDxfPoint& a, const TDxfPoint& b, const TDxfPoint& c) {
        return std::min(a.x, b.x) <= c.x && c.x <= std::max(a.x, b.x) &&
               std::min(a.y, b.y) <= c.y && c.y <= std::max(a.y, b.y);
    };
    const auto meet = [&](const TDxfPoint& a, const TDxfPoint& b, const TDxfPoint& c,
                          const TDxfPoint& d) {
        const int d1 = side(c, d, a), d2 = side(c, d, b), d3 = side(a, b, c), d4 = side(a, b, d);
        if (d1 * d2 < 0 && d3 * d4 < 0)
            return true;
        return (d1 == 0 && within(c, d, a)) || (d2 == 0 && within(c, d, b)) ||
               (d3 == 0 && within(a, b, c)) || (d4 == 0 && within(a, b, d));
    };
    for (size_t i = 0; i < n; ++i)
        for (size_t j = i + 1; j < n; ++j) {
            if (j == i + 1 || (i == 0 && j == n - 1))
                continue; // neighbours share a corner
            if (meet(p[i], p[(i + 1) % n], p[j], p[(j + 1) % n]))
                return false;
        }
    return n >= 3;
}
