#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "TimeResponseFIR.h"

using namespace QuorvelZenth;

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// The owner's side of a filter: the tables it hands over by pointer.
struct Response {
    std::vector<double> stamps, values;
    std::int32_t type;
    double sampleRate;

    void HandTo(TimeResponseFIR& filter) {
        filter.ResponseTimeStamps = stamps.data();
        filter.Response = values.data();
        filter.TimeStampCount = static_cast<std::int32_t>(stamps.size());
        filter.ResponseCount = static_cast<std::int32_t>(values.size());
        filter.ResponseType = type;
        filter.SampleRate = sampleRate;
    }
};

std::vector<double> TapsOf(const TimeResponseFIR& filter) {
    return std::vector<double>(filter.Taps, filter.Taps + filter.TapCount);
}

TEST(TimeResponseFIR, RefusesBadResponsesWithOneMessage) {
    const std::vector<double> four = {0, 1, 2, 3};
    struct Case {
        Response response;
        std::int32_t timeStampCount;  // -1: as many as stamps
        const char* message;
    };
    const Case cases[] = {
        {{{0, 1, 2}, {1, 2, 3}, 2, 1e12},
         -1,
         "Inavlid ResponseType is specified, it can be either Impulse Response or Step Response"},
        {{{0, 1}, {1, 2}, -1, 1e12},
         -1,
         "Inavlid ResponseType is specified, it can be either Impulse Response or Step Response"},
        {{{0, 1, 2}, {1, 2, 3}, 0, 1e12},
         -1,
         "At least 4 response coefficients are required for input impulse response"},
        {{{0, 1, 2}, {1, 2, 3}, 1, 1e12},
         -1,
         "At least 4 response coefficients are required for input step response"},
        {{four, four, 0, 1e12},
         5,
         "Number of coefficients in response must be same as the number of values in time stamps"},
        {{four, four, 1, 0.0}, -1, "SampleRate must be > 0.0"},
        {{four, four, 1, -1e12}, -1, "SampleRate must be > 0.0"},
        {{four, four, 1, NaN}, -1, "SampleRate must be > 0.0"},
        {{four, four, 1, Infinity}, -1, "SampleRate must be a finite number"},
        {{{0, 1, NaN, 3}, four, 0, 1},
         -1,
         "ResponseTimeStamps[3] = nan. Time stamps must be finite numbers."},
        {{{-Infinity, 1, 2, 3}, four, 0, 1},
         -1,
         "ResponseTimeStamps[1] = -inf. Time stamps must be finite numbers."},
        {{four, {0, 1, 2, Infinity}, 1, 1},
         -1,
         "Response[4] = inf. Response values must be finite numbers."},
        {{{5, 6, 6, 7}, four, 1, 1},
         -1,
         "ResponseTimeStamps[3] = 6  <= ResponseTimeStamps[2] = 6. "
         "Time stamps must be in non-repeating ascending order."},
        {{{0.25, 1e-3, 2, 3}, four, 1, 1},
         -1,
         "ResponseTimeStamps[2] = 0.001  <= ResponseTimeStamps[1] = 0.25. "
         "Time stamps must be in non-repeating ascending order."},
        {{{0, 1e-9, 2e-9, 3e-9}, four, 0, 1e20},
         -1,
         "Response duration of 3e-09 at SampleRate 1e+20 needs more than 262144 taps."},
        {{{-1e308, 0, 1e307, 1e308}, four, 0, 1},
         -1,
         "Response duration of inf at SampleRate 1 needs more than 262144 taps."},
    };
    for (const Case& c : cases) {
        Response response = c.response;
        TimeResponseFIR filter;
        response.HandTo(filter);
        if (c.timeStampCount >= 0) filter.TimeStampCount = c.timeStampCount;
        testing::internal::CaptureStderr();
        EXPECT_FALSE(filter.Setup());
        EXPECT_EQ(testing::internal::GetCapturedStderr(), std::string(c.message) + "\n");
        EXPECT_EQ(filter.Taps, nullptr) << c.message;
        EXPECT_EQ(filter.TapCount, 0) << c.message;
    }
}

TEST(TimeResponseFIR, OrderFailureLeavesLaterStampsUnshifted) {
    Response response{{5, 6, 6, 7}, {1, 2, 3, 4}, 0, 1};
    TimeResponseFIR filter;
    response.HandTo(filter);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(filter.Setup());
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(response.stamps, (std::vector<double>{0, 1, 1, 7}));
}

TEST(TimeResponseFIR, OneTapPerStampTakesTheResponseValues) {
    Response response{{0, 1e-12, 2e-12, 3e-12}, {0.5, -1.25, 3.0, 0.75}, 0, 1.0e12};
    TimeResponseFIR filter;
    response.HandTo(filter);
    ASSERT_TRUE(filter.Setup());
    ASSERT_EQ(filter.TapCount, 4);
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(filter.Taps[i], response.values[i] / 1.0e12);
}

