// What the transmitter's two swing stages share: eight pre-gain branches
// selected by Mux A, eight swing branches selected by Mux B, both by the
// rounded VOD_Level. The sixteen branch gains are members in a fixed order;
// SwingBranchOrder says which table entry each one carries.
#pragma once

#include <array>
#include <cstddef>

#include "Gain.h"
#include "LinkStorage.h"
#include "SwingGains.h"

namespace QuorvelZenth {

enum class SwingTable { Pre, Swing };

struct SwingBranch {
    SwingTable table;
    int level;
};

// Member order: the fourteen of branchGains, then swingGain0, then preGain0.
constexpr std::array<SwingBranch, 16> SwingBranchOrder = {{
    {SwingTable::Swing, 2},
    {SwingTable::Swing, 3},
    {SwingTable::Swing, 6},
    {SwingTable::Swing, 7},
    {SwingTable::Swing, 1},
    {SwingTable::Pre, 7},
    {SwingTable::Pre, 6},
    {SwingTable::Pre, 5},
    {SwingTable::Pre, 3},
    {SwingTable::Pre, 2},
    {SwingTable::Pre, 1},
    {SwingTable::Pre, 4},
    {SwingTable::Swing, 5},
    {SwingTable::Swing, 4},
    {SwingTable::Swing, 0},
    {SwingTable::Pre, 0},
}};

constexpr std::array<std::size_t, 8> MembersOf(SwingTable table) {
    std::array<std::size_t, 8> members{};
    for (std::size_t member = 0; member < SwingBranchOrder.size(); ++member) {
        if (SwingBranchOrder[member].table == table) {
            members[static_cast<std::size_t>(SwingBranchOrder[member].level)] = member;
        }
    }
    return members;
}

// Member index of the branch carrying PreGain[v] / SwingGain[v].
constexpr std::array<std::size_t, 8> PreGainMembers = MembersOf(SwingTable::Pre);
constexpr std::array<std::size_t, 8> SwingGainMembers = MembersOf(SwingTable::Swing);

template <typename Stage>
Gain<double>& BranchGain(Stage& stage, std::size_t member) {
    if (member < stage.branchGains.size()) return stage.branchGains[member];
    return member == stage.branchGains.size() ? stage.swingGain0 : stage.preGain0;
}

template <typename Stage>
Gain<double>& BranchGain(Stage& stage, SwingTable table, int level) {
    const auto& members = table == SwingTable::Pre ? PreGainMembers : SwingGainMembers;
    return BranchGain(stage, members[static_cast<std::size_t>(level)]);
}

template <typename Stage>
bool SetupSwingBranches(Stage& stage) {
    bool ok = true;
    for (std::size_t member = 0; member < SwingBranchOrder.size(); ++member) {
        const SwingBranch branch = SwingBranchOrder[member];
        Gain<double>& gain = BranchGain(stage, member);
        gain.GainValue =
            branch.table == SwingTable::Pre ? PreGain[branch.level] : SwingGain[branch.level];
        ok &= gain.Setup();
    }
    return ok;
}

template <typename Mux>
bool SetupEightInputMux(Mux& mux) {
    mux.BlockSize = 1;
    mux.inputs.SetSize(8);
    return mux.Setup();
}

template <typename Fork>
bool SetupEightOutputFork(Fork& fork) {
    fork.outputs.SetSize(8);
    return fork.Setup();
}

template <typename Stage>
bool SetupLevelSources(Stage& stage) {
    bool ok = true;
    for (auto* source : {&stage.constA, &stage.constB}) {
        source->InitialDelay = 0;
        source->Value = stage.VOD_Level;
        ok &= source->Setup();
    }
    return ok;
}

// Everything but the link from Mux A to Fork A, which differs by stage.
template <typename Stage>
void ConnectSwingBranches(LinkStorage& links, Stage& stage) {
    for (int level = 0; level < 8; ++level) {
        Gain<double>& pre = BranchGain(stage, SwingTable::Pre, level);
        links.Connect(*stage.forkB.outputs.GetBuffer(level), pre.input);
        links.Connect(pre.output, *stage.muxA.inputs.GetBuffer(level));
        Gain<double>& swing = BranchGain(stage, SwingTable::Swing, level);
        links.Connect(*stage.forkA.outputs.GetBuffer(level), swing.input);
        links.Connect(swing.output, *stage.muxB.inputs.GetBuffer(level));
    }
    links.Connect(stage.constA.output, stage.roundB.input);
    links.Attach(stage.roundB.output);
    links.Connect(stage.constB.output, stage.roundA.input);
    links.Attach(stage.roundA.output);
}

// Fork B, the pre-gain branches and their selection by Mux A.
template <typename Stage>
bool RunPreBranches(Stage& stage) {
    bool ok = stage.forkB.Run();
    for (int level = 0; level < 8; ++level) ok &= BranchGain(stage, SwingTable::Pre, level).Run();
    ok &= stage.constA.Run();
    ok &= stage.roundB.Run();
    stage.muxA.control = stage.roundB.output[0];
    ok &= stage.muxA.Run();
    return ok;
}

// Fork A, the swing branches and their selection by Mux B.
template <typename Stage>
bool RunSwingBranches(Stage& stage) {
    bool ok = stage.forkA.Run();
    for (int level = 0; level < 8; ++level) ok &= BranchGain(stage, SwingTable::Swing, level).Run();
    ok &= stage.constB.Run();
    ok &= stage.roundA.Run();
    stage.muxB.control = stage.roundA.output[0];
    ok &= stage.muxB.Run();
    return ok;
}

}  // namespace QuorvelZenth
