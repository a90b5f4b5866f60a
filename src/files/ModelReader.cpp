// SPDX-License-Identifier: MIT
#include "files/ModelReader.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <nlohmann/json.hpp>
#include <set>
#include <utility>

#include "analysis/SampledNames.h"
#include "files/ShortestText.h"
#include "sampling/SamplingKeys.h"

namespace vardolin {

namespace {

using nlohmann::json;

// The deepest a model nests: the top object, inputs, a table, its rows, a cell.
constexpr int kMaxDepth = 4;
constexpr std::uint32_t kUniformStates = 1u << 24;

class Reader {
public:
    Reader(std::string_view fileName, const AnalysisCatalogue& catalogue,
           const ModelReadOptions& options)
        : fileName_(fileName), catalogue_(catalogue), options_(options) {}

    [[noreturn]] void Refuse(const std::string& why) const {
        throw ModelFileError(fileName_ + ": " + why);
    }

    json Parse(std::string_view bytes) const {
        if (bytes.size() > kMaxModelFileBytes) {
            Refuse("larger than 32 MB, which no model file is");
        }
        // Repeated keys would otherwise keep the last silently; too deep a nesting is no model.
        std::vector<std::set<std::string>> openObjects;
        const json::parser_callback_t watch = [&](int depth, json::parse_event_t event,
                                                  json& parsed) {
            if (depth > kMaxDepth) {
                Refuse("nested deeper than any model file");
            }
            switch (event) {
                case json::parse_event_t::object_start:
                    openObjects.emplace_back();
                    break;
                case json::parse_event_t::object_end:
                    openObjects.pop_back();
                    break;
                case json::parse_event_t::key:
                    if (!openObjects.back().insert(parsed.get<std::string>()).second) {
                        Refuse("key \"" + parsed.get<std::string>() + "\" appears twice");
                    }
                    break;
                default:
                    break;
            }
            return true;
        };
        try {
            return json::parse(bytes.begin(), bytes.end(), watch);
        } catch (const json::parse_error& e) {
            Refuse("not a model file: no valid JSON at " + Position(bytes, e.byte) + Detail(e));
        } catch (const json::out_of_range&) {
            Refuse("a number beyond the range of doubles");
        }
    }

    Model Take(const json& root, std::vector<std::string>& notes) const {
        if (!root.is_object()) {
            Refuse("not a model file: no JSON object at the top");
        }
        for (const auto& [key, value] : root.items()) {
            if (key != "format_version" && key != "program_version" && key != "analysis" &&
                key != "inputs" && key != "last_run" && key != "sampling" && key != "report" &&
                key != "units") {
                Refuse("unknown key \"" + key + "\"");
            }
        }
        CheckFormat(root);
        Model model;
        model.analysis = Analysis(root);
        if (const auto version = root.find("program_version"); version != root.end()) {
            model.programVersion = Text(*version, "program_version");
        }
        const auto inputs = root.find("inputs");
        if (inputs == root.end()) {
            Refuse("no \"inputs\"");
        }
        model.units = Units(root, *model.analysis);
        model.inputs = Inputs(*inputs, *model.analysis, root.at("format_version").get<long long>(),
                              model.units, notes);
        if (const auto run = root.find("last_run"); run != root.end() && !run->is_null()) {
            model.lastRun = LastRun(*run, *model.analysis);
        }
        if (const auto sampling = root.find("sampling"); sampling != root.end()) {
            if (root.at("format_version").get<long long>() < 2) {
                Refuse("\"sampling\" needs model format 2");
            }
            model.sampling = Sampling(*sampling, model);
        }
        if (const auto report = root.find("report"); report != root.end()) {
            if (root.at("format_version").get<long long>() < 2) {
                Refuse("\"report\" needs model format 2");
            }
            model.report = Report(*report);
        }
        return model;
    }

private:
    // "line 3, column 14" of byte `at` (1-based, as the parser counts it).
    static std::string Position(std::string_view bytes, std::size_t at) {
        std::size_t line = 1;
        std::size_t column = 1;
        for (std::size_t i = 0; i + 1 < at && i < bytes.size(); ++i) {
            if (bytes[i] == '\n') {
                ++line;
                column = 1;
            } else {
                ++column;
            }
        }
        return "line " + std::to_string(line) + ", column " + std::to_string(column);
    }

