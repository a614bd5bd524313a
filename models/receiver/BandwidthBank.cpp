#include "BandwidthBank.h"

#include "BandwidthTables.h"
#include "SelectableBank.h"

namespace QuorvelZenth {

BandwidthBank::BandwidthBank() : BandwidthLevel(QZ_BANDWIDTH_DEFAULT_LEVEL) {}

bool BandwidthBank::Setup() {
    const BandwidthTable& table = BandwidthTables();
    return SetupBank(
        *this, BandwidthLevel, [&](std::size_t level) { return table.response[level].data(); },
        table.timeStamps.data(), BandwidthPointCount);
}

}  // namespace QuorvelZenth
