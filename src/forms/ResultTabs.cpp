// SPDX-License-Identifier: MIT
#include "forms/ResultTabs.h"

#include <QLabel>
#include <QTabWidget>

#include "forms/PlotTab.h"
#include "report/Plots.h"
#include "statistics/Convergence.h"

namespace vardolin::forms {

ResultTabs::ResultTabs(QTabWidget& tabs, const NumberLocale& locale)
    : tabs_(tabs),
      locale_(locale),
      convergence_(new PlotTab(QStringLiteral("Convergence"), &tabs)),
      sensitivity_(new PlotTab(QStringLiteral("Sensitivity"), &tabs)),
      scatter_(new PlotTab(QStringLiteral("Scatter"), &tabs)) {
    tabs.addTab(convergence_, QObject::tr("Convergence"));
    tabs.addTab(sensitivity_, QObject::tr("Sensitivity"));
    tabs.addTab(scatter_, QObject::tr("Scatter"));
    if (auto* why = sensitivity_->findChild<QLabel*>(QStringLiteral("SensitivityNothingYet"))) {
        connections_[0] = QObject::connect(
            why, &QLabel::linkActivated, sensitivity_, [this](const QString& link) {
                const auto& action =
                    link == QStringLiteral("skip") ? skipSensitivity_ : workOutSensitivity_;
                if (action) {
                    action();
                }
            });
    }
    connections_[1] =
        QObject::connect(&tabs, &QTabWidget::currentChanged, sensitivity_, [this](int index) {
            if (sensitivitySkipped_ && tabs_.widget(index) == sensitivity_ && workOutSensitivity_) {
                workOutSensitivity_();
            }
        });
}

ResultTabs::~ResultTabs() {
    // The tabs outlive this as their window goes, and change their page as they do.
    for (const QMetaObject::Connection& connection : connections_) {
        QObject::disconnect(connection);
    }
}

void ResultTabs::SetSensitivityActions(std::function<void()> skip, std::function<void()> workOut) {
    skipSensitivity_ = std::move(skip);
    workOutSensitivity_ = std::move(workOut);
}

void ResultTabs::SetFileDialogs(FileDialogs* dialogs) {
    for (PlotTab* tab : {convergence_, sensitivity_, scatter_}) {
        tab->SetFileDialogs(dialogs);
    }
}

void ResultTabs::Show(const DistributionRecord& record, const QFont& font) {
    const report::PlotStyle style{font, locale_};
    const bool sensitivityKnown = analysis_ == nullptr || analysis_->factorAtMeans != nullptr;
    tabs_.setTabVisible(tabs_.indexOf(sensitivity_), sensitivityKnown);
    const QString nothing = QObject::tr("Nothing to show yet: press \"Calculation\" on the form.");
    sensitivitySkipped_ = false;
    if (!record.last) {
        for (PlotTab* tab : {convergence_, sensitivity_, scatter_}) {
            tab->ShowNothing(nothing);
        }
        return;
    }
    const RunDistribution& run = *record.last;
    sensitivitySkipped_ = run.sensitivityCancelled;
    const auto factors = std::make_shared<const std::vector<double>>(run.factors);

    const ConvergenceSummary s = SummariseConvergence(run.factors);
    convergence_->Show(
        [factors, style](QPainter& painter, const QRectF& area) {
            report::PaintConvergence(painter, area, *factors, style);
        },
        {{QObject::tr("Number of trials"), style.Number(s.trials)},
         {QObject::tr("Failed trials"), style.Number(s.failures)},
         {QObject::tr("Failure probability (%)"), style.Number(s.band.probability * 100.0)},
         {QObject::tr("95 % band, low (%)"), style.Number(s.band.low * 100.0)},
         {QObject::tr("95 % band, high (%)"), style.Number(s.band.high * 100.0)},
         {QObject::tr("Standard error (%)"), style.Number(s.band.standardError * 100.0)},
         {QObject::tr("Mean safety factor"), style.Number(s.mean)},
         {QObject::tr("Standard error of the mean"), style.Number(s.meanStandardError)}});

    if (run.sensitivity && analysis_ != nullptr) {
        const auto curves = std::make_shared<const Sensitivity>(*run.sensitivity);
        PlotTab::Figures figures{
            {QObject::tr("Factor at the means"), style.Number(curves->factorAtMeans)}};
        for (const SensitivityCurve& curve : curves->curves) {
            const auto at = [&](std::size_t point) {
                return curve.factors[point] ? style.Number(*curve.factors[point])
                                            : QObject::tr("not defined");
            };
            figures.push_back({report::ParameterTitle(*analysis_, curve.meanField) +
                                   QObject::tr(", at \u22123 / +3 SD"),
                               at(0) + QStringLiteral(" / ") + at(curve.offsets.size() - 1)});
        }
        const AnalysisDescription* analysis = analysis_;
        sensitivity_->Show(
            [curves, analysis, style](QPainter& painter, const QRectF& area) {
                report::PaintSensitivity(painter, area, *analysis, *curves, style);
            },
            figures);
    } else if (run.sensitivityPending) {
        sensitivity_->ShowNothing(
            QObject::tr("Working out the curves in the background: they follow the run's "
                        "figures. <a href=\"skip\">Skip them</a>"));
    } else if (run.sensitivityCancelled) {
        sensitivity_->ShowNothing(
            QObject::tr("Skipped. <a href=\"work\">Work the curves out</a>, or open this tab "
                        "again."));
    } else {
        sensitivity_->ShowNothing(
            QObject::tr("The inputs of the last run cannot be evaluated at their averages."));
    }

    tabs_.setTabVisible(tabs_.indexOf(scatter_), !run.draws.empty());
    if (!run.draws.empty() && analysis_ != nullptr) {
        const auto draws = std::make_shared<const ParameterDraws>(run.draws);
        const AnalysisDescription* analysis = analysis_;
        scatter_->Show(
            [factors, draws, analysis, style](QPainter& painter, const QRectF& area) {
                report::PaintScatter(painter, area, *analysis, *factors, *draws, style);
            },
            {{QObject::tr("Trials shown"), style.Number(static_cast<double>(draws->rows()))},
             {QObject::tr("Every n-th trial"), style.Number(draws->stride())}});
    }
}

}  // namespace vardolin::forms
