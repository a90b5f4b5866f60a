// SPDX-License-Identifier: MIT
#include "analysis/Sensitivity.h"

#include <charconv>
#include <string>
#include <vector>

#include "fields/FieldTextMap.h"
#include "fields/FieldValues.h"
#include "numerics/RunTimeError.h"

namespace vardolin {

namespace {

// The shortest text that reads back to exactly `value`: the evaluation sees the value the
// curve plots, not one rounded to the 15 digits of a result.
std::string ExactText(double value) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return {buffer, end};
}

// A field's number, its error naming the field as a run's would.
double NumberOf(const FieldTexts& texts, int field, const NumberLocale& locale) {
    FieldTextMap one{{field, texts.text(field)}};
    return FieldValues(one, locale).Number(field);
}

}  // namespace

std::optional<Sensitivity> SensitivityOf(const AnalysisDescription& analysis,
                                         const FieldTexts& texts, const AnalysisContext& context) {
    const NumberLocale& locale = context.locale;
    RunProgress* const progress = context.progress;
    if (analysis.factorAtMeans == nullptr) {
        return std::nullopt;
    }
    FieldTextMap fixed;
    for (const FieldFact& field : analysis.fields) {
        fixed.setText(field.number, texts.text(field.number));
    }
    for (const UncertainInput& input : analysis.uncertainInputs) {
        fixed.setText(input.sdField, "0");
    }
    const std::span<const UncertainInput> inputs = analysis.uncertainInputs;
    constexpr int kSteps = kSensitivitySpan * kSensitivityStepsPerSd;
    if (progress != nullptr) {
        progress->unit.store(ProgressUnit::SensitivityPoint);
        progress->stepsDone.store(0);
        progress->stepsTotal.store(1 + static_cast<int>(inputs.size()) * (2 * kSteps + 1));
    }

    Sensitivity sensitivity;
    {
        FieldTextMap copy = fixed;
        sensitivity.factorAtMeans = analysis.factorAtMeans(copy, context);
        AddStepsDone(progress, 1);
    }
    for (const UncertainInput& input : inputs) {
        SensitivityCurve curve;
        curve.meanField = input.meanField;
        curve.sdField = input.sdField;
        curve.mean = NumberOf(texts, input.meanField, locale);
        curve.standardDeviation = NumberOf(texts, input.sdField, locale);
        for (int step = -kSteps; step <= kSteps; ++step) {
            ThrowIfCancelled(progress);
            curve.offsets.push_back(static_cast<double>(step) / kSensitivityStepsPerSd);
            FieldTextMap copy = fixed;
            copy.setText(curve.meanField, ExactText(curve.valueAt(curve.offsets.size() - 1)));
            try {
                curve.factors.emplace_back(analysis.factorAtMeans(copy, context));
            } catch (const RunTimeError&) {
                curve.factors.emplace_back(std::nullopt);
            } catch (const NoFactorAtMeans&) {
                curve.factors.emplace_back(std::nullopt);
            }
            AddStepsDone(progress, 1);
        }
        sensitivity.curves.push_back(std::move(curve));
    }
    return sensitivity;
}

}  // namespace vardolin
