#include "TimeResponseFIR.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <memory>
#include <string>

#include "CubicSpline.h"
#include "DFErrorHandler.h"
#include "MessageText.h"

namespace QuorvelZenth {

namespace {

constexpr std::int32_t MinResponseCount = 4;

std::unique_ptr<double[]> CopyOf(const double* values, std::int32_t count) {
    if (values == nullptr) return nullptr;
    std::unique_ptr<double[]> copy(new double[static_cast<std::size_t>(count)]);
    std::copy(values, values + count, copy.get());
    return copy;
}

}  // namespace

TimeResponseFIR::TimeResponseFIR() = default;

TimeResponseFIR::TimeResponseFIR(const TimeResponseFIR& other)
    : FIR<double, 0>(other),
      Response(other.Response),
      ResponseTimeStamps(other.ResponseTimeStamps),
      ResponseCount(other.ResponseCount),
      TimeStampCount(other.TimeStampCount),
      ResponseType(other.ResponseType),
      SampleRate(other.SampleRate),
      ownedTaps(CopyOf(other.ownedTaps, other.ownedTapCount).release()),
      ownedTapCount(other.ownedTapCount) {
    if (other.Taps == other.ownedTaps) Taps = ownedTaps;
}

TimeResponseFIR& TimeResponseFIR::operator=(const TimeResponseFIR& other) {
    if (this == &other) return *this;
    std::unique_ptr<double[]> taps = CopyOf(other.ownedTaps, other.ownedTapCount);
    FIR<double, 0>::operator=(other);
    Response = other.Response;
    ResponseTimeStamps = other.ResponseTimeStamps;
    ResponseCount = other.ResponseCount;
    TimeStampCount = other.TimeStampCount;
    ResponseType = other.ResponseType;
    SampleRate = other.SampleRate;
    delete[] ownedTaps;
    ownedTaps = taps.release();
    ownedTapCount = other.ownedTapCount;
    if (other.Taps == other.ownedTaps) Taps = ownedTaps;
    return *this;
}

TimeResponseFIR::~TimeResponseFIR() { delete[] ownedTaps; }

bool TimeResponseFIR::Setup() {
    if (!CheckResponse() || !ShiftTimeStamps()) return false;

    const double duration = ResponseTimeStamps[ResponseCount - 1];
    const double span = duration * SampleRate;
    if (!(span < MaxTapCount)) {
        DFErrorHandler::PostError(
            this, MessageText("Response duration of ", duration, " at SampleRate ", SampleRate,
                              " needs more than ", MaxTapCount, " taps.")
                      .c_str());
        return false;
    }
    const std::int32_t tapCount = static_cast<std::int32_t>(span) + 1;

    std::unique_ptr<double[]> taps(new double[static_cast<std::size_t>(tapCount)]);
    ComputeTaps(taps.get(), tapCount);
    delete[] ownedTaps;
    ownedTaps = taps.release();
    ownedTapCount = tapCount;
    Taps = ownedTaps;
    TapCount = tapCount;
    return FIR<double, 0>::Setup();
}

// Everything that can be refused before the time stamps are touched. The
// finiteness checks come last so that every other message stays as it is;
// without them an infinite SampleRate or time stamp turns the tap count into
// an undefined conversion.
bool TimeResponseFIR::CheckResponse() {
    bool lengthValid = true;
    if (ResponseType == ImpulseResponse && ResponseCount < MinResponseCount) {
        DFErrorHandler::PostError(
            this, "At least 4 response coefficients are required for input impulse response");
        lengthValid = false;
    } else if (ResponseType == StepResponse && ResponseCount < MinResponseCount) {
        DFErrorHandler::PostError(
            this, "At least 4 response coefficients are required for input step response");
        lengthValid = false;
    }
    if (ResponseType != ImpulseResponse && ResponseType != StepResponse) {
        DFErrorHandler::PostError(this,
                                  "Inavlid ResponseType is specified, it can be either Impulse "
                                  "Response or Step Response");
        return false;
    }
    if (!lengthValid) return false;
    if (ResponseCount != TimeStampCount) {
        DFErrorHandler::PostError(this,
                                  "Number of coefficients in response must be same as the number "
                                  "of values in time stamps");
        return false;
    }
    if (!(SampleRate > 0.0)) {
        DFErrorHandler::PostError(this, "SampleRate must be > 0.0");
        return false;
    }
    if (!std::isfinite(SampleRate)) {
        DFErrorHandler::PostError(this, "SampleRate must be a finite number");
        return false;
    }
    struct Table {
        const double* values;
        const char* name;
        const char* rule;
    };
    const Table tables[] = {
        {ResponseTimeStamps, "ResponseTimeStamps", "Time stamps must be finite numbers."},
        {Response, "Response", "Response values must be finite numbers."},
    };
    for (const Table& table : tables) {
        for (std::size_t i = 0; i < static_cast<std::size_t>(ResponseCount); ++i) {
            if (std::isfinite(table.values[i])) continue;
            DFErrorHandler::PostError(
                this, MessageText(table.name, "[", i + 1, "] = ", table.values[i], ". ", table.rule)
                          .c_str());
            return false;
        }
    }
    return true;
}

// Moves the time axis to start at 0 and checks the order on the way; on a
// failure the stamps after the offending one stay unshifted.
bool TimeResponseFIR::ShiftTimeStamps() {
    double* stamps = ResponseTimeStamps;
    const double start = stamps[0];
    stamps[0] = 0.0;
    for (std::size_t i = 1; i < static_cast<std::size_t>(ResponseCount); ++i) {
        stamps[i] -= start;
        if (stamps[i - 1] >= stamps[i]) {
            DFErrorHandler::PostError(
                this, MessageText("ResponseTimeStamps[", i + 1, "] = ", stamps[i] + start,
                                  "  <= ResponseTimeStamps[", i, "] = ", stamps[i - 1] + start,
                                  ". Time stamps must be in non-repeating ascending order.")
                          .c_str());
            return false;
        }
    }
    return true;
}

// One forward cursor over the stamps: `nearest` is the first stamp not
// before the tap time, kept from one tap to the next.
void TimeResponseFIR::ComputeTaps(double* taps, std::int32_t tapCount) const {
    const double* stamps = ResponseTimeStamps;
    const auto lastIndex = static_cast<std::size_t>(ResponseCount) - 1;
    CubicSpline spline;
    std::size_t nearest = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(tapCount); ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        while (nearest < lastIndex && stamps[nearest] < t) ++nearest;
        if (ResponseType == ImpulseResponse && stamps[nearest] == t) {
            taps[i] = Response[nearest];
            continue;
        }
        nearest = std::clamp<std::size_t>(nearest, 1, lastIndex - 2);
        const double* x = stamps + (nearest - 1);
        const double* y = Response + (nearest - 1);
        taps[i] = ResponseType == ImpulseResponse ? spline.Interpolate(4, x, y, t)
                                                  : AnalyticalDifferntiation(t, x, y);
    }
    for (std::size_t i = 0; i < static_cast<std::size_t>(tapCount); ++i) taps[i] /= SampleRate;
}

double TimeResponseFIR::AnalyticalDifferntiation(double t, const double* x, const double* y) const {
    const double first = (2.0 * t - x[1] - x[2]) / ((x[0] - x[2]) * (x[0] - x[1])) * y[0];
    const double second = (2.0 * t - x[0] - x[2]) / ((x[1] - x[0]) * (x[1] - x[2])) * y[1];
    const double third = (2.0 * t - x[0] - x[1]) / ((x[2] - x[0]) * (x[2] - x[1])) * y[2];
    return first + second + third;
}

}  // namespace QuorvelZenth
