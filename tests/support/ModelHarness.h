// Drives a model the way its callers do: one-element port arrays, one Run
// per input sample.
#pragma once

#include <cstddef>
#include <vector>

#include "PortElement.h"
#include "TimeResponseFIR.h"

namespace QuorvelZenthTest {

template <typename Model>
struct ModelRun {
    bool setup = false;
    bool initialize = false;
    bool everyRun = true;  // every firing returned true
    bool anyRun = false;   // some firing returned true
    bool finalize = false;
    std::vector<double> output;
};

// One full cycle: Setup, Initialize, a Run per sample, Finalize.
template <typename Model>
ModelRun<Model> RunCycle(Model& model, const std::vector<double>& input) {
    QuorvelZenth::PortElement in(model.inputPort);
    QuorvelZenth::PortElement out(model.outputPort);
    ModelRun<Model> run;
    run.setup = model.Setup();
    run.initialize = run.setup && model.Initialize();
    if (run.initialize) {
        for (double sample : input) {
            in.value() = sample;
            const bool fired = model.Run();
            run.everyRun &= fired;
            run.anyRun |= fired;
            run.output.push_back(out.value());
        }
    }
    run.finalize = model.Finalize();
    return run;
}

// y[n] = sum over k of taps[k] x[n - k], summed in increasing k.
inline std::vector<double> Convolve(const double* taps, int tapCount,
                                    const std::vector<double>& x) {
    std::vector<double> y(x.size());
    for (std::size_t n = 0; n < x.size(); ++n) {
        double sum = 0;
        for (int k = 0; k < tapCount; ++k) {
            const double sample = static_cast<std::size_t>(k) <= n ? x[n - k] : 0.0;
            sum += taps[k] * sample;
        }
        y[n] = sum;
    }
    return y;
}

inline std::vector<double> Filter(const QuorvelZenth::TimeResponseFIR& filter,
                                  const std::vector<double>& x) {
    return Convolve(filter.Taps, filter.TapCount, x);
}

inline double TapSum(const QuorvelZenth::TimeResponseFIR& filter) {
    double sum = 0;
    for (int k = 0; k < filter.TapCount; ++k) sum += filter.Taps[k];
    return sum;
}

template <typename Function>
std::vector<double> Map(const std::vector<double>& x, Function function) {
    std::vector<double> y;
    y.reserve(x.size());
    for (double value : x) y.push_back(function(value));
    return y;
}

// A pseudo-random waveform in [-amplitude, amplitude], the same everywhere.
inline std::vector<double> TestWave(std::size_t samples, double amplitude) {
    std::vector<double> wave(samples);
    unsigned state = 12345u;
    for (double& sample : wave) {
        state = state * 1103515245u + 12345u;
        sample = amplitude * (static_cast<double>((state >> 8) & 0xffff) / 32767.5 - 1.0);
    }
    return wave;
}

}  // namespace QuorvelZenthTest
