// SPDX-License-Identifier: MIT
// One fuzz target per analysis, all alike: arbitrary texts in every input field, and the run
// ends with results, one of its messages or a run-time error, leaving what that ending promises.
#pragma once

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "FuzzFields.h"
#include "analysis/AnalysisDescription.h"
#include "analysis/RunMessages.h"
#include "critical_circle/CriticalCircleRun.h"

namespace vardolin::fuzz {

inline constexpr const char* kOldMean = "old mean";
inline constexpr const char* kOldPercentage = "old percentage";

// The fields the input's lines go to: the count first, then the other inputs in field order.
inline std::vector<int> InputFieldsOf(const AnalysisDescription& analysis) {
    std::vector<int> fields{analysis.fieldWith(FieldRole::Count).number};
    for (const FieldFact& field : analysis.fields) {
        if (field.isInput() && field.role != FieldRole::Count) {
            fields.push_back(field.number);
        }
    }
    return fields;
}

struct ReportFields {
    int message, mean, percentage, count;
};

inline void RequireResultsUntouched(const FieldTextMap& f, const ReportFields& r) {
    Require(f.text(r.mean) == kOldMean, "a stopped run wrote the mean");
    Require(f.text(r.percentage) == kOldPercentage, "a stopped run wrote the percentage");
}

inline void CheckOutcome(const AnalysisDescription& analysis, const FieldTextMap& f,
                         const ReportFields& r, const RunOutcome& result) {
    using End = RunOutcome::End;
    const std::string message = f.text(r.message);
    switch (result.end) {
        case End::Stopped:
            Require(analysis.IsMessage(message) && message != messages::kStable &&
                        message != messages::kNotStable,
                    "a stopped run without a message of its own");
            if (message == messages::kCountNotAboveOne ||
                message == messages::kCircleCountNotAboveOne) {
                Require(f.text(r.count).empty() && f.text(r.mean).empty() &&
                            f.text(r.percentage).empty(),
                        "count message left results");
            } else if (message == messages::kCountNotBelowLimit) {
                Require(f.text(r.count).empty() && f.text(r.percentage).empty(),
                        "count message left the count or the percentage");
                Require(f.text(r.mean) == kOldMean, "mean cleared");
            } else {
                RequireResultsUntouched(f, r);
            }
            return;
        case End::FixedData: {
            // The specified forms' fixed-data message, or a verdict of the analysis's own.
            Require(message == messages::kFixedData ||
                        std::find(analysis.messages.begin(), analysis.messages.end(), message) !=
                            analysis.messages.end(),
                    "wrong message");
            RequireNumber(f.text(r.mean));
            const std::string percentage = f.text(r.percentage);
            Require(percentage == "100" || percentage == "0", "fixed data percentage");
            return;
        }
        case End::Completed: {
            // "Block is (not) Stable" on the mean, or a verdict of the analysis's own (against
            // its acceptance criteria).
            const bool onTheMean = message == messages::kStable || message == messages::kNotStable;
            Require(onTheMean || std::find(analysis.messages.begin(), analysis.messages.end(),
                                           message) != analysis.messages.end(),
                    "no verdict");
            const double mean = RequireNumber(f.text(r.mean));
            const double percentage = RequireNumber(f.text(r.percentage));
            Require(percentage >= 0.0 && percentage <= 100.0, "percentage");
            // The text has 15 digits: a mean a hair below 1 prints as "1" and is still not stable.
            if (onTheMean && std::abs(mean - 1.0) > 1e-14) {
                Require((mean >= 1.0) == (message == messages::kStable), "verdict");
            }
            Require(static_cast<int>(result.trialFactors.size()) == result.trials, "trial factors");
            return;
        }
    }
    Fail("unknown end");
}

// Runs the analysis on the input's lines, with the counts capped so that a run stays short.
inline int FuzzAnalysisRun(const AnalysisDescription& analysis, const std::uint8_t* data,
                           std::size_t size) {
    const std::vector<int> inputs = InputFieldsOf(analysis);
    FieldTextMap fields = FieldsFrom(data, size, inputs);
    const ReportFields report{analysis.fieldWith(FieldRole::Message).number,
                              analysis.fieldWith(FieldRole::MeanSafetyFactor).number,
                              analysis.fieldWith(FieldRole::FailurePercentage).number,
                              inputs.front()};
    LimitCount(fields, report.count, 8, 1'000'000);
    // The search's counts, where an analysis searches.
    for (const auto& [key, largest, acceptedUpTo] :
         {std::tuple{"slice_count", 40, 10'000}, std::tuple{"centres_per_side", 4, 1'000},
          std::tuple{"radii_per_centre", 4, 1'000}}) {
        if (const FieldFact* field = analysis.findKey(key)) {
            LimitCount(fields, field->number, largest, acceptedUpTo);
        }
    }
    fields.setText(report.mean, kOldMean);
    fields.setText(report.percentage, kOldPercentage);
    UniformSequence uniforms;
    KeptTables kept;
    AnalysisContext context{uniforms, kept, {}};
    try {
        CheckOutcome(analysis, fields, report, analysis.run(fields, context));
    } catch (const RunTimeError& e) {
        RequireKnownError(e);
        RequireResultsUntouched(fields, report);
    }
    return 0;
}

}  // namespace vardolin::fuzz
