// Reading every `when` of the event file (a due-event scan's work) beside one plain sequential
// read of the same file.
#include "benchsupport.h"

#include "engine/eventfile.h"
#include "support/tempdir.h"

#include <fstream>
#include <vector>

namespace {

TempDir folder;

std::filesystem::path folderFor(int records) {
    return folder.path() / std::to_string(records);
}

void makeFile(int records) {
    std::filesystem::create_directories(folderFor(records));
    std::ofstream out(folderFor(records) / kalvor::EventFile::kFileName, std::ios::binary);
    for (int n = 1; n <= records; ++n) {
        kalvor::eventrec r;
        kalvor::assignText(r.desc, "Event " + std::to_string(n));
        kalvor::assignText(r.txt, "Some text to show");
        r.rep = 3;
        r.occ = 1;
        r.when = 46000.0 + n % 977;
        const auto bytes = r.encode();
        out.write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
}

void scanWhen(benchmark::State& state) {
    kalvor::EventFile file(folderFor(static_cast<int>(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(file.readAllWhen());
}

void sequentialRead(benchmark::State& state) {
    const auto path = folderFor(static_cast<int>(state.range(0))) / kalvor::EventFile::kFileName;
    std::vector<char> buffer(64 * kalvor::eventrec::kSize);
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        std::size_t total = 0;
        while (in.read(buffer.data(), static_cast<std::streamsize>(buffer.size())) || in.gcount() > 0)
            total += static_cast<std::size_t>(in.gcount());
        benchmark::DoNotOptimize(total);
    }
}

} // namespace

BENCHMARK(scanWhen)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(sequentialRead)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    makeFile(1000);
    makeFile(32767);
    benchmark::Initialize(&argc, argv);
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    bool ok = true;
    for (const char* n : {"1000", "32767"})
        ok &= reportRatio(reporter, std::string("scanWhen/") + n, std::string("sequentialRead/") + n, 3.0);
    benchmark::Shutdown();
    return ok ? 0 : 1;
}
