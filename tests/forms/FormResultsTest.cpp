// SPDX-License-Identifier: MIT
// What a form's results say of themselves: muted, with the diagram's circle hidden, as soon as
// an input differs from the run's, and after Open; shown from the start, rounded on the new form
// with every digit kept behind; and Clear Data undone by Edit > Undo.
#include <QAction>
#include <QClipboard>
#include <QHelpEvent>
#include <QImage>
#include <QPainter>
#include <QToolTip>
#include <ostream>

#include "TestFolder.h"
#include "analysis/KeptTables.h"
#include "critical_circle/CriticalCircleDescription.h"
#include "critical_circle/CriticalCircleFields.h"
#include "critical_circle/drawing/CriticalCircleDiagram.h"
#include "fields/FieldTextMap.h"
#include "files/ModelWriter.h"
#include "forms/EditActions.h"
#include "forms/FormTestSupport.h"
#include "forms/LineEditFields.h"
#include "forms/ModelFileActions.h"

namespace vardolin::forms {
namespace {

using testing_support::WindowTest;

struct FormRow {
    const char* name;
    const AnalysisDescription& (*analysis)();
    int input;  // an input to change, and its changed text
    const char* changed;
    friend void PrintTo(const FormRow& row, std::ostream* os) { *os << row.name; }
};

const FormRow kForms[] = {
    {"PlaneFailure", PlaneFailure, plane::SlopeHeight, "25"},
    {"SliceMethod", SliceMethod, slice_method::SlopeHeight, "25"},
    {"CriticalCircle", CriticalCircle, critical::FaceAngle, "20"},
};

class FormResults : public WindowTest, public testing::WithParamInterface<FormRow> {
protected:
    // Every field the run writes, from the description.
    static std::vector<int> ResultFields(const AnalysisDescription& analysis) {
        std::vector<int> fields;
        for (const FieldFact& field : analysis.fields) {
            if (!field.isInput()) {
                fields.push_back(field.number);
            }
        }
        return fields;
    }

    static bool Muted(const QWidget& form, int field) {
        return Field(form, field)->font().italic();
    }

    static QImage Diagram(const AnalysisForm& form) {
        QWidget* picture = FindControl(form, QStringLiteral("Image1"));
        return picture->grab().toImage();
    }

