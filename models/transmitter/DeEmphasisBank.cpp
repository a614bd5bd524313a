#include "DeEmphasisBank.h"

#include "DeEmphasisTables.h"
#include "SelectableBank.h"

namespace QuorvelZenth {

bool DeEmphasisBank::Setup() {
    return SetupBank(
        *this, DE_Level, [](std::size_t slot) { return DeResponse[LevelOfSlot(slot)]; },
        DeTimeStamps, DePointCount);
}

}  // namespace QuorvelZenth
