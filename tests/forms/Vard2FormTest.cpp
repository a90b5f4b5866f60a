// SPDX-License-Identifier: MIT
// The slice-method window: its defaults, what a run through it shows, Clear Data, the uniform
// sequence it shares with the plane-failure window, and how the focus moves.
#include <QLineEdit>
#include <map>

#include "TestSupport.h"
#include "circle/SliceAnalysis.h"
#include "forms/FormTestSupport.h"
#include "forms/LineEditFields.h"
#include "plane/PlaneAnalysis.h"
#include "shared/FieldTextMap.h"

namespace vardolin::forms {
namespace {

using namespace circle;
using testing_support::WindowTest;

const QString kExplanation = QStringLiteral("This Software Used in The Bishop Method");

// Field number -> default text.
const std::map<int, QString> kDefaults = {
    {SlopeHeight, "20"},
    {CentreX1, "4"},
    {CentreX2, "8"},
    {CentreY2, "2"},
    {SlopeFaceAngle, "45"},
    {SliceCount, "10"},
    {WaterUnitWeight, "9800"},
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

class Vard2Form : public WindowTest {
protected:
    vard2& form() { return navigator().ShowVard2(); }
};

TEST_F(Vard2Form, OpensWithTheDefaultTextsAndEmptyResults) {
    EXPECT_EQ(TextsOf(form()), kDefaults);
    EXPECT_EQ(LineEditFields(form()).fieldNumbers().size(), kDefaults.size());
    EXPECT_EQ(Field(form(), 18), nullptr) << "the form has no Text18";
    EXPECT_EQ(form().windowTitle(), "Method of Slice");
}

TEST_F(Vard2Form, ADefaultRunFromAFreshSequenceShowsTheReferenceFigures) {
    Click(form(), "Command1");
    EXPECT_EQ(Text(form(), FailureProbability), "0");
    EXPECT_EQ(Text(form(), MeanSafetyFactor), "1.292890556667");
    EXPECT_EQ(Text(form(), MessageField), "Block is Stable");
    EXPECT_EQ(Text(form(), ExplanationField), kExplanation);
    EXPECT_EQ(Text(form(), CalculationCount), "500");
}

TEST_F(Vard2Form, ClearDataEmptiesAllTwentyFieldsAndBringsNoDefaultBack) {
    Click(form(), "Command1");
    Click(form(), "Command4");
    for (const auto& [number, text] : TextsOf(form())) {
        EXPECT_EQ(text, "") << "Text" << number;
    }
    navigator().ShowForm1();
    navigator().ShowVard2();
    EXPECT_EQ(Text(form(), SlopeHeight), "");
    EXPECT_EQ(Text(form(), WaterHeightStdDev), "");
}

TEST_F(Vard2Form, CalculationOnClearedFieldsReportsTypeMismatchAndTheWindowGoesOn) {
    Click(form(), "Command4");
    Click(form(), "Command1");
    EXPECT_EQ(Text(form(), MessageField), "Run-time error '13': Type mismatch");
    // The explanation comes before the count is read; nothing after it was written.
    EXPECT_EQ(Text(form(), ExplanationField), kExplanation);
    EXPECT_EQ(Text(form(), FailureProbability), "");
    EXPECT_EQ(Text(form(), MeanSafetyFactor), "");
    EXPECT_EQ(uniforms_.state(), UniformSequence::kInitialState);
    EXPECT_TRUE(form().isVisible());

    // Typed back in, the defaults give the figures of a first run: the failed run drew nothing.
    for (const auto& [number, text] : kDefaults) {
        Type(form(), number, text);
    }
    Click(form(), "Command1");
    EXPECT_EQ(Text(form(), MeanSafetyFactor), "1.292890556667");
    EXPECT_EQ(Text(form(), MessageField), "Block is Stable");
}

// Both windows draw from the process's one sequence: runs through them, in either order, give
// what the same runs through the core give on one sequence of their own.
struct SharedSequenceRow {
    friend void PrintTo(const SharedSequenceRow& row, std::ostream* os) { *os << row.name; }
    const char* name;
    bool planeFirst;
};

class SharedSequence : public Vard2Form, public testing::WithParamInterface<SharedSequenceRow> {
protected:
    // The texts of a window's fields, to replay them through the core.
    static FieldTextMap TextsToReplay(const QWidget& window) {
        LineEditFields fields(window);
        FieldTextMap texts;
        for (const int number : fields.fieldNumbers()) {
            texts.setText(number, fields.text(number));
        }
        return texts;
    }
};

TEST_P(SharedSequence, RunsOnBothWindowsContinueOneSequence) {
    Vardolin& plane = navigator().ShowVardolin();
    vard2& slice = form();
    FieldTextMap planeTexts = TextsToReplay(plane);
    FieldTextMap sliceTexts = TextsToReplay(slice);

    UniformSequence replayUniforms;
    MainModule replayModule;
    AnalysisContext replay{replayUniforms, replayModule, context_.locale};
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

TEST_F(Vard2Form, FocusStartsInText16AndTabWalksTheFieldsAndButtonsInTabIndexOrder) {
    vard2& window = form();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const QStringList expected = {"Text16", "Text15", "Text14",   "Text13",   "Text12", "Text11",
                                  "Text10", "Text9",  "Command1", "Text17",   "Text6",  "Command4",
                                  "Text7",  "Text5",  "Command2", "Command3", "Text2",  "Text19",
                                  "Text20", "Text21", "Command5", "Text1",    "Text3",  "Text4",
                                  "Text8",  "Text16"};
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
