// SPDX-License-Identifier: MIT
// Showing, reusing, closing and ending: one instance per form, and the program's end.
#include <QTimer>

#include "TestSupport.h"
#include "forms/FormTestSupport.h"

namespace vardolin::forms {
namespace {

using testing_support::AnalysisFormCase;
using testing_support::kPlaneFailureForm;
using testing_support::kSliceMethodForm;
using testing_support::WindowTest;

constexpr int kMessageField = 5;  // on both analysis forms
constexpr int kSafetyFactor = 6;  // on both analysis forms

class Navigation : public WindowTest {
protected:
    // Runs the application's event loop until it ends, with `steps` queued into it, and returns
    // its exit code; 99 means nothing ended it within five seconds.
    static int RunEventLoop(const std::function<void()>& steps) {
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, &watchdog,
                         [] { QCoreApplication::exit(99); });
        watchdog.start(5000);
        QTimer::singleShot(0, &watchdog, steps);
        return QApplication::exec();
    }
};

TEST_F(Navigation, AtStartOnlyTheMenuIsOpen) {
    MainMenu& menu = navigator().ShowMainMenu();
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(menu.windowTitle(), "Vardolin - co");
    EXPECT_EQ(navigator().Find("Vardolin"), nullptr);
    EXPECT_EQ(navigator().Find("vard2"), nullptr);
    EXPECT_EQ(OpenWindows<QWidget>(), 1);
}

// What holds for both analysis forms, run once for each.
class AnalysisFormNavigation : public Navigation,
                               public testing::WithParamInterface<AnalysisFormCase> {
protected:
    QWidget* Instance() const { return GetParam().instance(*navigator_); }
    int OpenInstances() const {
        const QWidget* form = Instance();
        return form != nullptr ? OpenWindowsNamed(form->objectName()) : 0;
    }
};

TEST_P(AnalysisFormNavigation, MenuButtonTwiceLeavesOneFormWithTheTextsTypedSinceTheFirst) {
    const AnalysisFormCase& row = GetParam();
    MainMenu& menu = navigator().ShowMainMenu();
    Click(menu, row.menuButton);
    QWidget* first = Instance();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->windowTitle(), row.caption);
    Type(*first, row.slopeHeight, "33");

    Click(menu, row.menuButton);
    EXPECT_EQ(Instance(), first);
    EXPECT_EQ(Text(*first, row.slopeHeight), "33");
    EXPECT_EQ(OpenInstances(), 1);
    EXPECT_EQ(OpenWindows<MainMenu>(), 1);
    EXPECT_EQ(OpenWindows<QWidget>(), 2) << "the menu opens only the form it is asked for";
}

TEST_P(AnalysisFormNavigation, ReturnBringsTheMenuToTheFrontAndLeavesTheFormOpen) {
    const AnalysisFormCase& row = GetParam();
    MainMenu& menu = navigator().ShowMainMenu();
    Click(menu, row.menuButton);
    QWidget& form = *Instance();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    Type(form, row.slopeHeight, "25");

    Click(form, row.returnButton);
    EXPECT_EQ(navigator().Find("Form1"), &menu);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&menu));
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(Text(form, row.slopeHeight), "25");
    EXPECT_EQ(OpenWindows<MainMenu>(), 1);
}

TEST_P(AnalysisFormNavigation, AFormClosedWithItsCloseBoxComesBackWithItsDefaults) {
    const AnalysisFormCase& row = GetParam();
    QWidget& form = row.show(navigator());
    Type(form, row.slopeHeight, "25");
    Click(form, "Command1");
    ASSERT_NE(Text(form, kMessageField), "");

    QPointer<QWidget> closed = &form;
    form.close();
    EXPECT_EQ(Instance(), nullptr);
    DeletePending();
    EXPECT_TRUE(closed.isNull()) << "closing destroys the window";

    QWidget& again = row.show(navigator());
    EXPECT_EQ(Text(again, row.slopeHeight), "20");
    EXPECT_EQ(Text(again, kMessageField), "");
    EXPECT_EQ(Text(again, kSafetyFactor), "");
}

TEST_P(AnalysisFormNavigation, AWindowClosedButNotYetDeletedIsNotShownAgain) {
    const AnalysisFormCase& row = GetParam();
    QWidget& form = row.show(navigator());
    Type(form, row.slopeHeight, "25");
    form.close();
    // Asked for before the event loop has deleted the closed window.
    QWidget& again = row.show(navigator());
    EXPECT_NE(&again, &form);
    EXPECT_EQ(Text(again, row.slopeHeight), "20");
    EXPECT_EQ(OpenInstances(), 1);
}

TEST_P(AnalysisFormNavigation, ReturnBringsBackAMenuThatWasClosed) {
    const AnalysisFormCase& row = GetParam();
    MainMenu& menu = navigator().ShowMainMenu();
    Click(menu, row.menuButton);
    menu.close();
    DeletePending();
    EXPECT_EQ(navigator().Find("Form1"), nullptr);

    Click(*Instance(), row.returnButton);
    ASSERT_NE(navigator().Find("Form1"), nullptr);
    EXPECT_TRUE(navigator().Find("Form1")->isVisible());
}

