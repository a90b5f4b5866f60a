// SPDX-License-Identifier: MIT
// Renders the main menu, and each analysis form and its histogram after a default run as the
// first run of a fresh program start, into PNG files:
//   vardolin_screenshots <output directory>
// Run it on a real display server (e.g. under xvfb-run) to see the fonts a user would see.
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <cstdio>

#include "forms/ControlTable.h"
#include "forms/Form1.h"
#include "forms/HistogramWindow.h"
#include "forms/Navigator.h"
#include "forms/Vardolin.h"
#include "forms/vard2.h"
#include "numerics/UniformSequence.h"
#include "shared/AnalysisContext.h"
#include "shared/MainModule.h"

namespace {

bool Save(QWidget& window, const QDir& directory, const QString& name) {
    QTest::qWait(200);  // let the window system map and paint the window
    const QString path = directory.filePath(name);
    const bool saved = window.grab().save(path);
    std::fprintf(stderr, "%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

// The state of one program start: its own sequence, module and windows.
struct Session {
    vardolin::UniformSequence uniforms;
    vardolin::MainModule module;
    vardolin::AnalysisContext context{uniforms, module, {"."}};
    vardolin::forms::Navigator navigator{context};
};

void Click(const QWidget& form, const char* button) {
    QTest::mouseClick(
        vardolin::forms::FindControlAs<QPushButton>(form, QString::fromLatin1(button)),
        Qt::LeftButton);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: vardolin_screenshots <output directory>\n");
        return 2;
    }
    const QDir directory(QString::fromLocal8Bit(argv[1]));

    bool ok = true;
    {
        Session session;
        vardolin::forms::Form1& menu = session.navigator.ShowForm1();
        ok = Save(menu, directory, QStringLiteral("main-menu.png")) && ok;

        Click(menu, "Command1");  // "Plan Method"
        vardolin::forms::Vardolin& form = *session.navigator.vardolin();
        Click(form, "Command1");  // "Calculation"
        ok = Save(form, directory, QStringLiteral("limiting-equilibrium.png")) && ok;
        Click(form, "Command5");  // "Histogram"
        ok = Save(*form.histogram().window(), directory,
                  QStringLiteral("histogram-limiting-equilibrium.png")) &&
             ok;
    }
    {
        Session session;
        Click(session.navigator.ShowForm1(), "Command2");  // "Slice Method"
        vardolin::forms::vard2& form = *session.navigator.vard2Form();
        Click(form, "Command1");  // "Calculation"
        ok = Save(form, directory, QStringLiteral("method-of-slice.png")) && ok;
        Click(form, "Command5");  // "Histogram"
        ok = Save(*form.histogram().window(), directory,
                  QStringLiteral("histogram-method-of-slice.png")) &&
             ok;
    }
    return ok ? 0 : 1;
}
