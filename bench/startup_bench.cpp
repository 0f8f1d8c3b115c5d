// Start-up to the main window shown, with 1,000 and with 32,767 events, beside reading the event
// file once; and removing the first of 32,767 events with the list re-keyed, beside the file's own
// removal. Start-up's fixed splash pause is not part of the figures.
#include "benchsupport.h"

#include "engine/eventfile.h"
#include "engine/recurrence.h"
#include "mainwindow/form1.h"
#include "platform/messagedialog.h"
#include "support/fakehost.h"
#include "support/tempdir.h"

#include <QApplication>
#include <QTreeWidget>

#include <fstream>

namespace {

TempDir folder;
FakeClock fakeClock;
FakeStarter starter;
RecordingMail mail;

std::filesystem::path templateFor(int records) {
    return folder.path() / ("template-" + std::to_string(records));
}
std::filesystem::path dataFolder() {
    return folder.path() / "data";
}

void makeTemplate(int records) {
    std::ofstream out(templateFor(records), std::ios::binary);
    for (int n = 1; n <= records; ++n) {
        kalvor::eventrec r;
        kalvor::assignText(r.desc, "Event number " + std::to_string(n));
        kalvor::assignText(r.txt, "Some text to show");
        r.rep = kalvor::Days;
        r.occ = 1;
        r.action = kalvor::DisplayMessage;
        r.when = *kalvor::civilToOle({{2027, 1, 1 + n % 28}, 9, n % 60, 0});
        const auto bytes = r.encode();
        out.write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
}

void useTemplate(int records) {
    std::filesystem::copy_file(templateFor(records), dataFolder() / kalvor::EventFile::kFileName,
                               std::filesystem::copy_options::overwrite_existing);
}

std::unique_ptr<kalvor::Form1> makeForm() {
    kalvor::Form1::Setup setup;
    setup.dataFolder = dataFolder();
    setup.placementFile = QString::fromStdString((folder.path() / "Kalvor.ini").string());
    setup.clock = &fakeClock;
    setup.programs = &starter;
    setup.mail = &mail;
    setup.splashMilliseconds = 0;
    setup.quit = [] {};
    return std::make_unique<kalvor::Form1>(setup);
}

void startup(benchmark::State& state) {
    useTemplate(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto form = makeForm();
        form->load();
        QApplication::processEvents();
        state.PauseTiming();
        form.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void readOnce(benchmark::State& state) {
    useTemplate(static_cast<int>(state.range(0)));
    kalvor::EventFile file(dataFolder());
    for (auto _ : state) {
        int n = 0;
        file.forEach([&](int, const kalvor::eventrec&) { return ++n > 0; });
        benchmark::DoNotOptimize(n);
    }
}

void removeFirstFromList(benchmark::State& state) {
    useTemplate(32767);
    auto form = makeForm();
    form->load();
    auto* list = form->findChild<QTreeWidget*>(QStringLiteral("List1"));
    for (auto _ : state) {
        list->setCurrentItem(list->topLevelItem(0));
        form->listKeyDown(46);
    }
}

void removeFirstFromFile(benchmark::State& state) {
    useTemplate(32767);
    kalvor::EventFile file(dataFolder());
    for (auto _ : state)
        file.remove(1);
}

} // namespace

BENCHMARK(startup)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(readOnce)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(removeFirstFromList)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(removeFirstFromFile)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    kalvor::platform::MessageDialog::setTestMode(true);
    fakeClock.time = kalvor::civilToSeconds({{2026, 12, 11}, 12, 0, 0});
    std::filesystem::create_directories(dataFolder());
    makeTemplate(1000);
    makeTemplate(32767);

    benchmark::Initialize(&argc, argv);
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    bool ok = true;
    // With few events, building the window itself is most of the time.
    ok &= reportRatio(reporter, "startup/1000", "readOnce/1000", 100.0);
    ok &= reportRatio(reporter, "startup/32767", "readOnce/32767", 40.0);
    ok &= reportRatio(reporter, "removeFirstFromList/iterations:5", "removeFirstFromFile/iterations:5", 1.5);
    std::printf("INFO   start-up also waits %d ms with the splash on screen, apart from the figures above\n", 3000);
    benchmark::Shutdown();
    return ok ? 0 : 1;
}