    // The parser's own words on what it found ("; unexpected '}'"), without its prefix.
    static std::string Detail(const json::parse_error& e) {
        const std::string what = e.what();
        const std::size_t column = what.find("column ");
        const std::size_t colon = what.find(": ", column == std::string::npos ? 0 : column);
        if (colon == std::string::npos) {
            return {};
        }
        // What it last read may be the bytes of a broken character; they stay out.
        const std::size_t lastRead = what.find("; last read", colon);
        return "; " + what.substr(colon + 2, lastRead == std::string::npos ? std::string::npos
                                                                           : lastRead - colon - 2);
    }

    void CheckFormat(const json& root) const {
        const auto format = root.find("format_version");
        if (format == root.end()) {
            Refuse("not a model file: no \"format_version\"");
        }
        if (!format->is_number_integer() || format->get<long long>() < 1) {
            Refuse("\"format_version\" must be a whole number from 1 up");
        }
        if (format->get<long long>() > kModelFormatVersion) {
            Refuse("written in model format " + std::to_string(format->get<long long>()) +
                   " by a later version of the program; this one reads format " +
                   std::to_string(kModelFormatVersion));
        }
    }

    const AnalysisDescription* Analysis(const json& root) const {
        const auto found = root.find("analysis");
        if (found == root.end()) {
            Refuse("no \"analysis\"");
        }
        const std::string id = Text(*found, "analysis");
        const AnalysisDescription* analysis = catalogue_.FindById(id);
        if (analysis == nullptr) {
            Refuse("\"analysis\" is \"" + id + "\", which is no analysis of this program");
        }
        return analysis;
    }

    // The model's unit system; a file that names none is in the analysis's unnamedFileUnits
    // (Pa and N/m³, the units it was saved in, for most).
    UnitSystem Units(const json& root, const AnalysisDescription& analysis) const {
        const auto found = root.find("units");
        if (found == root.end()) {
            return analysis.unnamedFileUnits;
        }
        const std::string name = Text(*found, "units");
        const std::optional<UnitSystem> units = UnitSystemNamed(name);
        if (!units) {
            Refuse("\"units\" is \"" + name + "\", which is none of " + UnitSystemNames());
        }
        if (!analysis.choosesUnits && *units != UnitSystem::SiPascal) {
            Refuse("\"units\" is \"" + name + "\", but " + std::string(analysis.id) +
                   " models are in Pa and N/m³ only (si-pa)");
        }
        return *units;
    }

    std::map<std::string, std::string, std::less<>> Inputs(const json& object,
                                                           const AnalysisDescription& analysis,
                                                           long long format, UnitSystem units,
                                                           std::vector<std::string>& notes) const {
        if (!object.is_object()) {
            Refuse("\"inputs\" must be an object of texts");
        }
        for (const auto& [key, value] : object.items()) {
            const FieldFact* field = analysis.findKey(key);
            if (field == nullptr || !field->isInput()) {
                Refuse("\"inputs\" has the unknown key \"" + key + "\"");
            }
        }
        std::map<std::string, std::string, std::less<>> inputs;
        std::vector<std::string> missing;
        for (const FieldFact& field : analysis.fields) {
            if (!field.isInput()) {
                continue;
            }
            const std::string key(field.key);
            const TableInput* table = FindTableInput(analysis.tables, field.number);
            if (const auto found = object.find(key); found != object.end() && table != nullptr) {
                inputs.emplace(key, TableInputText(*found, *table, "inputs." + key, format, notes));
            } else if (found != object.end()) {
                inputs.emplace(key, InputText(*found, "inputs." + key, notes));
            } else if (const auto supplied = Supplied(analysis, key)) {
                inputs.emplace(key, supplied->text);
                notes.push_back(fileName_ + ": no \"" + key + "\"; \"" + supplied->text + "\" of " +
                                supplied->source + " is taken");
            } else {
                const std::string text = DefaultTextIn(analysis, field, units);
                inputs.emplace(key, text);
                missing.push_back(key);
                notes.push_back(fileName_ + ": no \"" + key + "\"; the form's default \"" + text +
                                "\" is taken");
            }
        }
        if (options_.strict && !missing.empty()) {
            const std::string more =
                missing.size() > 1 ? " and " + std::to_string(missing.size() - 1) + " more" : "";
            Refuse("\"inputs\" lacks \"" + missing.front() + "\"" + more +
                   "; every input must be given");
        }
        return inputs;
    }

