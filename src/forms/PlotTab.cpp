// SPDX-License-Identifier: MIT
#include "forms/PlotTab.h"

#include <QClipboard>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "forms/FileDialogs.h"
#include "forms/PlotCanvas.h"
#include "forms/WidgetImage.h"

namespace vardolin::forms {

PlotTab::PlotTab(const QString& name, QWidget* parent)
    : QWidget(parent),
      name_(name),
      pages_(new QStackedWidget(this)),
      nothing_(new QLabel(this)),
      canvas_(new PlotCanvas(this)),
      figures_(new QFormLayout),
      saveImage_(new QPushButton(tr("Save Image…"), this)),
      copy_(new QPushButton(tr("Copy"), this)) {
    setObjectName(name);
    canvas_->setObjectName(name + QStringLiteral("Chart"));
    nothing_->setObjectName(name + QStringLiteral("NothingYet"));
    nothing_->setAlignment(Qt::AlignCenter);
    nothing_->setWordWrap(true);
    auto* page = new QWidget(this);
    auto* row = new QHBoxLayout(page);
    row->addWidget(canvas_, 1);
    auto* side = new QVBoxLayout;
    side->addLayout(figures_);
    side->addStretch();
    row->addLayout(side);
    pages_->addWidget(nothing_);
    pages_->addWidget(page);

    saveImage_->setObjectName(name + QStringLiteral("SaveImage"));
    copy_->setObjectName(name + QStringLiteral("Copy"));
    saveImage_->setVisible(false);
    connect(saveImage_, &QPushButton::clicked, this, &PlotTab::SaveImage);
    connect(copy_, &QPushButton::clicked, this, &PlotTab::CopyToClipboard);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveImage_);
    buttons->addWidget(copy_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pages_);
    layout->addLayout(buttons);
}

void PlotTab::Show(Paint paint, const Figures& figures) {
    canvas_->SetPaint(std::move(paint));
    while (figures_->rowCount() > 0) {
        figures_->removeRow(0);
    }
    for (const auto& [label, value] : figures) {
        auto* shown = new QLabel(value);
        shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
        figures_->addRow(label + QStringLiteral(" :"), shown);
    }
    pages_->setCurrentIndex(1);
    saveImage_->setEnabled(true);
    copy_->setEnabled(true);
}

void PlotTab::ShowNothing(const QString& why) {
    canvas_->SetPaint({});
    nothing_->setText(why);
    pages_->setCurrentIndex(0);
    saveImage_->setEnabled(false);
    copy_->setEnabled(false);
}

void PlotTab::SetFileDialogs(FileDialogs* dialogs) {
    dialogs_ = dialogs;
    saveImage_->setVisible(dialogs != nullptr);
}

void PlotTab::SaveImage() {
    const QString path = AskImagePath(*dialogs_, this, name_.toLower() + QStringLiteral(".png"));
    if (!path.isEmpty()) {
        SaveImageTo(path);
    }
}

bool PlotTab::SaveImageTo(const QString& path) {
    if (pages_->currentIndex() != 1) {
        return false;
    }
    const QString failure = SaveWidgetImage(*pages_->currentWidget(), path);
    if (!failure.isEmpty() && dialogs_ != nullptr) {
        dialogs_->ShowError(this, window()->windowTitle(), failure);
    }
    return failure.isEmpty();
}

void PlotTab::CopyToClipboard() {
    if (pages_->currentIndex() != 1) {
        return;
    }
    QString text;
    for (int row = 0; row < figures_->rowCount(); ++row) {
        const auto* label =
            qobject_cast<QLabel*>(figures_->itemAt(row, QFormLayout::LabelRole)->widget());
        const auto* value =
            qobject_cast<QLabel*>(figures_->itemAt(row, QFormLayout::FieldRole)->widget());
        text += label->text().remove(QStringLiteral(" :")) + QLatin1Char('\t') + value->text() +
                QLatin1Char('\n');
    }
    auto* copied = new QMimeData;
    copied->setImageData(pages_->currentWidget()->grab().toImage());
    copied->setText(text);
    QGuiApplication::clipboard()->setMimeData(copied);
}

}  // namespace vardolin::forms
