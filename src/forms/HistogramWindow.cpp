// SPDX-License-Identifier: MIT
#include "forms/HistogramWindow.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "forms/ControlTable.h"
#include "forms/FileDialogs.h"
#include "forms/ResultTabs.h"
#include "forms/WidgetImage.h"
#include "report/Plots.h"
#include "statistics/TrialDistribution.h"

namespace vardolin::forms {

namespace {

// The report's palette (report::plot_colours): the failed bars vermillion against the stable
// bars blue, the line at 1 black and dashed, the mean bluish green and dash-dotted, the
// cumulative curve reddish purple.
using report::plot_colours::kCumulative;
using report::plot_colours::kFactorOfOne;
using report::plot_colours::kMean;
const QColor& kFailedBars = report::plot_colours::kFailed;
const QColor& kStableBars = report::plot_colours::kStable;

// Both vertical axes have this many ticks, so that the cumulative axis reads 0, 25, 50, 75 and
// 100 % on the grid lines of the trial counts.
constexpr int kVerticalTicks = 5;

// The smallest whole step of 1, 2, 2.5 or 5 times a power of ten that reaches `top` in
// kVerticalTicks - 1 steps.
double CountStep(double top) {
    const double least = top / (kVerticalTicks - 1);
    for (double power = 1.0;; power *= 10.0) {
        for (double m : {1.0, 2.0, 2.5, 5.0}) {
            const double step = m * power;
            if (step >= least && step == std::floor(step)) {
                return step;
            }
        }
    }
}

QLabel* FigureLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// The outline of the bins [first, last) as steps above the zero line.
QAreaSeries* Bars(const FactorHistogram& h, std::size_t first, std::size_t last,
                  const QString& name, const QColor& colour) {
    auto* outline = new QLineSeries;
    outline->append(h.lowerEdge(first), 0.0);
    for (std::size_t bin = first; bin < last; ++bin) {
        outline->append(h.lowerEdge(bin), h.counts[bin]);
        outline->append(h.lowerEdge(bin + 1), h.counts[bin]);
    }
    outline->append(h.lowerEdge(last), 0.0);
    auto* area = new QAreaSeries(outline);
    // The area draws the outline but does not own it; as its child it goes with the area,
    // which the chart owns.
    outline->setParent(area);
    area->setName(name);
    area->setColor(colour);
    area->setBorderColor(colour.darker(130));
    return area;
}

QLineSeries* VerticalLine(double x, double top, const QString& name, const QColor& colour,
                          Qt::PenStyle style) {
    auto* line = new QLineSeries;
    line->setName(name);
    line->append(x, 0.0);
    line->append(x, top);
    line->setPen(QPen(colour, 2.0, style));
    return line;
}

// The chart in the window's font, as the forms write theirs; its title in bold.
void UseFont(QChart& chart, const QFont& font) {
    QFont title = font;
    title.setBold(true);
    chart.setTitleFont(title);
    chart.legend()->setFont(font);
    for (QAbstractAxis* axis : chart.axes()) {
        axis->setLabelsFont(font);
        axis->setTitleFont(font);
    }
}

// The factor-of-safety axis over [left, right] on round values, labelled in the form's number
// style: a value axis would write its labels with a point whatever the user's separator.
QCategoryAxis* FactorAxis(double left, double right, const NumberLocale& locale) {
    QValueAxis nice;
    nice.setRange(left, right);
    nice.applyNiceNumbers();
    auto* axis = new QCategoryAxis;
    axis->setRange(nice.min(), nice.max());
    axis->setStartValue(nice.min());
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const int ticks = std::max(nice.tickCount(), 2);
    const double step = (nice.max() - nice.min()) / (ticks - 1);
    for (int tick = 0; tick < ticks; ++tick) {
        // Whole multiples of the step, so that no rounding residue shows ("0", not "1E-17").
        const double value = std::round(nice.min() / step + tick) * step;
        axis->append(QString::fromStdString(DoubleToText(value, locale)), value);
    }
    return axis;
}

}  // namespace

HistogramWindow::HistogramWindow(const QString& analysis, const NumberLocale& locale,
                                 QWidget* parent)
    : QWidget(parent, Qt::Window),
      locale_(locale),
      pages_(new QStackedWidget(this)),
      nothingYet_(new QLabel(this)),
      chartView_(new QChartView(this)),
      note_(FigureLabel("Note", this)),
      trials_(FigureLabel("Trials", this)),
      mean_(FigureLabel("Mean", this)),
      standardDeviation_(FigureLabel("StandardDeviation", this)),
      minimum_(FigureLabel("Minimum", this)),
      maximum_(FigureLabel("Maximum", this)),
      failurePercentage_(FigureLabel("FailureProbability", this)),
      reliabilityIndex_(FigureLabel("ReliabilityIndex", this)),
      outOfRange_(FigureLabel("OutOfRange", this)),
      saveImage_(new QPushButton(tr("Save Image…"), this)),
      copy_(new QPushButton(tr("Copy"), this)),
      tabs_(new QTabWidget(this)) {
    setObjectName(QStringLiteral("Histogram"));
    setWindowTitle(tr("Histogram - %1").arg(analysis));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(960, 540);
    setFont(FontFor(kFormDefaultFont));
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
    }

