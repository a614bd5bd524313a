#include "PulseShaping.h"

#include <algorithm>

namespace QuorvelZenth {

std::vector<double> MakePulse(std::int32_t samplesPerBit) {
    const auto n = static_cast<std::size_t>(samplesPerBit);
    std::vector<double> pulse(3 * n, -0.5);
    std::fill(pulse.begin() + static_cast<std::ptrdiff_t>(n),
              pulse.begin() + static_cast<std::ptrdiff_t>(2 * n), 0.5);
    return pulse;
}

std::vector<double> ConvolvePulse(const std::vector<double>& pulse, const double* column,
                                  std::size_t rows, double dt) {
    const std::size_t length = pulse.size() + rows - 1;
    std::vector<double> response(length);
    for (std::size_t n = 0; n < length; ++n) {
        // Terms exist for 0 <= n - k < pulse length and 0 <= k < rows.
        const std::size_t first = n >= pulse.size() ? n - pulse.size() + 1 : 0;
        const std::size_t last = std::min(n + 1, rows);
        double sum = 0;
        for (std::size_t k = first; k < last; ++k) sum += pulse[n - k] * column[k];
        response[n] = dt * sum;
    }
    return response;
}

double PeakOf(const std::vector<double>& values) {
    double peak = -1e12;
    for (double value : values) {
        if (value > peak) peak = value;
    }
    return peak;
}

void WriteValues(std::ostream& log, const double* values, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) log << values[i] << "\n";
}

void ScaleByPulseCompression(std::ostream& log, double* column, std::size_t rows,
                             std::int32_t samplesPerBit, double dt, const LimiterCurve& curve) {
    const std::vector<double> pulse = MakePulse(samplesPerBit);
    log << "pulse array created.\n";

    const std::vector<double> response = ConvolvePulse(pulse, column, rows, dt);
    log << "convolution completed. Lenth of output = " << response.size() << "\n";
    WriteValues(log, response.data(), response.size());
    const double peak = PeakOf(response);
    log << "peak of conv = " << peak << "\n";

    std::vector<double> limited(response.size());
    std::transform(response.begin(), response.end(), limited.begin(), curve);
    log << "nonlinear processing completed. \n";
    WriteValues(log, limited.data(), limited.size());
    const double limitedPeak = PeakOf(limited);
    log << "peak of conv_nlti = " << limitedPeak << "\n";

    const double ratio = peak != 0 ? limitedPeak / peak : 1.0;
    for (std::size_t i = 0; i < rows; ++i) column[i] *= ratio;
}

}  // namespace QuorvelZenth
