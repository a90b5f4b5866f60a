// SPDX-License-Identifier: MIT
#include "forms/SamplingDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

#include "sampling/SamplingKeys.h"

namespace vardolin::forms {

namespace {

QString NumberText(const std::optional<double>& value) {
    return value ? QString::fromStdString(SamplingNumberText(*value)) : QString();
}

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Named(std::string_view name, const char* suffix) {
    return Text(name) + QLatin1String(suffix);
}

QString LabelOf(std::span<const UncertainInput> inputs, std::string_view key) {
    for (const UncertainInput& input : inputs) {
        if (input.key == key) {
            return Text(input.label);
        }
    }
    return Text(key);
}

// The table shows this many rows before it scrolls.
constexpr int kRowsShown = 8;

}  // namespace

SamplingDialog::SamplingDialog(const AnalysisDescription& analysis, const FieldTexts& fields,
                               const SamplingChoices& choices, std::optional<UnitSystem> units,
                               QWidget* parent)
    : QDialog(parent),
      names_(std::make_unique<SampledNames>(analysis, fields)),
      parameters_(names_->inputs()),
      pairs_(names_->pairs()),
      units_(units.value_or(DefaultUnits(analysis))),
      choices_(choices),
      seed_(new QLineEdit(this)),
      error_(new QLabel(this)) {
    setObjectName(QStringLiteral("SamplingDialog"));
    setWindowTitle(tr("Sampling"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    if (!parameters_.empty()) {
        method_ = new QComboBox(this);
        method_->setObjectName(QStringLiteral("SamplingMethodBox"));
        method_->addItems({tr("Monte Carlo"), tr("Latin hypercube")});
        method_->setCurrentIndex(static_cast<int>(choices.method));
        form->addRow(tr("&Method:"), method_);
    }
    if (!parameters_.empty() && !pairs_.empty()) {
        pair_ = new QComboBox(this);
        pair_->setObjectName(QStringLiteral("CorrelatedPairBox"));
        for (const ParameterPair& pair : pairs_) {
            pair_->addItem(LabelOf(parameters_, pair.first) + QStringLiteral(" – ") +
                           LabelOf(parameters_, pair.second));
            if (pair.first == choices.correlatedFirst && pair.second == choices.correlatedSecond) {
                pair_->setCurrentIndex(pair_->count() - 1);
            }
        }
        pair_->setToolTip(tr("The two parameters whose standard normal deviates are correlated"));
        form->addRow(tr("Correlated &pair:"), pair_);
        correlation_ = new QLineEdit(NumberText(choices.correlation), this);
        correlation_->setObjectName(QStringLiteral("CorrelationEdit"));
        correlation_->setToolTip(
            tr("Correlation of the pair, between -1 and 1, on their standard normal deviates"));
        form->addRow(tr("&Correlation:"), correlation_);
    }
    if (!parameters_.empty()) {
        layout->addWidget(ParameterTable(choices));
    }
    seed_->setObjectName(QStringLiteral("SeedEdit"));
    if (choices.seed) {
        seed_->setText(QString::number(*choices.seed));
    }
    seed_->setPlaceholderText(tr("none: continue the program's sequence"));
    seed_->setToolTip(
        tr("The state (0 to 16777215) the sequence starts from at every run, so "
           "that a run repeats its figures"));
    auto* seedForm = new QFormLayout;
    seedForm->addRow(tr("&Seed:"), seed_);
    layout->addLayout(seedForm);

    error_->setObjectName(QStringLiteral("SamplingErrorLabel"));
    error_->setWordWrap(true);
    layout->addWidget(error_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("SamplingButtons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &SamplingDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SamplingDialog::reject);
    layout->addWidget(buttons);
}

// One row per parameter under a fixed header, scrolling past kRowsShown rows.
QWidget* SamplingDialog::ParameterTable(const SamplingChoices& choices) {
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("ParameterTable"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* table = new QWidget(scroll);
    auto* grid = new QGridLayout(table);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(tr("Distribution"), table), 0, 1);
    grid->addWidget(new QLabel(tr("Lower bound"), table), 0, 2);
    grid->addWidget(new QLabel(tr("Upper bound"), table), 0, 3);
    int line = 1;
    for (const UncertainInput& input : parameters_) {
        const ParameterChoice& choice = choices.of(input.key);
        ParameterRow row{input.key, new QComboBox(table), new QLineEdit(table),
                         new QLineEdit(table)};
        row.distribution->setObjectName(Named(input.key, "DistributionBox"));
        for (const std::string_view name : kDistributionNames) {
            row.distribution->addItem(Text(name));
        }
        row.distribution->setCurrentIndex(static_cast<int>(choice.distribution));
        row.lower->setObjectName(Named(input.key, "LowerEdit"));
        row.lower->setText(NumberText(choice.lower));
        row.lower->setPlaceholderText(tr("none"));
        row.upper->setObjectName(Named(input.key, "UpperEdit"));
        row.upper->setText(NumberText(choice.upper));
        row.upper->setPlaceholderText(tr("none"));
        QString label = Text(input.label);
        if (const std::string_view unit = UnitIn(input, units_); !unit.empty()) {
            label += QStringLiteral(" (") + Text(unit) + QLatin1Char(')');
        }
        grid->addWidget(new QLabel(label, table), line, 0);
        grid->addWidget(row.distribution, line, 1);
        grid->addWidget(row.lower, line, 2);
        grid->addWidget(row.upper, line, 3);
        rows_.push_back(row);
        ++line;
    }
    grid->setRowStretch(line, 1);
    scroll->setWidget(table);
    const int shown = std::min(line, kRowsShown + 1);
    const int rowHeight = rows_.front().distribution->sizeHint().height() + grid->verticalSpacing();
    scroll->setMinimumHeight(shown * rowHeight);
    scroll->setMinimumWidth(table->sizeHint().width());
    return scroll;
}

std::optional<SamplingChoices> SamplingDialog::ChoicesShown() {
    std::vector<std::string_view> names;
    for (const UncertainInput& input : parameters_) {
        names.push_back(input.key);
    }
    SamplingChoices shown;
    why_.clear();
    const auto set = [&](const std::string& key, const QString& text) {
        if (!why_.isEmpty()) {
            return;
        }
        if (const auto why =
                SetSamplingChoice(shown, key, text.trimmed().toStdString(), {names, pairs_})) {
            why_ = QString::fromStdString(*why);
        }
    };
    set("seed", seed_->text());
    if (method_ != nullptr) {
        set("method",
            QString::fromUtf8(NameOf(static_cast<SamplingMethod>(method_->currentIndex())).data()));
    }
    if (pair_ != nullptr) {
        const ParameterPair& pair = pairs_[static_cast<std::size_t>(pair_->currentIndex())];
        set("correlated", QString::fromStdString(CorrelatedPairText(pair.first, pair.second)));
        set("correlation",
            correlation_->text().trimmed().isEmpty() ? QStringLiteral("0") : correlation_->text());
    }
    for (const ParameterRow& row : rows_) {
        const std::string name(row.name);
        set(name + ".distribution", row.distribution->currentText());
        set(name + ".lower", row.lower->text());
        set(name + ".upper", row.upper->text());
    }
    if (why_.isEmpty()) {
        if (const auto why = WhyNotDrawable(shown)) {
            why_ = QString::fromStdString(*why);
        }
    }
    error_->setText(why_);
    if (!why_.isEmpty()) {
        return std::nullopt;
    }
    return shown;
}

void SamplingDialog::accept() {
    if (const std::optional<SamplingChoices> shown = ChoicesShown()) {
        choices_ = *shown;
        QDialog::accept();
    }
}

}  // namespace vardolin::forms
