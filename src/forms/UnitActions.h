// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <map>

#include "fields/UnitSystem.h"

class QAction;
class QLabel;

namespace vardolin::forms {

class AnalysisForm;

// The unit system of a form whose models choose one (Options > Units): a label beside each
// field that has a unit, and the menu that changes the system. Changing it converts the inputs
// (averages and standard deviations alike); the results, whose inputs then differ, are muted.
class UnitActions final : public QObject {
    Q_OBJECT

public:
    explicit UnitActions(AnalysisForm& form);

    UnitSystem units() const { return units_; }
    // The system the user chose: the inputs are converted to it.
    void ConvertTo(UnitSystem units);
    // The system of a model whose inputs are already in it (a model opened).
    void SetWithoutConverting(UnitSystem units);

private:
    void ShowUnits();

    AnalysisForm& form_;
    UnitSystem units_;
    std::map<int, QLabel*> labels_;  // by field number
    std::map<UnitSystem, QAction*> actions_;
};

}  // namespace vardolin::forms
