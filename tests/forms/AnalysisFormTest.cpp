// SPDX-License-Identifier: MIT
// The two analysis windows: their defaults, what a run through them shows, Clear Data, the
// typed-in result fields, the focus, and the one uniform sequence they share.
#include <QLineEdit>
#include <map>

#include "TestSupport.h"
#include "fields/FieldTextMap.h"
#include "forms/FormTestSupport.h"
#include "forms/LineEditFields.h"
#include "plane_failure/PlaneAnalysis.h"
#include "slice_method/SliceAnalysis.h"

namespace vardolin::forms {
namespace {

using testing_support::WindowTest;

// What one analysis window shows, field by field (number -> text).
using Texts = std::map<int, QString>;

struct FormCase {
    friend void PrintTo(const FormCase& form, std::ostream* os) { *os << form.name; }
    const char* name;
    QWidget& (*show)(Navigator&);
    Texts defaults;
    int missingField;  // the one number below the highest that the form does not have
    QStringList tabOrder;
    // Fields and texts of a default run from a fresh sequence.
    int failureProbability, meanSafetyFactor, message, explanation;
    Texts firstRun;
};

const FormCase kPlane{
    "PlaneFailure",
    [](Navigator& navigator) -> QWidget& { return navigator.ShowAnalysis(PlaneFailure()); },
    {{1, "20"},
     {2, "60"},
     {3, "40"},
     {18, "9800"},
     {19, "3"},
     {4, "500"},
     {9, "10000"},
     {10, "200"},
     {11, "30"},
     {12, "5"},
     {13, "27000"},
     {14, "2000"},
     {15, "2"},
     {16, ".5"},
     {17, ""},
     {6, ""},
     {5, ""},
     {7, ""}},
    8,
    {"Text1",  "Text2",    "Text3",  "Text9",    "Text10", "Text11",   "Text12",   "Text13",
     "Text14", "Text15",   "Text16", "Command2", "Text18", "Text19",   "Command3", "Text4",
     "Text5",  "Command4", "Text6",  "Command1", "Text7",  "Command5", "Text17",   "Text1"},
    plane::FailureProbability,
    plane::MeanSafetyFactor,
    plane::MessageField,
    plane::ExplanationField,
    {{plane::FailureProbability, "96.6"},
     {plane::MeanSafetyFactor, "0.73889069232438"},
     {plane::MessageField, "Block is not Stable"},
     {plane::ExplanationField, "This Software Used in The Limiting Equilibrium"},
     {plane::CalculationCount, "500"}},
};

const FormCase kSlice{
    "SliceMethod",
    [](Navigator& navigator) -> QWidget& { return navigator.ShowAnalysis(SliceMethod()); },
    {{2, "20"},   {1, "4"},     {3, "8"},    {4, "2"},   {8, "45"}, {19, "10"},    {20, "9800"},
     {21, "500"}, {9, "10000"}, {10, "200"}, {11, "30"}, {12, "5"}, {13, "27000"}, {14, "2000"},
     {15, "2"},   {16, ".5"},   {17, ""},    {6, ""},    {5, ""},   {7, ""}},
    18,
    {"Text16",   "Text15",   "Text14", "Text13", "Text12",   "Text11", "Text10",
     "Text9",    "Command1", "Text17", "Text6",  "Command4", "Text7",  "Text5",
     "Command2", "Command3", "Text2",  "Text19", "Text20",   "Text21", "Command5",
     "Text1",    "Text3",    "Text4",  "Text8",  "Text16"},
    slice_method::FailureProbability,
    slice_method::MeanSafetyFactor,
    slice_method::MessageField,
    slice_method::ExplanationField,
    {{slice_method::FailureProbability, "0"},
     {slice_method::MeanSafetyFactor, "1.32580047310772"},
     {slice_method::MessageField, "Block is Stable"},
     {slice_method::ExplanationField, "This Software Used in The Bishop Method"},
     {slice_method::CalculationCount, "500"}},
};

class AnalysisWindow : public WindowTest, public testing::WithParamInterface<FormCase> {
protected:
    QWidget& form() { return GetParam().show(navigator()); }

    Texts TextsOf(const QWidget& window) const {
        Texts texts;
        for (const auto& [number, unused] : GetParam().defaults) {
            texts[number] = Text(window, number);
        }
        return texts;
    }

