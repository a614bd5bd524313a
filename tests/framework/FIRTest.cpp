#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "FIR.h"

using namespace QuorvelZenth;

namespace {

using Filter = FIR<double, 0>;

std::uint64_t Bits(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

std::vector<double> RandomSamples(std::size_t count, std::mt19937& random) {
    std::uniform_real_distribution<double> uniform(-1.0, 1.0);
    std::vector<double> samples(count);
    for (double& sample : samples) sample = uniform(random);
    return samples;
}

// y[m] = sum over n of taps[n] * u[m*D + P - n], u being x zero-stuffed by L
// and zero before the start; terms in order of increasing n, zeros skipped.
std::vector<double> NaiveMultirate(const std::vector<double>& taps, const std::vector<double>& x,
                                   int decimation, int phase, int interpolation) {
    const long long firings = static_cast<long long>(x.size()) / decimation;
    std::vector<double> y;
    for (long long m = 0; m < firings * interpolation; ++m) {
        double sum = 0.0;
        for (long long n = 0; n < static_cast<long long>(taps.size()); ++n) {
            const long long t = m * decimation + phase - n;
            if (t < 0 || t % interpolation != 0) continue;
            const double product =
                taps[static_cast<std::size_t>(n)] * x[static_cast<std::size_t>(t / interpolation)];
            sum += product;
        }
        y.push_back(sum);
    }
    return y;
}

struct RateCase {
    int taps, decimation, phase, interpolation;
};

void Configure(Filter& filter, const RateCase& rates) {
    filter.TapCount = rates.taps;
    filter.Decimation = rates.decimation;
    filter.DecimationPhase = rates.phase;
    filter.Interpolation = rates.interpolation;
}

// A filter with its two ports on storage of one firing each.
struct Rig {
    Filter filter;
    std::vector<double> taps, in, out;

    Rig(std::vector<double> coefficients, int decimation, int phase, int interpolation)
        : taps(std::move(coefficients)) {
        Configure(filter, {static_cast<int>(taps.size()), decimation, phase, interpolation});
        filter.Taps = taps.data();
    }

    void Start() {
        ASSERT_TRUE(filter.Setup());
        in.assign(filter.input.minCapacity, 0.0);
        out.assign(filter.output.minCapacity, 0.0);
        filter.input.Attach(in.data(), in.size());
        filter.output.Attach(out.data(), out.size());
        ASSERT_TRUE(filter.Initialize());
    }

    std::vector<double> Feed(const std::vector<double>& x) {
        std::vector<double> y;
        const std::size_t decimation = filter.input.rate;
        for (std::size_t start = 0; start + decimation <= x.size(); start += decimation) {
            std::copy(x.begin() + static_cast<long>(start),
                      x.begin() + static_cast<long>(start + decimation), in.begin());
            EXPECT_TRUE(filter.Run());
            y.insert(y.end(), out.begin(), out.begin() + static_cast<long>(filter.output.rate));
        }
        return y;
    }
};

void ExpectSameBits(const std::vector<double>& actual, const std::vector<double>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        ASSERT_EQ(Bits(actual[i]), Bits(expected[i]))
            << "output " << i << ": " << actual[i] << " instead of " << expected[i];
    }
}

TEST(FIR, MatchesTheNaiveFilterBitForBit) {
    const RateCase cases[] = {
        {1, 1, 0, 1}, {2, 1, 0, 1}, {52, 1, 0, 1}, {324, 1, 0, 1}, {5, 1, 0, 2},
        {5, 2, 1, 1}, {7, 3, 2, 2}, {12, 2, 1, 3}, {10, 3, 0, 5},  {9, 4, 3, 1},
        {1, 1, 0, 3}, {6, 5, 4, 7}, {64, 2, 0, 1}, {33, 1, 0, 4},
    };
    std::mt19937 random(20240611);
    for (const RateCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "N " << c.taps << ", D " << c.decimation << ", P "
                                        << c.phase << ", L " << c.interpolation);
        Rig rig(RandomSamples(static_cast<std::size_t>(c.taps), random), c.decimation, c.phase,
                c.interpolation);
        rig.Start();
        const std::vector<double> x =
            RandomSamples(static_cast<std::size_t>(c.decimation * (3 * c.taps + 17)), random);
        ExpectSameBits(rig.Feed(x),
                       NaiveMultirate(rig.taps, x, c.decimation, c.phase, c.interpolation));
    }
}

