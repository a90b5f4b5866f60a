// SPDX-License-Identifier: MIT
#include "files/PartFile.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>
#include <nlohmann/json.hpp>
#include <utility>

#include "files/ModelWriter.h"

namespace vardolin {

namespace {

using nlohmann::ordered_json;

// JSON has no NaN or infinity: those are written as texts, the sign of a NaN kept.
ordered_json NumberJson(double value) {
    if (std::isfinite(value)) {
        return value;
    }
    if (std::isnan(value)) {
        return std::signbit(value) ? "-NaN" : "NaN";
    }
    return value < 0.0 ? "-Infinity" : "Infinity";
}

double NumberOf(const ordered_json& json, const std::string& where) {
    if (json.is_number()) {
        return json.get<double>();
    }
    if (json.is_string()) {
        const std::string text = json.get<std::string>();
        constexpr double nan = std::numeric_limits<double>::quiet_NaN();
        constexpr double infinity = std::numeric_limits<double>::infinity();
        if (text == "NaN") {
            return nan;
        }
        if (text == "-NaN") {
            return -nan;
        }
        if (text == "Infinity") {
            return infinity;
        }
        if (text == "-Infinity") {
            return -infinity;
        }
    }
    throw PartFileError(where + " is no number");
}

const ordered_json& Key(const ordered_json& root, const char* key, const std::string& file) {
    const auto found = root.find(key);
    if (found == root.end()) {
        throw PartFileError(file + ": \"" + key + "\" is missing");
    }
    return *found;
}

std::string TextAt(const ordered_json& root, const char* key, const std::string& file) {
    const ordered_json& value = Key(root, key, file);
    if (!value.is_string()) {
        throw PartFileError(file + ": \"" + key + "\" must be a text");
    }
    return value.get<std::string>();
}

std::int64_t WholeAt(const ordered_json& root, const char* key, const std::string& file,
                     std::int64_t lowest, std::int64_t highest) {
    const ordered_json& value = Key(root, key, file);
    if (!value.is_number_integer() || value.get<std::int64_t>() < lowest ||
        value.get<std::int64_t>() > highest) {
        throw PartFileError(file + ": \"" + key + "\" must be a whole number from " +
                            std::to_string(lowest) + " to " + std::to_string(highest));
    }
    return value.get<std::int64_t>();
}

std::string PartName(const PartFile& part) {
    return "part " + std::to_string(part.part.index) + " of " + std::to_string(part.part.parts);
}

}  // namespace

std::string CanonicalModelText(Model model) {
    model.lastRun.reset();
    model.programVersion = std::string(ProgramVersion());
    return WriteModel(model);
}

std::string ModelDigest(std::string_view canonicalText) {
    std::uint64_t hash = 14695981039346656037u;  // FNV-1a, 64 bits
    for (const char c : canonicalText) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211u;
    }
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string digest = "fnv1a64:";
    for (int shift = 60; shift >= 0; shift -= 4) {
        digest += kDigits[(hash >> shift) & 0xfu];
    }
    return digest;
}

std::string WritePart(const PartFile& part) {
    ordered_json root;
    root["format"] = std::string(kPartFormat);
    root["format_version"] = kPartFormatVersion;
    root["program_version"] = part.programVersion;
    root["part"] = part.part.index;
    root["parts"] = part.part.parts;
    root["model_file"] = part.modelFile;
    root["model_digest"] = part.modelDigest;
    root["model"] = part.model;
    root["trials"] = part.records.runTrials;
    root["uniform_state_at_start"] = part.uniformStateAtStart;
    const TrialRecords& records = part.records;
    root["first_trial"] = records.range.begin + 1;
    root["last_trial"] = records.range.end;
    root["values_per_trial"] = records.width;
    // One row a trial: its values, its factor, its status.
    ordered_json rows = ordered_json::array();
    for (int i = records.range.begin; i < records.range.end; ++i) {
        ordered_json row = ordered_json::array();
        for (const double value : records.valuesOf(i)) {
            row.push_back(NumberJson(value));
        }
        row.push_back(NumberJson(records.factorOf(i)));
        row.push_back(records.statusOf(i));
        rows.push_back(std::move(row));
    }
    root["trial_records"] = std::move(rows);
    return root.dump() + "\n";
}

