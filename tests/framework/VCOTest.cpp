#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "VCO.h"

using namespace QuorvelZenth;

namespace {

constexpr double TwoPi = 6.283185307179586;

struct VcoRig {
    VCO vco;
    double in = 0.0, out = 0.0;
    int pulse = -1;

    VcoRig() {
        vco.input.Attach(&in, 1);
        vco.output.Attach(&out, 1);
        vco.pulseOutput.Attach(&pulse, 1);
    }

    void Fire(double voltage) {
        in = voltage;
        ASSERT_TRUE(vco.Run());
    }
};

TEST(VCO, DefaultsOscillateAtOneGigahertz) {
    VcoRig rig;
    ASSERT_TRUE(rig.vco.Initialize());
    const double expected[] = {1.0, 0.809017, 0.309017, -0.309017, -0.809017, -1.0, -0.809017};
    const int pulses[] = {1, 1, 1, 0, 0, 0, 0};
    for (int n = 0; n < 7; ++n) {
        rig.Fire(0.0);
        EXPECT_NEAR(rig.out, expected[n], 1e-6) << n;
        EXPECT_EQ(rig.pulse, pulses[n]) << n;
    }
    EXPECT_EQ(rig.vco.sampleCount, 7u);
}

// A constant input v shifts the frequency by Sensitivity x v and the start
// phase by one step of that shift.
TEST(VCO, ConstantInputShiftsTheFrequency) {
    VcoRig rig;
    VCO& vco = rig.vco;
    vco.Amplitude = 0.5;
    vco.Sensitivity = 2e8;
    vco.InitialPhase = 0.25;
    ASSERT_TRUE(vco.Initialize());
    const double v = 1.5;
    const double step = TwoPi * vco.SampleInterval;
    for (int n = 0; n < 40; ++n) {
        rig.Fire(v);
        const double angle =
            step * (vco.Frequency + vco.Sensitivity * v) * n + 0.25 + step * vco.Sensitivity * v;
        EXPECT_NEAR(rig.out, 0.5 * std::cos(angle), 1e-12) << n;
        EXPECT_EQ(rig.pulse, rig.out > 0 ? 1 : 0) << n;
    }
}

TEST(VCO, ZeroOutputIsNoPulse) {
    VcoRig rig;
    rig.vco.Amplitude = 0.0;
    ASSERT_TRUE(rig.vco.Initialize());
    rig.Fire(0.0);
    EXPECT_EQ(rig.out, 0.0);
    EXPECT_EQ(rig.pulse, 0);
}

TEST(VCO, InitializeRestartsPhaseAndCount) {
    VcoRig rig;
    rig.vco.InitialPhase = 1.0;
    ASSERT_TRUE(rig.vco.Initialize());
    std::vector<double> first;
    for (int n = 0; n < 5; ++n) {
        rig.Fire(0.3 * n);
        first.push_back(rig.out);
    }
    ASSERT_TRUE(rig.vco.Initialize());
    EXPECT_EQ(rig.vco.phase, 1.0);
    EXPECT_EQ(rig.vco.sampleCount, 0u);
    for (int n = 0; n < 5; ++n) {
        rig.Fire(0.3 * n);
        EXPECT_EQ(rig.out, first[static_cast<std::size_t>(n)]) << n;
    }
}

TEST(VCO, NonPositiveSampleIntervalFailsInitialize) {
    for (double interval : {-1e-10, 0.0}) {
        VcoRig rig;
        rig.vco.SampleInterval = interval;
        rig.vco.InitialPhase = 0.5;
        rig.vco.phase = 3.0;
        rig.vco.sampleCount = 9;
        testing::internal::CaptureStderr();
        EXPECT_FALSE(rig.vco.Initialize());
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "SampleInterval must be a positive number.\n");
        EXPECT_EQ(rig.vco.phase, 0.5);
        EXPECT_EQ(rig.vco.sampleCount, 0u);
    }
}

TEST(VCO, CopiesCarryTheState) {
    VcoRig rig;
    ASSERT_TRUE(rig.vco.Initialize());
    rig.Fire(2.0);
    VCO copy(rig.vco);
    VCO assigned;
    assigned = copy;
    EXPECT_EQ(assigned.phase, rig.vco.phase);
    EXPECT_EQ(assigned.sampleCount, 1u);
    EXPECT_EQ(assigned.output.data, &rig.out);
}

}  // namespace