// A bank-like set of filters fired together must give every filter the
// bits its own Run gives: groups of equal single-rate filters, a multirate
// one between them, a filter one firing ahead of its neighbours, and one fed
// by the output of the filter before it.
TEST(FIR, RunTogetherFiresLikeEachFilterOnItsOwn) {
    std::mt19937 random(7);
    const RateCase longTaps = {324, 1, 0, 1};
    const RateCase shortTaps = {52, 1, 0, 1};
    // Lanes of four and one, three, two; 9 runs ahead, 11 reads 10's output.
    const RateCase shapes[] = {longTaps,      longTaps,  longTaps,  longTaps,  longTaps,
                               {12, 2, 1, 3}, shortTaps, shortTaps, shortTaps, shortTaps,
                               shortTaps,     shortTaps, shortTaps, shortTaps};
    const std::size_t count = std::size(shapes);
    std::vector<std::unique_ptr<Rig>> together, alone;
    for (const RateCase& shape : shapes) {
        const auto taps = RandomSamples(static_cast<std::size_t>(shape.taps), random);
        for (auto* rigs : {&together, &alone}) {
            rigs->push_back(
                std::make_unique<Rig>(taps, shape.decimation, shape.phase, shape.interpolation));
            rigs->back()->Start();
        }
    }
    for (auto* rigs : {&together, &alone}) {
        (*rigs)[9]->in[0] = 0.5;  // one firing ahead: its ring sits elsewhere
        (*rigs)[9]->filter.Run();
        (*rigs)[11]->filter.input.Attach((*rigs)[10]->out.data(), 1);
    }
    std::vector<Filter*> filters;
    for (auto& rig : together) filters.push_back(&rig->filter);
    for (int firing = 0; firing < 700; ++firing) {
        for (std::size_t i = 0; i < count; ++i) {
            const auto x = RandomSamples(together[i]->in.size(), random);
            together[i]->in = x;
            alone[i]->in = x;
        }
        ASSERT_TRUE(Filter::RunTogether(filters.data(), count));
        for (auto& rig : alone) ASSERT_TRUE(rig->filter.Run());
        for (std::size_t i = 0; i < count; ++i) {
            ExpectSameBits(together[i]->out, alone[i]->out);
        }
    }
}

TEST(FIR, SetupDeclaresRatesHistoryAndBranchLength) {
    struct Case {
        RateCase rates;
        std::size_t historyCapacity;
        int tapsPerPhase;
    };
    const Case cases[] = {
        {{324, 1, 0, 1}, 326, 324}, {{5, 1, 0, 2}, 4, 3},  {{4, 1, 0, 2}, 4, 2},
        {{1, 2, 1, 3}, 3, 1},       {{12, 3, 2, 4}, 7, 3},
    };
    for (const Case& c : cases) {
        Filter filter;
        Configure(filter, c.rates);
        filter.input.minCapacity = 2;  // raised, never lowered
        filter.output.minCapacity = 2;
        filter.history.minCapacity = 1000;  // assigned outright
        ASSERT_TRUE(filter.Setup());
        const auto d = static_cast<std::size_t>(c.rates.decimation);
        const auto l = static_cast<std::size_t>(c.rates.interpolation);
        EXPECT_EQ(filter.input.rate, d);
        EXPECT_EQ(filter.input.minCapacity, std::max<std::size_t>(2, d));
        EXPECT_EQ(filter.output.rate, l);
        EXPECT_EQ(filter.output.minCapacity, std::max<std::size_t>(2, l));
        EXPECT_EQ(filter.history.minCapacity, c.historyCapacity);
        EXPECT_EQ(filter.history.rate, d);
        EXPECT_EQ(filter.tapsPerPhase, c.tapsPerPhase);
    }
}

