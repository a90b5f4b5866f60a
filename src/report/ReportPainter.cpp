// SPDX-License-Identifier: MIT
#include "report/ReportPainter.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QObject>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgRenderer>
#include <algorithm>
#include <array>
#include <vector>

#include "numerics/RunTimeError.h"
#include "numerics/UniformSequence.h"
#include "report/Plots.h"
#include "statistics/Convergence.h"

namespace vardolin::report {

namespace {

// Points a diagram needs to be read: less than this left on the first page moves it on.
constexpr double kLeastDiagramRoom = 200.0;
// Points the results need below a long table input, or they start a page.
constexpr double kLeastResultsRoom = 160.0;

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A font of `points` points: sized in the painter's units, which are points on every device.
QFont ReportFont(double points, bool bold = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(points));
    font.setBold(bold);
    return font;
}

// Writes down the page from `y`: headings, paragraphs and tables of label, value, unit.
class PageWriter {
public:
    PageWriter(QPainter& painter, double width) : painter_(painter), width_(width) {}

    double y() const { return y_; }
    void Skip(double points) { y_ += points; }
    void NewPage() { y_ = 0.0; }

    void Heading(const QString& text, double points = 12.0) {
        y_ += points * 0.4;
        Paragraph(text, ReportFont(points, true));
        y_ += points * 0.2;
    }

    void Paragraph(const QString& text, const QFont& font = ReportFont(9.0)) {
        painter_.setFont(font);
        painter_.setPen(Qt::black);
        const QRectF box(0, y_, width_, 1000);
        const QRectF used = painter_.boundingRect(box, Qt::TextWordWrap, text);
        painter_.drawText(box, Qt::TextWordWrap, text);
        y_ += used.height();
    }

    // Rows of three columns: what, its value, its unit; a light rule under each. A row that
    // would run past `pageHeight` begins a further page of `device`; returns the pages it began.
    int Table(const std::vector<std::array<QString, 3>>& rows, QPagedPaintDevice& device,
              double pageHeight) {
        const QFont font = ReportFont(9.0);
        const QFontMetricsF fm(font, painter_.device());
        const double valueAt = width_ * 0.52;
        const double unitAt = width_ * 0.80;
        int pages = 0;
        for (const auto& row : rows) {
            painter_.setFont(font);
            QRectF value(valueAt, y_, unitAt - valueAt - 6, 1000);
            const double height =
                std::max(fm.height(),
                         painter_.boundingRect(value, Qt::TextWordWrap, row[1]).height()) +
                3.0;
            if (y_ + height > pageHeight && y_ > 0.0) {
                device.newPage();
                ++pages;
                NewPage();
                value.moveTop(y_);
            }
            painter_.setPen(Qt::black);
            painter_.drawText(QRectF(0, y_, valueAt - 6, height), Qt::AlignLeft, row[0]);
            painter_.drawText(value, Qt::TextWordWrap, row[1]);
            painter_.drawText(QRectF(unitAt, y_, width_ - unitAt, height), Qt::AlignLeft, row[2]);
            y_ += height;
            painter_.setPen(QPen(QColor(0xC8, 0xC8, 0xC8), 0.5));
            painter_.drawLine(QPointF(0, y_ - 1.5), QPointF(width_, y_ - 1.5));
        }
        return pages;
    }