// The parabola through three points of a straight or parabolic step has the
// step's own slope. The stamps are uneven and do not start at 0, so the shift
// and the cursor are exercised as well.
TEST(TimeResponseFIR, StepResponsesAreDifferentiated) {
    struct Case {
        double (*step)(double);
        double (*slope)(double);
    };
    const Case cases[] = {
        {[](double t) { return 2.5e9 * t; }, [](double) { return 2.5e9; }},
        {[](double t) { return 3e18 * t * t - 1.0; }, [](double t) { return 6e18 * t; }},
    };
    const double sampleRate = 2e10;
    for (const Case& c : cases) {
        Response response{
            {4e-10, 4.3e-10, 5.1e-10, 5.2e-10, 7e-10, 9.9e-10, 1.4e-9}, {}, 1, sampleRate};
        for (double t : response.stamps) response.values.push_back(c.step(t - 4e-10));
        TimeResponseFIR filter;
        response.HandTo(filter);
        ASSERT_TRUE(filter.Setup());
        EXPECT_EQ(response.stamps.front(), 0.0);
        ASSERT_GE(filter.TapCount, 20);  // 1e-9 x 2e10, give or take the rounding of the shift
        for (std::int32_t i = 0; i < filter.TapCount; ++i) {
            const double expected = c.slope(i / sampleRate) / sampleRate;
            EXPECT_NEAR(filter.Taps[i], expected, 1e-12 * (0.1 + std::fabs(expected))) << i;
        }
    }
}

TEST(TimeResponseFIR, CubicImpulseIsSampledExactly) {
    auto cubic = [](double t) { return ((0.5 * t - 3.0) * t + 2.0) * t + 1.0; };
    Response response{{10.0, 10.3, 10.9, 11.4, 12.0, 12.2, 13.1, 13.5}, {}, 0, 4.0};
    for (double t : response.stamps) response.values.push_back(cubic(t - 10.0));
    TimeResponseFIR filter;
    response.HandTo(filter);
    ASSERT_TRUE(filter.Setup());
    ASSERT_EQ(filter.TapCount, 15);
    for (std::int32_t i = 0; i < filter.TapCount; ++i) {
        const double expected = cubic(i / 4.0) / 4.0;
        EXPECT_NEAR(filter.Taps[i], expected, 1e-12) << "tap " << i;
    }
}

TEST(TimeResponseFIR, FiltersWithItsTapsAndKeepsThemOwned) {
    Response response{{0, 1, 2, 3, 4}, {1, -2, 4, -8, 16}, 0, 1.0};
    TimeResponseFIR filter;
    response.HandTo(filter);
    ASSERT_TRUE(filter.Setup());
    const std::vector<double> taps = TapsOf(filter);
    EXPECT_EQ(taps, response.values);

    // A second Setup sees stamps that already start at 0 and replaces the taps.
    ASSERT_TRUE(filter.Setup());
    EXPECT_EQ(TapsOf(filter), taps);

    double in = 0, out = 0;
    filter.input.Attach(&in, 1);
    filter.output.Attach(&out, 1);
    ASSERT_TRUE(filter.Initialize());
    std::vector<double> impulseResponse;
    for (int n = 0; n < 6; ++n) {
        in = n == 0 ? 1.0 : 0.0;
        ASSERT_TRUE(filter.Run());
        impulseResponse.push_back(out);
    }
    EXPECT_EQ(impulseResponse, (std::vector<double>{1, -2, 4, -8, 16, 0}));
    EXPECT_TRUE(filter.Finalize());
    EXPECT_EQ(TapsOf(filter), taps);

    TimeResponseFIR copy(filter);
    TimeResponseFIR assigned;
    assigned = copy;
    EXPECT_NE(copy.Taps, filter.Taps);
    EXPECT_NE(assigned.Taps, copy.Taps);
    EXPECT_EQ(TapsOf(assigned), taps);
}

TEST(TimeResponseFIR, FailedSetupKeepsEarlierTaps) {
    Response response{{0, 1, 2, 3}, {1, 2, 3, 4}, 0, 1.0};
    TimeResponseFIR filter;
    response.HandTo(filter);
    ASSERT_TRUE(filter.Setup());
    const double* taps = filter.Taps;
    filter.SampleRate = -1;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(filter.Setup());
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(filter.Taps, taps);
    EXPECT_EQ(filter.TapCount, 4);
}

TEST(TimeResponseFIR, FilterChecksFollowTheNewTaps) {
    Response response{{0, 1, 2, 3, 4, 5}, {1, 2, 3, 4, 5, 6}, 0, 1.0};
    TimeResponseFIR filter;
    response.HandTo(filter);
    filter.Decimation = 0;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(filter.Setup());
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Decimation must be > 0\nDecimationPhase must be < Decimation ratio\n");
    EXPECT_EQ(filter.TapCount, 6);
}

}  // namespace
