// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <vector>

#include "analysis/OutOfRangeDraws.h"
#include "analysis/RunProgress.h"
#include "analysis/SplitRun.h"
#include "numerics/UniformSequence.h"
#include "sampling/SamplingChoices.h"
#include "slope_section/SectionInputReader.h"
#include "slope_section/SectionSearch.h"
#include "slope_section/SectionTrialStatistics.h"
#include "slope_section/SlipSurface.h"

namespace vardolin::section {

// Monte Carlo trials of a section on its critical surface:
//   1. every trial's draws come from SoilSampler (the sampling choices' distributions, bounds,
//      Latin hypercube and correlated pair), as a loop over the trials in order would draw
//      them. Under Monte Carlo each trial takes one value per uncertain input, in the inputs'
//      order (trials times inputs.uncertain.size() values in all), so trial i's draws start
//      at value i * inputs.uncertain.size() and each chunk of trials draws its own on its
//      thread; under a Latin hypercube LatinHypercube takes 2n - 1 values per input for n
//      trials as the sampler is made, and every trial is drawn on the calling thread first;
//   2. the trials are worked out on `threads` threads in chunks: each thread lays the section
//      at the means out once, and for each trial puts its draws into the soils (ApplyDraws,
//      PreparedSection::SetSoilValues) and evaluates the surface by the first chosen method
//      (Bishop without one) at the chosen slice count. Each trial is worked out by one thread
//      on its own values, so the figures are those of one thread, bit for bit;
//   3. the results are summed in trial order (SummariseSectionTrials).
// A trial that drew a value outside its input's range (a negative c, a phi of 90 or more, a
// gamma not above 0) makes no section to solve: it gets no factor and counts as OutOfRange.
// A trial where the method finds no factor counts as NoFactor, and one whose factor comes with
// m_alpha below kMinimumMAlpha as SmallMAlpha (its factor is kept in `factors` for the record).
// None of these enters the statistics; a report should say how many were left out.
// The overall slope, where asked (OverallSlopeSearch): each usable trial also searches for its
// own lowest surface, refining from each of the search's distinct lowest surfaces with the
// trial's soils (TrialSurfaceSearch). Its overall factor is the lower of that and its factor on
// the critical surface, so that no trial fails on the critical surface and stands on the
// overall slope; a trial that is not usable keeps its factor and status for both. The overall
// figures are summed over the same trials as the surface's.
// Each finished chunk is added to the watcher's stepsDone (the caller sets stepsTotal); a cancel
// throws RunCancelled and leaves the sequence where it was. A count below 1 runs no trial and draws
// nothing. A sampler that cannot be made raises as SoilSampler does, before anything is evaluated;
// a section at the means that CheckSection refuses raises as PreparedSection does. A draw that
// overflows raises RunTimeError(Overflow) with the sequence just past that draw, as the loop would.
// What the overall slope's trials refine from.
struct OverallSlopeSearch {
    SectionSearchSettings settings;     // the search's, its grid the one it searched last
    std::vector<CircleSurface> starts;  // DistinctLowestSurfaces, as drawn
};

// The values a part keeps per trial of an overall-slope run after its draws: the overall factor
// and the overall surface's centre x, centre y and radius.
inline constexpr std::size_t kOverallValuesPerTrial = 4;

struct SectionTrialsOutcome {
    // Each trial's draws, inputs.uncertain.size() a trial in the inputs' order, trial by trial.
    std::vector<double> drawn;
    std::vector<double> factors;  // each trial's factor, NaN where it has none
    std::vector<TrialResult> results;
    // Per uncertain input, in order: the trials that drew it outside its range.
    std::vector<OutOfRangeCount> outOfRange;
    SectionTrialStatistics statistics;
    // The overall slope, where asked (empty otherwise): each trial's overall factor (its
    // factor on the critical surface where the search found none lower), the surface it lies
    // on, and the figures of those factors over the trials the surface's figures count.
    std::vector<double> overallFactors;
    std::vector<CircleSurface> overallSurfaces;
    std::optional<SectionTrialStatistics> overallStatistics;
};

// As SectionTrialsOutcome says. `inputs` is as ReadSectionInputs gives it; `surface` is the
// critical surface as drawn: a circle from FindCriticalSectionCircle or given, or a given
// polyline.
SectionTrialsOutcome RunSectionTrials(const SectionInputs& inputs, const SamplingChoices& choices,
                                      const SlipSurface& surface, int trials,
                                      UniformSequence& uniforms, int threads,
                                      RunProgress* progress = nullptr);
// Trials range.begin to range.end - 1 of a run of `trials` only (one part of a split run),
// drawn as that run draws them: under Monte Carlo from value range.begin * inputs.uncertain.size()
// of the sequence on; under a Latin hypercube every trial of the run is drawn on the calling
// thread and the range's kept. The outcome holds the range's trials, the first at 0; the
// sequence is left where the run would leave it after the range's last trial (under a Latin
// hypercube, where the whole run leaves it). With `overall`, each trial also searches for the
// overall slope (after a search: on its critical circle).
SectionTrialsOutcome RunSectionTrials(const SectionInputs& inputs, const SamplingChoices& choices,
                                      const SlipSurface& surface, const OverallSlopeSearch* overall,
                                      int trials, TrialRange range, UniformSequence& uniforms,
                                      int threads, RunProgress* progress = nullptr);

// The trials of a merge, each with the values, factor and status its part gave it, summed as
// RunSectionTrials sums the trials it works out. A status that is no TrialResult raises
// GivenTrialsMismatch. With `overallCritical` (the critical surface of an overall-slope run),
// each trial's values end in kOverallValuesPerTrial values of its overall surface; a usable
// trial whose overall factor is not at most its factor raises GivenTrialsMismatch.
SectionTrialsOutcome GivenSectionTrials(const SectionInputs& inputs, const TrialRecords& given,
                                        const CircleSurface* overallCritical = nullptr);

}  // namespace vardolin::section
