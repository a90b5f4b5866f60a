// SPDX-License-Identifier: MIT
#pragma once

#include "circle_search/Circle.h"

namespace vardolin::circle_search {

// What an analysis made of one circle. Only a usable circle may stand as the critical one; the
// others are counted and skipped.
enum class CircleVerdict {
    Usable,
    Invalid,       // no proper sliding mass, or nothing drives it
    NotConverged,  // the method found no factor
    SmallMAlpha,   // a factor, with m_alpha below the caution limit on a slice
};

struct CircleScore {
    CircleVerdict verdict = CircleVerdict::Invalid;
    double factor = 0.0;  // meaningful for a usable circle
};

// The analysis's side of the search: one circle's factor. The search gives each thread a judge
// of its own and calls it circle after circle, so a judge may keep its working storage.
class CircleJudge {
public:
    virtual ~CircleJudge() = default;
    virtual CircleScore Judge(const Circle& circle) = 0;
};

// How the circles tried fared.
struct CircleCounts {
    int tried = 0;
    int usable = 0;
    int invalid = 0;
    int notConverged = 0;
    int smallMAlpha = 0;

    void Count(CircleVerdict verdict) noexcept {
        tried += 1;
        switch (verdict) {
            case CircleVerdict::Usable:
                usable += 1;
                break;
            case CircleVerdict::Invalid:
                invalid += 1;
                break;
            case CircleVerdict::NotConverged:
                notConverged += 1;
                break;
            case CircleVerdict::SmallMAlpha:
                smallMAlpha += 1;
                break;
        }
    }

    void Add(const CircleCounts& part) noexcept {
        tried += part.tried;
        usable += part.usable;
        invalid += part.invalid;
        notConverged += part.notConverged;
        smallMAlpha += part.smallMAlpha;
    }
};

}  // namespace vardolin::circle_search
