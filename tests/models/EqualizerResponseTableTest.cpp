#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "EqualizerTables.h"
#include "ResponseTableFile.h"

using namespace QuorvelZenth;

namespace {

constexpr double Step = 8e-12;
constexpr double PerNs = 1e9;

using Table = std::vector<std::vector<double>>;

const Table& File() {
    static const Table table = ReadResponseTable(QZ_EQUALIZER_RESPONSE_CSV);
    return table;
}

const std::vector<double>& Row(int set, int level) {
    return File().at(static_cast<std::size_t>(set * EqualizerLevelCount + level));
}

struct LevelCharacter {
    int set, level;
    double area;
    double peak;  // 1/ns
    int peakPs;
};

const LevelCharacter Levels[] = {
    {0, 0, 1.341, 30.53, 72},  {0, 1, 1.347, 45.01, 72},  {0, 2, 1.379, 53.32, 72},
    {0, 3, 1.405, 58.94, 72},  {0, 4, 1.381, 91.66, 72},  {0, 5, 1.320, 108.1, 72},
    {0, 6, 1.361, 110.5, 80},  {0, 7, 1.332, 127.0, 80},  {0, 8, 1.293, 161.3, 72},
    {0, 9, 1.287, 193.4, 80},  {0, 10, 1.230, 236.6, 80}, {0, 11, 1.177, 267.3, 80},
    {0, 12, 1.181, 332.1, 80}, {0, 13, 1.091, 396.8, 80}, {0, 14, 1.001, 472.2, 80},
    {0, 15, 0.906, 528.5, 80}, {1, 0, 0.379, 10.36, 64},  {1, 1, 0.380, 15.59, 64},
    {1, 2, 0.387, 18.31, 64},  {1, 3, 0.394, 20.16, 64},  {1, 4, 0.383, 31.57, 64},
    {1, 5, 0.374, 37.95, 64},  {1, 6, 0.380, 38.68, 72},  {1, 7, 0.373, 44.19, 72},
    {1, 8, 0.365, 56.16, 64},  {1, 9, 0.359, 68.24, 72},  {1, 10, 0.343, 81.98, 72},
    {1, 11, 0.331, 92.02, 72}, {1, 12, 0.312, 114.2, 72}, {1, 13, 0.304, 136.8, 72},
    {1, 14, 0.278, 161.1, 80}, {1, 15, 0.259, 182.1, 80},
};

struct SampledLevel {
    int set, level;
    double every64Ps[10];  // 1/ns at 0, 64, ... 576 ps
    double deepest;        // 1/ns
    int deepestPs;
};

const SampledLevel Sampled[] = {
    {0,
     0,
     {-0.5197, 27.68, 5.36, -3.601, -1.617, -0.7996, -0.47, -0.3387, -0.2729, -0.23},
     -3.766,
     184},
    {0,
     8,
     {1.227, 143.9, -104.1, 0.7792, 4.746, -2.522, -1.115, -0.8544, -0.6678, -0.5155},
     -108.8,
     136},
    {0, 15, {2.015, 352.6, -196, -295, 114.9, 42.76, -8.955, -7.195, -1.444, 0.0162}, -508.7, 160},
    {1,
     0,
     {-0.294, 10.36, -0.07164, -1.139, -0.3844, -0.1924, -0.12, -0.091, -0.07512, -0.06393},
     -1.59,
     160},
    {1,
     8,
     {0.2561, 56.16, -40.82, 5.79, 0.6012, -0.7951, -0.275, -0.2305, -0.1806, -0.1391},
     -40.82,
     128},
    {1,
     15,
     {0.8409, 147.7, -119.7, -61.81, 44.42, 7.379, -4.282, -1.816, -0.156, 0.06384},
     -177.5,
     152},
};

int IndexOf(int picoseconds) { return picoseconds / 8; }

TEST(EqualizerResponseTable, HoldsTwoSetsOfSixteenLevelsOfEightyValues) {
    ASSERT_EQ(File().size(), static_cast<std::size_t>(EqualizerSetCount * EqualizerLevelCount));
    for (std::size_t row = 0; row < File().size(); ++row) {
        EXPECT_EQ(File()[row].size(), static_cast<std::size_t>(EqualizerPointCount))
            << "row " << row;
    }
}

TEST(EqualizerResponseTable, EveryLevelHasItsAreaAndPeak) {
    for (const LevelCharacter& c : Levels) {
        const std::vector<double>& row = Row(c.set, c.level);
        const RowExtreme peak = Largest(row);
        const double area = Area(row, Step);
        EXPECT_TRUE(Near(area, c.area, 0.005)) << "set " << c.set << " level " << c.level
                                               << ": area " << area << ", expected " << c.area;
        EXPECT_TRUE(Near(peak.value, c.peak * PerNs, 0.01))
            << "set " << c.set << " level " << c.level << ": peak " << peak.value << ", expected "
            << c.peak * PerNs;
        EXPECT_EQ(peak.index, IndexOf(c.peakPs))
            << "set " << c.set << " level " << c.level << ": peak at the wrong time";
    }
}

TEST(EqualizerResponseTable, SampledLevelsPassThroughTheirSamplesAndTrough) {
    for (const SampledLevel& c : Sampled) {
        const std::vector<double>& row = Row(c.set, c.level);
        for (int i = 0; i < 10; ++i) {
            const double actual = row[static_cast<std::size_t>(IndexOf(64 * i))];
            EXPECT_TRUE(Near(actual, c.every64Ps[i] * PerNs, 0.02, 0.02 * PerNs))
                << "set " << c.set << " level " << c.level << " at " << 64 * i << " ps: " << actual;
        }
        const RowExtreme deepest = Deepest(row);
        EXPECT_TRUE(Near(deepest.value, c.deepest * PerNs, 0.02))
            << "set " << c.set << " level " << c.level << ": deepest " << deepest.value
            << ", expected " << c.deepest * PerNs;
        EXPECT_EQ(deepest.index, IndexOf(c.deepestPs))
            << "set " << c.set << " level " << c.level << ": deepest at the wrong time";
    }
}

TEST(EqualizerResponseTable, NoRowZigZags) {
    for (const LevelCharacter& c : Levels) {
        EXPECT_LE(DirectionChanges(Row(c.set, c.level)), 8)
            << "set " << c.set << " level " << c.level;
    }
}

// The low-gain set passes about 0.28 of the other set's low frequencies.
TEST(EqualizerResponseTable, SetOneHasAboutAQuarterOfTheGain) {
    for (int level = 0; level < EqualizerLevelCount; ++level) {
        const double ratio = Area(Row(1, level), Step) / Area(Row(0, level), Step);
        EXPECT_NEAR(ratio, 0.28, 0.025) << "level " << level;
    }
}

// Seen relative to its peak, each level differs from the next by less than
// half the peak at any time: a family, not a set of unrelated responses.
TEST(EqualizerResponseTable, NeighbouringLevelsHaveSimilarShapes) {
    for (int set = 0; set < EqualizerSetCount; ++set) {
        for (int level = 0; level + 1 < EqualizerLevelCount; ++level) {
            const std::vector<double>& lower = Row(set, level);
            const std::vector<double>& upper = Row(set, level + 1);
            const double lowerPeak = Largest(lower).value;
            const double upperPeak = Largest(upper).value;
            for (std::size_t k = 0; k < lower.size(); ++k) {
                ASSERT_LT(std::fabs(lower[k] / lowerPeak - upper[k] / upperPeak), 0.5)
                    << "set " << set << " levels " << level << " and " << level + 1 << " at "
                    << k * 8 << " ps";
            }
        }
    }
}

TEST(EqualizerResponseTable, LibraryCarriesTheFile) {
    // Numerator and denominator are exact, so this is k x 8 ps rounded once.
    for (int k = 0; k < EqualizerPointCount; ++k) {
        EXPECT_EQ(EqualizerTimeStamps[k], k * 8.0 / 1e12) << "k " << k;
    }
    for (int set = 0; set < EqualizerSetCount; ++set) {
        for (int level = 0; level < EqualizerLevelCount; ++level) {
            for (int k = 0; k < EqualizerPointCount; ++k) {
                ASSERT_EQ(EqualizerResponse[set][level][k], Row(set, level).at(k))
                    << "set " << set << " level " << level << " value " << k;
            }
        }
    }
}

}  // namespace
