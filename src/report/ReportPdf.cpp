// SPDX-License-Identifier: MIT
#include "report/ReportPdf.h"

#include <QGuiApplication>
#include <optional>

#include "files/AtomicFile.h"
#include "report/ReportPainter.h"

namespace vardolin::report {

std::string WriteReportPdf(const RunReport& report, const std::string& path,
                           const DiagramPainter& drawDiagram) {
    // Fonts need an application; a program without windows gets one that shows none.
    static int argc = 3;
    static char name[] = "vardolin-run";
    static char option[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {name, option, platform, nullptr};
    std::optional<QGuiApplication> application;
    if (QCoreApplication::instance() == nullptr) {
        application.emplace(argc, argv);
    }
    const QByteArray bytes = ReportPdfBytes(report, QDateTime::currentDateTime(), drawDiagram);
    try {
        WriteFileAtomically(
            path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    } catch (const FileWriteError& e) {
        return e.what();
    }
    return {};
}

}  // namespace vardolin::report
