// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include "forms/FormHistogram.h"
#include "shared/AnalysisContext.h"
#include "shared/AnalysisDescription.h"

namespace vardolin::forms {

class Navigator;

// The window of one analysis, built from its description: the controls of its table, the
// default texts of its fields, its diagram and its buttons. Its whole state is the texts of its
// text boxes: "Calculation" runs the analysis on them, "Clear Data" empties them in the order of
// the field list, "Histogram" shows the distribution of the form's runs, and the navigation
// buttons show the forms they name.
class AnalysisForm final : public QWidget {
    Q_OBJECT

public:
    AnalysisForm(const AnalysisDescription& analysis, Navigator& navigator,
                 AnalysisContext& context, QWidget* parent = nullptr);

    const AnalysisDescription& analysis() const { return analysis_; }

    // The distribution of this form's runs, and its window once "Histogram" opened it.
    const FormHistogram& histogram() const { return histogram_; }

public slots:
    // "Calculation": runs the analysis on the form's text boxes with the busy pointer shown. A
    // run-time error stops the run where it arises and leaves what it wrote; the form reports it
    // in its message field ("Run-time error '13': Type mismatch") and stays usable.
    void Calculate();
    void ClearData();      // "Clear Data"
    void ShowHistogram();  // "Histogram"

private:
    const AnalysisDescription& analysis_;
    AnalysisContext& context_;
    FormHistogram histogram_;
};

}  // namespace vardolin::forms
