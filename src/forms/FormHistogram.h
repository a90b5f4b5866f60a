// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QString>
#include <functional>
#include <optional>

#include "analysis/AnalysisDescription.h"
#include "numerics/NumberText.h"
#include "statistics/RunDistribution.h"

class QWidget;

namespace vardolin::forms {

class FileDialogs;
class HistogramWindow;

// The histogram of one analysis form: what its runs left to show and the one window that shows
// it. The form records each run that ends normally; the window, once opened with "Histogram",
// follows every new record until it is closed. It is a child of the form, so it goes with it.
// Its figures are written in the form's number style, with the user's decimal separator.
class FormHistogram {
public:
    FormHistogram(QString analysis, const NumberLocale& locale)
        : analysis_(std::move(analysis)), locale_(locale) {}

    void RecordMonteCarlo(RunDistribution distribution);
    void RecordFixedData();
    // The last Monte Carlo run's sensitivity curves: being worked out, then done (none: they
    // cannot be) or skipped.
    void SetSensitivityPending();
    void SetSensitivity(std::optional<Sensitivity> curves, bool skipped);
    // What the window's Sensitivity tab offers: to skip curves in flight, and to work skipped
    // ones out again as the tab is opened.
    void SetSensitivityActions(std::function<void()> skip, std::function<void()> workOut) {
        skipSensitivity_ = std::move(skip);
        workOutSensitivity_ = std::move(workOut);
    }

    // The analysis whose parameters the window's Sensitivity and Scatter tabs name.
    void SetAnalysis(const AnalysisDescription& analysis) { description_ = &analysis; }

    // The dialogs the window's "Save Image…" asks.
    void SetFileDialogs(FileDialogs& dialogs) { dialogs_ = &dialogs; }

    // Opens the window (at most one), or brings it to the front.
    void Show(QWidget& form);

    // The open window, or nullptr.
    HistogramWindow* window() const;

    // What the form's runs left to show.
    const DistributionRecord& record() const { return record_; }

private:
    void Refresh();

    QString analysis_;
    const NumberLocale& locale_;
    DistributionRecord record_;
    QPointer<HistogramWindow> window_;
    FileDialogs* dialogs_ = nullptr;
    const AnalysisDescription* description_ = nullptr;
    std::function<void()> skipSensitivity_;
    std::function<void()> workOutSensitivity_;
};

}  // namespace vardolin::forms
