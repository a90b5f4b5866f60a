// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "files/RunReport.h"
#include "report/DiagramPainter.h"

namespace vardolin::report {

// Writes the printable report of a run as a PDF at `path`, through a new file renamed over the
// old one; returns why it could not, or an empty text. Needs no window: a process without a Qt
// application (vardolin-run) gets an offscreen one for the length of the call. No Qt in this
// header, so that the runner can call it. The diagram is drawn as PaintReport draws it.
std::string WriteReportPdf(const RunReport& report, const std::string& path,
                           const DiagramPainter& drawDiagram = {});

}  // namespace vardolin::report
