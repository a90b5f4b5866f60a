// SPDX-License-Identifier: MIT
#include "forms/BackgroundSensitivity.h"

#include <QThread>

#include "analysis/RunProgress.h"
#include "analysis/Sensitivity.h"
#include "forms/FormHistogram.h"
#include "numerics/RunTimeError.h"

namespace vardolin::forms {

// What the thread works on and leaves; the window reads it once the thread is over.
struct BackgroundSensitivity::Job {
    FieldTextMap texts;
    RunProgress progress;
    std::optional<Sensitivity> curves;
    bool skipped = false;
};

BackgroundSensitivity::BackgroundSensitivity(const AnalysisDescription& analysis,
                                             const AnalysisContext& context,
                                             FormHistogram& histogram, QObject* parent)
    : QObject(parent), analysis_(analysis), context_(context), histogram_(histogram) {}

BackgroundSensitivity::~BackgroundSensitivity() {
    // The form's histogram may be gone already: nothing is recorded.
    if (job_ != nullptr) {
        job_->progress.cancelRequested.store(true);
        if (thread_ != nullptr) {
            thread_->wait();
        }
    }
}

void BackgroundSensitivity::Start(FieldTextMap texts) {
    StopAndWait();
    texts_ = std::move(texts);
    WorkOut();
}

void BackgroundSensitivity::WorkOut() {
    if (job_ != nullptr || !texts_ || analysis_.factorAtMeans == nullptr) {
        return;
    }
    auto job = std::make_shared<Job>();
    job->texts = *texts_;
    job_ = job;
    histogram_.SetSensitivityPending();
    const AnalysisDescription& analysis = analysis_;
    // Taken now, on the window's thread: the form may change its own context while the curves
    // are worked out.
    AnalysisContext context = context_;
    context.progress = &job->progress;
    thread_ = QThread::create([job, &analysis, context] {
        try {
            job->curves = SensitivityOf(analysis, job->texts, context);
        } catch (const RunTimeError&) {
            // The averages themselves cannot be evaluated: the tab says so.
        } catch (const NoFactorAtMeans&) {
            // Nor where they give no factor.
        } catch (const RunCancelled&) {
            job->skipped = true;
        }
    });
    thread_->setParent(this);
    connect(thread_, &QThread::finished, this, &BackgroundSensitivity::Conclude);
    thread_->start(QThread::LowPriority);
}

void BackgroundSensitivity::Skip() {
    if (job_ != nullptr) {
        job_->progress.cancelRequested.store(true);
    }
}

void BackgroundSensitivity::StopAndWait() {
    if (job_ == nullptr) {
        return;
    }
    Skip();
    if (thread_ != nullptr) {
        disconnect(thread_, nullptr, this, nullptr);
        thread_->wait();
    }
    Conclude();
}

void BackgroundSensitivity::Conclude() {
    if (job_ == nullptr) {
        return;
    }
    const std::shared_ptr<Job> job = std::move(job_);
    job_ = nullptr;
    if (thread_ != nullptr) {
        thread_->deleteLater();
    }
    if (!job->skipped) {
        texts_.reset();
    }
    histogram_.SetSensitivity(std::move(job->curves), job->skipped);
    emit finished();
}

}  // namespace vardolin::forms
