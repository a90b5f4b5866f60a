// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

namespace vardolin::critical {

// A simple slope with its toe at (0, 0), rising to the right: level ground at y = 0 for x <= 0,
// a plane face at angle beta up to the crest at (crestX, H), level ground at y = H beyond it.
// One homogeneous soil fills everything below the ground, as deep as the circles go.
class SimpleSlope {
public:
    // Nothing for a height that is not a finite number above 0 or a face angle outside
    // (0, 90] degrees (an overhanging face has no ground level above each x).
    static std::optional<SimpleSlope> Make(double height, double faceAngleDegrees);

    double height() const noexcept { return height_; }
    double crestX() const noexcept { return crestX_; }
    // The face's direction from the toe up to the crest, and its length along it.
    double faceCos() const noexcept { return faceCos_; }
    double faceSin() const noexcept { return faceSin_; }
    double faceLength() const noexcept { return faceLength_; }
    // tan(beta), the face's rise over its run.
    double faceTan() const noexcept { return faceTan_; }

    // The height of the ground above x.
    double GroundLevel(double x) const noexcept {
        if (x <= 0.0) {
            return 0.0;
        }
        if (x >= crestX_) {
            return height_;
        }
        return x * faceTan_;
    }

private:
    SimpleSlope() = default;

    double height_ = 0.0;
    double crestX_ = 0.0;
    double faceTan_ = 0.0;
    double faceCos_ = 0.0;
    double faceSin_ = 0.0;
    double faceLength_ = 0.0;
};

}  // namespace vardolin::critical
