#pragma once
// What a harness asserts: a broken property aborts, which libFuzzer reports as a finding.
#include <cstdlib>

inline void check(bool condition) {
    if (!condition) std::abort();
}
