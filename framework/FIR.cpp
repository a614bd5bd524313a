#include "FIR.h"

#include <algorithm>
#include <cstddef>

#include "DFErrorHandler.h"

namespace QuorvelZenth {

namespace {

// sum over k < count of taps[k * stride] * ring[newest - k], with the ring
// index wrapping once from 0 to capacity - 1. The loop is split at the wrap
// so the inner loops carry no ring arithmetic; the sum still runs in order
// of increasing k, each product rounded before it is added.
template <bool UnitStride, typename T>
inline T BackwardDot(const T* taps, std::size_t stride, std::size_t count, const T* ring,
                     std::size_t capacity, std::size_t newest) {
    const std::size_t step = UnitStride ? 1 : stride;
    T sum = T();
    const std::size_t beforeWrap = std::min(count, newest + 1);
    const T* window = ring + newest;
    for (std::size_t k = 0; k < beforeWrap; ++k) {
        const T product = taps[k * step] * window[-static_cast<std::ptrdiff_t>(k)];
        sum += product;
    }
    const T* tail = ring + (capacity - 1);
    const T* tailTaps = taps + beforeWrap * step;
    for (std::size_t k = 0; k < count - beforeWrap; ++k) {
        const T product = tailTaps[k * step] * tail[-static_cast<std::ptrdiff_t>(k)];
        sum += product;
    }
    return sum;
}

// BackwardDot of up to four single-rate filters whose rings share capacity
// and newest index: one independent sum per lane, each in order of k.
template <std::size_t Lanes, typename T>
inline void BackwardDots(const T* const* taps, const T* const* rings, std::size_t count,
                         std::size_t capacity, std::size_t newest, T* sums) {
    T sum[Lanes] = {};
    const std::size_t beforeWrap = std::min(count, newest + 1);
    for (std::size_t k = 0; k < beforeWrap; ++k) {
        for (std::size_t lane = 0; lane < Lanes; ++lane) {
            const T product = taps[lane][k] * rings[lane][newest - k];
            sum[lane] += product;
        }
    }
    const std::size_t tail = capacity - 1 + beforeWrap;
    for (std::size_t k = beforeWrap; k < count; ++k) {
        for (std::size_t lane = 0; lane < Lanes; ++lane) {
            const T product = taps[lane][k] * rings[lane][tail - k];
            sum[lane] += product;
        }
    }
    std::copy(sum, sum + Lanes, sums);
}

constexpr std::size_t MaxLanes = 4;

}  // namespace

template <typename T, int Variant>
FIR<T, Variant>::FIR() = default;

template <typename T, int Variant>
FIR<T, Variant>::FIR(const FIR& other)
    : DFModel(other),
      input(other.input),
      output(other.output),
      history(other.history),
      Taps(other.Taps),
      TapCount(other.TapCount),
      Decimation(other.Decimation),
      DecimationPhase(other.DecimationPhase),
      Interpolation(other.Interpolation),
      tapsPerPhase(other.tapsPerPhase) {
    AdoptHistory(DuplicateHistory(other), other.history.capacity, other.history.position);
}

template <typename T, int Variant>
FIR<T, Variant>& FIR<T, Variant>::operator=(const FIR& other) {
    if (this == &other) return *this;
    T* storage = DuplicateHistory(other);  // before anything changes, should it throw
    DFModel::operator=(other);
    input = other.input;
    output = other.output;
    history = other.history;
    Taps = other.Taps;
    TapCount = other.TapCount;
    Decimation = other.Decimation;
    DecimationPhase = other.DecimationPhase;
    Interpolation = other.Interpolation;
    tapsPerPhase = other.tapsPerPhase;
    AdoptHistory(storage, other.history.capacity, other.history.position);
    return *this;
}

template <typename T, int Variant>
FIR<T, Variant>::~FIR() {
    ReleaseHistory();
}

template <typename T, int Variant>
bool FIR<T, Variant>::Setup() {
    bool valid = true;
    auto check = [this, &valid](bool holds, const char* message) {
        if (holds) return;
        DFErrorHandler::PostError(this, message);
        valid = false;
    };
    check(TapCount >= 1, "There must be at least one Tap");
    check(Decimation >= 1, "Decimation must be > 0");
    check(DecimationPhase >= 0, "DecimationPhase must be >= 0");
    check(DecimationPhase < Decimation, "DecimationPhase must be < Decimation ratio");
    check(Interpolation >= 1, "Interpolation must be > 0");
    if (!valid) return false;

    const auto decimation = static_cast<std::size_t>(Decimation);
    input.DeclareRate(decimation);
    output.DeclareRate(static_cast<std::size_t>(Interpolation));
    history.minCapacity = static_cast<std::size_t>(TapCount / Interpolation) + decimation + 1;
    history.rate = decimation;
    tapsPerPhase = TapCount / Interpolation + (TapCount % Interpolation != 0 ? 1 : 0);
    return true;
}

template <typename T, int Variant>
bool FIR<T, Variant>::Initialize() {
    const std::size_t capacity = history.minCapacity;
    AdoptHistory(history.AllocateStorage(capacity), capacity, 0);
    history.ZeroFill(0, capacity);
    return true;
}

template <typename T, int Variant>
bool FIR<T, Variant>::Run() {
    if (Decimation == 1 && Interpolation == 1) {
        RunSingleRate();
    } else {
        RunMultirate();
    }
    return true;
}

template <typename T, int Variant>
bool FIR<T, Variant>::Finalize() {
    ReleaseHistory();
    return true;
}

// The newest sample goes to ring offset R - 1, and the output is the
// convolution of all taps with the ring read backwards from there.
template <typename T, int Variant>
void FIR<T, Variant>::RunSingleRate() {
    const std::size_t capacity = history.capacity;
    const std::size_t position = history.position;
    const std::size_t newest = position == 0 ? capacity - 1 : position - 1;
    history.data[newest] = input[0];
    output[0] = BackwardDot<true>(Taps, 1, static_cast<std::size_t>(TapCount), history.data,
                                  capacity, newest);
    history.position = position + 1 == capacity ? 0 : position + 1;
}

// Inputs go to ring offsets R - D .. R - 1. After input j (0-based) every
// phase below L yields one output from the polyphase branch starting at tap
// `phase`, whose newest sample is input j; zero-stuffed positions are never
// visited.
template <typename T, int Variant>
void FIR<T, Variant>::RunMultirate() {
    const auto decimation = static_cast<std::size_t>(Decimation);
    const auto interpolation = static_cast<std::size_t>(Interpolation);
    const auto tapCount = static_cast<std::size_t>(TapCount);
    const auto branchLength = static_cast<std::size_t>(tapsPerPhase);
    const std::size_t capacity = history.capacity;
    T* const ring = history.data;

    std::size_t oldestNew = history.Index(capacity - decimation);
    for (std::size_t i = 0, slot = oldestNew; i < decimation; ++i) {
        ring[slot] = input[i];
        if (++slot == capacity) slot = 0;
    }

    std::size_t outputOffset = 0;
    std::size_t phase = static_cast<std::size_t>(DecimationPhase);
    for (std::size_t j = 0, newest = oldestNew; j < decimation; ++j) {
        for (; phase < interpolation; phase += decimation, ++outputOffset) {
            T sum = T();
            if (phase < tapCount) {
                const std::size_t count =
                    std::min(branchLength, (tapCount - 1 - phase) / interpolation + 1);
                sum =
                    BackwardDot<false>(Taps + phase, interpolation, count, ring, capacity, newest);
            }
            output[outputOffset] = sum;
        }
        phase -= interpolation;
        if (++newest == capacity) newest = 0;
    }

    std::size_t position = history.position + decimation;
    if (position >= capacity) position -= capacity;
    history.position = position;
}

template <typename T, int Variant>
bool FIR<T, Variant>::RunTogether(FIR* const* filters, std::size_t count) {
    bool ok = true;
    for (std::size_t first = 0; first < count;) {
        std::size_t size = 1;
        while (size < MaxLanes && first + size < count &&
               JoinsGroup(*filters[first + size], filters + first, size)) {
            ++size;
        }
        if (size == 1) {
            ok &= filters[first]->Run();
        } else {
            RunGroup(filters + first, size);
        }
        first += size;
    }
    return ok;
}

// Same shape and ring state as the group, and no input that a filter before
// it in the group writes (sequential firing would let it see that output).
template <typename T, int Variant>
bool FIR<T, Variant>::JoinsGroup(const FIR& next, FIR* const* group, std::size_t size) {
    const FIR& leader = *group[0];
    auto singleRate = [](const FIR& filter) {
        return filter.Decimation == 1 && filter.Interpolation == 1;
    };
    if (!singleRate(next) || !singleRate(leader) || next.TapCount != leader.TapCount ||
        next.history.capacity != leader.history.capacity ||
        next.history.position != leader.history.position) {
        return false;
    }
    for (std::size_t i = 0; i < size; ++i) {
        if (&next.input[0] == &group[i]->output[0]) return false;
    }
    return true;
}

template <typename T, int Variant>
void FIR<T, Variant>::RunGroup(FIR* const* group, std::size_t size) {
    const std::size_t capacity = group[0]->history.capacity;
    const std::size_t position = group[0]->history.position;
    const std::size_t newest = position == 0 ? capacity - 1 : position - 1;
    const T* taps[MaxLanes] = {};
    const T* rings[MaxLanes] = {};
    for (std::size_t lane = 0; lane < size; ++lane) {
        FIR& filter = *group[lane];
        filter.history.data[newest] = filter.input[0];
        taps[lane] = filter.Taps;
        rings[lane] = filter.history.data;
    }
    T sums[MaxLanes];
    const auto count = static_cast<std::size_t>(group[0]->TapCount);
    switch (size) {
        case 2:
            BackwardDots<2>(taps, rings, count, capacity, newest, sums);
            break;
        case 3:
            BackwardDots<3>(taps, rings, count, capacity, newest, sums);
            break;
        default:
            BackwardDots<4>(taps, rings, count, capacity, newest, sums);
            break;
    }
    for (std::size_t lane = 0; lane < size; ++lane) {
        group[lane]->output[0] = sums[lane];
        group[lane]->history.position = position + 1 == capacity ? 0 : position + 1;
    }
}

template <typename T, int Variant>
T* FIR<T, Variant>::DuplicateHistory(const FIR& source) {
    if (source.historyStorage == nullptr) return nullptr;
    const std::size_t capacity = source.history.capacity;
    T* storage = source.history.AllocateStorage(capacity);
    source.history.CopyElements(source.historyStorage, storage, capacity);
    return storage;
}

template <typename T, int Variant>
void FIR<T, Variant>::AdoptHistory(T* storage, std::size_t capacity, std::size_t position) {
    ReleaseHistory();
    historyStorage = storage;
    if (storage != nullptr) history.Attach(storage, capacity);
    history.position = storage != nullptr ? position : 0;
}

// Leaves `history` empty as well, so nothing points at freed storage.
template <typename T, int Variant>
void FIR<T, Variant>::ReleaseHistory() {
    if (historyStorage != nullptr) history.FreeStorage(historyStorage);
    historyStorage = nullptr;
    history.Attach(nullptr, 0);
}

template class FIR<double, 0>;

}  // namespace QuorvelZenth
