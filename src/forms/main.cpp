// SPDX-License-Identifier: MIT
// Start-up: the shared state of the process, then the main menu. Nothing else is created
// until the user asks for it.
#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <cstdlib>

#include "analysis/AnalysisContext.h"
#include "analysis/KeptTables.h"
#include "analysis/ThreadCount.h"
#include "catalogue/ProgramCatalogue.h"
#include "catalogue/ProgramWindows.h"
#include "forms/Navigator.h"
#include "numerics/UniformSequence.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vardolin"));
    QApplication::setApplicationVersion(QStringLiteral(VARDOLIN_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("vardolin"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/forms/vardolin.svg")));

    vardolin::UniformSequence uniforms;
    vardolin::KeptTables kept;
    vardolin::AnalysisContext context{uniforms, kept, {QLocale().decimalPoint().toStdString()}};
    // Every core by default; VARDOLIN_THREADS=1 takes the sequential path. Figures are the same.
    context.threads = vardolin::ThreadsFromEnvironment(std::getenv("VARDOLIN_THREADS"));

    const vardolin::AnalysisCatalogue catalogue = vardolin::ProgramCatalogue();
    const vardolin::forms::WindowCatalogue windows = vardolin::ProgramWindows();
    vardolin::forms::Navigator navigator(context, catalogue, windows);
    navigator.ShowMainMenu();
    return QApplication::exec();
}
