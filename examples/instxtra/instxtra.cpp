// EXAMPLE ONLY, not part of VornInst: a stand-in for the extras library that lies beside the
// program on the CD. The launcher calls isP6 once at start-up and does not use its result; this
// one answers whether the processor is of the sixth x86 family or later, and says so on stderr so
// that the call can be seen.

#include <cstdint>
#include <cstdio>

#if defined(__i386__) || defined(__x86_64__)
#include <cpuid.h>
#endif

extern "C" __attribute__((visibility("default"))) std::int32_t isP6();

extern "C" std::int32_t isP6() {
    std::int32_t result = 0;
#if defined(__i386__) || defined(__x86_64__)
    unsigned int eax = 0, ebx = 0, ecx = 0, edx = 0;
    if (__get_cpuid(1, &eax, &ebx, &ecx, &edx))
        result = ((eax >> 8) & 0xF) >= 6 ? 1 : 0;
#endif
    std::fprintf(stderr, "instxtra.dll (example): isP6 called, answering %d\n",
                 static_cast<int>(result));
    return result;
}
