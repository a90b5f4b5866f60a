// SPDX-License-Identifier: MIT
// The third analysis reached as a user reaches it: its row of the main menu, its form, a run,
// the diagram drawn from the run and the slice table in the exported results.
#include <QImage>
#include <QPainter>
#include <fstream>
#include <sstream>

#include "TestFolder.h"
#include "critical_circle/CriticalCircleDescription.h"
#include "critical_circle/CriticalCircleFields.h"
#include "forms/FormHistogram.h"
#include "forms/FormTestSupport.h"
#include "forms/ModelFileActions.h"

namespace vardolin::forms {
namespace {

using testing_support::WindowTest;
using namespace critical;

class CriticalCircleForm : public WindowTest {};

TEST_F(CriticalCircleForm, RunsFromTheThirdMenuRowAndDrawsAndExportsItsCircle) {
    MainMenu& menu = navigator().ShowMainMenu();
    auto* row = FindControlAs<QPushButton>(menu, MainMenu::RowButtonName(2));
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->text(), QStringLiteral("Critical Circle"));
    row->click();
    auto* form = qobject_cast<AnalysisForm*>(navigator().Find("vard3"));
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Critical Circle"));

    QWidget* picture = FindControl(*form, QStringLiteral("Image1"));
    ASSERT_NE(picture, nullptr);
    const QImage before = picture->grab().toImage();
    Click(*form, "Command1");
    EXPECT_EQ(Text(*form, MessageField), QStringLiteral("Block is Stable"));
    EXPECT_FALSE(Text(*form, BishopFactor).isEmpty());
    EXPECT_FALSE(Text(*form, MeanSafetyFactor).isEmpty());
    EXPECT_TRUE(form->histogram().record().current() != nullptr);
    // The circle and the coloured centres join the slope drawn from the inputs.
    EXPECT_NE(picture->grab().toImage(), before);

    vardolin::testing_support::TestFolder folder;
    const std::string path = (folder.path() / "circle.csv").string();
    ASSERT_TRUE(form->files().ExportResultsTo(QString::fromStdString(path)));
    std::stringstream csv;
    csv << std::ifstream(path).rdbuf();
    EXPECT_NE(csv.str().find("\r\ncritical_circle_slices\r\nslice,x,width,"), std::string::npos);
    EXPECT_NE(csv.str().find("bishop_factor,"), std::string::npos);

    Click(*form, "Command2");
    EXPECT_TRUE(menu.isVisible());
}

}  // namespace
}  // namespace vardolin::forms
