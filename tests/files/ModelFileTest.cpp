// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "ConstantAnalysis.h"
#include "TestFolder.h"
#include "TestSupport.h"
#include "catalogue/ProgramCatalogue.h"
#include "critical_circle/CriticalCircleDescription.h"
#include "fields/FieldTextMap.h"
#include "files/ModelReader.h"
#include "files/ModelWriter.h"
#include "plane_failure/PlaneFailureDescription.h"
#include "plane_failure/PlaneFields.h"

namespace vardolin {
namespace {

using namespace plane;

// A valid plane-failure model with one input replaced by `replaced` (the text from "inputs" on).
std::string PlaneFile(const std::string& inputs = R"("slope_height": "20")",
                      const std::string& rest = "") {
    return R"({"format_version": 1, "analysis": "plane_failure", "inputs": {)" + inputs + "}" +
           rest + "}";
}

// A plane-failure model of format 2 with the given sampling object's members.
std::string SampledPlaneFile(const std::string& sampling) {
    return R"({"format_version": 2, "analysis": "plane_failure", "inputs": {}, "sampling": {)" +
           sampling + "}}";
}

// Choices all at their defaults keep the file in format 1, which older programs read; any other
// choice, a seed alone included, makes it format 2, and every choice reads back as written.
TEST(ModelFile, SamplingChoicesReadBackInTheFormatTheyNeed) {
    SamplingChoices seedOnly;
    seedOnly.seed = 123;
    SamplingChoices all;
    all.method = SamplingMethod::LatinHypercube;
    all.correlation = -0.1 - 0.2;
    all.Set("cohesion", {DistributionKind::Lognormal, 0.1 + 0.2, std::nullopt});
    all.Set("water_height", {DistributionKind::Triangular, -0.0, 1e300});
    for (const auto& [choices, format] :
         {std::pair{SamplingChoices{}, 1}, std::pair{seedOnly, 2}, std::pair{all, 2}}) {
        Model model = ModelFromFields(PlaneFailure(), DefaultTexts(PlaneFailure()));
        model.sampling = choices;
        const std::string bytes = WriteModel(model);
        EXPECT_NE(bytes.find("\"format_version\": " + std::to_string(format)), std::string::npos);
        EXPECT_EQ(bytes.find("sampling") != std::string::npos, format == 2);
        const ModelRead read = ReadModel(bytes, "m.vardolin", ProgramCatalogue());
        EXPECT_EQ(read.model.sampling, choices) << bytes;
    }
}

// An analysis that offers several pairs keeps the one chosen, and the first only by default.
TEST(ModelFile, ACorrelatedPairOtherThanTheFirstReadsBack) {
    Model model = ModelFromFields(CriticalCircle(), DefaultTexts(CriticalCircle()));
    model.sampling.correlation = 0.5;
    model.sampling.correlatedFirst = "unit_weight";
    model.sampling.correlatedSecond = "pore_ratio";
    const std::string bytes = WriteModel(model);
    EXPECT_NE(bytes.find(R"("correlated": "unit_weight,pore_ratio")"), std::string::npos) << bytes;
    EXPECT_EQ(ReadModel(bytes, "m.vardolin", ProgramCatalogue()).model.sampling, model.sampling);
}

// The title block of the report keeps the file in format 2 like a sampling choice; only the texts
// given are written, and every one reads back as written.
TEST(ModelFile, ReportDetailsReadBackInFormatTwo) {
    ReportDetails details;
    details.project = "Dam \"North\" \u00E9";
    details.checker = "A. Checker";
    for (const auto& [given, format] : {std::pair{ReportDetails{}, 1}, std::pair{details, 2}}) {
        Model model = ModelFromFields(PlaneFailure(), DefaultTexts(PlaneFailure()));
        model.report = given;
        const std::string bytes = WriteModel(model);
        EXPECT_NE(bytes.find("\"format_version\": " + std::to_string(format)), std::string::npos);
        EXPECT_EQ(bytes.find("\"report\"") != std::string::npos, format == 2);
        EXPECT_EQ(bytes.find("engineer"), std::string::npos);
        EXPECT_EQ(ReadModel(bytes, "m.vardolin", ProgramCatalogue()).model.report, given) << bytes;
    }
}

// What the reader must give back: every text exactly, however odd, and every factor to the bit.
// The longest run any analysis makes, with factors of the longest text, saves into a file that
// opens again.
TEST(ModelFile, LongestSavedRunReadsBack) {
    Model model = ModelFromFields(PlaneFailure(), DefaultTexts(PlaneFailure()));
    model.lastRun =
        SavedRunFromFields(PlaneFailure(), DefaultTexts(PlaneFailure()), 1,
                           std::vector<double>(kMaxSavedTrialFactors, -2.2250738585072014e-308));
    const std::string bytes = WriteModel(model);
    EXPECT_LT(bytes.size(), kMaxModelFileBytes);
    EXPECT_EQ(ReadModel(bytes, "m.vardolin", ProgramCatalogue()).model.lastRun->trialFactors.size(),
              kMaxSavedTrialFactors);
}

TEST(ModelFile, WrittenModelReadsBackUnchanged) {
    FieldTextMap typed = DefaultTexts(PlaneFailure());
    typed.setText(SlopeHeight, "1,5e");  // not yet a number: a file keeps it all the same
    typed.setText(CohesionStdDev, "");
    typed.setText(WaterHeightMean, "  ½ \"quoted\" \\ ");
    Model model = ModelFromFields(PlaneFailure(), typed);
    typed.setText(MessageField, "Block is not Stable");
    typed.setText(FailureProbability, "96.6");
    model.lastRun = SavedRunFromFields(PlaneFailure(), typed, 16777215,
                                       {0.1 + 0.2, 5e-324, 1.7976931348623157e308, -0.0});

    const ModelRead read = ReadModel(WriteModel(model), "m.vardolin", ProgramCatalogue());
    EXPECT_TRUE(read.notes.empty());
    EXPECT_EQ(read.model.analysis, &PlaneFailure());
    EXPECT_EQ(read.model.inputs, model.inputs);
    EXPECT_EQ(read.model.programVersion, ProgramVersion());
    ASSERT_TRUE(read.model.lastRun.has_value());
    EXPECT_EQ(read.model.lastRun->uniformStateAtStart, 16777215u);
    EXPECT_EQ(read.model.lastRun->results, model.lastRun->results);
    EXPECT_EQ(read.model.lastRun->results.at("message"), "Block is not Stable");
    EXPECT_EQ(read.model.lastRun->trialFactors, model.lastRun->trialFactors);
    EXPECT_EQ(read.model.inputs.at("slope_height"), "1,5e");
}

// A model of any analysis a catalogue holds goes through a file and back; a catalogue without
// that analysis refuses it.
TEST(ModelFile, ModelOfAnAnalysisOfTheCataloguesOwnReadsBackOnlyWithIt) {
    using testing_support::kConstantAnalysis;
    FieldTextMap typed = DefaultTexts(kConstantAnalysis);
    typed.setText(testing_support::kConstantCount, "7");
    const std::string bytes = WriteModel(ModelFromFields(kConstantAnalysis, typed));

    const ModelRead read =
        ReadModel(bytes, "c.vardolin", testing_support::CatalogueWithConstantAnalysis());
    EXPECT_EQ(read.model.analysis, &kConstantAnalysis);
    EXPECT_EQ(read.model.inputs.at("trial_count"), "7");
    EXPECT_THROW(ReadModel(bytes, "c.vardolin", ProgramCatalogue()), ModelFileError);
}

TEST(ModelFile, MissingInputTakesTheDefaultAndSaysSo) {
    const ModelRead read =
        ReadModel(PlaneFile(R"("slope_height": "35")"), "slope.vardolin", ProgramCatalogue());
    EXPECT_EQ(read.model.inputs.at("slope_height"), "35");
    EXPECT_EQ(read.model.inputs.at("cohesion_sd"), "200");
    EXPECT_EQ(read.model.inputs.size(), 14u);
    ASSERT_EQ(read.notes.size(), 13u);
    EXPECT_EQ(read.notes[0],
              "slope.vardolin: no \"slope_face_angle\"; the form's default \"60\" is taken");
}

// A number, as JSON written by hand has it, stands for its shortest text; the note says so.
TEST(ModelFile, NumberInputIsTakenAsItsShortestText) {
    for (const auto& [json, text] : std::initializer_list<std::pair<const char*, std::string>>{
             {"20", "20"}, {"20.0", "20"}, {"-3", "-3"}, {"0.1", "0.1"}, {"2.5e-7", "2.5e-07"}}) {
        const ModelRead read = ReadModel(PlaneFile(std::string(R"("slope_height": )") + json),
                                         "m.vardolin", ProgramCatalogue());
        EXPECT_EQ(read.model.inputs.at("slope_height"), text) << json;
        EXPECT_EQ(read.notes.front(),
                  "m.vardolin: \"inputs.slope_height\" is a number, not a text; \"" + text +
                      "\" is taken");
    }
}

struct BadFileRow {
    const char* name;
    std::string bytes;
    std::string message;  // after "bad.vardolin: "
};

class BadModelFile : public testing::TestWithParam<BadFileRow> {};

TEST_P(BadModelFile, IsRefusedWithAMessageNamingTheFileAndWhere) {
    try {
        ReadModel(GetParam().bytes, "bad.vardolin", ProgramCatalogue());
        FAIL() << "read";
    } catch (const ModelFileError& e) {
        EXPECT_EQ(std::string(e.what()), "bad.vardolin: " + GetParam().message);
    }
}

// `count` times `c`, with `separator` between them.
std::string Repeated(char c, std::size_t count, std::string_view separator = "") {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += (i == 0 ? "" : std::string(separator)) + c;
    }
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BadModelFile,
    testing::Values(
        BadFileRow{
            "Empty", "",
            "not a model file: no valid JSON at line 1, column 1; syntax error while parsing "
            "value - unexpected end of input; expected '[', '{', or a literal"},
        BadFileRow{
            "PlainText", "slope 20 m\n",
            "not a model file: no valid JSON at line 1, column 1; syntax error while parsing "
            "value - invalid literal"},
        BadFileRow{
            "CutShort", "{\"format_version\": 1,\n  \"inputs\": {\"slope_height\": ",
            "not a model file: no valid JSON at line 2, column 30; syntax error while parsing "
            "value - unexpected end of input; expected '[', '{', or a literal"},
        BadFileRow{
            "BrokenCharacter", PlaneFile("\"slope_height\": \"2\xff\""),
            "not a model file: no valid JSON at line 1, column 81; syntax error while parsing "
            "value - invalid string: ill-formed UTF-8 byte"},
        BadFileRow{"ListAtTheTop", "[1, 2]", "not a model file: no JSON object at the top"},
        BadFileRow{"OtherJson", R"({"name": "x"})", "unknown key \"name\""},
        BadFileRow{"NoFormat", R"({"analysis": "plane_failure", "inputs": {}})",
                   "not a model file: no \"format_version\""},
        BadFileRow{"LaterFormat", R"({"format_version": 4, "analysis": "plane_failure"})",
                   "written in model format 4 by a later version of the program; this one reads "
                   "format 3"},
        BadFileRow{"UnknownAnalysis", R"({"format_version": 1, "analysis": "toppling"})",
                   "\"analysis\" is \"toppling\", which is no analysis of this program"},
        BadFileRow{"NoInputs", R"({"format_version": 1, "analysis": "plane_failure"})",
                   "no \"inputs\""},
        BadFileRow{"MisspeltInput", PlaneFile(R"("cohesion_maen": "1")"),
                   "\"inputs\" has the unknown key \"cohesion_maen\""},
        BadFileRow{"ResultAmongInputs", PlaneFile(R"("message": "x")"),
                   "\"inputs\" has the unknown key \"message\""},
        BadFileRow{"TruthNotText", PlaneFile(R"("slope_height": true)"),
                   "\"inputs.slope_height\" must be a text in quotes or a number"},
        BadFileRow{"NumberAsAResult",
                   PlaneFile("", R"(, "last_run": {"uniform_state_at_start": 1, "results": )"
                                 R"({"mean_safety_factor": 0.7}})"),
                   "\"last_run.results.mean_safety_factor\" must be a text in quotes"},
        BadFileRow{"AbsurdlyLongText",
                   PlaneFile("\"slope_height\": \"" + Repeated('9', 1001) + "\""),
                   "\"inputs.slope_height\" is longer than 1000 characters"},
        BadFileRow{"LineBreakInText", PlaneFile(R"("slope_height": "2\n0")"),
                   "\"inputs.slope_height\" holds a control character"},
        BadFileRow{"DeleteInText",
                   PlaneFile("\"slope_height\": \"2\x7f"
                             "0\""),
                   "\"inputs.slope_height\" holds a control character"},
        BadFileRow{"RepeatedKey", PlaneFile(R"("slope_height": "20", "slope_height": "30")"),
                   "key \"slope_height\" appears twice"},
        BadFileRow{"TooDeep", PlaneFile(R"("slope_height": [[["20"]]])"),
                   "nested deeper than any model file"},
        BadFileRow{"HugeNumber", PlaneFile("", R"(, "last_run": {"trial_factors": [1e999]})"),
                   "a number beyond the range of doubles"},
        BadFileRow{"RunWithoutState", PlaneFile("", R"(, "last_run": {"trial_factors": []})"),
                   "\"last_run\" has no \"uniform_state_at_start\""},
        BadFileRow{"StateBeyondTheSequence",
                   PlaneFile("", R"(, "last_run": {"uniform_state_at_start": 16777216})"),
                   "\"last_run.uniform_state_at_start\" must be a whole number from 0 to 16777215"},
        BadFileRow{
            "FactorAsText",
            PlaneFile("",
                      R"(, "last_run": {"uniform_state_at_start": 1, "trial_factors": [1, "2"]})"),
            "\"last_run.trial_factors[1]\" must be a finite number"},
        BadFileRow{
            "InputAmongResults",
            PlaneFile(
                "",
                R"(, "last_run": {"uniform_state_at_start": 1, "results": {"slope_height": "1"}})"),
            "\"last_run.results\" has the unknown key \"slope_height\""},
        BadFileRow{
            "MoreFactorsThanTrials",
            PlaneFile("", R"(, "last_run": {"uniform_state_at_start": 1, "trial_factors": [)" +
                              Repeated('1', kMaxSavedTrialFactors + 1, ",") + "]}"),
            "\"last_run.trial_factors\" has more factors than a run has trials"},
        BadFileRow{"OverTheSizeLimit", PlaneFile() + Repeated(' ', kMaxModelFileBytes),
                   "larger than 32 MB, which no model file is"},
        BadFileRow{"SamplingInFormatOne", PlaneFile("", R"(, "sampling": {"seed": 1})"),
                   "\"sampling\" needs model format 2"},
        BadFileRow{"ReportInFormatOne", PlaneFile("", R"(, "report": {"project": "Dam"})"),
                   "\"report\" needs model format 2"},
        BadFileRow{"ReportNotAnObject", SampledPlaneFile("").insert(1, R"("report": "Dam", )"),
                   "\"report\" must be an object"},
        BadFileRow{"ReportUnknownKey",
                   SampledPlaneFile("").insert(1, R"("report": {"client": "Dam"}, )"),
                   "unknown key \"report.client\""},
        BadFileRow{"ReportNumber", SampledPlaneFile("").insert(1, R"("report": {"date": 2026}, )"),
                   "\"report.date\" must be a text in quotes"},
        BadFileRow{"BoundAsTruth", SampledPlaneFile(R"("cohesion": {"lower": true})"),
                   "\"sampling.cohesion.lower\" must be a number or a text"},
        BadFileRow{"PairNotOffered", SampledPlaneFile(R"("correlated": "cohesion,water_height")"),
                   "\"sampling.correlated\": \"cohesion,water_height\" is no pair offered for "
                   "correlation: cohesion,friction_angle"},
        BadFileRow{"UnknownUnits", PlaneFile("", R"(, "units": "mks")"),
                   "\"units\" is \"mks\", which is none of si-pa, si-kpa, us"},
        BadFileRow{"UnitsTheFormDoesNotChoose", PlaneFile("", R"(, "units": "si-kpa")"),
                   "\"units\" is \"si-kpa\", but plane_failure models are in Pa and N/m³ only "
                   "(si-pa)"},
        BadFileRow{"BoundsCrossed",
                   SampledPlaneFile(R"("water_height": {"lower": 3, "upper": 1.5})"),
                   "\"sampling\": water_height: the lower bound 3 is not below the upper bound "
                   "1.5"}),
    testing_support::RowName());

// A critical-circle model keeps its unit system in the optional key "units"; a file without
// it is in Pa and N/m³, and a missing input takes the default in the file's units. A
// plane-failure file writes no key.
TEST(ModelFile, UnitSystemReadsBackAndAFileWithoutItIsInPascals) {
    for (const UnitSystem units :
         {UnitSystem::SiPascal, UnitSystem::SiKilopascal, UnitSystem::UsCustomary}) {
        Model model = ModelFromFields(CriticalCircle(), DefaultTexts(CriticalCircle()));
        EXPECT_EQ(model.units, UnitSystem::SiKilopascal);
        // A bound converts with its parameter's average; an angle's stays.
        model.sampling.Set("cohesion", {DistributionKind::Normal, 5.0, std::nullopt});
        model.sampling.Set("friction_angle", {DistributionKind::Normal, 20.0, 40.0});
        ConvertModelUnits(model, units);
        const double pascals = units == UnitSystem::SiPascal      ? 5000.0
                               : units == UnitSystem::UsCustomary ? 104.42717117
                                                                  : 5.0;
        EXPECT_EQ(model.sampling.of("cohesion").lower, pascals);
        EXPECT_EQ(model.sampling.of("friction_angle").upper, 40.0);
        const std::string bytes = WriteModel(model);
        EXPECT_NE(bytes.find("\"units\": \"" + std::string(NameOf(units)) + "\""),
                  std::string::npos);
        const ModelRead read = ReadModel(bytes, "m.vardolin", ProgramCatalogue());
        EXPECT_EQ(read.model.units, units);
        EXPECT_EQ(read.model.inputs, model.inputs);
        // Back in kPa, every input reads as the default typed.
        Model back = read.model;
        ConvertModelUnits(back, UnitSystem::SiKilopascal);
        EXPECT_EQ(back.inputs,
                  ModelFromFields(CriticalCircle(), DefaultTexts(CriticalCircle())).inputs);
        EXPECT_EQ(back.sampling.of("cohesion").lower, 5.0);
    }
    const ModelRead old =
        ReadModel(R"({"format_version": 1, "analysis": "critical_circle", "inputs": {)"
                  R"("cohesion_mean": "10000"}})",
                  "old.vardolin", ProgramCatalogue());
    EXPECT_EQ(old.model.units, UnitSystem::SiPascal);
    EXPECT_EQ(old.model.inputs.at("cohesion_mean"), "10000");
    EXPECT_EQ(old.model.inputs.at("unit_weight_mean"), "18000");
    EXPECT_EQ(old.model.inputs.at("cohesion_sd"), "2000");
    EXPECT_EQ(
        WriteModel(ModelFromFields(PlaneFailure(), DefaultTexts(PlaneFailure()))).find("units"),
        std::string::npos);
}

TEST(ModelFile, FileOnDiskIsReadAndAMissingOneNamed) {
    const testing_support::TestFolder folder;
    const auto path = folder.path() / "slope.vardolin";
    std::ofstream(path) << PlaneFile();
    EXPECT_EQ(ReadModelFile(path, ProgramCatalogue()).model.inputs.at("slope_height"), "20");
    try {
        ReadModelFile(folder.path() / "none.vardolin", ProgramCatalogue());
        FAIL() << "read";
    } catch (const ModelFileError& e) {
        EXPECT_EQ(std::string(e.what()), (folder.path() / "none.vardolin").string() +
                                             ": cannot be opened (No such file or directory)");
    }
}

}  // namespace
}  // namespace vardolin
