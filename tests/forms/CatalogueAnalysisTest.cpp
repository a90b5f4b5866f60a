// SPDX-License-Identifier: MIT
// An analysis that no production file names, handed to the program in its catalogue: the main
// menu grows a row for it, its form runs it, saves it, and vardolin-run runs the saved file.
#include <QPushButton>
#include <iterator>
#include <sstream>

#include "TestFolder.h"
#include "catalogue/ProgramWindows.h"
#include "forms/AnalysisForm.h"
#include "forms/ControlTable.h"
#include "forms/FormTestSupport.h"
#include "forms/MainMenu.h"
#include "forms/ModelFileActions.h"
#include "runner/BatchRun.h"

namespace vardolin::forms {
namespace {

using testing_support::WindowTest;
using vardolin::testing_support::kConstantCount;
using vardolin::testing_support::TestFolder;

class CatalogueAnalysis : public WindowTest {
protected:
    TestFolder folder_;
};

TEST_F(CatalogueAnalysis, IsOfferedRunSavedAndRunByTheRunnerLikeTheProgramsOwn) {
    MainMenu& menu = navigator().ShowMainMenu();
    // The tests' own rows below the program's, the constant one first, and the window a row
    // taller for each beyond the two the menu draws.
    const auto programRows =
        static_cast<int>(std::distance(ProgramCatalogue().begin(), ProgramCatalogue().end()));
    const auto rows = static_cast<int>(std::distance(catalogue_.begin(), catalogue_.end()));
    ASSERT_EQ(rows, programRows + static_cast<int>(testing_support::kTestAnalyses.size()));
    EXPECT_EQ(menu.height(), TwipsToPixels(5100 + 1800 * (rows - 2)));
    auto* row = FindControlAs<QPushButton>(menu, MainMenu::RowButtonName(programRows));
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->text(), QStringLiteral("Constant Factor"));
    row->click();
    auto* form = qobject_cast<AnalysisForm*>(navigator().Find("ConstantFactor"));
    ASSERT_NE(form, nullptr);

    Type(*form, kConstantCount, "4");
    Click(*form, "Command1");
    EXPECT_EQ(Text(*form, kVerdictFields[1].number), QStringLiteral("1.5"));
    EXPECT_EQ(Text(*form, kVerdictFields[0].number), QStringLiteral("Block is Stable"));

    const QString path = QString::fromStdString((folder_.path() / "constant").string());
    dialogs_.fileNames = {path};
    ASSERT_TRUE(form->files().SaveAs());
    std::ostringstream out;
    std::ostringstream err;
    const std::string file = (folder_.path() / "constant.vardolin").string();
    EXPECT_EQ(runner::RunBatch(runner::ParseArguments({file}), catalogue_, out, err, 1, {}),
              runner::kResults);
    EXPECT_EQ(out.str(), file + "\t0\t1.5\tBlock is Stable\n");
}

}  // namespace
}  // namespace vardolin::forms
