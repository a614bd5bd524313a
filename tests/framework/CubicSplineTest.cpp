#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "CubicSpline.h"

using namespace QuorvelZenth;

namespace {

double Cubic(double t) { return ((0.5 * t - 3.0) * t + 2.0) * t + 1.0; }
double CubicSlope(double t) { return (1.5 * t - 6.0) * t + 2.0; }

TEST(CubicSpline, ReproducesACubicFromItsPoints) {
    const std::vector<double> x = {-1.0, -0.2, 0.5, 1.7, 2.0, 3.6};
    std::vector<double> y;
    for (double t : x) y.push_back(Cubic(t));
    // Four points (one interval search at most) and more (bisection over
    // several intervals), inside and a little beyond the ends.
    for (std::size_t n : {std::size_t{4}, x.size()}) {
        CubicSpline spline;
        ASSERT_EQ(spline.Fit(n, x.data(), y.data()), CubicSpline::Fitted);
        for (double t = -1.5; t <= x[n - 1] + 0.5; t += 0.0625) {
            EXPECT_NEAR(spline.Evaluate(t), Cubic(t), 1e-12 * (1.0 + std::fabs(Cubic(t))))
                << n << " points, t = " << t;
        }
    }
}

TEST(CubicSpline, GivenEndSlopesAreHonoured) {
    const std::vector<double> x = {0.0, 0.7, 1.1, 2.5, 3.0};
    std::vector<double> y;
    for (double t : x) y.push_back(Cubic(t));
    CubicSpline spline;
    ASSERT_EQ(spline.Fit(x.size(), x.data(), y.data(), 1, CubicSlope(0.0), 1, CubicSlope(3.0)),
              CubicSpline::Fitted);
    for (double t : {0.1, 0.9, 2.0, 2.9}) EXPECT_NEAR(spline.Evaluate(t), Cubic(t), 1e-12);
}

TEST(CubicSpline, TwoPointsGiveALineAndThreeMeetTheirPoints) {
    const double x[] = {1.0, 3.0, 4.0};
    const double y[] = {2.0, 6.0, 5.0};
    CubicSpline spline;
    ASSERT_EQ(spline.Fit(2, x, y), CubicSpline::Fitted);
    EXPECT_DOUBLE_EQ(spline.Evaluate(2.0), 4.0);
    EXPECT_DOUBLE_EQ(spline.Evaluate(5.0), 10.0);
    ASSERT_EQ(spline.Fit(3, x, y), CubicSpline::Fitted);
    for (std::size_t k = 0; k < 3; ++k) EXPECT_NEAR(spline.Evaluate(x[k]), y[k], 1e-12);
}

TEST(CubicSpline, RejectedPointsInterpolateToZero) {
    struct Case {
        std::vector<double> x;
        int status;
    };
    const Case cases[] = {
        {{1.0}, CubicSpline::TooFewPoints},
        {{}, CubicSpline::TooFewPoints},
        {{0.0, 1.0, 1.0, 2.0}, CubicSpline::NotAscending},
        {{0.0, 2.0, 1.0, 3.0}, CubicSpline::NotAscending},
    };
    for (const Case& c : cases) {
        const std::vector<double> y(c.x.size(), 5.0);
        CubicSpline spline;
        EXPECT_EQ(spline.Fit(c.x.size(), c.x.data(), y.data()), c.status);
        EXPECT_EQ(spline.Interpolate(c.x.size(), c.x.data(), y.data(), 0.5), 0.0);
    }
}

}  // namespace
