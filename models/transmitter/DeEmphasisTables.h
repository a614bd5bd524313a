#pragma once

// Impulse responses of the de-emphasis branches, one per DE level.
// The values come from data/de_response.csv (written by
// tools/generators/make_response_tables), embedded when the library is built.

namespace QuorvelZenth {

constexpr int DeLevelCount = 8;
constexpr int DePointCount = 80;

// k x 4 ps in seconds, k = 0..79, each the double nearest to its exact value.
extern const double DeTimeStamps[DePointCount];

// [DE level][k], in 1/s at DeTimeStamps[k]; level 0 de-emphasises least.
extern const double DeResponse[DeLevelCount][DePointCount];

}  // namespace QuorvelZenth
