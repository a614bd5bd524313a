#pragma once

#include <array>

namespace QuorvelZenth {

constexpr int BandwidthLevelCount = 6;
constexpr int BandwidthPointCount = 101;

// One-pole low-pass impulse responses w exp(-w t), w = 2 pi f, for
// f = 5, 7.5, 10, 12.5, 15 and 17.5 GHz, on stamps k x 1 ps (k = 0..100).
struct BandwidthTable {
    std::array<double, BandwidthPointCount> timeStamps;
    std::array<std::array<double, BandwidthPointCount>, BandwidthLevelCount> response;
};

// Computed once, on first use.
const BandwidthTable& BandwidthTables();

}  // namespace QuorvelZenth
