#pragma once

#include <cstddef>
#include <cstring>
#include <limits>
#include <new>

namespace QuorvelZenth {

template <typename T>
class CircularBuffer;

// Operations every port buffer provides; see CircularBuffer.
template <typename T>
class CircularBufferBase {
public:
    virtual ~CircularBufferBase() = default;
    virtual void CopyTo(std::size_t sourceOffset, CircularBuffer<T>& destination,
                        std::size_t destinationOffset, std::size_t count) const = 0;
    virtual void CopyElements(const T* source, T* target, std::size_t count) const = 0;
    virtual bool ZeroFill(std::size_t offset, std::size_t count) = 0;
    virtual T* AllocateStorage(std::size_t count) const = 0;
    virtual void FreeStorage(T* pointer) = 0;
};

// A ring view onto element storage that the buffer does not own. A port
// buffer of a block points at a connection's storage, shared with the buffer
// at the other end; a block's internal history uses the same type over
// storage the block owns. Copies share the storage; destruction frees nothing.
//
// Offsets are relative to `position` and must stay below `capacity`: there
// is one conditional subtraction, no modulo, and no range check anywhere.
template <typename T>
class CircularBuffer final : public CircularBufferBase<T> {
public:
    std::size_t rate = 1;         // samples per firing through this port
    std::size_t minCapacity = 1;  // smallest storage the block needs
    bool reservedFlag = false;    // carried with the buffer; nothing reads it
    std::size_t elementSize = sizeof(T);
    std::size_t position = 0;  // storage index of relative offset 0
    T* data = nullptr;
    std::size_t capacity = 0;     // ring length
    bool reservedFlagSet = true;  // carried with the buffer; nothing reads it

    std::size_t Index(std::size_t offset) const {
        if (offset == 0) return position;
        std::size_t index = position + offset;
        if (index >= capacity) index -= capacity;
        return index;
    }

    T& operator[](std::size_t offset) { return data[Index(offset)]; }
    const T& operator[](std::size_t offset) const { return data[Index(offset)]; }

    // Copies in at most three contiguous moves when count fits both rings.
    void CopyTo(std::size_t sourceOffset, CircularBuffer<T>& destination,
                std::size_t destinationOffset, std::size_t count) const override {
        std::size_t source = Index(sourceOffset);
        std::size_t target = destination.Index(destinationOffset);
        if (count == 1) {
            destination.data[target] = data[source];
            return;
        }
        while (count > 0) {
            std::size_t chunk = capacity - source;
            if (destination.capacity - target < chunk) chunk = destination.capacity - target;
            if (count < chunk) chunk = count;
            CopyElements(data + source, destination.data + target, chunk);
            target += chunk;
            if (target == destination.capacity) target = 0;
            source += chunk;
            if (source == capacity) source = 0;
            count -= chunk;
        }
    }

    void CopyElements(const T* source, T* target, std::size_t count) const override {
        if (count > 0) std::memcpy(target, source, count * sizeof(T));
    }

    bool ZeroFill(std::size_t offset, std::size_t count) override {
        for (std::size_t i = 0; i < count; ++i) data[Index(offset + i)] = T();
        return true;
    }

    // Uninitialised storage; a size that would overflow asks for the largest
    // size instead, so it fails with std::bad_alloc rather than wrapping.
    T* AllocateStorage(std::size_t count) const override {
        const std::size_t largest = std::numeric_limits<std::size_t>::max();
        std::size_t bytes = count > largest / elementSize ? largest : count * elementSize;
        return static_cast<T*>(::operator new(bytes));
    }

    // With a pointer, frees that array only; with null, frees this buffer's
    // own storage and leaves the buffer empty.
    void FreeStorage(T* pointer) override {
        if (pointer != nullptr) {
            ::operator delete(pointer);
            return;
        }
        ::operator delete(data);
        data = nullptr;
        position = 0;
        capacity = 0;
    }

    // Points the buffer at `storage` of `length` elements, offset 0 at index 0.
    void Attach(T* storage, std::size_t length) {
        data = storage;
        capacity = length;
        position = 0;
    }

    // A block declaring that it moves `samples` per firing through this port.
    void DeclareRate(std::size_t samples) {
        rate = samples;
        if (minCapacity < samples) minCapacity = samples;
    }
};

extern template class CircularBuffer<double>;
extern template class CircularBuffer<int>;

}  // namespace QuorvelZenth
