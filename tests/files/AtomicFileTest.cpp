// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "TestFolder.h"
#include "files/AtomicFile.h"

namespace vardolin {
namespace {

using testing_support::TestFolder;

// What the save's fsync and rename calls did while a test watched: the files flushed so far,
// and for each rename whether the file it moved had been flushed before.
struct CallLog {
    bool watching = false;
    std::set<ino_t> flushed;
    std::vector<bool> renamedAfterFlush;
};
CallLog callLog;

std::string Contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(AtomicFile, CreatesAndReplacesAFileLeavingNothingElse) {
    const TestFolder folder;
    const auto path = folder.path() / "slope.vardolin";
    WriteFileAtomically(path, "first");
    EXPECT_EQ(Contents(path), "first");
    WriteFileAtomically(path, "second, longer");
    EXPECT_EQ(Contents(path), "second, longer");
    WriteFileAtomically(path, "");
    EXPECT_EQ(Contents(path), "");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"slope.vardolin"});
}

// The check before a long piece of work leaves no trace; where it fails the runner's tests show.
TEST(AtomicFile, CheckWritableLeavesNothingAndRefusesAFolder) {
    const TestFolder folder;
    WriteFileAtomically(folder.path() / "old.csv", "kept");
    CheckWritable(folder.path() / "old.csv");
    CheckWritable(folder.path() / "new.csv");
    EXPECT_EQ(Contents(folder.path() / "old.csv"), "kept");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"old.csv"});
    EXPECT_THROW(CheckWritable(folder.path()), FileWriteError);
}

// Without the flush a power cut just after the rename could leave the path naming a file whose
// bytes never reached the disk.
TEST(AtomicFile, FlushesTheNewFileBeforeRenamingItOverThePath) {
    const TestFolder folder;
    const auto path = folder.path() / "slope.vardolin";
    WriteFileAtomically(path, "old");
    callLog = CallLog{};
    callLog.watching = true;
    WriteFileAtomically(path, "new");
    callLog.watching = false;
    EXPECT_EQ(callLog.renamedAfterFlush, std::vector<bool>{true});
}

TEST(AtomicFile, ReplacedFileKeepsItsPermissions) {
    const TestFolder folder;
    const auto path = folder.path() / "shared.vardolin";
    WriteFileAtomically(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    WriteFileAtomically(path, "new");
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
}

// A save that cannot finish (here: the file size limit is hit halfway) leaves the old file
// whole and no partial file beside it.
TEST(AtomicFile, SaveThatFailsHalfwayLeavesTheOldFile) {
    const TestFolder folder;
    const auto path = folder.path() / "slope.vardolin";
    WriteFileAtomically(path, "the good model");

    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    EXPECT_THROW(WriteFileAtomically(path, std::string(10000, 'x')), FileWriteError);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(Contents(path), "the good model");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"slope.vardolin"});
}

struct UnwritableRow {
    const char* name;
    const char* relative;  // inside the test folder
    std::string message;   // after the path
};

class UnwritablePath : public testing::TestWithParam<UnwritableRow> {};

TEST_P(UnwritablePath, IsRefusedNamingTheFileAndTouchesNothing) {
    const TestFolder folder;
    std::filesystem::create_directory(folder.path() / "folder");
    const auto path = folder.path() / GetParam().relative;
    try {
        WriteFileAtomically(path, "model");
        FAIL() << "written";
    } catch (const FileWriteError& e) {
        EXPECT_EQ(std::string(e.what()), path.string() + GetParam().message);
    }
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"folder"});
    EXPECT_TRUE(std::filesystem::is_empty(folder.path() / "folder"));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, UnwritablePath,
    testing::Values(UnwritableRow{"AFolder", "folder", ": cannot be saved (Is a directory)"},
                    UnwritableRow{"InAFolderThatIsNotThere", "none/slope.vardolin",
                                  ": cannot be saved (No such file or directory)"}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace vardolin

// The test program is linked with --wrap=fsync --wrap=rename, so the save's calls reach these
// first (a link seam: the saving code stays as it ships).
extern "C" {
int __real_fsync(int descriptor);
int __real_rename(const char* from, const char* to);
int __wrap_fsync(int descriptor);
int __wrap_rename(const char* from, const char* to);

int __wrap_fsync(int descriptor) {
    struct stat status {};
    if (vardolin::callLog.watching && ::fstat(descriptor, &status) == 0 &&
        S_ISREG(status.st_mode)) {
        vardolin::callLog.flushed.insert(status.st_ino);
    }
    return __real_fsync(descriptor);
}

int __wrap_rename(const char* from, const char* to) {
    struct stat status {};
    if (vardolin::callLog.watching && ::stat(from, &status) == 0) {
        vardolin::callLog.renamedAfterFlush.push_back(
            vardolin::callLog.flushed.contains(status.st_ino));
    }
    return __real_rename(from, to);
}
}
