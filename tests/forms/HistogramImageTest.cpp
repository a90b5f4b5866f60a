// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QPushButton>

#include "FormTestSupport.h"
#include "TestFolder.h"
#include "forms/HistogramWindow.h"

namespace vardolin::forms {
namespace {

using testing_support::WindowTest;

class HistogramImage : public WindowTest {
protected:
    HistogramWindow& OpenHistogram(AnalysisForm& form) {
        Click(form, "Command5");
        return *form.histogram().window();
    }

    QString PathOf(const char* name) const {
        return QString::fromStdString((folder_.path() / name).string());
    }

    static QByteArray Contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static QPushButton* Button(const HistogramWindow& window, const char* name) {
        return window.findChild<QPushButton*>(QString::fromLatin1(name));
    }

    vardolin::testing_support::TestFolder folder_;
};

TEST_F(HistogramImage, NothingToSaveOrCopyBeforeAMonteCarloRun) {
    HistogramWindow& window = OpenHistogram(navigator().ShowAnalysis(PlaneFailure()));
    EXPECT_FALSE(Button(window, "SaveImage")->isEnabled());
    EXPECT_FALSE(Button(window, "Copy")->isEnabled());
    EXPECT_FALSE(window.SaveImageTo(PathOf("early.png")));
    EXPECT_FALSE(QFile::exists(PathOf("early.png")));
}

TEST_F(HistogramImage, SavesTheChartAsPngOrSvgByTheNameChosen) {
    AnalysisForm& form = navigator().ShowAnalysis(PlaneFailure());
    Click(form, "Command1");
    HistogramWindow& window = OpenHistogram(form);
    ASSERT_TRUE(Button(window, "SaveImage")->isVisible());

    dialogs_.fileNames = {PathOf("chart"), PathOf("chart.SVG")};
    Button(window, "SaveImage")->click();
    EXPECT_TRUE(Contents(PathOf("chart.png")).startsWith("\x89PNG\r\n"));
    EXPECT_EQ(dialogs_.filters.last(), "PNG image (*.png);;SVG image (*.svg)");
    Button(window, "SaveImage")->click();
    const QByteArray svg = Contents(PathOf("chart.SVG"));
    EXPECT_TRUE(svg.contains("<svg"));
    EXPECT_TRUE(svg.contains("Histogram - Limiting Equilibrium"));
    EXPECT_TRUE(dialogs_.errors.isEmpty());

    EXPECT_FALSE(window.SaveImageTo(PathOf("none/chart.png")));
    ASSERT_EQ(dialogs_.errors.size(), 1);
    EXPECT_TRUE(dialogs_.errors[0].endsWith(": cannot be saved (No such file or directory)"));
}

TEST_F(HistogramImage, CopyPutsThePictureAndTheFiguresAsTextOnTheClipboard) {
    AnalysisForm& form = navigator().ShowAnalysis(PlaneFailure());
    Click(form, "Command1");
    HistogramWindow& window = OpenHistogram(form);
    Button(window, "Copy")->click();
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_TRUE(copied->hasImage());
    EXPECT_TRUE(
        copied->text().startsWith("Number of trials\t500\nMean safety factor\t0.73889069232438\n"));
    EXPECT_TRUE(copied->text().contains("\nFailure probability (%)\t96.6\n"));
}

}  // namespace
}  // namespace vardolin::forms
