// SPDX-License-Identifier: MIT
#include "slope_section/SectionDrawingImport.h"

#include <dl_creationadapter.h>
#include <dl_dxf.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <system_error>

#include "fields/TableText.h"
#include "slope_section/SectionInputs.h"

namespace vardolin::section {

namespace {

// Collects the lines of the drawing by layer as dxflib hands its entities over.
class LineCollector final : public DL_CreationAdapter {
public:
    void addPolyline(const DL_PolylineData& data) override {
        Finish();
        // A polygon mesh or a polyface mesh is no line of a section.
        if ((data.flags & (16 | 64)) != 0) {
            return;
        }
        open_ = std::vector<SectionPoint>{};
        closed_ = (data.flags & 1) != 0;
        layer_ = attributes.getLayer();
    }
    void addVertex(const DL_VertexData& data) override {
        if (open_) {
            open_->push_back({data.x, data.y});
        }
    }
    void addLine(const DL_LineData& data) override {
        Finish();
        Layer(attributes.getLayer()).lines.push_back({{data.x1, data.y1}, {data.x2, data.y2}});
    }
    void endEntity() override { Finish(); }
    void endSequence() override { Finish(); }

    SectionDrawing Drawing() {
        Finish();
        return std::move(drawing_);
    }

private:
    void Finish() {
        if (!open_) {
            return;
        }
        std::vector<SectionPoint> points = std::move(*open_);
        open_.reset();
        if (closed_ && !points.empty()) {
            points.push_back(points.front());
        }
        if (!points.empty()) {
            Layer(layer_).lines.push_back(std::move(points));
        }
    }
    DrawingLayer& Layer(const std::string& name) {
        auto found = std::find_if(drawing_.layers.begin(), drawing_.layers.end(),
                                  [&](const DrawingLayer& layer) { return layer.name == name; });
        if (found == drawing_.layers.end()) {
            drawing_.layers.push_back({name, {}});
            return drawing_.layers.back();
        }
        return *found;
    }

    SectionDrawing drawing_;
    std::optional<std::vector<SectionPoint>> open_;
    bool closed_ = false;
    std::string layer_;
};

std::string Named(std::string_view layer) {
    return "layer \"" + std::string(layer) + "\"";
}

const DrawingLayer* FindLayer(const SectionDrawing& drawing, std::string_view name) {
    const auto found = std::find_if(drawing.layers.begin(), drawing.layers.end(),
                                    [&](const DrawingLayer& layer) { return layer.name == name; });
    return found == drawing.layers.end() ? nullptr : &*found;
}

std::string Lowered(std::string_view text) {
    std::string lowered(text);
    for (char& c : lowered) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lowered;
}

bool NameHolds(std::string_view name, std::initializer_list<std::string_view> words) {
    const std::string lowered = Lowered(name);
    return std::any_of(words.begin(), words.end(), [&](std::string_view word) {
        return lowered.find(word) != std::string::npos;
    });
}

double MeanHeight(const DrawingLayer& layer) {
    double sum = 0.0;
    std::size_t count = 0;
    for (const auto& line : layer.lines) {
        for (const SectionPoint& point : line) {
            sum += point.y;
            ++count;
        }
    }
    return count == 0 ? 0.0 : sum / static_cast<double>(count);
}

// The height of a line (x increasing) at x within its range.
double LevelAt(const std::vector<SectionPoint>& line, double x) {
    const auto right = std::lower_bound(line.begin(), line.end(), x,
                                        [](const SectionPoint& p, double at) { return p.x < at; });
    if (right == line.begin()) {
        return right->y;
    }
    if (right == line.end()) {
        return line.back().y;
    }
    const SectionPoint& left = *(right - 1);
    return left.y + (x - left.x) * (right->y - left.y) / (right->x - left.x);
}

// Whether two lines cross from one side to the other over the x both span: the difference of
// their heights, straight between the x of their points, takes both signs.
bool Cross(const std::vector<SectionPoint>& a, const std::vector<SectionPoint>& b) {
    const double low = std::max(a.front().x, b.front().x);
    const double high = std::min(a.back().x, b.back().x);
    if (!(low < high)) {
        return false;
    }
    std::vector<double> xs{low, high};
    for (const auto* line : {&a, &b}) {
        for (const SectionPoint& point : *line) {
            if (point.x > low && point.x < high) {
                xs.push_back(point.x);
            }
        }
    }
    bool above = false;
    bool below = false;
    for (const double x : xs) {
        const double difference = LevelAt(a, x) - LevelAt(b, x);
        above = above || difference > 0.0;
        below = below || difference < 0.0;
    }
    return above && below;
}

std::string PointsText(const std::vector<SectionPoint>& line, const NumberLocale& locale) {
    TableRows rows;
    for (const SectionPoint& point : line) {
        rows.push_back({DoubleToText(point.x, locale), DoubleToText(point.y, locale)});
    }
    return TableText(rows);
}

constexpr double kLargestCoordinate = 1e9;

}  // namespace

SectionDrawing ReadSectionDrawing(const std::filesystem::path& path) {
    const std::string name = path.filename().string();
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) {
        throw SectionDrawingError(name + ": the file cannot be read");
    }
    if (size > kMaxDrawingFileBytes) {
        throw SectionDrawingError(name + ": the file is larger than a section's drawing may be");
    }
    LineCollector collector;
    DL_Dxf dxf;
    bool read = false;
    try {
        read = dxf.in(path.string(), &collector);
    } catch (const std::exception&) {
        read = false;
    }
    if (!read) {
        throw SectionDrawingError(name + ": the file cannot be read as a DXF drawing");
    }
    SectionDrawing drawing = collector.Drawing();
    if (drawing.layers.empty()) {
        throw SectionDrawingError(name + ": the drawing holds no polyline or line");
    }
    return drawing;
}

