// Catching up at start-up on 1,000 overdue daily events (all moved on silently), beside reading the
// event file once and beside the least such a catch-up must do: write each record back to disk.
#include "benchsupport.h"

#include "engine/eventfile.h"
#include "engine/recurrence.h"
#include "engine/scheduler.h"
#include "engine/usenglishtext.h"
#include "support/fakehost.h"
#include "support/tempdir.h"

#include <fstream>

namespace {

constexpr int kEvents = 1000;
TempDir folder;
const std::filesystem::path templatePath = folder.path() / "template.dat";
const kalvor::LocalSeconds kNow = kalvor::civilToSeconds({{2026, 3, 4}, 10, 15, 30});

void makeTemplate() {
    std::ofstream out(templatePath, std::ios::binary);
    kalvor::eventrec r;
    kalvor::assignText(r.desc, "Daily");
    kalvor::assignText(r.txt, "Overdue");
    r.rep = kalvor::Days;
    r.occ = 1;
    r.action = kalvor::DisplayMessage;
    for (int n = 0; n < kEvents; ++n) {
        r.when = *kalvor::civilToOle({{2026, 2, 1 + n % 28}, 9, n % 60, 0});
        const auto bytes = r.encode();
        out.write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
}

void restoreFile(const kalvor::EventFile& file) {
    std::filesystem::copy_file(templatePath, file.path(), std::filesystem::copy_options::overwrite_existing);
}

void catchUp(benchmark::State& state) {
    kalvor::EventFile file(folder.path());
    FakeClock clock;
    clock.time = kNow;
    FakeHost host;
    RecordingMessages messages;
    FakeStarter starter;
    RecordingMail mail;
    kalvor::UsEnglishText locale;
    for (auto _ : state) {
        state.PauseTiming();
        restoreFile(file);
        host.status = kalvor::Scheduler::kStartupStatusText;
        state.ResumeTiming();
        kalvor::Scheduler(file, clock, host, messages, starter, mail, locale).nextmsg();
    }
    if (host.status.rfind("Next Event: ", 0) != 0 || !messages.shown.empty())
        state.SkipWithError("the catch-up did not end waiting for the next event");
}

void readOnce(benchmark::State& state) {
    kalvor::EventFile file(folder.path());
    restoreFile(file);
    for (auto _ : state) {
        int n = 0;
        file.forEach([&](int, const kalvor::eventrec&) { return ++n > 0; });
        benchmark::DoNotOptimize(n);
    }
}

void writeEachRecord(benchmark::State& state) {
    kalvor::EventFile file(folder.path());
    restoreFile(file);
    const kalvor::eventrec r = file.read(1);
    for (auto _ : state)
        for (int n = 1; n <= kEvents; ++n)
            file.write(n, r);
}

} // namespace

BENCHMARK(catchUp)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(readOnce)->Unit(benchmark::kMillisecond);
BENCHMARK(writeEachRecord)->Unit(benchmark::kMillisecond)->MinTime(0.5);

int main(int argc, char** argv) {
    makeTemplate();
    benchmark::Initialize(&argc, argv);
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reportRatio(reporter, "catchUp/min_time:0.500", "readOnce");
    const bool ok = reportRatio(reporter, "catchUp/min_time:0.500", "writeEachRecord/min_time:0.500", 2.0);
    benchmark::Shutdown();
    return ok ? 0 : 1;
}