    static FieldTextMap AllTexts(const AnalysisForm& form) {
        const LineEditFields fields(form);
        FieldTextMap texts;
        for (const FieldFact& field : form.analysis().fields) {
            texts.setText(field.number, fields.text(field.number));
        }
        return texts;
    }
};

TEST_P(FormResults, EveryResultIsMutedWhileAnInputDiffersFromTheRunsAndReturnsWithIt) {
    AnalysisForm& form = navigator().ShowAnalysis(GetParam().analysis());
    Click(form, "Command1");
    const QImage current = Diagram(form);
    const QString original = Field(form, GetParam().input)->text();
    const std::vector<int> results = ResultFields(form.analysis());
    for (const int field : results) {
        EXPECT_FALSE(Muted(form, field)) << "Text" << field;
    }

    Type(form, GetParam().input, GetParam().changed);
    EXPECT_TRUE(form.resultsAreStale());
    for (const int field : results) {
        EXPECT_TRUE(Muted(form, field)) << "Text" << field;
        EXPECT_TRUE(Field(form, field)->toolTip().contains("From other inputs")) << field;
    }

    Type(form, GetParam().input, original);
    EXPECT_FALSE(form.resultsAreStale());
    for (const int field : results) {
        EXPECT_FALSE(Muted(form, field)) << "Text" << field;
    }
    EXPECT_EQ(Diagram(form), current);
}

// A stopped run's message speaks of the inputs shown: it stays legible, the older figures do not.
TEST_P(FormResults, AStoppedRunsMessageStaysLegible) {
    AnalysisForm& form = navigator().ShowAnalysis(GetParam().analysis());
    Click(form, "Command1");
    Type(form, GetParam().input, "x");
    Click(form, "Command1");
    const int message = form.analysis().fieldWith(FieldRole::Message).number;
    EXPECT_TRUE(Text(form, message).startsWith("Run-time error"))
        << Text(form, message).toStdString();
    EXPECT_FALSE(Muted(form, message));
    EXPECT_TRUE(Muted(form, form.analysis().fieldWith(FieldRole::MeanSafetyFactor).number));
}

TEST_P(FormResults, ClearDataIsUndoneByEditUndo) {
    AnalysisForm& form = navigator().ShowAnalysis(GetParam().analysis());
    Click(form, "Command1");
    const FieldTextMap before = AllTexts(form);
    auto* undo = form.findChild<QAction*>(QStringLiteral("UndoAction"));
    ASSERT_NE(undo, nullptr);
    EXPECT_FALSE(undo->isEnabled());

    Click(form, "Command4");
    EXPECT_EQ(Text(form, GetParam().input), QString());
    EXPECT_TRUE(undo->isEnabled());
    // Ctrl+Z in an emptied text box, which has no typing of its own to undo.
    QLineEdit* field = Field(form, GetParam().input);
    form.activateWindow();
    field->setFocus();
    QTest::keySequence(field, QKeySequence::Undo);
    EXPECT_EQ(AllTexts(form).texts(), before.texts());
    EXPECT_FALSE(form.resultsAreStale());
    EXPECT_FALSE(undo->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Forms, FormResults, testing::ValuesIn(kForms),
                         [](const auto& row) { return std::string(row.param.name); });

class CriticalCircleResults : public FormResults {
protected:
    // The diagram of the form's inputs as drawn with no run behind it.
    static QImage WithoutResults(const AnalysisForm& form) {
        QWidget* picture = FindControl(form, QStringLiteral("Image1"));
        auto* canvas = picture->findChild<QWidget*>();
        QImage image(canvas->size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        KeptTables none;
        critical::DrawCriticalCircleDiagram(painter, QRectF(canvas->rect()), LineEditFields(form),
                                            form.locale(), form.units(), none);
        return image;
    }

    static QImage Canvas(const AnalysisForm& form) {
        QWidget* picture = FindControl(form, QStringLiteral("Image1"));
        auto* canvas = picture->findChild<QWidget*>();
        QImage image(canvas->size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        canvas->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        return image;
    }
};

TEST_F(CriticalCircleResults, TheDiagramHidesTheRunsCircleOnAnEditAndAfterOpen) {
    AnalysisForm& form = navigator().ShowAnalysis(CriticalCircle());
    Click(form, "Command1");
    EXPECT_NE(Canvas(form), WithoutResults(form));

    Type(form, critical::FaceAngle, "20");
    EXPECT_EQ(Canvas(form), WithoutResults(form));
    Type(form, critical::FaceAngle, "45");
    EXPECT_NE(Canvas(form), WithoutResults(form));

    // Another model opened over the run: its slope with no circle of the last one.
    vardolin::testing_support::TestFolder folder;
    const std::string path = (folder.path() / "steep.vardolin").string();
    Model model = ModelFromFields(CriticalCircle(), DefaultTexts(CriticalCircle()));
    model.inputs["slope_face_angle"] = "60";
    SaveModelFile(path, model);
    ASSERT_TRUE(form.files().OpenFile(QString::fromStdString(path)));
    EXPECT_EQ(Text(form, critical::FaceAngle), "60");
    EXPECT_EQ(Canvas(form), WithoutResults(form));
    Type(form, critical::FaceAngle, "45");
    EXPECT_EQ(Canvas(form), WithoutResults(form));
}

// The new form rounds what it shows and keeps every digit behind it; the specified forms show
// their texts as the run wrote them, from the start.
TEST_F(CriticalCircleResults, ShowsRoundedFiguresAndKeepsEveryDigit) {
    AnalysisForm& form = navigator().ShowAnalysis(CriticalCircle());
    Click(form, "Command1");
    const LineEditFields fields(form);
    EXPECT_EQ(Text(form, critical::BishopFactor), "1.133");
    EXPECT_EQ(fields.text(critical::BishopFactor), "1.13320198233504");
    EXPECT_EQ(Text(form, critical::FailureProbability), "13.9");
    EXPECT_EQ(Text(form, critical::MeanSafetyFactor), "1.135");
    EXPECT_EQ(Text(form, critical::CriticalCentreX), "-1.871");
    EXPECT_EQ(Field(form, critical::MessageField)->cursorPosition(), 0);

    // With the focus in it a field shows every digit, which Copy copies.
    QLineEdit* bishop = Field(form, critical::BishopFactor);
    form.activateWindow();
    bishop->setFocus();
    EXPECT_EQ(bishop->text(), "1.13320198233504");
    bishop->selectAll();
    bishop->copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "1.13320198233504");
    Field(form, critical::SlopeHeight)->setFocus();
    EXPECT_EQ(bishop->text(), "1.133");

    // The tooltip begins with every digit.
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), bishop->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(bishop, &help);
    EXPECT_TRUE(QToolTip::text().contains("1.13320198233504")) << QToolTip::text().toStdString();

    // The run's figures are those the results keep and save.
    ASSERT_NE(form.resultsTexts(), nullptr);
    EXPECT_EQ(form.resultsTexts()->text(critical::BishopFactor), "1.13320198233504");
}

TEST_F(CriticalCircleResults, LabelsAndVerdictInPlainEnglish) {
    AnalysisForm& form = navigator().ShowAnalysis(CriticalCircle());
    for (const char* label : {"Number of Slices :", "Number of Trials :", "Mean Safety Factor :",
                              "Message :", "Required Data", "Minimum Factor of Safety :"}) {
        bool found = false;
        for (const QWidget* widget : form.findChildren<QWidget*>()) {
            const QVariant text = widget->property("text");
            const QVariant title = widget->property("title");
            found = found || text.toString() == label || title.toString() == label;
        }
        EXPECT_TRUE(found) << label;
    }
    Type(form, critical::MinimumSafetyFactor, "1.1");
    Type(form, critical::MaximumFailurePercentage, "15");
    Click(form, "Command1");
    EXPECT_EQ(Text(form, critical::MessageField),
              "Acceptable: the Bishop Factor and the Probability of Failure Meet the Criteria");
}

// The question on closing counts only the inputs a run needs: not the given circle's.
TEST_F(CriticalCircleResults, TheSaveQuestionLeavesTheGivenCircleOut) {
    vardolin::testing_support::TestFolder folder;
    const QString path = QString::fromStdString((folder.path() / "c.vardolin").string());
    AnalysisForm& form = navigator().ShowAnalysis(CriticalCircle());
    ASSERT_TRUE(form.files().SaveTo(path));
    Type(form, critical::FaceAngle, "40");
    dialogs_.unsavedAnswers = {FileDialogs::UnsavedAnswer::Cancel};
    EXPECT_FALSE(form.files().MayClose());
    ASSERT_EQ(dialogs_.questions.size(), 1);
    EXPECT_FALSE(dialogs_.questions[0].contains("empty"));

    Type(form, critical::SlopeHeight, "");
    dialogs_.unsavedAnswers = {FileDialogs::UnsavedAnswer::Cancel};
    EXPECT_FALSE(form.files().MayClose());
    ASSERT_EQ(dialogs_.questions.size(), 2);
    EXPECT_TRUE(dialogs_.questions[1].contains("Some of them are empty."));
}

}  // namespace
}  // namespace vardolin::forms
