// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <array>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "FormTestSupport.h"
#include "TestFolder.h"
#include "analysis/FieldRun.h"
#include "critical_circle/CriticalCircleDescription.h"
#include "forms/ModelFileActions.h"
#include "forms/SamplingActions.h"
#include "forms/SamplingDialog.h"

namespace vardolin::forms {
namespace {

using testing_support::WindowTest;

class SamplingWindow : public WindowTest {
protected:
    // Opens the form's dialog from its menu, as a user would.
    static SamplingDialog* OpenDialog(AnalysisForm& form) {
        auto* action = form.findChild<QAction*>(QStringLiteral("SamplingAction"));
        if (action == nullptr) {
            return nullptr;
        }
        action->trigger();
        return form.findChild<SamplingDialog*>(QStringLiteral("SamplingDialog"));
    }

    template <typename Control>
    static Control* Find(const SamplingDialog& dialog, const char* name) {
        return dialog.findChild<Control*>(QString::fromLatin1(name));
    }
};

TEST_F(SamplingWindow, OkTakesTheChoicesShownOrSaysWhyNotAndTheSliceFormOffersTheSeedOnly) {
    AnalysisForm& plane = navigator().ShowAnalysis(PlaneFailure());
    SamplingDialog* dialog = OpenDialog(plane);
    ASSERT_NE(dialog, nullptr);
    Find<QComboBox>(*dialog, "SamplingMethodBox")->setCurrentIndex(1);
    Find<QComboBox>(*dialog, "cohesionDistributionBox")->setCurrentText("lognormal");
    Find<QLineEdit>(*dialog, "water_heightLowerEdit")->setText("0");
    Find<QLineEdit>(*dialog, "CorrelationEdit")->setText("-0.25");
    Find<QLineEdit>(*dialog, "SeedEdit")->setText("4242");
    Find<QLineEdit>(*dialog, "water_heightUpperEdit")->setText("-1");
    dialog->accept();  // refused: the dialog stays and says why
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(Find<QLabel>(*dialog, "SamplingErrorLabel")->text().contains("is not below"));
    EXPECT_TRUE(plane.sampling().choices().isDefault());
    Find<QLineEdit>(*dialog, "water_heightUpperEdit")->clear();
    dialog->accept();

    SamplingChoices expected;
    expected.method = SamplingMethod::LatinHypercube;
    expected.correlation = -0.25;
    expected.seed = 4242;
    expected.Set("cohesion", {DistributionKind::Lognormal, std::nullopt, std::nullopt});
    expected.Set("water_height", {DistributionKind::Normal, 0.0, std::nullopt});
    EXPECT_EQ(plane.sampling().choices(), expected);

    SamplingDialog* slice = OpenDialog(navigator().ShowAnalysis(SliceMethod()));
    ASSERT_NE(slice, nullptr);
    EXPECT_NE(Find<QLineEdit>(*slice, "SeedEdit"), nullptr);
    EXPECT_EQ(Find<QComboBox>(*slice, "SamplingMethodBox"), nullptr);
    EXPECT_EQ(Find<QComboBox>(*slice, "cohesionDistributionBox"), nullptr);
}

// A seeded form gives the same figures at every click, as a run of its saved file does, and the
// file brings the choices back into a fresh form.
TEST_F(SamplingWindow, ASeededFormRepeatsItsFiguresAndItsFileKeepsTheChoices) {
    AnalysisForm& form = navigator().ShowAnalysis(PlaneFailure());
    SamplingChoices choices;
    choices.seed = 99;
    choices.Set("friction_angle", {DistributionKind::Triangular, std::nullopt, 34.0});
    form.sampling().SetChoices(choices);
    Click(form, "Command1");
    const QString first = Text(form, plane::MeanSafetyFactor);
    Click(form, "Command1");
    EXPECT_EQ(Text(form, plane::MeanSafetyFactor), first);

    UniformSequence uniforms;
    KeptTables kept;
    AnalysisContext context{uniforms, kept, {"."}};
    context.sampling = choices;
    FieldTextMap typed = DefaultTexts(PlaneFailure());
    RunOnFields(PlaneFailure(), typed, context);
    EXPECT_EQ(first.toStdString(), typed.text(plane::MeanSafetyFactor));

    const vardolin::testing_support::TestFolder folder;
    const QString path = QString::fromStdString((folder.path() / "seeded.vardolin").string());
    ASSERT_TRUE(form.files().SaveTo(path));
    form.close();
    DeletePending();
    AnalysisForm& reopened = navigator().ShowAnalysis(PlaneFailure());
    ASSERT_TRUE(reopened.files().OpenFile(path));
    EXPECT_EQ(reopened.sampling().choices(), choices);
}

// Choices other than the defaults are named under the client area, and a click there opens the
// dialog; with the defaults nothing is shown.
TEST_F(SamplingWindow, ALineNamesTheChoicesOtherThanTheDefaultsAndOpensTheDialog) {
    AnalysisForm& form = navigator().ShowAnalysis(PlaneFailure());
    auto* line = form.findChild<QPushButton*>(QStringLiteral("SamplingLine"));
    ASSERT_NE(line, nullptr);
    EXPECT_FALSE(line->isVisible());
    const QSize size = form.size();
    SamplingChoices choices;
    choices.method = SamplingMethod::LatinHypercube;
    choices.seed = 4242;
    choices.Set("cohesion", {DistributionKind::Normal, 0.0, std::nullopt});
    form.sampling().SetChoices(choices);
    EXPECT_TRUE(line->isVisible());
    EXPECT_EQ(form.childAt(line->mapTo(&form, line->rect().center())), line);
    EXPECT_EQ(line->text(),
              QStringLiteral("Sampling: seed 4242, method latin_hypercube, cohesion.lower 0"));
    QTest::mouseClick(line, Qt::LeftButton);
    auto* dialog = form.findChild<SamplingDialog*>(QStringLiteral("SamplingDialog"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    Find<QComboBox>(*dialog, "SamplingMethodBox")->setCurrentIndex(0);
    Find<QLineEdit>(*dialog, "SeedEdit")->clear();
    Find<QLineEdit>(*dialog, "cohesionLowerEdit")->clear();
    dialog->accept();
    EXPECT_FALSE(line->isVisible());
    EXPECT_EQ(form.size(), size) << "the form looks as it did";
}

// The choices are the model's as much as its inputs: changing them asks the save question, and
// the results exported list those of the run that gave them.
TEST_F(SamplingWindow, ChangedChoicesMarkTheModelChangedAndTheExportListsThoseOfTheRun) {
    AnalysisForm& form = navigator().ShowAnalysis(PlaneFailure());
    const vardolin::testing_support::TestFolder folder;
    const QString path = QString::fromStdString((folder.path() / "m.vardolin").string());
    ASSERT_TRUE(form.files().SaveTo(path));
    EXPECT_FALSE(form.files().hasUnsavedChanges());
    SamplingChoices seeded;
    seeded.seed = 99;
    form.sampling().SetChoices(seeded);
    EXPECT_TRUE(form.files().hasUnsavedChanges());
    form.sampling().SetChoices({});
    EXPECT_FALSE(form.files().hasUnsavedChanges());

    form.sampling().SetChoices(seeded);
    Click(form, "Command1");
    form.sampling().SetChoices({});
    const QString csv = QString::fromStdString((folder.path() / "r.csv").string());
    ASSERT_TRUE(form.files().ExportResultsTo(csv));
    std::stringstream text;
    text << std::ifstream((folder.path() / "r.csv").string()).rdbuf();
    EXPECT_NE(text.str().find("\r\nsampling.seed,99\r\nsampling.method,monte_carlo\r\n"),
              std::string::npos)
        << text.str();
}

// A form that offers several pairs correlates the one chosen, and shows it when opened again.
TEST_F(SamplingWindow, TheCircleFormCorrelatesAnyPairItOffers) {
    AnalysisForm& form = navigator().ShowAnalysis(CriticalCircle());
    SamplingDialog* dialog = OpenDialog(form);
    ASSERT_NE(dialog, nullptr);
    auto* pair = Find<QComboBox>(*dialog, "CorrelatedPairBox");
    ASSERT_NE(pair, nullptr);
    ASSERT_EQ(pair->count(), 2);
    EXPECT_EQ(pair->itemText(1), QStringLiteral("Unit weight of soil – Pore-pressure ratio ru"));
    pair->setCurrentIndex(1);
    Find<QLineEdit>(*dialog, "CorrelationEdit")->setText("0.4");
    dialog->accept();

    SamplingChoices expected;
    expected.correlation = 0.4;
    expected.correlatedFirst = "unit_weight";
    expected.correlatedSecond = "pore_ratio";
    EXPECT_EQ(form.sampling().choices(), expected);
    SamplingDialog* again = OpenDialog(form);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(Find<QComboBox>(*again, "CorrelatedPairBox")->currentIndex(), 1);
}

// The longest list of parameters an analysis may have: one row each in a table that scrolls,
// so that the dialog stays the size of a few rows.
TEST_F(SamplingWindow, HoldsAnyNumberOfParametersInATableThatScrolls) {
    std::vector<std::string> keys;
    for (std::size_t k = 0; k < kMaxUncertainInputs; ++k) {
        keys.push_back("p" + std::to_string(k));
    }
    std::vector<UncertainInput> inputs;
    for (std::size_t k = 0; k < kMaxUncertainInputs; ++k) {
        inputs.push_back({keys[k], keys[k], "m", 0, 0, {}, {}});
    }
    const std::array<ParameterPair, 2> pairs{{{"p0", "p1"}, {"p40", "p63"}}};
    AnalysisDescription many = PlaneFailure();
    many.uncertainInputs = inputs;
    many.correlatedPairs = pairs;
    SamplingDialog dialog(many, DefaultTexts(many), SamplingChoices{});
    dialog.show();
    auto* table = Find<QScrollArea>(dialog, "ParameterTable");
    ASSERT_NE(table, nullptr);
    EXPECT_LT(dialog.height(), 700);
    EXPECT_GT(table->widget()->height(), table->viewport()->height()) << "it scrolls";
    Find<QLineEdit>(dialog, "p63LowerEdit")->setText("1.5");
    Find<QComboBox>(dialog, "CorrelatedPairBox")->setCurrentIndex(1);
    Find<QLineEdit>(dialog, "CorrelationEdit")->setText("-0.5");
    const std::optional<SamplingChoices> shown = dialog.ChoicesShown();
    ASSERT_TRUE(shown.has_value()) << dialog.why().toStdString();
    EXPECT_EQ(shown->of("p63").lower, 1.5);
    EXPECT_EQ(shown->correlatedFirst, "p40");
    EXPECT_EQ(shown->correlatedSecond, "p63");
    EXPECT_EQ(shown->correlation, -0.5);
}

}  // namespace
}  // namespace vardolin::forms
