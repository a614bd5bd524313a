#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "Larkspur.h"
#include "Larkspur_lti.h"
#include "ModelHarness.h"

using namespace QuorvelZenth;
using namespace QuorvelZenthTest;

namespace {

const std::vector<double> wave = TestWave(600, 0.3);

// The waveform model's output built by hand from the filters it set up.
std::vector<double> Expected(Larkspur& model, int set, int level, double limit) {
    EqualizerBank& bank = set == 0 ? model.eqBank0 : model.eqBank1;
    const std::vector<double> equalised =
        Map(Filter(bank.filters[level], wave), [&](double x) { return x * bank.BankGain; });
    const std::vector<double> limited = Filter(model.bandwidth.filters[4], equalised);
    return Map(limited, [&](double v) {
        return limit == 0 ? std::tanh(v * 0.92) * 0.4 : std::tanh(v * 4.1) * 0.3;
    });
}

TEST(Larkspur, DefaultsUseBranch8OfSet0The15GHzBranchAndTheMildCurve) {
    Larkspur model;
    const auto run = RunCycle(model, wave);
    ASSERT_TRUE(run.setup && run.initialize && run.everyRun && run.finalize);
    EXPECT_EQ(model.eqBank0.filters[8].TapCount, 324);
    EXPECT_EQ(model.bandwidth.filters[4].TapCount, 52);
    EXPECT_EQ(run.output, Expected(model, 0, 8, 0));
}

TEST(Larkspur, LevelsRoundHalfAwayFromZeroAndLimitPicksBankAndCurve) {
    struct Case {
        double eqLevel, limit;
        int set, branch;
    };
    const Case cases[] = {
        {7.5, 0, 0, 8}, {-0.4, 0, 0, 0}, {15.49, 0, 0, 15}, {0, -0.4, 0, 0},
        {8, 0.5, 1, 8}, {3, 1, 1, 3},    {15, 1.49, 1, 15},
    };
    for (const Case& c : cases) {
        Larkspur model;
        model.EQ_Level = c.eqLevel;
        model.Limit = c.limit;
        const auto run = RunCycle(model, wave);
        ASSERT_TRUE(run.everyRun) << c.eqLevel << ", " << c.limit;
        EXPECT_EQ(run.output, Expected(model, c.set, c.branch, c.set))
            << "EQ_Level " << c.eqLevel << ", Limit " << c.limit;
    }
}

TEST(Larkspur, LevelsOutsideTheBanksFailEveryRunButNotSetup) {
    struct Case {
        double eqLevel, limit;
        std::string firstMessage;
    };
    const Case cases[] = {
        {15.5, 0,
         "Control input signal value is equal to 16.  There are 16 inputs connected.  The valid "
         "control input range is [0,15]."},
        {16, 0,
         "Control input signal value is equal to 16.  There are 16 inputs connected.  The valid "
         "control input range is [0,15]."},
        {-0.5, 0,
         "Control input signal value is equal to -1.  There are 16 inputs connected.  The valid "
         "control input range is [0,15]."},
        {8, 1.5,
         "Control input signal value is equal to 2.  There are 2 inputs connected.  The valid "
         "control input range is [0,1]."},
        {8, -0.5,
         "Control input signal value is equal to -1.  There are 2 inputs connected.  The valid "
         "control input range is [0,1]."},
    };
    for (const Case& c : cases) {
        Larkspur model;
        model.EQ_Level = c.eqLevel;
        model.Limit = c.limit;
        PortElement in(model.inputPort);
        PortElement out(model.outputPort);
        ASSERT_TRUE(model.Setup());
        ASSERT_TRUE(model.Initialize());
        testing::internal::CaptureStderr();
        bool anyRun = false;
        for (int i = 0; i < 3; ++i) anyRun |= model.Run();
        const std::string errors = testing::internal::GetCapturedStderr();
        EXPECT_FALSE(anyRun) << c.eqLevel << ", " << c.limit;
        EXPECT_EQ(errors.substr(0, errors.find('\n')), c.firstMessage);
        EXPECT_TRUE(model.Finalize());
    }
}

TEST(Larkspur, ConstantInputSettlesOnTheCompressedDcGain) {
    for (double limit : {0.0, 1.0}) {
        Larkspur model;
        model.Limit = limit;
        const double a = 0.05;
        const auto run = RunCycle(model, std::vector<double>(500, a));
        ASSERT_TRUE(run.everyRun);
        const EqualizerBank& bank = limit == 0 ? model.eqBank0 : model.eqBank1;
        const double k =
            bank.BankGain * TapSum(bank.filters[8]) * TapSum(model.bandwidth.filters[4]);
        const double expected =
            limit == 0 ? 0.4 * std::tanh(0.92 * k * a) : 0.3 * std::tanh(4.1 * k * a);
        EXPECT_NEAR(run.output.back(), expected, 1e-12) << "Limit " << limit;
        EXPECT_EQ(run.output[400], run.output.back()) << "settled once both filters are full";
    }
}

TEST(Larkspur, LargeInputsSaturateAtTheStageSwing) {
    for (double limit : {0.0, 1.0}) {
        const double swing = limit == 0 ? 0.4 : 0.3;
        for (double sign : {1.0, -1.0}) {
            Larkspur model;
            model.Limit = limit;
            const auto run = RunCycle(model, std::vector<double>(450, sign * 50));
            ASSERT_TRUE(run.everyRun);
            for (double y : run.output) EXPECT_LE(std::fabs(y), swing);
            EXPECT_NEAR(run.output.back(), sign * swing, 1e-12) << "Limit " << limit;
        }
    }
}

TEST(Larkspur, RepeatedCyclesGiveTheSameOutputAndReleaseEverything) {
    Larkspur model;
    PortElement in(model.inputPort);
    PortElement out(model.outputPort);
    std::vector<std::vector<double>> outputs;
    for (int cycle = 0; cycle < 2; ++cycle) {
        ASSERT_TRUE(model.Setup());
        ASSERT_TRUE(model.Setup()) << "a second Setup releases the first table copies";
        ASSERT_TRUE(model.Initialize());
        ASSERT_TRUE(model.Initialize()) << "a second Initialize releases the first connections";
        EXPECT_EQ(model.linkStorage.Count(), 104u);
        std::vector<double> output;
        for (double sample : wave) {
            in.value() = sample;
            ASSERT_TRUE(model.Run());
            output.push_back(out.value());
        }
        outputs.push_back(output);
        ASSERT_TRUE(model.Finalize());
        EXPECT_EQ(model.linkStorage.Count(), 0u);
        EXPECT_EQ(model.eqBank0.filters[0].Response, nullptr);
    }
    EXPECT_EQ(outputs[0], outputs[1]);
    ASSERT_TRUE(model.Setup());
    ASSERT_TRUE(model.Initialize());  // left for the destructor to release
}

TEST(Larkspur, SampleGridsTheFiltersCannotUseFailSetup) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double bitTime, samplePerBit;
    };
    const Case cases[] = {{1.25e-10, 0}, {1.25e-10, -4}, {1.25e-10, nan},
                          {0, 64},       {nan, 64},      {-1.25e-10, 64}};
    for (const Case& c : cases) {
        Larkspur model;
        model.BitTime = c.bitTime;
        model.SamplePerBit = c.samplePerBit;
        testing::internal::CaptureStderr();
        EXPECT_FALSE(model.Setup()) << c.bitTime << " s, " << c.samplePerBit;
        const std::string errors = testing::internal::GetCapturedStderr();
        EXPECT_FALSE(errors.empty());
        if (c.samplePerBit == 0) {
            EXPECT_EQ(errors.substr(0, errors.find('\n')), "SampleRate must be > 0.0");
        }
        EXPECT_TRUE(model.Finalize());
    }
}

