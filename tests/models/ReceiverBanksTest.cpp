#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "BandwidthBank.h"
#include "BandwidthTables.h"
#include "BankHarness.h"
#include "EqualizerBank.h"
#include "ModelHarness.h"

using namespace QuorvelZenth;
using namespace QuorvelZenthTest;

namespace {

TEST(BandwidthTables, OnePoleResponsesFollowTheirRule) {
    const BandwidthTable& table = BandwidthTables();
    EXPECT_EQ(table.response[0][0], 31415926535.89793);
    const double corners[] = {5e9, 7.5e9, 10e9, 12.5e9, 15e9, 17.5e9};
    for (int level = 0; level < BandwidthLevelCount; ++level) {
        const double w = 6.283185307179586 * corners[level];
        for (int k : {0, 1, 37, 100}) {
            EXPECT_EQ(table.timeStamps[k], k * 1e-12);
            EXPECT_EQ(table.response[level][k], w * std::exp(-w * (k * 1e-12)))
                << level << ", " << k;
        }
    }
}

TEST(BandwidthBank, TheLevelPicksOneBranchAndTheReceiverDefaultIs15GHz) {
    BandwidthBank bank;
    EXPECT_EQ(bank.BandwidthLevel, 4.0);
    BankHarness<BandwidthBank> harness(bank);
    ASSERT_TRUE(harness.Prepare());
    EXPECT_EQ(bank.filters[4].TapCount, 52);
    // At tap 0 the time stamp is hit exactly: w / SampleRate.
    EXPECT_EQ(bank.filters[4].Taps[0], 6.283185307179586 * 15e9 / bank.filters[4].SampleRate);
    const std::vector<double> input = TestWave(80, 1.0);
    std::vector<double> output;
    for (double sample : input) {
        ASSERT_TRUE(harness.Fire(sample));
        output.push_back(harness.sink[0]);
    }
    EXPECT_EQ(output, Filter(bank.filters[4], input));
}

TEST(BandwidthBank, ALevelOutsideTheSixBranchesFailsEveryFiring) {
    BandwidthBank bank;
    bank.BandwidthLevel = 6;
    BankHarness<BandwidthBank> harness(bank);
    ASSERT_TRUE(harness.Prepare());
    testing::internal::CaptureStderr();
    EXPECT_FALSE(harness.Fire(1.0));
    EXPECT_FALSE(harness.Fire(1.0));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Control input signal value is equal to 6.  There are 6 inputs connected.  The "
              "valid control input range is [0,5].\n"
              "Control input signal value is equal to 6.  There are 6 inputs connected.  The "
              "valid control input range is [0,5].\n");
}

TEST(EqualizerBank, TapCountsFollowTheSampleRate) {
    struct Case {
        double samplePerBit;
        int equalizerTaps, bandwidthTaps;
    };
    const Case cases[] = {{64, 324, 52}, {32, 162, 26}, {8, 41, 7}};
    for (const Case& c : cases) {
        EqualizerBank equalizer(1, 2.985);
        equalizer.SamplePerBit = c.samplePerBit;
        BandwidthBank bandwidth;
        bandwidth.SamplePerBit = c.samplePerBit;
        ASSERT_TRUE(equalizer.Setup());
        ASSERT_TRUE(bandwidth.Setup());
        EXPECT_EQ(equalizer.filters[15].TapCount, c.equalizerTaps) << c.samplePerBit;
        EXPECT_EQ(bandwidth.filters[0].TapCount, c.bandwidthTaps) << c.samplePerBit;
        EXPECT_EQ(equalizer.InverseBitTime, 1.0 / 1.25e-10);
        ReleaseTableCopies(equalizer);
        ReleaseTableCopies(bandwidth);
    }
}

}  // namespace
