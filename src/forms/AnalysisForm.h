// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <functional>
#include <span>

#include "forms/ControlTable.h"
#include "forms/FormHistogram.h"
#include "shared/AnalysisContext.h"

namespace vardolin::forms {

class LineEditFields;
class Navigator;

// What the two analysis forms share. A form is built from its control table and its whole state
// is the texts of its text boxes: "Calculation" runs the form's analysis on them, "Clear Data"
// (Command4) empties them in the form's order, and "Histogram" (Command5) shows the
// distribution of the form's runs. Each form adds its run and its navigation.
class AnalysisForm : public QWidget {
    Q_OBJECT

public:
    // The fixed facts of one form.
    struct Design {
        const char* name;  // the form's name, also its objectName
        const char* caption;
        std::span<const ControlRow> controls;
        int clientWidthTwips;
        int clientHeightTwips;
        int messageField;
        int explanationField;  // pale yellow like the message field
        std::span<const int> clearOrder;
    };

    // The distribution of this form's runs, and its window once "Histogram" opened it.
    const FormHistogram& histogram() const { return histogram_; }

public slots:
    void Command4_Click();  // "Clear Data"
    void Command5_Click();  // "Histogram"

protected:
    AnalysisForm(const Design& design, Navigator& navigator, AnalysisContext& context,
                 QWidget* parent);

    // "Calculation": runs `run` on the form's text boxes with the busy pointer shown. A run-time
    // error stops the run where it arises and leaves what it wrote; the form reports it in its
    // message field ("Run-time error '13': Type mismatch") and stays usable.
    void Calculate(const std::function<void(LineEditFields&)>& run);

    // A run that ended normally, for the histogram.
    void RecordMonteCarlo(RunDistribution distribution) {
        histogram_.RecordMonteCarlo(std::move(distribution));
    }
    void RecordFixedData() { histogram_.RecordFixedData(); }

    Navigator& navigator() const { return navigator_; }
    AnalysisContext& context() const { return context_; }

private:
    Design design_;
    Navigator& navigator_;
    AnalysisContext& context_;
    FormHistogram histogram_;
};

}  // namespace vardolin::forms
