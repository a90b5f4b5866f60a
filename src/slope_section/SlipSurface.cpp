// SPDX-License-Identifier: MIT
#include "slope_section/SlipSurface.h"

#include <algorithm>
#include <cmath>

#include "numerics/Square.h"

namespace vardolin::section {

namespace {

constexpr double kTouchShare = 1e-9;

struct Run {
    int count = 0;
    double from = 0.0;
    double to = 0.0;
};

// The stretches between the sorted points where the ground lies above the surface, joined
// across gaps no longer than `touch`.
template <typename SurfaceLevel>
Run GroundAbove(const Polyline& ground, std::vector<double>& points, double touch,
                SurfaceLevel surfaceLevel) {
    std::sort(points.begin(), points.end());
    Run run;
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const double from = points[i];
        const double to = points[i + 1];
        if (!(from < to)) {
            continue;
        }
        const double middle = (from + to) / 2.0;
        if (ground.Level(middle) > surfaceLevel(middle)) {
            if (run.count == 0 || from - run.to > touch) {
                run.count += 1;
                run.from = from;
            }
            run.to = to;
        }
    }
    return run;
}

SurfaceOnGround Ends(const PreparedSection& section, const Run& run) {
    const Polyline& ground = section.frame(false).ground();
    SurfaceOnGround located;
    const double leftY = ground.Level(run.from);
    const double rightY = ground.Level(run.to);
    located.mirrored = leftY < rightY || (leftY == rightY && section.facesLeft());
    located.status = SurfaceStatus::Valid;
    if (located.mirrored) {
        located.entryX = run.to;
        located.entryY = rightY;
        located.exitX = run.from;
        located.exitY = leftY;
    } else {
        located.entryX = run.from;
        located.entryY = leftY;
        located.exitX = run.to;
        located.exitY = rightY;
    }
    return located;
}

}  // namespace

SurfaceOnGround LocateCircle(const PreparedSection& section, const CircleSurface& circle) {
    std::vector<double> points;
    return LocateCircle(section, circle, points);
}

SurfaceOnGround LocateCircle(const PreparedSection& section, const CircleSurface& circle,
                             std::vector<double>& points) {
    SurfaceOnGround located;
    const double cx = circle.centreX;
    const double cy = circle.centreY;
    const double r = circle.radius;
    if (!(std::isfinite(cx) && std::isfinite(cy) && std::isfinite(r) && r > 0.0)) {
        return located;
    }
    const Polyline& ground = section.frame(false).ground();
    const double low = cx - r;
    const double high = cx + r;
    points.assign({low, high});
    ground.AppendPointsBetween(low, high, points);
    ground.AppendCircleCrossings(cx, cy, r, low, high, points);
    const double radiusSquared = Square(r);
    const Run run = GroundAbove(ground, points, r * kTouchShare, [&](double x) {
        return cy - std::sqrt(std::max(radiusSquared - Square(x - cx), 0.0));
    });
    // No crossing, the circle wholly above or wholly below the ground, is no mass.
    if (run.count == 0 || (run.from <= low && run.to >= high)) {
        located.status = SurfaceStatus::MissesGround;
        return located;
    }
    if (run.count > 1) {
        located.status = SurfaceStatus::SeveralMasses;
        return located;
    }
    // At either end of the lower arc the ground lies above the centre's level.
    if (run.from <= low || run.to >= high) {
        located.status = SurfaceStatus::OverhangingEnd;
        return located;
    }
    return Ends(section, run);
}

SurfaceOnGround LocatePolyline(const PreparedSection& section,
                               const std::vector<SectionPoint>& surface) {
    SurfaceOnGround located;
    if (surface.size() < 2) {
        return located;
    }
    double size = 1.0;
    for (std::size_t i = 0; i < surface.size(); ++i) {
        if (!(std::isfinite(surface[i].x) && std::isfinite(surface[i].y)) ||
            (i > 0 && !(surface[i].x > surface[i - 1].x))) {
            return located;
        }
        size = std::max({size, std::abs(surface[i].x), std::abs(surface[i].y)});
    }
    const Polyline line(surface);
    const Polyline& ground = section.frame(false).ground();
    const double low = surface.front().x;
    const double high = surface.back().x;
    const double touch = size * kTouchShare;
    if (ground.Level(low) - surface.front().y > touch ||
        ground.Level(high) - surface.back().y > touch) {
        located.status = SurfaceStatus::EndsBelowGround;
        return located;
    }
    std::vector<double> points{low, high};
    ground.AppendPointsBetween(low, high, points);
    line.AppendPointsBetween(low, high, points);
    for (std::size_t i = 1; i < surface.size(); ++i) {
        ground.AppendCrossings(line.piece(i), surface[i - 1].x, surface[i].x, points);
    }
    const Run run = GroundAbove(ground, points, touch, [&](double x) { return line.Level(x); });
    if (run.count == 0) {
        located.status = SurfaceStatus::MissesGround;
        return located;
    }
    if (run.count > 1) {
        located.status = SurfaceStatus::SeveralMasses;
        return located;
    }
    return Ends(section, run);
}

}  // namespace vardolin::section
