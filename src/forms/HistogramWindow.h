// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QWidget>

#include "shared/RunDistribution.h"

class QChartView;
class QLabel;
class QPushButton;
class QStackedWidget;

namespace vardolin::forms {

class FileDialogs;

// The distribution of the trial factors of safety of one analysis form's last Monte Carlo run:
// a histogram with the failed trials (factor below 1) in a warning colour, vertical lines at a
// factor of 1 and at the mean, the cumulative distribution on a second axis, and beside it the
// figures: trials, mean, standard deviation, minimum, maximum, failure percentage as the form
// reported it, and the reliability index. It only reads what it is given: showing it changes
// no field and takes no uniform value.
class HistogramWindow final : public QWidget {
    Q_OBJECT

public:
    // `analysis` names the form, e.g. "Limiting Equilibrium", in the caption.
    explicit HistogramWindow(const QString& analysis, QWidget* parent = nullptr);

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
    void SaveImage();
    QString FiguresText() const;

    QStackedWidget* pages_;
    QLabel* nothingYet_;
    QChartView* chartView_;
    QLabel* note_;
    QLabel* trials_;
    QLabel* mean_;
    QLabel* standardDeviation_;
    QLabel* minimum_;
    QLabel* maximum_;
    QLabel* failurePercentage_;
    QLabel* reliabilityIndex_;
    QPushButton* saveImage_;
    QPushButton* copy_;
    FileDialogs* dialogs_ = nullptr;
};

}  // namespace vardolin::forms
