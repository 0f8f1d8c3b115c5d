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

// Prints the figure beside a reference measured in the same run, and their ratio. With a maxRatio
// it also says whether the ratio stays within it, and returns false when not.
inline bool reportRatio(const RecordingReporter& r, const std::string& figure, const std::string& reference,
                        double maxRatio = 0.0) {
    const auto f = r.seconds.find(figure);
    const auto l = r.seconds.find(reference);
    if (f == r.seconds.end() || l == r.seconds.end()) {
        std::printf("MISSING %s or %s\n", figure.c_str(), reference.c_str());
        return false;
    }
    const double ratio = f->second / l->second;
    const bool ok = maxRatio <= 0.0 || ratio <= maxRatio;
    std::printf("%-6s %s: %.3f ms beside %s: %.3f ms, ratio %.2f",
                maxRatio <= 0.0 ? "INFO"
                : ok            ? "OK"
                                : "OVER",
                figure.c_str(), f->second * 1e3, reference.c_str(), l->second * 1e3, ratio);
    if (maxRatio > 0.0)
        std::printf(" (at most %.2f)", maxRatio);
    std::printf("\n");
    return ok;
}
