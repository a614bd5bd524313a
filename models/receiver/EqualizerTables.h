#pragma once

// Impulse responses of the equaliser branches, one per set and level.
// The values come from data/equalizer_response.csv (written by
// tools/generators/make_response_tables), embedded when the library is built.

namespace QuorvelZenth {

constexpr int EqualizerSetCount = 2;
constexpr int EqualizerLevelCount = 16;
constexpr int EqualizerPointCount = 80;

// k x 8 ps in seconds, k = 0..79, each the double nearest to its exact value.
extern const double EqualizerTimeStamps[EqualizerPointCount];

// [set][level][k], in 1/s at EqualizerTimeStamps[k].
extern const double EqualizerResponse[EqualizerSetCount][EqualizerLevelCount][EqualizerPointCount];

}  // namespace QuorvelZenth