    // A table input: a heading per column with its unit, then one line a row numbered from 1,
    // going on to further pages of `device` as it needs them. Returns the pages it began.
    int Grid(QPagedPaintDevice& device, double pageHeight, const TableInput& table,
             const TableRows& rows) {
        const QFont font = ReportFont(9.0);
        const QFontMetricsF fm(font, painter_.device());
        const double columnWidth = width_ / static_cast<double>(table.columns.size() + 1);
        const auto line = [&](const QStringList& cells, bool bold) {
            painter_.setFont(ReportFont(9.0, bold));
            painter_.setPen(Qt::black);
            for (qsizetype c = 0; c < cells.size(); ++c) {
                painter_.drawText(QRectF(static_cast<double>(c) * columnWidth, y_, columnWidth - 6,
                                         fm.height() + 3.0),
                                  Qt::AlignLeft,
                                  fm.elidedText(cells[c], Qt::ElideRight, columnWidth - 6));
            }
            y_ += fm.height() + 3.0;
            painter_.setPen(QPen(QColor(0xC8, 0xC8, 0xC8), 0.5));
            painter_.drawLine(QPointF(0, y_ - 1.5), QPointF(width_, y_ - 1.5));
        };
        QStringList headings{QObject::tr("Row")};
        for (const TableColumn& column : table.columns) {
            headings.push_back(column.unit.empty() ? Q(column.label)
                                                   : QStringLiteral("%1 (%2)").arg(Q(column.label),
                                                                                   Q(column.unit)));
        }
        int pages = 0;
        line(headings, true);
        for (std::size_t r = 0; r < rows.size(); ++r) {
            if (y_ + fm.height() + 3.0 > pageHeight) {
                device.newPage();
                ++pages;
                NewPage();
                line(headings, true);
            }
            QStringList cells{QString::number(r + 1)};
            for (const std::string& cell : rows[r]) {
                cells.push_back(QString::fromStdString(cell));
            }
            line(cells, false);
        }
        return pages;
    }

private:
    QPainter& painter_;
    double width_;
    double y_ = 0.0;
};

std::vector<std::array<QString, 3>> InputRows(const RunReport& report) {
    std::vector<std::array<QString, 3>> rows;
    for (const FieldFact& field : report.analysis->fields) {
        // A table has a grid of its own below.
        if (field.isInput() && FindTableInput(report.analysis->tables, field.number) == nullptr) {
            rows.push_back({Q(field.label), QString::fromStdString(report.texts.text(field.number)),
                            Q(field.unit)});
        }
    }
    return rows;
}

std::vector<std::array<QString, 3>> ResultRows(const RunReport& report, const PlotStyle& style) {
    std::vector<std::array<QString, 3>> rows;
    for (const FieldRole role : {FieldRole::FailurePercentage, FieldRole::MeanSafetyFactor,
                                 FieldRole::Message, FieldRole::Explanation}) {
        const FieldFact& field = report.analysis->fieldWith(role);
        rows.push_back({Q(field.label), QString::fromStdString(report.texts.text(field.number)),
                        Q(field.unit)});
    }
    // The analysis's own figures (a critical circle, its factors), in field order.
    for (const FieldFact& field : report.analysis->fields) {
        if (field.role == FieldRole::Result) {
            rows.push_back({Q(field.label), QString::fromStdString(report.texts.text(field.number)),
                            Q(field.unit)});
        }
    }
    if (!report.distribution) {
        return rows;
    }
    const ConvergenceSummary s = SummariseConvergence(report.distribution->factors);
    rows.push_back({QObject::tr("Trials / failed"),
                    QStringLiteral("%1 / %2").arg(s.trials).arg(s.failures), QString()});
    rows.push_back({QObject::tr("Failure probability, 95 % band"),
                    QStringLiteral("%1 to %2")
                        .arg(style.Number(s.band.low * 100.0), style.Number(s.band.high * 100.0)),
                    QStringLiteral("%")});
    rows.push_back({QObject::tr("Standard error of the failure probability"),
                    style.Number(s.band.standardError * 100.0), QStringLiteral("%")});
    rows.push_back({QObject::tr("Standard error of the mean factor"),
                    style.Number(s.meanStandardError), QString()});
    return rows;
}

// Every sampling choice of the run in one paragraph, under the keys a model file and the runner
// take: "seed none, method monte_carlo, correlation 0, cohesion.distribution normal, …".
QString SamplingParagraph(const RunReport& report) {
    QStringList choices;
    for (const SamplingChoiceText& choice : report.sampling) {
        choices.append(QStringLiteral("%1 %2").arg(
            QString::fromStdString(choice.key),
            choice.text.empty() ? QObject::tr("none") : QString::fromStdString(choice.text)));
    }
    return choices.join(QStringLiteral(", "));
}

}  // namespace

QPageSize::PageSizeId ReportPageSize(QLocale::Territory territory) {
    switch (territory) {
        case QLocale::UnitedStates:
        case QLocale::Canada:
        case QLocale::Mexico:
        case QLocale::Chile:
        case QLocale::Colombia:
        case QLocale::CostaRica:
        case QLocale::Guatemala:
        case QLocale::Panama:
        case QLocale::Philippines:
        case QLocale::PuertoRico:
        case QLocale::Venezuela:
            return QPageSize::Letter;
        default:
            return QPageSize::A4;
    }
}