    nothingYet_->setObjectName(QStringLiteral("NothingYet"));
    nothingYet_->setAlignment(Qt::AlignCenter);
    nothingYet_->setWordWrap(true);
    chartView_->setObjectName(QStringLiteral("HistogramChart"));
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setMinimumSize(620, 420);
    note_->setWordWrap(true);

    auto* figures = new QFormLayout;
    figures->addRow(tr("Number of trials :"), trials_);
    figures->addRow(tr("Mean safety factor :"), mean_);
    figures->addRow(tr("Standard deviation :"), standardDeviation_);
    figures->addRow(tr("Minimum :"), minimum_);
    figures->addRow(tr("Maximum :"), maximum_);
    figures->addRow(tr("Failure probability (%) :"), failurePercentage_);
    figures->addRow(tr("Reliability index \u03B2 :"), reliabilityIndex_);
    figures->addRow(tr("Trials out of physical range :"), outOfRange_);
    outOfRange_->setWordWrap(true);
    auto* side = new QVBoxLayout;
    side->addLayout(figures);
    side->addWidget(note_);
    side->addStretch();

    auto* distributionPage = new QWidget(this);
    auto* row = new QHBoxLayout(distributionPage);
    row->addWidget(chartView_, 1);
    row->addLayout(side);

    pages_->addWidget(nothingYet_);
    pages_->addWidget(distributionPage);
    // The histogram is the first tab of the run's results; the others follow (ResultTabs).
    auto* histogramTab = new QWidget(this);
    auto* layout = new QVBoxLayout(histogramTab);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pages_);

    // Below the page, so that a saved or copied picture holds the chart and figures only.
    saveImage_->setObjectName(QStringLiteral("SaveImage"));
    copy_->setObjectName(QStringLiteral("Copy"));
    saveImage_->setVisible(false);
    connect(saveImage_, &QPushButton::clicked, this, &HistogramWindow::SaveImage);
    connect(copy_, &QPushButton::clicked, this, &HistogramWindow::CopyToClipboard);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveImage_);
    buttons->addWidget(copy_);
    layout->addLayout(buttons);
    tabs_->setObjectName(QStringLiteral("ResultTabs"));
    tabs_->addTab(histogramTab, tr("Histogram"));
    results_ = std::make_unique<ResultTabs>(*tabs_, locale_);
    (new QVBoxLayout(this))->addWidget(tabs_);
    Show(DistributionRecord{});
}

HistogramWindow::~HistogramWindow() = default;

void HistogramWindow::SetAnalysis(const AnalysisDescription* analysis) {
    results_->SetAnalysis(analysis);
}

void HistogramWindow::SetSensitivityActions(std::function<void()> skip,
                                            std::function<void()> workOut) {
    results_->SetSensitivityActions(std::move(skip), std::move(workOut));
}

void HistogramWindow::Show(const DistributionRecord& record) {
    results_->Show(record, font());
    saveImage_->setEnabled(record.last.has_value());
    copy_->setEnabled(record.last.has_value());
    if (!record.last) {
        pages_->setCurrentIndex(0);
        nothingYet_->setText(
            record.fixedDataSince
                ? tr("The last run used fixed data: one evaluation is not a distribution, and "
                     "there is no earlier Monte Carlo run to show.")
                : tr("Nothing to show yet: press \"Calculation\" on the form to run the "
                     "analysis, and its distribution appears here."));
        return;
    }
    ShowDistribution(*record.last);
    note_->setText(record.fixedDataSince
                       ? tr("The last run used fixed data: one evaluation is not a "
                            "distribution. Shown is the Monte Carlo run before it.")
                       : QString());
    pages_->setCurrentIndex(1);
}

QString HistogramWindow::Figure(double value) const {
    return QString::fromStdString(DoubleToText(value, locale_));
}

