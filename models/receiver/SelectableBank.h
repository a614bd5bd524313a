// Driving a selectable filter bank: a fork feeds every branch filter, every
// branch filters every sample, and a Mux passes on the branch chosen by the
// rounded level, optionally followed by a gain. The equaliser, bandwidth and
// de-emphasis banks share this shape; a bank names its parts `filters`,
// `levelRound`, `select`, `levelConst`, `fork` (and `gain`) and tells which
// Mux input each branch slot feeds.
#pragma once

#include <array>
#include <cstddef>
#include <type_traits>
#include <utility>

#include "CircularBuffer.h"
#include "DFModel.h"
#include "LinkStorage.h"
#include "TimeResponseFIR.h"

namespace QuorvelZenth {

template <typename Bank, typename = void>
struct BankHasGain : std::false_type {};
template <typename Bank>
struct BankHasGain<Bank, std::void_t<decltype(std::declval<Bank&>().gain)>> : std::true_type {};

template <typename Bank>
constexpr std::size_t BranchCount = std::tuple_size<decltype(Bank::filters)>::value;

// Frees the response and time-stamp copies a bank handed to a filter.
void ReleaseTableCopies(TimeResponseFIR& filter);

template <typename Bank>
void ReleaseTableCopies(Bank& bank) {
    for (TimeResponseFIR& filter : bank.filters) ReleaseTableCopies(filter);
}

// Gives one branch fresh copies of its response row and time stamps (the
// filter shifts the stamps in place) and sets it up.
bool SetupBranch(TimeResponseFIR& filter, const double* response, const double* timeStamps,
                 int count, double sampleRate);

// The bank's Setup: branch filters from rowOf(slot), then the selection
// blocks, every step run even after a failure.
template <typename Bank, typename RowOf>
bool SetupBank(Bank& bank, double level, RowOf rowOf, const double* timeStamps, int count) {
    constexpr std::size_t branches = BranchCount<Bank>;
    bank.InverseBitTime = 1.0 / bank.BitTime;
    const double sampleRate = bank.InverseBitTime * bank.SamplePerBit;
    bool ok = true;
    for (std::size_t slot = 0; slot < branches; ++slot) {
        ok &= SetupBranch(bank.filters[slot], rowOf(slot), timeStamps, count, sampleRate);
    }
    ok &= bank.levelRound.Setup();
    bank.select.BlockSize = 1;
    bank.select.inputs.SetSize(branches);
    ok &= bank.select.Setup();
    if constexpr (BankHasGain<Bank>::value) {
        bank.gain.GainValue = bank.BankGain;
        ok &= bank.gain.Setup();
    }
    bank.levelConst.InitialDelay = 0;
    bank.levelConst.Value = level;
    ok &= bank.levelConst.Setup();
    bank.fork.outputs.SetSize(branches);
    ok &= bank.fork.Setup();
    return ok;
}

template <typename Bank>
CircularBuffer<double>& BankInput(Bank& bank) {
    return bank.fork.input;
}

template <typename Bank>
CircularBuffer<double>& BankOutput(Bank& bank) {
    if constexpr (BankHasGain<Bank>::value) {
        return bank.gain.output;
    } else {
        return bank.select.output;
    }
}

template <typename Bank>
void ConnectBank(LinkStorage& links, Bank& bank) {
    for (std::size_t slot = 0; slot < BranchCount<Bank>; ++slot) {
        links.Connect(*bank.fork.outputs.GetBuffer(slot), bank.filters[slot].input);
        links.Connect(bank.filters[slot].output,
                      *bank.select.inputs.GetBuffer(Bank::SelectInput(slot)));
    }
    links.Connect(bank.levelConst.output, bank.levelRound.input);
    links.Attach(bank.levelRound.output);
    if constexpr (BankHasGain<Bank>::value) links.Connect(bank.select.output, bank.gain.input);
}

// The bank's blocks in member order, for Initialize and Finalize.
template <typename Bank>
auto BankMembers(Bank& bank) {
    constexpr std::size_t branches = BranchCount<Bank>;
    constexpr std::size_t gains = BankHasGain<Bank>::value ? 1 : 0;
    std::array<DFModel*, branches + 4 + gains> members{};
    std::size_t next = 0;
    for (TimeResponseFIR& filter : bank.filters) members[next++] = &filter;
    members[next++] = &bank.levelRound;
    members[next++] = &bank.select;
    if constexpr (BankHasGain<Bank>::value) members[next++] = &bank.gain;
    members[next++] = &bank.levelConst;
    members[next++] = &bank.fork;
    return members;
}

// One firing: fork, the branches from the last slot down, the level, the
// latched selection, then the gain.
template <typename Bank>
bool RunBank(Bank& bank) {
    constexpr std::size_t branches = BranchCount<Bank>;
    bool ok = bank.fork.Run();
    std::array<FIR<double, 0>*, branches> firingOrder;
    for (std::size_t i = 0; i < branches; ++i) firingOrder[i] = &bank.filters[branches - 1 - i];
    ok &= FIR<double, 0>::RunTogether(firingOrder.data(), branches);
    ok &= bank.levelConst.Run();
    ok &= bank.levelRound.Run();
    bank.select.control = bank.levelRound.output[0];
    ok &= bank.select.Run();
    if constexpr (BankHasGain<Bank>::value) ok &= bank.gain.Run();
    return ok;
}

}  // namespace QuorvelZenth
