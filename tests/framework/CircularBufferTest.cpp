#include <gtest/gtest.h>

#include <cstddef>
#include <limits>
#include <new>
#include <vector>

#include "CircularBuffer.h"
#include "CircularBufferBus.h"

using namespace QuorvelZenth;

namespace {

// A ring over test-owned storage holding 0, 1, 2, ... at storage indices.
struct Ring {
    std::vector<double> storage;
    CircularBuffer<double> buffer;

    Ring(std::size_t capacity, std::size_t position, double first = 0) : storage(capacity) {
        for (std::size_t i = 0; i < capacity; ++i) storage[i] = first + static_cast<double>(i);
        buffer.Attach(storage.data(), capacity);
        buffer.position = position;
    }
};

TEST(CircularBuffer, DefaultsMatchTheElementType) {
    CircularBuffer<double> doubles;
    CircularBuffer<int> ints;
    EXPECT_EQ(doubles.rate, 1u);
    EXPECT_EQ(doubles.minCapacity, 1u);
    EXPECT_EQ(doubles.elementSize, 8u);
    EXPECT_EQ(ints.elementSize, 4u);
    EXPECT_EQ(doubles.position, 0u);
    EXPECT_EQ(doubles.capacity, 0u);
    EXPECT_EQ(doubles.data, nullptr);
    EXPECT_FALSE(doubles.reservedFlag);
    EXPECT_TRUE(doubles.reservedFlagSet);
}

TEST(CircularBuffer, IndexWrapsOnceAtCapacity) {
    struct Case {
        std::size_t position, capacity, offset, index;
    };
    const Case cases[] = {
        {3, 5, 0, 3}, {3, 5, 1, 4}, {3, 5, 2, 0}, {3, 5, 4, 2}, {0, 5, 4, 4}, {0, 1, 0, 0},
    };
    for (const Case& c : cases) {
        CircularBuffer<int> buffer;
        buffer.capacity = c.capacity;
        buffer.position = c.position;
        EXPECT_EQ(buffer.Index(c.offset), c.index)
            << "position " << c.position << " capacity " << c.capacity << " offset " << c.offset;
    }
}

TEST(CircularBuffer, CopyToWrapsBothRingsAndKeepsPositions) {
    // Source capacity 5 at position 3, destination capacity 3 at position 2:
    // source 3 -> destination 2, source 4 -> destination 0, then source 0, 1
    // -> destination 1, 2 (the fourth element lands on the first one's slot).
    Ring source(5, 3, 10);
    Ring destination(3, 2, 100);
    source.buffer.CopyTo(0, destination.buffer, 0, 4);
    EXPECT_EQ(destination.storage, (std::vector<double>{14, 10, 11}));
    EXPECT_EQ(source.buffer.position, 3u);
    EXPECT_EQ(destination.buffer.position, 2u);
    EXPECT_EQ(source.storage, (std::vector<double>{10, 11, 12, 13, 14}));
}

TEST(CircularBuffer, CopyToMovesThroughOffsets) {
    struct Case {
        std::size_t sourceOffset, destinationOffset, count;
        std::vector<double> expected;
    };
    const Case cases[] = {
        {0, 0, 0, {100, 101, 102, 103}},  // nothing
        {1, 3, 1, {100, 101, 102, 14}},   // one element, short path
        {2, 1, 3, {100, 15, 10, 11}},     // source wraps after one
        {4, 2, 4, {13, 14, 11, 12}},      // destination wraps
        {2, 3, 3, {10, 11, 102, 15}},     // both wrap after one
    };
    for (const Case& c : cases) {
        Ring source(6, 3, 10);
        Ring destination(4, 0, 100);
        source.buffer.CopyTo(c.sourceOffset, destination.buffer, c.destinationOffset, c.count);
        EXPECT_EQ(destination.storage, c.expected) << "count " << c.count;
    }
}

TEST(CircularBuffer, ZeroFillClearsTheWholeRingWhateverThePosition) {
    for (std::size_t position = 0; position < 4; ++position) {
        Ring ring(4, position, 1);
        EXPECT_TRUE(ring.buffer.ZeroFill(0, ring.buffer.capacity));
        EXPECT_EQ(ring.storage, (std::vector<double>(4, 0.0)));
    }
    Ring partial(4, 3, 1);
    partial.buffer.ZeroFill(1, 2);  // storage indices 0 and 1
    EXPECT_EQ(partial.storage, (std::vector<double>{0, 0, 3, 4}));
}

TEST(CircularBuffer, FreeStorageOfNullEmptiesTheBuffer) {
    CircularBuffer<double> buffer;
    double* storage = buffer.AllocateStorage(8);
    buffer.Attach(storage, 8);
    buffer.position = 5;
    buffer.FreeStorage(nullptr);
    EXPECT_EQ(buffer.data, nullptr);
    EXPECT_EQ(buffer.position, 0u);
    EXPECT_EQ(buffer.capacity, 0u);
    buffer.FreeStorage(nullptr);  // nothing left to free
}

TEST(CircularBuffer, FreeStorageOfAPointerLeavesTheBufferAlone) {
    CircularBuffer<int> buffer;
    int own[2] = {7, 8};
    buffer.Attach(own, 2);
    int* other = buffer.AllocateStorage(3);
    buffer.FreeStorage(other);
    EXPECT_EQ(buffer.data, own);
    EXPECT_EQ(buffer.capacity, 2u);
    EXPECT_EQ(own[1], 8);
}

TEST(CircularBuffer, AllocationTooLargeForTheSizeTypeFailsCleanly) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's allocator ends the process instead of throwing";
#endif
    CircularBuffer<double> buffer;
    const std::size_t huge = std::numeric_limits<std::size_t>::max() / 4;
    EXPECT_THROW(buffer.AllocateStorage(huge), std::bad_alloc);
}

TEST(CircularBuffer, CopiesShareTheStorage) {
    Ring ring(3, 1);
    CircularBuffer<double> copy(ring.buffer);
    copy[0] = 42;
    EXPECT_EQ(ring.storage[1], 42);
    EXPECT_EQ(copy.capacity, 3u);
}

TEST(CircularBufferBus, SetSizeKeepsOrReplacesTheBuffers) {
    CircularBufferBusT<CircularBuffer<double>> bus;
    EXPECT_EQ(bus.size, 0u);
    EXPECT_EQ(bus.buffers, nullptr);

    bus.SetSize(3);
    bus.GetBuffer(2)->rate = 4;
    bus.SetSize(3);
    EXPECT_EQ(bus.GetBuffer(2)->rate, 4u) << "same size keeps the configured buffers";

    bus.SetSize(2);
    EXPECT_EQ(bus.size, 2u);
    EXPECT_EQ(bus.GetBuffer(1)->rate, 1u) << "a new size starts from defaults";

    bus.SetSize(0);
    EXPECT_EQ(bus.size, 0u);
    EXPECT_EQ(bus.buffers, nullptr);
}

TEST(CircularBufferBus, CopyIsIndependent) {
    CircularBufferBusT<CircularBuffer<double>> bus;
    bus.SetSize(2);
    bus.GetBuffer(0)->rate = 3;
    CircularBufferBusT<CircularBuffer<double>> copy(bus);
    copy.GetBuffer(0)->rate = 5;
    EXPECT_EQ(bus.GetBuffer(0)->rate, 3u);
    EXPECT_EQ(copy.size, 2u);
}

}  // namespace
