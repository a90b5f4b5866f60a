// SPDX-License-Identifier: MIT
// Renders the main menu, and each analysis form and its histogram after a default run as the
// first run of a fresh program start, into PNG files; then the form of each model given after a
// run of it, as <model's name>.png:
//   vardolin_screenshots <output directory> [MODEL.vardolin]...
// Run it on a real display server (e.g. under xvfb-run) to see the fonts a user would see.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>
#include <cstdio>

#include "analysis/AnalysisCatalogue.h"
#include "analysis/AnalysisContext.h"
#include "analysis/KeptTables.h"
#include "catalogue/ProgramCatalogue.h"
#include "catalogue/ProgramWindows.h"
#include "files/ModelReader.h"
#include "forms/AnalysisForm.h"
#include "forms/ControlTable.h"
#include "forms/HistogramWindow.h"
#include "forms/MainMenu.h"
#include "forms/ModelFileActions.h"
#include "forms/Navigator.h"
#include "numerics/UniformSequence.h"

namespace {

bool Save(QWidget& window, const QDir& directory, const QString& name) {
    QTest::qWait(200);  // let the window system map and paint the window
    const QString path = directory.filePath(name);
    const bool saved = window.grab().save(path);
    std::fprintf(stderr, "%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

// The state of one program start: its own sequence, tables and windows.
struct Session {
    vardolin::UniformSequence uniforms;
    vardolin::KeptTables kept;
    vardolin::AnalysisContext context{uniforms, kept, {"."}};
    const vardolin::AnalysisCatalogue catalogue = vardolin::ProgramCatalogue();
    const vardolin::forms::WindowCatalogue windows = vardolin::ProgramWindows();
    vardolin::forms::Navigator navigator{context, catalogue, windows};
};

void Click(const QWidget& form, const char* button) {
    QTest::mouseClick(
        vardolin::forms::FindControlAs<QPushButton>(form, QString::fromLatin1(button)),
        Qt::LeftButton);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: vardolin_screenshots <output directory> [MODEL]...\n");
        return 2;
    }
    const QDir directory(QString::fromLocal8Bit(argv[1]));

    bool ok = true;
    {
        Session session;
        ok = Save(session.navigator.ShowMainMenu(), directory, QStringLiteral("main-menu.png"));
    }
    // Every analysis form after a default run from a fresh start, and its histogram.
    for (const vardolin::AnalysisDescription* analysis : vardolin::ProgramCatalogue()) {
        Session session;
        vardolin::forms::AnalysisForm& form = session.navigator.ShowAnalysis(*analysis);
        const QString name = QString::fromUtf8(analysis->caption).toLower().replace(' ', '-');
        Click(form, "Command1");  // "Calculation", which runs on a worker thread
        while (session.navigator.runInFlight()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        ok = Save(form, directory, name + QStringLiteral(".png")) && ok;
        Click(form, "Command5");  // "Histogram"
        ok = Save(*form.histogram().window(), directory,
                  QStringLiteral("histogram-") + name + QStringLiteral(".png")) &&
             ok;
    }
    // Each model given, opened in its form from a fresh start and run.
    for (int i = 2; i < argc; ++i) {
        Session session;
        const QString path = QString::fromLocal8Bit(argv[i]);
        const vardolin::ModelRead read =
            vardolin::ReadModelFile(path.toStdString(), session.catalogue);
        vardolin::forms::AnalysisForm& form = session.navigator.ShowAnalysis(*read.model.analysis);
        if (!form.files().OpenFile(path)) {
            ok = false;
            continue;
        }
        Click(form, "Command1");
        while (session.navigator.runInFlight()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        ok = Save(form, directory, QFileInfo(path).completeBaseName() + QStringLiteral(".png")) &&
             ok;
    }
    return ok ? 0 : 1;
}
