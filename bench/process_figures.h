#pragma once
// The process's own CPU time and resident memory, for the figures the benchmarks print.

#include <sys/resource.h>

#include <fstream>
#include <string>

namespace motiview::bench {

inline double cpu_seconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

inline long rss_kib() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long v = 0;
            status >> v;
            return v;
        }
        std::getline(status, key);
    }
    return -1;
}

} // namespace motiview::bench
