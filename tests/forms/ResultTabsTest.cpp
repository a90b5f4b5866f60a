// SPDX-License-Identifier: MIT
// The tabs of a run's results window after the histogram.
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "TestFolder.h"
#include "TestSupport.h"
#include "forms/FormTestSupport.h"
#include "forms/HistogramWindow.h"
#include "forms/PlotTab.h"
#include "numerics/NumberText.h"
#include "slice_method/SliceMethodDescription.h"
#include "statistics/Convergence.h"

namespace vardolin::forms {
namespace {

using testing_support::WindowTest;

struct TabsRow {
    const char* name;
    const AnalysisDescription& (*analysis)();
    bool sensitivity;
    bool scatter;
    friend void PrintTo(const TabsRow& row, std::ostream* os) { *os << row.name; }
};

class ResultTabsShown : public WindowTest, public testing::WithParamInterface<TabsRow> {};

TEST_P(ResultTabsShown, FollowTheHistogramWithWhatTheAnalysisCanShow) {
    AnalysisForm& form = navigator().ShowAnalysis(GetParam().analysis());
    Click(form, "Command1");
    Click(form, "Command5");
    HistogramWindow* window = form.histogram().window();
    ASSERT_NE(window, nullptr);
    auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("ResultTabs"));
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 4);
    EXPECT_EQ(tabs->tabText(0), "Histogram");
    EXPECT_TRUE(tabs->isTabVisible(1));
    EXPECT_EQ(tabs->isTabVisible(2), GetParam().sensitivity);
    EXPECT_EQ(tabs->isTabVisible(3), GetParam().scatter);

    // The band beside the convergence plot, in the form's number style.
    auto* convergence = window->findChild<PlotTab*>(QStringLiteral("Convergence"));
    ASSERT_NE(convergence, nullptr);
    const ConvergenceSummary s = SummariseConvergence(form.histogram().record().last->factors);
    QStringList figures;
    for (const QLabel* label : convergence->findChildren<QLabel*>()) {
        figures << label->text();
    }
    EXPECT_TRUE(figures.contains(QString::fromStdString(DoubleToText(s.band.low * 100.0))))
        << figures.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(figures.contains(QString::fromStdString(DoubleToText(s.band.high * 100.0))));

    tabs->setCurrentWidget(convergence);
    QCoreApplication::processEvents();
    vardolin::testing_support::TestFolder folder;
    const QString png = QString::fromStdString((folder.path() / "convergence.png").string());
    EXPECT_TRUE(convergence->SaveImageTo(png));
    EXPECT_GT(QImage(png).width(), 600);
}

INSTANTIATE_TEST_SUITE_P(Analyses, ResultTabsShown,
                         testing::Values(TabsRow{"PlaneFailure", PlaneFailure, true, true},
                                         TabsRow{"SliceMethod", SliceMethod, false, false}),
                         vardolin::testing_support::RowName{});

}  // namespace
}  // namespace vardolin::forms
