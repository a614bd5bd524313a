#pragma once

#include <cstdint>
#include <string>

namespace QuorvelZenth {

// The most samples per bit a model accepts: far beyond any simulator's
// setting, and small enough that the filters and the shaping pulse stay a
// modest allocation.
constexpr std::int32_t MaxSamplesPerBit = 16384;

struct SampleGrid {
    bool valid = false;
    std::int32_t samplesPerBit = 0;
    std::string notice;  // why the grid was refused; empty when valid
};

// Samples per bit as bit time / sample interval + 0.5, truncated: the
// nearest integer, halves going up. Refuses intervals and bit times that are
// not positive numbers and results outside 1..MaxSamplesPerBit.
SampleGrid MakeSampleGrid(const char* model, double sampleInterval, double bitTime);

// Truncation toward zero that saturates at the int32 range (NaN gives the
// smallest value), so no input is undefined.
std::int32_t TruncateToInt32(double value);

}  // namespace QuorvelZenth
