// SPDX-License-Identifier: MIT
#pragma once

#include "runner/RunnerOptions.h"

namespace vardolin::runner {

// Checks every output of the options before anything runs, so that a batch never computes
// what it cannot write and never writes over a model. Each output is refused (UsageError,
// naming its option and path) when it ends in the model extension, is one of the models or
// another output (by whatever spelling or link it is named: the paths are compared as the file
// system resolves them, and existing files by identity), or cannot be written in its folder.
void CheckOutputs(const RunnerOptions& options);

}  // namespace vardolin::runner
