// SPDX-License-Identifier: MIT
#include "forms/FileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace vardolin::forms {

namespace {

// The suffix of the first pattern of a filter: "vardolin" of "Models (*.vardolin)".
QString DefaultSuffix(const QString& filter) {
    const qsizetype star = filter.indexOf(QStringLiteral("*."));
    if (star < 0) {
        return {};
    }
    qsizetype end = star + 2;
    while (end < filter.size() && filter[end].isLetterOrNumber()) {
        ++end;
    }
    return filter.mid(star + 2, end - star - 2);
}

}  // namespace

QString NativeFileDialogs::OpenFileName(QWidget* parent, const QString& caption,
                                        const QString& filter) {
    const QString chosen = QFileDialog::getOpenFileName(parent, caption, lastFolder_, filter);
    if (!chosen.isEmpty()) {
        lastFolder_ = QFileInfo(chosen).absolutePath();
    }
    return chosen;
}

QString NativeFileDialogs::SaveFileName(QWidget* parent, const QString& caption,
                                        const QString& suggestedName, const QString& filter) {
    QFileDialog dialog(parent, caption, lastFolder_, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(DefaultSuffix(filter));
    const QFileInfo suggested(suggestedName);
    if (suggested.isAbsolute()) {
        dialog.setDirectory(suggested.absolutePath());
    }
    dialog.selectFile(suggested.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    const QString chosen = dialog.selectedFiles().constFirst();
    lastFolder_ = QFileInfo(chosen).absolutePath();
    return chosen;
}

void NativeFileDialogs::ShowError(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox::warning(parent, caption, text);
}

void NativeFileDialogs::ShowNote(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox::information(parent, caption, text);
}

FileDialogs::UnsavedAnswer NativeFileDialogs::AskToSave(QWidget* parent, const QString& caption,
                                                        const QString& text,
                                                        UnsavedAnswer defaultAnswer) {
    const QMessageBox::StandardButton byDefault =
        defaultAnswer == UnsavedAnswer::Save      ? QMessageBox::Save
        : defaultAnswer == UnsavedAnswer::Discard ? QMessageBox::Discard
                                                  : QMessageBox::Cancel;
    switch (QMessageBox::question(parent, caption, text,
                                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                  byDefault)) {
        case QMessageBox::Save:
            return UnsavedAnswer::Save;
        case QMessageBox::Discard:
            return UnsavedAnswer::Discard;
        default:
            return UnsavedAnswer::Cancel;
    }
}

}  // namespace vardolin::forms
