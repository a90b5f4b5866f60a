// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "slope_section/MethodResult.h"
#include "slope_section/MethodWorkspace.h"
#include "slope_section/MomentCentre.h"
#include "slope_section/PreparedSection.h"
#include "slope_section/SectionMethod.h"
#include "slope_section/SectionSlicer.h"
#include "slope_section/SlipSurface.h"

namespace vardolin::section {

// One surface of a section through the chosen limit-equilibrium methods:
//   1. SectionSlicer cuts the surface (a circle, a composite circle or a polyline) into slices
//      in the sliding frame;
//   2. the moment point is fixed: a circle's centre; for a polyline the point given, or
//      DefaultMomentCentre;
//   3. each chosen method solves the slices in the one MethodWorkspace;
//   4. on request each method's slice table is read from the workspace's forces.
// A SurfaceEvaluator is one caller's (one per thread): once it has met the largest surface and
// filled every table once, evaluating a surface allocates nothing.

// One method on the slices, moments about `point` (in the sliding frame) where it takes them.
MethodResult SolveMethod(SectionMethod method, const SlicedMass& mass, MomentPoint point,
                         MethodWorkspace& workspace);

// One slice of a method's slice table. x is as drawn; the rows run from the mass's entry to its
// exit, and each row's E and X act on its side towards the exit. The base angle is in radians,
// positive where the base falls towards the exit.
struct SliceRow {
    double x = 0.0;  // the base's middle
    double width = 0.0;
    std::vector<int> soils;  // by their rows in the soils, from the top down to the base's
    double weight = 0.0;
    double baseAngle = 0.0;
    double baseLength = 0.0;
    double porePressure = 0.0;
    double normal = 0.0;       // N, total
    double shear = 0.0;        // S, mobilised: strength / F
    double interNormal = 0.0;  // E (0 for the methods without interslice forces)
    double interShear = 0.0;   // X
    double strength = 0.0;     // c l + (N - u l) tan(phi), the shear the base can take
};

struct EvaluationRequest {
    MethodSet methods = kEveryMethod;
    int sliceCount = 30;      // as SplitSliceCount takes it
    bool sliceTable = false;  // fill each chosen method's rows
    // On a circle, Bishop's factor in the form of its moment about the centre divided by the
    // radius, as the critical circle of a simple slope works it (SolveBishopAboutCentre), not
    // the general moment form (SolveBishop). The same factor to about 1e-10.
    bool bishopAboutCentre = false;
};

struct MethodOutcome {
    MethodResult result;
    std::vector<SliceRow> rows;  // with the slice table asked for
};

struct SurfaceEvaluation {
    SurfaceStatus status = SurfaceStatus::BadSurface;
    SurfaceOnGround located;  // entry and exit, as drawn
    // Where moments were taken, as drawn; nothing for a planar surface with no point given.
    std::optional<MomentPoint> momentPoint;
    MethodSet methods = 0;  // the methods solved (none unless the status is Valid)
    std::array<MethodOutcome, kSectionMethodCount> outcomes;

    const MethodResult& result(SectionMethod method) const noexcept {
        return outcomes[static_cast<std::size_t>(method)].result;
    }
    const std::vector<SliceRow>& rows(SectionMethod method) const noexcept {
        return outcomes[static_cast<std::size_t>(method)].rows;
    }
};

class SurfaceEvaluator {
public:
    // The section must outlive the evaluator.
    explicit SurfaceEvaluator(const PreparedSection& section);

    // The results stay valid until the next call.
    const SurfaceEvaluation& EvaluateCircle(const CircleSurface& circle,
                                            const EvaluationRequest& request);
    // `momentPoint`, as drawn, is where Ordinary, Bishop, Spencer and Morgenstern-Price take
    // moments (Spencer's and Morgenstern-Price's factors do not depend on it). Without one, a
    // planar surface gives Ordinary and Bishop no factor (NoMomentPoint) and the rigorous
    // methods take moments about a point above its chord (the apex of the equilateral triangle
    // on it).
    const SurfaceEvaluation& EvaluatePolyline(const std::vector<SectionPoint>& surface,
                                              std::optional<SectionPoint> momentPoint,
                                              const EvaluationRequest& request);

    // The circle or the polyline, as the two above.
    const SurfaceEvaluation& Evaluate(const SlipSurface& surface, const EvaluationRequest& request);

    // The slices of the last surface, in the sliding frame.
    const SlicedMass& mass() const noexcept { return mass_; }

private:
    // `radius` is the circle's, 0 for a polyline.
    void Solve(std::optional<MomentPoint> point, double radius, const EvaluationRequest& request);
    void FillRows(MethodOutcome& outcome);

    const PreparedSection& section_;
    SectionSlicer slicer_;
    SlicedMass mass_;
    MethodWorkspace workspace_;
    SurfaceEvaluation evaluation_;
};

}  // namespace vardolin::section
