#include <gtest/gtest.h>

#include <vector>

#include "DeEmphasisTables.h"
#include "ResponseTableFile.h"

using namespace QuorvelZenth;

namespace {

constexpr double Step = 4e-12;
constexpr double PerNs = 1e9;

using Table = std::vector<std::vector<double>>;

const Table& File() {
    static const Table table = ReadResponseTable(QZ_DE_RESPONSE_CSV);
    return table;
}

const std::vector<double>& Row(int level) { return File().at(static_cast<std::size_t>(level)); }

int IndexOf(int picoseconds) { return picoseconds / 4; }

struct LevelCharacter {
    double first;  // 1/ns at 0 ps
    double peak;   // 1/ns at 28 ps
    double deepest;
    int deepestPs;
    double last;  // 1/ns at 316 ps
    double area;
    double runningArea;
    int runningAreaPs;
};

const LevelCharacter Levels[DeLevelCount] = {
    {0.04733, 102.0, -5.321, 80, -0.004166, 3.2468, 3.3711, 68},
    {0.03499, 100.1, -18.59, 76, -0.07385, 2.1423, 3.0363, 60},
    {0.03164, 99.23, -25.67, 76, -0.1392, 1.5444, 2.9161, 56},
    {0.02973, 98.68, -30.27, 76, -0.1883, 1.1438, 2.8419, 56},
    {0.02890, 98.49, -32.02, 76, -0.2095, 0.9862, 2.8153, 56},
    {0.02849, 98.35, -33.23, 76, -0.2238, 0.8788, 2.7999, 52},
    {0.02805, 98.21, -34.44, 76, -0.2388, 0.7694, 2.7849, 52},
    {0.02777, 98.07, -35.67, 76, -0.2544, 0.6582, 2.7700, 52},
};

// 1/ns every 16 ps from 0 to 304 ps; one column per DE level.
const double Every16Ps[20][DeLevelCount] = {
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

TEST(DeResponseTable, HoldsEightLevelsOfEightyValues) {
    ASSERT_EQ(File().size(), static_cast<std::size_t>(DeLevelCount));
    for (int level = 0; level < DeLevelCount; ++level) {
        EXPECT_EQ(Row(level).size(), static_cast<std::size_t>(DePointCount)) << "level " << level;
    }
}

TEST(DeResponseTable, EveryLevelHasItsEndsLobesAndAreas) {
    for (int level = 0; level < DeLevelCount; ++level) {
        const LevelCharacter& c = Levels[level];
        const std::vector<double>& row = Row(level);
        const RowExtreme peak = Largest(row);
        const RowExtreme deepest = Deepest(row);
        const RowExtreme running = LargestRunningArea(row, Step);
        const double area = Area(row, Step);
        EXPECT_TRUE(Near(row.front(), c.first * PerNs, 0.02)) << "level " << level << ": at 0 ps";
        EXPECT_TRUE(Near(row.back(), c.last * PerNs, 0.02)) << "level " << level << ": at 316 ps";
        EXPECT_TRUE(Near(peak.value, c.peak * PerNs, 0.01)) << "level " << level << ": peak";
        EXPECT_EQ(peak.index, IndexOf(28)) << "level " << level << ": peak at the wrong time";
        EXPECT_TRUE(Near(deepest.value, c.deepest * PerNs, 0.02))
            << "level " << level << ": deepest";
        EXPECT_EQ(deepest.index, IndexOf(c.deepestPs))
            << "level " << level << ": deepest at the wrong time";
        EXPECT_TRUE(Near(area, c.area, 0.005)) << "level " << level << ": area " << area;
        EXPECT_TRUE(Near(running.value, c.runningArea, 0.005))
            << "level " << level << ": largest running area " << running.value;
        EXPECT_EQ(running.index, IndexOf(c.runningAreaPs))
            << "level " << level << ": largest running area at the wrong time";
    }
}

TEST(DeResponseTable, EveryLevelPassesThroughItsSixteenPsSamples) {
    for (int level = 0; level < DeLevelCount; ++level) {
        for (int i = 0; i < 20; ++i) {
            const double actual = Row(level)[static_cast<std::size_t>(IndexOf(16 * i))];
            EXPECT_TRUE(Near(actual, Every16Ps[i][level] * PerNs, 0.02, 0.01 * PerNs))
                << "level " << level << " at " << 16 * i << " ps: " << actual;
        }
    }
}

TEST(DeResponseTable, NoRowZigZags) {
    for (int level = 0; level < DeLevelCount; ++level) {
        EXPECT_LE(DirectionChanges(Row(level)), 6) << "level " << level;
    }
}

// Stronger de-emphasis digs a deeper negative lobe and leaves less low-
// frequency gain, level after level, on the same main lobe.
TEST(DeResponseTable, DeEmphasisGrowsWithTheLevel) {
    for (int level = 1; level < DeLevelCount; ++level) {
        EXPECT_LT(Deepest(Row(level)).value, Deepest(Row(level - 1)).value) << "level " << level;
        EXPECT_LT(Area(Row(level), Step), Area(Row(level - 1), Step)) << "level " << level;
        EXPECT_NEAR(Largest(Row(level)).value / Largest(Row(0)).value, 1.0, 0.05)
            << "level " << level;
    }
}

TEST(DeResponseTable, LibraryCarriesTheFile) {
    // Numerator and denominator are exact, so this is k x 4 ps rounded once.
    for (int k = 0; k < DePointCount; ++k) {
        EXPECT_EQ(DeTimeStamps[k], k * 4.0 / 1e12) << "k " << k;
    }
    for (int level = 0; level < DeLevelCount; ++level) {
        for (int k = 0; k < DePointCount; ++k) {
            ASSERT_EQ(DeResponse[level][k], Row(level).at(static_cast<std::size_t>(k)))
                << "level " << level << " value " << k;
        }
    }
}

}  // namespace
