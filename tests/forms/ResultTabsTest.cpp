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

using testing_support::AnalysisRowName;
using testing_support::TestAnalyses;

class ResultTabsShown : public WindowTest,
                        public testing::WithParamInterface<const AnalysisDescription*> {};

// The sensitivity tab where the analysis has a factor at the averages, the scatter where its
// trials draw named parameters.
TEST_P(ResultTabsShown, FollowTheHistogramWithWhatTheAnalysisCanShow) {
    const AnalysisDescription& analysis = *GetParam();
    AnalysisForm& form = navigator().ShowAnalysis(analysis);
    Click(form, "Command1");
    Click(form, "Command5");
    HistogramWindow* window = form.histogram().window();
    ASSERT_NE(window, nullptr);
    auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("ResultTabs"));
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 4);
    EXPECT_EQ(tabs->tabText(0), "Histogram");
    EXPECT_TRUE(tabs->isTabVisible(1));
    EXPECT_EQ(tabs->isTabVisible(2), analysis.factorAtMeans != nullptr);
    EXPECT_EQ(tabs->isTabVisible(3), !analysis.sampledParameters().empty());

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

INSTANTIATE_TEST_SUITE_P(Catalogue, ResultTabsShown, testing::ValuesIn(TestAnalyses()),
                         AnalysisRowName{});

}  // namespace
}  // namespace vardolin::forms