LayerMapping SuggestLayerMapping(const SectionDrawing& drawing) {
    LayerMapping mapping;
    std::vector<const DrawingLayer*> rest;
    for (const DrawingLayer& layer : drawing.layers) {
        if (mapping.ground.empty() && NameHolds(layer.name, {"ground", "surface"})) {
            mapping.ground = layer.name;
        } else if (mapping.water.empty() && NameHolds(layer.name, {"water", "piezo"})) {
            mapping.water = layer.name;
        } else {
            rest.push_back(&layer);
        }
    }
    std::stable_sort(rest.begin(), rest.end(), [](const DrawingLayer* a, const DrawingLayer* b) {
        return MeanHeight(*a) > MeanHeight(*b);
    });
    for (const DrawingLayer* layer : rest) {
        if (mapping.ground.empty()) {
            mapping.ground = layer->name;
        } else {
            mapping.boundaries.push_back(layer->name);
        }
    }
    return mapping;
}

std::vector<SectionPoint> LayerLine(const DrawingLayer& layer) {
    std::vector<std::vector<SectionPoint>> lines;
    double scale = 1.0;
    for (std::vector<SectionPoint> line : layer.lines) {
        for (const SectionPoint& point : line) {
            if (!(std::abs(point.x) <= kLargestCoordinate &&
                  std::abs(point.y) <= kLargestCoordinate)) {
                throw SectionDrawingError(Named(layer.name) +
                                          ": a point lies beyond 1E+09 from the origin");
            }
            scale = std::max({scale, std::abs(point.x), std::abs(point.y)});
        }
        if (line.size() < 2) {
            continue;
        }
        if (line.front().x > line.back().x) {
            std::reverse(line.begin(), line.end());
        }
        for (std::size_t i = 1; i < line.size(); ++i) {
            if (!(line[i].x > line[i - 1].x)) {
                throw SectionDrawingError(
                    Named(layer.name) + ": a line turns back or runs straight up near x = " +
                    DoubleToText(line[i].x) + "; x must grow from point to point");
            }
        }
        lines.push_back(std::move(line));
    }
    if (lines.empty()) {
        throw SectionDrawingError(Named(layer.name) + ": no usable polyline (two points or more)");
    }
    std::stable_sort(lines.begin(), lines.end(),
                     [](const auto& a, const auto& b) { return a.front().x < b.front().x; });
    // Pieces drawn end to end meet at a point up to the drawing's rounding.
    const double tolerance = 1e-9 * scale;
    std::vector<SectionPoint> joined = lines.front();
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const SectionPoint& end = joined.back();
        const SectionPoint& start = lines[i].front();
        if (std::abs(start.x - end.x) > tolerance || std::abs(start.y - end.y) > tolerance) {
            throw SectionDrawingError(Named(layer.name) +
                                      ": its lines do not join end to end (at x = " +
                                      DoubleToText(end.x) + "); a layer gives one line");
        }
        joined.insert(joined.end(), lines[i].begin() + 1, lines[i].end());
        if (joined.size() > kMaxLinePoints) {
            break;
        }
    }
    if (joined.size() > kMaxLinePoints) {
        throw SectionDrawingError(Named(layer.name) + ": more than " +
                                  std::to_string(kMaxLinePoints) + " points");
    }
    return joined;
}

