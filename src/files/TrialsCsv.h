// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "analysis/AnalysisDescription.h"
#include "analysis/ExportTable.h"
#include "analysis/OutOfRangeDraws.h"
#include "fields/FieldTexts.h"
#include "fields/UnitSystem.h"
#include "sampling/SamplingRecord.h"

namespace vardolin {

// Trial factors as comma-separated values a spreadsheet opens as they are (RFC 4180: a value
// with a comma, a quote or a line break is quoted). Factors are written with the fewest digits
// that read back as the same double, always with a point.

// One analysis's run for a report: a header of "key,text" rows (the analysis, the unit system of
// a model that chooses one ("units,si-kpa", as a model file names it), every input, the
// three result texts and the analysis's other results as the form shows them, every sampling
// choice of the record as "sampling.KEY,TEXT", and "trials_out_of_range_<parameter>,count" for each
// count given), then each of the analysis's own tables after an empty row and its name, then an
// empty row and one row per trial: "trial,factor_of_safety,failed" with failed "yes" for a factor
// below 1.
std::string ResultsCsv(const AnalysisDescription& analysis, const FieldTexts& fields,
                       std::span<const double> factors,
                       std::span<const OutOfRangeCount> outOfRange = {},
                       std::span<const ExportTable> tables = {},
                       std::span<const SamplingChoiceText> sampling = {},
                       std::optional<UnitSystem> units = std::nullopt);

// A batch's trials file starts with the sampling choices of each model's run in full, one a
// row under this header ("CHOICE,TEXT" is what --set sampling.CHOICE=TEXT takes), then an empty
// row, then the trial rows under their header.
inline constexpr std::string_view kSamplingRowsHeader = "model,sampling_choice,text\r\n";
std::string SamplingRowsCsv(std::string_view model, std::span<const SamplingChoiceText> record);

// The header row of TrialRowsCsv.
inline constexpr std::string_view kTrialRowsHeader = "model,trial,factor_of_safety,failed\r\n";

// The trials of one model of a batch, each row starting with the model's name.
std::string TrialRowsCsv(std::string_view model, std::span<const double> factors);

// One CSV value, quoted if it needs to be.
std::string CsvValue(std::string_view text);

}  // namespace vardolin
