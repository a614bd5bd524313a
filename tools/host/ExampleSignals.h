#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace QuorvelZenthHost {

// Impulse matrix stored column after column, as AMI_Init takes it.
struct ImpulseMatrix {
    std::size_t rows = 0;
    std::size_t columns = 0;
    std::vector<double> values;

    double* column(std::size_t c) { return values.data() + c * rows; }
    const double* column(std::size_t c) const { return values.data() + c * rows; }
};

// A lossy backplane-like channel: through response (t / tau^2) exp(-t / tau)
// with a DC gain of 0.7, and each aggressor a small crosstalk response.
ImpulseMatrix ExampleChannel(double sampleInterval, std::size_t rows, std::size_t aggressors);

// Reads a text file of numbers, one matrix row per line, one column per
// number; lines starting with '#' are comments. Throws std::runtime_error.
ImpulseMatrix ReadImpulseFile(const std::string& path);

// A PRBS-7 bit stream at +-0.5, each bit held for samplesPerBit samples.
std::vector<double> PrbsWave(std::size_t samplesPerBit, std::size_t bits);

// dt x (wave * impulse), truncated to the wave's length.
std::vector<double> Convolve(const std::vector<double>& wave, const double* impulse,
                             std::size_t impulseLength, double dt);

struct ColumnSummary {
    double peak = 0;
    std::size_t peakIndex = 0;
    double area = 0;  // sum x dt: the column's DC gain
};

ColumnSummary Summarize(const double* column, std::size_t rows, double dt);

// Peak of the response to one bit of amplitude 1 (samplesPerBit samples).
double PulsePeak(const double* column, std::size_t rows, std::size_t samplesPerBit, double dt);

struct EyeSummary {
    double low = 0, high = 0;  // extremes of the waveform
    double height = 0;         // best vertical opening: lowest 1 minus highest 0
    std::size_t phase = 0;     // sample within the bit where it is best
};

// The eye of `wave` against the bits that made it, skipping the first
// `settle` bits while the filters fill.
EyeSummary Eye(const std::vector<double>& wave, const std::vector<int>& bits,
               std::size_t samplesPerBit, std::size_t settle);

// The PRBS-7 bits PrbsWave encodes.
std::vector<int> PrbsBits(std::size_t bits);

}  // namespace QuorvelZenthHost
