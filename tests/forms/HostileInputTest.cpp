// SPDX-License-Identifier: MIT
// Whatever is typed into the fields, "Calculation" ends with results, one of the program's
// messages or a run-time error in the message field; the window shows exactly what the core
// run gives for the same texts, and the next valid run gives the right figures. A hang fails
// through the test's time limit.
#include <QLineEdit>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "circle/SliceAnalysis.h"
#include "circle/SliceFields.h"
#include "circle/SliceMethodDescription.h"
#include "forms/FormTestSupport.h"
#include "numerics/RunTimeError.h"
#include "plane/PlaneAnalysis.h"
#include "plane/PlaneFields.h"
#include "shared/FieldTextMap.h"

namespace vardolin::forms {
namespace {

using testing_support::WindowTest;

enum class Analysis { Plane, Slice };

struct HostileRow {
    std::string name;
    Analysis analysis;
    std::vector<std::pair<int, std::string>> edits;  // field number, text typed into it
};

void PrintTo(const HostileRow& row, std::ostream* os) {
    *os << row.name;
}

constexpr int kLastField = 21;

FieldTextMap TextsOf(const QWidget& form) {
    FieldTextMap texts;
    for (int number = 1; number <= kLastField; ++number) {
        if (const auto* field =
                FindControlAs<QLineEdit>(form, QStringLiteral("Text%1").arg(number))) {
            texts.setText(number, field->text().toStdString());
        }
    }
    return texts;
}

int MessageFieldOf(Analysis analysis) {
    return analysis == Analysis::Plane ? static_cast<int>(plane::MessageField)
                                       : static_cast<int>(circle::MessageField);
}

// The core's run on the same texts, reporting an error in the message field as the window does.
void RunCore(Analysis analysis, FieldTextMap& texts, AnalysisContext& context) {
    try {
        if (analysis == Analysis::Plane) {
            RunPlaneAnalysis(texts, context);
        } else {
            RunSliceAnalysis(texts, context);
        }
    } catch (const RunTimeError& error) {
        texts.setText(MessageFieldOf(analysis), error.message());
    }
}

bool IsAnOutcomeOfTheProgram(const std::string& message) {
    static const std::vector<std::string> kMessages = {
        "Please Inter Namber of calculation Upper 1",
        "Please Inter Namber of calculation Under 10000",
        "This Exprimentation Included Fix Data",
        "Block is Stable",
        "Block is not Stable",
        std::string(messages::kSliceCountNotAboveZero),
        std::string(messages::kSliceCountNotBelowLimit),
        std::string(messages::kNoCircleBeyondCrest),
        std::string(messages::kZeroSliceWidth),
    };
    for (ErrorCode code :
         {ErrorCode::InvalidProcedureCall, ErrorCode::Overflow, ErrorCode::SubscriptOutOfRange,
          ErrorCode::DivisionByZero, ErrorCode::TypeMismatch}) {
        if (message == RunTimeError(code).message()) {
            return true;
        }
    }
    return std::find(kMessages.begin(), kMessages.end(), message) != kMessages.end();
}

class HostileInput : public WindowTest, public testing::WithParamInterface<HostileRow> {
protected:
    QWidget& Form(Analysis analysis) {
        if (analysis == Analysis::Plane) {
            return navigator().ShowAnalysis(PlaneFailure());
        }
        return navigator().ShowAnalysis(SliceMethod());
    }

    static void TypeAll(QWidget& form, const FieldTextMap& texts) {
        for (const auto& [number, text] : texts.texts()) {
            Type(form, number, QString::fromStdString(text));
        }
    }

    // A second sequence and module that the core runs on, step for step with the window's.
    UniformSequence twinUniforms_;
    MainModule twinModule_;
    AnalysisContext twin_{twinUniforms_, twinModule_, {"."}};
};

TEST_P(HostileInput, EndsWithAnOutcomeOfTheProgramAndTheNextRunIsRight) {
    const HostileRow& row = GetParam();
    const int message = MessageFieldOf(row.analysis);
    QWidget& form = Form(row.analysis);
    const FieldTextMap defaults = TextsOf(form);

    for (const auto& [number, text] : row.edits) {
        Type(form, number, QString::fromStdString(text));
    }
    FieldTextMap expected = TextsOf(form);
    Click(form, "Command1");
    RunCore(row.analysis, expected, twin_);

    const FieldTextMap shown = TextsOf(form);
    EXPECT_TRUE(IsAnOutcomeOfTheProgram(shown.text(message))) << shown.text(message);
    EXPECT_EQ(shown.texts(), expected.texts());
    EXPECT_EQ(uniforms_.state(), twinUniforms_.state());

    TypeAll(form, defaults);
    FieldTextMap valid = defaults;
    Click(form, "Command1");
    RunCore(row.analysis, valid, twin_);
    EXPECT_EQ(TextsOf(form).texts(), valid.texts());
    EXPECT_TRUE(valid.text(message) == "Block is Stable" ||
                valid.text(message) == "Block is not Stable");
}

std::vector<HostileRow> Rows() {
    using enum Analysis;
    std::vector<HostileRow> rows;
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
    };
    const std::vector<std::pair<std::string, int>> planeInputs = {
        {"SlopeHeight", plane::SlopeHeight},
        {"SlopeFaceAngle", plane::SlopeFaceAngle},
        {"DiscontinuityAngle", plane::DiscontinuityAngle},
        {"TensionCrackDepth", plane::TensionCrackDepth},
        {"WaterUnitWeight", plane::WaterUnitWeight},
        {"CalculationCount", plane::CalculationCount},
        {"CohesionMean", CohesionMean},
        {"CohesionStdDev", CohesionStdDev},
        {"FrictionAngleStdDev", FrictionAngleStdDev},
        {"WaterHeightMean", WaterHeightMean},
    };
    const std::vector<std::pair<std::string, int>> sliceInputs = {
        {"SlopeHeight", circle::SlopeHeight},
        {"SlopeFaceAngle", circle::SlopeFaceAngle},
        {"CentreX1", circle::CentreX1},
        {"CentreY2", circle::CentreY2},
        {"SliceCount", circle::SliceCount},
        {"WaterUnitWeight", circle::WaterUnitWeight},
        {"CalculationCount", circle::CalculationCount},
        {"RockUnitWeightMean", RockUnitWeightMean},
        {"WaterHeightStdDev", WaterHeightStdDev},
    };
    for (const auto& [textName, text] : texts) {
        for (const auto& [fieldName, field] : planeInputs) {
            rows.push_back({"Plane_" + fieldName + "_" + textName, Plane, {{field, text}}});
        }
        for (const auto& [fieldName, field] : sliceInputs) {
            rows.push_back({"Slice_" + fieldName + "_" + textName, Slice, {{field, text}}});
        }
    }

