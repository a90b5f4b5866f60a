// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QKeySequence>
#include <QMenuBar>
#include <fstream>
#include <map>
#include <sstream>

#include "FormTestSupport.h"
#include "TestFolder.h"
#include "TestSupport.h"
#include "files/ModelReader.h"
#include "forms/LineEditFields.h"
#include "forms/ModelFileActions.h"
#include "runner/BatchRun.h"

namespace vardolin::forms {
namespace {

using testing_support::AnalysisFormCase;
using testing_support::WindowTest;

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class ModelFileWindow : public WindowTest {
protected:
    AnalysisForm& PlaneForm() { return navigator().ShowAnalysis(PlaneFailure()); }
    AnalysisForm& SliceForm() { return navigator().ShowAnalysis(SliceMethod()); }

    QString PathOf(const char* name) const {
        return QString::fromStdString((folder_.path() / name).string());
    }

    // Every field's text, to show that a refused file changed none.
    static std::map<int, std::string> Texts(const AnalysisForm& form) {
        const LineEditFields fields(form);
        std::map<int, std::string> texts;
        for (const FieldFact& field : form.analysis().fields) {
            texts[field.number] = fields.text(field.number);
        }
        return texts;
    }

    QString Write(const char* name, const std::string& text) const {
        std::ofstream(PathOf(name).toStdString(), std::ios::binary) << text;
        return PathOf(name);
    }

    vardolin::testing_support::TestFolder folder_;
};

TEST_F(ModelFileWindow, MenuSitsAboveTheClientAreaWithTheStandardShortcuts) {
    AnalysisForm& form = PlaneForm();
    EXPECT_EQ(form.windowTitle(), "Limiting Equilibrium");
    EXPECT_EQ(form.clientArea().size(), QSize(805, 696));
    EXPECT_GE(form.clientArea().y(), form.menuBar()->height());
    const auto shortcut = [&form](const char* action) {
        return form.findChild<QAction*>(QString::fromLatin1(action))->shortcut();
    };
    EXPECT_EQ(shortcut("OpenAction"), QKeySequence(QKeySequence::Open));
    EXPECT_EQ(shortcut("SaveAction"), QKeySequence(QKeySequence::Save));
    EXPECT_EQ(shortcut("SaveAsAction"), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    ASSERT_NE(form.findChild<QAction*>(QStringLiteral("ExportAction")), nullptr);
}

// Typed, saved, reopened in a freshly started program and calculated: the same texts as typing
// the inputs there, and as vardolin-run on the file.
TEST_F(ModelFileWindow, SavedReopenedAndRunGivesTheTextsOfTypingTheInputs) {
    AnalysisForm& typed = SliceForm();
    Type(typed, slice_method::SlopeHeight, "22");
    Type(typed, WaterHeightMean, "3.5");
    Type(typed, slice_method::CalculationCount, "40");
    dialogs_.fileNames = {PathOf("slope")};
    ASSERT_TRUE(typed.files().SaveAs());
    EXPECT_EQ(typed.files().filePath(), PathOf("slope.vardolin"));
    Click(typed, "Command1");
    const std::map<int, std::string> byTyping = Texts(typed);

    navigator_.reset();  // a freshly started program
    UniformSequence uniforms;
    KeptTables kept;
    AnalysisContext context{uniforms, kept, {"."}};
    Navigator fresh(context, catalogue_, windows_, dialogs_);
    AnalysisForm& reopened = fresh.ShowAnalysis(SliceMethod());
    ASSERT_TRUE(reopened.files().OpenFile(PathOf("slope.vardolin")));
    FindControlAs<QPushButton>(reopened, QStringLiteral("Command1"))->click();
    while (fresh.runInFlight()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    EXPECT_EQ(Texts(reopened), byTyping);

    std::ostringstream out;
    std::ostringstream err;
    runner::RunBatch(runner::ParseArguments({PathOf("slope.vardolin").toStdString()}), catalogue_,
                     out, err, 1, {});
    EXPECT_EQ(out.str(), PathOf("slope.vardolin").toStdString() + "\t" +
                             byTyping.at(slice_method::FailureProbability) + "\t" +
                             byTyping.at(slice_method::MeanSafetyFactor) + "\t" +
                             byTyping.at(slice_method::MessageField) + "\n");
}

TEST_F(ModelFileWindow, OpeningFillsTheInputsEmptiesTheResultsAndTakesNoUniformValue) {
    AnalysisForm& form = PlaneForm();
    Click(form, "Command1");
    ASSERT_EQ(Text(form, plane::FailureProbability), "96.6");
    const std::uint32_t state = uniforms_.state();
    const QString file = Write("steep.vardolin", R"({"format_version": 1,
        "analysis": "plane_failure", "inputs": {"slope_height": "30", "slope_face_angle": "70",
        "discontinuity_angle": "4O", "trial_count": "200", "cohesion_mean": "0",
        "cohesion_sd": "0", "friction_angle_mean": "35", "friction_angle_sd": "2",
        "rock_unit_weight_mean": "26000", "rock_unit_weight_sd": "0", "water_height_mean": "0",
        "water_height_sd": "0", "water_unit_weight": "9810", "tension_crack_depth": ""}})");
    ASSERT_TRUE(form.files().OpenFile(file));
    EXPECT_EQ(uniforms_.state(), state);
    EXPECT_EQ(Text(form, plane::DiscontinuityAngle), "4O");
    EXPECT_EQ(Text(form, plane::TensionCrackDepth), "");
    EXPECT_EQ(Text(form, plane::WaterUnitWeight), "9810");
    for (const int result : {plane::FailureProbability, plane::MeanSafetyFactor,
                             plane::MessageField, plane::ExplanationField}) {
        EXPECT_EQ(Text(form, result), "") << result;
    }
    EXPECT_TRUE(dialogs_.notes.isEmpty());
    EXPECT_FALSE(form.files().hasUnsavedChanges());
}

TEST_F(ModelFileWindow, AMissingInputTakesTheDefaultAndTheFormSaysSo) {
    AnalysisForm& form = PlaneForm();
    Type(form, plane::TensionCrackDepth, "5");
    const QString file = Write("short.vardolin", R"({"format_version": 1,
        "analysis": "plane_failure", "inputs": {"slope_height": "25"}})");
    ASSERT_TRUE(form.files().OpenFile(file));
    EXPECT_EQ(Text(form, plane::SlopeHeight), "25");
    EXPECT_EQ(Text(form, plane::TensionCrackDepth), "3");
    ASSERT_EQ(dialogs_.notes.size(), 1);
    EXPECT_TRUE(dialogs_.notes[0].contains(file + ": no \"tension_crack_depth\"; the form's "
                                                  "default \"3\" is taken"));
}

struct BadFileRow {
    const char* name;
    std::string text;     // the file's contents; empty: no file at all
    const char* message;  // what the message says after the file's path
};

class BadFileInTheWindow : public ModelFileWindow,
                           public testing::WithParamInterface<BadFileRow> {};

TEST_P(BadFileInTheWindow, GivesItsMessageAndLeavesTheFormAsItWas) {
    AnalysisForm& form = PlaneForm();
    Type(form, plane::SlopeHeight, "abc");
    Click(form, "Command1");
    const std::map<int, std::string> before = Texts(form);
    const std::uint32_t state = uniforms_.state();
    const QString file =
        GetParam().text.empty() ? PathOf("none.vardolin") : Write("bad.vardolin", GetParam().text);
    EXPECT_FALSE(form.files().OpenFile(file));
    ASSERT_EQ(dialogs_.errors.size(), 1);
    EXPECT_EQ(dialogs_.errors[0], file + QString::fromUtf8(GetParam().message));
    EXPECT_EQ(Texts(form), before);
    EXPECT_EQ(uniforms_.state(), state);
    EXPECT_EQ(form.files().filePath(), "");
}

const std::string kSliceModel =
    R"({"format_version": 1, "analysis": "slice_method", "inputs": {"grid_x1": "1"}})";

INSTANTIATE_TEST_SUITE_P(
    Rows, BadFileInTheWindow,
    testing::Values(
        BadFileRow{"NoFile", "", ": cannot be opened (No such file or directory)"},
        BadFileRow{"NotJson", "slope height 20\n",
                   ": not a model file: no valid JSON at line 1, column 1; syntax error while "
                   "parsing value - invalid literal"},
        BadFileRow{"OtherAnalysis", kSliceModel,
                   ": a model of \"Method of Slice\", which this form does not calculate"},
        BadFileRow{"LaterFormat",
                   R"({"format_version": 7, "analysis": "plane_failure", "inputs": {}})",
                   ": written in model format 7 by a later version of the program; this one "
                   "reads format 3"},
        BadFileRow{
            "UnknownKey",
            R"({"format_version": 1, "analysis": "plane_failure", "inputs": {"slope_height": "1", "heigth": "2"}})",
            ": \"inputs\" has the unknown key \"heigth\""},
        BadFileRow{
            "AbsurdText",
            R"({"format_version": 1, "analysis": "plane_failure", "inputs": {"slope_height": ")" +
                std::string(5000, '1') + "\"}}",
            ": \"inputs.slope_height\" is longer than 1000 characters"},
        BadFileRow{"OverTheSizeLimit", std::string(kMaxModelFileBytes + 1, ' '),
                   ": larger than 32 MB, which no model file is"}),
    vardolin::testing_support::RowName());

TEST_F(ModelFileWindow, AFormThatNeverTouchedAFileClosesWithoutAQuestion) {
    AnalysisForm& form = PlaneForm();
    Type(form, plane::SlopeHeight, "21");
    EXPECT_TRUE(form.close());
    EXPECT_TRUE(dialogs_.questions.isEmpty());
}

struct CloseRow {
    const char* name;
    FileDialogs::UnsavedAnswer answer;
    bool closes;
    const char* savedHeight;  // the slope height in the file afterwards
};

class ClosingChangedForm : public ModelFileWindow, public testing::WithParamInterface<CloseRow> {};

TEST_P(ClosingChangedForm, AsksWhetherToSaveAndDoesAsAnswered) {
    AnalysisForm& form = PlaneForm();
    dialogs_.fileNames = {PathOf("slope.vardolin")};
    ASSERT_TRUE(form.files().Save());  // never saved: Save asks for a name
    EXPECT_TRUE(form.close());         // nothing changed since: no question
    AnalysisForm& again = PlaneForm();
    ASSERT_TRUE(again.files().OpenFile(PathOf("slope.vardolin")));
    Type(again, plane::SlopeHeight, "21");
    dialogs_.unsavedAnswers = {GetParam().answer};
    EXPECT_EQ(again.close(), GetParam().closes);
    EXPECT_EQ(dialogs_.questions.size(), 1);
    EXPECT_EQ(ReadModelFile(PathOf("slope.vardolin").toStdString(), catalogue_)
                  .model.inputs.at("slope_height"),
              GetParam().savedHeight);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ClosingChangedForm,
    testing::Values(CloseRow{"Save", FileDialogs::UnsavedAnswer::Save, true, "21"},
                    CloseRow{"Discard", FileDialogs::UnsavedAnswer::Discard, true, "20"},
                    CloseRow{"Cancel", FileDialogs::UnsavedAnswer::Cancel, false, "20"}),
    vardolin::testing_support::RowName());

// The file alone reproduces the run: vardolin-run from the saved state prints what the form
// showed. A run whose inputs were edited afterwards is not saved with them.
TEST_F(ModelFileWindow, SaveKeepsTheLastRunWithTheStateItStartedFrom) {
    AnalysisForm& plane = PlaneForm();
    Click(plane, "Command1");
    AnalysisForm& slice = SliceForm();
    Type(slice, slice_method::CalculationCount, "30");
    Click(slice, "Command1");
    dialogs_.fileNames = {PathOf("run.vardolin")};
    ASSERT_TRUE(slice.files().SaveAs());

    const Model saved = ReadModelFile(PathOf("run.vardolin").toStdString(), catalogue_).model;
    ASSERT_TRUE(saved.lastRun.has_value());
    EXPECT_EQ(saved.lastRun->results.at("mean_safety_factor"),
              Text(slice, slice_method::MeanSafetyFactor).toStdString());
    EXPECT_EQ(saved.lastRun->trialFactors.size(), 30u);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runner::RunBatch(runner::ParseArguments(
                                   {"--from-saved-state", PathOf("run.vardolin").toStdString()}),
                               catalogue_, out, err, 2, {}),
              runner::kResults);
    EXPECT_EQ(out.str(), PathOf("run.vardolin").toStdString() + "\t" +
                             Text(slice, slice_method::FailureProbability).toStdString() + "\t" +
                             Text(slice, slice_method::MeanSafetyFactor).toStdString() + "\t" +
                             Text(slice, slice_method::MessageField).toStdString() + "\n");

