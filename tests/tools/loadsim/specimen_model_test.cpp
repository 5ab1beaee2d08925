// The specimen cycle driven with a fake time.

#include "tools/loadsim/specimen_model.h"

#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <vector>

namespace vamo::loadsim {
namespace {

using namespace std::chrono_literals;
using Phase = SpecimenModel::Phase;
using Elapsed = SpecimenModel::Elapsed;

constexpr Elapsed step = 1ms;

Elapsed seconds(double value) {
    return std::chrono::round<Elapsed>(std::chrono::duration<double>(value));
}
double toSeconds(Elapsed value) {
    return std::chrono::duration<double>(value).count();
}

// Two specimens, 20 and 30 kN, at 10 kN/s; 2 s before the first, 1 s pause between them.
ModelConfig twoSpecimens(bool repeat = false) {
    return ModelConfig{{20.0, 30.0}, 10.0, 1.0, 2.0, repeat, 7};
}

struct PhaseChange {
    Phase phase;
    Elapsed at;
    double peakAtStart;
};

// Steps the model through [0, until] and notes every change of phase.
std::vector<PhaseChange> phaseChanges(SpecimenModel& model, Elapsed until) {
    std::vector<PhaseChange> changes{{model.phase(), Elapsed{0}, model.peakForce()}};
    for (Elapsed now = step; now <= until; now += step) {
        model.advanceTo(now);
        if (model.phase() != changes.back().phase) {
            changes.push_back({model.phase(), now, model.peakForce()});
        }
    }
    return changes;
}

TEST(SpecimenModel, ValuesAtKnownMomentsOfTheCycle) {
    // The breaks take between 0.5 and 1 s, so these moments lie in a known phase whatever
    // the seed chooses: first break in [4, 5], second loading starts in [5.5, 6].
    struct Row {
        double at;
        Phase phase;
        double forceLow, forceHigh;
        double peakLow, peakHigh;
        double speed;
        std::size_t specimen;
    };
    const std::vector<Row> rows{
        {0.0, Phase::Waiting, 0, 0, 0, 0, 0, 0},      {1.999, Phase::Waiting, 0, 0, 0, 0, 0, 0},
        {2.5, Phase::Loading, 5, 5, 5, 5, 10, 0},     {3.9, Phase::Loading, 19, 19, 19, 19, 10, 0},
        {4.0, Phase::Breaking, 20, 20, 20, 20, 0, 0}, {4.4, Phase::Breaking, 4, 12, 20, 20, 0, 0},
        {5.0, Phase::Waiting, 0, 0, 20, 20, 0, 0},    {5.45, Phase::Waiting, 0, 0, 20, 20, 0, 0},
        {6.1, Phase::Loading, 1, 6, 1, 6, 10, 1},     {8.45, Phase::Loading, 24.5, 29.5, 24.5, 29.5, 10, 1},
        {10.0, Phase::Finished, 0, 0, 30, 30, 0, 1},  {1000.0, Phase::Finished, 0, 0, 30, 30, 0, 1},
    };
    SpecimenModel model(twoSpecimens());
    for (const Row& row : rows) {
        model.advanceTo(seconds(row.at));
        SCOPED_TRACE(testing::Message() << "at " << row.at << " s");
        EXPECT_EQ(model.phase(), row.phase);
        EXPECT_GE(model.force(), row.forceLow - 1e-9);
        EXPECT_LE(model.force(), row.forceHigh + 1e-9);
        EXPECT_GE(model.peakForce(), row.peakLow - 1e-9);
        EXPECT_LE(model.peakForce(), row.peakHigh + 1e-9);
        EXPECT_DOUBLE_EQ(model.loadingSpeed(), row.speed);
        EXPECT_EQ(model.specimenIndex(), row.specimen);
    }
    EXPECT_EQ(model.brokenSpecimens(), 2u);
}

TEST(SpecimenModel, RunsIdleLoadingBreakPauseAndStopsAfterTheLastSpecimen) {
    SpecimenModel model(twoSpecimens());
    const auto changes = phaseChanges(model, 20s);

    std::vector<Phase> phases;
    for (const auto& change : changes) {
        phases.push_back(change.phase);
    }
    const std::vector<Phase> expectedPhases{Phase::Waiting, Phase::Loading,  Phase::Breaking, Phase::Waiting,
                                            Phase::Loading, Phase::Breaking, Phase::Finished};
    ASSERT_EQ(phases, expectedPhases);

    EXPECT_EQ(changes[1].at, 2000ms) << "start delay";
    EXPECT_EQ(changes[2].at - changes[1].at, 2000ms) << "20 kN at 10 kN/s";
    const Elapsed firstBreak = changes[3].at - changes[2].at;
    EXPECT_GE(firstBreak, 500ms);
    EXPECT_LE(firstBreak, 1000ms);
    EXPECT_EQ(changes[4].at - changes[3].at, 1000ms) << "pause";
    EXPECT_EQ(changes[5].at - changes[4].at, 3000ms) << "30 kN at 10 kN/s";
    const Elapsed secondBreak = changes[6].at - changes[5].at;
    EXPECT_GE(secondBreak, 500ms);
    EXPECT_LE(secondBreak, 1000ms);
    EXPECT_DOUBLE_EQ(changes[3].peakAtStart, 20.0) << "the peak is kept through the pause";
    EXPECT_LT(changes[4].peakAtStart, 0.1) << "and starts again with the next specimen";
}

TEST(SpecimenModel, ForceSpeedAndPeakHoldTogetherAtEveryMoment) {
    SpecimenModel model(twoSpecimens(true));
    double previousForce = 0.0;
    Phase previousPhase = model.phase();
    for (Elapsed now{0}; now <= 25s; now += step) {
        model.advanceTo(now);
        const double force = model.force();
        const double breakForce = model.specimenIndex() == 0 ? 20.0 : 30.0;
        const double at = toSeconds(now);
        ASSERT_GE(force, 0.0) << "at " << at << " s";
        ASSERT_LE(force, breakForce) << "at " << at << " s";
        ASSERT_GE(model.peakForce(), force) << "at " << at << " s";
        switch (model.phase()) {
        case Phase::Loading:
            ASSERT_DOUBLE_EQ(model.loadingSpeed(), 10.0) << "at " << at << " s";
            ASSERT_DOUBLE_EQ(model.peakForce(), force) << "at " << at << " s";
            break;
        case Phase::Breaking:
            ASSERT_DOUBLE_EQ(model.loadingSpeed(), 0.0) << "at " << at << " s";
            ASSERT_DOUBLE_EQ(model.peakForce(), breakForce) << "at " << at << " s";
            if (previousPhase == Phase::Breaking) {
                ASSERT_LT(force, previousForce) << "the force falls through the break, at " << at << " s";
            }
            break;
        case Phase::Waiting:
        case Phase::Finished:
            ASSERT_DOUBLE_EQ(model.loadingSpeed(), 0.0) << "at " << at << " s";
            ASSERT_DOUBLE_EQ(force, 0.0) << "at " << at << " s";
            break;
        }
        previousForce = force;
        previousPhase = model.phase();
    }
}

TEST(SpecimenModel, RepeatStartsTheListAgain) {
    SpecimenModel model(twoSpecimens(true));
    std::vector<double> breakPeaks;
    for (const auto& change : phaseChanges(model, 40s)) {
        ASSERT_NE(change.phase, Phase::Finished);
        if (change.phase == Phase::Breaking) {
            breakPeaks.push_back(change.peakAtStart);
        }
    }
    ASSERT_GE(breakPeaks.size(), 5u);
    for (std::size_t i = 0; i < breakPeaks.size(); ++i) {
        EXPECT_DOUBLE_EQ(breakPeaks[i], i % 2 == 0 ? 20.0 : 30.0) << "break " << i;
    }
}

TEST(SpecimenModel, WithoutDelayOrPauseLoadingStartsAtOnceAndFollowsTheBreak) {
    SpecimenModel model(ModelConfig{{5.0, 6.0}, 10.0, 0.0, 0.0, false, 3});
    EXPECT_EQ(model.phase(), Phase::Loading);
    const auto changes = phaseChanges(model, 5s);
    ASSERT_GE(changes.size(), 4u);
    EXPECT_EQ(changes[1].phase, Phase::Breaking);
    EXPECT_EQ(changes[1].at, 500ms);
    EXPECT_EQ(changes[2].phase, Phase::Loading) << "no waiting between the specimens";
    EXPECT_EQ(changes[3].phase, Phase::Breaking);
    EXPECT_EQ(changes[3].at - changes[2].at, 600ms);
}

TEST(SpecimenModel, AJumpInTimeEndsWhereSmallStepsEndAndTimeNeverRunsBack) {
    SpecimenModel stepped(twoSpecimens(true));
    SpecimenModel jumped(twoSpecimens(true));
    const Elapsed end = seconds(37.3);
    for (Elapsed now{0}; now <= end; now += step) {
        stepped.advanceTo(now);
    }
    jumped.advanceTo(end);
    EXPECT_EQ(jumped.phase(), stepped.phase());
    EXPECT_EQ(jumped.specimenIndex(), stepped.specimenIndex());
    EXPECT_EQ(jumped.brokenSpecimens(), stepped.brokenSpecimens());
    EXPECT_DOUBLE_EQ(jumped.force(), stepped.force());
    EXPECT_DOUBLE_EQ(jumped.peakForce(), stepped.peakForce());

    const double forceBefore = jumped.force();
    jumped.advanceTo(1s);
    EXPECT_DOUBLE_EQ(jumped.force(), forceBefore);
    EXPECT_EQ(jumped.brokenSpecimens(), stepped.brokenSpecimens());
}

TEST(SpecimenModel, RefusesAConfigurationItCannotPlay) {
    EXPECT_THROW(SpecimenModel(ModelConfig{{}, 10.0, 1.0, 1.0, false, 0}), std::invalid_argument);
    EXPECT_THROW(SpecimenModel(ModelConfig{{20.0}, 0.0, 1.0, 1.0, false, 0}), std::invalid_argument);
    EXPECT_THROW(SpecimenModel(ModelConfig{{20.0, -5.0}, 10.0, 1.0, 1.0, false, 0}), std::invalid_argument);
    EXPECT_THROW(SpecimenModel(ModelConfig{{20.0}, 10.0, -1.0, 1.0, false, 0}), std::invalid_argument);
}

} // namespace
} // namespace vamo::loadsim

namespace vamo::loadsim {
namespace {

TEST(SpecimenModel, HoldKeepsTheBreakForceBeforeTheBreak) {
    ModelConfig config{{20.0}, 10.0, 1.0, 0.0, false, 7};
    config.holdSeconds = 1.5;
    SpecimenModel model(config);
    model.advanceTo(std::chrono::milliseconds(1000));
    EXPECT_DOUBLE_EQ(model.force(), 10.0);
    EXPECT_DOUBLE_EQ(model.loadingSpeed(), 10.0);
    model.advanceTo(std::chrono::milliseconds(3400));
    EXPECT_EQ(model.phase(), SpecimenModel::Phase::Loading);
    EXPECT_DOUBLE_EQ(model.force(), 20.0);
    EXPECT_DOUBLE_EQ(model.loadingSpeed(), 0.0) << "the force no longer rises";
    model.advanceTo(std::chrono::milliseconds(3600));
    EXPECT_EQ(model.phase(), SpecimenModel::Phase::Breaking);
}

} // namespace
} // namespace vamo::loadsim
