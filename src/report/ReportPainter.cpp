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
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "fields/FieldDisplay.h"
#include "numerics/NumberText.h"
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

// The pages as they are written: each ends with its footer (the project and "Page n of N")
// when the next begins or the report ends. `total` is 0 on the pass that counts the pages.
class Pages {
public:
    Pages(QPagedPaintDevice& device, QPainter& painter, double width, double height, QString footer,
          int total)
        : device_(device),
          painter_(painter),
          width_(width),
          bottom_(height - kFooterRoom),
          footer_(std::move(footer)),
          total_(total) {}

    double width() const { return width_; }
    double bottom() const { return bottom_; }
    int number() const { return number_; }

    void Next() {
        Footer();
        device_.newPage();
        ++number_;
    }
    // The last page's footer; the number of pages.
    int End() {
        Footer();
        return number_;
    }

    // Points a page keeps at its foot for the footer.
    static constexpr double kFooterRoom = 18.0;

private:
    void Footer() {
        painter_.save();
        painter_.setFont(ReportFont(8.0));
        painter_.setPen(QPen(QColor(0x90, 0x90, 0x90), 0.5));
        const double top = bottom_ + kFooterRoom - 11.0;
        painter_.drawLine(QPointF(0, top - 2), QPointF(width_, top - 2));
        painter_.setPen(Qt::black);
        painter_.drawText(QRectF(0, top, width_ * 0.7, 11.0), Qt::AlignLeft | Qt::AlignVCenter,
                          footer_);
        const QString page = total_ > 0 ? QObject::tr("Page %1 of %2").arg(number_).arg(total_)
                                        : QObject::tr("Page %1 of %2").arg(number_).arg(99);
        painter_.drawText(QRectF(width_ * 0.7, top, width_ * 0.3, 11.0),
                          Qt::AlignRight | Qt::AlignVCenter, page);
        painter_.restore();
    }

    QPagedPaintDevice& device_;
    QPainter& painter_;
    double width_;
    double bottom_;
    QString footer_;
    int total_;
    int number_ = 1;
};

// Writes down the pages from `y`: headings, paragraphs and tables of label, value, unit, on to
// the next page where one does not fit.
class PageWriter {
public:
    PageWriter(QPainter& painter, Pages& pages)
        : painter_(painter), pages_(pages), width_(pages.width()) {}

    double y() const { return y_; }
    double room() const { return pages_.bottom() - y_; }
    void Skip(double points) { y_ += points; }
    void NewPage() {
        pages_.Next();
        y_ = 0.0;
    }
    // A new page unless `points` fit below.
    void Keep(double points) {
        if (y_ > 0.0 && points > room()) {
            NewPage();
        }
    }

    // A heading, kept with at least `following` points of what comes under it.
    void Heading(const QString& text, double points = 12.0, double following = 40.0) {
        Keep(points * 1.6 + following);
        y_ += points * 0.4;
        Paragraph(text, ReportFont(points, true));
        y_ += points * 0.2;
    }

    void Paragraph(const QString& text, const QFont& font = ReportFont(9.0)) {
        painter_.setFont(font);
        painter_.setPen(Qt::black);
        const QRectF box(0, y_, width_, 1000);
        const QRectF used = painter_.boundingRect(box, Qt::TextWordWrap, text);
        Keep(used.height());
        painter_.drawText(QRectF(0, y_, width_, 1000), Qt::TextWordWrap, text);
        y_ += used.height();
    }

    // Rows of three columns: what, its value, its unit; a light rule under each.
    void Table(const std::vector<std::array<QString, 3>>& rows) {
        const QFont font = ReportFont(9.0);
        painter_.setFont(font);
        const QFontMetricsF fm(font, painter_.device());
        const double valueAt = width_ * 0.52;
        const double unitAt = width_ * 0.80;
        for (const auto& row : rows) {
            const QRectF value(valueAt, y_, unitAt - valueAt - 6, 1000);
            const double height =
                std::max(fm.height(),
                         painter_.boundingRect(value, Qt::TextWordWrap, row[1]).height()) +
                3.0;
            Keep(height);
            painter_.setPen(Qt::black);
            painter_.drawText(QRectF(0, y_, valueAt - 6, height), Qt::AlignLeft, row[0]);
            painter_.drawText(QRectF(valueAt, y_, unitAt - valueAt - 6, 1000), Qt::TextWordWrap,
                              row[1]);
            painter_.drawText(QRectF(unitAt, y_, width_ - unitAt, height), Qt::AlignLeft, row[2]);
            y_ += height;
            painter_.setPen(QPen(QColor(0xC8, 0xC8, 0xC8), 0.5));
            painter_.drawLine(QPointF(0, y_ - 1.5), QPointF(width_, y_ - 1.5));
        }
    }

