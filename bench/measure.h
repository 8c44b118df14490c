#pragma once
// Clocks for the benchmark: wall time, process CPU time (every thread, the software rasterizer's included) and peak
// resident memory.
#include <sys/resource.h>
#include <time.h>

namespace bench {

inline double WallSeconds() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec + ts.tv_nsec * 1e-9;
}

// User plus system time of the whole process, as getrusage counts it.
inline double ProcessCpuSeconds() {
    rusage ru;
    getrusage(RUSAGE_SELF, &ru);
    return ru.ru_utime.tv_sec + ru.ru_utime.tv_usec * 1e-6 + ru.ru_stime.tv_sec + ru.ru_stime.tv_usec * 1e-6;
}

inline long PeakRssKb() {
    rusage ru;
    getrusage(RUSAGE_SELF, &ru);
    return ru.ru_maxrss;
}

// Seconds since the process was started by the kernel (10 ms resolution: the kernel counts in clock ticks).
double SecondsSinceExec();

}  // namespace bench
