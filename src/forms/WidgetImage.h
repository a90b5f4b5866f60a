// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

namespace vardolin::forms {
class FileDialogs;
}

namespace vardolin::forms {

// A widget as a picture for a report: PNG at its size on screen (at the screen's pixel ratio),
// or SVG, whose text and lines stay sharp at any size.
enum class ImageFormat { Png, Svg };

// The format a file name asks for: SVG for ".svg" (any case), PNG otherwise.
ImageFormat ImageFormatOf(const QString& path);

QByteArray RenderWidget(QWidget& widget, ImageFormat format);

// Writes the picture to `path` atomically; returns the reason it could not, or an empty text.
QString SaveWidgetImage(QWidget& widget, const QString& path);

// Asks where to save a picture, offering `suggested`: PNG or SVG, PNG when the name has no
// ending. Empty when the user cancelled.
QString AskImagePath(FileDialogs& dialogs, QWidget* parent, const QString& suggested);

}  // namespace vardolin::forms
