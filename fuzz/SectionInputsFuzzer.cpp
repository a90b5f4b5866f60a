// SPDX-License-Identifier: MIT
// The section's inputs read from arbitrary texts, one line per input field in field order (a
// table's text is its JSON on one line). Reading gives a fault that names a field, or a section
// that the engine's own check passes and that keeps within every bound; a given circle is then
// cut into slices, which must end.
#include <cstddef>
#include <cstdint>
#include <variant>
#include <vector>

#include "FuzzFields.h"
#include "slope_section/PreparedSection.h"
#include "slope_section/SectionCheck.h"
#include "slope_section/SectionInputReader.h"
#include "slope_section/SectionSlicer.h"

namespace {

using namespace vardolin;
using namespace vardolin::section;

const std::vector<int>& InputFields() {
    static const std::vector<int> fields = [] {
        std::vector<int> numbers;
        for (const FieldFact& fact : kSectionInputFields) {
            numbers.push_back(fact.number);
        }
        return numbers;
    }();
    return fields;
}

void CheckRead(const SectionInputs& inputs) {
    const Section& section = inputs.section;
    fuzz::Require(!CheckSection(section).has_value(), "a section read that its check refuses");
    fuzz::Require(inputs.uncertain.size() <= kMaxUncertainInputs, "too many uncertain inputs");
    fuzz::Require(section.soils.size() <= kMaxSoils, "too many soils");
    fuzz::Require(section.layers.size() <= kMaxLayers, "too many layers");
    for (const Layer& layer : section.layers) {
        fuzz::Require(layer.points.size() <= kMaxLinePoints, "a line of too many points");
    }
    fuzz::Require(section.water.piezometricLine.size() <= kMaxLinePoints,
                  "a piezometric line of too many points");
    fuzz::Require(inputs.sliceCount >= 1 && inputs.sliceCount <= kMaxSliceCount,
                  "a slice count out of bounds");
    fuzz::Require(!inputs.methods.empty() && inputs.methods.size() <= kSectionMethods.size(),
                  "no method, or one twice");
    for (const SoilUncertainInput& input : inputs.uncertain) {
        fuzz::Require(input.range.Contains(input.mean), "a mean outside its range");
        fuzz::Require(input.sd >= 0.0, "a negative SD");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FieldTextMap texts = fuzz::FieldsFrom(data, size, InputFields());
    const SectionRead read = ReadSectionInputs(texts, {});
    if (const auto* fault = std::get_if<SectionInputFault>(&read)) {
        fuzz::Require(fault->field != 0, "a fault that names no field");
        fuzz::Require(!fault->table.empty() && !fault->message.empty(), "a fault without words");
        return 0;
    }
    const SectionInputs& inputs = std::get<SectionInputs>(read);
    CheckRead(inputs);
    const PreparedSection prepared(inputs.section);
    if (inputs.givenCircle) {
        SectionSlicer slicer(prepared);
        SlicedMass mass;
        slicer.SliceCircle(*inputs.givenCircle, inputs.sliceCount, mass);
    }
    if (inputs.givenPolyline) {
        fuzz::Require(!inputs.givenCircle, "a polyline beside a given circle");
        fuzz::Require(
            LocatePolyline(prepared, inputs.givenPolyline->points).status == SurfaceStatus::Valid,
            "a given polyline read that cuts no single mass");
        SectionSlicer slicer(prepared);
        SlicedMass mass;
        slicer.SlicePolyline(inputs.givenPolyline->points, inputs.sliceCount, mass);
    }
    return 0;
}
