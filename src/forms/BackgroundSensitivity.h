// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>
#include <memory>
#include <optional>

#include "analysis/AnalysisContext.h"
#include "analysis/AnalysisDescription.h"
#include "fields/FieldTextMap.h"

class QThread;

namespace vardolin::forms {

class FormHistogram;

// The sensitivity curves of a form's last Monte Carlo run, worked out on their own thread after
// the run's figures are shown: an analysis whose evaluation is a search takes a while over
// them. They read a copy of the run's texts and draw nothing, so they hold up no run. The
// histogram's record shows them as pending, then done or skipped; Skip stops them, and opening
// the Sensitivity tab works skipped curves out again.
class BackgroundSensitivity final : public QObject {
    Q_OBJECT

public:
    // The curves use the form's number conventions and thread count; they draw nothing.
    BackgroundSensitivity(const AnalysisDescription& analysis, const AnalysisContext& context,
                          FormHistogram& histogram, QObject* parent);
    ~BackgroundSensitivity() override;

    // Starts the curves of the run just recorded, from the texts it started from.
    void Start(FieldTextMap texts);
    // Stops curves in flight; the record shows them as skipped.
    void Skip();
    // Works skipped curves out again.
    void WorkOut();
    bool isRunning() const { return job_ != nullptr; }

signals:
    // Curves in flight are done or skipped, and in the record.
    void finished();

private:
    struct Job;
    void Conclude();
    void StopAndWait();

    const AnalysisDescription& analysis_;
    const AnalysisContext& context_;
    FormHistogram& histogram_;
    std::optional<FieldTextMap> texts_;  // the run's, while its curves are not done
    std::shared_ptr<Job> job_;
    QPointer<QThread> thread_;
};

}  // namespace vardolin::forms
