// SPDX-License-Identifier: MIT
#include "forms/FormHistogram.h"

#include "forms/HistogramWindow.h"

namespace vardolin::forms {

void FormHistogram::RecordMonteCarlo(RunDistribution distribution) {
    record_.last = std::move(distribution);
    record_.fixedDataSince = false;
    Refresh();
}

void FormHistogram::RecordFixedData() {
    record_.fixedDataSince = true;
    Refresh();
}

void FormHistogram::SetSensitivityPending() {
    if (record_.last) {
        record_.last->sensitivityPending = true;
        record_.last->sensitivityCancelled = false;
        Refresh();
    }
}

void FormHistogram::SetSensitivity(std::optional<Sensitivity> curves, bool skipped) {
    if (record_.last) {
        record_.last->sensitivity = std::move(curves);
        record_.last->sensitivityPending = false;
        record_.last->sensitivityCancelled = skipped;
        Refresh();
    }
}

void FormHistogram::Show(QWidget& form) {
    if (!window_ || window_->isHidden()) {
        window_ = new HistogramWindow(analysis_, locale_, &form);
        window_->SetFileDialogs(dialogs_);
        window_->SetAnalysis(description_);
        window_->SetSensitivityActions(skipSensitivity_, workOutSensitivity_);
        Refresh();
    }
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

HistogramWindow* FormHistogram::window() const {
    return window_ && !window_->isHidden() ? window_.data() : nullptr;
}

void FormHistogram::Refresh() {
    if (window_) {
        window_->Show(record_);
    }
}

}  // namespace vardolin::forms
