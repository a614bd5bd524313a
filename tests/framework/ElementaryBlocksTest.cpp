#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CircularBuffer.h"
#include "ConstUnTimed.h"
#include "Fork.h"
#include "Gain.h"
#include "LinkStorage.h"
#include "Mux.h"
#include "ScalarToScalar.h"

using namespace QuorvelZenth;

namespace {

using DoubleBuffer = CircularBuffer<double>;
using Rounder = ScalarToScalar<CircularBuffer<double>, CircularBuffer<int>, TypeConverterRound>;

TEST(Gain, MultipliesEverySample) {
    struct Case {
        double gain, in, out;
    };
    const Case cases[] = {{-1, 2.5, -2.5}, {-1, -0.0, 0.0}, {0, 7, 0}, {0.8327, 2, 1.6654}};
    for (const Case& c : cases) {
        Gain<double> gain;
        gain.GainValue = c.gain;
        DoubleBuffer in, out;
        LinkStorage links;
        links.Connect(in, gain.input);
        links.Connect(gain.output, out);
        ASSERT_TRUE(gain.Setup());
        in[0] = c.in;
        EXPECT_TRUE(gain.Run());
        EXPECT_EQ(out[0], c.out) << c.gain << " x " << c.in;
    }
}

TEST(Fork, WritesTheSampleToEveryOutput) {
    Fork<DoubleBuffer> fork;
    fork.outputs.SetSize(2);
    DoubleBuffer in, first, second;
    LinkStorage links;
    links.Connect(in, fork.input);
    links.Connect(*fork.outputs.GetBuffer(0), first);
    links.Connect(*fork.outputs.GetBuffer(1), second);
    in[0] = 3.25;
    EXPECT_TRUE(fork.Run());
    EXPECT_EQ(first[0], 3.25);
    EXPECT_EQ(second[0], 3.25);

    Fork<DoubleBuffer> empty;
    empty.input = in;
    EXPECT_TRUE(empty.Run());
}

struct MuxFixture : testing::Test {
    Mux<DoubleBuffer> mux;
    std::vector<DoubleBuffer> sources;
    DoubleBuffer out;
    LinkStorage links;

    void Wire(std::size_t inputs) {
        mux.inputs.SetSize(inputs);
        sources.resize(inputs);
        for (std::size_t i = 0; i < inputs; ++i) {
            links.Connect(sources[i], *mux.inputs.GetBuffer(i));
            sources[i][0] = 10.0 + static_cast<double>(i);
        }
        links.Connect(mux.output, out);
    }
};

TEST_F(MuxFixture, PassesTheSelectedInput) {
    Wire(3);
    ASSERT_TRUE(mux.Setup());
    for (int control : {2, 0, 1}) {
        mux.control = control;
        EXPECT_TRUE(mux.Run());
        EXPECT_EQ(out[0], 10.0 + control);
    }
}

TEST_F(MuxFixture, ControlOutsideTheRangeFailsWithItsMessage) {
    struct Case {
        std::size_t inputs;
        int control;
        const char* message;
    };
    const Case cases[] = {
        {2, 2,
         "Control input signal value is equal to 2.  There are 2 inputs connected.  The valid "
         "control input range is [0,1]."},
        {1, -1,
         "Control input signal value is equal to -1.  There is 1 input connected.  The valid "
         "control input range is [0,0]."},
        {16, 16,
         "Control input signal value is equal to 16.  There are 16 inputs connected.  The valid "
         "control input range is [0,15]."},
        {0, 0,
         "Control input signal value is equal to 0.  There is 0 input connected.  The valid "
         "control input range is [0,-1]."},
    };
    for (const Case& c : cases) {
        Mux<DoubleBuffer> local;
        local.inputs.SetSize(c.inputs);
        DoubleBuffer sink;
        LinkStorage wires;
        wires.Connect(local.output, sink);
        sink[0] = -7;
        local.control = c.control;
        testing::internal::CaptureStderr();
        EXPECT_FALSE(local.Run());
        EXPECT_EQ(testing::internal::GetCapturedStderr(), std::string(c.message) + "\n");
        EXPECT_EQ(sink[0], -7) << "a failing firing writes nothing";
    }
}

TEST_F(MuxFixture, SetupDeclaresTheBlockSizeOnEveryPort) {
    Wire(2);
    mux.inputs.GetBuffer(1)->minCapacity = 8;
    mux.BlockSize = 3;
    ASSERT_TRUE(mux.Setup());
    EXPECT_EQ(mux.output.rate, 3u);
    EXPECT_EQ(mux.output.minCapacity, 3u);
    EXPECT_EQ(mux.inputs.GetBuffer(0)->rate, 3u);
    EXPECT_EQ(mux.inputs.GetBuffer(0)->minCapacity, 3u);
    EXPECT_EQ(mux.inputs.GetBuffer(1)->minCapacity, 8u) << "never lowered";
}

TEST_F(MuxFixture, BlockSizeBelowOneFailsSetupAndChangesNothing) {
    Wire(2);
    mux.BlockSize = 0;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(mux.Setup());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "BlockSize must be >= 1\n");
    EXPECT_EQ(mux.output.rate, 1u);
}

