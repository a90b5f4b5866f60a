// SPDX-License-Identifier: MIT
// Any bytes given to the model reader give a model or a refusal that names the file; a model
// read is whole (every input of its analysis, every table input a table), and writing it and
// reading that back gives it again. The catalogue holds the tests' polyline beside the program's
// analyses, so that a table input's rows are read too.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzFields.h"
#include "TableAnalysis.h"
#include "catalogue/ProgramCatalogue.h"
#include "files/ModelReader.h"
#include "files/ModelWriter.h"

namespace {

using namespace vardolin;

void CheckWhole(const Model& model) {
    fuzz::Require(model.analysis != nullptr, "a model without its analysis");
    std::size_t inputs = 0;
    for (const FieldFact& field : model.analysis->fields) {
        if (field.isInput()) {
            ++inputs;
            fuzz::Require(model.inputs.count(field.key) == 1, "an input missing");
            if (FindTableInput(model.analysis->tables, field.number) != nullptr) {
                fuzz::Require(ParseTableText(model.inputs.at(std::string(field.key))).has_value(),
                              "a table input that is no table");
            }
        }
    }
    fuzz::Require(model.inputs.size() == inputs, "a key that is no input");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const AnalysisCatalogue catalogue = testing_support::CatalogueWithPolylineAnalysis();
    try {
        const ModelRead read = ReadModel(bytes, "fuzz.vardolin", catalogue);
        CheckWhole(read.model);
        const ModelRead again = ReadModel(WriteModel(read.model), "again.vardolin", catalogue);
        fuzz::Require(again.notes.empty(), "a written model lacks a key");
        fuzz::Require(again.model.inputs == read.model.inputs, "inputs changed on the way");
        fuzz::Require(again.model.sampling == read.model.sampling, "sampling changed on the way");
        fuzz::Require(again.model.lastRun.has_value() == read.model.lastRun.has_value(),
                      "the saved run got lost");
        if (read.model.lastRun) {
            fuzz::Require(again.model.lastRun->trialFactors == read.model.lastRun->trialFactors,
                          "factors changed on the way");
            fuzz::Require(again.model.lastRun->results == read.model.lastRun->results,
                          "results changed on the way");
        }
    } catch (const ModelFileError& e) {
        fuzz::Require(std::string_view(e.what()).starts_with("fuzz.vardolin: "),
                      "a refusal that does not name the file");
    }
    return 0;
}
