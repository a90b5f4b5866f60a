// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <fstream>
#include <sstream>

#include "FormTestSupport.h"
#include "TestFolder.h"
#include "analysis/FieldRun.h"
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

}  // namespace
}  // namespace vardolin::forms
