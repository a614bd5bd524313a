#pragma once

namespace QuorvelZenth {

struct MathConstants {
    static constexpr double PI = 3.141592653589793;
};

// Argument limits of the trigonometric blocks. They are computed when the
// library is loaded, from the formulas that define them, and quoted in the
// blocks' messages.

// Largest angle whose reduction by 2 pi still leaves meaningful digits:
// floor(floor(2^52 / (2 pi)) / 12) x 2 x pi = 375299968947541.1.
extern const double TrigArgumentLimit;
// log(2) + log(largest double) = 710.4758600739439: beyond it sinh and cosh
// overflow.
extern const double HyperbolicArgumentLimit;
// sqrt(2^52) = 67108864: beyond it x * x + 1 == x * x, so asinh and acosh
// switch to log(x) + log(2).
extern const double LargeArgument;
// log(smallest normalised double) = -708.3964185322641.
extern const double LnMinDouble;
// pi x 2^-52 = 6.975736996017264e-16: how close a reduced angle may come to
// a pole of tan or cot before it counts as the pole.
extern const double PiEpsilon;

// sqrt(2^-51) = 2.1073424255447017e-08, computed at the first call: within
// it of pi / 2, cot(r) is taken as pi / 2 - r.
double CotLinearTolerance();

}  // namespace QuorvelZenth
