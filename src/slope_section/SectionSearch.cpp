// SPDX-License-Identifier: MIT
#include "slope_section/SectionSearch.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <optional>
#include <utility>

#include "slope_section/MethodWorkspace.h"
#include "slope_section/SectionSlicer.h"

namespace vardolin::section {

namespace {

using circle_search::Circle;
using circle_search::CircleScore;
using circle_search::CircleVerdict;

class FaceGround final : public circle_search::SearchGround {
public:
    FaceGround(const PreparedSection& section, const SectionFace& face)
        : section_(section),
          frame_(face),
          height_(face.height()),
          crestX_(frame_.ToFrameX(face.crest.x)) {}

    double height() const noexcept override { return height_; }
    double crestX() const noexcept override { return crestX_; }
    double GroundLevel(double x) const noexcept override {
        return frame_.ToFrameY(section_.frame(false).ground().Level(frame_.ToDrawnX(x)));
    }
    circle_search::CircleEnds Locate(const Circle& circle) const noexcept override {
        const SurfaceOnGround located = LocateCircle(section_, frame_.ToDrawn(circle));
        return {frame_.ToFrameX(located.exitX), frame_.ToFrameX(located.entryX)};
    }

private:
    const PreparedSection& section_;
    FaceFrame frame_;
    double height_;
    double crestX_;
};

// One circle cut and solved, its storage kept for the next.
class SurfaceJudge final : public circle_search::CircleJudge {
public:
    SurfaceJudge(const PreparedSection& section, const FaceFrame& frame,
                 const SectionSearchSettings& settings)
        : slicer_(section),
          frame_(frame),
          method_(settings.method),
          slices_(settings.slices),
          composite_(settings.composite) {}

    // The method on the circle as drawn; nothing where the circle cuts no mass.
    std::optional<MethodResult> Solved(const CircleSurface& surface) {
        if (slicer_.SliceCircle(surface, slices_, mass_) != SurfaceStatus::Valid) {
            return std::nullopt;
        }
        // The moment about the centre, in the frame the mass was cut in.
        const MomentPoint centre{mass_.mirrored ? -surface.centreX : surface.centreX,
                                 surface.centreY};
        return SolveMethod(method_, mass_, centre, workspace_);
    }

    CircleSurface Drawn(const Circle& circle) const noexcept {
        CircleSurface surface = frame_.ToDrawn(circle);
        surface.composite = composite_;
        return surface;
    }

    CircleScore Judge(const Circle& circle) override {
        const std::optional<MethodResult> result = Solved(Drawn(circle));
        if (!result || result->Has(MethodFlag::NoDrivingForce)) {
            return {CircleVerdict::Invalid};
        }
        if (!result->solved()) {
            return {CircleVerdict::NotConverged};
        }
        if (result->Has(MethodFlag::SmallMAlpha)) {
            return {CircleVerdict::SmallMAlpha};
        }
        return {CircleVerdict::Usable, result->factor};
    }

private:
    SectionSlicer slicer_;
    FaceFrame frame_;
    SearchMethod method_;
    int slices_;
    bool composite_;
    SlicedMass mass_;
    MethodWorkspace workspace_;
};

// The grid's centres row by row from the lowest x as drawn.
void PutCentresInDrawnOrder(SectionSearchResult& result, const FaceFrame& frame, int perSide) {
    for (circle_search::CentreMinimum& centre : result.centres) {
        centre.centreX = frame.ToDrawnX(centre.centreX);
        centre.centreY = frame.ToDrawnY(centre.centreY);
    }
    if (!frame.mirrors()) {
        return;
    }
    for (std::size_t row = 0; row * perSide < result.centres.size(); ++row) {
        auto begin = result.centres.begin() + static_cast<std::ptrdiff_t>(row * perSide);
        std::reverse(begin, begin + perSide);
    }
}

void PutInDrawnFrame(SectionSearchResult& result, const FaceFrame& frame, bool entryExit) {
    auto drawn = [&](Circle& circle) {
        const CircleSurface surface = frame.ToDrawn(circle);
        circle = {surface.centreX, surface.centreY, surface.radius};
    };
    if (result.status == circle_search::SearchStatus::Found) {
        drawn(result.criticalCircle);
        drawn(result.gridMinimum);
    }
    for (Circle& circle : result.starts) {
        drawn(circle);
    }
    for (Circle& circle : result.refinedPath) {
        drawn(circle);
    }
    if (entryExit) {
        for (circle_search::CentreMinimum& centre : result.centres) {
            centre.centreX = frame.ToDrawnX(centre.centreX);
            centre.centreY = frame.ToDrawnY(centre.centreY);
        }
    } else {
        PutCentresInDrawnOrder(result, frame, result.grid.centresPerSide);
        result.minimumOnSides = frame.Swapped(result.minimumOnSides);
    }
    result.grid = frame.ToDrawn(result.grid);
}

}  // namespace

SectionSearchResult FindCriticalSectionCircle(const PreparedSection& section,
                                              const SectionSearchSettings& settings, int threads,
                                              RunProgress* progress) {
    SectionSearchResult result;
    result.grid = settings.grid;
    const std::optional<SectionFace> face = FaceOf(section);
    if (!face || settings.slices < 1 || settings.slices > kMaxSearchSlices) {
        return result;
    }
    const FaceFrame frame(*face);
    const FaceGround ground(section, *face);
    const circle_search::SearchPlan plan{frame.ToFrame(settings.grid),
                                         frame.ToFrame(settings.entryExit), settings.refine,
                                         frame.Swapped(settings.widen), settings.deepen};
    static_cast<circle_search::CircleSearchResult&>(result) = circle_search::SearchCircles(
        ground, [&] { return std::make_unique<SurfaceJudge>(section, frame, settings); }, plan,
        threads, progress);
    if (result.status == circle_search::SearchStatus::Found) {
        SurfaceJudge judge(section, frame, settings);
        result.critical = judge.Drawn(result.criticalCircle);
        result.method = *judge.Solved(result.critical);
    }
    if (result.status != circle_search::SearchStatus::BadSettings) {
        PutInDrawnFrame(result, frame, settings.entryExit.use);
    }
    return result;
}

std::vector<CircleSurface> DistinctLowestSurfaces(const SectionSearchResult& search,
                                                  double faceHeight, bool composite, int count) {
    std::vector<CircleSurface> kept;
    if (search.status != circle_search::SearchStatus::Found || count < 1) {
        return kept;
    }
    std::vector<const circle_search::CentreMinimum*> lowest;
    for (const circle_search::CentreMinimum& centre : search.centres) {
        if (centre.found) {
            lowest.push_back(&centre);
        }
    }
    std::stable_sort(lowest.begin(), lowest.end(),
                     [](const circle_search::CentreMinimum* a,
                        const circle_search::CentreMinimum* b) { return a->factor < b->factor; });
    const double apart = kDistinctShare * faceHeight;
    auto distinct = [&](const CircleSurface& surface) {
        return std::all_of(kept.begin(), kept.end(), [&](const CircleSurface& other) {
            return std::hypot(surface.centreX - other.centreX, surface.centreY - other.centreY) >=
                       apart ||
                   std::abs(surface.radius - other.radius) >= apart;
        });
    };
    kept.push_back(search.critical);
    for (const circle_search::CentreMinimum* centre : lowest) {
        if (kept.size() >= static_cast<std::size_t>(count)) {
            break;
        }
        const CircleSurface surface{centre->centreX, centre->centreY, centre->radius, composite};
        if (distinct(surface)) {
            kept.push_back(surface);
        }
    }
    return kept;
}

struct TrialSurfaceSearch::Parts {
    Parts(const PreparedSection& section, const SectionFace& face,
          const SectionSearchSettings& settings)
        : frame(face),
          ground(section, face),
          judge(section, frame, settings),
          depth(settings.grid.depthBelowToe) {}

