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

// Throws the FileWriteError WriteFileAtomically would throw for want of a place to write: a
// folder that does not exist or cannot be written into, a path that is a folder. It tries
// what the write does first, creating and removing a new file beside `path`, so that work whose
// result goes there need not be done in vain.
void CheckWritable(const std::filesystem::path& path);

}  // namespace vardolin
