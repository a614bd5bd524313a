#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <initializer_list>

#include "DFModel.h"

namespace QuorvelZenth {

// Composite phases: every block is called, even after a false, and the
// result is the AND.
template <typename Blocks>
bool InitializeAll(const Blocks& blocks) {
    bool ok = true;
    for (DFModel* block : blocks) ok &= block->Initialize();
    return ok;
}

template <typename Blocks>
bool FinalizeAll(const Blocks& blocks) {
    bool ok = true;
    for (DFModel* block : blocks) ok &= block->Finalize();
    return ok;
}

inline bool InitializeAll(std::initializer_list<DFModel*> blocks) {
    return InitializeAll<std::initializer_list<DFModel*>>(blocks);
}

inline bool FinalizeAll(std::initializer_list<DFModel*> blocks) {
    return FinalizeAll<std::initializer_list<DFModel*>>(blocks);
}

// Member lists of sub-networks joined into one, in the given order.
template <std::size_t... Sizes>
std::array<DFModel*, (Sizes + ...)> JoinBlocks(const std::array<DFModel*, Sizes>&... parts) {
    std::array<DFModel*, (Sizes + ...)> all{};
    auto next = all.begin();
    ((next = std::copy(parts.begin(), parts.end(), next)), ...);
    return all;
}

}  // namespace QuorvelZenth
