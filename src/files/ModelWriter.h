// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>

#include "files/Model.h"

namespace vardolin {

// The text of a model file: JSON, the inputs in the order of the form's fields, ending in a
// newline. ReadModel gives the same model back.
std::string WriteModel(const Model& model);

// Writes the model to `path` atomically (WriteFileAtomically): a failed save leaves what was
// there before. Throws FileWriteError naming the file.
void SaveModelFile(const std::filesystem::path& path, const Model& model);

}  // namespace vardolin
