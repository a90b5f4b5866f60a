// SPDX-License-Identifier: MIT
#pragma once

// A slicer for tests and benchmarks: one soil under a ground polyline, cut by a circle or a
// straight line, with the pore pressure of a ratio or a piezometric line. Each slice's area and
// centroid are those of the quadrilateral between the ground and the base's chord at its sides;
// slice sides fall on every vertex of the ground and the water line, and between them at equal
// widths of at most the width asked for. The slope faces right, so x is already the sliding's.
#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "slope_section/SectionSlice.h"

namespace vardolin::section::test_slicer {

struct Point {
    double x = 0.0;
    double y = 0.0;
};

struct OneSoil {
    double unitWeight = 0.0;
    double cohesion = 0.0;
    double frictionDegrees = 0.0;
};

struct Water {
    enum class Kind { Dry, Ratio, Piezometric };
    Kind kind = Kind::Dry;
    double poreRatio = 0.0;         // ru: u = ru gamma h at the base's middle
    std::vector<Point> line;        // piezometric: u = gammaW (line - base), 0 below
    double waterUnitWeight = 62.4;  // gammaW
};

// y of a polyline at x, level beyond its ends.
inline double PolylineAt(const std::vector<Point>& line, double x) {
    if (x <= line.front().x) {
        return line.front().y;
    }
    for (std::size_t i = 1; i < line.size(); ++i) {
        if (x <= line[i].x) {
            const Point a = line[i - 1];
            const Point b = line[i];
            return a.y + (b.y - a.y) * ((x - a.x) / (b.x - a.x));
        }
    }
    return line.back().y;
}

// Slices of the soil between the ground and base(x) from entryX to exitX.
inline SlicedMass SliceBetween(const std::vector<Point>& ground, const OneSoil& soil,
                               const Water& water, const std::function<double(double)>& base,
                               double entryX, double exitX, double width) {
    std::vector<double> sides{entryX, exitX};
    for (const Point& p : ground) {
        if (p.x > entryX && p.x < exitX) {
            sides.push_back(p.x);
        }
    }
    for (const Point& p : water.line) {
        if (p.x > entryX && p.x < exitX) {
            sides.push_back(p.x);
        }
    }
    std::sort(sides.begin(), sides.end());
    sides.erase(std::unique(sides.begin(), sides.end()), sides.end());
    const double tanFriction = std::tan(soil.frictionDegrees * 3.14159265358979 / 180.0);

    SlicedMass mass;
    for (std::size_t k = 1; k < sides.size(); ++k) {
        const double span = sides[k] - sides[k - 1];
        const int parts = std::max(1, static_cast<int>(std::ceil(span / width - 1e-9)));
        for (int j = 0; j < parts; ++j) {
            const double xl = sides[k - 1] + span * j / parts;
            const double xr = j + 1 == parts ? sides[k] : sides[k - 1] + span * (j + 1) / parts;
            // The quadrilateral base-left, base-right, top-right, top-left.
            const Point quad[4] = {{xl, base(xl)},
                                   {xr, base(xr)},
                                   {xr, PolylineAt(ground, xr)},
                                   {xl, PolylineAt(ground, xl)}};
            double twiceArea = 0.0;
            double cx = 0.0;
            double cy = 0.0;
            for (int v = 0; v < 4; ++v) {
                const Point p = quad[v];
                const Point q = quad[(v + 1) % 4];
                const double cross = p.x * q.y - q.x * p.y;
                twiceArea += cross;
                cx += (p.x + q.x) * cross;
                cy += (p.y + q.y) * cross;
            }
            SectionSlice s;
            s.left = xl;
            s.right = xr;
            s.width = xr - xl;
            s.baseX = 0.5 * (xl + xr);
            s.baseY = 0.5 * (quad[0].y + quad[1].y);
            const double angle = std::atan2(quad[0].y - quad[1].y, s.width);
            s.sinBase = std::sin(angle);
            s.cosBase = std::cos(angle);
            s.baseLength = s.width / s.cosBase;
            s.topY = PolylineAt(ground, s.baseX);
            s.weight = soil.unitWeight * 0.5 * twiceArea;
            s.centroidX = cx / (3.0 * twiceArea);
            s.centroidY = cy / (3.0 * twiceArea);
            s.cohesion = soil.cohesion;
            s.tanFriction = tanFriction;
            s.baseSoil = 0;
            if (water.kind == Water::Kind::Ratio) {
                s.porePressure = water.poreRatio * soil.unitWeight * (s.topY - s.baseY);
            } else if (water.kind == Water::Kind::Piezometric) {
                s.porePressure = water.waterUnitWeight *
                                 std::max(0.0, PolylineAt(water.line, s.baseX) - s.baseY);
            }
            mass.slices.push_back(s);
        }
    }
    return mass;
}

// The first x from `from` towards `to` where f changes sign, by bisection.
inline double Crossing(const std::function<double(double)>& f, double from, double to) {
    const int steps = 4000;
    double a = from;
    for (int i = 1; i <= steps; ++i) {
        const double b = from + (to - from) * i / steps;
        if ((f(a) > 0.0) != (f(b) > 0.0)) {
            double lo = a;
            double hi = b;
            for (int k = 0; k < 200 && lo != hi; ++k) {
                const double mid = 0.5 * (lo + hi);
                if ((f(mid) > 0.0) == (f(lo) > 0.0)) {
                    lo = mid;
                } else {
                    hi = mid;
                }
            }
            return 0.5 * (lo + hi);
        }
        a = b;
    }
    return from;
}

// The mass above the circle's lower arc, from where it enters the ground to where it leaves.
inline SlicedMass SliceUnderCircle(const std::vector<Point>& ground, const OneSoil& soil,
                                   const Water& water, Point centre, double radius, double width) {
    const auto base = [centre, radius](double x) {
        const double dx = x - centre.x;
        return centre.y - std::sqrt(std::max(0.0, radius * radius - dx * dx));
    };
    const auto above = [&](double x) { return PolylineAt(ground, x) - base(x); };
    const double entry = Crossing(above, centre.x - radius, centre.x);
    const double exit = Crossing(above, centre.x + radius, centre.x);
    return SliceBetween(ground, soil, water, base, entry, exit, width);
}

// The mass above the straight line from `entry` to `exit` (both on the ground).
inline SlicedMass SliceUnderLine(const std::vector<Point>& ground, const OneSoil& soil,
                                 const Water& water, Point entry, Point exit, double width) {
    const auto base = [entry, exit](double x) {
        return entry.y + (exit.y - entry.y) * ((x - entry.x) / (exit.x - entry.x));
    };
    return SliceBetween(ground, soil, water, base, entry.x, exit.x, width);
}

}  // namespace vardolin::section::test_slicer
