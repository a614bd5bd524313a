#include "CubicSpline.h"

namespace QuorvelZenth {

void CubicSpline::Reserve(std::size_t n) {
    if (n <= capacity) return;
    b.reset(new double[n]);
    c.reset(new double[n]);
    d.reset(new double[n]);
    capacity = n;
}

// b, c, d end up as the coefficients of
//   y[k] + b[k] dx + c[k] dx^2 + d[k] dx^3,  dx = t - x[k],
// on the interval starting at point k. On the way the tridiagonal system of
// the second-derivative unknowns keeps its diagonal in b, its off-diagonal
// (the interval widths) in d and its right-hand side in c.
int CubicSpline::Fit(std::size_t n, const double* x, const double* y, int startSwitch,
                     double startSlope, int endSwitch, double endSlope) {
    count = 0;
    if (n < 2) return TooFewPoints;
    for (std::size_t i = 1; i < n; ++i) {
        if (x[i] <= x[i - 1]) return NotAscending;
    }
    Reserve(n);
    xs = x;
    ys = y;
    count = n;
    const std::size_t last = n - 1;

    if (n == 2) {
        b[0] = (y[1] - y[0]) / (x[1] - x[0]);
        c[0] = 0.0;
        d[0] = 0.0;
        b[1] = b[0];
        c[1] = 0.0;
        d[1] = 0.0;
        return Fitted;
    }

    d[0] = x[1] - x[0];
    c[1] = (y[1] - y[0]) / d[0];
    for (std::size_t i = 1; i < last; ++i) {
        d[i] = x[i + 1] - x[i];
        b[i] = 2.0 * (d[i - 1] + d[i]);
        c[i + 1] = (y[i + 1] - y[i]) / d[i];
        c[i] = c[i + 1] - c[i];
    }

    b[0] = -d[0];
    b[last] = -d[n - 2];
    c[0] = 0.0;
    c[last] = 0.0;
    if (n > 3) {
        c[0] = c[2] / (x[3] - x[1]) - c[1] / (x[2] - x[0]);
        c[last] = c[n - 2] / (x[last] - x[n - 3]) - c[n - 3] / (x[n - 2] - x[n - 4]);
        c[0] = c[0] * d[0] * d[0] / (x[3] - x[0]);
        c[last] = -c[last] * d[n - 2] * d[n - 2] / (x[last] - x[n - 4]);
    }
    if (startSwitch == 1) {
        b[0] = 2.0 * (x[1] - x[0]);
        c[0] = (y[1] - y[0]) / (x[1] - x[0]) - startSlope;
    }
    if (endSwitch == 1) {
        b[last] = 2.0 * (x[last] - x[n - 2]);
        c[last] = endSlope - (y[last] - y[n - 2]) / (x[last] - x[n - 2]);
    }

    for (std::size_t i = 1; i < n; ++i) {
        const double factor = d[i - 1] / b[i - 1];
        b[i] = b[i] - factor * d[i - 1];
        c[i] = c[i] - factor * c[i - 1];
    }
    c[last] = c[last] / b[last];
    for (std::size_t i = last; i-- > 0;) {
        c[i] = (c[i] - d[i] * c[i + 1]) / b[i];
    }

    b[last] = (y[last] - y[n - 2]) / d[n - 2] + d[n - 2] * (c[n - 2] + 2.0 * c[last]);
    for (std::size_t i = 0; i < last; ++i) {
        b[i] = (y[i + 1] - y[i]) / d[i] - d[i] * (c[i + 1] + 2.0 * c[i]);
        d[i] = (c[i + 1] - c[i]) / d[i];
        c[i] = 3.0 * c[i];
    }
    c[last] = 3.0 * c[last];
    d[last] = d[n - 2];
    return Fitted;
}

double CubicSpline::Evaluate(double t) const {
    std::size_t k = 0;
    if (!(xs[0] <= t && t <= xs[1])) {
        std::size_t lo = 0;
        std::size_t hi = count;
        do {
            const std::size_t mid = (lo + hi) / 2;
            if (t < xs[mid]) {
                hi = mid;
            } else {
                lo = mid;  // also for a NaN t, so the search always ends
            }
        } while (hi > lo + 1);
        k = lo;
    }
    const double dx = t - xs[k];
    return ((dx * d[k] + c[k]) * dx + b[k]) * dx + ys[k];
}

double CubicSpline::Interpolate(std::size_t n, const double* x, const double* y, double t) {
    return Fit(n, x, y) == Fitted ? Evaluate(t) : 0.0;
}

}  // namespace QuorvelZenth
