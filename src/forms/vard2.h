// SPDX-License-Identifier: MIT
#pragma once

#include "forms/AnalysisForm.h"

namespace vardolin::forms {

// The slice-method form, "Method of Slice": the slope geometry, the grid of slip-circle centres,
// the number of slices and the statistics of the four uncertain parameters in, the failure
// percentage, mean safety factor and verdict of Bishop's method out. Its whole state is the
// texts of its 20 text boxes (Text1..Text21, no Text18); a run reads and writes them through
// LineEditFields, nothing is kept elsewhere. Runs continue the process's one uniform sequence,
// the same one the plane-failure form draws from.
class vard2 final : public AnalysisForm {
    Q_OBJECT

public:
    vard2(Navigator& navigator, AnalysisContext& context, QWidget* parent = nullptr);

public slots:
    void Command1_Click();  // "Calculation"
    void Command2_Click();  // "Go to Limiting Equilibrium"
    void Command3_Click();  // "Return"
};

}  // namespace vardolin::forms