    Type(slice, slice_method::SlopeHeight, "19");
    ASSERT_TRUE(slice.files().Save());
    EXPECT_FALSE(
        ReadModelFile(PathOf("run.vardolin").toStdString(), catalogue_).model.lastRun.has_value());
}

TEST_F(ModelFileWindow, AFailedSaveSaysWhyAndKeepsTheFileAndItsName) {
    AnalysisForm& form = PlaneForm();
    dialogs_.fileNames = {PathOf("good.vardolin")};
    ASSERT_TRUE(form.files().SaveAs());
    const std::string good = Contents(PathOf("good.vardolin").toStdString());
    Type(form, plane::SlopeHeight, "21");
    EXPECT_FALSE(form.files().SaveTo(PathOf("none/slope.vardolin")));
    ASSERT_EQ(dialogs_.errors.size(), 1);
    EXPECT_EQ(dialogs_.errors[0],
              PathOf("none/slope.vardolin") + ": cannot be saved (No such file or directory)");
    EXPECT_EQ(form.files().filePath(), PathOf("good.vardolin"));
    EXPECT_EQ(Contents(PathOf("good.vardolin").toStdString()), good);
    EXPECT_TRUE(form.files().hasUnsavedChanges());
}

TEST_F(ModelFileWindow, ExportWritesOneRowPerTrialUnderTheInputsAndResults) {
    AnalysisForm& form = PlaneForm();
    EXPECT_FALSE(form.files().ExportResultsTo(PathOf("early.csv")));
    EXPECT_EQ(dialogs_.errors.size(), 1);
    EXPECT_FALSE(QFile::exists(PathOf("early.csv")));

    Click(form, "Command1");
    dialogs_.fileNames = {PathOf("results")};
    ASSERT_TRUE(form.files().ExportResults());
    EXPECT_EQ(dialogs_.filters.last(), "Comma-separated values (*.csv)");
    const std::string csv = Contents(PathOf("results.csv").toStdString());
    EXPECT_TRUE(csv.starts_with("analysis,plane_failure\r\nslope_height,20\r\n"));
    EXPECT_NE(csv.find("failure_probability,96.6\r\n"), std::string::npos);
    EXPECT_NE(csv.find("mean_safety_factor,0.73889069232438\r\n"), std::string::npos);
    EXPECT_NE(csv.find("message,Block is not Stable\r\n"), std::string::npos);
    EXPECT_NE(csv.find("\r\n500,"), std::string::npos);
    EXPECT_EQ(csv.find("\r\n501,"), std::string::npos);

    // A run that stopped leaves results of an earlier run beside it: nothing to export.
    Type(form, plane::SlopeHeight, "x");
    Click(form, "Command1");
    EXPECT_FALSE(form.files().ExportResultsTo(PathOf("stale.csv")));
    EXPECT_EQ(dialogs_.errors.size(), 2);
}

