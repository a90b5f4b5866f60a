// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include "sampling/SamplingChoices.h"

namespace vardolin::forms {

class AnalysisForm;
class SamplingDialog;

// The sampling choices of one analysis form and the "Sampling…" command of its Options menu.
// The form hands them to every run it starts; its model files keep them.
class SamplingActions final : public QObject {
    Q_OBJECT

public:
    explicit SamplingActions(AnalysisForm& form);

    const SamplingChoices& choices() const { return choices_; }
    void SetChoices(const SamplingChoices& choices) { choices_ = choices; }

    // Opens the dialog on the current choices (window-modal); OK makes its choices the form's.
    SamplingDialog* ShowDialog();

private:
    AnalysisForm& form_;
    SamplingChoices choices_;
};

}  // namespace vardolin::forms
