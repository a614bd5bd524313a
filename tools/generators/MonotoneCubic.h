#pragma once

#include <vector>

namespace QuorvelZenth {

// Piecewise cubic through given points whose slopes are chosen (Fritsch and
// Butland's weighted harmonic mean) so that each interval is monotone. The
// curve never overshoots its points: every extreme of the curve is one of
// the points, which is what lets a designer place peaks and troughs exactly.
class MonotoneCubic {
public:
    // x strictly ascending, at least three points.
    MonotoneCubic(std::vector<double> x, std::vector<double> y);

    // Defined on [x.front(), x.back()]; exact at the points.
    double operator()(double t) const;

private:
    std::vector<double> x_;
    std::vector<double> y_;
    std::vector<double> slope_;
};

}  // namespace QuorvelZenth
