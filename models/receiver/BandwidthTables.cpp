#include "BandwidthTables.h"

#include <cmath>

namespace QuorvelZenth {

namespace {

BandwidthTable MakeBandwidthTable() {
    const double twoPi = 6.283185307179586;
    const double cornerFrequencies[BandwidthLevelCount] = {5e9, 7.5e9, 10e9, 12.5e9, 15e9, 17.5e9};
    BandwidthTable table{};
    for (int k = 0; k < BandwidthPointCount; ++k) table.timeStamps[k] = k * 1e-12;
    for (int level = 0; level < BandwidthLevelCount; ++level) {
        const double w = twoPi * cornerFrequencies[level];
        for (int k = 0; k < BandwidthPointCount; ++k) {
            table.response[level][k] = w * std::exp(-w * table.timeStamps[k]);
        }
    }
    return table;
}

}  // namespace

const BandwidthTable& BandwidthTables() {
    static const BandwidthTable table = MakeBandwidthTable();
    return table;
}

}  // namespace QuorvelZenth
