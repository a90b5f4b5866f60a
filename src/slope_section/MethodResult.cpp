// SPDX-License-Identifier: MIT
#include "slope_section/MethodResult.h"

namespace vardolin::section {

std::string_view FlagName(MethodFlag flag) noexcept {
    switch (flag) {
        case MethodFlag::NoDrivingForce:
            return "no driving force";
        case MethodFlag::NotConverged:
            return "not converged";
        case MethodFlag::NoCrossing:
            return "no crossing of force and moment factors";
        case MethodFlag::SingularSlice:
            return "singular slice";
        case MethodFlag::SmallMAlpha:
            return "small m-alpha";
        case MethodFlag::NegativeEffectiveNormal:
            return "negative effective normal force";
        case MethodFlag::NoMomentPoint:
            return "no point to take moments about";
    }
    return "unknown";
}

}  // namespace vardolin::section
