#pragma once

#include <cstddef>
#include <memory>

namespace QuorvelZenth {

// Interpolating cubic spline after Forsythe, Malcolm and Moler. By default
// the third derivative at each end matches the third divided difference of
// the four points nearest that end, so a spline through points of one cubic
// polynomial is that polynomial; an end whose switch is 1 takes the given
// first derivative instead. Three points give zero end third derivatives,
// two points a straight line.
//
// The coefficient arrays are scratch storage that grows with the largest
// point count fitted and lives as long as the object.
class CubicSpline {
public:
    static constexpr int Fitted = 0;
    static constexpr int TooFewPoints = 1;
    static constexpr int NotAscending = 2;

    CubicSpline() = default;
    CubicSpline(const CubicSpline&) = delete;
    CubicSpline& operator=(const CubicSpline&) = delete;

    // Computes the coefficients over the n points (x[k], y[k]) and returns
    // the status; the arrays must outlive the evaluations that follow.
    int Fit(std::size_t n, const double* x, const double* y, int startSwitch = 0,
            double startSlope = 0.0, int endSwitch = 0, double endSlope = 0.0);

    // The spline at t after a successful Fit; outside the points it
    // continues the cubic of the first or last interval.
    double Evaluate(double t) const;

    // Fit with the default end conditions and Evaluate; 0 when the fit fails.
    double Interpolate(std::size_t n, const double* x, const double* y, double t);

private:
    void Reserve(std::size_t n);

    std::unique_ptr<double[]> b, c, d;
    std::size_t capacity = 0;
    std::size_t count = 0;
    const double* xs = nullptr;
    const double* ys = nullptr;
};

}  // namespace QuorvelZenth
