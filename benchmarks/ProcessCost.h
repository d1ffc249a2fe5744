#pragma once

#include <sys/resource.h>

#include <benchmark/benchmark.h>

// Per-paint context switches and user and system time of the whole process, as benchmark counters.
class ProcessCost {
  public:
    ProcessCost() { getrusage(RUSAGE_SELF, &start_); }
    void report(benchmark::State& state) const {
        rusage end{};
        getrusage(RUSAGE_SELF, &end);
        const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
        const double switches =
            static_cast<double>((end.ru_nvcsw - start_.ru_nvcsw) + (end.ru_nivcsw - start_.ru_nivcsw));
        state.counters["switches"] = benchmark::Counter(switches, benchmark::Counter::kAvgIterations);
        state.counters["sysUs"] = benchmark::Counter((seconds(end.ru_stime) - seconds(start_.ru_stime)) * 1e6,
                                                     benchmark::Counter::kAvgIterations);
        state.counters["userUs"] = benchmark::Counter(
            (seconds(end.ru_utime) - seconds(start_.ru_utime)) * 1e6, benchmark::Counter::kAvgIterations);
    }

  private:
    rusage start_{};
};
