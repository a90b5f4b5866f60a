// SPDX-License-Identifier: MIT
#include "slope_section/SectionFace.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace vardolin::section {

std::optional<SectionFace> FaceOf(const PreparedSection& section) {
    const Polyline& ground = section.frame(false).ground();
    double lowest = ground.pointY(0);
    double highest = ground.pointY(0);
    for (std::size_t i = 1; i < ground.pointCount(); ++i) {
        lowest = std::min(lowest, ground.pointY(i));
        highest = std::max(highest, ground.pointY(i));
    }
    if (!(highest > lowest)) {
        return std::nullopt;
    }
    std::optional<SectionFace> face;
    double closest = HUGE_VAL;
    for (std::size_t t = 0; t < ground.pointCount(); ++t) {
        if (ground.pointY(t) != lowest) {
            continue;
        }
        for (std::size_t c = 0; c < ground.pointCount(); ++c) {
            const double apart = std::abs(ground.pointX(c) - ground.pointX(t));
            if (ground.pointY(c) == highest && apart < closest) {
                closest = apart;
                face = SectionFace{{ground.pointX(t), lowest}, {ground.pointX(c), highest}};
            }
        }
    }
    return face;
}

circle_search::Circle FaceFrame::ToFrame(const CircleSurface& circle) const noexcept {
    return {ToFrameX(circle.centreX), ToFrameY(circle.centreY), circle.radius};
}

CircleSurface FaceFrame::ToDrawn(const circle_search::Circle& circle) const noexcept {
    return {ToDrawnX(circle.centreX), ToDrawnY(circle.centreY), circle.radius, false};
}

circle_search::SearchGrid FaceFrame::ToFrame(const circle_search::SearchGrid& grid) const noexcept {
    circle_search::SearchGrid framed = grid;
    framed.xFrom = ToFrameX(grid.xFrom);
    framed.xTo = ToFrameX(grid.xTo);
    if (mirrors()) {
        std::swap(framed.xFrom, framed.xTo);
    }
    framed.yFrom = ToFrameY(grid.yFrom);
    framed.yTo = ToFrameY(grid.yTo);
    return framed;
}

circle_search::SearchGrid FaceFrame::ToDrawn(const circle_search::SearchGrid& grid) const noexcept {
    circle_search::SearchGrid drawn = grid;
    drawn.xFrom = ToDrawnX(grid.xFrom);
    drawn.xTo = ToDrawnX(grid.xTo);
    if (mirrors()) {
        std::swap(drawn.xFrom, drawn.xTo);
    }
    drawn.yFrom = ToDrawnY(grid.yFrom);
    drawn.yTo = ToDrawnY(grid.yTo);
    return drawn;
}

circle_search::GridSides FaceFrame::Swapped(const circle_search::GridSides& sides) const noexcept {
    if (!mirrors()) {
        return sides;
    }
    return {sides.right, sides.left, sides.bottom, sides.top};
}

circle_search::EntryExitRanges FaceFrame::ToFrame(
    const circle_search::EntryExitRanges& ranges) const noexcept {
    return {ranges.use, ToFrameX(ranges.entryFrom), ToFrameX(ranges.entryTo),
            ToFrameX(ranges.exitFrom), ToFrameX(ranges.exitTo)};
}

circle_search::EntryExitRanges FaceFrame::ToDrawn(
    const circle_search::EntryExitRanges& ranges) const noexcept {
    return {ranges.use, ToDrawnX(ranges.entryFrom), ToDrawnX(ranges.entryTo),
            ToDrawnX(ranges.exitFrom), ToDrawnX(ranges.exitTo)};
}

}  // namespace vardolin::section
