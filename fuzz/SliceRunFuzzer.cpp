// SPDX-License-Identifier: MIT
// A slice-method run on arbitrary texts in all of its fields ends, promptly, with results,
// one of its messages, or a run-time error; a stopped run leaves the result fields alone.
#include <cmath>

#include "FuzzFields.h"
#include "circle/SliceAnalysis.h"
#include "circle/SliceFields.h"
#include "shared/RunMessages.h"

namespace {

using namespace vardolin;
using namespace vardolin::circle;

constexpr const char* kOldMean = "old mean";
constexpr const char* kOldPercentage = "old percentage";

void RequireResultsUntouched(const FieldTextMap& f) {
    fuzz::Require(f.text(MeanSafetyFactor) == kOldMean, "a stopped run wrote the mean");
    fuzz::Require(f.text(FailureProbability) == kOldPercentage,
                  "a stopped run wrote the percentage");
}

void CheckOutcome(const FieldTextMap& f, const RunOutcome& result) {
    using End = RunOutcome::End;
    const std::string message = f.text(MessageField);
    switch (result.end) {
        case End::CountNotAboveOne:
            fuzz::Require(message == messages::kCountNotAboveOne, "wrong count message");
            fuzz::Require(f.text(CalculationCount).empty() && f.text(MeanSafetyFactor).empty() &&
                              f.text(FailureProbability).empty(),
                          "count message left results");
            return;
        case End::CountNotBelowLimit:
            fuzz::Require(message == messages::kCountNotBelowLimit, "wrong count message");
            fuzz::Require(f.text(MeanSafetyFactor) == kOldMean, "mean cleared");
            return;
        case End::SliceCountNotAboveZero:
            fuzz::Require(message == messages::kSliceCountNotAboveZero, "wrong message");
            RequireResultsUntouched(f);
            return;
        case End::SliceCountNotBelowLimit:
            fuzz::Require(message == messages::kSliceCountNotBelowLimit, "wrong message");
            RequireResultsUntouched(f);
            return;
        case End::NoCircleBeyondCrest:
            fuzz::Require(message == messages::kNoCircleBeyondCrest, "wrong message");
            RequireResultsUntouched(f);
            return;
        case End::ZeroSliceWidth:
            fuzz::Require(message == messages::kZeroSliceWidth, "wrong message");
            RequireResultsUntouched(f);
            return;
        case End::Completed: {
            fuzz::Require(message == messages::kStable || message == messages::kNotStable,
                          "no verdict");
            const double mean = fuzz::RequireNumber(f.text(MeanSafetyFactor));
            const double percentage = fuzz::RequireNumber(f.text(FailureProbability));
            fuzz::Require(percentage >= 0.0, "negative percentage");
            // The text has 15 digits: a mean a hair below 1 prints as "1" and is still not stable.
            if (std::abs(mean - 1.0) > 1e-14) {
                fuzz::Require((mean >= 1.0) == (message == messages::kStable), "verdict");
            }
            fuzz::Require(static_cast<int>(result.trialFactors.size()) == result.trials,
                          "trial factors");
            return;
        }
        default:
            break;
    }
    fuzz::Fail("an end the slice-method run does not have");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FieldTextMap fields = fuzz::FieldsFrom(
        data, size,
        {CalculationCount, SlopeHeight, CentreX1, CentreX2, CentreY2, SlopeFaceAngle, SliceCount,
         WaterUnitWeight, CohesionMean, CohesionStdDev, FrictionAngleMean, FrictionAngleStdDev,
         RockUnitWeightMean, RockUnitWeightStdDev, WaterHeightMean, WaterHeightStdDev});
    fuzz::LimitCount(fields, CalculationCount, 5);
    fuzz::LimitCount(fields, SliceCount, 40);
    fields.setText(MeanSafetyFactor, kOldMean);
    fields.setText(FailureProbability, kOldPercentage);
    UniformSequence uniforms;
    MainModule module;
    AnalysisContext context{uniforms, module, {}};
    try {
        CheckOutcome(fields, RunSliceAnalysis(fields, context));
    } catch (const RunTimeError& e) {
        fuzz::RequireKnownError(e);
        RequireResultsUntouched(fields);
    }
    return 0;
}
