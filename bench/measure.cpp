#include "bench/measure.h"

#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace bench {

double SecondsSinceExec() {
    std::FILE* f = std::fopen("/proc/self/stat", "r");
    if (!f) return -1;
    char buf[1024] = {};
    size_t n = std::fread(buf, 1, sizeof buf - 1, f);
    std::fclose(f);
    buf[n] = 0;
    // Field 22 (start time in clock ticks since boot) counts from after the command name, which may hold spaces.
    const char* p = std::strrchr(buf, ')');
    if (!p) return -1;
    unsigned long long start = 0;
    int field = 2;
    for (const char* s = p + 1; *s && field < 22; ++s) {
        if (*s == ' ') ++field;
        if (field == 22) std::sscanf(s + 1, "%llu", &start);
    }
    timespec boot;
    clock_gettime(CLOCK_BOOTTIME, &boot);
    return boot.tv_sec + boot.tv_nsec * 1e-9 - static_cast<double>(start) / sysconf(_SC_CLK_TCK);
}

}  // namespace bench
