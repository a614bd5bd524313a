#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "PassThroughModel.h"
#include "PortElement.h"

using namespace QuorvelZenth;

namespace {

TEST(PassThroughModel, EverySampleComesBackBitForBit) {
    Zenth_Rx_Pass_Through model;
    PortElement in(model.inputPort);
    PortElement out(model.outputPort);
    ASSERT_TRUE(model.Setup());
    EXPECT_EQ(model.UnityGain.GainValue, 1.0);
    ASSERT_TRUE(model.Initialize());
    const std::vector<double> samples = {
        0.0, -0.0, 1e-310, -3.5e10, 1.0 / 3.0, std::numeric_limits<double>::infinity()};
    for (double sample : samples) {
        in.value() = sample;
        ASSERT_TRUE(model.Run());
        EXPECT_EQ(std::signbit(out.value()), std::signbit(sample));
        EXPECT_EQ(out.value(), sample);
    }
    EXPECT_TRUE(model.Finalize());
}

TEST(PassThroughModel, RepeatedCyclesLeakNothing) {
    Zenth_Tx_Pass_Through model;
    PortElement in(model.inputPort);
    PortElement out(model.outputPort);
    for (int cycle = 0; cycle < 3; ++cycle) {
        ASSERT_TRUE(model.Setup());
        ASSERT_TRUE(model.Initialize());
        ASSERT_TRUE(model.Initialize());
        in.value() = cycle;
        ASSERT_TRUE(model.Run());
        EXPECT_EQ(out.value(), cycle);
        if (cycle < 2) {
            EXPECT_TRUE(model.Finalize());
        }
    }
    // The last cycle is left initialised: the destructor releases the links.
}

TEST(PassThroughModel, SetupDeclaresOneSamplePorts) {
    Zenth_Rx_Pass_Through model;
    model.inputPort.minCapacity = 0;
    model.outputPort.minCapacity = 4;
    ASSERT_TRUE(model.Setup());
    EXPECT_EQ(model.inputPort.rate, 1u);
    EXPECT_EQ(model.inputPort.minCapacity, 1u);
    EXPECT_EQ(model.outputPort.minCapacity, 4u);
}

}  // namespace
