// SPDX-License-Identifier: MIT
// Renders the main menu and the plane-failure form after a default run into PNG files:
//   vardolin_screenshots <output directory>
// Run it on a real display server (e.g. under xvfb-run) to see the fonts a user would see.
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <cstdio>

#include "forms/ControlTable.h"
#include "forms/Form1.h"
#include "forms/Navigator.h"
#include "forms/Vardolin.h"
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

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: vardolin_screenshots <output directory>\n");
        return 2;
    }
    const QDir directory(QString::fromLocal8Bit(argv[1]));

    vardolin::UniformSequence uniforms;
    vardolin::MainModule module;
    vardolin::AnalysisContext context{uniforms, module, {"."}};
    vardolin::forms::Navigator navigator(context);
    using vardolin::forms::FindControlAs;

    vardolin::forms::Form1& menu = navigator.ShowForm1();
    bool ok = Save(menu, directory, QStringLiteral("main-menu.png"));

    QTest::mouseClick(FindControlAs<QPushButton>(menu, QStringLiteral("Command1")), Qt::LeftButton);
    vardolin::forms::Vardolin& form = *navigator.vardolin();
    QTest::mouseClick(FindControlAs<QPushButton>(form, QStringLiteral("Command1")), Qt::LeftButton);
    ok = Save(form, directory, QStringLiteral("limiting-equilibrium.png")) && ok;
    return ok ? 0 : 1;
}
