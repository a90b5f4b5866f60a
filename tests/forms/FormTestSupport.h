// SPDX-License-Identifier: MIT
// A fresh program state for every window test: its own sequence, tables and navigator.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <ostream>

#include "ScriptedDialogs.h"
#include "analysis/AnalysisContext.h"
#include "analysis/KeptTables.h"
#include "catalogue/ProgramCatalogue.h"
#include "catalogue/ProgramWindows.h"
#include "forms/AnalysisForm.h"
#include "forms/ControlTable.h"
#include "forms/MainMenu.h"
#include "forms/Navigator.h"
#include "forms/TestCatalogue.h"
#include "numerics/UniformSequence.h"
#include "plane_failure/PlaneFailureDescription.h"
#include "plane_failure/PlaneFields.h"
#include "slice_method/SliceFields.h"
#include "slice_method/SliceMethodDescription.h"

namespace vardolin::forms::testing_support {

// One of the two analysis forms, for the behaviour both share: how it is reached and left, and
// a field to type into (the slope height, "20" by default on both).
struct AnalysisFormCase {
    friend void PrintTo(const AnalysisFormCase& form, std::ostream* os) { *os << form.name; }
    const char* name;
    const char* caption;
    QWidget& (*show)(Navigator&);
    QWidget* (*instance)(const Navigator&);
    const char* menuButton;       // on Form1
    const char* returnButton;     // back to Form1
    const char* otherFormButton;  // to the other analysis form
    int slopeHeight;
};

inline const AnalysisFormCase kPlaneFailureForm{
    "PlaneFailure",
    "Limiting Equilibrium",
    [](Navigator& navigator) -> QWidget& { return navigator.ShowAnalysis(PlaneFailure()); },
    [](const Navigator& navigator) -> QWidget* { return navigator.Find("Vardolin"); },
    "Command1",
    "Command2",
    "Command3",
    plane::SlopeHeight,
};

inline const AnalysisFormCase kSliceMethodForm{
    "SliceMethod",
    "Method of Slice",
    [](Navigator& navigator) -> QWidget& { return navigator.ShowAnalysis(SliceMethod()); },
    [](const Navigator& navigator) -> QWidget* { return navigator.Find("vard2"); },
    "Command2",
    "Command3",
    "Command2",
    slice_method::SlopeHeight,
};

class WindowTest : public testing::Test {
protected:
    ~WindowTest() override {
        navigator_.reset();
        DeletePending();
    }

    Navigator& navigator() { return *navigator_; }

    // Deletes the windows closed since the last call, as the event loop would.
    static void DeletePending() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static QLineEdit* Field(const QWidget& form, int number) {
        return FindControlAs<QLineEdit>(form, QStringLiteral("Text%1").arg(number));
    }

    static QString Text(const QWidget& form, int number) {
        const QLineEdit* field = Field(form, number);
        return field != nullptr ? field->text() : QStringLiteral("<no Text%1>").arg(number);
    }

    // Clicks a button as a user would; a run that the click starts is waited for, so that its
    // texts are in the fields when this returns.
    void Click(const QWidget& form, const char* button) {
        auto* control = FindControlAs<QPushButton>(form, QString::fromLatin1(button));
        ASSERT_NE(control, nullptr) << button;
        QTest::mouseClick(control, Qt::LeftButton);
        WaitForRuns();
    }

    // Lets the event loop run until no run is in flight.
    void WaitForRuns() {
        while (navigator_->runInFlight()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
    }

    // Replaces a field's text by typing, as a user would.
    static void Type(const QWidget& form, int number, const QString& text) {
        QLineEdit* field = Field(form, number);
        ASSERT_NE(field, nullptr) << "Text" << number;
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }

    // Top-level windows of the given form class still open.
    template <typename Form>
    static int OpenWindows() {
        int count = 0;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (qobject_cast<Form*>(window) != nullptr && window->isVisible()) {
                ++count;
            }
        }
        return count;
    }

    // Top-level windows still open whose objectName is `name` ("Vardolin", "vard2").
    static int OpenWindowsNamed(const QString& name) {
        int count = 0;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == name && window->isVisible()) {
                ++count;
            }
        }
        return count;
    }

    UniformSequence uniforms_;
    std::unique_ptr<KeptTables> kept_ = std::make_unique<KeptTables>();
    AnalysisContext context_{uniforms_, *kept_, {"."}};
    ScriptedDialogs dialogs_;
    // The program's analyses and the tests' own: the suites that walk it cover each analysis.
    const AnalysisCatalogue catalogue_ = TestCatalogue();
    const WindowCatalogue windows_ = TestWindows();
    std::unique_ptr<Navigator> navigator_ =
        std::make_unique<Navigator>(context_, catalogue_, windows_, dialogs_);
};

}  // namespace vardolin::forms::testing_support
