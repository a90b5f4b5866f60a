// SPDX-License-Identifier: MIT
#include "forms/ReportActions.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "files/Model.h"
#include "forms/AnalysisForm.h"
#include "forms/AnalysisWindow.h"
#include "forms/FileDialogs.h"
#include "forms/LineEditFields.h"
#include "forms/ModelFileActions.h"
#include "forms/ReportDetailsDialog.h"
#include "forms/SamplingActions.h"
#include "report/ReportPainter.h"
#include "report/ReportPdf.h"
#include "sampling/SamplingRecord.h"

namespace vardolin::forms {

ReportActions::ReportActions(AnalysisForm& form, FileDialogs& dialogs)
    : QObject(&form), form_(form), dialogs_(dialogs) {
    auto* file = form.findChild<QMenu*>(QStringLiteral("FileMenu"));
    file->addSeparator();
    QAction* details = file->addAction(tr("Report &Details…"));
    details->setObjectName(QStringLiteral("ReportDetailsAction"));
    connect(details, &QAction::triggered, this, [this] { EditDetails(); });
    QAction* exportReport = file->addAction(tr("Export &Report…"));
    exportReport->setObjectName(QStringLiteral("ExportReportAction"));
    connect(exportReport, &QAction::triggered, this, [this] { ExportReport(); });
    QAction* print = file->addAction(tr("&Print…"));
    print->setObjectName(QStringLiteral("PrintAction"));
    print->setShortcut(QKeySequence::Print);
    connect(print, &QAction::triggered, this, [this] { Print(); });
}

RunReport ReportActions::Report() const {
    RunReport report;
    report.analysis = &form_.analysis();
    report.modelFile = QFileInfo(form_.files().filePath()).fileName().toStdString();
    report.programVersion = std::string(ProgramVersion());
    report.locale = form_.locale();
    if (form_.analysis().choosesUnits) {
        report.units = form_.units();
    }
    const LineEditFields fields(form_);
    for (const FieldFact& field : form_.analysis().fields) {
        report.texts.setText(field.number, fields.text(field.number));
    }
    report.sampling = SamplingRecordOf(form_.analysis(), fields, form_.sampling().ofResults());
    report.details = form_.files().reportDetails();
    if (form_.analysis().exportTables != nullptr) {
        report.tables = form_.analysis().exportTables(form_.shownTables());
    }
    if (const RunDistribution* run = form_.histogram().record().current()) {
        report.distribution = *run;
    }
    return report;
}

bool ReportActions::EditDetails() {
    ReportDetailsDialog dialog(form_.files().reportDetails(), &form_);
    if (dialog.exec() != QDialog::Accepted || dialog.details() == form_.files().reportDetails()) {
        return false;
    }
    form_.files().SetReportDetails(dialog.details());
    return true;
}

report::DiagramPainter ReportActions::Diagram() const {
    const AnalysisWindow& window = form_.window();
    if (window.drawDiagram == nullptr) {
        return {};
    }
    return [this, &window](QPainter& painter, const QRectF& area) {
        const LineEditFields fields(form_);
        window.drawDiagram(painter, area, fields, form_.locale(), form_.units(),
                           form_.shownTables());
    };
}

bool ReportActions::MayReport() {
    if (form_.isRunning() || form_.resultsAreStale()) {
        dialogs_.ShowError(&form_, QString::fromUtf8(form_.analysis().caption),
                           tr("The results shown do not come from the inputs shown: press "
                              "\"Calculation\" and let it finish, then ask for the report."));
        return false;
    }
    return true;
}

bool ReportActions::ExportReport() {
    if (!MayReport()) {
        return false;
    }
    const QString path = dialogs_.SaveFileName(
        &form_, tr("Export Report"), QStringLiteral("report.pdf"), QString::fromLatin1(kPdfFilter));
    if (path.isEmpty()) {
        return false;
    }
    return ExportReportTo(QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".pdf")
                                                             : path);
}

bool ReportActions::ExportReportTo(const QString& path) {
    if (!MayReport()) {
        return false;
    }
    const std::string failure =
        report::WriteReportPdf(Report(), QFile::encodeName(path).toStdString(), Diagram());
    if (!failure.empty()) {
        dialogs_.ShowError(&form_, QString::fromUtf8(form_.analysis().caption),
                           QString::fromStdString(failure));
    }
    return failure.empty();
}

bool ReportActions::Print() {
    if (!MayReport()) {
        return false;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(report::ReportPageSize(QLocale().territory())));
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    printer.setDocName(tr("Vardolin report: %1").arg(QString::fromUtf8(form_.analysis().caption)));
    QPrintDialog dialog(&printer, &form_);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    report::PaintReport(printer, Report(), QDateTime::currentDateTime(), Diagram());
    return true;
}

}  // namespace vardolin::forms