INSTANTIATE_TEST_SUITE_P(BothForms, AnalysisFormNavigation,
                         testing::Values(kPlaneFailureForm, kSliceMethodForm),
                         vardolin::testing_support::RowName());

// The buttons that lead from one analysis form to the other.
struct CrossRow {
    friend void PrintTo(const CrossRow& row, std::ostream* os) { *os << row.name; }
    const char* name;
    const AnalysisFormCase* from;
    const AnalysisFormCase* to;
};

class CrossNavigation : public Navigation, public testing::WithParamInterface<CrossRow> {};

TEST_P(CrossNavigation, PressedTwiceShowsOneTargetThatKeepsItsTextsAndLeavesTheCallerOpen) {
    const CrossRow& row = GetParam();
    QWidget& from = row.from->show(navigator());
    QWidget& to = row.to->show(navigator());
    Type(to, row.to->slopeHeight, "44");
    Type(from, row.from->slopeHeight, "33");

    Click(from, row.from->otherFormButton);
    EXPECT_EQ(row.to->instance(navigator()), &to);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&to));
    Click(from, row.from->otherFormButton);
    EXPECT_EQ(row.to->instance(navigator()), &to);
    EXPECT_EQ(Text(to, row.to->slopeHeight), "44");
    EXPECT_TRUE(from.isVisible());
    EXPECT_EQ(Text(from, row.from->slopeHeight), "33");
    EXPECT_EQ(OpenWindows<QWidget>(), 2);
}

TEST_P(CrossNavigation, CreatesTheTargetWithItsDefaultsWhenItIsNotOpen) {
    const CrossRow& row = GetParam();
    QWidget& from = row.from->show(navigator());
    ASSERT_EQ(row.to->instance(navigator()), nullptr);
    Click(from, row.from->otherFormButton);
    QWidget* to = row.to->instance(navigator());
    ASSERT_NE(to, nullptr);
    EXPECT_EQ(to->windowTitle(), row.to->caption);
    EXPECT_EQ(Text(*to, row.to->slopeHeight), "20");
    EXPECT_EQ(navigator().Find("Form1"), nullptr) << "no other window opens";
}

INSTANTIATE_TEST_SUITE_P(
    BetweenTheAnalysisForms, CrossNavigation,
    testing::Values(CrossRow{"PlaneFailureToSliceMethod", &kPlaneFailureForm, &kSliceMethodForm},
                    CrossRow{"SliceMethodToPlaneFailure", &kSliceMethodForm, &kPlaneFailureForm}),
    vardolin::testing_support::RowName());

// Each analysis of the catalogue, from its row of the main menu: its form, once however often
// the row is pressed, and back to the menu by closing it.
TEST_F(Navigation, EachMenuRowShowsItsAnalysisFormOnce) {
    int row = 0;
    for (const AnalysisDescription* analysis : catalogue_) {
        MainMenu& menu = navigator().ShowMainMenu();
        const QString button = MainMenu::RowButtonName(row++);
        Click(menu, button.toLatin1().constData());
        QWidget* form = navigator().Find(analysis->formName);
        ASSERT_NE(form, nullptr) << analysis->id;
        EXPECT_EQ(form->windowTitle(), QString::fromUtf8(analysis->caption));
        EXPECT_TRUE(form->isVisible());
        Click(menu, button.toLatin1().constData());
        EXPECT_EQ(navigator().Find(analysis->formName), form);
        EXPECT_EQ(OpenWindowsNamed(form->objectName()), 1) << analysis->id;
    }
}

TEST_F(Navigation, ExitEndsTheProgramAtOnceWithAnyWindowsOpen) {
    const int code = RunEventLoop([this] {
        MainMenu& menu = navigator().ShowMainMenu();
        Click(menu, "Command1");
        Click(menu, "Command2");
        Click(menu, "Command3");
    });
    EXPECT_EQ(code, 0);
}

TEST_F(Navigation, ClosingOneWindowKeepsTheProgramClosingTheLastEndsIt) {
    bool runningAfterMenuClosed = false;
    bool runningAfterPlaneFormClosed = false;
    const int code = RunEventLoop([&] {
        MainMenu& menu = navigator().ShowMainMenu();
        Click(menu, "Command1");
        Click(menu, "Command2");
        menu.close();
        QTimer::singleShot(50, QCoreApplication::instance(), [&] {
            runningAfterMenuClosed = navigator().Find("Vardolin") != nullptr;
            if (runningAfterMenuClosed) {
                navigator().Find("Vardolin")->close();
            }
            QTimer::singleShot(50, QCoreApplication::instance(), [&] {
                runningAfterPlaneFormClosed = navigator().Find("vard2") != nullptr;
                if (runningAfterPlaneFormClosed) {
                    navigator().Find("vard2")->close();
                }
            });
        });
    });
    EXPECT_TRUE(runningAfterMenuClosed);
    EXPECT_TRUE(runningAfterPlaneFormClosed);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(navigator().Find("Form1"), nullptr);
    EXPECT_EQ(navigator().Find("Vardolin"), nullptr);
    EXPECT_EQ(navigator().Find("vard2"), nullptr);
}

}  // namespace
}  // namespace vardolin::forms
