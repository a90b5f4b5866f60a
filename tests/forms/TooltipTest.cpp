// SPDX-License-Identifier: MIT
// What the fields and the diagrams of both analysis forms tell the user who hovers over them.
#include <QFile>
#include <QHelpEvent>
#include <QSvgWidget>
#include <QToolTip>
#include <QXmlStreamReader>
#include <algorithm>
#include <vector>

#include "forms/FormTestSupport.h"

namespace vardolin::forms {
namespace {

using testing_support::AnalysisRowName;
using testing_support::TestAnalyses;
using testing_support::WindowTest;

class Tooltips : public WindowTest, public testing::WithParamInterface<const AnalysisDescription*> {
protected:
    AnalysisForm& form() { return navigator().ShowAnalysis(*GetParam()); }
};

// An input without a unit (a ratio) has nothing of the kind to say.
TEST_P(Tooltips, EveryInputSaysItsUnitOrThatItIsACount) {
    const AnalysisForm& shown = form();
    for (const FieldFact& fact : shown.analysis().fields) {
        const QString tip = Field(shown, fact.number)->toolTip();
        EXPECT_FALSE(tip.isEmpty()) << fact.key;
        if (fact.isInput() && !fact.unit.empty()) {
            const QString unit = QString::fromUtf8(fact.unit.data(), qsizetype(fact.unit.size()));
            EXPECT_TRUE(tip.contains("Unit: " + unit) || tip.contains("count"))
                << fact.key << ": " << tip.toStdString();
        }
    }
}

// A point inside the label a <text> of the diagram draws: just above its baseline, beside its
// anchor (the few labels turned with their text are centred on it).
QPointF InsideLabel(const QXmlStreamAttributes& text) {
    const QStringView anchor = text.value("text-anchor");
    const double along = anchor == u"start" ? 4.0 : anchor == u"end" ? -4.0 : 0.0;
    return {text.value("x").toDouble() + along, text.value("y").toDouble() - 3.5};
}

// The tooltip the diagram, shown at its own size, shows with the pointer resting at `at`. The
// one shown before is taken away at once rather than after its fade delay.
QString HoverDiagram(QSvgWidget& diagram, QPointF at) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->inherits("QTipLabel")) {
            window->hide();
        }
    }
    const QPoint pos = at.toPoint();
    QHelpEvent help(QEvent::ToolTip, pos, diagram.mapToGlobal(pos));
    QApplication::sendEvent(&diagram, &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

// Every label the diagram draws explains its quantity.
class PictureTooltips : public Tooltips {};

TEST_P(PictureTooltips, EveryLabelOfTheDiagramExplainsItsQuantity) {
    AnalysisForm& shown = form();
    auto* diagram = FindControlAs<QSvgWidget>(shown, QStringLiteral("Image1"));
    ASSERT_NE(diagram, nullptr);
    const auto& controls = shown.window().controls;
    const auto picture = std::find_if(controls.begin(), controls.end(), [](const ControlRow& row) {
        return row.kind == ControlKind::Picture;
    });
    QFile file(QString::fromLatin1(picture->text));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    int labels = 0;
    for (QXmlStreamReader svg(&file); !svg.atEnd();) {
        if (svg.readNext() != QXmlStreamReader::StartElement || svg.name() != u"text") {
            continue;
        }
        const QPointF inside = InsideLabel(svg.attributes());
        const QString label = svg.readElementText();
        EXPECT_FALSE(HoverDiagram(*diagram, inside).isEmpty())
            << "none over " << label.toStdString();
        ++labels;
    }
    EXPECT_GE(labels, 10);
    EXPECT_TRUE(HoverDiagram(*diagram, {370.0, 5.0}).isEmpty()) << "a tooltip over blank paper";
}

INSTANTIATE_TEST_SUITE_P(Catalogue, Tooltips, testing::ValuesIn(TestAnalyses()), AnalysisRowName{});

// The analyses whose form shows a picture with labels.
std::vector<const AnalysisDescription*> WithPictures() {
    std::vector<const AnalysisDescription*> rows;
    for (const AnalysisDescription* analysis : TestAnalyses()) {
        if (!analysis->diagram.empty()) {
            rows.push_back(analysis);
        }
    }
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Catalogue, PictureTooltips, testing::ValuesIn(WithPictures()),
                         AnalysisRowName{});

}  // namespace
}  // namespace vardolin::forms
