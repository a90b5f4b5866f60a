// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cassert>
#include <optional>

#include "fields/FieldValues.h"
#include "numerics/UniformSequence.h"
#include "rock_statistics/RockStatistics.h"
#include "slice_method/FaultPolicy.h"
#include "slice_method/SliceFields.h"

namespace vardolin {

// The numbers a slice-method trial reads, named by their fields, each converted at its first
// use. From a form's fields, a field is converted the first time a step asks for it, so that a
// bad text fails at exactly that step, naming its field; the parallel run, the benchmarks and
// the tests take every input as a number already (Converted, Defaults, Set). The sequential
// trials and the parallel worker read them through the same trial code.
class SliceInputs {
public:
    // The fields a trial reads, in field order.
    static constexpr std::array<int, 15> kFields{slice_method::CentreX1,
                                                 slice_method::SlopeHeight,
                                                 slice_method::CentreX2,
                                                 slice_method::CentreY2,
                                                 slice_method::SlopeFaceAngle,
                                                 CohesionMean,
                                                 CohesionStdDev,
                                                 FrictionAngleMean,
                                                 FrictionAngleStdDev,
                                                 RockUnitWeightMean,
                                                 RockUnitWeightStdDev,
                                                 WaterHeightMean,
                                                 WaterHeightStdDev,
                                                 slice_method::SliceCount,
                                                 slice_method::WaterUnitWeight};

    explicit SliceInputs(FieldValues& fields) : fields_(&fields) {}

    // The form's default texts as numbers.
    static SliceInputs Defaults();

    // Every input as a number, without its fields, so that a copy can go to another thread;
    // nothing if one of them does not convert (the failed conversion is not kept, so the trial
    // code still fails at the step that first needs that field).
    std::optional<SliceInputs> Converted();

    // The input of `field`, one of kFields (TypeMismatch, Overflow as FieldValues::Number).
    double Number(int field) {
        std::optional<double>& slot = values_[static_cast<std::size_t>(field)];
        if (!slot) [[unlikely]] {
            assert(fields_ != nullptr);
            slot = fields_->Number(field);
        }
        return *slot;
    }

    void Set(int field, double value) { values_[static_cast<std::size_t>(field)] = value; }

    // Cohesion, friction angle, unit weight of rock and water height of one slice, in this
    // order. Each takes its uniform value first, then reads its average and standard deviation,
    // so a bad field fails after its draw has consumed its value.
    template <FaultPolicy Policy>
    UncertainParameters DrawParameters(Policy& policy, UniformSequence& uniforms) {
        return {.cohesion = Draw(policy, uniforms, CohesionMean, CohesionStdDev),
                .frictionAngle = Draw(policy, uniforms, FrictionAngleMean, FrictionAngleStdDev),
                .rockUnitWeight = Draw(policy, uniforms, RockUnitWeightMean, RockUnitWeightStdDev),
                .waterHeight = Draw(policy, uniforms, WaterHeightMean, WaterHeightStdDev)};
    }

private:
    SliceInputs() = default;

    // mean - sd * x or mean + sd * x on the deviate's branch, as NormalDeviate::Scale.
    template <FaultPolicy Policy>
    double Draw(Policy& policy, UniformSequence& uniforms, int meanField, int sdField) {
        const NormalDeviate z = policy.Deviate(uniforms.NextUniform());
        const double mean = Number(meanField);
        const double sd = Number(sdField);
        const double spread = policy.Multiply(sd, z.size);
        return z.lower ? policy.Subtract(mean, spread) : policy.Add(mean, spread);
    }

    std::array<std::optional<double>, FieldValues::kMaxField + 1> values_{};
    FieldValues* fields_ = nullptr;  // none once every input is a number
};

}  // namespace vardolin
