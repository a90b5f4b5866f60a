// SPDX-License-Identifier: MIT
#include "forms/AnalysisRun.h"

#include <QThread>
#include <exception>

namespace vardolin::forms {

AnalysisRun::AnalysisRun(const AnalysisDescription& analysis, FieldTextMap texts,
                         AnalysisContext& context, QObject* parent)
    : QObject(parent),
      analysis_(analysis),
      context_(context),
      runContext_(context),
      before_(context),
      texts_(std::move(texts)) {
    runContext_.progress = &progress_;
    // After the snapshot: a cancelled run puts the sequence back to before its seed.
    context_.StartSequence();
}

AnalysisRun::~AnalysisRun() {
    if (worker_ != nullptr && !over_) {
        CancelAndWait();
    }
}

void AnalysisRun::Start() {
    // The worker only touches the context, the copy of the texts and result_; this object reads
    // result_ only after the worker has finished.
    worker_ = QThread::create([this] {
        try {
            result_.outcome = analysis_.run(texts_, runContext_);
        } catch (const RunTimeError& error) {
            result_.error = error;
        } catch (const RunCancelled&) {
            result_.cancelled = true;
        } catch (const std::exception& other) {
            result_.failure = other.what();
        }
        result_.writes = texts_.writes();
        if (result_.outcome && result_.outcome->completed()) {
            try {
                result_.sensitivity = SensitivityOf(analysis_, texts_, runContext_);
            } catch (const RunTimeError&) {
                // The averages themselves cannot be evaluated: the tab says so.
            } catch (const NoFactorAtMeans&) {
                // Nor where they give no factor.
            } catch (const RunCancelled&) {
                // The run's figures stand; only the curves are left out.
                result_.sensitivityCancelled = true;
            }
        }
    });
    worker_->setParent(this);
    connect(worker_, &QThread::finished, this, &AnalysisRun::Conclude);
    worker_->start();
}

void AnalysisRun::Cancel() {
    progress_.cancelRequested.store(true);
}

void AnalysisRun::CancelAndWait() {
    Cancel();
    if (worker_ != nullptr) {
        worker_->wait();
    }
    Conclude();
}

void AnalysisRun::Conclude() {
    if (over_) {
        return;
    }
    over_ = true;
    if (result_.cancelled) {
        before_.Restore(context_);
    }
    emit finished();
}

}  // namespace vardolin::forms