void HistogramWindow::ShowDistribution(const RunDistribution& distribution) {
    const TrialDistribution d = Describe(distribution.factors);
    trials_->setText(Figure(d.trials));
    mean_->setText(Figure(d.mean));
    standardDeviation_->setText(Figure(d.standardDeviation));
    minimum_->setText(Figure(d.minimum));
    maximum_->setText(Figure(d.maximum));
    failurePercentage_->setText(QString::fromStdString(distribution.failurePercentage));
    reliabilityIndex_->setText(d.reliabilityIndex ? Figure(*d.reliabilityIndex)
                                                  : tr("not defined (no spread)"));
    // Draws a slope cannot hold (a negative cohesion, water above the crack): the deviations
    // reach that far, and the run used those draws as they came.
    QStringList outOfRange;
    for (const OutOfRangeCount& count : distribution.outOfRange) {
        outOfRange.append(QStringLiteral("%1 %2").arg(
            QString::fromUtf8(count.parameter.data(),
                              static_cast<qsizetype>(count.parameter.size()))
                .replace(QLatin1Char('_'), QLatin1Char(' ')),
            Figure(count.trials)));
    }
    outOfRange_->setText(outOfRange.isEmpty() ? tr("not counted")
                                              : outOfRange.join(QStringLiteral("; ")));

    const FactorHistogram h = BinFactors(distribution.factors);
    const std::vector<double> cumulative = CumulativeFractions(h);
    std::size_t failedBins = 0;
    while (failedBins < h.counts.size() && h.belowOne(failedBins)) {
        ++failedBins;
    }
    const int tallest = *std::max_element(h.counts.begin(), h.counts.end());
    const double top = tallest * 1.1 + 1.0;

    auto* chart = new QChart;
    chart->setTitle(tr("Factors of safety of %1 trials").arg(Figure(d.trials)));
    const double left = std::min(h.lowerEdge(0), 1.0 - h.width);
    const double right = std::max(h.lowerEdge(h.counts.size()), 1.0 + h.width);
    QCategoryAxis* x = FactorAxis(left, right, locale_);
    x->setTitleText(tr("Factor of safety"));
    auto* count = new QValueAxis;
    count->setTitleText(tr("Trials"));
    count->setRange(0.0, CountStep(top) * (kVerticalTicks - 1));
    count->setTickCount(kVerticalTicks);
    count->setLabelFormat(QStringLiteral("%d"));
    auto* share = new QValueAxis;
    share->setTitleText(tr("Cumulative (%)"));
    share->setRange(0.0, 100.0);
    share->setLabelFormat(QStringLiteral("%d"));
    share->setTickCount(kVerticalTicks);
    share->setGridLineVisible(false);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(count, Qt::AlignLeft);
    chart->addAxis(share, Qt::AlignRight);

    const auto attach = [&](QAbstractSeries* series, QValueAxis* y) {
        chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
    };
    if (failedBins > 0) {
        attach(Bars(h, 0, failedBins, tr("Failed (below 1)"), kFailedBars), count);
    }
    if (failedBins < h.counts.size()) {
        attach(Bars(h, failedBins, h.counts.size(), tr("Stable (1 or more)"), kStableBars), count);
    }
    attach(VerticalLine(1.0, count->max(), tr("Factor of 1"), kFactorOfOne, Qt::DashLine), count);
    attach(VerticalLine(d.mean, count->max(), tr("Mean"), kMean, Qt::DashDotLine), count);

    auto* curve = new QLineSeries;
    curve->setName(tr("Cumulative"));
    curve->setPen(QPen(kCumulative, 2.5));
    curve->append(h.lowerEdge(0), 0.0);
    for (std::size_t bin = 0; bin < cumulative.size(); ++bin) {
        curve->append(h.lowerEdge(bin + 1), cumulative[bin] * 100.0);
    }
    attach(curve, share);
    UseFont(*chart, font());

    // The view owns the new chart but only lets go of the old one: deleting it frees its axes
    // and series (and with them the outlines), so a refresh after every run keeps no memory.
    QChart* previous = chartView_->chart();
    chartView_->setChart(chart);
    delete previous;
}

void HistogramWindow::SetFileDialogs(FileDialogs* dialogs) {
    dialogs_ = dialogs;
    saveImage_->setVisible(dialogs != nullptr);
    results_->SetFileDialogs(dialogs);
}

void HistogramWindow::SaveImage() {
    const QString path = AskImagePath(*dialogs_, this, QStringLiteral("histogram.png"));
    if (!path.isEmpty()) {
        SaveImageTo(path);
    }
}

bool HistogramWindow::SaveImageTo(const QString& path) {
    if (pages_->currentIndex() != 1) {
        return false;
    }
    const QString failure = SaveWidgetImage(*pages_->currentWidget(), path);
    if (!failure.isEmpty() && dialogs_ != nullptr) {
        dialogs_->ShowError(this, windowTitle(), failure);
    }
    return failure.isEmpty();
}

QString HistogramWindow::FiguresText() const {
    QString text;
    const auto* figures = pages_->widget(1)->findChild<QFormLayout*>();
    for (int row = 0; row < figures->rowCount(); ++row) {
        const auto* label =
            qobject_cast<QLabel*>(figures->itemAt(row, QFormLayout::LabelRole)->widget());
        const auto* value =
            qobject_cast<QLabel*>(figures->itemAt(row, QFormLayout::FieldRole)->widget());
        text += label->text().remove(QStringLiteral(" :")) + QLatin1Char('\t') + value->text() +
                QLatin1Char('\n');
    }
    return text;
}

void HistogramWindow::CopyToClipboard() {
    if (pages_->currentIndex() != 1) {
        return;
    }
    auto* copied = new QMimeData;
    copied->setImageData(pages_->currentWidget()->grab().toImage());
    copied->setText(FiguresText());
    QGuiApplication::clipboard()->setMimeData(copied);
}

}  // namespace vardolin::forms
