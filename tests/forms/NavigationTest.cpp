// SPDX-License-Identifier: MIT
// Showing, reusing, closing and ending: one instance per form, and the program's end.
#include <QTimer>

#include "forms/FormTestSupport.h"
#include "plane/PlaneFields.h"

namespace vardolin::forms {
namespace {

using testing_support::WindowTest;

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
    Form1& menu = navigator().ShowForm1();
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(menu.windowTitle(), "Vardolin - co");
    EXPECT_EQ(navigator().vardolin(), nullptr);
    EXPECT_EQ(OpenWindows<QWidget>(), 1);
}

TEST_F(Navigation, PlanMethodTwiceLeavesOneFormWithTheTextsTypedSinceTheFirst) {
    Form1& menu = navigator().ShowForm1();
    Click(menu, "Command1");
    Vardolin* first = navigator().vardolin();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->windowTitle(), "Limiting Equilibrium");
    Type(*first, plane::SlopeHeight, "33");

    Click(menu, "Command1");
    EXPECT_EQ(navigator().vardolin(), first);
    EXPECT_EQ(Text(*first, plane::SlopeHeight), "33");
    EXPECT_EQ(OpenWindows<Vardolin>(), 1);
    EXPECT_EQ(OpenWindows<Form1>(), 1);
}

TEST_F(Navigation, ReturnBringsTheMenuToTheFrontAndLeavesTheFormOpen) {
    Form1& menu = navigator().ShowForm1();
    Click(menu, "Command1");
    Vardolin& form = *navigator().vardolin();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    Type(form, plane::SlopeHeight, "25");

    Click(form, "Command2");
    EXPECT_EQ(navigator().form1(), &menu);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&menu));
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(Text(form, plane::SlopeHeight), "25");
    EXPECT_EQ(OpenWindows<Form1>(), 1);
}

TEST_F(Navigation, AFormClosedWithItsCloseBoxComesBackWithItsDefaults) {
    Vardolin& form = navigator().ShowVardolin();
    Type(form, plane::SlopeHeight, "25");
    Click(form, "Command1");
    ASSERT_EQ(Text(form, plane::MessageField), "Block is not Stable");

    QPointer<Vardolin> closed = &form;
    form.close();
    EXPECT_EQ(navigator().vardolin(), nullptr);
    DeletePending();
    EXPECT_TRUE(closed.isNull()) << "closing destroys the window";

    Vardolin& again = navigator().ShowVardolin();
    EXPECT_EQ(Text(again, plane::SlopeHeight), "20");
    EXPECT_EQ(Text(again, plane::MessageField), "");
    EXPECT_EQ(Text(again, plane::MeanSafetyFactor), "");
}

TEST_F(Navigation, AWindowClosedButNotYetDeletedIsNotShownAgain) {
    Vardolin& form = navigator().ShowVardolin();
    Type(form, plane::SlopeHeight, "25");
    form.close();
    // Asked for before the event loop has deleted the closed window.
    Vardolin& again = navigator().ShowVardolin();
    EXPECT_NE(&again, &form);
    EXPECT_EQ(Text(again, plane::SlopeHeight), "20");
    EXPECT_EQ(OpenWindows<Vardolin>(), 1);
}

TEST_F(Navigation, ReturnBringsBackAMenuThatWasClosed) {
    Form1& menu = navigator().ShowForm1();
    Click(menu, "Command1");
    menu.close();
    DeletePending();
    EXPECT_EQ(navigator().form1(), nullptr);

    Click(*navigator().vardolin(), "Command2");
    ASSERT_NE(navigator().form1(), nullptr);
    EXPECT_TRUE(navigator().form1()->isVisible());
}

TEST_F(Navigation, ExitEndsTheProgramAtOnceWithAnyWindowsOpen) {
    const int code = RunEventLoop([this] {
        Form1& menu = navigator().ShowForm1();
        Click(menu, "Command1");
        Click(menu, "Command3");
    });
    EXPECT_EQ(code, 0);
}

TEST_F(Navigation, ClosingOneWindowKeepsTheProgramClosingTheLastEndsIt) {
    bool runningAfterFirstClose = false;
    const int code = RunEventLoop([&] {
        Form1& menu = navigator().ShowForm1();
        Click(menu, "Command1");
        menu.close();
        QTimer::singleShot(50, QCoreApplication::instance(), [&] {
            runningAfterFirstClose = navigator().vardolin() != nullptr;
            navigator().vardolin()->close();
        });
    });
    EXPECT_TRUE(runningAfterFirstClose);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(navigator().form1(), nullptr);
    EXPECT_EQ(navigator().vardolin(), nullptr);
}

}  // namespace
}  // namespace vardolin::forms
