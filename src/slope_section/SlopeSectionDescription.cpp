// SPDX-License-Identifier: MIT
#include "slope_section/SlopeSectionDescription.h"

#include <array>
#include <cctype>
#include <string>

#include "analysis/KeptTables.h"
#include "fields/TableText.h"
#include "files/ShortestText.h"
#include "slope_section/SectionInputReader.h"
#include "slope_section/SectionInputs.h"
#include "slope_section/SectionKeptTables.h"
#include "slope_section/SectionMessages.h"
#include "slope_section/SectionSearch.h"
#include "slope_section/SlopeSectionRun.h"

namespace vardolin {

namespace {

using namespace section;

constexpr std::array<std::string_view, 27> kMessages{
    messages::kCountNotAboveOne,
    messages::kCountAboveLimit,
    messages::kSearchUnknown,
    messages::kCentresOutOfRange,
    messages::kRadiiOutOfRange,
    messages::kTooManySlices,
    messages::kOwnCirclesUnknown,
    messages::kOverallSlopeUnknown,
    messages::kSurfacesOutOfRange,
    messages::kOverallNeedsSearch,
    messages::kMinimumFactorNotAboveZero,
    messages::kMaximumPercentageOutOfRange,
    messages::kNoFace,
    messages::kNoUsableCircle,
    messages::kGivenCircleNoMass,
    messages::kGivenCircleNoFactor,
    messages::kGivenSurfaceNoMass,
    messages::kGivenSurfaceNoFactor,
    messages::kNoUsableTrial,
    messages::kVerdicts[0],
    messages::kVerdicts[1],
    messages::kVerdicts[2],
    messages::kVerdicts[3],
    messages::kVerdicts[4],
    messages::kVerdicts[5],
    messages::kVerdicts[6],
    messages::kVerdicts[7],
};

// The values, each after a comma.
std::string Cells(std::initializer_list<double> values) {
    std::string cells;
    for (const double value : values) {
        cells += ',' + ShortestText(value);
    }
    return cells;
}

// The slice's soils by name from the top down, as one CSV cell: quoted where a name holds a
// comma, a quote or a line break.
std::string SoilsCell(const std::vector<int>& soils, const std::vector<std::string>& names) {
    std::string cell;
    for (const int soil : soils) {
        const auto row = static_cast<std::size_t>(soil);
        cell += (cell.empty() ? "" : " + ") +
                (row < names.size() ? names[row] : std::to_string(soil + 1));
    }
    if (cell.find_first_of(",\"\r\n") == std::string::npos) {
        return cell;
    }
    std::string quoted = "\"";
    for (const char c : cell) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return quoted + '"';
}

std::string FlagsText(const MethodResult& result) {
    std::string flags;
    for (unsigned bit = 1; bit != 0 && bit <= result.flags; bit <<= 1) {
        if ((result.flags & bit) != 0) {
            flags +=
                (flags.empty() ? "" : "; ") + std::string(FlagName(static_cast<MethodFlag>(bit)));
        }
    }
    return flags;
}

// Each chosen method on the critical circle, then each one's slices at the averages.
ExportTables SectionTables(KeptTables& kept) {
    const auto& tables = kept.Of<SectionKeptTables>();
    ExportTables out;
    if (!tables.hasSurface) {
        return out;
    }
    const std::string surfaceName = tables.polyline.empty() ? "critical circle" : "given surface";
    ExportTable methods{"section_methods",
                        "method,factor,lambda,correction,smallest_m_alpha,flags\r\n",
                        "Methods on the " + surfaceName + " at the averages"};
    for (const KeptMethod& method : tables.methods) {
        const MethodResult& r = method.result;
        methods.csv += std::string(kSectionMethods[static_cast<std::size_t>(method.method)].key) +
                       ',' + (r.solved() ? ShortestText(r.factor) : std::string()) + ',' +
                       ShortestText(r.lambda) + ',' + ShortestText(r.correction) + ',' +
                       ShortestText(r.smallestMAlpha) + ",\"" + FlagsText(r) + "\"\r\n";
    }
    out.push_back(std::move(methods));
    if (!tables.polyline.empty()) {
        ExportTable surface{"section_surface", "x,y\r\n", "The given slip surface"};
        for (const SectionPoint& point : tables.polyline) {
            surface.csv += ShortestText(point.x) + ',' + ShortestText(point.y) + "\r\n";
        }
        out.push_back(std::move(surface));
    }
    if (!tables.ownCircles.empty()) {
        ExportTable own{"section_own_circles", "method,centre_x,centre_y,radius,factor\r\n",
                        "Each method's own critical circle"};
        for (const OwnCircle& circle : tables.ownCircles) {
            own.csv += std::string(kSectionMethods[static_cast<std::size_t>(circle.method)].key) +
                       (circle.found ? Cells({circle.circle.centreX, circle.circle.centreY,
                                              circle.circle.radius, circle.factor})
                                     : std::string(",,,,")) +
                       "\r\n";
        }
        out.push_back(std::move(own));
    }
    for (const KeptMethod& method : tables.methods) {
        const std::string_view key = kSectionMethods[static_cast<std::size_t>(method.method)].key;
        ExportTable slices{
            "section_slices_" + std::string(key),
            "slice,x,width,soils,weight,base_angle,base_length,pore_pressure,"
            "normal,shear,interslice_normal,interslice_shear,strength\r\n",
            method.method == tables.methods.front().method
                ? "Slices of the " + surfaceName + " by " + std::string(MethodName(method.method))
                : std::string()};
        int number = 0;
        for (const SliceRow& s : method.rows) {
            slices.csv += std::to_string(++number) + Cells({s.x, s.width}) + ',' +
                          SoilsCell(s.soils, tables.soilNames) +
                          Cells({s.weight, s.baseAngle, s.baseLength, s.porePressure, s.normal,
                                 s.shear, s.interNormal, s.interShear, s.strength}) +
                          "\r\n";
        }
        out.push_back(std::move(slices));
    }
    return out;
}

std::string SectionMethodStatement(const FieldTexts& fields, UnitSystem units) {
    const auto text = [&](int field) { return fields.text(field); };
    const bool given =
        !text(GivenCentreX).empty() || !text(GivenCentreY).empty() || !text(GivenRadius).empty();
    const std::optional<TableRows> polyline = ParseTableText(text(GivenSurfaceTable));
    const bool givenPolyline = polyline && !polyline->empty() && !given;
    const std::string surface = givenPolyline ? "surface" : "circle";
    const std::string length = " " + std::string(UnitOf(Quantity::Length, units));
    std::string statement =
        "Limit equilibrium of a layered section on " +
        std::string(givenPolyline ? "a polyline slip surface" : "circular slip surfaces") +
        " by the methods " + text(Methods) + ". The sliding mass is cut into about " +
        text(SliceCount) +
        " slices, with a slice boundary at every point of the section's lines and every "
        "crossing of them with the " +
        surface +
        ", so that no slice base spans two soils; each slice's "
        "weight is the exact area of each soil in it times that soil's unit weight. Each "
        "method's factor is iterated until a step changes it by at most " +
        ShortestText(kFactorTolerance) + " of itself; a factor on a slice with m_alpha below " +
        ShortestText(kMinimumMAlpha) + " is not trusted. ";
    if (givenPolyline) {
        statement += "The surface checked is the given polyline of " +
                     std::to_string(polyline->size()) +
                     " points; the methods that take moments "
                     "take them about " +
                     (text(MomentPointX).empty() && text(MomentPointY).empty()
                          ? std::string("the centre of the circle through its ends and its "
                                        "lowest point")
                          : "(" + text(MomentPointX) + ", " + text(MomentPointY) + ")" + length) +
                     ". ";
    } else if (given) {
        statement += "The circle checked is the given one: centre (" + text(GivenCentreX) + ", " +
                     text(GivenCentreY) + ")" + length + ", radius " + text(GivenRadius) + length +
                     ". ";
    } else {
        statement += "The critical circle, of lowest factor by the first method, is searched (" +
                     text(SearchKindField) + ", " + text(CentresPerSide) +
                     " centres or points per side, " + text(RadiiPerCentre) +
                     " radii each, placed from the section's face and widened while the lowest "
                     "circle lies on the edge), then refined by a pattern search. ";
    }
    statement += "The probability of failure is the share of " + text(TrialCount) +
                 " Monte Carlo trials on that " + surface +
                 " whose factor by the first method is below "
                 "1; each trial draws every soil's c, φ and γ with the sampling choices listed.";
    std::string overall;
    for (const char c : text(OverallSlope)) {
        if (c != ' ') {
            overall += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    if (!given && !givenPolyline && overall == "yes") {
        statement +=
            " For the overall slope each trial also finds its own lowest surface: it refines, "
            "with its own soils, from each of the search's " +
            text(SurfacesPerTrial) +
            " lowest distinct surfaces (the critical one first; centres or radii at least " +
            ShortestText(section::kDistinctShare) +
            " of the slope's height apart), and its overall factor is the lower of that and its "
            "factor on the critical surface.";
    }
    return statement;
}

// The unit weight of water as each system takes it.
constexpr std::array<SystemDefault, 1> kSystemDefaults{{
    {WaterUnitWeight, "9810", "9.81", "62.4"},
}};

constexpr AnalysisDescription kSlopeSection{
    .id = kSectionAnalysisId,
    .formName = "SlopeSection",
    .caption = "Slope Section",
    .fields = kSectionFields,
    .run = RunSlopeSection,
    .messages = kMessages,
    .exportTables = SectionTables,
    .tables = kSectionTables,
    .methodStatement = SectionMethodStatement,
    .drawsDiagram = true,
    .choosesUnits = true,
    // A section is typed in any consistent set of units; a file that names none is labelled in
    // the default system's, whose figures its defaults are.
    .unnamedFileUnits = UnitSystem::SiKilopascal,
    .systemDefaults = kSystemDefaults,
    .splittable = true,
    .tableSampledInputs = SoilSampledInputs,
};

}  // namespace

const AnalysisDescription& SlopeSection() {
    return kSlopeSection;
}

}  // namespace vardolin