PartFile ReadPart(std::string_view bytes, std::string_view fileName) {
    const std::string file(fileName);
    ordered_json root;
    try {
        root = ordered_json::parse(bytes);
    } catch (const ordered_json::exception& e) {  // a syntax error, or a number beyond a double
        throw PartFileError(file + ": not JSON (" + e.what() + ")");
    }
    if (!root.is_object() || !root.contains("format") || root["format"] != kPartFormat) {
        throw PartFileError(file + ": not a part file of vardolin-run --part");
    }
    if (WholeAt(root, "format_version", file, 1, std::numeric_limits<int>::max()) >
        kPartFormatVersion) {
        throw PartFileError(file + ": written in a later format than this program reads");
    }
    constexpr std::int64_t kMostInt = std::numeric_limits<int>::max();
    PartFile part;
    part.fileName = file;
    part.programVersion = TextAt(root, "program_version", file);
    part.part.parts = static_cast<int>(WholeAt(root, "parts", file, 1, kMostInt));
    part.part.index = static_cast<int>(WholeAt(root, "part", file, 1, part.part.parts));
    part.modelFile = TextAt(root, "model_file", file);
    part.modelDigest = TextAt(root, "model_digest", file);
    part.model = TextAt(root, "model", file);
    const int trials = static_cast<int>(WholeAt(root, "trials", file, 0, kMostInt));
    part.uniformStateAtStart =
        static_cast<std::uint32_t>(WholeAt(root, "uniform_state_at_start", file, 0, 0xffffff));
    const int first = static_cast<int>(WholeAt(root, "first_trial", file, 1, kMostInt));
    const int last = static_cast<int>(WholeAt(root, "last_trial", file, first - 1, kMostInt));
    const auto width = static_cast<std::size_t>(WholeAt(root, "values_per_trial", file, 0, 1000));
    part.records = TrialRecords({first - 1, last}, trials, width);
    const ordered_json& rows = Key(root, "trial_records", file);
    if (!rows.is_array() || rows.size() != static_cast<std::size_t>(last - first + 1)) {
        throw PartFileError(file + ": \"trial_records\" must hold one row for each trial from " +
                            std::to_string(first) + " to " + std::to_string(last));
    }
    std::vector<double> values(width);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ordered_json& row = rows[i];
        const std::string where = file + ": trial " + std::to_string(first + static_cast<int>(i));
        if (!row.is_array() || row.size() != width + 2 || !row[width + 1].is_number_integer()) {
            throw PartFileError(where + " must be " + std::to_string(width) +
                                " values, a factor and a status");
        }
        for (std::size_t k = 0; k < width; ++k) {
            values[k] = NumberOf(row[k], where);
        }
        part.records.Add(values, NumberOf(row[width], where), row[width + 1].get<int>());
    }
    return part;
}

PartFile ReadPartFile(const std::filesystem::path& path) {
    const std::string name = path.string();
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw PartFileError(name + ": cannot be opened (" + std::strerror(errno) + ")");
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        throw PartFileError(name + ": cannot be read");
    }
    return ReadPart(bytes, name);
}

MergedParts MergeParts(const std::vector<PartFile>& parts, std::string_view programVersion) {
    if (parts.empty()) {
        throw PartFileError("no part file given");
    }
    for (const PartFile& part : parts) {
        if (part.programVersion != programVersion) {
            throw PartFileError(part.fileName + ": written by version " + part.programVersion +
                                " of the program; this is version " + std::string(programVersion) +
                                ": run every part with the same program");
        }
        if (ModelDigest(part.model) != part.modelDigest) {
            throw PartFileError(part.fileName +
                                ": its model does not give its digest; the file was changed");
        }
    }
    const PartFile& first = parts.front();
    for (const PartFile& part : parts) {
        const auto differ = [&](const std::string& what) {
            return PartFileError(part.fileName + " and " + first.fileName + " " + what);
        };
        if (part.modelDigest != first.modelDigest) {
            throw differ("are parts of different models (" + part.modelDigest + ", " +
                         first.modelDigest + ")");
        }
        if (part.part.parts != first.part.parts) {
            throw differ("are parts of different splits: " + PartName(part) + " and " +
                         PartName(first));
        }
        if (part.modelFile != first.modelFile) {
            throw differ("name their model differently (\"" + part.modelFile + "\", \"" +
                         first.modelFile + "\"): give every part the same model file");
        }
        if (part.records.runTrials != first.records.runTrials ||
            part.uniformStateAtStart != first.uniformStateAtStart) {
            throw differ("started from different sequence states (" +
                         std::to_string(part.uniformStateAtStart) + ", " +
                         std::to_string(first.uniformStateAtStart) + ")");
        }
    }
    const int count = first.part.parts;
    std::vector<const PartFile*> byIndex(static_cast<std::size_t>(count), nullptr);
    for (const PartFile& part : parts) {
        const PartFile*& slot = byIndex[static_cast<std::size_t>(part.part.index - 1)];
        if (slot != nullptr) {
            throw PartFileError(PartName(part) + " is given twice: " + slot->fileName + " and " +
                                part.fileName);
        }
        slot = &part;
        if (part.records.range != PartRange(part.records.runTrials, part.part) ||
            !part.records.complete() || part.records.width != first.records.width) {
            throw PartFileError(part.fileName + ": its trials are not those of " + PartName(part) +
                                " of a run of " + std::to_string(part.records.runTrials));
        }
    }
    std::string missing;
    int missingCount = 0;
    for (int k = 1; k <= count; ++k) {
        if (byIndex[static_cast<std::size_t>(k - 1)] == nullptr) {
            missing += (missing.empty() ? "" : ", ") + std::to_string(k);
            ++missingCount;
        }
    }
    if (missingCount > 0) {
        throw PartFileError((missingCount == 1 ? "part " : "parts ") + missing + " of " +
                            std::to_string(count) + (missingCount == 1 ? " is" : " are") +
                            " missing");
    }
    MergedParts merged;
    merged.modelFile = first.modelFile;
    merged.model = first.model;
    merged.uniformStateAtStart = first.uniformStateAtStart;
    merged.records =
        TrialRecords({0, first.records.runTrials}, first.records.runTrials, first.records.width);
    for (const PartFile* part : byIndex) {
        const TrialRecords& records = part->records;
        for (int i = records.range.begin; i < records.range.end; ++i) {
            merged.records.Add(records.valuesOf(i), records.factorOf(i), records.statusOf(i));
        }
    }
    return merged;
}

}  // namespace vardolin
