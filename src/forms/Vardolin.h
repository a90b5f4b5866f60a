// SPDX-License-Identifier: MIT
#pragma once

#include "forms/AnalysisForm.h"

namespace vardolin::forms {

// The plane-failure form, "Limiting Equilibrium": the slope geometry and the statistics of the
// four uncertain parameters in, the failure percentage, mean safety factor and verdict out.
// Its whole state is the texts of its 18 text boxes (Text1..Text19, no Text8); a run reads and
// writes them through LineEditFields, nothing is kept elsewhere.
class Vardolin final : public AnalysisForm {
    Q_OBJECT

public:
    Vardolin(Navigator& navigator, AnalysisContext& context, QWidget* parent = nullptr);

public slots:
    void Command1_Click();  // "Calculation"
    void Command2_Click();  // "Return"
    void Command3_Click();  // "Go to Method of Slice or Soil Mechanics"
};

}  // namespace vardolin::forms
