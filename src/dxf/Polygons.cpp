#include "dxf/Polygons.h"

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
