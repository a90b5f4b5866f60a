// SPDX-License-Identifier: MIT
// Whatever is typed into the fields, the window shows exactly what the core's run gives for the
// same texts, and the next valid run gives the right figures.
#include <QLineEdit>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "fields/FieldTextMap.h"
#include "forms/FormTestSupport.h"
#include "forms/LineEditFields.h"
#include "numerics/RunTimeError.h"
#include "plane_failure/PlaneAnalysis.h"
#include "plane_failure/PlaneFields.h"
#include "slice_method/SliceAnalysis.h"
#include "slice_method/SliceFields.h"
#include "slice_method/SliceMethodDescription.h"

namespace vardolin::forms {
namespace {

using testing_support::TestAnalyses;
using testing_support::TestCatalogue;
using testing_support::WindowTest;

struct HostileRow {
    std::string name;
    const AnalysisDescription* analysis;
    std::vector<std::pair<int, std::string>> edits;  // field number, text typed into it
};

void PrintTo(const HostileRow& row, std::ostream* os) {
    *os << row.name;
}

// Every field of the analysis's form.
FieldTextMap TextsOf(const AnalysisDescription& analysis, const QWidget& form) {
    FieldTextMap texts;
    for (const FieldFact& field : analysis.fields) {
        // Every digit a run wrote, not the rounded figure a field may show.
        if (FindControlAs<QLineEdit>(form, QStringLiteral("Text%1").arg(field.number)) != nullptr) {
            texts.setText(field.number, LineEditFields(form).text(field.number));
        }
    }
    return texts;
}

int MessageFieldOf(const AnalysisDescription& analysis) {
    return analysis.fieldWith(FieldRole::Message).number;
}

// The core's run on the same texts, reporting an error in the message field as the window does.
void RunCore(const AnalysisDescription& analysis, FieldTextMap& texts, AnalysisContext& context) {
    try {
        analysis.run(texts, context);
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
    // The checks' messages, which every analysis lists with its own.
    for (const AnalysisDescription* analysis : TestCatalogue()) {
        if (analysis->IsMessage(message)) {
            return true;
        }
    }
    return std::find(kMessages.begin(), kMessages.end(), message) != kMessages.end();
}

class HostileInput : public WindowTest, public testing::WithParamInterface<HostileRow> {
protected:
    QWidget& Form(const AnalysisDescription& analysis) {
        return navigator().ShowAnalysis(analysis);
    }

    static void TypeAll(QWidget& form, const FieldTextMap& texts) {
        for (const auto& [number, text] : texts.texts()) {
            Type(form, number, QString::fromStdString(text));
        }
    }

    // A second sequence and set of tables that the core runs on, step for step with the window's.
    UniformSequence twinUniforms_;
    KeptTables twinKept_;
    AnalysisContext twin_{twinUniforms_, twinKept_, {"."}};
};

TEST_P(HostileInput, EndsWithAnOutcomeOfTheProgramAndTheNextRunIsRight) {
    const HostileRow& row = GetParam();
    const AnalysisDescription& analysis = *row.analysis;
    const int message = MessageFieldOf(analysis);
    QWidget& form = Form(analysis);
    const FieldTextMap defaults = TextsOf(analysis, form);

    for (const auto& [number, text] : row.edits) {
        Type(form, number, QString::fromStdString(text));
    }
    FieldTextMap expected = TextsOf(analysis, form);
    Click(form, "Command1");
    RunCore(analysis, expected, twin_);

    const FieldTextMap shown = TextsOf(analysis, form);
    EXPECT_TRUE(IsAnOutcomeOfTheProgram(shown.text(message))) << shown.text(message);
    EXPECT_EQ(shown.texts(), expected.texts());
    EXPECT_EQ(uniforms_.state(), twinUniforms_.state());

    TypeAll(form, defaults);
    FieldTextMap valid = defaults;
    Click(form, "Command1");
    RunCore(analysis, valid, twin_);
    EXPECT_EQ(TextsOf(analysis, form).texts(), valid.texts());
    // The defaults end in a verdict of the analysis, not in an error.
    EXPECT_TRUE(IsAnOutcomeOfTheProgram(valid.text(message))) << valid.text(message);
    EXPECT_EQ(valid.text(message).find("Run-time error"), std::string::npos);
}

// A few rows of each kind of ending on the two specified forms, then, for every analysis of
// the catalogue, its count left empty and a word in its first other input; the core's own suite
// runs every field with every text.
std::vector<HostileRow> Rows() {
    const AnalysisDescription* Plane = &PlaneFailure();
    const AnalysisDescription* Slice = &SliceMethod();
    std::vector<HostileRow> rows = {
        {"Plane_EmptyCount", Plane, {{plane::CalculationCount, ""}}},
        {"Plane_HeightBeyondDoubleRange", Plane, {{plane::SlopeHeight, "1e309"}}},
        {"Plane_WordAsCohesion", Plane, {{CohesionMean, "abc"}}},
        {"Plane_FlatSlidingPlane", Plane, {{plane::DiscontinuityAngle, "0"}}},
        {"Plane_CountLimit", Plane, {{plane::CalculationCount, "10000"}}},
        {"Slice_HugeSliceCount", Slice, {{slice_method::SliceCount, "1e6"}}},
        {"Slice_NotANumberAsDeviation", Slice, {{WaterHeightStdDev, "NaN"}}},
        {"Slice_OverhangingFace", Slice, {{slice_method::SlopeFaceAngle, "135"}}},
        {"Slice_GridReachingNoCircle",
         Slice,
         {{slice_method::CentreX1, "0"},
          {slice_method::CentreX2, "0"},
          {slice_method::CentreY2, "20"}}},
    };
    for (const AnalysisDescription* analysis : TestAnalyses()) {
        const std::string form = analysis->formName;
        rows.push_back(
            {form + "_EmptyCount", analysis, {{analysis->fieldWith(FieldRole::Count).number, ""}}});
        for (const FieldFact& field : analysis->fields) {
            if (field.isInput() && field.role != FieldRole::Count) {
                rows.push_back({form + "_WordIn_" + std::string(field.key),
                                analysis,
                                {{field.number, "abc"}}});
                break;
            }
        }
    }
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Endings, HostileInput, testing::ValuesIn(Rows()),
                         [](const testing::TestParamInfo<HostileRow>& row) {
                             return row.param.name;
                         });

}  // namespace
}  // namespace vardolin::forms
