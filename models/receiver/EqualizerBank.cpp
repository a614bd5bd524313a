#include "EqualizerBank.h"

#include "EqualizerTables.h"
#include "SelectableBank.h"

namespace QuorvelZenth {

EqualizerBank::EqualizerBank(int responseSet, double bankGain)
    : ResponseSet(responseSet), BankGain(bankGain) {}

bool EqualizerBank::Setup() {
    const auto& responses = EqualizerResponse[ResponseSet];
    return SetupBank(
        *this, EQ_Level, [&](std::size_t level) { return responses[level]; }, EqualizerTimeStamps,
        EqualizerPointCount);
}

}  // namespace QuorvelZenth
