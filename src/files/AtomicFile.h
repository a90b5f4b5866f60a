// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string_view>

namespace vardolin {

// A file that could not be written; what() names it and the reason.
class FileWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Replaces the file at `path` by `bytes` so that, whatever happens meanwhile (a full disk, a
// crash, a power cut), the path holds either the old file or the complete new one, never a
// part: the bytes go to a new file in the same folder, are flushed to the disk, and only then
// is that file renamed over `path`. A new file gets the permissions the umask allows; a file
// that existed keeps its own. Throws FileWriteError, leaving no temporary file behind.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace vardolin
