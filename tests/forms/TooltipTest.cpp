// SPDX-License-Identifier: MIT
// What the fields and the diagrams of both analysis forms tell the user who hovers over them.
#include <QFile>
#include <QHelpEvent>
#include <QSvgRenderer>
#include <QSvgWidget>
#include <QToolTip>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "forms/FormTestSupport.h"

namespace vardolin::forms {
namespace {

using testing_support::AnalysisFormCase;
using testing_support::WindowTest;

class Tooltips : public WindowTest, public testing::WithParamInterface<AnalysisFormCase> {
protected:
    AnalysisForm& form() { return static_cast<AnalysisForm&>(GetParam().show(navigator())); }
};

TEST_P(Tooltips, EveryFieldSaysWhatItHoldsAndEveryInputItsUnit) {
    const AnalysisForm& shown = form();
    for (const FieldFact& fact : shown.analysis().fields) {
        const QLineEdit* field = Field(shown, fact.number);
        ASSERT_NE(field, nullptr) << fact.key;
        const QString tip = field->toolTip();
        EXPECT_TRUE(tip.contains(
            QString::fromUtf8(fact.meaning.data(), static_cast<qsizetype>(fact.meaning.size()))
                .toHtmlEscaped()))
            << fact.key << ": " << tip.toStdString();
        if (fact.isInput()) {
            const bool unitOrCount =
                tip.contains("count", Qt::CaseInsensitive) ||
                tip.contains(
                    QString::fromUtf8("Unit: ") +
                    QString::fromUtf8(fact.unit.data(), static_cast<qsizetype>(fact.unit.size())));
            EXPECT_FALSE(fact.unit.empty()) << fact.key;
            EXPECT_TRUE(unitOrCount) << fact.key << ": " << tip.toStdString();
        }
    }
    EXPECT_TRUE(Field(shown, shown.analysis().fieldWith(FieldRole::FailurePercentage).number)
                    ->toolTip()
                    .contains("Unit: %"));
}

// A point well inside the label a <text> element of the diagram draws: just above its baseline,
// beside its anchor, turned with the text.
QPointF InsideLabel(const QXmlStreamAttributes& text) {
    const double x = text.value("x").toDouble();
    const double y = text.value("y").toDouble();
    const QStringView anchor = text.value("text-anchor");
    const double along = anchor == u"start" ? 4.0 : anchor == u"end" ? -4.0 : 0.0;
    const double up = -3.5;
    double degrees = 0.0;
    const QStringView transform = text.value("transform");
    if (transform.startsWith(u"rotate(")) {
        degrees = transform.mid(7).split(u' ').front().toDouble();
    }
    const double turn = degrees * std::numbers::pi / 180.0;
    return {x + along * std::cos(turn) - up * std::sin(turn),
            y + along * std::sin(turn) + up * std::cos(turn)};
}

struct DiagramText {
    QString label;
    QPointF inside;  // in the diagram's pixels
};

std::vector<DiagramText> TextsOf(const QString& resource) {
    QFile file(resource);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << resource.toStdString();
    std::vector<DiagramText> texts;
    QXmlStreamReader svg(&file);
    while (!svg.atEnd()) {
        if (svg.readNext() == QXmlStreamReader::StartElement && svg.name() == u"text") {
            const QPointF inside = InsideLabel(svg.attributes());
            texts.push_back({svg.readElementText(), inside});
        }
    }
    EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
    return texts;
}

// The tooltip the diagram shows with the pointer resting at `at` in the diagram's pixels.
QString HoverDiagram(QSvgWidget& diagram, QPointF at) {
    QToolTip::hideText();
    const QRectF box = diagram.renderer()->viewBoxF();
    const QPoint pos = QPointF((at.x() - box.x()) * diagram.width() / box.width(),
                               (at.y() - box.y()) * diagram.height() / box.height())
                           .toPoint();
    QHelpEvent help(QEvent::ToolTip, pos, diagram.mapToGlobal(pos));
    QApplication::sendEvent(&diagram, &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

TEST_P(Tooltips, EveryLabelOfTheDiagramExplainsItsQuantity) {
    AnalysisForm& shown = form();
    auto* diagram = FindControlAs<QSvgWidget>(shown, QStringLiteral("Image1"));
    ASSERT_NE(diagram, nullptr);
    const auto& controls = shown.analysis().controls;
    const auto picture = std::find_if(controls.begin(), controls.end(), [](const ControlRow& row) {
        return row.kind == ControlKind::Picture;
    });
    ASSERT_NE(picture, controls.end());
    const std::vector<DiagramText> texts = TextsOf(QString::fromLatin1(picture->text));
    ASSERT_GE(texts.size(), 10u);
    for (const DiagramText& text : texts) {
        const QString tip = HoverDiagram(*diagram, text.inside);
        EXPECT_FALSE(tip.isEmpty()) << "no tooltip over " << text.label.toStdString();
        // A label of a field shows the field's own tooltip.
        for (const FieldFact& fact : shown.analysis().fields) {
            if (QString::fromUtf8(fact.label.data(), static_cast<qsizetype>(fact.label.size())) ==
                text.label) {
                EXPECT_EQ(tip, Field(shown, fact.number)->toolTip()) << text.label.toStdString();
            }
        }
    }
    // Over blank paper the tooltip goes (after its short fade delay).
    HoverDiagram(*diagram, {370.0, 5.0});
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000));
}

INSTANTIATE_TEST_SUITE_P(BothForms, Tooltips,
                         testing::Values(testing_support::kPlaneFailureForm,
                                         testing_support::kSliceMethodForm),
                         [](const auto& row) { return std::string(row.param.name); });

// X1, X2, Y2 and Angle are letters in a drawing; what they mean must be said where they are
// typed and where they are drawn.
TEST_F(WindowTest, TheSliceFormSaysWhatTheGridBoundsAndTheAngleAreInTheDiagram) {
    const QWidget& slice = navigator().ShowAnalysis(SliceMethod());
    for (int field :
         {circle::CentreX1, circle::CentreX2, circle::CentreY2, circle::SlopeFaceAngle}) {
        const QString tip = Field(slice, field)->toolTip();
        EXPECT_TRUE(tip.contains("diagram")) << tip.toStdString();
        EXPECT_TRUE(tip.contains("Unit: m") || tip.contains("Unit: degrees")) << tip.toStdString();
    }
    EXPECT_TRUE(Field(slice, circle::CentreX1)->toolTip().contains("toe"));
    EXPECT_TRUE(Field(slice, circle::CentreY2)->toolTip().contains("crest"));
}

}  // namespace
}  // namespace vardolin::forms
