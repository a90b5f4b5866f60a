// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "analysis/AnalysisContext.h"
#include "analysis/AnalysisDescription.h"
#include "analysis/ContextSnapshot.h"
#include "analysis/RunOutcome.h"
#include "analysis/RunProgress.h"
#include "fields/FieldTextsSnapshot.h"
#include "numerics/RunTimeError.h"

class QThread;

namespace vardolin::forms {

// One analysis run on a worker thread, from a copy of the form's texts, so that the window
// stays alive while it runs. The run has the process's sequence and module to itself until it
// ends: the windows start no other run meanwhile.
//
// Cancel leaves no trace: the sequence and the module's tables are put back as they were when
// the run started, and none of the texts the run wrote reach the form.
class AnalysisRun final : public QObject {
    Q_OBJECT

public:
    // What a run left for the form, once it is over.
    struct Result {
        std::vector<std::pair<int, std::string>> writes;  // in the order the run wrote them
        std::optional<RunOutcome> outcome;                // the run ended normally
        std::optional<RunTimeError> error;                // a bad value stopped it
        std::string failure;                              // anything else that stopped it
        bool cancelled = false;
    };

    // Puts the sequence to the seed of the context's sampling choices, if any, before the run's
    // start state is read.
    AnalysisRun(const AnalysisDescription& analysis, FieldTextMap texts, AnalysisContext& context,
                QObject* parent = nullptr);
    // Cancels a run still going and waits for it.
    ~AnalysisRun() override;

    AnalysisRun(const AnalysisRun&) = delete;
    AnalysisRun& operator=(const AnalysisRun&) = delete;

    void Start();
    // Asks the run to stop between two trials; finished() follows.
    void Cancel();
    // Cancels the run and returns once it is over and undone, without waiting for the event
    // loop: for a form that closes mid-run.
    void CancelAndWait();

    bool isOver() const noexcept { return over_; }
    const RunProgress& progress() const noexcept { return progress_; }
    const Result& result() const noexcept { return result_; }

signals:
    // The run is over (ended, stopped or cancelled and undone); result() says how.
    void finished();

private:
    void Conclude();

    const AnalysisDescription& analysis_;
    AnalysisContext& context_;
    RunProgress progress_;
    AnalysisContext runContext_;
    ContextSnapshot before_;
    FieldTextsSnapshot texts_;
    Result result_;
    QThread* worker_ = nullptr;
    bool over_ = false;
};

}  // namespace vardolin::forms
