// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QMetaObject>
#include <array>
#include <functional>

#include "analysis/AnalysisDescription.h"
#include "numerics/NumberText.h"
#include "statistics/RunDistribution.h"

class QTabWidget;

namespace vardolin::forms {

class FileDialogs;
class PlotTab;

// The tabs of a run's results window after the histogram: Convergence (is the number of trials
// enough?), Sensitivity (which parameter drives the factor?) and Scatter (how the factor moves
// with each drawn value). A tab the analysis cannot fill is not shown: Sensitivity without an
// evaluation at the averages (the slice method), Scatter without kept draws. The sensitivity
// curves follow the run in the background (BackgroundSensitivity).
class ResultTabs {
public:
    ResultTabs(QTabWidget& tabs, const NumberLocale& locale);
    ~ResultTabs();
    ResultTabs(const ResultTabs&) = delete;
    ResultTabs& operator=(const ResultTabs&) = delete;

    void SetAnalysis(const AnalysisDescription* analysis) { analysis_ = analysis; }
    void SetFileDialogs(FileDialogs* dialogs);
    // While the curves are worked out the Sensitivity tab offers to skip them; skipped curves
    // are worked out again when the tab is opened.
    void SetSensitivityActions(std::function<void()> skip, std::function<void()> workOut);
    // Shows the run the histogram shows, in `font`.
    void Show(const DistributionRecord& record, const QFont& font);

    PlotTab& convergence() const { return *convergence_; }
    PlotTab& sensitivity() const { return *sensitivity_; }
    PlotTab& scatter() const { return *scatter_; }

private:
    QTabWidget& tabs_;
    NumberLocale locale_;
    const AnalysisDescription* analysis_ = nullptr;
    PlotTab* convergence_;
    PlotTab* sensitivity_;
    PlotTab* scatter_;
    std::function<void()> skipSensitivity_;
    std::function<void()> workOutSensitivity_;
    bool sensitivitySkipped_ = false;
    std::array<QMetaObject::Connection, 2> connections_;
};

}  // namespace vardolin::forms
