// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "analysis/AnalysisDescription.h"
#include "analysis/SampledNames.h"
#include "sampling/SamplingChoices.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace vardolin::forms {

// The sampling choices of one analysis form: the method, the correlation of one of the pairs
// the analysis offers, each sampled parameter's distribution and bounds (one row each, in a
// scrolling table, however many the analysis has), and the seed. A form whose run draws its
// own way (no sampled parameters) shows the seed alone; one that offers no pair, no
// correlation.
//
// Its controls are named for tests and tools: "SamplingMethodBox", "CorrelatedPairBox",
// "CorrelationEdit", "ParameterTable", "<parameter>DistributionBox", "<parameter>LowerEdit",
// "<parameter>UpperEdit" (e.g. "cohesionLowerEdit"), "SeedEdit", "SamplingErrorLabel",
// "SamplingButtons". OK takes the texts through the same keys as model files and the runner; a
// text they refuse keeps the dialog open and says why.
class SamplingDialog final : public QDialog {
    Q_OBJECT

public:
    // The parameters' units are those of the system `units`, the analysis's own by default.
    // The parameters are those of the inputs `fields` (a section's soils).
    SamplingDialog(const AnalysisDescription& analysis, const FieldTexts& fields,
                   const SamplingChoices& choices, std::optional<UnitSystem> units = std::nullopt,
                   QWidget* parent = nullptr);

    // The choices the controls hold, or nothing (and why()) when a text is refused.
    std::optional<SamplingChoices> ChoicesShown();
    const QString& why() const { return why_; }

    // The choices taken by OK.
    const SamplingChoices& choices() const { return choices_; }

public slots:
    void accept() override;

private:
    struct ParameterRow {
        std::string_view name;
        QComboBox* distribution;
        QLineEdit* lower;
        QLineEdit* upper;
    };

    QWidget* ParameterTable(const SamplingChoices& choices);

    std::unique_ptr<const SampledNames> names_;
    std::span<const UncertainInput> parameters_;
    std::span<const ParameterPair> pairs_;
    UnitSystem units_;  // of the parameters' averages and bounds
    SamplingChoices choices_;
    QComboBox* method_ = nullptr;
    QComboBox* pair_ = nullptr;
    QLineEdit* correlation_ = nullptr;
    std::vector<ParameterRow> rows_;
    QLineEdit* seed_;
    QLabel* error_;
    QString why_;
};

}  // namespace vardolin::forms