TEST(Larkspur_lti, OutputIsTheGainTimesTheSelectedBranches) {
    struct Case {
        std::int32_t eqLevel, limit;
        double gain0, gain1;
    };
    const Case cases[] = {
        {0, 0, 0.92, 0.4}, {8, 0, 0.92, 0.4}, {5, 1, 4.1, 0.3}, {15, 1, 4.1, 0.3}};
    for (const Case& c : cases) {
        Larkspur_lti lti;
        lti.EQ_Level = c.eqLevel;
        lti.Limit = c.limit;
        const auto run = RunCycle(lti, wave);
        ASSERT_TRUE(run.everyRun);
        EqualizerBank& bank = c.limit == 0 ? lti.eqBank0 : lti.eqBank1;
        const auto equalised =
            Map(Filter(bank.filters[c.eqLevel], wave), [&](double x) { return x * bank.BankGain; });
        const auto expected = Map(Filter(lti.bandwidth.filters[4], equalised),
                                  [&](double v) { return v * c.gain0 * c.gain1; });
        EXPECT_EQ(run.output, expected) << "EQ_Level " << c.eqLevel << ", Limit " << c.limit;
    }
}

TEST(Larkspur_lti, MatchesTheWaveformModelForSmallSignals) {
    const std::vector<double> small = TestWave(500, 1e-7);
    for (std::int32_t limit : {0, 1}) {
        Larkspur_lti lti;
        lti.Limit = limit;
        lti.EQ_Level = 11;
        Larkspur model;
        model.Limit = limit;
        model.EQ_Level = 11;
        const auto linear = RunCycle(lti, small).output;
        const auto waveform = RunCycle(model, small).output;
        ASSERT_EQ(linear.size(), waveform.size());
        for (std::size_t i = 0; i < linear.size(); ++i) {
            EXPECT_NEAR(linear[i], waveform[i], 1e-9 * std::fabs(linear[i]) + 1e-20) << i;
        }
    }
}

TEST(Larkspur_lti, CyclesAreIdenticalAndOutOfRangeLevelsFailEveryRun) {
    Larkspur_lti lti;
    const auto first = RunCycle(lti, wave);
    const auto second = RunCycle(lti, wave);
    ASSERT_TRUE(first.everyRun);
    EXPECT_EQ(first.output, second.output);
    EXPECT_EQ(lti.linkStorage.Count(), 0u);

    for (auto levels : {std::pair<int, int>{16, 0}, {0, 2}, {-1, 0}}) {
        Larkspur_lti failing;
        failing.EQ_Level = levels.first;
        failing.Limit = levels.second;
        testing::internal::CaptureStderr();
        const auto run = RunCycle(failing, std::vector<double>(3, 1.0));
        testing::internal::GetCapturedStderr();
        EXPECT_TRUE(run.setup && run.initialize);
        EXPECT_FALSE(run.anyRun) << levels.first << ", " << levels.second;
    }
}

}  // namespace
