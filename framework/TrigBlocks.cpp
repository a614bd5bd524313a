#include "TrigBlocks.h"

#include <cmath>
#include <limits>
#include <string>

#include "DFErrorHandler.h"
#include "MessageText.h"
#include "TrigConstants.h"

namespace QuorvelZenth {

namespace {

constexpr double Max = std::numeric_limits<double>::max();
constexpr double SmallestNormal = std::numeric_limits<double>::min();
constexpr double HalfPi = MathConstants::PI / 2.0;
constexpr double TwoTo1022 = 4.49423283715579e+307;
static_assert(TwoTo1022 == 0x1p1022, "2^1022 must be exact");
// 1 - 2^-52 and 1 + 2^-52: |x| above the first is at least the largest
// double below 1; |x| below the second is at most 1.
constexpr double JustBelowOne = 0.9999999999999998;
constexpr double JustAboveOne = 1.0000000000000002;
static_assert(JustBelowOne == 1.0 - 0x1p-52 && JustAboveOne == 1.0 + 0x1p-52,
              "thresholds next to 1");

bool Emit(CTrig& block, double value) {
    block.output[0] = value;
    return true;
}

bool Refuse(CTrig& block, const std::string& message, double substitute) {
    DFErrorHandler::PostError(&block, message.c_str());
    block.output[0] = substitute;
    return false;
}

bool AngleTooLarge(double x) { return std::fabs(x) > TrigArgumentLimit; }

bool RefuseLargeAngle(CTrig& block, const char* function, double x, double substitute) {
    return Refuse(
        block,
        MessageText(function, " magnitude |", x, "| exceed ", TrigArgumentLimit, " radians."),
        substitute);
}

// x reduced into [0, pi), where tan and cot repeat.
double ReduceToHalfTurn(double x) {
    double r = std::fmod(x, MathConstants::PI);
    if (r < 0) r += MathConstants::PI;
    return r;
}

bool RefuseLargeHyperbolic(CTrig& block, const char* function, double x, double substitute) {
    return Refuse(
        block,
        MessageText(function, " input magnitude |", x, "| exceed ", HyperbolicArgumentLimit, " ."),
        substitute);
}

}  // namespace

CTrig::CTrig() = default;
CTrig::CTrig(const CTrig&) = default;
CTrig& CTrig::operator=(const CTrig&) = default;
CTrig::~CTrig() = default;

#define QZ_DEFINE_TRIG_BLOCK_MEMBERS(Name)        \
    Name::Name() = default;                       \
    Name::Name(const Name&) = default;            \
    Name& Name::operator=(const Name&) = default; \
    Name::~Name() = default;

QZ_DEFINE_TRIG_BLOCK_MEMBERS(TrigSin)
QZ_DEFINE_TRIG_BLOCK_MEMBERS(TrigCos)
QZ_DEFINE_TRIG_BLOCK_MEMBERS(TrigTan)
QZ_DEFINE_TRIG_BLOCK_MEMBERS(TrigCot)
QZ_DEFINE_TRIG_BLOCK_MEMBERS(TrigAsin)
QZ_DEFINE_TRIG_BLOCK_MEMBERS(TrigAcos)
QZ_DEFINE_TRIG_BLOCK_MEMBERS(TrigAtan)
QZ_DEFINE_TRIG_BLOCK_MEMBERS(TrigAcot)
QZ_DEFINE_TRIG_BLOCK_MEMBERS(TrigSinh)
QZ_DEFINE_TRIG_BLOCK_MEMBERS(TrigCosh)
QZ_DEFINE_TRIG_BLOCK_MEMBERS(TrigTanh)
QZ_DEFINE_TRIG_BLOCK_MEMBERS(TrigCoth)
QZ_DEFINE_TRIG_BLOCK_MEMBERS(TrigAsinh)
QZ_DEFINE_TRIG_BLOCK_MEMBERS(TrigAcosh)
QZ_DEFINE_TRIG_BLOCK_MEMBERS(TrigAtanh)
QZ_DEFINE_TRIG_BLOCK_MEMBERS(TrigAcoth)

#undef QZ_DEFINE_TRIG_BLOCK_MEMBERS

bool TrigSin::Run() {
    const double x = input[0];
    if (AngleTooLarge(x)) return RefuseLargeAngle(*this, "Sin", x, 0.0);
    return Emit(*this, std::sin(x));
}

bool TrigCos::Run() {
    const double x = input[0];
    if (AngleTooLarge(x)) return RefuseLargeAngle(*this, "Cos", x, 1.0);
    return Emit(*this, std::cos(x));
}

bool TrigTan::Run() {
    const double x = input[0];
    if (AngleTooLarge(x)) return RefuseLargeAngle(*this, "Tan", x, 0.0);
    const double r = ReduceToHalfTurn(x);
    if (std::fabs(r - HalfPi) < PiEpsilon) {
        return Refuse(*this,
                      MessageText("Tan argument |", x, "| radians maps to MathConstants::PI/2."),
                      r < HalfPi ? Max : -Max);
    }
    return Emit(*this, std::tan(r));
}

bool TrigCot::Run() {
    const double x = input[0];
    if (AngleTooLarge(x)) return RefuseLargeAngle(*this, "Cot", x, Max);
    const double r = ReduceToHalfTurn(x);
    if (std::fabs(r) < PiEpsilon) {
        return Refuse(*this, MessageText("Cot argument ", x, " radians maps to 0."), Max);
    }
    if (std::fabs(r - MathConstants::PI) < PiEpsilon) {
        return Refuse(*this, MessageText("Cot argument ", x, " radians maps to MathConstants::PI."),
                      -Max);
    }
    // Near pi / 2, cot(r) is pi / 2 - r to within rounding, and tan(r) there
    // is too large to invert accurately.
    if (std::fabs(r - HalfPi) < CotLinearTolerance()) return Emit(*this, HalfPi - r);
    return Emit(*this, 1.0 / std::tan(r));
}

bool TrigAsin::Run() {
    const double x = input[0];
    if (std::fabs(x) > 1.0) {
        return Refuse(*this, MessageText("Asin magnitude |", x, "| exceed 1.0 ."),
                      x < 0 ? -HalfPi : HalfPi);
    }
    return Emit(*this, std::asin(x));
}

bool TrigAcos::Run() {
    const double x = input[0];
    if (std::fabs(x) > 1.0) {
        return Refuse(*this, MessageText("Acos magnitude |", x, "| exceed 1.0 ."),
                      x < 0 ? MathConstants::PI : 0.0);
    }
    return Emit(*this, std::acos(x));
}

bool TrigAtan::Run() { return Emit(*this, std::atan(input[0])); }

bool TrigAcot::Run() { return Emit(*this, HalfPi - std::atan(input[0])); }

bool TrigSinh::Run() {
    const double x = input[0];
    if (std::fabs(x) > HyperbolicArgumentLimit) {
        return RefuseLargeHyperbolic(*this, "Sinh", x, x < 0 ? -Max : Max);
    }
    return Emit(*this, std::sinh(x));
}

bool TrigCosh::Run() {
    const double x = input[0];
    if (std::fabs(x) > HyperbolicArgumentLimit) return RefuseLargeHyperbolic(*this, "Cosh", x, Max);
    return Emit(*this, std::cosh(x));
}

bool TrigTanh::Run() { return Emit(*this, std::tanh(input[0])); }

bool TrigCoth::Run() {
    const double x = input[0];
    const double t = std::tanh(x);
    if (std::fabs(t) < SmallestNormal) {
        return Refuse(*this, MessageText("1/ |tanh(", x, ")| is below ", SmallestNormal, " ."),
                      t < 0 ? -TwoTo1022 : TwoTo1022);
    }
    return Emit(*this, 1.0 / t);
}

bool TrigAsinh::Run() {
    const double x = input[0];
    if (std::fabs(x) > LargeArgument) {
        if (x < 0) {
            return Refuse(*this,
                          MessageText("Asinh input ", x, " is less than ", -LargeArgument, ". "),
                          LnMinDouble);
        }
        return Emit(*this, std::log(x) + std::log(2.0));
    }
    return Emit(*this, std::log(std::sqrt(x * x + 1.0) + x));
}

bool TrigAcosh::Run() {
    const double x = input[0];
    if (x < 1.0) return Refuse(*this, MessageText("Acosh input ", x, " is less than 1. "), 0.0);
    if (x > LargeArgument) return Emit(*this, std::log(x) + std::log(2.0));
    return Emit(*this, std::log(std::sqrt(std::fabs(x * x - 1.0)) + x));
}

bool TrigAtanh::Run() {
    const double x = input[0];
    if (std::fabs(x) > JustBelowOne) {
        return Refuse(
            *this, MessageText("Atanh input magnitude |", x, "| is greater than or equal to 1. "),
            x < 0 ? LnMinDouble : Max);
    }
    return Emit(*this, 0.5 * std::log((1.0 + x) / (1.0 - x)));
}

bool TrigAcoth::Run() {
    const double x = input[0];
    if (std::fabs(x) < JustAboveOne) {
        return Refuse(*this,
                      MessageText("Acoth input magnitude |", x, "| is less than or equal to 1. "),
                      x < 0 ? LnMinDouble : Max);
    }
    return Emit(*this, 0.5 * std::log((x + 1.0) / (x - 1.0)));
}

}  // namespace QuorvelZenth
