// SPDX-License-Identifier: MIT
// The conventions every analysis window keeps (forms/AnalysisWindow.h), for each analysis of the
// catalogue: the form's own buttons, a text field for each of its fields, the fields every
// report reads at their places, and the buttons that lead to other forms.
#include <QLineEdit>
#include <QPushButton>

#include "fields/ReportFields.h"
#include "forms/FormTestSupport.h"

namespace vardolin::forms {
namespace {

using testing_support::AnalysisRowName;
using testing_support::TestAnalyses;
using testing_support::WindowTest;

class WindowConventions : public WindowTest,
                          public testing::WithParamInterface<const AnalysisDescription*> {
protected:
    const AnalysisWindow& window() const { return windows_.Of(GetParam()->id); }

    // The row of the window's layout named `name`; none if it has none.
    const ControlRow* Row(const char* name) const {
        for (const ControlRow& row : window().controls) {
            if (std::string_view(row.name) == name) {
                return &row;
            }
        }
        return nullptr;
    }
};

TEST_P(WindowConventions, LaysOutTheFormsButtonsAndAFieldForEachFact) {
    for (const char* button : kAnalysisFormButtons) {
        const ControlRow* row = Row(button);
        ASSERT_NE(row, nullptr) << button;
        EXPECT_EQ(row->kind, ControlKind::Button) << button;
    }
    for (const FieldFact& field : GetParam()->fields) {
        const std::string name = "Text" + std::to_string(field.number);
        const ControlRow* row = Row(name.c_str());
        ASSERT_NE(row, nullptr) << field.key;
        // A wrapped field is read-only, so it may show a result but never take an input.
        if (field.isInput()) {
            EXPECT_EQ(row->kind, ControlKind::TextField) << field.key;
        } else {
            EXPECT_TRUE(row->kind == ControlKind::TextField ||
                        row->kind == ControlKind::WrappedTextField)
                << field.key;
        }
    }
    for (const NavigationButton& button : window().navigation) {
        const ControlRow* row = Row(button.button);
        ASSERT_NE(row, nullptr) << button.button;
        EXPECT_EQ(row->kind, ControlKind::Button) << button.button;
    }
}

TEST_P(WindowConventions, KeepsTheReportsFieldsAtTheirPlaces) {
    const AnalysisDescription& analysis = *GetParam();
    for (const FieldFact& report : kVerdictFields) {
        EXPECT_EQ(analysis.fieldWith(report.role).number, report.number) << report.key;
    }
    EXPECT_EQ(analysis.fieldWith(FieldRole::FailurePercentage).number,
              kFailurePercentageField[0].number);
}

// The form built from the window: every button it must have is a button that answers a click.
TEST_P(WindowConventions, BuildsAFormWhoseButtonsAreThere) {
    AnalysisForm& form = navigator().ShowAnalysis(*GetParam());
    for (const char* button : kAnalysisFormButtons) {
        EXPECT_NE(FindControlAs<QPushButton>(form, QString::fromLatin1(button)), nullptr) << button;
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, WindowConventions, testing::ValuesIn(TestAnalyses()),
                         AnalysisRowName{});

}  // namespace
}  // namespace vardolin::forms