    void ExpectFirstRunFigures() {
        for (const auto& [number, text] : GetParam().firstRun) {
            EXPECT_EQ(Text(form(), number), text) << "Text" << number;
        }
    }
};

TEST_P(AnalysisWindow, OpensWithTheDefaultTextsAndEmptyResults) {
    EXPECT_EQ(TextsOf(form()), GetParam().defaults);
    EXPECT_EQ(form().findChildren<QLineEdit*>().size(),
              static_cast<qsizetype>(GetParam().defaults.size()));
    EXPECT_EQ(Field(form(), GetParam().missingField), nullptr);
}

TEST_P(AnalysisWindow, ADefaultRunFromAFreshSequenceShowsTheReferenceFigures) {
    Click(form(), "Command1");
    ExpectFirstRunFigures();
}

TEST_P(AnalysisWindow, TextTypedIntoTheResultFieldsHasNoEffectOnTheRun) {
    const FormCase& c = GetParam();
    Type(form(), c.message, "abc");
    Type(form(), c.meanSafetyFactor, "x");
    Type(form(), c.explanation, "1e999");
    Type(form(), c.failureProbability, "-");
    Click(form(), "Command1");
    ExpectFirstRunFigures();
}

TEST_P(AnalysisWindow, ClearDataEmptiesEveryFieldAndCalculationThenStopsOnTheFirstRead) {
    const FormCase& c = GetParam();
    Click(form(), "Command1");
    Click(form(), "Command4");
    for (const auto& [number, text] : TextsOf(form())) {
        EXPECT_EQ(text, "") << "Text" << number;
    }
    navigator().ShowMainMenu();
    c.show(navigator());  // the same window, no default back
    EXPECT_EQ(Text(form(), 2), "");

    const auto state = uniforms_.state();
    Click(form(), "Command1");
    EXPECT_EQ(Text(form(), c.message), "Run-time error '13': Type mismatch");
    // The explanation comes before the count is read; nothing after it was written or drawn.
    EXPECT_EQ(Text(form(), c.explanation), c.firstRun.at(c.explanation));
    EXPECT_EQ(Text(form(), c.failureProbability), "");
    EXPECT_EQ(Text(form(), c.meanSafetyFactor), "");
    EXPECT_EQ(uniforms_.state(), state);
    EXPECT_TRUE(form().isVisible());
}

TEST_P(AnalysisWindow, FocusStartsAtTheLowestTabIndexAndTabWalksTheOrder) {
    QWidget& window = form();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QStringList visited;
    for (qsizetype step = 0; step < GetParam().tabOrder.size(); ++step) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        visited << focus->objectName();
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    EXPECT_EQ(visited, GetParam().tabOrder);
}

// What every analysis form shows and does, derived from its description alone.
class EachAnalysisForm : public WindowTest,
                         public testing::WithParamInterface<const AnalysisDescription*> {
protected:
    AnalysisForm& form() { return navigator().ShowAnalysis(*GetParam()); }
};

TEST_P(EachAnalysisForm, OpensWithOneFieldPerFactHoldingItsDefault) {
    const AnalysisDescription& analysis = *GetParam();
    EXPECT_EQ(form().findChildren<QLineEdit*>().size(),
              static_cast<qsizetype>(analysis.fields.size()));
    for (const FieldFact& field : analysis.fields) {
        EXPECT_EQ(Text(form(), field.number).toStdString(), field.defaultText) << field.key;
    }
}

TEST_P(EachAnalysisForm, ClearDataEmptiesEveryFieldAndCalculationThenDrawsNothing) {
    const AnalysisDescription& analysis = *GetParam();
    Click(form(), "Command4");
    for (const FieldFact& field : analysis.fields) {
        EXPECT_EQ(Text(form(), field.number), "") << field.key;
    }
    const auto state = uniforms_.state();
    Click(form(), "Command1");
    EXPECT_NE(Text(form(), analysis.fieldWith(FieldRole::Message).number), "");
    EXPECT_EQ(uniforms_.state(), state);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, EachAnalysisForm,
                         testing::ValuesIn(testing_support::TestAnalyses()),
                         testing_support::AnalysisRowName{});

INSTANTIATE_TEST_SUITE_P(BothForms, AnalysisWindow, testing::Values(kPlane, kSlice),
                         [](const testing::TestParamInfo<FormCase>& form) {
                             return std::string(form.param.name);
                         });

TEST_F(WindowTest, ResultsAreWrittenWithTheUsersDecimalSeparator) {
    context_.locale.decimalSeparator = ",";
    QWidget& form = navigator().ShowAnalysis(PlaneFailure());
    Type(form, WaterHeightStdDev, "0,5");
    Click(form, "Command1");
    EXPECT_EQ(Text(form, plane::FailureProbability), "96,6");
    EXPECT_EQ(Text(form, plane::MeanSafetyFactor), "0,73889069232438");
}

// Both windows draw from the process's one sequence: runs through them, in either order, give
// what the same runs through the core give on one sequence of their own.
struct SharedSequenceRow {
    friend void PrintTo(const SharedSequenceRow& row, std::ostream* os) { *os << row.name; }
    const char* name;
    bool planeFirst;
};

class SharedSequence : public WindowTest, public testing::WithParamInterface<SharedSequenceRow> {
protected:
    // The texts of a window's fields, to replay them through the core.
    static FieldTextMap TextsToReplay(const AnalysisForm& window) {
        LineEditFields fields(window);
        FieldTextMap texts;
        for (const FieldFact& field : window.analysis().fields) {
            texts.setText(field.number, fields.text(field.number));
        }
        return texts;
    }
};

TEST_P(SharedSequence, RunsOnBothWindowsContinueOneSequence) {
    AnalysisForm& plane = navigator().ShowAnalysis(PlaneFailure());
    AnalysisForm& slice = navigator().ShowAnalysis(SliceMethod());
    FieldTextMap planeTexts = TextsToReplay(plane);
    FieldTextMap sliceTexts = TextsToReplay(slice);

    UniformSequence replayUniforms;
    KeptTables replayKept;
    AnalysisContext replay{replayUniforms, replayKept, context_.locale};
    if (GetParam().planeFirst) {
        Click(plane, "Command1");
        Click(slice, "Command1");
        RunPlaneAnalysis(planeTexts, replay);
        RunSliceAnalysis(sliceTexts, replay);
    } else {
        Click(slice, "Command1");
        Click(plane, "Command1");
        RunSliceAnalysis(sliceTexts, replay);
        RunPlaneAnalysis(planeTexts, replay);
    }

    EXPECT_EQ(uniforms_.state(), replayUniforms.state());
    EXPECT_EQ(TextsToReplay(plane).texts(), planeTexts.texts());
    EXPECT_EQ(TextsToReplay(slice).texts(), sliceTexts.texts());
}

INSTANTIATE_TEST_SUITE_P(EitherOrder, SharedSequence,
                         testing::Values(SharedSequenceRow{"PlaneThenSlice", true},
                                         SharedSequenceRow{"SliceThenPlane", false}),
                         vardolin::testing_support::RowName());

}  // namespace
}  // namespace vardolin::forms
