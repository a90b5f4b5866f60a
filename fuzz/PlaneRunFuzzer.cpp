// SPDX-License-Identifier: MIT
// A plane-failure run on arbitrary texts in all of its fields ends with results, one of its
// messages, or a run-time error, and never leaves a result field that says something else.
#include <cmath>

#include "FuzzFields.h"
#include "plane/PlaneAnalysis.h"
#include "plane/PlaneFields.h"
#include "shared/RunMessages.h"

namespace {

using namespace vardolin;
using namespace vardolin::plane;

void CheckOutcome(const FieldTextMap& f, const RunOutcome& result) {
    const std::string message = f.text(MessageField);
    switch (result.end) {
        case RunOutcome::End::CountNotAboveOne:
            fuzz::Require(message == messages::kCountNotAboveOne, "wrong count message");
            fuzz::Require(f.text(CalculationCount).empty() && f.text(MeanSafetyFactor).empty() &&
                              f.text(FailureProbability).empty(),
                          "count message left results");
            return;
        case RunOutcome::End::CountNotBelowLimit:
            fuzz::Require(message == messages::kCountNotBelowLimit, "wrong count message");
            fuzz::Require(f.text(CalculationCount).empty() && f.text(FailureProbability).empty(),
                          "count message left results");
            return;
        case RunOutcome::End::FixedData: {
            fuzz::Require(message == "This Exprimentation Included Fix Data", "wrong message");
            fuzz::RequireNumber(f.text(MeanSafetyFactor));
            const std::string percentage = f.text(FailureProbability);
            fuzz::Require(percentage == "100" || percentage == "0", "fixed data percentage");
            return;
        }
        case RunOutcome::End::Completed: {
            fuzz::Require(message == messages::kStable || message == messages::kNotStable,
                          "no verdict");
            const double mean = fuzz::RequireNumber(f.text(MeanSafetyFactor));
            const double percentage = fuzz::RequireNumber(f.text(FailureProbability));
            fuzz::Require(percentage >= 0.0 && percentage <= 100.0 * result.trials, "percentage");
            // The text has 15 digits: a mean a hair below 1 prints as "1" and is still not stable.
            if (std::abs(mean - 1.0) > 1e-14) {
                fuzz::Require((mean >= 1.0) == (message == messages::kStable), "verdict");
            }
            return;
        }
        default:
            break;
    }
    fuzz::Fail("an end the plane-failure run does not have");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FieldTextMap fields = fuzz::FieldsFrom(
        data, size,
        {CalculationCount, SlopeHeight, SlopeFaceAngle, DiscontinuityAngle, TensionCrackDepth,
         WaterUnitWeight, CohesionMean, CohesionStdDev, FrictionAngleMean, FrictionAngleStdDev,
         RockUnitWeightMean, RockUnitWeightStdDev, WaterHeightMean, WaterHeightStdDev});
    fuzz::LimitCount(fields, CalculationCount, 20);
    UniformSequence uniforms;
    MainModule module;
    AnalysisContext context{uniforms, module, {}};
    try {
        CheckOutcome(fields, RunPlaneAnalysis(fields, context));
    } catch (const RunTimeError& e) {
        fuzz::RequireKnownError(e);
    }
    return 0;
}