    std::optional<SuppliedText> Supplied(const AnalysisDescription& analysis,
                                         const std::string& key) const {
        return options_.supply ? options_.supply(analysis, key) : std::nullopt;
    }

    // An input is the text typed; a number, as people write JSON by hand, stands for the
    // shortest text that reads back as the same double.
    std::string InputText(const json& value, const std::string& key,
                          std::vector<std::string>& notes) const {
        if (!value.is_number()) {
            if (!value.is_string()) {
                Refuse("\"" + key + "\" must be a text in quotes or a number");
            }
            return Text(value, key);
        }
        std::string text;
        if (value.is_number_unsigned()) {
            text = std::to_string(value.get<std::uint64_t>());
        } else if (value.is_number_integer()) {
            text = std::to_string(value.get<std::int64_t>());
        } else {
            text = ShortestText(value.get<double>());
        }
        notes.push_back(fileName_ + ": \"" + key + "\" is a number, not a text; \"" + text +
                        "\" is taken");
        return text;
    }

    // A table is a list of rows, each a list of as many cells as the table has columns, each
    // cell a text or a number as an input is.
    std::string TableInputText(const json& value, const TableInput& table, const std::string& key,
                               long long format, std::vector<std::string>& notes) const {
        if (!value.is_array()) {
            Refuse("\"" + key + "\" must be a list of rows, each a list of " +
                   std::to_string(table.columns.size()) + " texts");
        }
        if (format < kTableModelFormatVersion) {
            Refuse("\"" + key + "\", a table, needs model format " +
                   std::to_string(kTableModelFormatVersion));
        }
        if (value.size() > kMaxTableRows) {
            Refuse("\"" + key + "\" has more than " + std::to_string(kMaxTableRows) + " rows");
        }
        TableRows rows;
        rows.reserve(value.size());
        for (const json& row : value) {
            const std::string at = key + "[" + std::to_string(rows.size()) + "]";
            if (!row.is_array() || row.size() != table.columns.size()) {
                Refuse("\"" + at + "\" must be a list of " + std::to_string(table.columns.size()) +
                       " texts, one per column");
            }
            auto& cells = rows.emplace_back();
            for (const json& cell : row) {
                cells.push_back(
                    InputText(cell, at + "[" + std::to_string(cells.size()) + "]", notes));
            }
        }
        return TableText(rows);
    }

    SavedRun LastRun(const json& run, const AnalysisDescription& analysis) const {
        if (!run.is_object()) {
            Refuse("\"last_run\" must be an object");
        }
        SavedRun saved;
        for (const auto& [key, value] : run.items()) {
            if (key == "uniform_state_at_start") {
                if (!value.is_number_unsigned() || value.get<std::uint64_t>() >= kUniformStates) {
                    Refuse("\"last_run.uniform_state_at_start\" must be a whole number from 0 to " +
                           std::to_string(kUniformStates - 1));
                }
                saved.uniformStateAtStart = value.get<std::uint32_t>();
            } else if (key == "results") {
                saved.results = Results(value, analysis);
            } else if (key == "trial_factors") {
                saved.trialFactors = Factors(value);
            } else {
                Refuse("\"last_run\" has the unknown key \"" + key + "\"");
            }
        }
        if (!run.contains("uniform_state_at_start")) {
            Refuse("\"last_run\" has no \"uniform_state_at_start\"");
        }
        return saved;
    }

    // The title block: texts under the keys of kReportDetailKeys, each one a field could hold.
    ReportDetails Report(const json& object) const {
        if (!object.is_object()) {
            Refuse("\"report\" must be an object");
        }
        ReportDetails details;
        for (const auto& [key, value] : object.items()) {
            std::string* text = ReportDetail(details, key);
            if (text == nullptr) {
                Refuse("unknown key \"report." + key + "\"");
            }
            *text = Text(value, "report." + key);
        }
        return details;
    }

