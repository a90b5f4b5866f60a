// SPDX-License-Identifier: MIT
#include "forms/WidgetImage.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QPainter>
#include <QPixmap>
#include <QSvgGenerator>
#include <QWidget>

#include "files/AtomicFile.h"
#include "forms/FileDialogs.h"

namespace vardolin::forms {

ImageFormat ImageFormatOf(const QString& path) {
    return QFileInfo(path).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0
               ? ImageFormat::Svg
               : ImageFormat::Png;
}

QByteArray RenderWidget(QWidget& widget, ImageFormat format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (format == ImageFormat::Png) {
        widget.grab().save(&buffer, "PNG");
        return bytes;
    }
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(widget.size());
    svg.setViewBox(widget.rect());
    svg.setTitle(widget.window()->windowTitle());
    QPainter painter(&svg);
    widget.render(&painter);
    painter.end();
    return bytes;
}

QString SaveWidgetImage(QWidget& widget, const QString& path) {
    const QByteArray bytes = RenderWidget(widget, ImageFormatOf(path));
    try {
        WriteFileAtomically(
            QFile::encodeName(path).toStdString(),
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    } catch (const FileWriteError& e) {
        return QString::fromUtf8(e.what());
    }
    return {};
}

QString AskImagePath(FileDialogs& dialogs, QWidget* parent, const QString& suggested) {
    const QString path = dialogs.SaveFileName(parent, QObject::tr("Save Image"), suggested,
                                              QObject::tr("PNG image (*.png);;SVG image (*.svg)"));
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty()) {
        return path;
    }
    return path + QStringLiteral(".png");
}

}  // namespace vardolin::forms
