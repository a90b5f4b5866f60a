// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "analysis/AnalysisCatalogue.h"
#include "analysis/AnalysisContext.h"
#include "analysis/AnalysisDescription.h"
#include "forms/AnalysisWindow.h"

// The windows of the program and how they meet.
//
//   main() creates the one UniformSequence, KeptTables and AnalysisContext of the process and
//   one Navigator over them and the program's catalogues (catalogue/), and shows the main menu
//   (Form1). From then on every window is reached through the Navigator's Show(form name):
//
//     Form1  one button per analysis of the catalogue -> Show("Vardolin"), Show("vard2"), …
//            "Exit" -> Exit()
//     each analysis form (AnalysisForm, built from its AnalysisDescription and its
//     AnalysisWindow):
//            "Calculation" -> the analysis's run on the window's text boxes and the context
//            its navigation buttons -> Show(their target)
//
//   Every analysis runs on the same context, so they draw from one uniform sequence: a run on
//   either form continues where the last run on the other stopped.
//
//   Show creates the window with its default texts if it does not exist, then shows it
//   modeless and brings it to the front; the calling window stays as it is. Closing a window
//   with its close box destroys it and its texts (Qt::WA_DeleteOnClose); the next Show builds
//   it afresh. Closing the last window ends the event loop (Qt's quit on last window closed);
//   Exit ends it once every form with changed inputs of a file has asked.
//
// Invariant: at most one instance of each form exists; the Navigator's QPointer to a form is
// the only way to reach it and is null once the form is gone.

namespace vardolin::forms {

class AnalysisForm;
class FileDialogs;
class MainMenu;

// The main menu's objectName.
inline constexpr std::string_view kMainMenuName = "Form1";

class Navigator {
public:
    // The context is the process's one. The analysis forms are those of `catalogue`, laid out
    // by `windows`. All three must outlive the Navigator.
    Navigator(AnalysisContext& context, const AnalysisCatalogue& catalogue,
              const WindowCatalogue& windows);
    // The same, with the file dialogs every form asks (tests answer them without a dialog);
    // `dialogs` must outlive the Navigator.
    Navigator(AnalysisContext& context, const AnalysisCatalogue& catalogue,
              const WindowCatalogue& windows, FileDialogs& dialogs);
    // Destroys the windows still open.
    ~Navigator();

    Navigator(const Navigator&) = delete;
    Navigator& operator=(const Navigator&) = delete;

    // Shows the main menu or the analysis form of that name.
    QWidget& Show(std::string_view formName);
    MainMenu& ShowMainMenu();
    AnalysisForm& ShowAnalysis(const AnalysisDescription& analysis);

    // The open instance of a form, or nullptr.
    QWidget* Find(std::string_view formName) const;

    FileDialogs& fileDialogs() const { return dialogs_; }
    const AnalysisCatalogue& catalogue() const { return catalogue_; }
    const WindowCatalogue& windows() const { return windows_; }

    // Ends the program: leaves the event loop once every form whose inputs changed since it was
    // opened from or saved to a file has had its question answered (Save, Discard). Cancel on
    // any keeps the program running; returns whether it ends.
    bool Exit();

    // Whether a run is in flight on any form. While one is, "Calculation" is disabled on every
    // analysis form, those opened meanwhile included: all runs share one sequence.
    bool runInFlight() const noexcept { return runInFlight_; }
    void SetRunInFlight(bool inFlight);

private:
    AnalysisContext& context_;
    const AnalysisCatalogue& catalogue_;
    const WindowCatalogue& windows_;
    std::unique_ptr<FileDialogs> ownDialogs_;  // the platform's, unless others were given
    FileDialogs& dialogs_;
    std::map<std::string, QPointer<QWidget>, std::less<>> forms_;
    bool runInFlight_ = false;
};

// Shows each button's target form when the button is clicked.
void ConnectNavigation(QWidget& form, std::span<const NavigationButton> buttons,
                       Navigator& navigator);

}  // namespace vardolin::forms