    // The texts of the sampling keys, numbers as JSON writes them, then the whole checked.
    // The parameters it may name are those of the model's inputs, read before it.
    SamplingChoices Sampling(const json& object, const Model& model) const {
        if (!object.is_object()) {
            Refuse("\"sampling\" must be an object");
        }
        const SampledNames names(*model.analysis, FieldsOf(model));
        SamplingChoices choices;
        const auto set = [&](const std::string& key, const json& value) {
            std::string text;
            if (value.is_string()) {
                text = value.get<std::string>();
            } else if (value.is_number()) {
                text = value.is_number_float() ? SamplingNumberText(value.get<double>())
                                               : value.dump();
            } else if (!value.is_null()) {
                Refuse("\"sampling." + key + "\" must be a number or a text");
            }
            if (const auto why = SetSamplingChoice(choices, key, text, names.names())) {
                Refuse("\"sampling." + key + "\": " + *why);
            }
        };
        for (const auto& [key, value] : object.items()) {
            if (!value.is_object()) {
                set(key, value);
                continue;
            }
            for (const auto& [field, inner] : value.items()) {
                set(key + "." + field, inner);
            }
        }
        if (const auto why = WhyNotDrawable(choices)) {
            Refuse("\"sampling\": " + *why);
        }
        return choices;
    }

    std::map<std::string, std::string, std::less<>> Results(
        const json& object, const AnalysisDescription& analysis) const {
        if (!object.is_object()) {
            Refuse("\"last_run.results\" must be an object of texts");
        }
        std::map<std::string, std::string, std::less<>> results;
        for (const auto& [key, value] : object.items()) {
            const FieldFact* field = analysis.findKey(key);
            if (field == nullptr || field->isInput()) {
                Refuse("\"last_run.results\" has the unknown key \"" + key + "\"");
            }
            results.emplace(key, Text(value, "last_run.results." + key));
        }
        return results;
    }

    std::vector<double> Factors(const json& array) const {
        if (!array.is_array()) {
            Refuse("\"last_run.trial_factors\" must be a list of numbers");
        }
        if (array.size() > kMaxSavedTrialFactors) {
            Refuse("\"last_run.trial_factors\" has more factors than a run has trials");
        }
        std::vector<double> factors;
        factors.reserve(array.size());
        for (const json& value : array) {
            if (!value.is_number() || !std::isfinite(value.get<double>())) {
                Refuse("\"last_run.trial_factors[" + std::to_string(factors.size()) +
                       "]\" must be a finite number");
            }
            factors.push_back(value.get<double>());
        }
        return factors;
    }

    std::string Text(const json& value, const std::string& key) const {
        if (!value.is_string()) {
            Refuse("\"" + key + "\" must be a text in quotes");
        }
        const auto& text = value.get_ref<const std::string&>();
        if (const std::optional<std::string> why = WhyNotAFieldText(text)) {
            Refuse("\"" + key + "\" " + *why);
        }
        return text;
    }

    std::string fileName_;
    const AnalysisCatalogue& catalogue_;
    const ModelReadOptions& options_;
};

}  // namespace

ModelRead ReadModel(std::string_view bytes, std::string_view fileName,
                    const AnalysisCatalogue& catalogue, const ModelReadOptions& options) {
    const Reader reader(fileName, catalogue, options);
    const json root = reader.Parse(bytes);
    ModelRead read;
    read.model = reader.Take(root, read.notes);
    return read;
}

ModelRead ReadModelFile(const std::filesystem::path& path, const AnalysisCatalogue& catalogue,
                        const ModelReadOptions& options) {
    const std::string name = path.string();
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw ModelFileError(name + ": cannot be opened (" + std::strerror(errno) + ")");
    }
    // One byte more than allowed tells a file that is too large without reading all of it.
    std::string bytes(kMaxModelFileBytes + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) {
        throw ModelFileError(name + ": cannot be read");
    }
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return ReadModel(bytes, name, catalogue, options);
}

}  // namespace vardolin
