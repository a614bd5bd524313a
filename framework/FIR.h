#pragma once

#include <cstddef>
#include <cstdint>

#include "CircularBuffer.h"
#include "DFModel.h"
#include "Export.h"

namespace QuorvelZenth {

// Multirate FIR filter in polyphase form. Per firing it consumes Decimation
// input samples and produces Interpolation outputs: the input zero-stuffed
// by Interpolation, filtered with Taps and kept every Decimation-th sample
// from DecimationPhase on. Past inputs live in a ring (`history`) of
// TapCount / Interpolation + Decimation + 1 samples owned by the block.
//
// Each output is summed in order of increasing tap index, every product
// rounded before it is added, so all builds produce the same bits.
//
// Only FIR<double, 0> is instantiated; the integer parameter has no meaning
// yet and is kept for the framework's decorated names.
template <typename T, int Variant>
class QZ_EXPORT FIR : public DFModel {
public:
    CircularBuffer<T> input;
    CircularBuffer<T> output;
    CircularBuffer<T> history;
    T* historyStorage = nullptr;  // owned; the storage of `history`
    T* Taps = nullptr;            // not owned
    std::int32_t TapCount = 0;
    std::int32_t Decimation = 1;
    std::int32_t DecimationPhase = 0;
    std::int32_t Interpolation = 1;
    std::int32_t tapsPerPhase = 0;  // taps of one polyphase branch, set by Setup

    FIR();
    // A copy gets its own history ring with the same contents; Taps is shared.
    FIR(const FIR& other);
    FIR& operator=(const FIR& other);
    ~FIR() override;

    bool Setup() override;
    bool Initialize() override;
    bool Run() override;
    bool Finalize() override;

    // Fires each filter once, in the given order, exactly as its own Run
    // would, and returns the AND. A bank's branches are single-rate filters
    // of one length fed side by side: their sums are independent, so they
    // are computed four at a time for the processor to overlap, while each
    // sum still runs in tap order with every product rounded first.
    static bool RunTogether(FIR* const* filters, std::size_t count);

private:
    static T* DuplicateHistory(const FIR& source);
    void AdoptHistory(T* storage, std::size_t capacity, std::size_t position);
    void ReleaseHistory();
    void RunSingleRate();
    void RunMultirate();
    // Whether `next` can be computed alongside the filters `group` holds.
    static bool JoinsGroup(const FIR& next, FIR* const* group, std::size_t size);
    static void RunGroup(FIR* const* group, std::size_t size);
};

extern template class FIR<double, 0>;

}  // namespace QuorvelZenth
