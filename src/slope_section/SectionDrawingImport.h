// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "numerics/NumberText.h"
#include "slope_section/SectionModel.h"

namespace vardolin::section {

// A drawing the import refuses. what() says why, naming the file or the layer at fault:
// "layer \"Clay\": its line crosses the ground".
class SectionDrawingError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The lines of one layer of a drawing, each as drawn (not yet oriented or checked).
struct DrawingLayer {
    std::string name;
    std::vector<std::vector<SectionPoint>> lines;
};

// The layers of a DXF drawing that hold lines, in the order their first line comes in the file:
// each LWPOLYLINE and POLYLINE a line through its vertices (a closed one back to its first;
// arcs of bulged vertices taken as their chords), each LINE a line of two points. x is the
// drawing's x, y its y; z, meshes and every other entity are left out.
struct SectionDrawing {
    std::vector<DrawingLayer> layers;
};

// The largest drawing file read: far beyond any section's.
inline constexpr std::uintmax_t kMaxDrawingFileBytes = 64u * 1024u * 1024u;

// Reads a DXF file with dxflib. Refused: a file that cannot be read or is larger than
// kMaxDrawingFileBytes.
SectionDrawing ReadSectionDrawing(const std::filesystem::path& path);

// Which layer gives which line of the section: the ground's, the boundaries' from boundary 1 on,
// and the piezometric line's (empty: none). Layers named nowhere are left out.
struct LayerMapping {
    std::string ground;
    std::vector<std::string> boundaries;
    std::string water;
};

// The mapping a drawing suggests by its layers' names: the ground a layer whose name holds
// "ground" or "surface" (case aside), else the highest one; the water a layer whose name holds
// "water" or "piezo"; every other layer a boundary, from the highest to the lowest by the mean
// height of its points.
LayerMapping SuggestLayerMapping(const SectionDrawing& drawing);

// The texts (TableText) of the ground, the boundaries and the piezometric line tables of
// SectionInputs.h.
struct SectionTableTexts {
    std::string ground;
    std::string boundaries;
    std::string water;
};

// A layer's lines as one line of the section: each line oriented left to right, and the lines
// taken from the left, each starting where the one before ended (a point they share once).
// Refused, naming the layer: no line, a line whose x does not grow strictly from point to
// point, lines that leave a gap or overlap, more than kMaxLinePoints points, a point beyond
// ±1e9 (no section is that large; nothing further on need guard against overflow).
std::vector<SectionPoint> LayerLine(const DrawingLayer& layer);

// The tables from the mapped layers, numbers written with the locale's separator. Refused, with
// nothing returned: no ground, a layer chosen twice, a mapped layer the drawing lacks, an unusable
// line (LayerLine), a boundary that crosses the ground or another boundary (from one side to the
// other; touching is allowed), more boundary points than the boundaries table takes.
SectionTableTexts ImportSectionTables(const SectionDrawing& drawing, const LayerMapping& mapping,
                                      const NumberLocale& locale);

}  // namespace vardolin::section
