// SPDX-License-Identifier: MIT
#include "slope_section/SurfaceEvaluation.h"

#include <cmath>

#include "slope_section/BishopMethod.h"
#include "slope_section/GeneralLimitEquilibrium.h"
#include "slope_section/JanbuMethod.h"
#include "slope_section/OrdinaryMethod.h"
#include "slope_section/SoilColumn.h"

namespace vardolin::section {
namespace {

// x between the drawn frame and the sliding frame (its own inverse).
double Framed(double x, bool mirrored) noexcept {
    return mirrored ? -x : x;
}

}  // namespace

MethodResult SolveMethod(SectionMethod method, const SlicedMass& mass, MomentPoint point,
                         MethodWorkspace& workspace) {
    switch (method) {
        case SectionMethod::Ordinary:
            return SolveOrdinary(mass, point, workspace);
        case SectionMethod::Bishop:
            return SolveBishop(mass, point, workspace);
        case SectionMethod::JanbuUncorrected:
            return SolveJanbu(mass, JanbuVariant::Uncorrected, workspace);
        case SectionMethod::JanbuCorrected:
            return SolveJanbu(mass, JanbuVariant::Corrected, workspace);
        case SectionMethod::Spencer:
            return SolveSpencer(mass, point, workspace);
        case SectionMethod::MorgensternPriceConstant:
            return SolveMorgensternPrice(mass, InterforceShape::Constant, point, workspace);
        case SectionMethod::MorgensternPriceHalfSine:
            return SolveMorgensternPrice(mass, InterforceShape::HalfSine, point, workspace);
    }
    return {};
}

SurfaceEvaluator::SurfaceEvaluator(const PreparedSection& section)
    : section_(section), slicer_(section) {}

const SurfaceEvaluation& SurfaceEvaluator::EvaluateCircle(const CircleSurface& circle,
                                                          const EvaluationRequest& request) {
    evaluation_.status = slicer_.SliceCircle(circle, request.sliceCount, mass_);
    evaluation_.located = slicer_.located();
    if (evaluation_.status != SurfaceStatus::Valid) {
        evaluation_.momentPoint.reset();
        evaluation_.methods = 0;
        return evaluation_;
    }
    evaluation_.momentPoint = MomentPoint{circle.centreX, circle.centreY};
    Solve(MomentPoint{Framed(circle.centreX, mass_.mirrored), circle.centreY}, circle.radius,
          request);
    return evaluation_;
}

const SurfaceEvaluation& SurfaceEvaluator::EvaluatePolyline(
    const std::vector<SectionPoint>& surface, std::optional<SectionPoint> momentPoint,
    const EvaluationRequest& request) {
    evaluation_.status = slicer_.SlicePolyline(surface, request.sliceCount, mass_);
    evaluation_.located = slicer_.located();
    evaluation_.momentPoint.reset();
    if (evaluation_.status != SurfaceStatus::Valid) {
        evaluation_.methods = 0;
        return evaluation_;
    }
    std::optional<MomentPoint> point;
    if (momentPoint) {
        point = MomentPoint{Framed(momentPoint->x, mass_.mirrored), momentPoint->y};
    } else {
        point = DefaultMomentCentre(mass_);
    }
    if (point) {
        evaluation_.momentPoint = MomentPoint{Framed(point->x, mass_.mirrored), point->y};
    }
    Solve(point, 0.0, request);
    return evaluation_;
}

const SurfaceEvaluation& SurfaceEvaluator::Evaluate(const SlipSurface& surface,
                                                    const EvaluationRequest& request) {
    if (const auto* polyline = std::get_if<PolylineSurface>(&surface)) {
        return EvaluatePolyline(polyline->points, polyline->momentPoint, request);
    }
    return EvaluateCircle(std::get<CircleSurface>(surface), request);
}

void SurfaceEvaluator::Solve(std::optional<MomentPoint> point, double radius,
                             const EvaluationRequest& request) {
    // The rigorous methods' factors do not depend on the point, but a point on a planar surface
    // would give its shear no arm: without one, the apex of the equilateral triangle on the
    // chord from the mass's entry to its exit, above it.
    MomentPoint anyPoint{};
    if (point) {
        anyPoint = *point;
    } else {
        const SectionSlice& first = mass_.slices.front();
        const SectionSlice& last = mass_.slices.back();
        const double entryY =
            first.baseY + (first.sinBase / first.cosBase) * (first.baseX - first.left);
        const double exitY = last.baseY - (last.sinBase / last.cosBase) * (last.right - last.baseX);
        const double dx = last.right - first.left;
        const double dy = exitY - entryY;
        const double rise = std::sqrt(3.0) / 2.0;
        anyPoint = MomentPoint{(first.left + last.right) / 2.0 - dy * rise,
                               (entryY + exitY) / 2.0 + dx * rise};
    }
    evaluation_.methods = request.methods & kEveryMethod;
    for (std::size_t m = 0; m < kSectionMethodCount; ++m) {
        const auto method = static_cast<SectionMethod>(m);
        MethodOutcome& outcome = evaluation_.outcomes[m];
        outcome.rows.clear();
        if ((evaluation_.methods & MethodBit(method)) == 0) {
            outcome.result = MethodResult{};
            continue;
        }
        const bool momentMethod =
            method == SectionMethod::Ordinary || method == SectionMethod::Bishop;
        if (momentMethod && !point) {
            outcome.result = MethodResult{};
            outcome.result.Raise(MethodFlag::NoMomentPoint);
            continue;
        }
        const bool aboutCentre =
            method == SectionMethod::Bishop && request.bishopAboutCentre && radius > 0.0;
        outcome.result = aboutCentre ? SolveBishopAboutCentre(mass_, anyPoint, radius, workspace_)
                                     : SolveMethod(method, mass_, anyPoint, workspace_);
        if (request.sliceTable && outcome.result.solved()) {
            FillRows(outcome);
        }
    }
}

void SurfaceEvaluator::FillRows(MethodOutcome& outcome) {
    const SliceTerms& t = workspace_.terms();
    const SliceForces& f = workspace_.forces();
    const std::size_t n = mass_.slices.size();
    outcome.rows.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        const SectionSlice& s = mass_.slices[i];
        SliceRow& row = outcome.rows[i];
        row.x = Framed(s.baseX, mass_.mirrored);
        row.width = s.width;
        row.soils = SoilColumn(section_.frame(mass_.mirrored), s.baseX, s.baseY, s.topY);
        if (row.soils.empty()) {
            row.soils.push_back(s.baseSoil);  // a slice of no height at the mass's end
        }
        row.weight = s.weight;
        row.baseAngle = BaseAngle(s);
        row.baseLength = s.baseLength;
        row.porePressure = s.porePressure;
        row.normal = f.normal[i];
        row.shear = f.shear[i];
        row.interNormal = f.interNormal[i];
        row.interShear = f.interShear[i];
        row.strength = t.cohesionTerm[i] + f.normal[i] * t.tanFriction[i];
    }
}

}  // namespace vardolin::section
