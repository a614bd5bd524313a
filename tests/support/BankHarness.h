// A filter bank wired on its own, the way its owning model wires it.
#pragma once

#include "CircularBuffer.h"
#include "Lifecycle.h"
#include "LinkStorage.h"
#include "SelectableBank.h"

namespace QuorvelZenthTest {

template <typename Bank>
struct BankHarness {
    explicit BankHarness(Bank& bankUnderTest) : bank(bankUnderTest) {}
    ~BankHarness() {
        QuorvelZenth::FinalizeAll(QuorvelZenth::BankMembers(bank));
        QuorvelZenth::ReleaseTableCopies(bank);
    }

    // Setup, connections and Initialize; true when all succeeded.
    bool Prepare() {
        bool ok = bank.Setup();
        links.Connect(source, QuorvelZenth::BankInput(bank));
        QuorvelZenth::ConnectBank(links, bank);
        links.Connect(QuorvelZenth::BankOutput(bank), sink);
        ok &= QuorvelZenth::InitializeAll(QuorvelZenth::BankMembers(bank));
        return ok;
    }

    bool Fire(double sample) {
        source[0] = sample;
        return QuorvelZenth::RunBank(bank);
    }

    Bank& bank;
    QuorvelZenth::LinkStorage links;
    QuorvelZenth::CircularBuffer<double> source;
    QuorvelZenth::CircularBuffer<double> sink;
};

}  // namespace QuorvelZenthTest
