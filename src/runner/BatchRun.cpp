// SPDX-License-Identifier: MIT
#include "runner/BatchRun.h"

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "analysis/FieldRun.h"
#include "analysis/KeptTables.h"
#include "files/AtomicFile.h"
#include "files/InputJson.h"
#include "files/Model.h"
#include "files/ModelReader.h"
#include "files/PartFile.h"
#include "files/TrialsCsv.h"
#include "numerics/RunTimeError.h"
#include "numerics/UniformSequence.h"
#include "runner/InputOverrides.h"
#include "runner/JsonFigures.h"
#include "runner/OutputChecks.h"
#include "runner/SavedRunCheck.h"
#include "sampling/SamplingKeys.h"
#include "sampling/SamplingRecord.h"
#include "statistics/TrialDistribution.h"

namespace vardolin::runner {

namespace {

using nlohmann::ordered_json;

struct Job {
    std::string file;
    Model model;
};

struct Ran {
    const Job* job;
    FieldTextMap fields;
    FieldRun run;
    bool skipped = false;  // --check, and the model keeps no run to check against
    std::optional<SavedRunCheck> check;

    std::span<const double> factors() const {
        if (run.outcome) {
            return run.outcome->trialFactors;
        }
        return {};
    }
};

std::vector<Job> ReadJobs(const RunnerOptions& options, const AnalysisCatalogue& catalogue,
                          InputOverrides& overrides, std::ostream& err) {
    ModelReadOptions readOptions;
    readOptions.strict = options.strict;
    readOptions.supply = [&overrides](const AnalysisDescription& analysis, std::string_view key) {
        return overrides.For(analysis, key);
    };
    std::vector<Job> jobs;
    for (const std::string& file : options.models) {
        ModelRead read = ReadModelFile(file, catalogue, readOptions);
        for (const std::string& note : read.notes) {
            err << "vardolin-run: " << note << '\n';
        }
        if (options.fromSavedState && !options.check && !read.model.lastRun) {
            throw ModelFileError(file + ": no saved run to take the sequence state from");
        }
        overrides.Apply(file, read.model);
        jobs.push_back({file, std::move(read.model)});
    }
    overrides.RequireEachApplied();
    return jobs;
}

// The run the part files make together, and its one job: the model as the parts ran it, named
// as they named it.
std::vector<Job> ReadMerge(const RunnerOptions& options, const AnalysisCatalogue& catalogue,
                           MergedParts& merged) {
    std::vector<PartFile> parts;
    for (const std::string& file : options.models) {
        parts.push_back(ReadPartFile(file));
    }
    merged = MergeParts(parts, ProgramVersion());
    std::vector<Job> jobs;
    jobs.push_back({merged.modelFile, ReadModel(merged.model, merged.modelFile, catalogue).model});
    return jobs;
}

// A model whose analysis cannot be split is refused before it runs.
void RequireSplittable(const Job& job) {
    const AnalysisDescription& analysis = *job.model.analysis;
    if (!analysis.splittable) {
        std::string refusal = job.file + ": the runs of " + std::string(analysis.id) + " (" +
                              analysis.caption + ") cannot be split into parts";
        if (!analysis.whyNotSplittable.empty()) {
            refusal += ": " + std::string(analysis.whyNotSplittable);
        }
        throw ModelFileError(refusal);
    }
}

// The window puts the focus in the field whose text stopped the run; the runner names it.
void NoteTheFieldInError(const Ran& ran, std::ostream& err) {
    const std::optional<RunTimeError>& error = ran.run.error;
    const FieldFact* field =
        error && error->field() ? ran.job->model.analysis->findField(*error->field()) : nullptr;
    if (field != nullptr) {
        err << "vardolin-run: " << ran.job->file << ": " << error->message() << " in the input "
            << field->key << " (\"" << ran.fields.text(field->number) << "\"): "
            << (error->code() == ErrorCode::TypeMismatch ? "a number is expected"
                                                         : "the number is out of range")
            << '\n';
    }
}

std::string Result(const Ran& ran, FieldRole role) {
    return ran.fields.text(ran.job->model.analysis->fieldWith(role).number);
}

void PrintText(const std::vector<Ran>& runs, std::ostream& out) {
    for (const Ran& ran : runs) {
        out << ran.job->file << '\t' << Result(ran, FieldRole::FailurePercentage) << '\t'
            << Result(ran, FieldRole::MeanSafetyFactor) << '\t' << Result(ran, FieldRole::Message)
            << '\n';
    }
}

// Like sha256sum --check: one line a model, and the differences, all on the standard output,
// which is what was asked for; the standard error stays for what kept the check from running.
void PrintCheck(const std::vector<Ran>& runs, std::ostream& out) {
    for (const Ran& ran : runs) {
        const std::string& file = ran.job->file;
        if (ran.skipped) {
            out << file << ": SKIPPED, no saved run\n";
            continue;
        }
        out << file << (ran.check->agrees() ? ": OK\n" : ": DIFFERS\n");
        for (const Difference& d : ran.check->differences) {
            out << file << ": " << d.what << ": saved \"" << d.saved << "\", run \"" << d.run
                << "\"\n";
        }
        if (ran.check->differingFactors > kShownFactors) {
            out << file << ": trial_factors: " << ran.check->differingFactors
                << " differ, the first " << kShownFactors << " shown\n";
        }
    }
}

// The number a result text shows, for a script that wants to compute with it; null when the
// text is no number (the results of a run that stopped before writing them).
ordered_json Number(const std::string& text, const NumberLocale& locale) {
    try {
        return TextToDouble(text, locale);
    } catch (const RunTimeError&) {
        return nullptr;
    }
}

ordered_json Trials(std::span<const double> factors) {
    if (factors.empty()) {
        return nullptr;
    }
    const TrialDistribution d = Describe(factors);
    ordered_json trials;
    trials["count"] = d.trials;
    trials["mean"] = d.mean;
    trials["standard_deviation"] = d.standardDeviation;
    trials["minimum"] = d.minimum;
    trials["maximum"] = d.maximum;
    trials["reliability_index"] =
        d.reliabilityIndex ? ordered_json(*d.reliabilityIndex) : ordered_json(nullptr);
    return trials;
}

ordered_json Check(const Ran& ran) {
    ordered_json check;
    if (ran.skipped) {
        check["status"] = "skipped";
        return check;
    }
    check["status"] = ran.check->agrees() ? "ok" : "differs";
    ordered_json differences = ordered_json::array();
    for (const Difference& d : ran.check->differences) {
        differences.push_back({{"what", d.what}, {"saved", d.saved}, {"run", d.run}});
    }
    check["differences"] = std::move(differences);
    check["differing_factors"] = ran.check->differingFactors;
    return check;
}

// The factors of a completed Monte Carlo run, the only ones that are a distribution.
const std::vector<double>* TrialFactors(const Ran& ran) {
    if (ran.run.outcome && ran.run.outcome->completed() && !ran.run.outcome->trialFactors.empty()) {
        return &ran.run.outcome->trialFactors;
    }
    return nullptr;
}

// The curves of a run's inputs as its model gave them; none for inputs they cannot take.
std::optional<Sensitivity> SensitivityOfModel(const Ran& ran, const AnalysisContext& context) {
    try {
        return SensitivityOf(*ran.job->model.analysis, FieldsOf(ran.job->model), context);
    } catch (const RunTimeError&) {
        return std::nullopt;
    } catch (const NoFactorAtMeans&) {
        return std::nullopt;
    }
}

std::vector<SamplingChoiceText> SamplingOf(const Model& model) {
    return SamplingRecordOf(*model.analysis, FieldsOf(model), model.sampling);
}

// Every sampling choice by its key: a number, a name, or null for none (no seed, no bound).
ordered_json SamplingJson(const Model& model) {
    ordered_json sampling = ordered_json::object();
    for (const SamplingChoiceText& choice : SamplingOf(model)) {
        if (choice.number) {
            // A whole number (the seed, a bound of 0) as one: 4242, not 4242.0.
            const double value = *choice.number;
            const bool whole = std::trunc(value) == value && std::fabs(value) < 0x1p53;
            sampling[choice.key] =
                whole ? ordered_json(static_cast<std::int64_t>(value)) : ordered_json(value);
        } else {
            sampling[choice.key] =
                choice.text.empty() ? ordered_json(nullptr) : ordered_json(choice.text);
        }
    }
    return sampling;
}

void PrintJson(const std::vector<Ran>& runs, const AnalysisContext& context, bool sensitivity,
               std::ostream& out) {
    const NumberLocale& locale = context.locale;
    ordered_json all = ordered_json::array();
    for (const Ran& ran : runs) {
        const Model& model = ran.job->model;
        ordered_json entry;
        entry["file"] = ran.job->file;
        entry["analysis"] = std::string(model.analysis->id);
        if (model.analysis->choosesUnits) {
            entry["units"] = std::string(NameOf(model.units));
        }
        ordered_json inputs = ordered_json::object();
        for (const FieldFact& field : model.analysis->fields) {
            if (const auto found = model.inputs.find(field.key); found != model.inputs.end()) {
                inputs[found->first] = InputJson(*model.analysis, field, found->second);
            }
        }
        entry["inputs"] = std::move(inputs);
        entry["sampling"] = SamplingJson(model);
        if (!ran.skipped) {
            for (const auto& [key, role] :
                 {std::pair{"failure_probability", FieldRole::FailurePercentage},
                  std::pair{"mean_safety_factor", FieldRole::MeanSafetyFactor}}) {
                const std::string text = Result(ran, role);
                entry[key] = text;
                entry[std::string(key) + "_number"] = Number(text, locale);
            }
            entry["message"] = Result(ran, FieldRole::Message);
            // Every figure the run writes, by its key: what an analysis reports beyond the
            // three above (a critical circle, its factors) comes out without code of its own.
            ordered_json results = ordered_json::object();
            for (const FieldFact& field : model.analysis->fields) {
                if (!field.isInput()) {
                    results[std::string(field.key)] = ran.fields.text(field.number);
                }
            }
            entry["results"] = std::move(results);
            entry["stopped"] = !ran.run.gaveResults();
            entry["uniform_state_at_start"] = ran.run.uniformStateAtStart;
            entry["trials"] = Trials(ran.factors());
        }
        if (ran.check || ran.skipped) {
            entry["check"] = Check(ran);
        }
        // Per parameter, the trials that drew it outside its physical range.
        if (ran.run.outcome && !ran.run.outcome->outOfRange.empty()) {
            ordered_json outOfRange;
            for (const OutOfRangeCount& count : ran.run.outcome->outOfRange) {
                outOfRange[std::string(count.parameter)] = count.trials;
            }
            entry["trials_out_of_range"] = std::move(outOfRange);
        }
        if (!ran.skipped) {
            const std::vector<double>* factors = TrialFactors(ran);
            entry["convergence"] = factors ? ConvergenceJson(*factors) : ordered_json(nullptr);
            if (sensitivity) {
                entry["sensitivity"] =
                    SensitivityJson(*ran.job->model.analysis, SensitivityOfModel(ran, context));
            }
        }
        all.push_back(std::move(entry));
    }
    out << all.dump(2) << '\n';
}

std::string TrialsCsv(const std::vector<Ran>& runs) {
    std::string csv(kSamplingRowsHeader);
    for (const Ran& ran : runs) {
        csv += SamplingRowsCsv(ran.job->file, SamplingOf(ran.job->model));
    }
    csv += "\r\n";
    csv += kTrialRowsHeader;
    for (const Ran& ran : runs) {
        csv += TrialRowsCsv(ran.job->file, ran.factors());
    }
    return csv;
}

// The report of the batch's one model, with the tables its run left in `kept`.
RunReport ReportOf(const Ran& ran, const NumberLocale& locale, KeptTables& kept) {
    RunReport report;
    report.analysis = ran.job->model.analysis;
    if (report.analysis->choosesUnits) {
        report.units = ran.job->model.units;
    }
    report.modelFile = std::filesystem::path(ran.job->file).filename().string();
    report.programVersion = std::string(ProgramVersion());
    report.locale = locale;
    report.texts = ran.fields;
    report.sampling = SamplingOf(ran.job->model);
    report.details = ran.job->model.report;
    if (ran.run.gaveResults() && report.analysis->exportTables != nullptr) {
        report.tables = report.analysis->exportTables(kept);
    }
    if (const std::vector<double>* factors = TrialFactors(ran)) {
        report.distribution =
            RunDistribution{*factors, Result(ran, FieldRole::FailurePercentage),
                            ran.run.outcome->outOfRange, ran.run.outcome->draws, std::nullopt};
    }
    return report;
}

// --part: runs the part's trials of the one model and writes them to its part file. A run that
// stops writes none, so a merge without it is refused as a part missing.
int RunPartOfModel(const RunnerOptions& options, const Job& job, AnalysisContext& context,
                   std::ostream& out, std::ostream& err) {
    context.part = options.part;
    if (options.fromSavedState) {
        context.uniforms.Restore(job.model.lastRun->uniformStateAtStart);
    }
    Ran ran{&job, FieldsOf(job.model), {}, false, std::nullopt};
    ran.run = RunOnFields(*job.model.analysis, ran.fields, context);
    NoteTheFieldInError(ran, err);
    if (!ran.run.gaveResults()) {
        PrintText({ran}, out);
        return kStoppedRun;
    }
    if (!ran.run.outcome->partTrials) {
        err << "vardolin-run: " << job.file
            << ": every standard deviation is 0, so the run is one evaluation at the averages: "
               "nothing to split\n";
        return kBadFileOrArgument;
    }
    PartFile part;
    part.programVersion = std::string(ProgramVersion());
    part.modelFile = job.file;
    part.model = CanonicalModelText(job.model);
    part.modelDigest = ModelDigest(part.model);
    part.part = *options.part;
    part.uniformStateAtStart = ran.run.uniformStateAtStart;
    part.records = std::move(*ran.run.outcome->partTrials);
    const std::string path = options.partFilePath();
    try {
        WriteFileAtomically(path, WritePart(part));
    } catch (const FileWriteError& e) {
        err << "vardolin-run: " << e.what() << '\n';
        return kBadFileOrArgument;
    }
    const TrialRange range = part.records.range;
    out << job.file << ": part " << part.part.index << " of " << part.part.parts << ", trials "
        << range.begin + 1 << " to " << range.end << " of " << part.records.runTrials
        << ", written to " << path << '\n';
    return kResults;
}

}  // namespace

int RunBatch(const RunnerOptions& options, const AnalysisCatalogue& catalogue, std::ostream& out,
             std::ostream& err, int threads, const NumberLocale& locale,
             const ReportWriter& writeReport) {
    if (options.help) {
        out << HelpText(catalogue);
        return kResults;
    }
    if (options.report && !writeReport) {
        err << "vardolin-run: --report: this build has no report writer (built without Qt)\n";
        return kBadFileOrArgument;
    }
    std::vector<Job> jobs;
    MergedParts merged;
    try {
        CheckOutputs(options);
        if (options.merge) {
            jobs = ReadMerge(options, catalogue, merged);
        } else {
            InputOverrides overrides(options.overrides, catalogue, locale);
            jobs = ReadJobs(options, catalogue, overrides, err);
        }
        if (options.part) {
            RequireSplittable(jobs.front());
        }
    } catch (const std::runtime_error& e) {  // a model, an argument or an output refused
        err << "vardolin-run: " << e.what() << '\n';
        return kBadFileOrArgument;
    }

    UniformSequence uniforms;
    KeptTables kept;
    AnalysisContext context{uniforms, kept, locale, nullptr, threads};
    if (options.part) {
        const Job& job = jobs.front();
        context.sampling = job.model.sampling;
        context.units = job.model.units;
        return RunPartOfModel(options, job, context, out, err);
    }
    if (options.merge) {
        // The trials come from the parts, and the run starts where theirs did.
        context.given = &merged.records;
        uniforms.Restore(merged.uniformStateAtStart);
    }
    std::vector<Ran> runs;
    runs.reserve(jobs.size());
    bool stopped = false;
    bool differs = false;
    for (const Job& job : jobs) {
        context.sampling = job.model.sampling;
        context.units = job.model.units;
        Ran ran{&job, FieldsOf(job.model), {}, false, std::nullopt};
        const std::optional<SavedRun>& saved = job.model.lastRun;
        if (options.check && !saved) {
            ran.skipped = true;
            runs.push_back(std::move(ran));
            continue;
        }
        if (options.fromSavedState || options.check) {
            uniforms.Restore(saved->uniformStateAtStart);
        }
        try {
            ran.run = RunOnFields(*job.model.analysis, ran.fields, context);
        } catch (const GivenTrialsMismatch& e) {  // parts that agree with each other, not the model
            err << "vardolin-run: " << job.file << ": " << e.what() << '\n';
            return kBadFileOrArgument;
        }
        NoteTheFieldInError(ran, err);
        stopped = stopped || !ran.run.gaveResults();
        if (options.check) {
            ran.check = CheckAgainstSaved(*job.model.analysis, *saved, ran.fields, ran.factors());
            differs = differs || !ran.check->agrees();
        }
        runs.push_back(std::move(ran));
    }

    if (options.json) {
        PrintJson(runs, context, options.sensitivity, out);
    } else if (options.check) {
        PrintCheck(runs, out);
    } else {
        PrintText(runs, out);
    }
    out.flush();
    if (options.trialsCsv) {
        try {
            WriteFileAtomically(*options.trialsCsv, TrialsCsv(runs));
        } catch (const FileWriteError& e) {
            // Checked writable before the runs; only a disk that filled up meanwhile gets here.
            err << "vardolin-run: " << e.what() << '\n';
            return kBadFileOrArgument;
        }
    }
    if (options.report) {
        RunReport report = ReportOf(runs.front(), locale, kept);
        report.kept = kept;  // the one model's run's, for its diagram
        // Its curves worked out here, on the run's threads, rather than by the report writer.
        if (report.distribution && !report.distribution->sensitivity) {
            report.distribution->sensitivity = SensitivityOfModel(runs.front(), context);
        }
        const std::string failure = writeReport(report, *options.report);
        if (!failure.empty()) {
            err << "vardolin-run: " << failure << '\n';
            return kBadFileOrArgument;
        }
    }
    return stopped || differs ? kStoppedRun : kResults;
}

}  // namespace vardolin::runner
