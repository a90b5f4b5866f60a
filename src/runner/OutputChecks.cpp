// SPDX-License-Identifier: MIT
#include "runner/OutputChecks.h"

#include <filesystem>
#include <string>

#include "files/AtomicFile.h"
#include "files/Model.h"

namespace vardolin::runner {

namespace {

namespace fs = std::filesystem;

// The path as the file system resolves it: absolute, its existing part with every link
// followed, "." and ".." gone.
fs::path Resolved(const fs::path& path) {
    std::error_code failed;
    fs::path resolved = fs::weakly_canonical(fs::absolute(path, failed), failed);
    return failed ? fs::absolute(path).lexically_normal() : resolved;
}

bool SameFile(const fs::path& a, const fs::path& b) {
    std::error_code notThere;  // a file that does not exist yet is the same as no other
    return Resolved(a) == Resolved(b) || fs::equivalent(a, b, notThere);
}

}  // namespace

void CheckOutputs(const RunnerOptions& options) {
    const std::vector<Output> outputs = options.outputs();
    for (auto output = outputs.begin(); output != outputs.end(); ++output) {
        const std::string named = output->option + " " + output->path;
        const fs::path path(output->path);
        if (path.extension() == kModelExtension) {
            throw UsageError(named + ": ends in " + std::string(kModelExtension) +
                             ", which is for models; a model is never written over");
        }
        for (const std::string& model : options.models) {
            if (SameFile(path, model)) {
                throw UsageError(named + ": is the model " + model +
                                 "; a model is never written over");
            }
        }
        for (auto earlier = outputs.begin(); earlier != output; ++earlier) {
            if (SameFile(path, earlier->path)) {
                throw UsageError(named + ": is the file of " + earlier->option + " " +
                                 earlier->path + "; give each output a file of its own");
            }
        }
        try {
            CheckWritable(path);
        } catch (const FileWriteError& e) {
            throw UsageError(output->option + " " + e.what());
        }
    }
}

}  // namespace vardolin::runner
