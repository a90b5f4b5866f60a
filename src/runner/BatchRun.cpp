// SPDX-License-Identifier: MIT
#include "runner/BatchRun.h"

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "analysis/FieldRun.h"
#include "analysis/KeptTables.h"
#include "files/AtomicFile.h"
#include "files/Model.h"
#include "files/ModelReader.h"
#include "files/TrialsCsv.h"
#include "numerics/UniformSequence.h"
#include "sampling/SamplingKeys.h"
#include "statistics/TrialDistribution.h"

namespace vardolin::runner {

namespace {

struct Job {
    std::string file;
    Model model;
};

struct Ran {
    const Job* job;
    FieldTextMap fields;
    FieldRun run;
};

// The overrides go through the same checks as a file's texts: a key of the model's analysis,
// a text of sensible length without control characters.
void Override(Job& job, const RunnerOptions& options) {
    for (const auto& [key, text] : options.overrides) {
        if (key.starts_with(kSamplingKeyPrefix)) {
            const auto why =
                SetSamplingChoice(job.model.sampling, key.substr(kSamplingKeyPrefix.size()), text,
                                  SampledParameterNames(*job.model.analysis));
            if (why) {
                throw ModelFileError("--set " + key + ": " + *why + " (" + job.file + ")");
            }
            continue;
        }
        const auto input = job.model.inputs.find(key);
        if (input == job.model.inputs.end()) {
            throw ModelFileError("--set " + key + ": " + std::string(job.model.analysis->id) +
                                 " (" + job.file + ") has no input \"" + key + "\"");
        }
        if (const std::optional<std::string> why = WhyNotAFieldText(text)) {
            throw ModelFileError("--set " + key + ": the text " + *why);
        }
        input->second = text;
    }
    if (const auto why = WhyNotDrawable(job.model.sampling)) {
        throw ModelFileError(job.file + ": sampling " + *why);
    }
}

std::vector<Job> ReadJobs(const RunnerOptions& options, const AnalysisCatalogue& catalogue,
                          std::ostream& err) {
    std::vector<Job> jobs;
    for (const std::string& file : options.models) {
        ModelRead read = ReadModelFile(file, catalogue);
        for (const std::string& note : read.notes) {
            err << "vardolin-run: " << note << '\n';
        }
        if (options.fromSavedState && !read.model.lastRun) {
            throw ModelFileError(file + ": no saved run to take the sequence state from");
        }
        jobs.push_back({file, std::move(read.model)});
        Override(jobs.back(), options);
    }
    return jobs;
}

std::string Result(const Ran& ran, FieldRole role) {
    return ran.fields.text(ran.job->model.analysis->fieldWith(role).number);
}

const std::vector<double>* TrialFactors(const Ran& ran) {
    if (ran.run.outcome && ran.run.outcome->completed() && !ran.run.outcome->trialFactors.empty()) {
        return &ran.run.outcome->trialFactors;
    }
    return nullptr;
}

void PrintText(const std::vector<Ran>& runs, std::ostream& out) {
    for (const Ran& ran : runs) {
        out << ran.job->file << '\t' << Result(ran, FieldRole::FailurePercentage) << '\t'
            << Result(ran, FieldRole::MeanSafetyFactor) << '\t' << Result(ran, FieldRole::Message)
            << '\n';
    }
}

void PrintJson(const std::vector<Ran>& runs, std::ostream& out) {
    using nlohmann::ordered_json;
    ordered_json all = ordered_json::array();
    for (const Ran& ran : runs) {
        ordered_json entry;
        entry["file"] = ran.job->file;
        entry["analysis"] = std::string(ran.job->model.analysis->id);
        entry["failure_probability"] = Result(ran, FieldRole::FailurePercentage);
        entry["mean_safety_factor"] = Result(ran, FieldRole::MeanSafetyFactor);
        entry["message"] = Result(ran, FieldRole::Message);
        entry["stopped"] = !ran.run.gaveResults();
        entry["uniform_state_at_start"] = ran.run.uniformStateAtStart;
        ordered_json trials = nullptr;
        if (const std::vector<double>* factors = TrialFactors(ran)) {
            const TrialDistribution d = Describe(*factors);
            trials["count"] = d.trials;
            trials["mean"] = d.mean;
            trials["standard_deviation"] = d.standardDeviation;
            trials["minimum"] = d.minimum;
            trials["maximum"] = d.maximum;
            trials["reliability_index"] =
                d.reliabilityIndex ? ordered_json(*d.reliabilityIndex) : ordered_json(nullptr);
        }
        entry["trials"] = std::move(trials);
        all.push_back(std::move(entry));
    }
    out << all.dump(2) << '\n';
}

std::string TrialsCsv(const std::vector<Ran>& runs) {
    std::string csv(kTrialRowsHeader);
    for (const Ran& ran : runs) {
        if (const std::vector<double>* factors = TrialFactors(ran)) {
            csv += TrialRowsCsv(ran.job->file, *factors);
        }
    }
    return csv;
}

}  // namespace

int RunBatch(const RunnerOptions& options, const AnalysisCatalogue& catalogue, std::ostream& out,
             std::ostream& err, int threads, const NumberLocale& locale) {
    if (options.help) {
        out << kUsage;
        return kResults;
    }
    std::vector<Job> jobs;
    try {
        jobs = ReadJobs(options, catalogue, err);
    } catch (const ModelFileError& e) {
        err << "vardolin-run: " << e.what() << '\n';
        return kBadFileOrArgument;
    }

    UniformSequence uniforms;
    KeptTables kept;
    AnalysisContext context{uniforms, kept, locale, nullptr, threads};
    std::vector<Ran> runs;
    runs.reserve(jobs.size());
    bool stopped = false;
    for (const Job& job : jobs) {
        if (options.fromSavedState) {
            uniforms.Restore(job.model.lastRun->uniformStateAtStart);
        }
        context.sampling = job.model.sampling;
        Ran ran{&job, FieldsOf(job.model), {}};
        ran.run = RunOnFields(*job.model.analysis, ran.fields, context);
        stopped = stopped || !ran.run.gaveResults();
        runs.push_back(std::move(ran));
    }

    if (options.json) {
        PrintJson(runs, out);
    } else {
        PrintText(runs, out);
    }
    out.flush();
    if (options.trialsCsv) {
        try {
            WriteFileAtomically(*options.trialsCsv, TrialsCsv(runs));
        } catch (const FileWriteError& e) {
            err << "vardolin-run: " << e.what() << '\n';
            return kBadFileOrArgument;
        }
    }
    return stopped ? kStoppedRun : kResults;
}

}  // namespace vardolin::runner
