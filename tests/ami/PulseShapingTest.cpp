#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "PulseShaping.h"
#include "SampleGrid.h"
#include "ShapingCurves.h"

using namespace QuorvelZenth;

namespace {

// Scales a one-sample column whose pulse response peaks at `peak` (dt 1,
// one sample per bit) and returns the factor it was scaled by.
double RatioAtPeak(const LimiterCurve& curve, double peak) {
    double column = 2 * peak;  // the pulse's +0.5 level times the column
    std::ostringstream log;
    ScaleByPulseCompression(log, &column, 1, 1, 1.0, curve);
    return column / (2 * peak);
}

TEST(PulseShaping, RatioIsTheCurveAtThePeakOverThePeak) {
    struct Case {
        LimiterCurve curve;
        double peak, ratio;
    };
    const LimiterCurve mild = ReceiverShapingCurve(0);
    const LimiterCurve hard = ReceiverShapingCurve(1);
    const double tx6 = 0.752 * std::tanh(0.5 / 0.752) / 0.5;
    const double outside = 0.815 * std::tanh(1.2269938650306749 * 0.5) / 0.5;
    const Case cases[] = {
        {mild, 0.5, 0.678627},
        {mild, 1.0, 0.394646},
        {mild, 0.01, 0.999792},
        {hard, 0.5, 0.558666},
        {hard, 1.0, 0.299237},
        {hard, 0.01, 0.999630},
        {TransmitterShapingCurve(6.9), 0.5, tx6},
        {TransmitterShapingCurve(9), 0.5, outside},
        {TransmitterShapingCurve(-1), 0.5, outside},
        {TransmitterShapingCurve(-0.5), 0.5, 0.353 * std::tanh(0.5 / 0.353) / 0.5},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(RatioAtPeak(c.curve, c.peak), c.ratio, 5e-7)
            << c.curve.amplitude << " at " << c.peak;
    }
    EXPECT_EQ(ReceiverShapingCurve(-3).amplitude, 0.3) << "every selector but 0 limits hard";
    EXPECT_EQ(TransmitterShapingCurve(8).gain, 1.2269938650306749);
    EXPECT_EQ(TransmitterShapingCurve(6).amplitude, 0.752);
}

TEST(PulseShaping, PulseIsZeroOneZeroAtHalfLevels) {
    EXPECT_EQ(MakePulse(2), (std::vector<double>{-0.5, -0.5, 0.5, 0.5, -0.5, -0.5}));
}

TEST(PulseShaping, ConvolutionSumsTheExistingTermsInOrderAndScalesByDt) {
    const std::vector<double> pulse = {-0.5, 0.5, -0.5};
    const double column[] = {1, 2};
    EXPECT_EQ(ConvolvePulse(pulse, column, 2, 0.5),
              (std::vector<double>{-0.25, -0.25, 0.25, -0.5}));
    EXPECT_EQ(ConvolvePulse(pulse, column, 0, 0.5), (std::vector<double>{0, 0}));
}

TEST(PulseShaping, PeakStartsFarBelowZeroAndIgnoresNaN) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(PeakOf({nan, -3, nan}), -3);
    EXPECT_EQ(PeakOf({-2e12}), -1e12);
    EXPECT_EQ(PeakOf({0, 0}), 0);
}

TEST(PulseShaping, AZeroColumnKeepsRatioOneAndLogsEveryStep) {
    double column[3] = {0, 0, 0};
    std::ostringstream log;
    ScaleByPulseCompression(log, column, 3, 1, 1e-12, ReceiverShapingCurve(0));
    EXPECT_EQ(log.str(),
              "pulse array created.\n"
              "convolution completed. Lenth of output = 5\n0\n0\n0\n0\n0\n"
              "peak of conv = 0\n"
              "nonlinear processing completed. \n0\n0\n0\n0\n0\n"
              "peak of conv_nlti = 0\n");
    EXPECT_EQ(column[0], 0);
}

TEST(SampleGrid, NearestIntegerWithHalvesUpAndRefusals) {
    const double unit = std::ldexp(1.0, -40);  // exact quotients
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double sampleInterval, bitTime;
        bool valid;
        int samplesPerBit;
    };
    const Case cases[] = {
        {1.953125e-12, 1.25e-10, true, 64},
        {unit, 63.5 * unit, true, 64},
        {unit, 63.49 * unit, true, 63},
        {unit, 0.5 * unit, true, 1},
        {unit, 0.49 * unit, false, 0},
        {unit, 16384.49 * unit, true, 16384},
        {unit, 16384.5 * unit, false, 0},
        {0, 1e-10, false, 0},
        {-1e-12, 1e-10, false, 0},
        {nan, 1e-10, false, 0},
        {1e-12, 0, false, 0},
        {1e-12, -1e-10, false, 0},
        {1e-12, nan, false, 0},
        {1e-300, 1e300, false, 0},
    };
    for (const Case& c : cases) {
        const SampleGrid grid = MakeSampleGrid("Larkspur", c.sampleInterval, c.bitTime);
        EXPECT_EQ(grid.valid, c.valid) << c.sampleInterval << ", " << c.bitTime;
        EXPECT_EQ(grid.samplesPerBit, c.samplesPerBit) << c.sampleInterval << ", " << c.bitTime;
        EXPECT_EQ(grid.notice.empty(), c.valid);
    }
    EXPECT_EQ(MakeSampleGrid("Foxglove", 0, 1e-10).notice,
              "The IBIS-AMI model, Foxglove, cannot run with the sample interval 0: it must be a "
              "positive number of seconds. ");
    EXPECT_EQ(MakeSampleGrid("Larkspur", 1e-12, 4e-13).notice,
              "The IBIS-AMI model, Larkspur, cannot run with a bit time of 4e-13 s sampled every "
              "1e-12 s: that gives 0.4 samples per bit, and the model needs 1 to 16384. ");
}

TEST(SampleGrid, TruncationSaturatesInsteadOfOverflowing) {
    EXPECT_EQ(TruncateToInt32(7.6), 7);
    EXPECT_EQ(TruncateToInt32(-0.5), 0);
    EXPECT_EQ(TruncateToInt32(-7.6), -7);
    EXPECT_EQ(TruncateToInt32(1e300), INT32_MAX);
    EXPECT_EQ(TruncateToInt32(-1e300), INT32_MIN);
    EXPECT_EQ(TruncateToInt32(std::numeric_limits<double>::quiet_NaN()), INT32_MIN);
}

}  // namespace