    // Counts at and around the limits, fractions included.
    for (const auto& [name, count] :
         std::vector<std::pair<std::string, std::string>>{{"One", "1"},
                                                          {"JustAboveOne", "1.0000001"},
                                                          {"OnePointTwo", "1.2"},
                                                          {"TwoAndAHalf", "2.5"},
                                                          {"Largest", "9999"},
                                                          {"JustBelowLimit", "9999.9999"},
                                                          {"HalfBelowLimit", "9999.5"},
                                                          {"Limit", "10000"},
                                                          {"Zero", "0"},
                                                          {"Negative", "-3"}}) {
        rows.push_back({"Plane_Count" + name, Plane, {{plane::CalculationCount, count}}});
        rows.push_back({"Slice_Count" + name, Slice, {{circle::CalculationCount, count}}});
    }

    // Deviations of zero and below, angles and heights at the edges.
    rows.push_back({"Plane_AllDeviationsZero",
                    Plane,
                    {{CohesionStdDev, "0"},
                     {FrictionAngleStdDev, "0"},
                     {RockUnitWeightStdDev, "0"},
                     {WaterHeightStdDev, "0"}}});
    rows.push_back({"Plane_NegativeDeviations",
                    Plane,
                    {{CohesionStdDev, "-200"}, {FrictionAngleStdDev, "-50"}}});
    rows.push_back({"Slice_NegativeDeviations",
                    Slice,
                    {{CohesionStdDev, "-200"}, {FrictionAngleStdDev, "-50"}}});
    for (const char* angle : {"0", "90", "180", "-40", "360"}) {
        rows.push_back({std::string("Plane_PlaneAngle") + (angle[0] == '-' ? "Minus" : "") +
                            (angle[0] == '-' ? angle + 1 : angle),
                        Plane,
                        {{plane::DiscontinuityAngle, angle}}});
        rows.push_back({std::string("Plane_FaceAngle") + (angle[0] == '-' ? "Minus" : "") +
                            (angle[0] == '-' ? angle + 1 : angle),
                        Plane,
                        {{plane::SlopeFaceAngle, angle}}});
        rows.push_back({std::string("Slice_FaceAngle") + (angle[0] == '-' ? "Minus" : "") +
                            (angle[0] == '-' ? angle + 1 : angle),
                        Slice,
                        {{circle::SlopeFaceAngle, angle}}});
    }
    rows.push_back({"Plane_ZeroHeight", Plane, {{plane::SlopeHeight, "0"}}});
    rows.push_back({"Plane_NegativeHeight", Plane, {{plane::SlopeHeight, "-20"}}});
    rows.push_back({"Plane_CrackDeeperThanSlope", Plane, {{plane::TensionCrackDepth, "30"}}});
    rows.push_back({"Slice_ZeroHeight", Slice, {{circle::SlopeHeight, "0"}}});
    rows.push_back({"Slice_NegativeHeight", Slice, {{circle::SlopeHeight, "-20"}}});

    // Slice counts and grids that give no slice or no circle.
    for (const auto& [name, count] :
         std::vector<std::pair<std::string, std::string>>{{"Zero", "0"},
                                                          {"Negative", "-3"},
                                                          {"Fraction", "2.5"},
                                                          {"Tiny", "0.0001"},
                                                          {"Huge", "1e6"}}) {
        rows.push_back({"Slice_SliceCount" + name, Slice, {{circle::SliceCount, count}}});
    }
    rows.push_back({"Slice_GridReachingNoCircle",
                    Slice,
                    {{circle::CentreX1, "0"}, {circle::CentreX2, "0"}, {circle::CentreY2, "20"}}});
    rows.push_back(
        {"Slice_GridSwapped", Slice, {{circle::CentreX1, "8"}, {circle::CentreX2, "4"}}});
    rows.push_back({"Slice_OverhangingFace", Slice, {{circle::SlopeFaceAngle, "135"}}});
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Fields, HostileInput, testing::ValuesIn(Rows()),
                         [](const testing::TestParamInfo<HostileRow>& row) {
                             return row.param.name;
                         });

}  // namespace
}  // namespace vardolin::forms
