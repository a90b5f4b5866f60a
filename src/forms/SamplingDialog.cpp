// SPDX-License-Identifier: MIT
#include "forms/SamplingDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "sampling/SamplingKeys.h"

namespace vardolin::forms {

namespace {

QString NumberText(const std::optional<double>& value) {
    return value ? QString::fromStdString(SamplingNumberText(*value)) : QString();
}

QString Named(std::string_view name, const char* suffix) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) +
           QLatin1String(suffix);
}

}  // namespace

SamplingDialog::SamplingDialog(std::span<const UncertainInput> parameters,
                               const SamplingChoices& choices, QWidget* parent)
    : QDialog(parent),
      parameters_(parameters),
      choices_(choices),
      seed_(new QLineEdit(this)),
      error_(new QLabel(this)) {
    setObjectName(QStringLiteral("SamplingDialog"));
    setWindowTitle(tr("Sampling"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    if (!parameters.empty()) {
        method_ = new QComboBox(this);
        method_->setObjectName(QStringLiteral("SamplingMethodBox"));
        method_->addItems({tr("Monte Carlo"), tr("Latin hypercube")});
        method_->setCurrentIndex(static_cast<int>(choices.method));
        form->addRow(tr("&Method:"), method_);
        correlation_ = new QLineEdit(NumberText(choices.correlation), this);
        correlation_->setObjectName(QStringLiteral("CorrelationEdit"));
        correlation_->setToolTip(
            tr("Correlation of cohesion and friction angle, between -1 and 1, on their standard "
               "normal deviates"));
        form->addRow(tr("&Correlation c–φ:"), correlation_);

        auto* grid = new QGridLayout;
        layout->addLayout(grid);
        grid->addWidget(new QLabel(tr("Distribution"), this), 0, 1);
        grid->addWidget(new QLabel(tr("Lower bound"), this), 0, 2);
        grid->addWidget(new QLabel(tr("Upper bound"), this), 0, 3);
        int line = 1;
        for (const UncertainInput& input : parameters) {
            const ParameterChoice& choice = choices.of(input.name);
            ParameterRow row{input.name, new QComboBox(this), new QLineEdit(this),
                             new QLineEdit(this)};
            row.distribution->setObjectName(Named(input.name, "DistributionBox"));
            for (const std::string_view name : kDistributionNames) {
                row.distribution->addItem(QString::fromUtf8(name.data(), name.size()));
            }
            row.distribution->setCurrentIndex(static_cast<int>(choice.distribution));
            row.lower->setObjectName(Named(input.name, "LowerEdit"));
            row.lower->setText(NumberText(choice.lower));
            row.lower->setPlaceholderText(tr("none"));
            row.upper->setObjectName(Named(input.name, "UpperEdit"));
            row.upper->setText(NumberText(choice.upper));
            row.upper->setPlaceholderText(tr("none"));
            grid->addWidget(
                new QLabel(QString::fromUtf8(input.caption.data(),
                                             static_cast<qsizetype>(input.caption.size())),
                           this),
                line, 0);
            grid->addWidget(row.distribution, line, 1);
            grid->addWidget(row.lower, line, 2);
            grid->addWidget(row.upper, line, 3);
            rows_.push_back(row);
            ++line;
        }
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

std::optional<SamplingChoices> SamplingDialog::ChoicesShown() {
    std::vector<std::string_view> names;
    for (const UncertainInput& input : parameters_) {
        names.push_back(input.name);
    }
    SamplingChoices shown;
    why_.clear();
    const auto set = [&](const std::string& key, const QString& text) {
        if (!why_.isEmpty()) {
            return;
        }
        if (const auto why = SetSamplingChoice(shown, key, text.trimmed().toStdString(), names)) {
            why_ = QString::fromStdString(*why);
        }
    };
    set("seed", seed_->text());
    if (method_ != nullptr) {
        set("method",
            QString::fromUtf8(NameOf(static_cast<SamplingMethod>(method_->currentIndex())).data()));
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