int PaintReport(QPagedPaintDevice& device, const RunReport& report, const QDateTime& when,
                const DiagramPainter& drawDiagram) {
    const AnalysisDescription& analysis = *report.analysis;
    QPainter painter(&device);
    const double scale = device.logicalDpiX() / 72.0;
    painter.scale(scale, device.logicalDpiY() / 72.0);
    painter.setRenderHint(QPainter::Antialiasing);
    const double width = device.width() / scale;
    const double height = device.height() / (device.logicalDpiY() / 72.0);
    const PlotStyle style{ReportFont(8.0), report.locale};

    PageWriter page(painter, width);
    page.Heading(QObject::tr("Vardolin report: %1").arg(QString::fromUtf8(analysis.caption)), 16.0);
    int pages = 1;
    page.Table(
        {
            {QObject::tr("Analysis"), QString::fromUtf8(analysis.caption), Q(analysis.id)},
            {QObject::tr("Model file"),
             report.modelFile.empty() ? QObject::tr("(not saved to a file)")
                                      : QString::fromStdString(report.modelFile),
             QString()},
            {QObject::tr("Date"), QLocale().toString(when, QLocale::LongFormat), QString()},
            {QObject::tr("Program"),
             QObject::tr("Vardolin %1").arg(QString::fromStdString(report.programVersion)),
             QString()},
        },
        device, height);
    page.Heading(QObject::tr("Inputs"));
    pages += page.Table(InputRows(report), device, height);
    if (!report.sampling.empty()) {
        page.Heading(QObject::tr("Sampling"));
        page.Paragraph(SamplingParagraph(report));
    }
    for (const TableInput& table : analysis.tables) {
        page.Heading(Q(analysis.findField(table.field)->label), 10.0);
        const std::optional<TableRows> rows = ParseTableText(report.texts.text(table.field));
        if (rows) {
            pages += page.Grid(device, height, table, *rows);
        } else {
            page.Paragraph(QString::fromStdString(report.texts.text(table.field)));
        }
    }
    if (!analysis.tables.empty() && height - page.y() < kLeastResultsRoom) {
        device.newPage();
        ++pages;
        page.NewPage();
    }
    page.Heading(QObject::tr("Results"));
    pages += page.Table(ResultRows(report, style), device, height);
    if (!report.distribution) {
        page.Skip(4);
        page.Paragraph(
            QObject::tr("The results come from fixed data (every standard deviation "
                        "0): one evaluation at the averages, not a distribution."));
    }
    // A diagram without room left on the first page takes the top of a page of its own; a drawn
    // one takes the width of the page and at most three fifths of it in height.
    QSvgRenderer picture;
    if (!analysis.diagram.empty()) {
        picture.load(QStringLiteral(":/diagrams/") + Q(analysis.diagram));
    }
    if (drawDiagram || picture.isValid()) {
        if (height - page.y() < kLeastDiagramRoom) {
            device.newPage();
            ++pages;
            page.NewPage();
        }
        page.Heading(QObject::tr("Diagram"));
        const double room = height - page.y() - 4;
        if (drawDiagram) {
            const QRectF area(0, page.y(), width, std::min(room, width * 0.6));
            painter.save();
            painter.setClipRect(area);
            drawDiagram(painter, area);
            painter.restore();
        } else {
            QSizeF size = picture.defaultSize();
            size.scale(width, room, Qt::KeepAspectRatio);
            picture.render(&painter, QRectF(QPointF((width - size.width()) / 2, page.y()), size));
        }
    }
    if (!report.distribution) {
        return pages;
    }
    const RunDistribution& run = *report.distribution;
    device.newPage();
    ++pages;
    PaintHistogram(painter, QRectF(0, 0, width, height * 0.42), run.factors, style);
    PaintConvergence(painter, QRectF(0, height * 0.45, width, height * 0.55), run.factors, style);

    // The run's own curves where it worked them out (a search-based analysis takes a while over
    // them); none where Cancel stopped them.
    std::optional<Sensitivity> sensitivity = run.sensitivity;
    if (!sensitivity && !run.sensitivityCancelled) {
        try {
            // Drawing nothing and keeping nothing: a sequence and tables of its own to leave.
            UniformSequence unused;
            KeptTables none;
            sensitivity = SensitivityOf(analysis, report.texts, {unused, none, report.locale});
        } catch (const RunTimeError&) {
            // Inputs the formula cannot take at their averages: no curves to show.
        } catch (const NoFactorAtMeans&) {
            // Nor inputs that give no factor there.
        }
    }
    if (sensitivity || !run.draws.empty()) {
        device.newPage();
        ++pages;
        double top = 0.0;
        if (sensitivity) {
            PaintSensitivity(painter, QRectF(0, 0, width, height * 0.42), analysis, *sensitivity,
                             style);
            top = height * 0.45;
        }
        if (!run.draws.empty()) {
            PaintScatter(painter, QRectF(0, top, width, height * 0.55), analysis, run.factors,
                         run.draws, style);
        }
    }
    return pages;
}

QByteArray ReportPdfBytes(const RunReport& report, const QDateTime& when,
                          const DiagramPainter& drawDiagram) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setResolution(72);
    pdf.setPageSize(QPageSize(ReportPageSize(QLocale().territory())));
    pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    pdf.setTitle(
        QObject::tr("Vardolin report: %1").arg(QString::fromUtf8(report.analysis->caption)));
    pdf.setCreator(
        QStringLiteral("Vardolin %1").arg(QString::fromStdString(report.programVersion)));
    PaintReport(pdf, report, when, drawDiagram);
    return bytes;
}

}  // namespace vardolin::report
