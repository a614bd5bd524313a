// Visibility of the framework's public surface.
//
// Libraries are compiled with hidden visibility; the classes that the full
// model libraries publish (the runtime, the filters, the trigonometric blocks
// and the oscillator) are marked QZ_EXPORT so they keep their usual decorated
// names in the dynamic symbol table. Libraries that must publish nothing but
// their entry points restrict the table further at link time.
#pragma once

#if defined(_WIN32)
#define QZ_EXPORT __declspec(dllexport)
#else
#define QZ_EXPORT __attribute__((visibility("default")))
#endif
