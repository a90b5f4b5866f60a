// SPDX-License-Identifier: MIT
#include "forms/ReportDetailsDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

namespace vardolin::forms {

namespace {

// What each key is called on the dialog, in the order of kReportDetailKeys.
constexpr std::array<const char*, std::size(kReportDetailKeys)> kLabels{
    "&Project:", "&Section:", "&Engineer:", "&Checker:", "&Date:"};

}  // namespace

ReportDetailsDialog::ReportDetailsDialog(const ReportDetails& details, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ReportDetailsDialog"));
    setWindowTitle(tr("Report Details"));
    auto* layout = new QFormLayout(this);
    for (std::size_t i = 0; i < edits_.size(); ++i) {
        const std::string_view key = kReportDetailKeys[i];
        QString name = QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
        name[0] = name[0].toUpper();
        auto* edit = new QLineEdit(QString::fromStdString(*ReportDetail(details, key)), this);
        edit->setObjectName(QStringLiteral("Report%1Edit").arg(name));
        edit->setMaxLength(static_cast<int>(kMaxFieldTextBytes / 4));
        edit->setMinimumWidth(320);
        layout->addRow(tr(kLabels[i]), edit);
        edits_[i] = edit;
    }
    edits_.back()->setPlaceholderText(tr("the day the report is written"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("ReportDetailsButtons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addRow(buttons);
}

ReportDetails ReportDetailsDialog::details() const {
    ReportDetails details;
    for (std::size_t i = 0; i < edits_.size(); ++i) {
        *ReportDetail(details, kReportDetailKeys[i]) = edits_[i]->text().trimmed().toStdString();
    }
    return details;
}

}  // namespace vardolin::forms
