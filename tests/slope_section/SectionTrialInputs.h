// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <utility>
#include <variant>

#include "analysis/AnalysisDescription.h"
#include "fields/FieldTextMap.h"
#include "slope_section/SectionInputReader.h"

namespace vardolin::section::examples {

// The section's inputs as a description holds them, enough for their default texts.
inline constexpr AnalysisDescription kSectionInputsOnly{
    .id = kSectionAnalysisId,
    .formName = "SlopeSection",
    .caption = "Slope Section",
    .fields = kSectionFields,
    .run = [](FieldTexts&, AnalysisContext&) { return RunOutcome::Stopped(); },
    .messages = {},
    .tables = kSectionTables,
    .choosesUnits = true,
    .unnamedFileUnits = UnitSystem::SiKilopascal,
};

// ThreeSoils() (SectionExamples.h) read from its texts, with a deviation on every value a soil
// draws but the sand's c (which draws 0 every trial): eight uncertain inputs, Bishop first, 30
// slices. `fillCohesionSd` is the fill's c SD. Empty inputs if the texts are refused.
inline SectionInputs ThreeSoilTrialInputs(const std::string& fillCohesionSd = "1") {
    FieldTextMap texts = DefaultTexts(kSectionInputsOnly);
    texts.setText(SoilsTable, R"([["Fill","Mohr-Coulomb","5",")" + fillCohesionSd +
                                  R"(","30","2","19","0.5","0"],)"
                                  R"(["Clay","Undrained","40","8","0","0","18","0.4","0"],)"
                                  R"(["Sand","Mohr-Coulomb","0","0","35","3","20","0.5","0"]])");
    texts.setText(LayersTable, R"([["Fill"],["Clay"],["Sand"]])");
    texts.setText(BoundariesTable,
                  R"([["1","0","15"],["1","60","5"],["2","0","8"],["2","60","4"]])");
    texts.setText(WaterModelField, "piezometric");
    texts.setText(WaterUnitWeight, "9.81");
    texts.setText(PiezometricTable, R"([["0","16"],["30","12"],["45","11"],["60","11"]])");
    texts.setText(HorizontalSeismic, "0.1");
    texts.setText(SliceCount, "30");
    SectionRead read = ReadSectionInputs(texts, {});
    if (std::holds_alternative<SectionInputFault>(read)) {
        return {};
    }
    return std::get<SectionInputs>(std::move(read));
}

}  // namespace vardolin::section::examples
