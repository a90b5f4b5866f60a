// SPDX-License-Identifier: MIT
// Small DXF drawings for the tests of the section's import, written as a CAD program writes
// their entities: LWPOLYLINE, POLYLINE with its VERTEX entities, LINE.
#pragma once

#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace vardolin::testing_support {

using DxfPoints = std::vector<std::pair<double, double>>;

inline std::string DxfNumber(double value) {
    return std::to_string(value);
}

inline std::string DxfLwPolyline(const std::string& layer, const DxfPoints& points,
                                 bool closed = false) {
    std::string text = "0\nLWPOLYLINE\n8\n" + layer + "\n90\n" + std::to_string(points.size()) +
                       "\n70\n" + (closed ? "1" : "0") + "\n";
    for (const auto& [x, y] : points) {
        text += "10\n" + DxfNumber(x) + "\n20\n" + DxfNumber(y) + "\n";
    }
    return text;
}

inline std::string DxfPolyline(const std::string& layer, const DxfPoints& points) {
    std::string text = "0\nPOLYLINE\n8\n" + layer + "\n66\n1\n70\n0\n";
    for (const auto& [x, y] : points) {
        text += "0\nVERTEX\n8\n" + layer + "\n10\n" + DxfNumber(x) + "\n20\n" + DxfNumber(y) +
                "\n30\n0\n";
    }
    return text + "0\nSEQEND\n8\n" + layer + "\n";
}

inline std::string DxfLine(const std::string& layer, std::pair<double, double> from,
                           std::pair<double, double> to) {
    return "0\nLINE\n8\n" + layer + "\n10\n" + DxfNumber(from.first) + "\n20\n" +
           DxfNumber(from.second) + "\n30\n0\n11\n" + DxfNumber(to.first) + "\n21\n" +
           DxfNumber(to.second) + "\n31\n0\n";
}

// A drawing of the entities, in an ENTITIES section alone.
inline std::string DxfDrawing(const std::string& entities) {
    return "0\nSECTION\n2\nENTITIES\n" + entities + "0\nENDSEC\n0\nEOF\n";
}

inline void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

}  // namespace vardolin::testing_support
