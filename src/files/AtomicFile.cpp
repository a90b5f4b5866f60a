// SPDX-License-Identifier: MIT
#include "files/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace vardolin {

namespace {

[[noreturn]] void Fail(const std::filesystem::path& path, const std::string& what, int error) {
    throw FileWriteError(path.string() + ": " + what + " (" + std::strerror(error) + ")");
}

// Closes the descriptor and removes the temporary file unless the rename took it.
class TemporaryFile {
public:
    TemporaryFile(int descriptor, std::filesystem::path path)
        : descriptor_(descriptor), path_(std::move(path)) {}
    ~TemporaryFile() {
        if (descriptor_ >= 0) {
            ::close(descriptor_);
        }
        if (!renamed_) {
            ::unlink(path_.c_str());
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int descriptor() const { return descriptor_; }
    const std::filesystem::path& path() const { return path_; }
    int Close() {
        const int result = ::close(descriptor_);
        descriptor_ = -1;
        return result;
    }
    void Renamed() { renamed_ = true; }

private:
    int descriptor_;
    std::filesystem::path path_;
    bool renamed_ = false;
};

TemporaryFile CreateBeside(const std::filesystem::path& path) {
    const std::filesystem::path folder = path.parent_path();
    const std::string stem = "." + path.filename().string() + ".saving-";
    for (int attempt = 0;; ++attempt) {
        std::filesystem::path candidate =
            folder / (stem + std::to_string(::getpid()) + "-" + std::to_string(attempt));
        const int descriptor =
            ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0) {
            return TemporaryFile(descriptor, std::move(candidate));
        }
        if (errno != EEXIST || attempt >= 100) {
            Fail(path, "cannot be saved", errno);
        }
    }
}

// Whether a file exists at `path`; throws if something other than a file does.
bool ExistingFile(const std::filesystem::path& path, struct stat& existing) {
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) {
        Fail(path, "cannot be saved", EISDIR);
    }
    return exists;
}

}  // namespace

void CheckWritable(const std::filesystem::path& path) {
    struct stat existing {};
    ExistingFile(path, existing);
    CreateBeside(path);  // removed again as it goes out of scope
}

void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    struct stat existing {};
    const bool exists = ExistingFile(path, existing);
    TemporaryFile temporary = CreateBeside(path);
    if (exists) {
        ::fchmod(temporary.descriptor(), existing.st_mode & 07777);
    }
    while (!bytes.empty()) {
        const ssize_t written = ::write(temporary.descriptor(), bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            Fail(path, "cannot be saved", errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    if (::fsync(temporary.descriptor()) != 0 || temporary.Close() != 0) {
        Fail(path, "cannot be saved", errno);
    }
    if (::rename(temporary.path().c_str(), path.c_str()) != 0) {
        Fail(path, "cannot be saved", errno);
    }
    temporary.Renamed();
    // The rename itself lasts only once the folder's entry is on the disk.
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    const int directory = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory >= 0) {
        ::fsync(directory);
        ::close(directory);
    }
}

}  // namespace vardolin
