// SPDX-License-Identifier: MIT
// Start-up: the shared state of the process, then the main menu. Nothing else is created
// until the user asks for it.
#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <cstdlib>

#include "forms/Navigator.h"
#include "numerics/UniformSequence.h"
#include "shared/AnalysisContext.h"
#include "shared/MainModule.h"
#include "shared/ThreadCount.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vardolin"));
    QApplication::setApplicationVersion(QStringLiteral(VARDOLIN_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("vardolin"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/forms/vardolin.svg")));

    vardolin::UniformSequence uniforms;
    vardolin::MainModule module;
    vardolin::AnalysisContext context{uniforms, module, {QLocale().decimalPoint().toStdString()}};
    // Every core by default; VARDOLIN_THREADS=1 takes the sequential path. Figures are the same.
    context.threads = vardolin::ThreadsFromEnvironment(std::getenv("VARDOLIN_THREADS"));

    vardolin::forms::Navigator navigator(context);
    navigator.ShowMainMenu();
    return QApplication::exec();
}
