// SPDX-License-Identifier: MIT
#include "files/TrialsCsv.h"

#include "files/ShortestText.h"

namespace vardolin {

namespace {

void AppendTrial(std::string& csv, int trial, double factor) {
    csv += std::to_string(trial);
    csv += ',';
    csv += ShortestText(factor);
    csv += factor < 1.0 ? ",yes\r\n" : ",no\r\n";
}

bool IsReportedResult(FieldRole role) {
    return role == FieldRole::FailurePercentage || role == FieldRole::MeanSafetyFactor ||
           role == FieldRole::Message || role == FieldRole::Result;
}

}  // namespace

std::string CsvValue(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    quoted += '"';
    return quoted;
}

std::string ResultsCsv(const AnalysisDescription& analysis, const FieldTexts& fields,
                       std::span<const double> factors, std::span<const OutOfRangeCount> outOfRange,
                       std::span<const ExportTable> tables,
                       std::span<const SamplingChoiceText> sampling,
                       std::optional<UnitSystem> units) {
    std::string csv = "analysis," + CsvValue(analysis.id) + "\r\n";
    if (units) {
        csv += "units," + std::string(NameOf(*units)) + "\r\n";
    }
    for (const FieldFact& field : analysis.fields) {
        if (field.isInput() || IsReportedResult(field.role)) {
            csv += CsvValue(field.key) + "," + CsvValue(fields.text(field.number)) + "\r\n";
        }
    }
    for (const SamplingChoiceText& choice : sampling) {
        csv += CsvValue("sampling." + choice.key) + "," + CsvValue(choice.text) + "\r\n";
    }
    for (const OutOfRangeCount& count : outOfRange) {
        csv += "trials_out_of_range_" + std::string(count.parameter) + "," +
               std::to_string(count.trials) + "\r\n";
    }
    for (const ExportTable& table : tables) {
        csv += "\r\n" + CsvValue(table.name) + "\r\n" + table.csv;
    }
    csv += "\r\ntrial,factor_of_safety,failed\r\n";
    int trial = 0;
    for (const double factor : factors) {
        AppendTrial(csv, ++trial, factor);
    }
    return csv;
}

std::string SamplingRowsCsv(std::string_view model, std::span<const SamplingChoiceText> record) {
    const std::string name = CsvValue(model) + ",";
    std::string csv;
    for (const SamplingChoiceText& choice : record) {
        csv += name + CsvValue(choice.key) + "," + CsvValue(choice.text) + "\r\n";
    }
    return csv;
}

std::string TrialRowsCsv(std::string_view model, std::span<const double> factors) {
    const std::string name = CsvValue(model) + ",";
    std::string csv;
    int trial = 0;
    for (const double factor : factors) {
        csv += name;
        AppendTrial(csv, ++trial, factor);
    }
    return csv;
}

}  // namespace vardolin
