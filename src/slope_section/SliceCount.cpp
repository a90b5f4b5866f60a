// SPDX-License-Identifier: MIT
#include "slope_section/SliceCount.h"

#include <cmath>
#include <cstddef>

namespace vardolin::section {

namespace {

// The further slices in the order they are given out: stretch i's k-th slice (k >= 1 slices
// already there) goes when span_i / k is the widest, the leftmost of equals first. Spans are
// compared as span_i k_j against span_j k_i, with no division.
class SliceOrder {
public:
    explicit SliceOrder(const std::vector<double>& bounds) : bounds_(bounds) {}

    double span(std::size_t i) const noexcept { return bounds_[i + 1] - bounds_[i]; }

    // Stretch i's slice after its k-th goes before stretch j's after its l-th.
    bool Before(std::size_t i, int k, std::size_t j, int l) const noexcept {
        if (i == j) {
            return k < l;
        }
        const double left = span(i) * l;
        const double right = span(j) * k;
        return left > right || (left == right && i < j);
    }

    // The stretch whose next slice goes first.
    std::size_t Widest(const std::vector<int>& slices) const noexcept {
        std::size_t widest = 0;
        for (std::size_t i = 1; i < slices.size(); ++i) {
            if (span(i) * slices[widest] > span(widest) * slices[i]) {
                widest = i;
            }
        }
        return widest;
    }

    // Of the stretches with a further slice, the one whose last further slice went last;
    // slices.size() when none has one.
    std::size_t Latest(const std::vector<int>& slices) const noexcept {
        std::size_t latest = slices.size();
        for (std::size_t i = 0; i < slices.size(); ++i) {
            if (slices[i] > 1 && (latest == slices.size() ||
                                  !Before(i, slices[i] - 1, latest, slices[latest] - 1))) {
                latest = i;
            }
        }
        return latest;
    }

private:
    const std::vector<double>& bounds_;
};

}  // namespace

void SplitSliceCount(const std::vector<double>& bounds, int count, std::vector<int>& slices) {
    const std::size_t stretches = bounds.size() < 2 ? 0 : bounds.size() - 1;
    slices.assign(stretches, 1);
    const auto further = static_cast<long>(count) - static_cast<long>(stretches);
    if (stretches == 0 || further <= 0) {
        return;
    }
    const SliceOrder order(bounds);
    const double total = bounds.back() - bounds.front();
    bool ordered = total > 0.0 && std::isfinite(total);
    for (std::size_t i = 0; ordered && i < stretches; ++i) {
        ordered = order.span(i) >= 0.0;
    }
    if (!ordered) {
        // Bounds out of order, or not all finite: no widths to share by, so the leftmost
        // stretch takes every further slice.
        slices[0] += static_cast<int>(further);
        return;
    }
    // Every further slice of a width above total / further: stretch i has ceil(span_i / that)
    // - 1 of them, together at most `further` but for rounding. Only near that width may the
    // rounding have taken one out of turn, or one too many.
    const double width = total / static_cast<double>(further);
    long given = 0;
    for (std::size_t i = 0; i < stretches; ++i) {
        const double share = order.span(i) / width;
        if (share > 1.0) {
            const double ceiling = std::ceil(share) - 1.0;
            const long more =
                ceiling < static_cast<double>(further) ? static_cast<long>(ceiling) : further;
            slices[i] += static_cast<int>(more);
            given += more;
        }
    }
    // Take back the latest given while they are too many, or one went before a slice that is
    // still to give: what is left is the start of the one order.
    for (std::size_t latest = order.Latest(slices); latest < stretches;
         latest = order.Latest(slices)) {
        const std::size_t widest = order.Widest(slices);
        if (given <= further && order.Before(latest, slices[latest] - 1, widest, slices[widest])) {
            break;
        }
        slices[latest] -= 1;
        given -= 1;
    }
    // The rest one at a time, each to the widest slices.
    for (; given < further; ++given) {
        slices[order.Widest(slices)] += 1;
    }
}

}  // namespace vardolin::section
