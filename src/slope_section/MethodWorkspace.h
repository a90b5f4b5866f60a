// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <vector>

#include "slope_section/InterforceShape.h"
#include "slope_section/MomentCentre.h"
#include "slope_section/SectionSlice.h"

namespace vardolin::section {

// What every method reads of a slice, worked out once per surface, side by side per quantity.
// With V = (1 - kv) W - loadY the vertical force the base carries and H = kh W + loadX the
// horizontal one along the sliding, the base normal N and mobilised shear S of a slice obey
//   x: N sin(a) - S cos(a) = E_right - E_left - H
//   y: N cos(a) + S sin(a) = V + X_left - X_right
//   S = (K + N tan(phi)) / F,  K = c l - u l tan(phi)
// and the mass's moment about the point (px, py) is
//   sum(drive) + sum(N armNormal) - sum(S armShear) = 0
// where drive is the moment of W, the earthquake and the loads, counter-clockwise positive, and
// the arms are those of a unit normal and a unit resisting shear at the base's middle (for a
// circle about its centre, 0 and the radius).
struct SliceTerms {
    std::vector<double> sinBase, cosBase, tanFriction;
    std::vector<double> cohesionTerm;  // K
    std::vector<double> poreForce;     // u l
    std::vector<double> vertical;      // V
    std::vector<double> horizontal;    // H
    std::vector<double> drive;         // moment of W, earthquake and loads about the point
    std::vector<double> armNormal;     // (xb - px) cos(a) - (yb - py) sin(a)
    std::vector<double> armShear;      // -(xb - px) sin(a) - (yb - py) cos(a)
    std::vector<double> shapeRight;    // f(x) of the interslice shear at each right side
    std::size_t count = 0;
};

// What acts on one slice in the terms above: V, H and the moment of W, the earthquake and the
// loads about `point`.
struct SliceActions {
    double vertical = 0.0;
    double horizontal = 0.0;
    double drive = 0.0;
};

inline SliceActions ActionsOn(const SectionSlice& s, double kh, double kv,
                              MomentPoint point) noexcept {
    const double downward = (1.0 - kv) * s.weight;
    const double seismic = kh * s.weight;
    // W and kv W pull down at the centroid, kh W along +x; the loads' moment moves from the
    // origin to the point.
    const double bodyMoment =
        -(s.centroidX - point.x) * downward - (s.centroidY - point.y) * seismic;
    const double loadMoment = s.loadMoment - point.x * s.loadY + point.y * s.loadX;
    return {downward - s.loadY, seismic + s.loadX, bodyMoment + loadMoment};
}

// The columns of Bishop's form about a circle's centre (SolveCircleAboutCentre), which that
// method fills itself, from the exit to the entry (the last slice first) so that its sums run
// forward over them.
struct CentreColumns {
    std::vector<double> numerator;  // c b + (V - u b) tan(phi)
    std::vector<double> sinBase, cosBase, tanFriction;
};

// Each slice's forces from the last method solved in the workspace. E and X act on each slice's
// right side (on the next slice with the opposite sign); the methods without interslice forces
// leave them 0. E is positive in compression, and X positive where the slice on the left
// presses the one on the right downward.
struct SliceForces {
    std::vector<double> normal;       // N, total, on the base
    std::vector<double> shear;        // S, the mobilised shear on the base
    std::vector<double> interNormal;  // E
    std::vector<double> interShear;   // X
};

// The room a method works in. A search keeps one per thread and hands it to every call: once it
// has held as many slices as the largest surface, no call allocates.
class MethodWorkspace {
public:
    explicit MethodWorkspace(std::size_t sliceCapacity = 0);

    // Works out the slices' terms for moments about `point`, with the interslice function
    // `shape` at each slice's right side.
    void Prepare(const SlicedMass& mass, MomentPoint point,
                 InterforceShape shape = InterforceShape::Constant);

    const SliceTerms& terms() const noexcept { return terms_; }
    const SliceForces& forces() const noexcept { return forces_; }
    SliceForces& forces() noexcept { return forces_; }
    // Sized for `count` slices, as SolveCircleAboutCentre leaves them.
    CentreColumns& centreColumns(std::size_t count);

private:
    void Resize(std::size_t count);

    SliceTerms terms_;
    SliceForces forces_;
    CentreColumns centre_;
};

}  // namespace vardolin::section
