#pragma once

namespace QuorvelZenth {

// Output swing by VOD level: PreGain scales the signal ahead of the limiter,
// SwingGain is the level's output swing (where Foxglove saturates).
constexpr double PreGain[8] = {2.1388395, 1.9226958599999997, 1.78872232, 1.62162,
                               1.494834,  1.3318375,          1.2021484,  1.134975};
constexpr double SwingGain[8] = {0.353, 0.406, 0.461, 0.518, 0.582, 0.657, 0.742, 0.815};

}  // namespace QuorvelZenth