TEST(ConstUnTimed, EmitsZeroForTheDelayThenTheValueAndRestartsOnInitialize) {
    ConstUnTimed<double> source;
    source.Value = 5;
    source.InitialDelay = 2;
    DoubleBuffer out;
    LinkStorage links;
    links.Connect(source.output, out);
    ASSERT_TRUE(source.Setup());
    for (int cycle = 0; cycle < 2; ++cycle) {
        ASSERT_TRUE(source.Initialize());
        std::vector<double> samples;
        for (int i = 0; i < 4; ++i) {
            EXPECT_TRUE(source.Run());
            samples.push_back(out[0]);
        }
        EXPECT_EQ(samples, (std::vector<double>{0, 0, 5, 5})) << "cycle " << cycle;
    }
}

TEST(ConstUnTimed, NoDelayEmitsTheValueAtOnce) {
    ConstUnTimed<double> source;
    source.Value = -1.5;
    DoubleBuffer out;
    LinkStorage links;
    links.Connect(source.output, out);
    ASSERT_TRUE(source.Initialize());
    source.Run();
    EXPECT_EQ(out[0], -1.5);
}

TEST(ConstUnTimed, NegativeDelayFailsInitializeNotSetup) {
    ConstUnTimed<double> source;
    source.InitialDelay = -1;
    testing::internal::CaptureStderr();
    EXPECT_TRUE(source.Setup());
    EXPECT_FALSE(source.Initialize());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "InitialDelay must be >= 0\n");
}

TEST(ScalarToScalar, RoundsHalvesAwayFromZero) {
    struct Case {
        double in;
        int out;
    };
    const Case cases[] = {
        {0.4, 0}, {0.5, 1},   {-0.5, -1},       {-0.4, 0},         {1.5, 2},
        {2.5, 3}, {-2.5, -3}, {2.4, 2},         {15.49, 15},       {15.5, 16},
        {7.6, 8}, {-0.0, 0},  {1e300, INT_MAX}, {-1e300, INT_MIN}, {NAN, INT_MIN},
    };
    Rounder rounder;
    DoubleBuffer in;
    CircularBuffer<int> out;
    LinkStorage links;
    links.Connect(in, rounder.input);
    links.Connect(rounder.output, out);
    for (const Case& c : cases) {
        in[0] = c.in;
        EXPECT_TRUE(rounder.Run());
        EXPECT_EQ(out[0], c.out) << c.in;
    }
}

TEST(LinkStorage, ConnectsBothEndsToOneElementAndReleasesIt) {
    DoubleBuffer producer, consumer;
    CircularBuffer<int> control, latch;
    LinkStorage links;
    links.Connect(producer, consumer);
    links.Connect(control, latch);
    EXPECT_EQ(links.Count(), 2u);
    EXPECT_EQ(producer.data, consumer.data);
    EXPECT_EQ(consumer.capacity, 1u);
    EXPECT_EQ(consumer[0], 0.0) << "connections start at zero";
    producer[0] = 4;
    EXPECT_EQ(consumer[0], 4);
    links.Release();
    EXPECT_EQ(links.Count(), 0u);
}

}  // namespace
