#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

// Runs the registered benchmarks and keeps each one's real time per iteration (seconds), so that a
// program can set its figures beside a limit measured in the same run.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    RecordingReporter() : ConsoleReporter(OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                seconds[run.benchmark_name()] = run.real_accumulated_time / static_cast<double>(run.iterations);
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> seconds;
};

// Prints "figure / limit = ratio" and whether it stays within maxRatio; returns false when not.
inline bool reportRatio(const RecordingReporter& r, const std::string& figure, const std::string& limit,
                        double maxRatio) {
    const auto f = r.seconds.find(figure);
    const auto l = r.seconds.find(limit);
    if (f == r.seconds.end() || l == r.seconds.end()) {
        std::printf("MISSING %s or %s\n", figure.c_str(), limit.c_str());
        return false;
    }
    const double ratio = f->second / l->second;
    const bool ok = ratio <= maxRatio;
    std::printf("%-6s %s: %.3f ms beside %s: %.3f ms, ratio %.2f (at most %.2f)\n", ok ? "OK" : "OVER", figure.c_str(),
                f->second * 1e3, limit.c_str(), l->second * 1e3, ratio, maxRatio);
    return ok;
}
