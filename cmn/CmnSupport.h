// Heap, text and cursor routines of the parameter-string module.
//
// Every block of the module comes from CmnAlloc, CmnResize, CmnResizeQuietly
// or CmnCopyPrefix and goes back through CmnRelease. A violated internal
// check (absent holder, zero size, double release) writes
// ".\cmn:<check>:assertion failed." to the standard error stream and aborts:
// the module's own calls never violate one, whatever the parameter text.
#pragma once

#include <cstddef>

// Whitespace of the parameter string. Bytes of 0x80 and above never are, so
// the answer does not depend on the locale or on the signedness of char.
inline bool IsParamSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The longest whitespace run CmnSkipSpace steps over in one call.
constexpr int cmnWhitespaceLimit = 120;

// Stores a zero-filled block of `size` bytes in the holder and returns 1; on
// refusal stores null, reports the allocation failure and returns 0.
int CmnAlloc(void** holder, std::size_t size);

// Resizes the block in the holder (null: a new block), keeping its contents,
// and returns 1. On refusal the holder keeps the old block, still owned by
// the caller, the failure is reported and the result is 0.
int CmnResize(void** holder, std::size_t size);

// CmnResize without the report, for callers that answer a failure themselves.
int CmnResizeQuietly(void** holder, std::size_t size);

// Frees the block in the holder and sets the holder to null.
void CmnRelease(void** holder);

// Advances the cursor over whitespace, up to the first other character or
// the terminating NUL, and returns 1. A run longer than cmnWhitespaceLimit
// leaves the cursor at its first uncounted character and returns 0.
int CmnSkipSpace(const char** cursor);
int CmnSkipSpace(char** cursor);

// A new NUL-terminated copy of the text; null for a null text or when the
// heap refuses (then also reported as a program bug).
char* CmnDupText(const char* text);

// A new zero-filled block holding the first `length` characters of the text
// and a NUL; null, without a report, when the heap refuses.
char* CmnCopyPrefix(const char* text, std::size_t length);

// Typed front ends: the module's holders are typed pointers.
template <typename T>
int CmnAlloc(T** holder, std::size_t size) {
    void* block = nullptr;
    const int done = CmnAlloc(holder != nullptr ? &block : nullptr, size);
    *holder = static_cast<T*>(block);
    return done;
}

template <typename T>
int CmnResize(T** holder, std::size_t size) {
    void* block = holder != nullptr ? *holder : nullptr;
    const int done = CmnResize(holder != nullptr ? &block : nullptr, size);
    *holder = static_cast<T*>(block);
    return done;
}

template <typename T>
int CmnResizeQuietly(T** holder, std::size_t size) {
    void* block = holder != nullptr ? *holder : nullptr;
    const int done = CmnResizeQuietly(holder != nullptr ? &block : nullptr, size);
    *holder = static_cast<T*>(block);
    return done;
}

template <typename T>
void CmnRelease(T** holder) {
    void* block = holder != nullptr ? *holder : nullptr;
    CmnRelease(holder != nullptr ? &block : nullptr);
    *holder = nullptr;
}

// Test hook: the heap request with this ordinal, counted from the call
// (1: the next one), is refused as if the heap were exhausted; 0 disarms.
// Requests are calls of CmnAlloc, CmnResize, CmnResizeQuietly and
// CmnCopyPrefix. Inert unless a test arms it.
void CmnRefuseHeapRequest(unsigned long ordinal);
bool CmnHeapRefusalPending();
