// SPDX-License-Identifier: MIT
#include "circle_search/CircleRefinement.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "circle_search/SearchSpace.h"

namespace vardolin::circle_search {

namespace {

// Two ways of naming a circle by three numbers, each with its centre as the first two. The
// sliding masses the analysis accepts end at two kinds of edge, and the lowest circle often lies
// on one of them: on the circles through the toe (the toe passes from under the mass to beside
// it: a kink of the factor, or for a centre in front of the toe the end of the accepted radii),
// and on the circles tangent to the level ground in front of the toe or to the depth level (a
// slightly larger circle cuts the level ground twice and makes two masses, or reaches too deep).
// The first is an axis in the radius's excess over the toe circle, the second in the height of
// the circle's lowest point; a search that moves along one axis at a time can follow an edge
// only where it is an axis, so the refinement alternates between the two.
enum class Axes { ToeExcess, LowestPoint, TurnedLowestPoint, Chord };

using Point = std::array<double, 3>;

Point PointOf(const SearchGround& ground, Axes axes, const Circle& circle) {
    switch (axes) {
        case Axes::ToeExcess:
            return {circle.centreX, circle.centreY,
                    circle.radius - RadiiOf(circle.centreX, circle.centreY, 0.0).toe};
        case Axes::LowestPoint:
            return {circle.centreX, circle.centreY, circle.centreY - circle.radius};
        case Axes::TurnedLowestPoint:
            return {circle.centreX + circle.centreY, circle.centreY - circle.centreX,
                    circle.centreY - circle.radius};
        case Axes::Chord:
            break;
    }
    const CircleEnds ends = ground.Locate(circle);
    return {ends.exitX, ends.entryX, circle.radius};
}

Circle CircleAt(const SearchGround& ground, Axes axes, const Point& p) {
    switch (axes) {
        case Axes::ToeExcess:
            return {p[0], p[1], RadiiOf(p[0], p[1], 0.0).toe + p[2]};
        case Axes::LowestPoint:
            return {p[0], p[1], p[1] - p[2]};
        case Axes::TurnedLowestPoint: {
            const double centreY = (p[0] + p[1]) / 2.0;
            return {(p[0] - p[1]) / 2.0, centreY, centreY - p[2]};
        }
        case Axes::Chord:
            break;
    }
    return ChordCircle(ground, p[0], p[1], p[2]);
}

// A circle of the refinement and its factor, infinite where it is not usable.
struct Probe {
    Point point{};
    Circle circle;
    double factor = HUGE_VAL;
};

// The refinement of one starting circle (see CircleRefinement.h): Hooke and Jeeves's pattern
// search, whose moves along the axes find the way down and whose jumps along the last move
// follow a curved valley without the 26 neighbours of a cube at every step.
class Refiner {
public:
    Refiner(CircleJudge& judge, const SearchGround& ground, double depthBelowToe,
            const RunProgress* progress, const RefinementSteps& steps)
        : judge_(judge),
          ground_(ground),
          depth_(depthBelowToe),
          progress_(progress),
          steps_(steps) {}

    RefinedCircle Run(const Circle& start, double startFactor) {
        RefinedCircle refined;
        refined.start = start;
        best_ = {PointOf(ground_, Axes::ToeExcess, start), start, startFactor};
        path_ = &refined.path;
        path_->push_back(start);
        const double firstStep = ground_.height() * steps_.firstStepShare;
        for (int round = 0; round < steps_.rounds; ++round) {
            const double before = best_.factor;
            for (const Axes axes :
                 {Axes::LowestPoint, Axes::ToeExcess, Axes::TurnedLowestPoint, Axes::Chord}) {
                Search(axes, firstStep);
            }
            if (!(before - best_.factor >= steps_.tolerance * best_.factor)) {
                break;
            }
        }
        refined.circle = best_.circle;
        refined.factor = best_.factor;
        refined.counts = counts_;
        return refined;
    }

private:
    static constexpr int kMaxSearchCircles = 1'500;

    Probe Evaluate(Axes axes, const Point& point) {
        Probe probe{point, CircleAt(ground_, axes, point)};
        const Circle& c = probe.circle;
        if (!(c.centreY - c.radius >= -depth_) || Stopped()) {
            return probe;
        }
        ++tried_;
        const CircleScore score = judge_.Judge(c);
        counts_.Count(score.verdict);
        if (score.verdict == CircleVerdict::Usable) {
            probe.factor = score.factor;
        }
        return probe;
    }

    // One step up and down each axis in turn from `from`, keeping whatever is lower.
    Probe Explore(Axes axes, Probe from, const Point& steps) {
        for (std::size_t axis = 0; axis < 3; ++axis) {
            for (const double sign : {1.0, -1.0}) {
                Point moved = from.point;
                moved[axis] += sign * steps[axis];
                const Probe probe = Evaluate(axes, moved);
                if (probe.factor < from.factor) {
                    from = probe;
                    break;
                }
            }
        }
        return from;
    }

    // At the count limit, or cancelled (checked every 64 circles): every later probe is unusable,
    // so that the search winds down at once. The refinements run on several threads and must
    // not throw; the search throws once they are done.
    bool Stopped() {
        if (tried_ >= kMaxRefinementCircles) {
            return true;
        }
        if ((tried_ & 63) == 0 && progress_ != nullptr && progress_->Cancelled()) {
            tried_ = kMaxRefinementCircles;
            return true;
        }
        return false;
    }

    void Accept(const Probe& probe) {
        best_ = probe;
        path_->push_back(probe.circle);
    }

    // One pattern search in these axes. Its steps halve when no move lowers the factor and
    // double (up to the first) after moves that did, so that a search that has crept along an
    // edge with small steps strides again where the way opens; it yields to the next axes after
    // kMaxSearchCircles circles, as a creeping search does best in axes along its edge.
    void Search(Axes axes, double firstStep) {
        // The best circle itself stays, not one rebuilt from its coordinates in these axes.
        best_.point = PointOf(ground_, axes, best_.circle);
        Point steps{firstStep, firstStep, firstStep};
        const double lastStep = ground_.height() * steps_.lastStepShare;
        const int budget = tried_ + kMaxSearchCircles;
        while (steps[0] >= lastStep && !Stopped() && tried_ < budget) {
            Probe next = Explore(axes, best_, steps);
            if (!(next.factor < best_.factor)) {
                for (double& step : steps) {
                    step /= 2.0;
                }
                continue;
            }
            // Jump on along the move just made while the exploration around the landing point
            // still finds a lower circle.
            while (next.factor < best_.factor) {
                const Point from = best_.point;
                Accept(next);
                if (tried_ >= budget) {
                    break;
                }
                Point jump = next.point;
                for (std::size_t axis = 0; axis < 3; ++axis) {
                    jump[axis] += next.point[axis] - from[axis];
                }
                next = Explore(axes, Evaluate(axes, jump), steps);
            }
            for (double& step : steps) {
                step = std::min(step * 2.0, firstStep);
            }
        }
    }

    CircleJudge& judge_;
    const SearchGround& ground_;
    double depth_;
    const RunProgress* progress_;
    RefinementSteps steps_;
    Probe best_;
    std::vector<Circle>* path_ = nullptr;
    CircleCounts counts_;
    int tried_ = 0;
};

}  // namespace

RefinedCircle RefineCircle(CircleJudge& judge, const SearchGround& ground, double depthBelowToe,
                           const RunProgress* progress, const Circle& start, double startFactor,
                           const RefinementSteps& steps) {
    Refiner refiner(judge, ground, depthBelowToe, progress, steps);
    return refiner.Run(start, startFactor);
}

}  // namespace vardolin::circle_search
