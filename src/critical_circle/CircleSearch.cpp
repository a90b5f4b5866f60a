// SPDX-License-Identifier: MIT
#include "critical_circle/CircleSearch.h"

#include <memory>

namespace vardolin::critical {

namespace {

class SlopeGround final : public circle_search::SearchGround {
public:
    explicit SlopeGround(const SimpleSlope& slope) : slope_(slope) {}

    double height() const noexcept override { return slope_.height(); }
    double crestX() const noexcept override { return slope_.crestX(); }
    double GroundLevel(double x) const noexcept override { return slope_.GroundLevel(x); }
    circle_search::CircleEnds Locate(const Circle& circle) const noexcept override {
        const CircleOnSlope located = LocateCircle(slope_, circle);
        return {located.exitX, located.entryX};
    }

private:
    const SimpleSlope& slope_;
};

// Bishop's factor of each circle, a caution (not settled, small m_alpha) keeping it from being
// chosen.
class BishopJudge final : public circle_search::CircleJudge {
public:
    BishopJudge(const SimpleSlope& slope, const SoilValues& soil, int slices)
        : analyser_(slope, soil, slices) {}

    circle_search::CircleScore Judge(const Circle& circle) override {
        using circle_search::CircleVerdict;
        const CircleEvaluation& analysis = analyser_.Analyse(circle);
        if (analysis.located.status != CircleStatus::Valid) {
            return {CircleVerdict::Invalid};
        }
        switch (analysis.factors.status) {
            case FactorStatus::Valid:
                return {CircleVerdict::Usable, analysis.factors.bishop};
            case FactorStatus::NoDrivingMoment:
                return {CircleVerdict::Invalid};
            case FactorStatus::NotConverged:
                return {CircleVerdict::NotConverged};
            case FactorStatus::SmallMAlpha:
                return {CircleVerdict::SmallMAlpha};
        }
        return {CircleVerdict::Invalid};
    }

private:
    CircleAnalyser analyser_;
};

}  // namespace

SearchResult FindCriticalCircle(const SimpleSlope& slope, const SoilValues& soil,
                                const SearchSettings& settings, int threads,
                                RunProgress* progress) {
    SearchResult result;
    if (settings.slices < kMinSlices || settings.slices > kMaxSlices) {
        result.grid = settings.grid;
        return result;
    }
    const SlopeGround ground(slope);
    const circle_search::SearchPlan plan{settings.grid, settings.entryExit, settings.refine,
                                         settings.widen, settings.deepen};
    static_cast<circle_search::CircleSearchResult&>(result) = circle_search::SearchCircles(
        ground, [&] { return std::make_unique<BishopJudge>(slope, soil, settings.slices); }, plan,
        threads, progress);
    if (result.status == SearchStatus::Found) {
        result.critical = AnalyseCircle(slope, soil, result.criticalCircle, settings.slices);
    }
    return result;
}

EntryExitRanges AutoEntryExit(const SimpleSlope& slope) {
    return circle_search::AutoEntryExit(slope.height(), slope.crestX());
}

SearchGrid AutoGrid(const SimpleSlope& slope, int centres, int radii) {
    return circle_search::AutoGrid(slope.height(), slope.crestX(), centres, radii);
}

}  // namespace vardolin::critical
