#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include "FIR.h"

using namespace QuorvelZenth;

namespace {

using Filter = FIR<double, 0>;

// One filter as a model wires it: one-element input and output connections.
struct SingleRateRig {
    std::vector<double> taps;
    std::vector<double> signal;
    Filter filter;
    double in = 0.0, out = 0.0;

    explicit SingleRateRig(std::int64_t tapCount) {
        std::mt19937 random(1);
        std::uniform_real_distribution<double> uniform(-1.0, 1.0);
        taps.resize(static_cast<std::size_t>(tapCount));
        for (double& tap : taps) tap = uniform(random);
        signal.resize(4096);
        for (double& sample : signal) sample = uniform(random);
        filter.Taps = taps.data();
        filter.TapCount = static_cast<std::int32_t>(tapCount);
        filter.Setup();
        filter.input.Attach(&in, 1);
        filter.output.Attach(&out, 1);
        filter.Initialize();
    }
};

// Firings per second of the block as the models use it (one input, one
// output per firing), the receiver's 324-tap and the transmitter-sized
// 52-tap case.
void FirFirings(benchmark::State& state) {
    SingleRateRig rig(state.range(0));
    std::size_t n = 0;
    for (auto _ : state) {
        rig.in = rig.signal[n++ & 4095];
        rig.filter.Run();
        benchmark::DoNotOptimize(rig.out);
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["taps"] = static_cast<double>(state.range(0));
}
BENCHMARK(FirFirings)->Arg(324)->Arg(52);

// Filter firings per second of sixteen 324-tap branches fired together, as
// a receiver's equaliser bank fires them.
void FirBankFirings(benchmark::State& state) {
    std::vector<std::unique_ptr<SingleRateRig>> rigs;
    std::vector<Filter*> filters;
    for (int branch = 0; branch < 16; ++branch) {
        rigs.push_back(std::make_unique<SingleRateRig>(324));
        filters.push_back(&rigs.back()->filter);
    }
    std::size_t n = 0;
    for (auto _ : state) {
        const double sample = rigs[0]->signal[n++ & 4095];
        for (auto& rig : rigs) rig->in = sample;
        Filter::RunTogether(filters.data(), filters.size());
        benchmark::DoNotOptimize(rigs[15]->out);
    }
    state.SetItemsProcessed(state.iterations() * 16);
    state.counters["taps"] = 324;
}
BENCHMARK(FirBankFirings);

// The same filter interpolating by 2 and decimating by 3, for the general
// polyphase path.
void FirMultirateFirings(benchmark::State& state) {
    std::mt19937 random(2);
    std::uniform_real_distribution<double> uniform(-1.0, 1.0);
    std::vector<double> taps(static_cast<std::size_t>(state.range(0)));
    for (double& tap : taps) tap = uniform(random);
    Filter filter;
    filter.Taps = taps.data();
    filter.TapCount = static_cast<std::int32_t>(taps.size());
    filter.Decimation = 3;
    filter.DecimationPhase = 1;
    filter.Interpolation = 2;
    filter.Setup();
    std::vector<double> in(3, 0.5), out(2);
    filter.input.Attach(in.data(), in.size());
    filter.output.Attach(out.data(), out.size());
    filter.Initialize();
    for (auto _ : state) {
        in[0] = uniform(random);
        filter.Run();
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["taps"] = static_cast<double>(state.range(0));
}
BENCHMARK(FirMultirateFirings)->Arg(324)->Arg(52);

}  // namespace
