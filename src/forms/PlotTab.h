// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <utility>
#include <vector>

class QFormLayout;
class QLabel;
class QPainter;
class QPushButton;
class QStackedWidget;

namespace vardolin::forms {

class FileDialogs;
class PlotCanvas;

// One tab of a run's results window beside the histogram: a plot drawn by a painter function
// (report/Plots.h, the same picture the report prints), its figures beside it, and Save
// Image… and Copy below, as the histogram has them. Its controls are named after the tab:
// "<name>Chart", "<name>SaveImage", "<name>Copy".
class PlotTab final : public QWidget {
    Q_OBJECT

public:
    using Paint = std::function<void(QPainter& painter, const QRectF& area)>;
    using Figures = std::vector<std::pair<QString, QString>>;

    PlotTab(const QString& name, QWidget* parent);

    // Shows a plot and its figures; without a plot, `why` says why there is none.
    void Show(Paint paint, const Figures& figures);
    void ShowNothing(const QString& why);

    // "Save Image…" asks these for the file; without them the button is hidden.
    void SetFileDialogs(FileDialogs* dialogs);
    // The plot with its figures as PNG or SVG (by the suffix); whether it was written.
    bool SaveImageTo(const QString& path);
    // The plot with its figures as a picture, and the figures as "label<Tab>value" lines.
    void CopyToClipboard();

private:
    void SaveImage();

    QString name_;
    QStackedWidget* pages_;
    QLabel* nothing_;
    PlotCanvas* canvas_;
    QFormLayout* figures_;
    QPushButton* saveImage_;
    QPushButton* copy_;
    FileDialogs* dialogs_ = nullptr;
};

}  // namespace vardolin::forms
