#include "SampleGrid.h"

#include <cmath>
#include <limits>
#include <sstream>

namespace QuorvelZenth {

namespace {

bool PositiveNumber(double value) { return std::isfinite(value) && value > 0; }

}  // namespace

std::int32_t TruncateToInt32(double value) {
    const double low = std::numeric_limits<std::int32_t>::min();
    const double high = std::numeric_limits<std::int32_t>::max();
    if (!(value >= low)) return std::numeric_limits<std::int32_t>::min();
    if (value > high) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

SampleGrid MakeSampleGrid(const char* model, double sampleInterval, double bitTime) {
    SampleGrid grid;
    std::ostringstream notice;
    notice << "The IBIS-AMI model, " << model << ", cannot run with ";
    if (!PositiveNumber(sampleInterval)) {
        notice << "the sample interval " << sampleInterval
               << ": it must be a positive number of seconds. ";
    } else if (!PositiveNumber(bitTime)) {
        notice << "the bit time " << bitTime << ": it must be a positive number of seconds. ";
    } else {
        const double samples = bitTime / sampleInterval + 0.5;
        if (samples >= 1 && samples < MaxSamplesPerBit + 1.0) {
            grid.valid = true;
            grid.samplesPerBit = static_cast<std::int32_t>(samples);
            return grid;
        }
        notice << "a bit time of " << bitTime << " s sampled every " << sampleInterval
               << " s: that gives " << samples - 0.5
               << " samples per bit, and the model needs 1 to " << MaxSamplesPerBit << ". ";
    }
    grid.notice = notice.str();
    return grid;
}

}  // namespace QuorvelZenth
