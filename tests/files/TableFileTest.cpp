// SPDX-License-Identifier: MIT
// A table input in model files (arrays of rows) and in CSV files.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "TableAnalysis.h"
#include "TestFolder.h"
#include "files/ModelReader.h"
#include "files/ModelWriter.h"
#include "files/TableCsv.h"

namespace vardolin {
namespace {

using testing_support::CatalogueWithPolylineAnalysis;
using testing_support::kPolylineAnalysis;
using testing_support::kPolylinePoints;
using testing_support::kPolylineTables;

std::string PolylineFile(const std::string& points, int format = 3) {
    return R"({"format_version": )" + std::to_string(format) +
           R"(, "analysis": "polyline_table", "inputs": {"trial_count": "4", "points": )" + points +
           "}}";
}

// A table is kept as an array of rows in format 3, and reads back to the same text cell for
// cell, odd cells included; a file without it takes the form's default rows.
TEST(TableModelFile, KeepsItsRowsAsArraysAndReadsThemBack) {
    FieldTextMap fields = DefaultTexts(kPolylineAnalysis);
    const TableRows rows{{"0", "0"}, {"1,5", " 2 "}, {"é\"\\", ""}};
    fields.setText(kPolylinePoints, TableText(rows));
    const Model model = ModelFromFields(kPolylineAnalysis, fields);
    const std::string bytes = WriteModel(model);
    EXPECT_NE(bytes.find("\"format_version\": 3"), std::string::npos);
    EXPECT_NE(bytes.find("\"points\": [\n      [\n        \"0\""), std::string::npos) << bytes;
    const ModelRead read = ReadModel(bytes, "p.vardolin", CatalogueWithPolylineAnalysis());
    EXPECT_EQ(read.model.inputs, model.inputs);
    EXPECT_TRUE(read.notes.empty());
    EXPECT_EQ(WriteModel(read.model), bytes);

    const ModelRead lacking =
        ReadModel(R"({"format_version": 3, "analysis": "polyline_table", "inputs": {}})", "p",
                  CatalogueWithPolylineAnalysis());
    EXPECT_EQ(lacking.model.inputs.at("points"), R"([["0","0"],["3","4"]])");
}

TEST(TableModelFile, TakesNumbersInCellsAsAnInputTakesThem) {
    const ModelRead read =
        ReadModel(PolylineFile(R"([[0, 0.5], ["3", 4]])"), "p", CatalogueWithPolylineAnalysis());
    EXPECT_EQ(read.model.inputs.at("points"), R"([["0","0.5"],["3","4"]])");
    EXPECT_EQ(read.notes.size(), 3u);
}

struct BadTableRow {
    const char* name;
    std::string file;
    std::string message;
    friend void PrintTo(const BadTableRow& row, std::ostream* os) { *os << row.name; }
};

class BadTableFile : public testing::TestWithParam<BadTableRow> {};

TEST_P(BadTableFile, IsRefusedNamingTheRowAndCell) {
    try {
        ReadModel(GetParam().file, "p.vardolin", CatalogueWithPolylineAnalysis());
        FAIL() << "read";
    } catch (const ModelFileError& e) {
        EXPECT_EQ(std::string(e.what()), "p.vardolin: " + GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadTableFile,
    testing::Values(BadTableRow{"AText", PolylineFile(R"("0,0")"),
                                "\"inputs.points\" must be a list of rows, each a list of 2 texts"},
                    BadTableRow{"OfAnOlderFormat", PolylineFile(R"([["0","0"]])", 2),
                                "\"inputs.points\", a table, needs model format 3"},
                    BadTableRow{"ARowTooShort", PolylineFile(R"([["0","0"],["1"]])"),
                                "\"inputs.points[1]\" must be a list of 2 texts, one per column"},
                    BadTableRow{"ARowNotAList", PolylineFile(R"([["0","0"], "1"])"),
                                "\"inputs.points[1]\" must be a list of 2 texts, one per column"},
                    BadTableRow{"ACellTrue", PolylineFile(R"([["0",true]])"),
                                "\"inputs.points[0][1]\" must be a text in quotes or a number"},
                    BadTableRow{"ACellWithALineBreak", PolylineFile(R"([["0","1\n2"]])"),
                                "\"inputs.points[0][1]\" holds a control character"},
                    BadTableRow{"ACellTooLong",
                                PolylineFile("[[\"0\",\"" + std::string(1001, '7') + "\"]]"),
                                "\"inputs.points[0][1]\" is longer than 1000 characters"},
                    BadTableRow{"NestedInACell", PolylineFile(R"([["0",["1"]]])"),
                                "nested deeper than any model file"},
                    BadTableRow{"TooManyRows",
                                PolylineFile("[" +
                                             [] {
                                                 std::string rows = R"(["0","0"])";
                                                 for (std::size_t i = 0; i < kMaxTableRows; ++i) {
                                                     rows += R"(,["0","0"])";
                                                 }
                                                 return rows;
                                             }() +
                                             "]"),
                                "\"inputs.points\" has more than 10000 rows"},
                    BadTableRow{"ATableOfAFormOfTexts",
                                R"({"format_version": 3, "analysis": "plane_failure", )"
                                R"("inputs": {"slope_height": [["1"]]}})",
                                "\"inputs.slope_height\" must be a text in quotes or a number"}),
    [](const auto& row) { return std::string(row.param.name); });

// An older file reads exactly as before: format 1 and 2 files of the program's analyses are
// not touched by the table format, and a table-free model is not written in format 3.
TEST(TableModelFile, AModelWithoutATableKeepsItsOlderFormat) {
    const Model model =
        ModelFromFields(*ProgramCatalogue().FindById("plane_failure"),
                        DefaultTexts(*ProgramCatalogue().FindById("plane_failure")));
    const std::string bytes = WriteModel(model);
    EXPECT_NE(bytes.find("\"format_version\": 1"), std::string::npos);
    EXPECT_EQ(ReadModel(bytes, "m", ProgramCatalogue()).model.inputs, model.inputs);
}

struct CsvRow {
    const char* name;
    std::string csv;
    TableRows rows;
    friend void PrintTo(const CsvRow& row, std::ostream* os) { *os << row.name; }
};

class TableCsv : public testing::TestWithParam<CsvRow> {};

TEST_P(TableCsv, GivesTheRowsInTheTablesColumnOrder) {
    EXPECT_EQ(ReadTableCsv(GetParam().csv, "rows.csv", kPolylineTables[0]), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Files, TableCsv,
    testing::Values(
        CsvRow{"PlainRows", "0,0\n3,4\n", {{"0", "0"}, {"3", "4"}}},
        CsvRow{"Header", "x,y\r\n0,1\r\n3,4", {{"0", "1"}, {"3", "4"}}},
        CsvRow{"HeaderInAnotherOrder", "Y,X\n1,0\n4,3\n", {{"0", "1"}, {"3", "4"}}},
        CsvRow{"QuotedCells", "\"1,5\",\"a \"\"b\"\"\"\n\"\",2\n", {{"1,5", "a \"b\""}, {"", "2"}}},
        CsvRow{"ByteOrderMarkAndBlankLines",
               "\xEF\xBB\xBFx,y\n\n0,0\n\r\n3,4\n\n",
               {{"0", "0"}, {"3", "4"}}},
        CsvRow{"Empty", "", {}}, CsvRow{"HeaderAlone", "x,y\n", {}}),
    [](const auto& row) { return std::string(row.param.name); });

struct BadCsvRow {
    const char* name;
    std::string csv;
    std::string message;
    friend void PrintTo(const BadCsvRow& row, std::ostream* os) { *os << row.name; }
};

class BadTableCsv : public testing::TestWithParam<BadCsvRow> {};

TEST_P(BadTableCsv, IsRefusedNamingTheFileLineAndColumn) {
    try {
        ReadTableCsv(GetParam().csv, "rows.csv", kPolylineTables[0]);
        FAIL() << "read";
    } catch (const TableCsvError& e) {
        EXPECT_EQ(std::string(e.what()), "rows.csv: " + GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadTableCsv,
    testing::Values(BadCsvRow{"TooFewCells", "x,y\n0,0\n3\n",
                              "line 3: 1 cells where the table has 2 columns (x, y)"},
                    BadCsvRow{"TooManyCells", "0,0,0\n",
                              "line 1: 3 cells where the table has 2 columns (x, y)"},
                    BadCsvRow{"UnclosedQuote", "0,0\n1,\"2\n3,4\n",
                              "line 2, column 3: a quote opened here is never closed"},
                    BadCsvRow{"TextAfterAQuote", "0,\"2\"x\n",
                              "line 1, column 6: a quoted cell must end at its closing quote"},
                    BadCsvRow{"TextAfterAQuoteOnItsNextLine", "0,\"2\n3\"x\n",
                              "line 2, column 3: a quoted cell must end at its closing quote"},
                    BadCsvRow{
                        "QuoteInsideACell", "0,2\"\n",
                        "line 1, column 4: a quote inside a cell that does not begin with one"},
                    BadCsvRow{"ControlCharacter", "0,0\n1,\t2\n",
                              "line 2, column 3: the cell holds a control character"},
                    BadCsvRow{"HeaderTwice", "x,X\n",
                              "line 1, column 3: the header names the column \"x\" twice"},
                    BadCsvRow{"HeaderShort", "y\n",
                              "line 1: the header names 1 columns where the table has 2 (x, y)"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(TableCsvFile, NamesAFileThatCannotBeOpened) {
    const testing_support::TestFolder folder;
    try {
        ReadTableCsvFile(folder.path() / "none.csv", kPolylineTables[0]);
        FAIL() << "read";
    } catch (const TableCsvError& e) {
        EXPECT_NE(std::string(e.what()).find("none.csv: cannot be opened"), std::string::npos);
    }
}

}  // namespace
}  // namespace vardolin