    // A table input: a heading per column with its unit, then one line a row numbered from 1,
    // its headings again on every page it runs on to.
    void Grid(const TableInput& table, const TableRows& rows, UnitSystem units) {
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
            const std::string_view unit = UnitIn(column, units);
            headings.push_back(unit.empty()
                                   ? Q(column.label)
                                   : QStringLiteral("%1 (%2)").arg(Q(column.label), Q(unit)));
        }
        Keep((fm.height() + 3.0) * 2);
        line(headings, true);
        for (std::size_t r = 0; r < rows.size(); ++r) {
            if (fm.height() + 3.0 > room()) {
                NewPage();
                line(headings, true);
            }
            QStringList cells{QString::number(r + 1)};
            for (const std::string& cell : rows[r]) {
                cells.push_back(QString::fromStdString(cell));
            }
            line(cells, false);
        }
    }

    // A table of numbers under named columns, all of one width, its header again on every page
    // it runs on to.
    void NumberTable(const QStringList& header, const std::vector<QStringList>& rows) {
        const QFont font = ReportFont(7.0);
        QFont bold = font;
        bold.setBold(true);
        const QFontMetricsF fm(font, painter_.device());
        const double column = width_ / static_cast<double>(std::max<qsizetype>(1, header.size()));
        double headerHeight = 0.0;
        painter_.setFont(bold);
        for (const QString& name : header) {
            headerHeight = std::max(
                headerHeight,
                painter_.boundingRect(QRectF(0, 0, column - 4, 1000), Qt::TextWordWrap, name)
                    .height());
        }
        headerHeight += 4.0;
        const double rowHeight = fm.height() + 1.5;
        const auto writeHeader = [&] {
            painter_.setFont(bold);
            painter_.setPen(Qt::black);
            for (qsizetype c = 0; c < header.size(); ++c) {
                painter_.drawText(
                    QRectF(column * static_cast<double>(c), y_, column - 4, headerHeight - 2.0),
                    Qt::TextWordWrap | Qt::AlignRight | Qt::AlignBottom, header[c]);
            }
            y_ += headerHeight;
            painter_.setPen(QPen(Qt::black, 0.6));
            painter_.drawLine(QPointF(0, y_ - 0.5), QPointF(width_, y_ - 0.5));
        };
        Keep(headerHeight + rowHeight * 3);
        writeHeader();
        for (std::size_t r = 0; r < rows.size(); ++r) {
            if (rowHeight > room()) {
                NewPage();
                writeHeader();
            }
            painter_.setFont(font);
            painter_.setPen(Qt::black);
            for (qsizetype c = 0; c < rows[r].size() && c < header.size(); ++c) {
                painter_.drawText(
                    QRectF(column * static_cast<double>(c), y_, column - 4, rowHeight),
                    Qt::AlignRight | Qt::AlignVCenter, rows[r][c]);
            }
            y_ += rowHeight;
            if (r % 5 == 4) {
                painter_.setPen(QPen(QColor(0xC8, 0xC8, 0xC8), 0.5));
                painter_.drawLine(QPointF(0, y_ - 0.5), QPointF(width_, y_ - 0.5));
            }
        }
    }

private:
    QPainter& painter_;
    Pages& pages_;
    double width_;
    double y_ = 0.0;
};

// `value` to `decimals` decimals in the form's decimal separator.
QString Fixed(double value, int decimals, const NumberLocale& locale) {
    QString text = QString::number(value, 'f', decimals);
    if (text.startsWith(QLatin1Char('-')) && text.toDouble() == 0.0) {
        text.remove(0, 1);  // "-0.000" reads as a sign the figure does not have
    }
    return text.replace(QLatin1Char('.'), QString::fromStdString(locale.decimalSeparator));
}

// A result field's text as its form shows it (FieldDisplay).
QString ShownFigure(const FieldFact& field, const std::string& text, const NumberLocale& locale) {
    return QString::fromStdString(ShownText(text, field.display, locale));
}

