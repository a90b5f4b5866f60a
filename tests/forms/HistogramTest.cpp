// SPDX-License-Identifier: MIT
// The histogram window of the plane-failure form: what it shows after which runs.
#include <QLabel>
#include <QStackedWidget>

#include "forms/FormTestSupport.h"
#include "forms/HistogramWindow.h"
#include "plane/PlaneFields.h"
#include "shared/TrialDistribution.h"

namespace vardolin::forms {
namespace {

using namespace plane;
using testing_support::WindowTest;

class PlaneHistogram : public WindowTest {
protected:
    Vardolin& form() {
        if (form_ == nullptr) {
            form_ = &navigator().ShowVardolin();
        }
        return *form_;
    }

    HistogramWindow& OpenHistogram() {
        Click(form(), "Command5");
        HistogramWindow* window = form().histogram().window();
        EXPECT_NE(window, nullptr);
        return *window;
    }

    static QString Figure(const HistogramWindow& window, const char* name) {
        const auto* label = window.findChild<QLabel*>(QString::fromLatin1(name));
        return label != nullptr ? label->text() : QStringLiteral("<no %1>").arg(name);
    }

    static bool ShowsNothingYet(const HistogramWindow& window) {
        const auto* nothing = window.findChild<QLabel*>(QStringLiteral("NothingYet"));
        return nothing != nullptr && nothing->isVisibleTo(&window);
    }

    Vardolin* form_ = nullptr;
};

TEST_F(PlaneHistogram, SaysThereIsNothingToShowBeforeAnyRun) {
    EXPECT_TRUE(ShowsNothingYet(OpenHistogram()));
}

TEST_F(PlaneHistogram, ShowsTheTrialsOfTheLastRunAndFollowsEveryNewRun) {
    HistogramWindow& window = OpenHistogram();
    Click(form(), "Command1");
    EXPECT_FALSE(ShowsNothingYet(window));
    EXPECT_EQ(Figure(window, "Trials"), "500");
    EXPECT_EQ(Figure(window, "FailureProbability"), "96.6");
    std::vector<double> factors;
    for (int i = 1; i <= 500; ++i) {
        factors.push_back(module_->TrialSafetyFactors[i]);
    }
    const TrialDistribution expected = Describe(factors);
    EXPECT_EQ(Figure(window, "Mean"), QLocale().toString(expected.mean, 'g', 6));
    EXPECT_EQ(Figure(window, "Minimum"), QLocale().toString(expected.minimum, 'g', 6));

    Type(form(), CalculationCount, "300");
    Click(form(), "Command1");
    EXPECT_EQ(Figure(window, "Trials"), "300");
}

TEST_F(PlaneHistogram, KeepsThePreviousRunWhenARunStopsOrUsesFixedData) {
    Click(form(), "Command1");
    HistogramWindow& window = OpenHistogram();
    const QString mean = Figure(window, "Mean");

    Type(form(), SlopeHeight, "");
    Click(form(), "Command1");  // stops with a run-time error
    Type(form(), SlopeHeight, "20");
    Type(form(), CalculationCount, "1");
    Click(form(), "Command1");  // stops with a count message
    EXPECT_EQ(Figure(window, "Mean"), mean);
    EXPECT_TRUE(Figure(window, "Note").isEmpty());

    Type(form(), CalculationCount, "500");
    for (int sd : {CohesionStdDev, FrictionAngleStdDev, RockUnitWeightStdDev, WaterHeightStdDev}) {
        Type(form(), sd, "0");
    }
    Click(form(), "Command1");  // fixed data: not a distribution
    EXPECT_EQ(Figure(window, "Mean"), mean);
    EXPECT_TRUE(Figure(window, "Note").contains("fixed data"));
}

TEST_F(PlaneHistogram, ClosesWithItsFormAndComesBackEmptyWithANewForm) {
    Click(form(), "Command1");
    OpenHistogram();
    form().close();
    DeletePending();
    form_ = nullptr;
    EXPECT_EQ(OpenWindows<HistogramWindow>(), 0);
    EXPECT_TRUE(ShowsNothingYet(OpenHistogram()));
}

}  // namespace
}  // namespace vardolin::forms
