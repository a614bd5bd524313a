#include "EqualizerFamily.h"

#include <array>

#include "AnchoredResponse.h"

// Levels 0, 8 and 15 of each set are drawn through their known samples,
// peak and trough; their rise from 0 to 64 ps is bent to give the row its
// area. Every other level blends the two drawn levels around it, each
// normalised to its peak and shifted so that its peak falls on the level's
// peak time; the blend weight gives the level its area-to-peak ratio, and
// scaling by the level's peak gives both its peak and its area.

namespace QuorvelZenth {

namespace {

constexpr int SetCount = 2;
constexpr int LevelCount = 16;
constexpr int PointCount = 80;
constexpr int Step = 8;                       // ps between values
constexpr int SampleStep = 64;                // ps between the known samples
constexpr int SampleCount = 10;               // known samples at 0 .. 576 ps
constexpr double AreaPerValue = Step * 1e-3;  // 1/ns x ps

struct Level {
    double peak;  // 1/ns
    int peakTime;
    double area;
};

constexpr Level Levels[SetCount][LevelCount] = {
    {{30.53, 72, 1.341},
     {45.01, 72, 1.347},
     {53.32, 72, 1.379},
     {58.94, 72, 1.405},
     {91.66, 72, 1.381},
     {108.1, 72, 1.320},
     {110.5, 80, 1.361},
     {127.0, 80, 1.332},
     {161.3, 72, 1.293},
     {193.4, 80, 1.287},
     {236.6, 80, 1.230},
     {267.3, 80, 1.177},
     {332.1, 80, 1.181},
     {396.8, 80, 1.091},
     {472.2, 80, 1.001},
     {528.5, 80, 0.906}},
    {{10.36, 64, 0.379},
     {15.59, 64, 0.380},
     {18.31, 64, 0.387},
     {20.16, 64, 0.394},
     {31.57, 64, 0.383},
     {37.95, 64, 0.374},
     {38.68, 72, 0.380},
     {44.19, 72, 0.373},
     {56.16, 64, 0.365},
     {68.24, 72, 0.359},
     {81.98, 72, 0.343},
     {92.02, 72, 0.331},
     {114.2, 72, 0.312},
     {136.8, 72, 0.304},
     {161.1, 80, 0.278},
     {182.1, 80, 0.259}},
};

struct DrawnLevel {
    std::array<double, SampleCount> samples;  // 1/ns at 0, 64, ... 576 ps
    double deepest;                           // 1/ns
    int deepestTime;
};

constexpr int DrawnCount = 3;
constexpr int DrawnLevels[DrawnCount] = {0, 8, 15};

const DrawnLevel Drawn[SetCount][DrawnCount] = {
    {{{-0.5197, 27.68, 5.36, -3.601, -1.617, -0.7996, -0.47, -0.3387, -0.2729, -0.23}, -3.766, 184},
     {{1.227, 143.9, -104.1, 0.7792, 4.746, -2.522, -1.115, -0.8544, -0.6678, -0.5155},
      -108.8,
      136},
     {{2.015, 352.6, -196, -295, 114.9, 42.76, -8.955, -7.195, -1.444, 0.0162}, -508.7, 160}},
    {{{-0.294, 10.36, -0.07164, -1.139, -0.3844, -0.1924, -0.12, -0.091, -0.07512, -0.06393},
      -1.59,
      160},
     {{0.2561, 56.16, -40.82, 5.79, 0.6012, -0.7951, -0.275, -0.2305, -0.1806, -0.1391},
      -40.82,
      128},
     {{0.8409, 147.7, -119.7, -61.81, 44.42, 7.379, -4.282, -1.816, -0.156, 0.06384}, -177.5, 152}},
};

// The drawn curves reach past both ends of the table, from rest 64 ps before
// it to a tail value 8 ps after it, so that a blended level may move them
// later by up to 64 ps and earlier by 8 ps.
constexpr int LeadIn = -SampleStep;
constexpr int LeadOut = SampleCount * SampleStep;

// The tail decays geometrically as its last two samples do; where they
// change sign or grow, it halves towards zero instead.
double TailBeyondSamples(const DrawnLevel& drawn) {
    const double before = drawn.samples[SampleCount - 2];
    const double last = drawn.samples[SampleCount - 1];
    const bool decaying = before * last > 0.0 && last * last < before * before;
    return last * (decaying ? last / before : 0.5);
}

AnchoredResponse DrawnShape(const DrawnLevel& drawn, const Level& level, double riseExponent) {
    AnchoredResponse shape;
    shape.Pin(LeadIn, 0.0);
    for (int i = 0; i < SampleCount; ++i) {
        shape.Pin(i * SampleStep, drawn.samples[i]);
    }
    shape.Pin(LeadOut, TailBeyondSamples(drawn));
    shape.Pin(level.peakTime, level.peak);
    shape.Pin(drawn.deepestTime, drawn.deepest);
    shape.Bend(0, SampleStep, {16, 32, 48}, riseExponent);
    return shape;
}

MonotoneCubic DrawnCurve(const DrawnLevel& drawn, const Level& level) {
    const double exponent = SolveMonotone(
        [&](double e) {
            return Sum(DrawnShape(drawn, level, e).Sample(Step, PointCount)) * AreaPerValue;
        },
        1.0, 16.0, level.area);
    return DrawnShape(drawn, level, exponent).Curve();
}

// The curve's values at the table's times, moved later by `delay` ps and
// divided by `scale`.
std::vector<double> Sampled(const MonotoneCubic& curve, int delay, double scale) {
    std::vector<double> values;
    for (int k = 0; k < PointCount; ++k) {
        values.push_back(curve(k * Step - delay) / scale);
    }
    return values;
}

std::vector<double> Blended(const Level& level, const std::vector<double>& lower,
                            const std::vector<double>& upper) {
    const double lowerArea = Sum(lower) * AreaPerValue;
    const double upperArea = Sum(upper) * AreaPerValue;
    const double weight = (level.area / level.peak - lowerArea) / (upperArea - lowerArea);
    std::vector<double> values;
    for (int k = 0; k < PointCount; ++k) {
        values.push_back(level.peak * ((1.0 - weight) * lower[k] + weight * upper[k]));
    }
    return values;
}

std::vector<double> LevelRow(const Level levels[], const std::vector<MonotoneCubic>& curves,
                             int level) {
    int upper = 0;
    while (DrawnLevels[upper] < level) {
        ++upper;
    }
    if (DrawnLevels[upper] == level) {
        return Sampled(curves[upper], 0, 1.0);
    }
    const Level& target = levels[level];
    const auto normalised = [&](int drawn) {
        const Level& reference = levels[DrawnLevels[drawn]];
        return Sampled(curves[drawn], target.peakTime - reference.peakTime, reference.peak);
    };
    return Blended(target, normalised(upper - 1), normalised(upper));
}

}  // namespace

std::vector<std::vector<double>> MakeEqualizerResponse() {
    std::vector<std::vector<double>> rows;
    for (int set = 0; set < SetCount; ++set) {
        std::vector<MonotoneCubic> curves;
        for (int drawn = 0; drawn < DrawnCount; ++drawn) {
            curves.push_back(DrawnCurve(Drawn[set][drawn], Levels[set][DrawnLevels[drawn]]));
        }
        for (int level = 0; level < LevelCount; ++level) {
            rows.push_back(PerSecond(LevelRow(Levels[set], curves, level)));
        }
    }
    return rows;
}

}  // namespace QuorvelZenth
