// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "slope_section/Polyline.h"
#include "slope_section/PreparedSection.h"
#include "slope_section/SectionSlice.h"
#include "slope_section/SlipSurface.h"

namespace vardolin::section {

// Cuts slip surfaces of one section into the slices the limit-equilibrium methods take, in the
// sliding frame of SectionSlice.h.
//
// 1. The surface is located on the ground as drawn (SlipSurface.h), which gives its ends and
//    the direction of sliding; a mass sliding toward -x is cut in the mirrored frame.
// 2. A composite circle follows the top of an impenetrable soil wherever its arc would enter
//    it; a tension crack moves the mass's upper end to where the surface first lies the
//    crack's depth below the ground.
// 3. A slice boundary falls at every point of the section's lines between the ends (the
//    ground, the layers' boundaries, the piezometric line), at every crossing of the surface
//    with a boundary or the piezometric line and of the piezometric line with the ground, at
//    the ends of the surface's own pieces, of the surface pressures, at the line loads and at
//    the crack. So no slice's base spans two soils or a kink of the water line, and every line
//    is straight across every slice. Boundaries closer than a billionth of the mass's width
//    are one. The slices between them come from SplitSliceCount (SliceCount.h).
// 4. A slice's weight sums each soil's exact area in it times its unit weight: straight-sided
//    parts by Simpson's rule (exact for them), and under an arc the circular segment between
//    its chord and the arc (CircularSegment.h); its centroid is that of the weights. The base's
//    angle, strength and pore pressure hold at its middle; its soil is the one just above it
//    there, the deepest whose boundary lies above the base.
// 5. The pore pressure at the base's middle: under a piezometric line gamma_w times the head
//    above the base (none for a base above the line), times cos^2 of the line's inclination
//    for the inclined-line head; with pore-pressure ratios, ru of the base's soil times the
//    vertical stress of the soil column above the base's middle: each soil's gamma times its
//    thickness there, summed.
// 6. The loads on a slice sum into its resultant: the water ponded where the piezometric
//    line lies above the ground presses normal to the ground (its weight down, and on a
//    sloping ground its horizontal thrust); a surface pressure presses down on the part of its
//    range over the slice; a line load acts on the slice whose left side, or the last slice's
//    right side, or whose inside it lies on; the crack's water thrust, gamma_w h^2 / 2 for
//    water h deep, pushes the first slice along the sliding at h / 3 above the crack's foot.
//
// The slicer keeps its working storage, and SlicedMass keeps its slices', from one surface to
// the next: a search allocates nothing per circle once the largest surface is met.
class SectionSlicer {
public:
    // The section must outlive the slicer.
    explicit SectionSlicer(const PreparedSection& section);

    // `count` is the slice count asked for (see SplitSliceCount). Unless the status is Valid,
    // `mass` holds nothing to be read.
    SurfaceStatus SliceCircle(const CircleSurface& circle, int count, SlicedMass& mass);
    // A polyline surface, its points as drawn (x increasing).
    SurfaceStatus SlicePolyline(const std::vector<SectionPoint>& surface, int count,
                                SlicedMass& mass);

    // Where the last surface met the ground.
    const SurfaceOnGround& located() const noexcept { return located_; }

private:
    // A stretch of the surface in the sliding frame: the circle's arc or a straight line.
    struct SurfacePiece {
        double from = 0.0;
        double to = 0.0;
        bool arc = false;
        LinePiece line;
    };

    void EnterFrame(bool mirrored);
    SurfaceStatus FollowImpenetrable();
    SurfaceStatus OpenCrack();
    SurfaceStatus Cut(int count, SlicedMass& mass);
    double SurfaceLevel(const SurfacePiece& piece, double x) const noexcept;

    const PreparedSection& section_;
    const FramedSection* frame_ = nullptr;
    SurfaceOnGround located_;
    double centreX_ = 0.0;  // the circle's, in the sliding frame
    double centreY_ = 0.0;
    double radius_ = 0.0;
    double left_ = 0.0;  // the mass's ends, in the sliding frame
    double right_ = 0.0;
    double crackHeight_ = 0.0;  // 0 without a crack
    double crackFootY_ = 0.0;
    std::vector<SurfacePiece> pieces_;
    std::vector<double> points_;
    std::vector<double> bounds_;
    std::vector<int> counts_;
    std::vector<double> edges_;
    std::vector<std::size_t> lines_;
};

}  // namespace vardolin::section
