// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include "sampling/SamplingChoices.h"

class QPushButton;

namespace vardolin::forms {

class AnalysisForm;
class SamplingDialog;

// The sampling choices of one analysis form and the "Sampling…" command of its Options menu.
// The form hands them to every run it starts; its model files keep them. Choices other than
// the defaults are named on a line below the client area (a click on it opens the dialog), so
// that no run draws otherwise than the form shows; with the defaults the line is hidden.
class SamplingActions final : public QObject {
    Q_OBJECT

public:
    explicit SamplingActions(AnalysisForm& form);

    const SamplingChoices& choices() const { return choices_; }
    void SetChoices(const SamplingChoices& choices);

    // The choices of a run that starts now; they become those of the results if it gives any.
    const SamplingChoices& RunStarting();
    // The choices of the run whose results the form shows, for its report and exported results.
    const SamplingChoices& ofResults() const { return ofResults_; }

    // Opens the dialog on the current choices (window-modal); OK makes its choices the form's.
    SamplingDialog* ShowDialog();

private:
    void ShowLine();

    AnalysisForm& form_;
    SamplingChoices choices_;
    SamplingChoices running_;
    SamplingChoices ofResults_;
    QPushButton* line_;
};

}  // namespace vardolin::forms
