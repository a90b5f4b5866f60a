// SPDX-License-Identifier: MIT
#include "slope_section/SliceCount.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace vardolin::section {
namespace {

// Slices wider by no more than this share are as wide.
constexpr double kEqualSlices = 1.0 + 1e-9;

// Around the width up to which the slices are given out at once, no further slice may be
// within this share of it: ten times the share of equals, and far above rounding.
constexpr double kClear = 1e-8;

// The stretch whose slices are the widest, the leftmost of equals.
std::size_t Widest(const std::vector<double>& bounds, const std::vector<int>& slices) noexcept {
    // span_i / n_i > span_w / n_w, compared as span_i n_w > span_w n_i: no division. Slices
    // equal but for rounding (a bound found by a crossing in one frame and its mirror image in
    // the other) are equals, so that a mirrored section is cut alike.
    std::size_t widest = 0;
    for (std::size_t i = 1; i < slices.size(); ++i) {
        if ((bounds[i + 1] - bounds[i]) * slices[widest] >
            (bounds[widest + 1] - bounds[widest]) * slices[i] * kEqualSlices) {
            widest = i;
        }
    }
    return widest;
}

}  // namespace

void SplitSliceCount(const std::vector<double>& bounds, int count, std::vector<int>& slices) {
    const std::size_t stretches = bounds.size() < 2 ? 0 : bounds.size() - 1;
    slices.assign(stretches, 1);
    const auto further = static_cast<long>(count) - static_cast<long>(stretches);
    if (stretches == 0 || further <= 0) {
        return;
    }
    const double total = bounds.back() - bounds.front();
    bool ordered = total > 0.0 && std::isfinite(total);
    for (std::size_t i = 0; ordered && i < stretches; ++i) {
        ordered = bounds[i + 1] - bounds[i] >= 0.0;
    }
    if (!ordered) {
        // Bounds out of order, or not all finite: no widths to share by, so the leftmost
        // stretch takes every further slice.
        slices[0] += static_cast<int>(further);
        return;
    }
    // One slice at a time, each goes within a billionth of the widest. So where no slice lies
    // within kClear of a width, every slice wider goes before every slice narrower, and if
    // there are no more than `further` of them they can be given out at once: stretch i's
    // come to ceil(span_i / width) - 1. Slices wider than total / further are never too many;
    // a width some way below leaves fewer to give one at a time, and is taken when they are
    // not too many. A few nudges find a width clear of slices unless they lie closer than
    // kClear, as only a count of millions makes them.
    const auto giveOut = [&](double width, long most) {
        long given = 0;
        for (std::size_t nudge = 0;; ++nudge) {
            bool clear = true;
            given = 0;
            for (std::size_t i = 0; i < stretches; ++i) {
                // share = whole + fraction, by truncation rather than a call to floor; no
                // stretch takes more than `most`, so a larger share needs no exact whole.
                const double share = (bounds[i + 1] - bounds[i]) / width;
                const long whole =
                    share < static_cast<double>(most) + 1.0 ? static_cast<long>(share) : most + 1;
                const double fraction = share - static_cast<double>(whole);
                const long nearest = fraction < 0.5 ? whole : whole + 1;
                const double off = fraction < 0.5 ? fraction : 1.0 - fraction;
                clear = clear && !(nearest >= 1 && off <= kClear * static_cast<double>(nearest));
                // The slices wider than the width: ceil(share) - 1.
                const long more = fraction > 0.0 ? whole : std::max(whole - 1, 0L);
                const long taken = std::min(more, most - given);
                slices[i] = 1 + static_cast<int>(taken);
                given += taken;
            }
            if (clear || nudge == 2 * stretches + 1) {
                return given;
            }
            width *= 1.0 + 3.0 * kClear;
        }
    };
    const auto wanted = static_cast<double>(further);
    long given = giveOut(total / (wanted + static_cast<double>(stretches) / 2.0), further + 1);
    if (given > further) {
        given = giveOut(total / wanted, further);
    }
    // The rest one at a time, each to the widest slices.
    for (; given < further; ++given) {
        slices[Widest(bounds, slices)] += 1;
    }
}

}  // namespace vardolin::section
