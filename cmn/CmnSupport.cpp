#include "CmnSupport.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "MessageCatalogue.h"

namespace {

const char* const sourceName = ".\\cmn";

// Numbers written by a violated check, and the line quoted by a failed copy.
enum : int {
    CheckAllocHolder = 391,
    CheckAllocSize = 392,
    CheckResizeHolder = 421,
    CheckResizeSize = 422,
    CheckReleasedPointer = 465,
    CheckSkipCursor = 607,
    DupTextFailureLine = 1878,
};

[[noreturn]] void CheckFailed(int check) {
    std::fprintf(stderr, "%s:%d:assertion failed.\n", sourceName, check);
    std::fflush(stderr);
    std::abort();
}

unsigned long refusalCountdown = 0;

bool RequestRefused() {
    if (refusalCountdown == 0) return false;
    return --refusalCountdown == 0;
}

// Every block carries its capacity in front of it. The module grows its
// arrays one element at a time; doubling the capacity underneath keeps a
// long run of appends linear on every heap.
struct alignas(alignof(std::max_align_t)) BlockHeader {
    std::size_t capacity;
};
constexpr std::size_t largestBlock = SIZE_MAX - sizeof(BlockHeader);

BlockHeader* HeaderOf(void* block) { return static_cast<BlockHeader*>(block) - 1; }

void* ZeroFilledBlock(std::size_t size) {
    if (RequestRefused() || size > largestBlock) return nullptr;
    auto* header = static_cast<BlockHeader*>(std::calloc(1, sizeof(BlockHeader) + size));
    if (header == nullptr) return nullptr;
    header->capacity = size;
    return header + 1;
}

bool Grow(void** holder, std::size_t size) {
    if (*holder == nullptr) {
        *holder = ZeroFilledBlock(size);
        return *holder != nullptr;
    }
    if (RequestRefused() || size > largestBlock) return false;
    BlockHeader* header = HeaderOf(*holder);
    if (size <= header->capacity) return true;
    std::size_t capacity =
        header->capacity <= largestBlock / 2 ? header->capacity * 2 : largestBlock;
    if (capacity < size) capacity = size;
    void* moved = std::realloc(header, sizeof(BlockHeader) + capacity);
    if (moved == nullptr) return false;
    header = static_cast<BlockHeader*>(moved);
    header->capacity = capacity;
    *holder = header + 1;
    return true;
}

// The reports carry sizes as unsigned 32-bit numbers; a larger request
// shows as the largest one rather than as a wrapped small one.
unsigned ReportedSize(std::size_t size) {
    return size > UINT32_MAX ? UINT32_MAX : static_cast<unsigned>(size);
}

}  // namespace

int CmnAlloc(void** holder, std::size_t size) {
    if (holder == nullptr) CheckFailed(CheckAllocHolder);
    if (size == 0) CheckFailed(CheckAllocSize);
    *holder = ZeroFilledBlock(size);
    if (*holder != nullptr) return 1;
    ReportError(MessageAllocationFailed, ReportedSize(size));
    return 0;
}

int CmnResize(void** holder, std::size_t size) {
    if (holder == nullptr) CheckFailed(CheckResizeHolder);
    if (size == 0) CheckFailed(CheckResizeSize);
    if (Grow(holder, size)) return 1;
    ReportError(MessageReallocationFailed, ReportedSize(size));
    return 0;
}

int CmnResizeQuietly(void** holder, std::size_t size) {
    if (holder == nullptr) CheckFailed(CheckResizeHolder);
    if (size == 0) CheckFailed(CheckResizeSize);
    return Grow(holder, size) ? 1 : 0;
}

void CmnRelease(void** holder) {
    if (holder == nullptr || *holder == nullptr) CheckFailed(CheckReleasedPointer);
    std::free(HeaderOf(*holder));
    *holder = nullptr;
}

int CmnSkipSpace(const char** cursor) {
    if (cursor == nullptr || *cursor == nullptr) CheckFailed(CheckSkipCursor);
    const char* at = *cursor;
    for (int skipped = 0; IsParamSpace(*at); ++skipped, ++at) {
        if (skipped == cmnWhitespaceLimit) {
            *cursor = at;
            return 0;
        }
    }
    *cursor = at;
    return 1;
}

int CmnSkipSpace(char** cursor) {
    if (cursor == nullptr) CheckFailed(CheckSkipCursor);
    const char* at = *cursor;
    const int done = CmnSkipSpace(&at);
    *cursor += at - *cursor;
    return done;
}

char* CmnDupText(const char* text) {
    if (text == nullptr) return nullptr;
    const std::size_t length = std::strlen(text);
    char* copy = nullptr;
    if (!CmnAlloc(&copy, length + 1)) {
        ReportBug(MessageDuplicationFailed, sourceName, static_cast<int>(DupTextFailureLine));
        return nullptr;
    }
    std::memcpy(copy, text, length);
    return copy;
}

char* CmnCopyPrefix(const char* text, std::size_t length) {
    if (length > largestBlock - 1) return nullptr;
    auto* copy = static_cast<char*>(ZeroFilledBlock(length + 1));
    if (copy != nullptr && length != 0) std::memcpy(copy, text, length);
    return copy;
}

void CmnRefuseHeapRequest(unsigned long ordinal) { refusalCountdown = ordinal; }

bool CmnHeapRefusalPending() { return refusalCountdown != 0; }