// A field's unit in the units of the report's model.
QString UnitOf(const RunReport& report, const FieldFact& field) {
    return Q(report.units ? UnitIn(field, *report.units) : field.unit);
}

std::vector<std::array<QString, 3>> InputRows(const RunReport& report) {
    std::vector<std::array<QString, 3>> rows;
    for (const FieldFact& field : report.analysis->fields) {
        // A table has a grid of its own below.
        if (field.isInput() && FindTableInput(report.analysis->tables, field.number) == nullptr) {
            rows.push_back({Q(field.label), QString::fromStdString(report.texts.text(field.number)),
                            UnitOf(report, field)});
        }
    }
    return rows;
}

std::vector<std::array<QString, 3>> ResultRows(const RunReport& report) {
    std::vector<std::array<QString, 3>> rows;
    const auto row = [&](const FieldFact& field) {
        rows.push_back({Q(field.label),
                        ShownFigure(field, report.texts.text(field.number), report.locale),
                        UnitOf(report, field)});
    };
    for (const FieldRole role : {FieldRole::FailurePercentage, FieldRole::MeanSafetyFactor,
                                 FieldRole::Message, FieldRole::Explanation}) {
        row(report.analysis->fieldWith(role));
    }
    // The analysis's own figures (a critical circle, its factors), in field order.
    for (const FieldFact& field : report.analysis->fields) {
        if (field.role == FieldRole::Result) {
            row(field);
        }
    }
    if (!report.distribution) {
        return rows;
    }
    const NumberLocale& locale = report.locale;
    const ConvergenceSummary s = SummariseConvergence(report.distribution->factors);
    rows.push_back({QObject::tr("Trials / failed"),
                    QStringLiteral("%1 / %2").arg(s.trials).arg(s.failures), QString()});
    rows.push_back(
        {QObject::tr("Failure probability, 95 % band"),
         QStringLiteral("%1 to %2")
             .arg(Fixed(s.band.low * 100.0, 1, locale), Fixed(s.band.high * 100.0, 1, locale)),
         QStringLiteral("%")});
    rows.push_back({QObject::tr("Standard error of the failure probability"),
                    Fixed(s.band.standardError * 100.0, 1, locale), QStringLiteral("%")});
    rows.push_back({QObject::tr("Standard error of the mean factor"),
                    Fixed(s.meanStandardError, 3, locale), QString()});
    return rows;
}

// One line of a run's CSV table split into its cells, a quoted cell unquoted (a soil's name may
// hold a comma).
QStringList CsvCells(const QString& line) {
    QStringList cells{QString()};
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted && c == QLatin1Char('"')) {
            if (i + 1 < line.size() && line[i + 1] == QLatin1Char('"')) {
                cells.back() += c;
                ++i;
            } else {
                quoted = false;
            }
        } else if (!quoted && c == QLatin1Char('"')) {
            quoted = true;
        } else if (!quoted && c == QLatin1Char(',')) {
            cells.append(QString());
        } else {
            cells.back() += c;
        }
    }
    return cells;
}

// A table the run adds, read from its CSV: its header with blanks for underscores, and each
// column's figures to the millimetre or 3 decimals below 1000, to 0.1 below 100 000 and whole
// above (forces per metre run), whole numbers (the slice's number) as they are.
std::pair<QStringList, std::vector<QStringList>> ReportTable(const ExportTable& table,
                                                             const NumberLocale& locale) {
    QStringList lines =
        QString::fromStdString(table.csv).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    if (lines.isEmpty()) {
        return {};
    }
    QStringList header = lines.takeFirst().split(QLatin1Char(','));
    for (QString& name : header) {
        name.replace(QLatin1Char('_'), QLatin1Char(' '));
    }
    std::vector<std::vector<std::optional<double>>> values;
    std::vector<QStringList> texts;  // each cell as written, for those that hold no figure
    std::vector<double> largest(static_cast<std::size_t>(header.size()), 0.0);
    std::vector<bool> whole(static_cast<std::size_t>(header.size()), true);
    for (const QString& line : lines) {
        const QStringList cells = CsvCells(line);
        texts.push_back(cells);
        std::vector<std::optional<double>> row;
        for (qsizetype c = 0; c < cells.size() && c < header.size(); ++c) {
            bool ok = false;
            const double value = cells[c].toDouble(&ok);
            row.push_back(ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt);
            if (row.back()) {
                const auto at = static_cast<std::size_t>(c);
                largest[at] = std::max(largest[at], std::abs(value));
                whole[at] = whole[at] && std::trunc(value) == value;
            }
        }
        values.push_back(std::move(row));
    }
    std::vector<QStringList> rows;
    for (std::size_t r = 0; r < values.size(); ++r) {
        const auto& row = values[r];
        QStringList cells;
        for (std::size_t c = 0; c < row.size(); ++c) {
            const int decimals = whole[c]              ? 0
                                 : largest[c] < 1000.0 ? 3
                                 : largest[c] < 1.0e5  ? 1
                                                       : 0;
            // A name or a note ("bishop", "negative effective normal force") as written.
            const QString& text = texts[r][static_cast<qsizetype>(c)];
            bool number = false;  // a figure that is not finite is left blank
            text.toDouble(&number);
            cells.append(row[c] ? Fixed(*row[c], decimals, locale) : number ? QString() : text);
        }
        rows.push_back(std::move(cells));
    }
    return {header, rows};
}

