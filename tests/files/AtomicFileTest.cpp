// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "TestFolder.h"
#include "files/AtomicFile.h"

namespace vardolin {
namespace {

using testing_support::TestFolder;

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
