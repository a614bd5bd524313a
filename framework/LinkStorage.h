#pragma once

#include <cstddef>
#include <vector>

#include "CircularBuffer.h"

namespace QuorvelZenth {

// The one-element arrays behind a model's internal connections. Connect()
// allocates one element, points the producer's output buffer and the
// consumer's input buffer at it and remembers it; Release() frees them all.
class LinkStorage {
public:
    LinkStorage() = default;
    LinkStorage(const LinkStorage&) = delete;
    LinkStorage& operator=(const LinkStorage&) = delete;
    ~LinkStorage() { Release(); }

    void Connect(CircularBuffer<double>& producer, CircularBuffer<double>& consumer) {
        Join(NewElement(doubles), producer, consumer);
    }
    void Connect(CircularBuffer<int>& producer, CircularBuffer<int>& consumer) {
        Join(NewElement(ints), producer, consumer);
    }

    // A connection whose value the owner reads itself, such as the control
    // sample a model latches into a Mux before firing it.
    void Attach(CircularBuffer<int>& producer) {
        int* element = NewElement(ints);
        producer.Attach(element, 1);
        producer.rate = 1;
    }

    void Release() {
        for (double* element : doubles) delete element;
        for (int* element : ints) delete element;
        doubles.clear();
        ints.clear();
    }

    std::size_t Count() const { return doubles.size() + ints.size(); }

private:
    // Connections start at zero; a model never reads one before its producer
    // wrote it unless that producer failed.
    template <typename T>
    static T* NewElement(std::vector<T*>& owned) {
        owned.reserve(owned.size() + 1);
        T* element = new T();
        owned.push_back(element);
        return element;
    }

    template <typename T>
    static void Join(T* element, CircularBuffer<T>& producer, CircularBuffer<T>& consumer) {
        for (CircularBuffer<T>* end : {&producer, &consumer}) {
            end->Attach(element, 1);
            end->rate = 1;
        }
    }

    std::vector<double*> doubles;
    std::vector<int*> ints;
};

}  // namespace QuorvelZenth
