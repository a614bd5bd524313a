#include "ExampleSignals.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace QuorvelZenthHost {

namespace {

double ThroughResponse(double t) {
    const double tau = 25e-12;
    const double dcGain = 0.7;
    return dcGain * t / (tau * tau) * std::exp(-t / tau);
}

}  // namespace

ImpulseMatrix ExampleChannel(double sampleInterval, std::size_t rows, std::size_t aggressors) {
    ImpulseMatrix matrix;
    matrix.rows = rows;
    matrix.columns = 1 + aggressors;
    matrix.values.assign(rows * matrix.columns, 0.0);
    for (std::size_t i = 0; i < rows; ++i) {
        const double t = static_cast<double>(i) * sampleInterval;
        matrix.column(0)[i] = ThroughResponse(t);
        for (std::size_t a = 1; a <= aggressors; ++a) {
            // Near-end crosstalk looks like a scaled, delayed derivative.
            const double delay = 10e-12 * static_cast<double>(a);
            const double step = sampleInterval;
            const double later = ThroughResponse(std::fmax(t - delay, 0.0));
            const double earlier = ThroughResponse(std::fmax(t - delay - step, 0.0));
            matrix.column(a)[i] = 2e-12 * (later - earlier) / step;
        }
    }
    return matrix;
}

ImpulseMatrix ReadImpulseFile(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::vector<std::vector<double>> rows;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::vector<double> row;
        double value;
        while (fields >> value) row.push_back(value);
        if (!fields.eof()) throw std::runtime_error(path + ": not a number in line: " + line);
        if (row.empty()) continue;
        if (!rows.empty() && row.size() != rows.front().size()) {
            throw std::runtime_error(path + ": rows differ in their number of columns");
        }
        rows.push_back(row);
    }
    ImpulseMatrix matrix;
    matrix.rows = rows.size();
    matrix.columns = rows.empty() ? 1 : rows.front().size();
    matrix.values.assign(matrix.rows * matrix.columns, 0.0);
    for (std::size_t r = 0; r < matrix.rows; ++r) {
        for (std::size_t c = 0; c < matrix.columns; ++c) matrix.column(c)[r] = rows[r][c];
    }
    return matrix;
}

std::vector<int> PrbsBits(std::size_t bits) {
    std::vector<int> sequence;
    sequence.reserve(bits);
    unsigned state = 0x7f;
    for (std::size_t b = 0; b < bits; ++b) {
        const unsigned bit = ((state >> 6) ^ (state >> 5)) & 1u;
        state = ((state << 1) | bit) & 0x7f;
        sequence.push_back(static_cast<int>(bit));
    }
    return sequence;
}

std::vector<double> PrbsWave(std::size_t samplesPerBit, std::size_t bits) {
    std::vector<double> wave;
    wave.reserve(samplesPerBit * bits);
    for (int bit : PrbsBits(bits)) wave.insert(wave.end(), samplesPerBit, bit ? 0.5 : -0.5);
    return wave;
}

std::vector<double> Convolve(const std::vector<double>& wave, const double* impulse,
                             std::size_t impulseLength, double dt) {
    std::vector<double> out(wave.size(), 0.0);
    for (std::size_t n = 0; n < wave.size(); ++n) {
        double sum = 0;
        for (std::size_t k = 0; k < impulseLength && k <= n; ++k) sum += impulse[k] * wave[n - k];
        out[n] = dt * sum;
    }
    return out;
}

ColumnSummary Summarize(const double* column, std::size_t rows, double dt) {
    ColumnSummary summary;
    double sum = 0;
    for (std::size_t i = 0; i < rows; ++i) {
        if (i == 0 || std::fabs(column[i]) > std::fabs(summary.peak)) {
            summary.peak = column[i];
            summary.peakIndex = i;
        }
        sum += column[i];
    }
    summary.area = sum * dt;
    return summary;
}

}  // namespace QuorvelZenthHost

namespace QuorvelZenthHost {

double PulsePeak(const double* column, std::size_t rows, std::size_t samplesPerBit, double dt) {
    double peak = 0;
    for (std::size_t n = 0; n < rows + samplesPerBit; ++n) {
        double sum = 0;
        for (std::size_t k = n >= samplesPerBit ? n - samplesPerBit + 1 : 0; k <= n && k < rows;
             ++k) {
            sum += column[k];
        }
        peak = std::max(peak, dt * sum);
    }
    return peak;
}

EyeSummary Eye(const std::vector<double>& wave, const std::vector<int>& bits,
               std::size_t samplesPerBit, std::size_t settle) {
    EyeSummary eye;
    if (wave.empty() || samplesPerBit == 0) return eye;
    eye.low = *std::min_element(wave.begin(), wave.end());
    eye.high = *std::max_element(wave.begin(), wave.end());
    // A channel delays the waveform by up to a few bits: try every phase
    // within that span and keep the widest opening.
    eye.height = -1e300;
    for (std::size_t offset = 0; offset < 4 * samplesPerBit; ++offset) {
        double lowestOne = 1e300, highestZero = -1e300;
        for (std::size_t b = settle; b < bits.size(); ++b) {
            const std::size_t at = b * samplesPerBit + offset;
            if (at >= wave.size()) break;
            if (bits[b])
                lowestOne = std::min(lowestOne, wave[at]);
            else
                highestZero = std::max(highestZero, wave[at]);
        }
        if (lowestOne - highestZero > eye.height) {
            eye.height = lowestOne - highestZero;
            eye.phase = offset;
        }
    }
    return eye;
}

}  // namespace QuorvelZenthHost
