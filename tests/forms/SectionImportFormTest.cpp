// SPDX-License-Identifier: MIT
// The section form's File ▸ Import Section…: a DXF drawing into the ground, boundaries and
// piezometric line tables as one step of Edit ▸ Undo, and a refused drawing that changes nothing.
#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>

#include "TestFolder.h"
#include "forms/AnalysisForm.h"
#include "forms/EditActions.h"
#include "forms/FormTestSupport.h"
#include "forms/ImportActions.h"
#include "slope_section/SectionDxf.h"
#include "slope_section/SectionInputs.h"
#include "slope_section/window/SectionImport.h"

namespace vardolin::forms {
namespace {

using testing_support::WindowTest;
using vardolin::testing_support::DxfDrawing;
using vardolin::testing_support::DxfLine;
using vardolin::testing_support::DxfLwPolyline;
using vardolin::testing_support::TestFolder;
using vardolin::testing_support::WriteText;

class SectionImportForm : public WindowTest {
protected:
    std::map<int, QString> Texts(const AnalysisForm& form) const {
        std::map<int, QString> texts;
        for (const FieldFact& field : form.analysis().fields) {
            texts[field.number] = Text(form, field.number);
        }
        return texts;
    }

    QString Write(const std::string& name, const std::string& text) const {
        const auto path = folder_.path() / name;
        WriteText(path.string(), text);
        return QString::fromStdString(path.string());
    }

    TestFolder folder_;
};

TEST_F(SectionImportForm, ImportsTheMappedLayersAsOneStepOrChangesNothing) {
    AnalysisForm& form =
        navigator().ShowAnalysis(*catalogue_.FindById(section::kSectionAnalysisId));
    ASSERT_NE(form.findChild<QAction*>(QStringLiteral("ImportDrawingAction")), nullptr);
    const std::map<int, QString> before = Texts(form);

    const QString good =
        Write("good.dxf", DxfDrawing(DxfLwPolyline("Ground", {{0, 12}, {10, 12}, {30, 2}}) +
                                     DxfLine("Clay", {0, 6}, {30, 0}) +
                                     DxfLwPolyline("Water", {{30, 3}, {0, 8}})));
    ASSERT_TRUE(section::ImportSectionFile(form.imports(), good, {"Ground", {"Clay"}, "Water"}));
    EXPECT_TRUE(dialogs_.errors.isEmpty());
    EXPECT_EQ(Text(form, section::GroundTable),
              QStringLiteral(R"([["0","12"],["10","12"],["30","2"]])"));
    EXPECT_EQ(Text(form, section::BoundariesTable),
              QStringLiteral(R"([["1","0","6"],["1","30","0"]])"));
    EXPECT_EQ(Text(form, section::PiezometricTable), QStringLiteral(R"([["0","8"],["30","3"]])"));
    // Everything else as it was, and one Undo gives the three tables back.
    std::map<int, QString> imported = Texts(form);
    for (const int table :
         {section::GroundTable, section::BoundariesTable, section::PiezometricTable}) {
        imported[table] = before.at(table);
    }
    EXPECT_EQ(imported, before);
    ASSERT_TRUE(form.edit().Undo());
    EXPECT_EQ(Texts(form), before);

    // Refused drawings: each reported, no text changed, nothing to undo.
    const std::vector<std::pair<QString, section::LayerMapping>> refused{
        {Write("crossing.dxf", DxfDrawing(DxfLwPolyline("Ground", {{0, 12}, {30, 2}}) +
                                          DxfLwPolyline("Clay", {{0, 6}, {30, 8}}))),
         {"Ground", {"Clay"}, ""}},
        {Write("empty.dxf", ""), {"Ground", {}, ""}},
        {good, {"Ground", {"Sand"}, ""}},
    };
    for (const auto& [path, mapping] : refused) {
        SCOPED_TRACE(path.toStdString());
        dialogs_.errors.clear();
        EXPECT_FALSE(section::ImportSectionFile(form.imports(), path, mapping));
        EXPECT_EQ(dialogs_.errors.size(), 1);
        EXPECT_EQ(Texts(form), before);
        EXPECT_FALSE(form.edit().canUndo());
    }
}

// The dialog opens on the suggested mapping, takes the boundaries in the order of their numbers
// and lets OK go only with one ground and no line chosen twice.
TEST(LayerMappingDialog, OpensOnTheSuggestionAndRefusesALineChosenTwice) {
    const section::SectionDrawing drawing{{{"Rock", {{{0, 1}, {9, 1}}}},
                                           {"Ground", {{{0, 9}, {9, 9}}}},
                                           {"Sand", {{{0, 5}, {9, 5}}}},
                                           {"Water", {{{0, 7}, {9, 7}}}}}};
    section::LayerMappingDialog dialog(drawing, nullptr);
    const QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    const QStringList roles{dialog.roleOf(0).currentText(), dialog.roleOf(1).currentText(),
                            dialog.roleOf(2).currentText(), dialog.roleOf(3).currentText()};
    EXPECT_EQ(roles, (QStringList{"Boundary 2", "Ground", "Boundary 1", "Piezometric line"}));
    EXPECT_TRUE(ok->isEnabled());

    dialog.roleOf(0).setCurrentText(QStringLiteral("Ground"));
    EXPECT_FALSE(ok->isEnabled());
    dialog.roleOf(0).setCurrentText(QStringLiteral("Boundary 1"));
    EXPECT_FALSE(ok->isEnabled());
    dialog.roleOf(2).setCurrentText(QStringLiteral("Boundary 4"));
    dialog.roleOf(3).setCurrentText(QStringLiteral("Ignore"));
    EXPECT_TRUE(ok->isEnabled());
    const section::LayerMapping mapping = dialog.mapping();
    EXPECT_EQ(mapping.ground, "Ground");
    EXPECT_EQ(mapping.boundaries, (std::vector<std::string>{"Rock", "Sand"}));
    EXPECT_EQ(mapping.water, "");
}

}  // namespace
}  // namespace vardolin::forms
