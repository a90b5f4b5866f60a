// SPDX-License-Identifier: MIT
// An analysis that no production file names, handed to the program in its catalogue: the main
// menu grows a row for it, its form runs it, saves it, and vardolin-run runs the saved file.
#include <QPushButton>
#include <iterator>
#include <sstream>

#include "ConstantAnalysis.h"
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
using vardolin::testing_support::CatalogueWithConstantAnalysis;
using vardolin::testing_support::kConstantAnalysis;
using vardolin::testing_support::kConstantCount;
using vardolin::testing_support::TestFolder;
using enum ControlKind;

constexpr DesignFont kDefault{};

// clang-format off
constexpr std::array kConstantControls{
    ControlRow{TextField, "Text1",    kNoIndex, nullptr, kNoIndex, 120,  120, 1200, 285, "",            kDefault, 0},
    ControlRow{TextField, "Text17",   kNoIndex, nullptr, kNoIndex, 120,  480, 1200, 285, "",            kDefault, 1},
    ControlRow{TextField, "Text6",    kNoIndex, nullptr, kNoIndex, 120,  840, 1200, 285, "",            kDefault, 2},
    ControlRow{TextField, "Text5",    kNoIndex, nullptr, kNoIndex, 120, 1200, 3000, 285, "",            kDefault, 3},
    ControlRow{TextField, "Text7",    kNoIndex, nullptr, kNoIndex, 120, 1560, 3000, 285, "",            kDefault, 4},
    ControlRow{Button,    "Command1", kNoIndex, nullptr, kNoIndex, 120, 1920, 1500, 495, "Calculation", kDefault, 5},
    ControlRow{Button,    "Command4", kNoIndex, nullptr, kNoIndex, 1800, 1920, 1500, 495, "Clear Data", kDefault, 6},
    ControlRow{Button,    "Command5", kNoIndex, nullptr, kNoIndex, 3480, 1920, 1500, 495, "Histogram",  kDefault, 7},
};
// clang-format on

constexpr AnalysisWindow kConstantWindow{
    .id = kConstantAnalysis.id,
    .menuCaption = "Constant Factor",
    .controls = kConstantControls,
    .clientWidthTwips = 5100,
    .clientHeightTwips = 2600,
    .navigation = {},
};

class CatalogueAnalysis : public WindowTest {
protected:
    CatalogueAnalysis() {
        navigator_.reset();
        navigator_ =
            std::make_unique<Navigator>(context_, constantCatalogue_, constantWindows_, dialogs_);
    }

    const AnalysisCatalogue constantCatalogue_ = CatalogueWithConstantAnalysis();
    const std::vector<const AnalysisWindow*> allWindows_ = [] {
        std::vector<const AnalysisWindow*> windows;
        const WindowCatalogue program = ProgramWindows();
        for (const AnalysisDescription* analysis : ProgramCatalogue()) {
            windows.push_back(&program.Of(analysis->id));
        }
        windows.push_back(&kConstantWindow);
        return windows;
    }();
    const WindowCatalogue constantWindows_{allWindows_};
    TestFolder folder_;
};

TEST_F(CatalogueAnalysis, IsOfferedRunSavedAndRunByTheRunnerLikeTheProgramsOwn) {
    MainMenu& menu = navigator().ShowMainMenu();
    // A row below the program's own, and the window a row taller for each beyond the two the
    // menu draws.
    const auto programRows =
        static_cast<int>(std::distance(ProgramCatalogue().begin(), ProgramCatalogue().end()));
    EXPECT_EQ(menu.height(), TwipsToPixels(5100 + 1800 * (programRows + 1 - 2)));
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
    EXPECT_EQ(runner::RunBatch(runner::ParseArguments({file}), constantCatalogue_, out, err, 1, {}),
              runner::kResults);
    EXPECT_EQ(out.str(), file + "\t0\t1.5\tBlock is Stable\n");
}

}  // namespace
}  // namespace vardolin::forms
