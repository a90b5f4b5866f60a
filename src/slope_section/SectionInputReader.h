// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "analysis/NumberRange.h"
#include "analysis/TableSampledInputs.h"
#include "fields/FieldTexts.h"
#include "numerics/NumberText.h"
#include "numerics/UniformSequence.h"
#include "sampling/SampledParameter.h"
#include "sampling/SamplingChoices.h"
#include "sampling/TrialSampler.h"
#include "slope_section/SectionInputs.h"
#include "slope_section/SectionModel.h"
#include "slope_section/SlipSurface.h"

namespace vardolin::section {

// The values of a soil that a run draws.
enum class SoilParameter { Cohesion, FrictionAngle, UnitWeight };

// One uncertain value of one soil, read from its row of the soils table: c and γ of every soil
// but an impenetrable one, φ of a Mohr-Coulomb soil.
struct SoilUncertainInput {
    std::string key;       // "<soil>.cohesion", "<soil>.friction_angle", "<soil>.unit_weight"
    std::string label;     // "Clay: c", "Clay: φ", "Clay: γ"
    std::string unit;      // its column's unit, in the default system: "kPa", "degrees", "kN/m³"
    std::size_t soil = 0;  // its row of the soils, from 0
    SoilParameter parameter = SoilParameter::Cohesion;
    double mean = 0.0;
    double sd = 0.0;
    // Where a draw can lie: a trial outside counts as out of range.
    NumberRange range;
    std::string rangeMessage;  // "Clay: c must not be negative."
};

// The inputs of a section read from its form's texts: the section at the means and what a run
// draws around them.
struct SectionInputs {
    Section section;
    // In soil order, each soil's in the order c, φ, γ; at most kMaxUncertainInputs.
    std::vector<SoilUncertainInput> uncertain;
    // The places in `uncertain` of each Mohr-Coulomb soil's c and φ, whose correlation the
    // sampling choices may set.
    std::vector<std::pair<std::size_t, std::size_t>> correlated;
    int sliceCount = 0;
    std::vector<SectionMethod> methods;  // as listed, none twice; a search minimises the first
    std::optional<CircleSurface> givenCircle;
    std::optional<PolylineSurface> givenPolyline;  // never with a given circle
};

// Where the inputs cannot make a section, and why. `field` is the form's field at fault (a
// table or a plain field); `table` names it as the form does; `row` counts the table's rows
// from 1, 0 for the whole table or a plain field; `column` is a column's heading, empty for
// the whole row or table.
struct SectionInputFault {
    int field = 0;
    std::string table;
    int row = 0;
    std::string column;
    std::string message;

    // "Soils, row 2, c mean: c must not be negative."
    std::string Text() const;
    bool operator==(const SectionInputFault&) const = default;
};

using SectionRead = std::variant<SectionInputs, SectionInputFault>;

// Reads the section's fields (SectionInputs.h). The first fault found stops the reading:
// 1. the plain fields: the slice count, the methods, the water (and the head, for a
//    piezometric line), the crack, γw where the water or the crack's water needs it, kh, kv,
//    the given circle;
// 2. the tables in the order soils, ground, layers, boundaries, piezometric line (only with
//    that water), pressures, line loads: each one's cells and rows as TableProblems checks
//    them, then what it alone can tell (a model that is none of the three, a soil's name that
//    a sampling key cannot hold, boundaries not numbered 1, 2, … in order, a boundary of
//    fewer than two or more than kMaxLinePoints points, a layer without its boundary, a given
//    surface beside a given circle, of one point or with x not increasing, and its moment
//    point's x without its y or the other way round);
// 3. the section at the means, as CheckSection finds it (SectionCheck.h): the soils' ranges,
//    an unknown soil, points out of order, a boundary above the one over it, a piezometric
//    line outside the ground, a pressure's range, the crack; then a given surface with an end
//    under the ground (named by its row), or that cuts no single sliding mass from it.
// Nothing is drawn and nothing is written.
SectionRead ReadSectionInputs(const FieldTexts& fields, const NumberLocale& locale);

// The sampler of a run's trials over `inputs.uncertain`, in their order: each input drawn as the
// choices ask under its key, and the pair the choices name (by default the first soil's c and φ)
// correlated. It reads the inputs' keys, so `inputs` must outlive it. Bounds that leave no
// probability raise InvalidProcedureCall, as for any sampler.
TrialSampler SoilSampler(const SectionInputs& inputs, const SamplingChoices& choices, int trials,
                         UniformSequence& uniforms);

// The keys and labels of the uncertain inputs the soils table names, in the order a run draws
// them, and each Mohr-Coulomb soil's (c, φ) pair, read from each row's name and model alone, so
// that a model's sampling choices can be checked whatever its numbers. A row without a known
// model names none.
TableSampledInputs SoilSampledInputs(const FieldTexts& fields);

// Puts one trial's draws, in the order of `inputs`, into the section's soils.
void ApplyDraws(std::span<const SoilUncertainInput> inputs, std::span<const double> values,
                Section& section);

}  // namespace vardolin::section
