// SPDX-License-Identifier: MIT
// The plane-failure window: its buttons, what a run through it shows, and how it takes errors.
#include <QLineEdit>
#include <map>

#include "TestSupport.h"
#include "forms/FormTestSupport.h"
#include "forms/HistogramWindow.h"
#include "plane/PlaneFields.h"

namespace vardolin::forms {
namespace {

using namespace plane;
using testing_support::WindowTest;

const QString kExplanation = QStringLiteral("This Software Used in The Limiting Equilibrium");
const QString kTypeMismatch = QStringLiteral("Run-time error '13': Type mismatch");

// Field number -> default text.
const std::map<int, QString> kDefaults = {
    {SlopeHeight, "20"},
    {SlopeFaceAngle, "60"},
    {DiscontinuityAngle, "40"},
    {WaterUnitWeight, "9800"},
    {TensionCrackDepth, "3"},
    {CalculationCount, "500"},
    {CohesionMean, "10000"},
    {CohesionStdDev, "200"},
    {FrictionAngleMean, "30"},
    {FrictionAngleStdDev, "5"},
    {RockUnitWeightMean, "27000"},
    {RockUnitWeightStdDev, "2000"},
    {WaterHeightMean, "2"},
    {WaterHeightStdDev, ".5"},
    {FailureProbability, ""},
    {MeanSafetyFactor, ""},
    {MessageField, ""},
    {ExplanationField, ""},
};

std::map<int, QString> TextsOf(const QWidget& form) {
    std::map<int, QString> texts;
    for (const auto& [number, unused] : kDefaults) {
        auto* field = FindControlAs<QLineEdit>(form, QStringLiteral("Text%1").arg(number));
        texts[number] = field != nullptr ? field->text() : QStringLiteral("<missing>");
    }
    return texts;
}

class VardolinForm : public WindowTest {
protected:
    Vardolin& form() { return navigator().ShowVardolin(); }
};

TEST_F(VardolinForm, OpensWithTheDefaultTextsAndEmptyResults) {
    EXPECT_EQ(TextsOf(form()), kDefaults);
    EXPECT_EQ(Field(form(), 8), nullptr) << "the form has no Text8";
}

TEST_F(VardolinForm, ADefaultRunFromAFreshSequenceShowsTheReferenceFigures) {
    Click(form(), "Command1");
    EXPECT_EQ(Text(form(), FailureProbability), "96.6");
    EXPECT_EQ(Text(form(), MeanSafetyFactor), "0.73889069232438");
    EXPECT_EQ(Text(form(), MessageField), "Block is not Stable");
    EXPECT_EQ(Text(form(), ExplanationField), kExplanation);
    EXPECT_EQ(Text(form(), CalculationCount), "500");
}

TEST_F(VardolinForm, ASecondRunContinuesTheProcessSequence) {
    Click(form(), "Command1");
    Click(form(), "Command1");
    EXPECT_EQ(Text(form(), FailureProbability), "97.4");
    EXPECT_EQ(Text(form(), MeanSafetyFactor), "0.742149641559735");
}

TEST_F(VardolinForm, ResultsAreWrittenWithTheUsersDecimalSeparator) {
    context_.locale.decimalSeparator = ",";
    Type(form(), WaterHeightStdDev, "0,5");
    Click(form(), "Command1");
    EXPECT_EQ(Text(form(), FailureProbability), "96,6");
    EXPECT_EQ(Text(form(), MeanSafetyFactor), "0,73889069232438");
}

TEST_F(VardolinForm, TextTypedIntoTheResultFieldsHasNoEffectOnTheRun) {
    Type(form(), MessageField, "abc");
    Type(form(), MeanSafetyFactor, "x");
    Type(form(), ExplanationField, "1e999");
    Type(form(), FailureProbability, "-");
    Click(form(), "Command1");
    EXPECT_EQ(Text(form(), FailureProbability), "96.6");
    EXPECT_EQ(Text(form(), MeanSafetyFactor), "0.73889069232438");
    EXPECT_EQ(Text(form(), MessageField), "Block is not Stable");
    EXPECT_EQ(Text(form(), ExplanationField), kExplanation);
}

TEST_F(VardolinForm, ClearDataEmptiesEveryFieldAndBringsNoDefaultBack) {
    Click(form(), "Command1");
    Click(form(), "Command4");
    for (const auto& [number, text] : TextsOf(form())) {
        EXPECT_EQ(text, "") << "Text" << number;
    }
    navigator().ShowForm1();
    navigator().ShowVardolin();
    EXPECT_EQ(Text(form(), SlopeHeight), "");
}

TEST_F(VardolinForm, CalculationOnClearedFieldsReportsTypeMismatchAndTheWindowGoesOn) {
    Click(form(), "Command4");
    Click(form(), "Command1");
    EXPECT_EQ(Text(form(), MessageField), kTypeMismatch);
    // The explanation comes before the count is read; nothing after it was written.
    EXPECT_EQ(Text(form(), ExplanationField), kExplanation);
    EXPECT_EQ(Text(form(), FailureProbability), "");
    EXPECT_EQ(Text(form(), MeanSafetyFactor), "");
    EXPECT_EQ(uniforms_.state(), UniformSequence::kInitialState);

    // Typed back in, the defaults give the figures of a first run: the failed run drew nothing.
    for (const auto& [number, text] : kDefaults) {
        Type(form(), number, text);
    }
    Click(form(), "Command1");
    EXPECT_EQ(Text(form(), FailureProbability), "96.6");
    EXPECT_EQ(Text(form(), MessageField), "Block is not Stable");
}

struct FaultRow {
    friend void PrintTo(const FaultRow& row, std::ostream* os) { *os << row.name; }
    const char* name;
    int field;
    const char* text;
    const char* message;
};

class VardolinFault : public VardolinForm, public testing::WithParamInterface<FaultRow> {};

TEST_P(VardolinFault, ShowsTheErrorInTheMessageFieldAndKeepsUnwrittenResults) {
    const FaultRow& row = GetParam();
    Type(form(), FailureProbability, "old percentage");
    Type(form(), MeanSafetyFactor, "old mean");
    Type(form(), row.field, QString::fromUtf8(row.text));
    Click(form(), "Command1");
    EXPECT_EQ(Text(form(), MessageField), QString::fromUtf8(row.message));
    EXPECT_EQ(Text(form(), FailureProbability), "old percentage");
    EXPECT_EQ(Text(form(), MeanSafetyFactor), "old mean");
    EXPECT_EQ(Text(form(), row.field), QString::fromUtf8(row.text));
    EXPECT_TRUE(form().isVisible());
}

INSTANTIATE_TEST_SUITE_P(BadInputs, VardolinFault,
                         testing::Values(FaultRow{"NonNumericCount", CalculationCount,
                                                  "five hundred",
                                                  "Run-time error '13': Type mismatch"},
                                         FaultRow{"DegreeSignInAnAngle", SlopeFaceAngle, "60°",
                                                  "Run-time error '13': Type mismatch"},
                                         FaultRow{"FlatDiscontinuity", DiscontinuityAngle, "0",
                                                  "Run-time error '11': Division by zero"},
                                         FaultRow{"HugeCount", CalculationCount, "1e400",
                                                  "Run-time error '6': Overflow"}),
                         vardolin::testing_support::RowName());

TEST_F(VardolinForm, HistogramOpensItsWindowAndChangesNoTextNorTheSequence) {
    Click(form(), "Command1");
    const auto before = TextsOf(form());
    const auto state = uniforms_.state();
    Click(form(), "Command5");
    Click(form(), "Command5");
    EXPECT_EQ(TextsOf(form()), before);
    EXPECT_EQ(uniforms_.state(), state);
    EXPECT_EQ(OpenWindows<Vardolin>(), 1);
    EXPECT_EQ(OpenWindows<HistogramWindow>(), 1);
}

TEST_F(VardolinForm, TabWalksTheFieldsAndButtonsInTabIndexOrderFromText1) {
    Vardolin& window = form();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const QStringList expected = {
        "Text1",  "Text2",    "Text3",  "Text9",    "Text10", "Text11",   "Text12",   "Text13",
        "Text14", "Text15",   "Text16", "Command2", "Text18", "Text19",   "Command3", "Text4",
        "Text5",  "Command4", "Text6",  "Command1", "Text7",  "Command5", "Text17",   "Text1"};
    QStringList visited;
    for (int step = 0; step < expected.size(); ++step) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        visited << focus->objectName();
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    EXPECT_EQ(visited, expected);
}

}  // namespace
}  // namespace vardolin::forms