SectionTableTexts ImportSectionTables(const SectionDrawing& drawing, const LayerMapping& mapping,
                                      const NumberLocale& locale) {
    if (mapping.ground.empty()) {
        throw SectionDrawingError("No layer is chosen for the ground");
    }
    std::vector<std::string_view> chosen{mapping.ground};
    chosen.insert(chosen.end(), mapping.boundaries.begin(), mapping.boundaries.end());
    if (!mapping.water.empty()) {
        chosen.push_back(mapping.water);
    }
    for (std::size_t i = 1; i < chosen.size(); ++i) {
        if (std::find(chosen.begin(), chosen.begin() + static_cast<std::ptrdiff_t>(i), chosen[i]) !=
            chosen.begin() + static_cast<std::ptrdiff_t>(i)) {
            throw SectionDrawingError(Named(chosen[i]) + ": chosen for two lines");
        }
    }
    const auto line = [&](std::string_view name) {
        const DrawingLayer* layer = FindLayer(drawing, name);
        if (layer == nullptr) {
            throw SectionDrawingError(Named(name) + ": not in the drawing, or holds no line");
        }
        return LayerLine(*layer);
    };
    const std::vector<SectionPoint> ground = line(mapping.ground);
    std::vector<std::vector<SectionPoint>> boundaries;
    std::size_t boundaryPoints = 0;
    for (const std::string& name : mapping.boundaries) {
        std::vector<SectionPoint> boundary = line(name);
        if (Cross(boundary, ground)) {
            throw SectionDrawingError(Named(name) + ": its line crosses the ground");
        }
        for (std::size_t k = 0; k < boundaries.size(); ++k) {
            if (Cross(boundary, boundaries[k])) {
                throw SectionDrawingError(Named(name) + ": its line crosses that of " +
                                          Named(mapping.boundaries[k]));
            }
        }
        boundaryPoints += boundary.size();
        if (boundaryPoints > kMaxBoundaryRows) {
            throw SectionDrawingError(Named(name) + ": the boundaries hold more than " +
                                      std::to_string(kMaxBoundaryRows) + " points");
        }
        boundaries.push_back(std::move(boundary));
    }
    SectionTableTexts texts;
    texts.ground = PointsText(ground, locale);
    TableRows rows;
    for (std::size_t k = 0; k < boundaries.size(); ++k) {
        for (const SectionPoint& point : boundaries[k]) {
            rows.push_back({std::to_string(k + 1), DoubleToText(point.x, locale),
                            DoubleToText(point.y, locale)});
        }
    }
    texts.boundaries = TableText(rows);
    texts.water = mapping.water.empty() ? std::string() : PointsText(line(mapping.water), locale);
    return texts;
}

}  // namespace vardolin::section
