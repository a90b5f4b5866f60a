// SPDX-License-Identifier: MIT
#include "forms/HistogramWindow.h"

#include <QClipboard>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>
#include <memory>

#include "forms/ControlTable.h"
#include "forms/FileDialogs.h"
#include "forms/PlotCanvas.h"
#include "forms/ResultTabs.h"
#include "forms/WidgetImage.h"
#include "report/Plots.h"
#include "statistics/TrialDistribution.h"

namespace vardolin::forms {

namespace {

QLabel* FigureLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

HistogramWindow::HistogramWindow(const QString& analysis, const NumberLocale& locale,
                                 QWidget* parent)
    : QWidget(parent, Qt::Window),
      locale_(locale),
      pages_(new QStackedWidget(this)),
      nothingYet_(new QLabel(this)),
      canvas_(new PlotCanvas(this)),
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
    canvas_->setObjectName(QStringLiteral("HistogramChart"));
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
    row->addWidget(canvas_, 1);
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
        canvas_->SetPaint({});
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

    // The report's histogram, drawn by the same painter in the window's font and number style.
    const auto factors = std::make_shared<const std::vector<double>>(distribution.factors);
    const report::PlotStyle style{font(), locale_};
    canvas_->SetPaint([factors, style](QPainter& painter, const QRectF& area) {
        report::PaintHistogram(painter, area, *factors, style);
    });
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
