// SPDX-License-Identifier: MIT
// Whatever is typed into the fields of any analysis, a run ends with results, one of the
// program's messages or a run-time error, and what it leaves is what that ending promises: an
// error leaves the result fields and every input as they were. A hang fails through the test's
// time limit. The windows show what these runs give (their own tests prove that on a few rows).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "analysis/AnalysisCatalogue.h"
#include "analysis/RunMessages.h"
#include "catalogue/ProgramCatalogue.h"
#include "fields/FieldTextMap.h"
#include "numerics/RunTimeError.h"
#include "slice_method/SliceAnalysis.h"

namespace vardolin {
namespace {

struct HostileRow {
    std::string name;
    const AnalysisDescription* analysis;
    std::vector<std::pair<int, std::string>> edits;  // field number, text typed into it
};

void PrintTo(const HostileRow& row, std::ostream* os) {
    *os << row.name;
}

class HostileText : public testing::TestWithParam<HostileRow> {};

TEST_P(HostileText, EndsWithAnOutcomeOfTheProgramAndLeavesWhatItPromises) {
    const HostileRow& row = GetParam();
    const AnalysisDescription& analysis = *row.analysis;
    const int message = analysis.fieldWith(FieldRole::Message).number;
    const int failures = analysis.fieldWith(FieldRole::FailurePercentage).number;
    const int mean = analysis.fieldWith(FieldRole::MeanSafetyFactor).number;
    FieldTextMap texts = DefaultTexts(analysis);
    texts.setText(failures, "old percentage");
    texts.setText(mean, "old mean");
    for (const auto& [number, text] : row.edits) {
        texts.setText(number, text);
    }
    const FieldTextMap before = texts;

    UniformSequence uniforms;
    KeptTables kept;
    AnalysisContext context{uniforms, kept, {"."}};
    try {
        const RunOutcome outcome = analysis.run(texts, context);
        EXPECT_TRUE(analysis.IsMessage(texts.text(message))) << texts.text(message);
        if (outcome.completed()) {
            EXPECT_EQ(static_cast<int>(outcome.trialFactors.size()), outcome.trials);
            EXPECT_NO_THROW(TextToDouble(texts.text(failures)));
            EXPECT_NO_THROW(TextToDouble(texts.text(mean)));
        }
    } catch (const RunTimeError& error) {
        EXPECT_NE(error.number(), 0) << error.message();
        EXPECT_EQ(texts.text(failures), "old percentage");
        EXPECT_EQ(texts.text(mean), "old mean");
        for (const FieldFact& field : analysis.fields) {
            if (field.isInput()) {
                EXPECT_EQ(texts.text(field.number), before.text(field.number)) << field.key;
            }
        }
    }
}

std::string Named(std::string name) {
    std::replace(name.begin(), name.end(), '-', 'M');
    std::erase_if(name, [](char c) { return c == '.' || c == '_'; });
    return name;
}

// The key of a field in camel case, for a row name: "slope_face_angle" -> "SlopeFaceAngle".
std::string Camel(std::string_view key) {
    std::string name;
    bool upper = true;
    for (const char c : key) {
        if (c == '_') {
            upper = true;
            continue;
        }
        name += upper ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
        upper = false;
    }
    return name;
}

std::vector<HostileRow> Rows() {
    const std::vector<std::pair<std::string, std::string>> texts = {
        {"Empty", ""},
        {"Blanks", "   "},
        {"Word", "abc"},
        {"LoneSign", "-"},
        {"BeyondDoubleRange", "1e309"},
        {"NegativeBeyondRange", "-1e309"},
        {"LargestDouble", "1.7976931348623157e308"},
        {"NegativeZero", "-0"},
        {"NotANumber", "NaN"},
        {"Infinity", "Infinity"},
        {"LongDigits", std::string(400, '7')},
        {"Tiny", "1e-320"},
        {"Grouped", "1,000"},
    };
    std::vector<HostileRow> rows;
    const AnalysisCatalogue catalogue = ProgramCatalogue();
    for (const AnalysisDescription* analysis : catalogue) {
        const std::string prefix = Camel(analysis->id) + "_";
        const auto deviations = [&] {
            std::vector<std::pair<int, std::string>> zero;
            for (const FieldFact& fact : analysis->fields) {
                if (fact.role == FieldRole::StatisticsStdDev) {
                    zero.emplace_back(fact.number, "0");
                }
            }
            return zero;
        };
        // Every input of every analysis with every hostile text.
        for (const FieldFact& fact : analysis->fields) {
            if (!fact.isInput()) {
                continue;
            }
            for (const auto& [textName, text] : texts) {
                rows.push_back(
                    {prefix + Camel(fact.key) + "_" + textName, analysis, {{fact.number, text}}});
            }
        }
        // Counts at and around the limits, fractions included.
        for (const char* count :
             {"1", "1.0000001", "1.2", "2.5", "9999", "9999.9999", "9999.5", "10000", "0", "-3"}) {
            rows.push_back({prefix + "Count" + Named(count),
                            analysis,
                            {{analysis->fieldWith(FieldRole::Count).number, count}}});
        }
        // Deviations of zero and below.
        rows.push_back({prefix + "AllDeviationsZero", analysis, deviations()});
        auto negative = deviations();
        negative.resize(2);
        negative[0].second = "-200";
        negative[1].second = "-50";
        rows.push_back({prefix + "NegativeDeviations", analysis, negative});
        // Face angles at the edges; heights of zero and below, where the slope has them.
        if (const FieldFact* face = analysis->findKey("slope_face_angle")) {
            for (const char* angle : {"0", "90", "180", "-40", "360", "135"}) {
                rows.push_back(
                    {prefix + "FaceAngle" + Named(angle), analysis, {{face->number, angle}}});
            }
        }
        if (const FieldFact* height = analysis->findKey("slope_height")) {
            for (const char* text : {"0", "-20"}) {
                rows.push_back(
                    {prefix + "Height" + Named(text), analysis, {{height->number, text}}});
            }
        }
    }
    const AnalysisDescription* plane = catalogue.FindById("plane_failure");
    const AnalysisDescription* slice = catalogue.FindById("slice_method");
    for (const char* angle : {"0", "90", "180", "-40", "360"}) {
        rows.push_back({"PlaneFailure_PlaneAngle" + Named(angle),
                        plane,
                        {{plane->findKey("discontinuity_angle")->number, angle}}});
    }
    rows.push_back({"PlaneFailure_CrackDeeperThanSlope",
                    plane,
                    {{plane->findKey("tension_crack_depth")->number, "30"}}});
    for (const char* count : {"0", "-3", "2.5", "0.0001", "1e6"}) {
        rows.push_back({"SliceMethod_SliceCount" + Named(count),
                        slice,
                        {{slice->findKey("slice_count")->number, count}}});
    }
    const int x1 = slice->findKey("grid_x1")->number;
    const int x2 = slice->findKey("grid_x2")->number;
    const int y2 = slice->findKey("grid_y2")->number;
    rows.push_back({"SliceMethod_GridReachingNoCircle", slice, {{x1, "0"}, {x2, "0"}, {y2, "20"}}});
    rows.push_back({"SliceMethod_GridSwapped", slice, {{x1, "8"}, {x2, "4"}}});
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Fields, HostileText, testing::ValuesIn(Rows()),
                         [](const testing::TestParamInfo<HostileRow>& row) {
                             return row.param.name;
                         });

}  // namespace
}  // namespace vardolin