TEST(FIR, InterpolationByTwoStuffsZeros) {
    Rig rig({1.0}, 1, 0, 2);
    rig.Start();
    EXPECT_EQ(rig.Feed({3, -4, 5}), (std::vector<double>{3, 0, -4, 0, 5, 0}));
}

TEST(FIR, DecimationKeepsEverySecondSampleFromTheSecond) {
    Rig rig({1.0}, 2, 1, 1);
    rig.Start();
    EXPECT_EQ(rig.Feed({1, 2, 3, 4, 5, 6}), (std::vector<double>{2, 4, 6}));
}

TEST(FIR, InvalidParametersPostEveryMessageInOrder) {
    struct Case {
        RateCase rates;
        const char* messages;
    };
    const Case cases[] = {
        {{0, 0, 0, 0},
         "There must be at least one Tap\nDecimation must be > 0\n"
         "DecimationPhase must be < Decimation ratio\nInterpolation must be > 0\n"},
        {{3, 0, 0, 1}, "Decimation must be > 0\nDecimationPhase must be < Decimation ratio\n"},
        {{3, 2, -1, 1}, "DecimationPhase must be >= 0\n"},
        {{3, 2, 2, 1}, "DecimationPhase must be < Decimation ratio\n"},
        {{-4, 1, 0, -1}, "There must be at least one Tap\nInterpolation must be > 0\n"},
    };
    for (const Case& c : cases) {
        Filter filter;
        Configure(filter, c.rates);
        testing::internal::CaptureStderr();
        EXPECT_FALSE(filter.Setup());
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.messages);
        EXPECT_EQ(filter.input.rate, 1u);
        EXPECT_EQ(filter.output.rate, 1u);
        EXPECT_EQ(filter.history.minCapacity, 1u);
        EXPECT_EQ(filter.tapsPerPhase, 0);
    }
}

TEST(FIR, InitializeStartsFromSilenceEveryTime) {
    Rig rig({0.5, 0.25, 0.125}, 1, 0, 1);
    rig.Start();
    const std::vector<double> x = {8, 16, 32, 64};
    const std::vector<double> first = rig.Feed(x);
    ASSERT_TRUE(rig.filter.Initialize());
    EXPECT_EQ(rig.Feed(x), first);
    EXPECT_EQ(first, (std::vector<double>{4, 10, 21, 42}));
}

TEST(FIR, FinalizeReleasesTheHistory) {
    Rig rig({1.0, 1.0}, 1, 0, 1);
    rig.Start();
    ASSERT_NE(rig.filter.historyStorage, nullptr);
    EXPECT_EQ(rig.filter.history.data, rig.filter.historyStorage);
    EXPECT_TRUE(rig.filter.Finalize());
    EXPECT_EQ(rig.filter.historyStorage, nullptr);
    EXPECT_EQ(rig.filter.history.data, nullptr);
    EXPECT_TRUE(rig.filter.Finalize());
}

// A copy carries on from the same past in a ring of its own; destroying
// both must free each ring once.
TEST(FIR, CopiesOwnTheirHistory) {
    std::mt19937 random(7);
    Rig rig(RandomSamples(9, random), 2, 1, 3);
    rig.Start();
    rig.Feed(RandomSamples(10, random));
    const std::vector<double> next = RandomSamples(12, random);

    Filter copy(rig.filter);
    Filter assigned;
    assigned = rig.filter;
    EXPECT_NE(copy.historyStorage, rig.filter.historyStorage);
    EXPECT_NE(assigned.historyStorage, rig.filter.historyStorage);
    EXPECT_EQ(copy.history.data, copy.historyStorage);
    EXPECT_EQ(copy.Taps, rig.filter.Taps);

    const std::vector<double> expected = rig.Feed(next);
    for (Filter* other : {&copy, &assigned}) {
        rig.filter = *other;  // same ports, the other's past
        EXPECT_EQ(rig.Feed(next), expected);
    }
    rig.filter = rig.filter;
    Filter finalized(rig.filter);
    finalized.Finalize();
    rig.filter = finalized;
    EXPECT_EQ(rig.filter.historyStorage, nullptr);
}

}  // namespace
