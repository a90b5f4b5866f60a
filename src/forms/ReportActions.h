// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

#include "files/RunReport.h"
#include "report/DiagramPainter.h"

namespace vardolin::forms {

class AnalysisForm;
class FileDialogs;

// File ▸ Report Details…, File ▸ Export Report… and File ▸ Print… of an analysis form: the
// printable report of its last run (report/ReportPainter.h) as a PDF, or through the system's
// print dialog. A form whose results come from an earlier run than its texts (the last run
// stopped) has no report to give: it says so instead.
class ReportActions final : public QObject {
    Q_OBJECT

public:
    static constexpr const char* kPdfFilter = "PDF documents (*.pdf)";

    ReportActions(AnalysisForm& form, FileDialogs& dialogs);

    // Each returns whether it wrote or printed the report.
    bool ExportReport();
    bool ExportReportTo(const QString& path);
    bool Print();
    // File ▸ Report Details…: edits the title block; whether it was changed.
    bool EditDetails();

    // What the report of the form shows now.
    RunReport Report() const;

private:
    bool MayReport();
    // The form's drawn diagram, for an analysis whose window draws one.
    report::DiagramPainter Diagram() const;

    AnalysisForm& form_;
    FileDialogs& dialogs_;
};

}  // namespace vardolin::forms
