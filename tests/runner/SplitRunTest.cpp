// SPDX-License-Identifier: MIT
// A run split into parts (--part K/N) and merged (--merge): the ranges of the parts, the part
// file, what a merge refuses, and the merged figures against one run of the whole model.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "TestFolder.h"
#include "TestSupport.h"
#include "catalogue/ProgramCatalogue.h"
#include "fields/FieldTextMap.h"
#include "files/ModelWriter.h"
#include "files/PartFile.h"
#include "runner/BatchRun.h"

namespace vardolin::runner {
namespace {

// ---- The ranges of the parts -----------------------------------------------------------------

struct RangeRow {
    const char* name;
    friend void PrintTo(const RangeRow& row, std::ostream* os) { *os << row.name; }
    int trials;
    std::vector<TrialRange> ranges;  // of parts 1 .. N
};

class PartRanges : public testing::TestWithParam<RangeRow> {};

TEST_P(PartRanges, FollowTheFloorRule) {
    const RangeRow& row = GetParam();
    const int parts = static_cast<int>(row.ranges.size());
    for (int k = 1; k <= parts; ++k) {
        EXPECT_EQ(PartRange(row.trials, {k, parts}), row.ranges[static_cast<std::size_t>(k - 1)])
            << "part " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PartRanges,
    testing::Values(RangeRow{"EvenSplit", 8, {{0, 2}, {2, 4}, {4, 6}, {6, 8}}},
                    RangeRow{"LongerPartsLast", 10, {{0, 3}, {3, 6}, {6, 10}}},
                    RangeRow{"MorePartsThanTrials", 2, {{0, 0}, {0, 1}, {1, 1}, {1, 2}}},
                    RangeRow{"OnePart", 500, {{0, 500}}},
                    // k N passes an int at the longest run and many parts.
                    RangeRow{"NoOverflow",
                             1'000'000,
                             {{0, 333'333}, {333'333, 666'666}, {666'666, 1'000'000}}}),
    testing_support::RowName());

TEST(PartRanges, CoverEveryTrialOnceAndDifferByAtMostOne) {
    for (const int trials : {1, 2, 7, 100, 999, 1'000'000}) {
        for (int parts = 1; parts <= 9; ++parts) {
            int next = 0;
            int shortest = trials;
            int longest = 0;
            for (int k = 1; k <= parts; ++k) {
                const TrialRange range = PartRange(trials, {k, parts});
                EXPECT_EQ(range.begin, next) << trials << " trials, part " << k << "/" << parts;
                next = range.end;
                shortest = std::min(shortest, range.count());
                longest = std::max(longest, range.count());
            }
            EXPECT_EQ(next, trials);
            EXPECT_LE(longest - shortest, 1);
        }
    }
}

// ---- The part file and the merge's refusals --------------------------------------------------

constexpr const char* kVersion = "1.0.0";

PartFile PartOf(RunPart part, const std::string& model) {
    constexpr int kTrials = 10;
    PartFile file;
    file.fileName = "p" + std::to_string(part.index) + ".json";
    file.programVersion = kVersion;
    file.modelFile = "slope.vardolin";
    file.model = model;
    file.modelDigest = ModelDigest(model);
    file.part = part;
    file.uniformStateAtStart = 327680;
    const TrialRange range = PartRange(kTrials, part);
    file.records = TrialRecords(range, kTrials, 2);
    for (int i = range.begin; i < range.end; ++i) {
        const double values[] = {i + 0.5, -i - 0.25};
        file.records.Add(values, 1.0 + i / 8.0, i % 3);
    }
    return file;
}

std::vector<PartFile> ThreeParts() {
    return {PartOf({1, 3}, "{\"model\": 1}\n"), PartOf({2, 3}, "{\"model\": 1}\n"),
            PartOf({3, 3}, "{\"model\": 1}\n")};
}

TEST(PartFile, KeepsEveryNumberToTheBitAndMergesInAnyOrder) {
    std::vector<PartFile> parts = ThreeParts();
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    parts[1].records.values[0] = -0.0;
    parts[1].records.factors[0] = -nan;  // a trial without a factor
    parts[1].records.factors[1] = std::numeric_limits<double>::infinity();
    parts[1].records.factors[2] = 0.1 + 0.2;
    std::vector<PartFile> read;
    for (const PartFile& part : {parts[2], parts[0], parts[1]}) {
        read.push_back(ReadPart(WritePart(part), part.fileName));
    }
    const MergedParts merged = MergeParts(read, kVersion);
    EXPECT_EQ(merged.modelFile, "slope.vardolin");
    EXPECT_EQ(merged.uniformStateAtStart, 327680u);
    ASSERT_EQ(merged.records.range, (TrialRange{0, 10}));
    ASSERT_TRUE(merged.records.complete());
    for (const PartFile& part : parts) {
        for (int i = part.records.range.begin; i < part.records.range.end; ++i) {
            const double factor = merged.records.factorOf(i);
            const double written = part.records.factorOf(i);
            EXPECT_TRUE(std::isnan(written) ? std::isnan(factor) && std::signbit(factor)
                                            : factor == written)
                << "trial " << i;
            EXPECT_EQ(merged.records.statusOf(i), part.records.statusOf(i));
            for (int k = 0; k < 2; ++k) {
                const double value = merged.records.valuesOf(i)[static_cast<std::size_t>(k)];
                const double given = part.records.valuesOf(i)[static_cast<std::size_t>(k)];
                EXPECT_EQ(value, given);
                EXPECT_EQ(std::signbit(value), std::signbit(given));
            }
        }
    }
}

TEST(PartFile, RefusesATextThatIsNoPartFile) {
    for (const char* text : {"not json", "{\"format\": \"vardolin\"}", "[1, 2]",
                             "{\"format\": \"vardolin-part\", \"format_version\": 2}",
                             // A number beyond a double, which the JSON reader raises apart.
                             "{\"format\": \"vardolin-part\", \"parts\": 1e99999}"}) {
        EXPECT_THROW(ReadPart(text, "x.json"), PartFileError) << text;
    }
}

struct RefusalRow {
    const char* name;
    friend void PrintTo(const RefusalRow& row, std::ostream* os) { *os << row.name; }
    std::function<void(std::vector<PartFile>&)> spoil;
    std::string message;
};

class MergeRefuses : public testing::TestWithParam<RefusalRow> {};

TEST_P(MergeRefuses, PartsThatDoNotMakeOneRun) {
    std::vector<PartFile> parts = ThreeParts();
    GetParam().spoil(parts);
    try {
        MergeParts(parts, kVersion);
        ADD_FAILURE() << "merged";
    } catch (const PartFileError& e) {
        EXPECT_EQ(e.what(), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MergeRefuses,
    testing::Values(
        RefusalRow{"AnotherProgramVersion", [](auto& p) { p[1].programVersion = "0.9.0"; },
                   "p2.json: written by version 0.9.0 of the program; this is version 1.0.0: "
                   "run every part with the same program"},
        RefusalRow{"ModelChangedAfterItsDigest", [](auto& p) { p[2].model += " "; },
                   "p3.json: its model does not give its digest; the file was changed"},
        RefusalRow{"DifferentModels",
                   [](auto& p) {
                       p[2] = PartOf({3, 3}, "{\"model\": 2}\n");
                   },
                   "p3.json and p1.json are parts of different models (" +
                       ModelDigest("{\"model\": 2}\n") + ", " + ModelDigest("{\"model\": 1}\n") +
                       ")"},
        RefusalRow{"DifferentSplits",
                   [](auto& p) {
                       p[1] = PartOf({2, 4}, "{\"model\": 1}\n");
                   },
                   "p2.json and p1.json are parts of different splits: part 2 of 4 and part 1 of "
                   "3"},
        RefusalRow{"DifferentModelFiles", [](auto& p) { p[1].modelFile = "/abs/slope.vardolin"; },
                   "p2.json and p1.json name their model differently (\"/abs/slope.vardolin\", "
                   "\"slope.vardolin\"): give every part the same model file"},
        RefusalRow{"DifferentStartingStates", [](auto& p) { p[2].uniformStateAtStart = 7; },
                   "p3.json and p1.json started from different sequence states (7, 327680)"},
        RefusalRow{"RepeatedPart",
                   [](auto& p) {
                       p[2] = p[1];
                       p[2].fileName = "copy.json";
                   },
                   "part 2 of 3 is given twice: p2.json and copy.json"},
        RefusalRow{"MissingPart", [](auto& p) { p.erase(p.begin() + 1); },
                   "part 2 of 3 is missing"},
        RefusalRow{"MissingParts", [](auto& p) { p.resize(1); }, "parts 2, 3 of 3 are missing"},
        RefusalRow{"TrialsOfAnotherRange", [](auto& p) { p[0].records.range.end += 1; },
                   "p1.json: its trials are not those of part 1 of 3 of a run of 10"},
        RefusalRow{"NoPart", [](auto& p) { p.clear(); }, "no part file given"}),
    testing_support::RowName());

// ---- The runner ------------------------------------------------------------------------------

struct Printed {
    int status;
    std::string out;
    std::string err;
};

Printed Runner(const std::vector<std::string>& arguments, int threads = 1) {
    std::ostringstream out;
    std::ostringstream err;
    const int status =
        RunBatch(ParseArguments(arguments), ProgramCatalogue(), out, err, threads, {});
    return {status, out.str(), err.str()};
}

std::string Contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Where two texts first differ, with a little of each from there; empty when they are equal.
std::string FirstDifference(const std::string& got, const std::string& expected) {
    if (got == expected) {
        return {};
    }
    std::size_t at = 0;
    while (at < got.size() && at < expected.size() && got[at] == expected[at]) {
        ++at;
    }
    return "at byte " + std::to_string(at) + ": \"" + got.substr(at, 60) + "\" instead of \"" +
           expected.substr(at, 60) + "\"";
}

struct OptionRow {
    const char* name;
    friend void PrintTo(const OptionRow& row, std::ostream* os) { *os << row.name; }
    std::vector<std::string> arguments;
};

class SplitOptionsRefused : public testing::TestWithParam<OptionRow> {};

TEST_P(SplitOptionsRefused, BeforeAnythingRuns) {
    EXPECT_THROW(ParseArguments(GetParam().arguments), UsageError);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SplitOptionsRefused,
    testing::Values(OptionRow{"PartZero", {"--part", "0/3", "m.vardolin"}},
                    OptionRow{"PartBeyondItsCount", {"--part", "4/3", "m.vardolin"}},
                    OptionRow{"PartNotAFraction", {"--part", "2", "m.vardolin"}},
                    OptionRow{"PartOfTwoModels", {"--part", "1/2", "a.vardolin", "b.vardolin"}},
                    OptionRow{"PartWithResults", {"--part", "1/2", "--json", "m.vardolin"}},
                    OptionRow{"PartFileWithoutPart", {"--part-file", "p.json", "m.vardolin"}},
                    OptionRow{"PartAndMerge", {"--part", "1/2", "--merge", "p.json"}},
                    OptionRow{"MergeWithAnOverride", {"--merge", "--set", "x=1", "p.json"}},
                    OptionRow{"MergeWithASeed", {"--merge", "--seed", "7", "p.json"}}),
    testing_support::RowName());

class SplitRun : public testing::Test {
protected:
    std::string Path(const std::string& name) const { return (folder.path() / name).string(); }

    // Runs the model whole, then in three uneven parts on different thread counts, merges them
    // and compares the JSON and the trials file. Gives the whole run's JSON.
    std::string ExpectPartsMergeToTheWholeRun(const std::string& model,
                                              const std::vector<std::string>& chosen) {
        std::vector<std::string> whole = chosen;
        whole.insert(whole.end(), {"--json", "--trials-csv", Path("whole.csv"), model});
        const Printed one = Runner(whole, 2);
        EXPECT_EQ(one.status, kResults) << one.err;
        std::vector<std::string> merge{"--merge", "--json", "--trials-csv", Path("merged.csv")};
        for (const int k : {3, 1, 2}) {
            std::vector<std::string> part = chosen;
            const std::string file = Path("part-" + std::to_string(k) + ".json");
            part.insert(part.end(),
                        {"--part", std::to_string(k) + "/3", "--part-file", file, model});
            const Printed ran = Runner(part, k);
            EXPECT_EQ(ran.status, kResults) << ran.err;
            merge.push_back(file);
        }
        const Printed merged = Runner(merge, 1);
        EXPECT_EQ(merged.status, kResults) << merged.err;
        EXPECT_EQ(FirstDifference(merged.out, one.out), "") << "the JSON";
        EXPECT_EQ(FirstDifference(Contents(Path("merged.csv")), Contents(Path("whole.csv"))), "")
            << "the trials file";
        return one.out;
    }

    // Whether the analysis's models take the sampling choices `chosen`. Only one whose model
    // files name no parameter to sample (they hold the seed alone) may refuse them; the
    // choices of any other must run.
    bool TakesSamplingChoices(const AnalysisDescription& analysis, const std::string& model,
                              std::vector<std::string> chosen) {
        chosen.push_back(model);
        const Printed ran = Runner(chosen);
        if (ran.status == kBadFileOrArgument && analysis.sampledParameters().empty() &&
            ran.err.find("takes sampling.seed only") != std::string::npos) {
            return false;
        }
        EXPECT_EQ(ran.status, kResults) << ran.err;
        return true;
    }

    testing_support::TestFolder folder;
};

// Each analysis that can be split, plainly drawn and by a correlated Latin hypercube (which
// shuffles its strata over all the trials).
TEST_F(SplitRun, EverySplittableAnalysisMergesToItsWholeRunByteForByte) {
    const std::vector<std::vector<std::string>> choices{
        {}, {"--set", "sampling.method=latin_hypercube", "--set", "sampling.correlation=-0.5"}};
    int splittable = 0;
    for (const AnalysisDescription* analysis : ProgramCatalogue()) {
        if (!analysis->splittable) {
            continue;
        }
        ++splittable;
        const std::string model = Path(std::string(analysis->id) + ".vardolin");
        SaveModelFile(model, ModelFromFields(*analysis, DefaultTexts(*analysis)));
        for (const std::vector<std::string>& chosen : choices) {
            SCOPED_TRACE(std::string(analysis->id) + (chosen.empty() ? "" : " " + chosen[1]));
            if (!chosen.empty() && !TakesSamplingChoices(*analysis, model, chosen)) {
                continue;
            }
            ExpectPartsMergeToTheWholeRun(model, chosen);
        }
    }
    EXPECT_GE(splittable, 3);
}

// Trials without a usable factor travel in the parts with their status and are left out of
// the merged figures as one run leaves them out.
TEST_F(SplitRun, TrialsWithoutAUsableFactorAreLeftOutAsInOneRun) {
    const std::string json = ExpectPartsMergeToTheWholeRun(
        std::string(VARDOLIN_EXAMPLES) + "/critical-circle-defaults.vardolin",
        {"--set", "friction_angle_sd=20"});
    EXPECT_NE(json.find("Trials Had No Usable Factor"), std::string::npos);
}

// The section's fill spread so wide that its trials end every way: usable, with no factor,
// with a small m_alpha, and outside a range (a negative c, a φ of 90 or more). Each status
// crosses the split.
TEST_F(SplitRun, TheSectionsTrialsCrossTheSplitWithTheirStatus) {
    std::string text =
        Contents(std::string(VARDOLIN_EXAMPLES) + "/slope-section-three-soils.vardolin");
    const std::string fill = R"(["Fill", "Mohr-Coulomb", "5", "1", "30", "2")";
    const std::size_t at = text.find(fill);
    ASSERT_NE(at, std::string::npos);
    text.replace(at, fill.size(), R"(["Fill", "Mohr-Coulomb", "5", "6", "30", "30")");
    const std::string model = Path("wide-fill.vardolin");
    std::ofstream(model, std::ios::binary) << text;
    const std::string json = ExpectPartsMergeToTheWholeRun(model, {});
    EXPECT_NE(json.find("Trials Had No Usable Factor"), std::string::npos);
    std::vector<int> statuses(4, 0);  // the section's four TrialResults, Usable (0) first
    for (const int k : {1, 2, 3}) {
        const PartFile part = ReadPartFile(Path("part-" + std::to_string(k) + ".json"));
        for (const int status : part.records.statuses) {
            ASSERT_GE(status, 0);
            ASSERT_LT(status, 4);
            ++statuses[static_cast<std::size_t>(status)];
        }
    }
    for (std::size_t status = 0; status < statuses.size(); ++status) {
        EXPECT_GT(statuses[status], 0) << "no trial of status " << status;
    }
}

// A given polyline surface travels in the parts' models as any table does.
TEST_F(SplitRun, TheTrialsOnAGivenPolylineMergeToTheWholeRun) {
    const std::string json = ExpectPartsMergeToTheWholeRun(
        std::string(VARDOLIN_EXAMPLES) + "/slope-section-polyline.vardolin", {});
    EXPECT_NE(json.find(R"("entry_x": "8")"), std::string::npos) << json;
}

TEST_F(SplitRun, AnAnalysisThatCannotBeSplitIsRefusedAndSaysWhy) {
    for (const AnalysisDescription* analysis : ProgramCatalogue()) {
        if (analysis->splittable) {
            continue;
        }
        const std::string model = Path(std::string(analysis->id) + ".vardolin");
        SaveModelFile(model, ModelFromFields(*analysis, DefaultTexts(*analysis)));
        const Printed refused = Runner({"--part", "1/2", "--part-file", Path("p.json"), model});
        EXPECT_EQ(refused.status, kBadFileOrArgument);
        EXPECT_NE(refused.err.find("cannot be split into parts"), std::string::npos) << refused.err;
        EXPECT_FALSE(std::filesystem::exists(Path("p.json")));
    }
    const Printed slices =
        Runner({"--part", "1/2", "--part-file", Path("p.json"),
                std::string(VARDOLIN_EXAMPLES) + "/slice-method-defaults.vardolin"});
    EXPECT_NE(slices.err.find("a varying number of values"), std::string::npos) << slices.err;
}

TEST_F(SplitRun, FixedDataIsOneEvaluationAndIsNotSplit) {
    for (const char* example :
         {"critical-circle-fredlund-krahn", "slope-section-fredlund-krahn-1-dry"}) {
        const Printed refused =
            Runner({"--part", "1/2", "--part-file", Path("p.json"),
                    std::string(VARDOLIN_EXAMPLES) + "/" + example + ".vardolin"});
        EXPECT_EQ(refused.status, kBadFileOrArgument) << example;
        EXPECT_NE(refused.err.find("nothing to split"), std::string::npos) << refused.err;
        EXPECT_FALSE(std::filesystem::exists(Path("p.json"))) << example;
    }
}

}  // namespace
}  // namespace vardolin::runner
