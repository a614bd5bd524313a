#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "BandwidthBank.h"
#include "BankHarness.h"
#include "DeEmphasisBank.h"
#include "DeEmphasisTables.h"
#include "Foxglove.h"
#include "Foxglove_lin.h"
#include "ModelHarness.h"
#include "SwingGains.h"

using namespace QuorvelZenth;
using namespace QuorvelZenthTest;

namespace {

const std::vector<double> wave = TestWave(400, 0.8);

// A lone filter built from DE level `level`, as a reference.
struct DeReference {
    explicit DeReference(int level, double samplePerBit = 64) {
        response.assign(DeResponse[level], DeResponse[level] + DePointCount);
        stamps.assign(DeTimeStamps, DeTimeStamps + DePointCount);
        filter.ResponseType = 0;
        filter.Response = response.data();
        filter.ResponseCount = DePointCount;
        filter.ResponseTimeStamps = stamps.data();
        filter.TimeStampCount = DePointCount;
        filter.SampleRate = samplePerBit / 1.25e-10;
        EXPECT_TRUE(filter.Setup());
    }
    std::vector<double> response, stamps;
    TimeResponseFIR filter;
};

template <typename Model>
std::vector<double> Expected(Model& model, int deLevel, int vodLevel, bool limiting) {
    DeReference de(deLevel);
    const auto filtered = Filter(model.bandwidth.filters[3], Filter(de.filter, wave));
    return Map(filtered, [&](double b) {
        const double c = b * PreGain[vodLevel];
        const double t = limiting ? std::tanh(c) : c;
        return t * SwingGain[vodLevel] * model.gain_debugonly;
    });
}

TEST(SwingGains, TablesHoldTheExactValues) {
    EXPECT_EQ(PreGain[1], std::nextafter(1.92269586, 0.0));
    const double products[] = {0.7550103, 0.7806145, 0.8246010, 0.8399992,
                               0.8699934, 0.8750172, 0.8919941, 0.9250046};
    for (int v = 0; v < 8; ++v) EXPECT_NEAR(PreGain[v] * SwingGain[v], products[v], 5e-8) << v;
}

TEST(DeEmphasisBank, SlotsCarryTheLevelsInReverseAndTheLevelRoundsHalfAwayFromZero) {
    struct Case {
        double level;
        int row;
    };
    const Case cases[] = {{2, 2}, {2.5, 3}, {7.49, 7}, {-0.49, 0}, {0.5, 1}};
    for (const Case& c : cases) {
        DeEmphasisBank bank;
        bank.DE_Level = c.level;
        BankHarness<DeEmphasisBank> harness(bank);
        ASSERT_TRUE(harness.Prepare());
        for (int slot = 0; slot < 8; ++slot) {
            EXPECT_EQ(bank.filters[slot].Response[40], DeResponse[7 - slot][40]);
        }
        std::vector<double> output;
        for (double sample : wave) {
            ASSERT_TRUE(harness.Fire(sample));
            output.push_back(harness.sink[0]);
        }
        DeReference reference(c.row);
        EXPECT_EQ(output, Filter(reference.filter, wave)) << "DE_Level " << c.level;
    }
}

TEST(DeEmphasisBank, TapCountsFollowTheSampleRate) {
    for (auto [samplePerBit, deTaps, bandwidthTaps] : {std::tuple{64.0, 162, 52}, {32.0, 81, 26}}) {
        DeEmphasisBank bank;
        bank.SamplePerBit = samplePerBit;
        BandwidthBank bandwidth;
        EXPECT_EQ(bandwidth.BandwidthLevel, 3.0) << "the transmitter's default";
        bandwidth.SamplePerBit = samplePerBit;
        ASSERT_TRUE(bank.Setup());
        ASSERT_TRUE(bandwidth.Setup());
        EXPECT_EQ(bank.filters[0].TapCount, deTaps);
        EXPECT_EQ(bandwidth.filters[3].TapCount, bandwidthTaps);
        ReleaseTableCopies(bank);
        ReleaseTableCopies(bandwidth);
    }
}

TEST(Foxglove, LevelsSelectTheRowAndTheSwingOfTheirRoundedValue) {
    struct Case {
        double vod, de, debugGain;
        int vodLevel, deLevel;
    };
    const Case cases[] = {
        {7, 2, 1, 7, 2},       {3.5, 2, 1, 4, 2},   {6.5, 2.5, 1, 7, 3},
        {6.49, 7.49, 1, 6, 7}, {0, -0.49, 2, 0, 0}, {5, 4, 0.5, 5, 4},
    };
    for (const Case& c : cases) {
        Foxglove model;
        Foxglove_lin lti;
        model.VOD_Level = lti.VOD_Level = c.vod;
        model.DE_Level = lti.DE_Level = c.de;
        model.gain_debugonly = lti.gain_debugonly = c.debugGain;
        const auto limited = RunCycle(model, wave);
        const auto linear = RunCycle(lti, wave);
        ASSERT_TRUE(limited.everyRun && linear.everyRun) << c.vod << ", " << c.de;
        EXPECT_EQ(limited.output, Expected(model, c.deLevel, c.vodLevel, true))
            << "VOD_Level " << c.vod << ", DE_Level " << c.de;
        EXPECT_EQ(linear.output, Expected(lti, c.deLevel, c.vodLevel, false))
            << "VOD_Level " << c.vod << ", DE_Level " << c.de;
    }
}

TEST(Foxglove, OutputSaturatesJustInsideTheSwingTimesTheDebugGain) {
    struct Case {
        double vod, debugGain, swing;
    };
    const Case cases[] = {{7, 1, 0.815}, {0, 1, 0.353}, {0, 2, 0.706}};
    for (const Case& c : cases) {
        for (double sign : {1.0, -1.0}) {
            Foxglove model;
            model.VOD_Level = c.vod;
            model.gain_debugonly = c.debugGain;
            const auto run = RunCycle(model, std::vector<double>(300, sign * 3.0));
            ASSERT_TRUE(run.everyRun);
            for (double y : run.output) EXPECT_LE(std::fabs(y), c.swing);
            EXPECT_NEAR(run.output.back(), sign * c.swing, 1e-3 * c.swing);
        }
    }
}

TEST(Foxglove, ZeroInGivesZeroOutAtEveryLevel) {
    for (int vod = 0; vod < 8; ++vod) {
        for (int de = 0; de < 8; de += 3) {
            Foxglove model;
            model.VOD_Level = vod;
            model.DE_Level = de;
            const auto run = RunCycle(model, std::vector<double>(20, 0.0));
            ASSERT_TRUE(run.everyRun);
            EXPECT_EQ(run.output, std::vector<double>(20, 0.0)) << vod << ", " << de;
        }
    }
}

TEST(Foxglove, LevelsOutsideTheBanksFailEveryRunButNotSetup) {
    struct Case {
        double vod, de;
    };
    const Case cases[] = {{7, 7.5}, {7, -0.5}, {7, 8}, {7.5, 2}, {-0.5, 2}, {9, 2}};
    for (const Case& c : cases) {
        Foxglove model;
        Foxglove_lin lti;
        model.VOD_Level = lti.VOD_Level = c.vod;
        model.DE_Level = lti.DE_Level = c.de;
        testing::internal::CaptureStderr();
        const auto limited = RunCycle(model, std::vector<double>(3, 0.5));
        const auto linear = RunCycle(lti, std::vector<double>(3, 0.5));
        const std::string errors = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(limited.setup && limited.initialize && linear.setup && linear.initialize);
        EXPECT_FALSE(limited.anyRun || linear.anyRun) << c.vod << ", " << c.de;
        EXPECT_EQ(errors.rfind("Control input signal value is equal to ", 0), 0u);
    }
}

TEST(Foxglove_lin, ConstantInputSettlesOnceBothFiltersAreFull) {
    Foxglove_lin lti;
    lti.VOD_Level = 5;
    lti.DE_Level = 6;
    lti.gain_debugonly = 1.5;
    const double x = 0.25;
    const auto run = RunCycle(lti, std::vector<double>(300, x));
    ASSERT_TRUE(run.everyRun);
    EXPECT_NE(run.output[211], run.output[212]);
    EXPECT_EQ(run.output[212], run.output.back()) << "constant from the 213th firing";
    const double expected = x * TapSum(lti.deEmphasis.filters[1]) *
                            TapSum(lti.bandwidth.filters[3]) * PreGain[5] * SwingGain[5] * 1.5;
    EXPECT_NEAR(run.output.back(), expected, 1e-12 * std::fabs(expected));
}

TEST(Foxglove_lin, RepeatedCyclesGiveTheSameOutputAndReleaseEverything) {
    Foxglove_lin lti;
    Foxglove model;
    const auto first = RunCycle(lti, wave);
    const auto second = RunCycle(lti, wave);
    EXPECT_EQ(first.output, second.output);
    EXPECT_EQ(lti.linkStorage.Count(), 0u);

    PortElement in(model.inputPort);
    PortElement out(model.outputPort);
    for (int cycle = 0; cycle < 2; ++cycle) {
        ASSERT_TRUE(model.Setup());
        ASSERT_TRUE(model.Initialize());
        ASSERT_TRUE(model.Initialize());
        EXPECT_EQ(model.linkStorage.Count(), 75u);
    }
    lti.gain_debugonly = 0;
    const auto silent = RunCycle(lti, wave);
    EXPECT_EQ(silent.output, std::vector<double>(wave.size(), 0.0));
    // `model` is left initialised: the destructor releases it.
}

}  // namespace
