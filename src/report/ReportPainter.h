// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QLocale>
#include <QPageSize>

#include "files/RunReport.h"
#include "report/DiagramPainter.h"

class QPagedPaintDevice;

namespace vardolin::report {

// The printable report of one run, drawn with a painter on pages (a PDF or a printer), each
// with a footer that numbers it ("Page n of N"): the title block, the method, every input with
// its unit (a table input as a grid), the sampling choices, the results with the failure
// probability's 95 % band, the form's diagram, the tables of the run that have a report title;
// then the histogram and the convergence plot of the Monte Carlo run behind the results, and
// where the analysis has them the sensitivity curves and the scatter of the draws
// (docs/report.md). Results from fixed data are one evaluation: the report says so and has no
// plots.
//
// Its lengths are in points (1/72 inch) whatever the device's resolution.

// Letter where it is the common paper (the Americas that use it, the Philippines), A4 elsewhere.
QPageSize::PageSizeId ReportPageSize(QLocale::Territory territory);

// Paints the report on `device`, whose page size and margins are already set; returns the
// number of pages. The diagram is the analysis's picture, or what `drawDiagram` draws.
int PaintReport(QPagedPaintDevice& device, const RunReport& report, const QDateTime& when,
                const DiagramPainter& drawDiagram = {});

// The report as PDF bytes, on the paper of the system's locale.
QByteArray ReportPdfBytes(const RunReport& report, const QDateTime& when,
                          const DiagramPainter& drawDiagram = {});

}  // namespace vardolin::report
