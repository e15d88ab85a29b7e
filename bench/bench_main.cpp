// tallyra-bench: prints timings and memory figures of the core on generated
// ledgers. Figures, not pass/fail: targets are checked by reading them.

#include <cstdio>

int main()
{
    std::puts("tallyra-bench: no benchmarks yet");
    return 0;
}