// Results belong to their inputs: muted as soon as an input differs from the texts they were
// computed from, back when the texts return; the export writes the inputs of the results and
// says that the form shows others.
TEST_F(ModelFileWindow, ResultsBesideOtherInputsAreMutedAndExportedWithTheirOwn) {
    AnalysisForm& form = PlaneForm();
    Type(form, plane::SlopeHeight, "30");
    Click(form, "Command1");
    EXPECT_FALSE(form.resultsAreStale());
    EXPECT_GT(form.histogram().record().current()->outOfRange[3].trials, 0);
    Type(form, plane::SlopeHeight, "40");
    EXPECT_TRUE(form.resultsAreStale());
    EXPECT_TRUE(Field(form, plane::MeanSafetyFactor)->font().italic());

    ASSERT_TRUE(form.files().ExportResultsTo(PathOf("h30.csv")));
    const std::string csv = Contents(PathOf("h30.csv").toStdString());
    EXPECT_NE(csv.find("slope_height,30\r\n"), std::string::npos);
    EXPECT_NE(csv.find("trials_out_of_range_water_height,"), std::string::npos);
    ASSERT_EQ(dialogs_.notes.size(), 1);
    EXPECT_TRUE(dialogs_.notes[0].contains("h30.csv"));

    Type(form, plane::SlopeHeight, "30");
    EXPECT_FALSE(form.resultsAreStale());
    EXPECT_FALSE(Field(form, plane::MeanSafetyFactor)->font().italic());
    ASSERT_TRUE(form.files().ExportResultsTo(PathOf("again.csv")));
    EXPECT_EQ(dialogs_.notes.size(), 1);
}

