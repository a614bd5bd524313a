#pragma once

#include <vector>

namespace QuorvelZenth {

// The receiver's equaliser responses: 2 sets x 16 levels of 80 values in 1/s
// at k x 8 ps, rows ordered set 0 levels 0..15, then set 1 levels 0..15.
std::vector<std::vector<double>> MakeEqualizerResponse();

}  // namespace QuorvelZenth
