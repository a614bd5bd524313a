#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <string>

#include "TrigBlocks.h"
#include "TrigConstants.h"

using namespace QuorvelZenth;

namespace {

constexpr double Max = std::numeric_limits<double>::max();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double HalfPi = 1.5707963267948966;
constexpr double LnMin = -708.3964185322641;

template <typename Block>
std::unique_ptr<CTrig> Make() {
    return std::make_unique<Block>();
}

struct Case {
    const char* block;
    std::unique_ptr<CTrig> (*make)();
    double x;
    double expected;      // NaN: the result must be NaN
    const char* message;  // null: the firing succeeds silently
};

std::uint64_t Bits(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

TEST(TrigBlocks, GuardsSubstitutesAndResults) {
    const double pi = MathConstants::PI;
    const Case cases[] = {
        {"Sin", Make<TrigSin>, 4e14, 0.0, "Sin magnitude |4e+14| exceed 3.753e+14 radians."},
        {"Sin", Make<TrigSin>, -4e14, 0.0, "Sin magnitude |-4e+14| exceed 3.753e+14 radians."},
        {"Sin", Make<TrigSin>, 3e14, std::sin(3e14), nullptr},
        {"Sin", Make<TrigSin>, NaN, NaN, nullptr},
        {"Cos", Make<TrigCos>, 4e14, 1.0, "Cos magnitude |4e+14| exceed 3.753e+14 radians."},
        {"Cos", Make<TrigCos>, 0.5, std::cos(0.5), nullptr},
        {"Tan", Make<TrigTan>, -5e14, 0.0, "Tan magnitude |-5e+14| exceed 3.753e+14 radians."},
        {"Tan", Make<TrigTan>, HalfPi, -Max,
         "Tan argument |1.5708| radians maps to MathConstants::PI/2."},
        {"Tan", Make<TrigTan>, std::nextafter(HalfPi, 0.0), Max,
         "Tan argument |1.5708| radians maps to MathConstants::PI/2."},
        {"Tan", Make<TrigTan>, -HalfPi, -Max,
         "Tan argument |-1.5708| radians maps to MathConstants::PI/2."},
        {"Tan", Make<TrigTan>, 1.0, std::tan(1.0), nullptr},
        {"Tan", Make<TrigTan>, -1.0, std::tan(pi - 1.0), nullptr},
        {"Cot", Make<TrigCot>, 4e14, Max, "Cot magnitude |4e+14| exceed 3.753e+14 radians."},
        {"Cot", Make<TrigCot>, 0.0, Max, "Cot argument 0 radians maps to 0."},
        {"Cot", Make<TrigCot>, pi, Max, "Cot argument 3.14159 radians maps to 0."},
        {"Cot", Make<TrigCot>, -1e-17, -Max,
         "Cot argument -1e-17 radians maps to MathConstants::PI."},
        {"Cot", Make<TrigCot>, 1.57079633, HalfPi - 1.57079633, nullptr},
        {"Cot", Make<TrigCot>, 1.5707963, 1.0 / std::tan(1.5707963), nullptr},
        {"Cot", Make<TrigCot>, 0.25, 1.0 / std::tan(0.25), nullptr},
        {"Asin", Make<TrigAsin>, -2.0, -HalfPi, "Asin magnitude |-2| exceed 1.0 ."},
        {"Asin", Make<TrigAsin>, 1.5, HalfPi, "Asin magnitude |1.5| exceed 1.0 ."},
        {"Asin", Make<TrigAsin>, 0.5, std::asin(0.5), nullptr},
        {"Acos", Make<TrigAcos>, -1.5, pi, "Acos magnitude |-1.5| exceed 1.0 ."},
        {"Acos", Make<TrigAcos>, 3.0, 0.0, "Acos magnitude |3| exceed 1.0 ."},
        {"Acos", Make<TrigAcos>, 1.0, 0.0, nullptr},
        {"Atan", Make<TrigAtan>, 1e300, std::atan(1e300), nullptr},
        {"Acot", Make<TrigAcot>, 1.0, HalfPi - std::atan(1.0), nullptr},
        {"Sinh", Make<TrigSinh>, 711.0, Max, "Sinh input magnitude |711| exceed 710.476 ."},
        {"Sinh", Make<TrigSinh>, -800.0, -Max, "Sinh input magnitude |-800| exceed 710.476 ."},
        {"Sinh", Make<TrigSinh>, 710.0, std::sinh(710.0), nullptr},
        {"Cosh", Make<TrigCosh>, -711.0, Max, "Cosh input magnitude |-711| exceed 710.476 ."},
        {"Cosh", Make<TrigCosh>, 2.0, std::cosh(2.0), nullptr},
        {"Tanh", Make<TrigTanh>, 1000.0, 1.0, nullptr},
        {"Tanh", Make<TrigTanh>, -1000.0, -1.0, nullptr},
        {"Tanh", Make<TrigTanh>, 0.3, std::tanh(0.3), nullptr},
        {"Coth", Make<TrigCoth>, 0.0, 0x1p1022, "1/ |tanh(0)| is below 2.22507e-308 ."},
        {"Coth", Make<TrigCoth>, -1e-310, -4.49423283715579e+307,
         "1/ |tanh(-1e-310)| is below 2.22507e-308 ."},
        {"Coth", Make<TrigCoth>, 0.5, 1.0 / std::tanh(0.5), nullptr},
        {"Asinh", Make<TrigAsinh>, 1e8, std::log(1e8) + std::log(2.0), nullptr},
        {"Asinh", Make<TrigAsinh>, -1e8, LnMin, "Asinh input -1e+08 is less than -6.71089e+07. "},
        {"Asinh", Make<TrigAsinh>, 0.75, std::log(std::sqrt(0.75 * 0.75 + 1.0) + 0.75), nullptr},
        {"Acosh", Make<TrigAcosh>, 0.5, 0.0, "Acosh input 0.5 is less than 1. "},
        {"Acosh", Make<TrigAcosh>, 1e8, std::log(1e8) + std::log(2.0), nullptr},
        {"Acosh", Make<TrigAcosh>, 2.0, std::log(std::sqrt(3.0) + 2.0), nullptr},
        {"Acosh", Make<TrigAcosh>, NaN, NaN, nullptr},
        {"Atanh", Make<TrigAtanh>, 1.0, Max,
         "Atanh input magnitude |1| is greater than or equal to 1. "},
        {"Atanh", Make<TrigAtanh>, -1.0, LnMin,
         "Atanh input magnitude |-1| is greater than or equal to 1. "},
        {"Atanh", Make<TrigAtanh>, std::nextafter(1.0, 0.0), Max,
         "Atanh input magnitude |1| is greater than or equal to 1. "},
        {"Atanh", Make<TrigAtanh>, 0.9999999999999998,
         0.5 * std::log(1.9999999999999998 / (1.0 - 0.9999999999999998)), nullptr},
        {"Atanh", Make<TrigAtanh>, 0.5, 0.5 * std::log(3.0), nullptr},
        {"Acoth", Make<TrigAcoth>, 1.0, Max,
         "Acoth input magnitude |1| is less than or equal to 1. "},
        {"Acoth", Make<TrigAcoth>, -0.5, LnMin,
         "Acoth input magnitude |-0.5| is less than or equal to 1. "},
        {"Acoth", Make<TrigAcoth>, 1.5, 0.5 * std::log(5.0), nullptr},
        {"Acoth", Make<TrigAcoth>, 1.0000000000000002, 0.5 * std::log(2.0000000000000002 / 0x1p-52),
         nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "Trig" << c.block << "(" << c.x << ")");
        std::unique_ptr<CTrig> block = c.make();
        double in = c.x;
        double out = -12345.0;
        block->input.Attach(&in, 1);
        block->output.Attach(&out, 1);
        testing::internal::CaptureStderr();
        const bool ran = block->Run();
        const std::string posted = testing::internal::GetCapturedStderr();
        if (c.message != nullptr) {
            EXPECT_FALSE(ran);
            EXPECT_EQ(posted, std::string(c.message) + "\n");
            EXPECT_EQ(Bits(out), Bits(c.expected)) << out;
        } else {
            EXPECT_TRUE(ran);
            EXPECT_EQ(posted, "");
            if (std::isnan(c.expected)) {
                EXPECT_TRUE(std::isnan(out)) << out;
            } else {
                EXPECT_DOUBLE_EQ(out, c.expected);
            }
        }
    }
}

TEST(TrigBlocks, LimitsFollowTheirFormulas) {
    EXPECT_EQ(TrigArgumentLimit, 375299968947541.1);
    EXPECT_EQ(HyperbolicArgumentLimit, 710.4758600739439);
    EXPECT_EQ(LargeArgument, 67108864.0);
    EXPECT_EQ(LnMinDouble, LnMin);
    EXPECT_EQ(PiEpsilon, 6.975736996017264e-16);
    EXPECT_EQ(CotLinearTolerance(), 2.1073424255447017e-08);
}

TEST(TrigBlocks, CopiesKeepTheirPorts) {
    double in = 0.5, out = 0.0;
    TrigTanh tanh;
    tanh.input.Attach(&in, 1);
    tanh.output.Attach(&out, 1);
    TrigTanh copy(tanh);
    TrigTanh assigned;
    assigned = copy;
    EXPECT_TRUE(assigned.Run());
    EXPECT_EQ(out, std::tanh(0.5));
    EXPECT_TRUE(assigned.Setup() && assigned.Initialize() && assigned.Finalize());
}

}  // namespace