    FaceFrame frame;
    FaceGround ground;
    SurfaceJudge judge;
    double depth;
};

TrialSurfaceSearch::TrialSurfaceSearch(const PreparedSection& section,
                                       const SectionSearchSettings& settings) {
    if (const std::optional<SectionFace> face = FaceOf(section)) {
        parts_ = std::make_unique<Parts>(section, *face, settings);
    }
}

TrialSurfaceSearch::~TrialSurfaceSearch() = default;

TrialSurfaceSearch::Lowest TrialSurfaceSearch::Find(std::span<const CircleSurface> starts) {
    Lowest lowest;
    if (!parts_) {
        return lowest;
    }
    Parts& p = *parts_;
    // The kPolishedSurfaces lowest screened circles, lowest first, ties in start order.
    std::array<circle_search::RefinedCircle, kPolishedSurfaces> best;
    for (const CircleSurface& start : starts) {
        const circle_search::Circle circle = p.frame.ToFrame(start);
        const CircleScore score = p.judge.Judge(circle);
        const double startFactor = score.verdict == CircleVerdict::Usable ? score.factor : HUGE_VAL;
        circle_search::RefinedCircle refined = circle_search::RefineCircle(
            p.judge, p.ground, p.depth, nullptr, circle, startFactor, kTrialScreen);
        lowest.circles += 1 + refined.counts.tried;
        for (circle_search::RefinedCircle& kept : best) {
            if (refined.factor < kept.factor) {
                std::swap(refined, kept);
            }
        }
    }
    for (const circle_search::RefinedCircle& screened : best) {
        if (screened.factor == HUGE_VAL) {
            break;
        }
        const circle_search::RefinedCircle polished = circle_search::RefineCircle(
            p.judge, p.ground, p.depth, nullptr, screened.circle, screened.factor, kTrialPolish);
        lowest.circles += polished.counts.tried;
        if (!lowest.found || polished.factor < lowest.factor) {
            lowest.found = true;
            lowest.factor = polished.factor;
            lowest.circle = p.judge.Drawn(polished.circle);
        }
    }
    return lowest;
}

circle_search::SearchGrid SectionAutoGrid(const SectionFace& face, int centres, int radii) {
    const FaceFrame frame(face);
    return frame.ToDrawn(
        circle_search::AutoGrid(face.height(), frame.ToFrameX(face.crest.x), centres, radii));
}

circle_search::EntryExitRanges SectionAutoEntryExit(const SectionFace& face) {
    const FaceFrame frame(face);
    return frame.ToDrawn(circle_search::AutoEntryExit(face.height(), frame.ToFrameX(face.crest.x)));
}

}  // namespace vardolin::section