// A fixed-data run rewrites its count to "1"; the results belong to that text, the next runs
// give the same figure, and the saved model keeps the run.
TEST_F(ModelFileWindow, AFixedDataModelRunsAgainAndKeepsItsRun) {
    AnalysisForm& form = PlaneForm();
    for (int sd : {CohesionStdDev, FrictionAngleStdDev, RockUnitWeightStdDev, WaterHeightStdDev}) {
        Type(form, sd, "0");
    }
    Type(form, plane::CalculationCount, "2000");
    for (int run = 0; run < 3; ++run) {
        Click(form, "Command1");
        EXPECT_EQ(Text(form, plane::MeanSafetyFactor), "0.735382455347463");
        EXPECT_EQ(Text(form, plane::CalculationCount), "1");
        EXPECT_FALSE(form.resultsAreStale());
    }
    dialogs_.fileNames = {PathOf("fixed.vardolin")};
    ASSERT_TRUE(form.files().SaveAs());
    EXPECT_TRUE(ReadModelFile(PathOf("fixed.vardolin").toStdString(), catalogue_)
                    .model.lastRun.has_value());
}

// After Clear Data the question defaults to Cancel: Enter writes no empty inputs over the file.
TEST_F(ModelFileWindow, AfterClearDataTheQuestionDefaultsToCancel) {
    AnalysisForm& form = PlaneForm();
    dialogs_.fileNames = {PathOf("slope.vardolin")};
    ASSERT_TRUE(form.files().SaveAs());
    Type(form, plane::SlopeHeight, "21");
    dialogs_.unsavedAnswers = {FileDialogs::UnsavedAnswer::Cancel};
    EXPECT_FALSE(form.files().MayClose());
    Click(form, "Command4");
    dialogs_.unsavedAnswers = {FileDialogs::UnsavedAnswer::Cancel};
    EXPECT_FALSE(form.files().Open());
    EXPECT_EQ(dialogs_.defaults,
              (std::vector{FileDialogs::UnsavedAnswer::Save, FileDialogs::UnsavedAnswer::Cancel}));
    EXPECT_TRUE(dialogs_.questions.last().contains("empty"));
    EXPECT_EQ(ReadModelFile(PathOf("slope.vardolin").toStdString(), catalogue_)
                  .model.inputs.at("slope_height"),
              "20");
}

// Exit asks about every form with changed inputs of a file; Cancel keeps the program and the
// change, Discard ends it.
TEST_F(ModelFileWindow, ExitAsksAboutChangedFormsAndCancelKeepsTheProgram) {
    AnalysisForm& plane = PlaneForm();
    dialogs_.fileNames = {PathOf("slope.vardolin")};
    ASSERT_TRUE(plane.files().SaveAs());
    Type(plane, plane::SlopeHeight, "21");
    SliceForm();  // never touched a file: no question

    dialogs_.unsavedAnswers = {FileDialogs::UnsavedAnswer::Cancel};
    EXPECT_FALSE(navigator().Exit());
    EXPECT_EQ(dialogs_.questions.size(), 1);
    EXPECT_EQ(Text(plane, plane::SlopeHeight), "21");

    dialogs_.unsavedAnswers = {FileDialogs::UnsavedAnswer::Discard};
    EXPECT_TRUE(navigator().Exit());
    EXPECT_EQ(dialogs_.questions.size(), 2);
}

}  // namespace
}  // namespace vardolin::forms
