// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>

#include "shared/AnalysisContext.h"

// The windows of the program and how they meet.
//
//   main() creates the one UniformSequence, MainModule and AnalysisContext of the process and
//   one Navigator over them, and shows the main menu, Form1. From then on every window is
//   reached through the Navigator's Show operations:
//
//     Form1    "Plan Method"  -> ShowVardolin()     "Slice Method" -> ShowVard2()
//              "Exit"         -> Exit()
//     Vardolin "Return"       -> ShowForm1()        "Go to Method of Slice ..." -> ShowVard2()
//              "Calculation"  -> RunPlaneAnalysis(window's text boxes, the context)
//     vard2    "Return"       -> ShowForm1()        "Go to Limiting Equilibrium" -> ShowVardolin()
//              "Calculation"  -> RunSliceAnalysis(window's text boxes, the context)
//
//   Both analyses run on the same context, so they draw from one uniform sequence: a run on
//   either form continues where the last run on the other stopped.
//
//   Show creates the window with its default texts if it does not exist, then shows it
//   modeless and brings it to the front; the calling window stays as it is. Closing a window
//   with its close box destroys it and its texts (Qt::WA_DeleteOnClose); the next Show builds
//   it afresh. Closing the last window ends the event loop (Qt's quit on last window closed);
//   Exit ends it at once.
//
// Invariant: at most one instance of each form exists; the Navigator's QPointer to a form is
// the only way to reach it and is null once the form is gone.

namespace vardolin::forms {

class Form1;
class Vardolin;
class vard2;

class Navigator {
public:
    // The context is the process's one; it must outlive the Navigator.
    explicit Navigator(AnalysisContext& context);
    // Destroys the windows still open.
    ~Navigator();

    Navigator(const Navigator&) = delete;
    Navigator& operator=(const Navigator&) = delete;

    Form1& ShowForm1();
    Vardolin& ShowVardolin();
    vard2& ShowVard2();

    // Ends the program at once: leaves the event loop, with no question asked.
    void Exit();

    // The open instance of a form, or nullptr.
    Form1* form1() const;
    Vardolin* vardolin() const;
    vard2* vard2Form() const;

private:
    template <typename Form, typename Create>
    Form& Show(QPointer<Form>& instance, Create create);

    AnalysisContext& context_;
    QPointer<Form1> form1_;
    QPointer<Vardolin> vardolin_;
    QPointer<vard2> vard2_;
};

}  // namespace vardolin::forms
