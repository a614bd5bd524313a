#include "DeEmphasisFamily.h"

#include <algorithm>

#include "AnchoredResponse.h"

// Every level is drawn through its known 16-ps samples, its peak, its
// trough and its last value, and crosses zero halfway between the time of
// its largest running area and the next value, so that the running area
// peaks there. The onset (0 to 16 ps) rises as a fixed power; the descent
// from 32 to 48 ps is bent to give the main lobe its running area, and the
// recovery from 80 to 112 ps to give the whole row its area. Each bend
// moves only values on its own side of the zero crossing, so the two areas
// are met one after the other.

namespace QuorvelZenth {

namespace {

constexpr int LevelCount = 8;
constexpr int PointCount = 80;
constexpr int Step = 4;          // ps between values
constexpr int SampleStep = 16;   // ps between the known samples
constexpr int SampleCount = 20;  // known samples at 0 .. 304 ps
constexpr int LastTime = (PointCount - 1) * Step;
constexpr int PeakTime = 28;
constexpr double OnsetExponent = 2.5;
constexpr double AreaPerValue = Step * 1e-3;  // 1/ns x ps

struct Level {
    double peak;  // 1/ns
    double deepest;
    int deepestTime;
    double last;  // at LastTime
    double area;
    double runningArea;
    int runningAreaTime;
};

constexpr Level Levels[LevelCount] = {
    {102.0, -5.321, 80, -0.004166, 3.2468, 3.3711, 68},
    {100.1, -18.59, 76, -0.07385, 2.1423, 3.0363, 60},
    {99.23, -25.67, 76, -0.1392, 1.5444, 2.9161, 56},
    {98.68, -30.27, 76, -0.1883, 1.1438, 2.8419, 56},
    {98.49, -32.02, 76, -0.2095, 0.9862, 2.8153, 56},
    {98.35, -33.23, 76, -0.2238, 0.8788, 2.7999, 52},
    {98.21, -34.44, 76, -0.2388, 0.7694, 2.7849, 52},
    {98.07, -35.67, 76, -0.2544, 0.6582, 2.7700, 52},
};

// Known samples, 1/ns: one line per time 0, 16, ... 304 ps, one column per level.
constexpr double Samples[SampleCount][LevelCount] = {
    {0.04733, 0.03499, 0.03164, 0.02973, 0.0289, 0.02849, 0.02805, 0.02777},
    {52.57, 52.46, 52.41, 52.38, 52.37, 52.36, 52.36, 52.35},
    {101.6, 98.36, 96.86, 95.92, 95.59, 95.35, 95.11, 94.87},
    {52.45, 42.04, 37.12, 34.02, 32.91, 32.11, 31.31, 30.51},
    {6.467, -7.992, -15.1, -19.64, -21.32, -22.5, -23.68, -24.88},
    {-5.321, -18.51, -25.35, -29.82, -31.53, -32.7, -33.89, -35.09},
    {-2.14, -11.72, -17.01, -20.57, -21.98, -22.94, -23.91, -24.89},
    {0.4266, -5.871, -9.586, -12.16, -13.21, -13.92, -14.63, -15.37},
    {0.3098, -3.771, -6.314, -8.12, -8.879, -9.381, -9.897, -10.43},
    {-0.2878, -2.964, -4.704, -5.964, -6.506, -6.861, -7.229, -7.608},
    {-0.3924, -2.141, -3.322, -4.193, -4.575, -4.824, -5.082, -5.35},
    {-0.2281, -1.348, -2.138, -2.731, -2.995, -3.167, -3.347, -3.533},
    {-0.09678, -0.8037, -1.328, -1.728, -1.909, -2.027, -2.149, -2.278},
    {-0.05047, -0.5002, -0.8503, -1.121, -1.246, -1.326, -1.411, -1.499},
    {-0.03811, -0.3324, -0.572, -0.7592, -0.8455, -0.9015, -0.9605, -1.022},
    {-0.02795, -0.2287, -0.3988, -0.5321, -0.5935, -0.6335, -0.6757, -0.7199},
    {-0.01743, -0.1614, -0.2878, -0.3865, -0.4317, -0.4614, -0.4926, -0.5253},
    {-0.01025, -0.1196, -0.2186, -0.2953, -0.3299, -0.3528, -0.377, -0.4022},
    {-0.006655, -0.09514, -0.1769, -0.2395, -0.2673, -0.2859, -0.3054, -0.3258},
    {-0.004951, -0.0808, -0.1516, -0.2053, -0.2287, -0.2445, -0.261, -0.2782},
};

struct Bends {
    double descent;
    double recovery;
};

AnchoredResponse Shape(int level, Bends bends) {
    const Level& target = Levels[level];
    AnchoredResponse shape;
    for (int i = 0; i < SampleCount; ++i) {
        shape.Pin(i * SampleStep, Samples[i][level]);
    }
    shape.Pin(PeakTime, target.peak);
    shape.Pin(target.deepestTime, target.deepest);
    shape.Pin(LastTime, target.last);
    shape.Pin(target.runningAreaTime + Step / 2, 0.0);
    shape.Bend(0, 16, {4, 8, 12}, OnsetExponent);
    shape.Bend(32, 48, {40}, bends.descent);
    shape.Bend(80, 96, {88}, bends.recovery);
    shape.Bend(96, 112, {104}, bends.recovery);
    return shape;
}

double Area(const std::vector<double>& values) { return Sum(values) * AreaPerValue; }

double LargestRunningArea(const std::vector<double>& values) {
    double sum = 0.0;
    double largest = 0.0;
    for (double value : values) {
        sum += value;
        largest = std::max(largest, sum);
    }
    return largest * AreaPerValue;
}

std::vector<double> LevelRow(int level) {
    const Level& target = Levels[level];
    Bends bends{1.0, 1.0};
    bends.descent = SolveMonotone(
        [&](double e) {
            return LargestRunningArea(Shape(level, {e, bends.recovery}).Sample(Step, PointCount));
        },
        0.0, 16.0, target.runningArea);
    bends.recovery = SolveMonotone(
        [&](double e) {
            return Area(Shape(level, {bends.descent, e}).Sample(Step, PointCount));
        },
        0.0, 16.0, target.area);
    return Shape(level, bends).Sample(Step, PointCount);
}

}  // namespace

std::vector<std::vector<double>> MakeDeEmphasisResponse() {
    std::vector<std::vector<double>> rows;
    for (int level = 0; level < LevelCount; ++level) {
        rows.push_back(PerSecond(LevelRow(level)));
    }
    return rows;
}

}  // namespace QuorvelZenth
