// SPDX-License-Identifier: MIT
#include "slope_section/MethodWorkspace.h"

namespace vardolin::section {

MethodWorkspace::MethodWorkspace(std::size_t sliceCapacity) {
    for (std::vector<double>* column :
         {&terms_.sinBase, &terms_.cosBase, &terms_.tanFriction, &terms_.cohesionTerm,
          &terms_.poreForce, &terms_.vertical, &terms_.horizontal, &terms_.drive, &terms_.armNormal,
          &terms_.armShear, &terms_.shapeRight, &forces_.normal, &forces_.shear,
          &forces_.interNormal, &forces_.interShear, &centre_.numerator, &centre_.sinBase,
          &centre_.cosBase, &centre_.tanFriction}) {
        column->reserve(sliceCapacity);
    }
}

CentreColumns& MethodWorkspace::centreColumns(std::size_t count) {
    for (std::vector<double>* column :
         {&centre_.numerator, &centre_.sinBase, &centre_.cosBase, &centre_.tanFriction}) {
        column->resize(count);
    }
    return centre_;
}

void MethodWorkspace::Resize(std::size_t count) {
    for (std::vector<double>* column :
         {&terms_.sinBase, &terms_.cosBase, &terms_.tanFriction, &terms_.cohesionTerm,
          &terms_.poreForce, &terms_.vertical, &terms_.horizontal, &terms_.drive, &terms_.armNormal,
          &terms_.armShear, &terms_.shapeRight, &forces_.normal, &forces_.shear,
          &forces_.interNormal, &forces_.interShear}) {
        column->resize(count);
    }
    terms_.count = count;
}

void MethodWorkspace::Prepare(const SlicedMass& mass, MomentPoint point, InterforceShape shape) {
    const std::size_t n = mass.slices.size();
    Resize(n);
    const double kh = mass.horizontalSeismic;
    const double kv = mass.verticalSeismic;
    const double entry = n > 0 ? mass.slices.front().left : 0.0;
    const double exit = n > 0 ? mass.slices.back().right : 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const SectionSlice& s = mass.slices[i];
        const double sinA = s.sinBase;
        const double cosA = s.cosBase;
        const double t = s.tanFriction;
        const double l = s.baseLength;
        const double ul = s.porePressure * l;
        terms_.sinBase[i] = sinA;
        terms_.cosBase[i] = cosA;
        terms_.tanFriction[i] = t;
        terms_.cohesionTerm[i] = s.cohesion * l - ul * t;
        terms_.poreForce[i] = ul;
        const SliceActions actions = ActionsOn(s, kh, kv, point);
        terms_.vertical[i] = actions.vertical;
        terms_.horizontal[i] = actions.horizontal;
        terms_.drive[i] = actions.drive;
        const double dx = s.baseX - point.x;
        const double dy = s.baseY - point.y;
        terms_.armNormal[i] = dx * cosA - dy * sinA;
        terms_.armShear[i] = -dx * sinA - dy * cosA;
        terms_.shapeRight[i] = InterforceShapeAt(shape, s.right, entry, exit);
    }
}

}  // namespace vardolin::section
