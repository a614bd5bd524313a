#include "MonotoneCubic.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace QuorvelZenth {

namespace {

// Three-point slope at an end, limited so the end interval stays monotone.
double EndSlope(double h0, double h1, double d0, double d1) {
    const double slope = ((2.0 * h0 + h1) * d0 - h0 * d1) / (h0 + h1);
    if (slope * d0 <= 0.0) {
        return 0.0;
    }
    if (d0 * d1 < 0.0 && std::fabs(slope) > 3.0 * std::fabs(d0)) {
        return 3.0 * d0;
    }
    return slope;
}

}  // namespace

MonotoneCubic::MonotoneCubic(std::vector<double> x, std::vector<double> y)
    : x_(std::move(x)), y_(std::move(y)), slope_(x_.size(), 0.0) {
    const std::size_t n = x_.size();
    if (n < 3 || y_.size() != n) {
        throw std::invalid_argument("a monotone cubic needs at least three points");
    }
    std::vector<double> width(n - 1), secant(n - 1);
    for (std::size_t k = 0; k + 1 < n; ++k) {
        width[k] = x_[k + 1] - x_[k];
        if (!(width[k] > 0.0)) {
            throw std::invalid_argument("monotone cubic abscissae must ascend strictly");
        }
        secant[k] = (y_[k + 1] - y_[k]) / width[k];
    }
    // A point where the data turns gets slope 0, so the turn happens there.
    for (std::size_t k = 1; k + 1 < n; ++k) {
        if (secant[k - 1] * secant[k] > 0.0) {
            const double w1 = 2.0 * width[k] + width[k - 1];
            const double w2 = width[k] + 2.0 * width[k - 1];
            slope_[k] = (w1 + w2) / (w1 / secant[k - 1] + w2 / secant[k]);
        }
    }
    slope_[0] = EndSlope(width[0], width[1], secant[0], secant[1]);
    slope_[n - 1] = EndSlope(width[n - 2], width[n - 3], secant[n - 2], secant[n - 3]);
}

double MonotoneCubic::operator()(double t) const {
    if (t < x_.front() || t > x_.back()) {
        throw std::domain_error("monotone cubic evaluated outside its points");
    }
    const std::size_t right =
        static_cast<std::size_t>(std::upper_bound(x_.begin(), x_.end(), t) - x_.begin());
    const std::size_t k = std::min(right, x_.size() - 1) - 1;
    if (t == x_[k]) {
        return y_[k];
    }
    if (t == x_[k + 1]) {
        return y_[k + 1];
    }
    const double h = x_[k + 1] - x_[k];
    const double u = (t - x_[k]) / h;
    const double v = 1.0 - u;
    return (1.0 + 2.0 * u) * v * v * y_[k] + u * v * v * h * slope_[k] +
           u * u * (3.0 - 2.0 * u) * y_[k + 1] - u * u * v * h * slope_[k + 1];
}

}  // namespace QuorvelZenth
