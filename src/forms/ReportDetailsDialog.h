// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <array>

#include "files/Model.h"

class QLineEdit;

namespace vardolin::forms {

// File ▸ Report Details…: the title block of a model's report (project, section, engineer,
// checker, date), one line each. Its edits are named "Report<Key>Edit" ("ReportProjectEdit")
// for tests and tools; a date left empty is the day the report is written.
class ReportDetailsDialog final : public QDialog {
    Q_OBJECT

public:
    ReportDetailsDialog(const ReportDetails& details, QWidget* parent = nullptr);

    // The texts as the edits hold them, blanks around them dropped.
    ReportDetails details() const;

private:
    std::array<QLineEdit*, std::size(kReportDetailKeys)> edits_{};
};

}  // namespace vardolin::forms
