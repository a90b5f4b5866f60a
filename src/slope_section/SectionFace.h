// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "circle_search/CircleSearch.h"
#include "slope_section/PreparedSection.h"
#include "slope_section/SlipSurface.h"

namespace vardolin::section {

// The slope face a circle search places its circles by. The toe is a lowest point of the
// ground and the crest a highest one (the ground is level beyond its ends, so these are the
// levels the face runs between); where several points share a level, the toe and crest are the
// pair closest along x, the first such pair as drawn. A ground without two levels has no face.
struct SectionFace {
    SectionPoint toe;
    SectionPoint crest;

    bool risesToRight() const noexcept { return crest.x > toe.x; }
    double height() const noexcept { return crest.y - toe.y; }
};

std::optional<SectionFace> FaceOf(const PreparedSection& section);

// The common search's frame (circle_search/SearchGround.h) on a section: the toe at (0, 0) and
// the crest to the right, so a face that rises to the left is mirrored. Grids keep their sides in
// order (xFrom < xTo both ways); entry and exit ranges keep their ends as given.
class FaceFrame {
public:
    explicit FaceFrame(const SectionFace& face) noexcept
        : toeX_(face.toe.x), toeY_(face.toe.y), sign_(face.risesToRight() ? 1.0 : -1.0) {}

    bool mirrors() const noexcept { return sign_ < 0.0; }

    double ToFrameX(double x) const noexcept { return sign_ * (x - toeX_); }
    double ToFrameY(double y) const noexcept { return y - toeY_; }
    double ToDrawnX(double x) const noexcept { return toeX_ + sign_ * x; }
    double ToDrawnY(double y) const noexcept { return toeY_ + y; }

    circle_search::Circle ToFrame(const CircleSurface& circle) const noexcept;
    CircleSurface ToDrawn(const circle_search::Circle& circle) const noexcept;
    circle_search::SearchGrid ToFrame(const circle_search::SearchGrid& grid) const noexcept;
    circle_search::SearchGrid ToDrawn(const circle_search::SearchGrid& grid) const noexcept;
    circle_search::GridSides Swapped(const circle_search::GridSides& sides) const noexcept;
    circle_search::EntryExitRanges ToFrame(
        const circle_search::EntryExitRanges& ranges) const noexcept;
    circle_search::EntryExitRanges ToDrawn(
        const circle_search::EntryExitRanges& ranges) const noexcept;

private:
    double toeX_;
    double toeY_;
    double sign_;
};

}  // namespace vardolin::section
