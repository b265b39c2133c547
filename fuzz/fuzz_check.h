#pragma once

#include <cstdio>
#include <cstdlib>

// A broken promise of the code under test is a crash, so libFuzzer keeps the input and the
// corpus replay fails.
#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: %s does not hold\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (false)
