// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

#include "analysis/AnalysisDescription.h"
#include "numerics/NumberText.h"
#include "statistics/RunDistribution.h"

class QLabel;
class QPushButton;
class QStackedWidget;
class QTabWidget;

namespace vardolin::forms {

class FileDialogs;
class PlotCanvas;
class ResultTabs;

// The results of one analysis form's last Monte Carlo run, in tabs: first the histogram, then
// its convergence, sensitivity and scatter (ResultTabs).
//
// The distribution of the trial factors of safety of one analysis form's last Monte Carlo run,
// drawn by the report's own painter (report::PaintHistogram): a histogram with the failed trials
// (factor below 1) in a warning colour, vertical lines at a factor of 1 and at the mean, the
// cumulative distribution on a second axis, and beside it the figures: trials, mean, standard
// deviation, minimum, maximum, failure percentage as the form reported it, the reliability index
// and, per parameter, the trials that drew it outside its physical range. It writes its figures as
// the form writes its results (DoubleToText with the user's decimal separator, no grouping) in the
// form's font, and closes with Escape or Ctrl+W. It only reads what it is given: showing it changes
// no field and takes no uniform value.
class HistogramWindow final : public QWidget {
    Q_OBJECT

public:
    // `analysis` names the form, e.g. "Limiting Equilibrium", in the caption.
    HistogramWindow(const QString& analysis, const NumberLocale& locale, QWidget* parent = nullptr);
    ~HistogramWindow() override;

    // The analysis whose parameters the Sensitivity and Scatter tabs name.
    void SetAnalysis(const AnalysisDescription* analysis);
    // Skip, and the working out of skipped curves as the Sensitivity tab is opened.
    void SetSensitivityActions(std::function<void()> skip, std::function<void()> workOut);

    // Shows the record: the distribution, a note if a fixed-data run came after it, or that
    // there is nothing to show yet.
    void Show(const DistributionRecord& record);

    // "Save Image…" asks these for the file; without them the button is hidden.
    void SetFileDialogs(FileDialogs* dialogs);
    // The chart with its figures as PNG or SVG (by the suffix); whether it was written.
    bool SaveImageTo(const QString& path);
    // "Copy": the chart with its figures as a picture, and the figures as text (one
    // "label<Tab>value" line each, for a spreadsheet).
    void CopyToClipboard();

private:
    void ShowDistribution(const RunDistribution& distribution);
    QString Figure(double value) const;
    void SaveImage();
    QString FiguresText() const;

    NumberLocale locale_;
    QStackedWidget* pages_;
    QLabel* nothingYet_;
    PlotCanvas* canvas_;
    QLabel* note_;
    QLabel* trials_;
    QLabel* mean_;
    QLabel* standardDeviation_;
    QLabel* minimum_;
    QLabel* maximum_;
    QLabel* failurePercentage_;
    QLabel* reliabilityIndex_;
    QLabel* outOfRange_;
    QPushButton* saveImage_;
    QPushButton* copy_;
    QTabWidget* tabs_;
    std::unique_ptr<ResultTabs> results_;  // the tabs after the histogram
    FileDialogs* dialogs_ = nullptr;
};

}  // namespace vardolin::forms
