// The full model libraries through their entry points, loaded by path as a
// simulator loads them: AMI_GetWave samples per second (defaults, blocks of
// 4096 samples) and the time of a linear-mode AMI_Init on one column of 8192
// samples. QZ_RECEIVER_LIBRARY and QZ_TRANSMITTER_LIBRARY come from the build.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "AmiLibrary.h"
#include "ExampleSignals.h"

using QuorvelZenthHost::AmiLibrary;

namespace {

const double sampleInterval = 1.953125e-12;
const double bitTime = 1.25e-10;

AmiLibrary& Library(int which) {
    static AmiLibrary receiver(QZ_RECEIVER_LIBRARY);
    static AmiLibrary transmitter(QZ_TRANSMITTER_LIBRARY);
    return which == 0 ? receiver : transmitter;
}

void* Open(AmiLibrary& library, std::vector<double>& matrix, long rows, const char* parameters) {
    std::vector<char> text(parameters, parameters + std::string(parameters).size() + 1);
    void* memory = nullptr;
    char* message = nullptr;
    library.init(matrix.data(), rows, 0, sampleInterval, bitTime, text.data(), nullptr, &memory,
                 &message);
    return memory;
}

void GetWaveSamples(benchmark::State& state) {
    AmiLibrary& library = Library(static_cast<int>(state.range(0)));
    std::vector<double> matrix(16, 0.0);
    void* memory = Open(library, matrix, 16, "(Model (LTI_mode 0))");
    const std::vector<double> source = QuorvelZenthHost::PrbsWave(64, 64);
    std::vector<double> block(4096);
    double clockTimes[1];
    for (auto _ : state) {
        block.assign(source.begin(), source.begin() + 4096);
        library.getWave(block.data(), 4096, clockTimes, nullptr, memory);
        benchmark::DoNotOptimize(block.data());
    }
    state.SetItemsProcessed(state.iterations() * 4096);
    state.SetLabel(state.range(0) == 0 ? "receiver" : "transmitter");
    library.close(memory);
}
BENCHMARK(GetWaveSamples)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void LinearModeInit(benchmark::State& state) {
    AmiLibrary& library = Library(static_cast<int>(state.range(0)));
    const QuorvelZenthHost::ImpulseMatrix channel =
        QuorvelZenthHost::ExampleChannel(sampleInterval, 8192, 0);
    for (auto _ : state) {
        std::vector<double> matrix = channel.values;
        library.close(Open(library, matrix, 8192, ""));
    }
    state.SetLabel(state.range(0) == 0 ? "receiver" : "transmitter");
}
BENCHMARK(LinearModeInit)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
