#pragma once

#include <vector>

namespace QuorvelZenth {

// The transmitter's de-emphasis responses: one row per DE level 0..7 of 80
// values in 1/s at k x 4 ps.
std::vector<std::vector<double>> MakeDeEmphasisResponse();

}  // namespace QuorvelZenth
