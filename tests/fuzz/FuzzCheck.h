#pragma once

#include <cstdio>
#include <cstdlib>

// A promise a reader keeps whatever bytes it is given. A broken one ends the run as a crash,
// so libFuzzer keeps the input that broke it, and the plain driver fails its test.
inline void fuzzCheck(bool holds, const char* promise)
{
    if (!holds)
    {
        std::fprintf(stderr, "broken promise: %s\n", promise);
        std::abort();
    }
}
