// Firings per second of a top-level model as AMI_GetWave fires it, with the
// defaults (64 samples per bit). QZ_MODEL_HEADER / QZ_MODEL name the model.
#include <benchmark/benchmark.h>

#include <vector>

#include "PortElement.h"
#include QZ_MODEL_HEADER

using namespace QuorvelZenth;

namespace {

void ModelFirings(benchmark::State& state) {
    QZ_MODEL model;
    PortElement in(model.inputPort);
    PortElement out(model.outputPort);
    if (!model.Setup() || !model.Initialize()) {
        state.SkipWithError("the model did not set up");
        return;
    }
    std::vector<double> wave(4096);
    for (std::size_t i = 0; i < wave.size(); ++i) wave[i] = (i / 64) % 3 == 0 ? 0.4 : -0.4;
    std::size_t n = 0;
    for (auto _ : state) {
        in.value() = wave[n++ & 4095];
        model.Run();
        benchmark::DoNotOptimize(out.value());
    }
    state.SetItemsProcessed(state.iterations());
    model.Finalize();
}
BENCHMARK(ModelFirings);

}  // namespace
