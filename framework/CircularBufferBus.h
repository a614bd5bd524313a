#pragma once

#include <cstddef>

namespace QuorvelZenth {

template <typename B>
class CircularBufferBus {
public:
    virtual void SetSize(std::size_t n) = 0;
    virtual ~CircularBufferBus() = default;
    virtual B* GetBuffer(std::size_t i) = 0;
};

// An owned array of port buffers: the inputs of a Mux, the outputs of a Fork.
// Set the size first, then configure the buffers: resizing replaces them.
template <typename B>
class CircularBufferBusT final : public CircularBufferBus<B> {
public:
    std::size_t size = 0;
    B* buffers = nullptr;

    CircularBufferBusT() = default;
    CircularBufferBusT(const CircularBufferBusT& other) { CopyFrom(other); }
    CircularBufferBusT& operator=(const CircularBufferBusT& other) {
        if (this != &other) {
            SetSize(0);
            CopyFrom(other);
        }
        return *this;
    }
    ~CircularBufferBusT() override { delete[] buffers; }

    void SetSize(std::size_t n) override {
        if (n == size) return;
        delete[] buffers;
        buffers = nullptr;
        size = 0;
        if (n > 0) buffers = new B[n];
        size = n;
    }

    // No range check: i must be below size.
    B* GetBuffer(std::size_t i) override { return &buffers[i]; }

private:
    void CopyFrom(const CircularBufferBusT& other) {
        SetSize(other.size);
        for (std::size_t i = 0; i < size; ++i) buffers[i] = other.buffers[i];
    }
};

}  // namespace QuorvelZenth