// The title block: the model's report details, the analysis and where the report comes from.
std::vector<std::array<QString, 3>> TitleRows(const RunReport& report, const QDateTime& when) {
    const ReportDetails& d = report.details;
    const auto orBlank = [](const std::string& text) {
        return text.empty() ? QStringLiteral("\u2014") : QString::fromStdString(text);
    };
    std::vector<std::array<QString, 3>> rows{
        {QObject::tr("Project"), orBlank(d.project), QString()},
        {QObject::tr("Section"), orBlank(d.section), QString()},
        {QObject::tr("Engineer"), orBlank(d.engineer), QString()},
        {QObject::tr("Checker"), orBlank(d.checker), QString()},
        {QObject::tr("Date"),
         d.date.empty() ? QLocale().toString(when.date(), QLocale::LongFormat)
                        : QString::fromStdString(d.date),
         QString()},
        {QObject::tr("Analysis"), QString::fromUtf8(report.analysis->caption),
         Q(report.analysis->id)},
        {QObject::tr("Model file"),
         report.modelFile.empty() ? QObject::tr("(not saved to a file)")
                                  : QString::fromStdString(report.modelFile),
         QString()},
        {QObject::tr("Written"), QLocale().toString(when, QLocale::LongFormat), QString()},
        {QObject::tr("Program"),
         QObject::tr("Vardolin %1").arg(QString::fromStdString(report.programVersion)), QString()},
    };
    if (report.units) {
        rows.insert(rows.begin() + 6,
                    {QObject::tr("Units"), Q(CaptionOf(*report.units)), Q(NameOf(*report.units))});
    }
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

namespace {

// The report on `device`, its footers counting `total` pages (0: not yet known); the number of
// pages it took.
int PaintPages(QPagedPaintDevice& device, const RunReport& report, const QDateTime& when,
               const DiagramPainter& drawDiagram, int total) {
    const AnalysisDescription& analysis = *report.analysis;
    QPainter painter(&device);
    const double scale = device.logicalDpiX() / 72.0;
    painter.scale(scale, device.logicalDpiY() / 72.0);
    painter.setRenderHint(QPainter::Antialiasing);
    const double width = device.width() / scale;
    const double height = device.height() / (device.logicalDpiY() / 72.0);
    const PlotStyle style{ReportFont(8.0), report.locale};

    const QString caption = QString::fromUtf8(analysis.caption);
    const QString footer = report.details.project.empty()
                               ? QObject::tr("Vardolin report: %1").arg(caption)
                               : QStringLiteral("%1 \u2014 %2")
                                     .arg(QString::fromStdString(report.details.project), caption);
    Pages pages(device, painter, width, height, footer, total);
    PageWriter page(painter, pages);
    page.Heading(QObject::tr("Vardolin report: %1").arg(caption), 16.0);
    page.Table(TitleRows(report, when));
    if (analysis.methodStatement != nullptr) {
        page.Heading(QObject::tr("Method"));
        page.Paragraph(QString::fromStdString(
            analysis.methodStatement(report.texts, report.units.value_or(DefaultUnits(analysis)))));
    }
    page.Heading(QObject::tr("Inputs"));
    page.Table(InputRows(report));
    if (!report.sampling.empty()) {
        page.Heading(QObject::tr("Sampling"));
        page.Paragraph(SamplingParagraph(report));
    }
    for (const TableInput& table : analysis.tables) {
        page.Heading(Q(analysis.findField(table.field)->label), 10.0);
        const std::optional<TableRows> rows = ParseTableText(report.texts.text(table.field));
        if (rows) {
            page.Grid(table, *rows, report.units.value_or(DefaultUnits(analysis)));
        } else {
            page.Paragraph(QString::fromStdString(report.texts.text(table.field)));
        }
    }
    if (!analysis.tables.empty()) {
        page.Keep(kLeastResultsRoom);
    }
    page.Heading(QObject::tr("Results"));
    page.Table(ResultRows(report));
    if (!report.distribution) {
        page.Skip(4);
        page.Paragraph(
            QObject::tr("The results come from fixed data (every standard deviation "
                        "0): one evaluation at the averages, not a distribution."));
    }
    // A diagram without room left takes the top of a page of its own; a drawn one takes the
    // width of the page and as much of its height (it draws to one scale in both directions).
    QSvgRenderer picture;
    if (!analysis.diagram.empty()) {
        picture.load(QStringLiteral(":/diagrams/") + Q(analysis.diagram));
    }
    if (drawDiagram || picture.isValid()) {
        page.Heading(QObject::tr("Diagram"), 12.0, kLeastDiagramRoom);
        const double room = page.room() - 4;
        if (drawDiagram) {
            const QRectF area(0, page.y(), width, std::min(room, width));
            painter.save();
            painter.setClipRect(area);
            drawDiagram(painter, area);
            painter.restore();
            page.Skip(area.height() + 4);
        } else {
            QSizeF size = picture.defaultSize();
            size.scale(width, room, Qt::KeepAspectRatio);
            picture.render(&painter, QRectF(QPointF((width - size.width()) / 2, page.y()), size));
            page.Skip(size.height() + 4);
        }
    } else if (analysis.drawsDiagram) {
        page.Heading(QObject::tr("Diagram"), 12.0, 20.0);
        page.Paragraph(QObject::tr("The diagram is left out: this report was written without "
                                   "the drawing of the %1 diagram. The results above and the "
                                   "tables below give the figures it would show.")
                           .arg(caption));
    }
    for (const ExportTable& table : report.tables) {
        if (table.reportTitle.empty()) {
            continue;
        }
        const auto [header, rows] = ReportTable(table, report.locale);
        if (rows.empty()) {
            continue;
        }
        page.Heading(QString::fromStdString(table.reportTitle), 12.0, 80.0);
        page.NumberTable(header, rows);
    }
    if (!report.distribution) {
        return pages.End();
    }
    const RunDistribution& run = *report.distribution;
    const double plots = pages.bottom();
    // The histogram and the convergence take a page of their own, or the rest of one that the
    // last rows of a table left nearly empty.
    double top = page.y() + 12.0;
    if (page.room() < plots * 0.7) {
        pages.Next();
        top = 0.0;
    }
    const double tall = plots - top;
    PaintHistogram(painter, QRectF(0, top, width, tall * 0.42), run.factors, style);
    PaintConvergence(painter, QRectF(0, top + tall * 0.45, width, tall * 0.55), run.factors, style);

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
        pages.Next();
        top = 0.0;
        if (sensitivity) {
            PaintSensitivity(painter, QRectF(0, 0, width, plots * 0.42), analysis, *sensitivity,
                             style);
            top = plots * 0.45;
        }
        if (!run.draws.empty()) {
            PaintScatter(painter, QRectF(0, top, width, plots - top), analysis, run.factors,
                         run.draws, style);
        }
    }
    return pages.End();
}

}  // namespace

int PaintReport(QPagedPaintDevice& device, const RunReport& report, const QDateTime& when,
                const DiagramPainter& drawDiagram) {
    // A first pass on a PDF of the same page counts the pages for the footers.
    QBuffer discard;
    discard.open(QIODevice::WriteOnly);
    QPdfWriter count(&discard);
    count.setResolution(device.logicalDpiX());
    count.setPageLayout(device.pageLayout());
    const int total = PaintPages(count, report, when, drawDiagram, 0);
    return PaintPages(device, report, when, drawDiagram, total);
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
