// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QSize>
#include <QString>
#include <QStringList>
#include <cmath>
#include <vector>

namespace vardolin::testing_support {

// A paint device that keeps what is drawn on it rather than pixels: each text with its font's
// family, and each shape's points with the brush it was filled with. A test reads a plot's words
// and colours from it, and checks that every coordinate is a finite number.
class PaintRecording final : public QPaintDevice {
public:
    struct Shape {
        QColor brush;  // invalid: not filled
        std::vector<QPointF> points;
    };

    explicit PaintRecording(QSize size) : size_(size) {}

    QPaintEngine* paintEngine() const override { return &engine_; }

    const QStringList& texts() const { return engine_.texts; }
    const QStringList& families() const { return engine_.families; }
    const std::vector<Shape>& shapes() const { return engine_.shapes; }

    // The shapes filled with `colour`.
    int FilledWith(const QColor& colour) const {
        int count = 0;
        for (const Shape& shape : engine_.shapes) {
            count += shape.brush == colour ? 1 : 0;
        }
        return count;
    }

    // Whether every point of every shape is finite.
    bool AllFinite() const {
        for (const Shape& shape : engine_.shapes) {
            for (const QPointF& point : shape.points) {
                if (!std::isfinite(point.x()) || !std::isfinite(point.y())) {
                    return false;
                }
            }
        }
        return true;
    }

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
            case PdmWidth:
                return size_.width();
            case PdmHeight:
                return size_.height();
            case PdmWidthMM:
                return size_.width() * 254 / 960;
            case PdmHeightMM:
                return size_.height() * 254 / 960;
            case PdmNumColors:
                return 0x7FFFFFFF;
            case PdmDepth:
                return 32;
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return 96;
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return static_cast<int>(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    // Takes every feature, so the painter hands it each shape and text as drawn.
    class Engine final : public QPaintEngine {
    public:
        Engine() : QPaintEngine(QPaintEngine::AllFeatures) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        Type type() const override { return QPaintEngine::User; }
        void updateState(const QPaintEngineState& changed) override {
            if (changed.state() & QPaintEngine::DirtyBrush) {
                brush = changed.brush();
            }
        }
        void drawPath(const QPainterPath& path) override {
            Shape shape{Filled(), {}};
            for (int i = 0; i < path.elementCount(); ++i) {
                shape.points.emplace_back(path.elementAt(i).x, path.elementAt(i).y);
            }
            shapes.push_back(std::move(shape));
        }
        void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
            shapes.push_back({mode == PolylineMode ? QColor() : Filled(),
                              std::vector<QPointF>(points, points + count)});
        }
        void drawPixmap(const QRectF& r, const QPixmap&, const QRectF&) override {
            shapes.push_back({QColor(), {r.topLeft(), r.bottomRight()}});
        }
        void drawTextItem(const QPointF& at, const QTextItem& item) override {
            texts.append(item.text());
            families.append(item.font().family());
            shapes.push_back({QColor(), {at}});
        }

        QColor Filled() const { return brush.style() == Qt::NoBrush ? QColor() : brush.color(); }

        QBrush brush;
        QStringList texts;
        QStringList families;
        std::vector<Shape> shapes;
    };

    QSize size_;
    mutable Engine engine_;
};

}  // namespace vardolin::testing_support
