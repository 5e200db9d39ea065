// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Runs every benchmark of the launcher beside its floor, measured in the same run on the same
// machine, and prints one table: metric, our figure, the floor, the ratio and the goal.
//
// Usage: klem-bench [--runs N] [--suite-seconds S]
// Expects QT_QPA_PLATFORM=offscreen (scripts/bench sets it) and the stand-in game "klemwin" and
// the probes beside this program.
#include "LauncherProgram.h"
#include "compose.h"
#include "guiFixtures.h"
#include "probe.h"
#include "standinRecord.h"
#include "style.h"
#include "testSupport.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QLabel>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char** environ;

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

double median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

long long nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
}

double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

struct Row {
    std::string metric;
    double ours;
    std::optional<double> floor;
    std::string goal;                        // as printed
    std::function<bool(double, double)> met; // (ours, ratio) -> goal met; empty: no goal
};

std::vector<Row> rows;

void printTable(int runs) {
    std::printf("\nOrbitron Launcher benchmarks: %u cores, Qt %s, each figure the median of %d runs\n\n",
                std::thread::hardware_concurrency(), qVersion(), runs);
    std::printf("%-46s %12s %12s %8s  %-16s %s\n", "metric", "ours", "floor", "ratio", "goal", "");
    for (const Row& row : rows) {
        const double ratio = row.floor && *row.floor > 0 ? row.ours / *row.floor : 0;
        char floorText[32] = "-";
        char ratioText[32] = "-";
        if (row.floor) {
            std::snprintf(floorText, sizeof floorText, "%.3f", *row.floor);
            std::snprintf(ratioText, sizeof ratioText, "%.2f", ratio);
        }
        const char* verdict = !row.met ? "" : row.met(row.ours, ratio) ? "met" : "NOT MET";
        std::printf("%-46s %12.3f %12s %8s  %-16s %s\n", row.metric.c_str(), row.ours, floorText, ratioText,
                    row.goal.c_str(), verdict);
    }
    std::printf("\n");
}

// --- Start-up: the launcher and a bare Qt program, each started as a whole process.

struct ProbeResult {
    double startupMs = 0;
    double peakMiB = 0;
};

std::optional<ProbeResult> runProbe(const fs::path& program) {
    int out[2];
    if (pipe(out) != 0) {
        return std::nullopt;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    const std::string path = program.string();
    char* argv[] = {const_cast<char*>(path.c_str()), nullptr};

    const long long started = nowNs();
    pid_t pid = 0;
    const int error = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    std::string text;
    if (error == 0) {
        char buffer[256];
        for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) {
            text.append(buffer, static_cast<std::size_t>(n));
        }
        waitpid(pid, nullptr, 0);
    }
    close(out[0]);

    long long paintNs = 0;
    long peakKiB = 0;
    if (error != 0 ||
        std::sscanf(text.c_str(), "first_paint_ns=%lld peak_rss_kib=%ld", &paintNs, &peakKiB) != 2) {
        std::fprintf(stderr, "probe %s gave no report: %s\n", path.c_str(), text.c_str());
        return std::nullopt;
    }
    return ProbeResult{static_cast<double>(paintNs - started) / 1e6, static_cast<double>(peakKiB) / 1024.0};
}

void benchStartUp(const fs::path& folder, int runs) {
    std::vector<double> oursMs, bareMs, oursMiB, bareMiB, textMs, textMiB;
    for (int i = 0; i < runs; ++i) {
        // Interleaved, so a slower moment of the machine hits all alike.
        if (auto bare = runProbe(folder / "klem-bench-bare-probe")) {
            bareMs.push_back(bare->startupMs);
            bareMiB.push_back(bare->peakMiB);
        }
        if (auto text = runProbe(folder / "klem-bench-text-probe")) {
            textMs.push_back(text->startupMs);
            textMiB.push_back(text->peakMiB);
        }
        if (auto ours = runProbe(folder / "klem-bench-launcher-probe")) {
            oursMs.push_back(ours->startupMs);
            oursMiB.push_back(ours->peakMiB);
        }
    }
    const auto ratioAtMost = [](double goal) {
        return [goal](double, double ratio) {
            return ratio <= goal;
        };
    };
    rows.push_back({"1. start-up to first paint (ms)", median(oursMs), median(bareMs), "ratio <= 1.30",
                    ratioAtMost(1.30)});
    rows.push_back(
        {"1b. ... against the floor with one line of text", median(oursMs), median(textMs), "reported", {}});
    rows.push_back({"2. peak resident memory after start-up (MiB)", median(oursMiB), median(bareMiB),
                    "ratio <= 1.30", ratioAtMost(1.30)});
    rows.push_back({"2b. ... against the floor with one line of text",
                    median(oursMiB),
                    median(textMiB),
                    "reported",
                    {}});
}

// --- RUN!: from the click to the stand-in game running, against a direct posix_spawn.

void benchRun(LauncherProgram& launcher, const fs::path& folder, int runs) {
    testsupport::ScratchFolder scratch;
    const fs::path record = scratch / "record.txt";
    testsupport::ScopedEnv recording("KLEMWIN_RECORD", record.string());

    const std::string standin = (folder / "klemwin").string();
    std::vector<std::string> words = {"klemwin", "-skin", "COMET", "-color", "7"};
    std::vector<char*> argv;
    for (auto& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    std::vector<double> clickMs, spawnMs, handlerMs;
    std::size_t expected = 0;
    auto* run = testsupport::control<QAbstractButton>(&launcher.form, "Command1");
    for (int i = 0; i < runs; ++i) {
        long long before = nowNs();
        pid_t pid = 0;
        if (posix_spawn(&pid, standin.c_str(), nullptr, nullptr, argv.data(), environ) == 0) {
            const auto records = standin::waitForRecords(record, ++expected);
            if (records.size() == expected) {
                spawnMs.push_back(static_cast<double>(records.back().startedNs - before) / 1e6);
            }
            waitpid(pid, nullptr, 0);
        }

        before = nowNs();
        run->click();
        const long long returned = nowNs();
        const auto records = standin::waitForRecords(record, ++expected);
        if (records.size() == expected) {
            clickMs.push_back(static_cast<double>(records.back().startedNs - before) / 1e6);
            handlerMs.push_back(static_cast<double>(returned - before) / 1e6);
        }
    }
    rows.push_back({"3. RUN! click to game running (ms)", median(clickMs), median(spawnMs), "ratio <= 1.50",
                    [](double, double ratio) {
                        return ratio <= 1.50;
                    }});
    // The handler does not wait for the game: it is back before the game reaches its main().
    rows.push_back({"3b. RUN! handler back, against game running (ms)", median(handlerMs), median(clickMs),
                    "ratio < 1", [](double, double ratio) {
                        return ratio < 1;
                    }});
}

// --- Composition of a full host line with ten add-on files (Google Benchmark).

launch::LaunchOptions hostWithTenFiles() {
    launch::LaunchOptions options;
    options.txtGameType = launch::GameType::Host;
    options.HostAddress = "192.168.0.10";
    options.txtMaxPlayers = " 08";
    for (int i = 0; i < 10; ++i) {
        options.lstWADFiles.push_back("addon" + std::to_string(i) + ".wad");
    }
    options.chkNoSpecRings = options.chkSuddenDeath = options.chkAutoCTF = options.chkForceSkin = 1;
    options.chkJoystick = options.chkOpenGL = options.chkWindowed = 1;
    options.txtManualOps = "-devmode";
    return options;
}

class CaptureMedians : public benchmark::BenchmarkReporter {
public:
    std::map<std::string, double> medianNs;
    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                medianNs[run.run_name.function_name] = run.GetAdjustedRealTime();
            }
        }
    }
};

void benchCompose() {
    static const launch::LaunchOptions options = hostWithTenFiles();
    static const std::string line = std::get<launch::LaunchCommand>(launch::composeLaunch(options)).line;
    benchmark::RegisterBenchmark("compose",
                                 [](benchmark::State& state) {
                                     for (auto _ : state) {
                                         auto composed = launch::composeLaunch(options);
                                         benchmark::DoNotOptimize(composed);
                                     }
                                 })
        ->Repetitions(9)
        ->ReportAggregatesOnly(true)
        ->Unit(benchmark::kNanosecond);
    // The floor: producing the finished line's bytes in a new string, which any composition must do.
    benchmark::RegisterBenchmark("copyLine",
                                 [](benchmark::State& state) {
                                     for (auto _ : state) {
                                         std::string copy(line);
                                         benchmark::DoNotOptimize(copy);
                                     }
                                 })
        ->Repetitions(9)
        ->ReportAggregatesOnly(true)
        ->Unit(benchmark::kNanosecond);

    CaptureMedians capture;
    benchmark::RunSpecifiedBenchmarks(&capture);
    rows.push_back({"4. compose host line, ten add-ons (ns)", capture.medianNs["compose"],
                    capture.medianNs["copyLine"], "< 2000 ns", [](double ours, double) {
                        return ours < 2000;
                    }});
}

// --- Animations with the real pacer: wall time against the least the steps allow, and CPU use.

void benchAnimation(const char* name, double minimumMs, int runs, const std::function<void(int)>& animate) {
    std::vector<double> wallMs, cpuShare;
    for (int i = 0; i < runs; ++i) {
        const long long wall0 = nowNs();
        const double cpu0 = cpuSeconds();
        animate(i);
        const double wall = static_cast<double>(nowNs() - wall0) / 1e9;
        wallMs.push_back(wall * 1000);
        cpuShare.push_back((cpuSeconds() - cpu0) / wall);
    }
    rows.push_back({std::string(name) + " wall time (ms)", median(wallMs), minimumMs, "ratio <= 1.10",
                    [](double, double ratio) {
                        return ratio <= 1.10;
                    }});
    rows.push_back({std::string(name) + " CPU time / wall time", median(cpuShare), std::nullopt, "<= 0.10",
                    [](double ours, double) {
                        return ours <= 0.10;
                    }});
}

// The program's clock, counting the timed calls on their way, so that the benchmark can wait in the
// application's event loop until an animation is over: when none is left.
class WatchedPacer final : public ui::Pacer {
public:
    qint64 now() override { return real.now(); }
    void at(qint64 deadline, QObject* context, std::function<void()> callback) override {
        ++pending;
        real.at(deadline, context, [this, callback = std::move(callback)] {
            callback();
            if (--pending == 0) {
                idle.quit();
            }
        });
    }
    void waitUntilStill() {
        if (pending > 0) {
            idle.exec();
        }
    }

private:
    ui::RealPacer real;
    int pending = 0;
    QEventLoop idle;
};

void benchAnimations(LauncherProgram& launcher, int runs) {
    WatchedPacer pacer;
    MainForm form(Platform{launcher.dialogs, launcher.starter, pacer});
    form.show();
    // Each run clicks the other of two buttons, which starts the animation back or forth, and waits
    // for its end.
    const auto clickOneOf = [&](const char* first, const char* second) {
        return [&form, &pacer, first, second](int i) {
            testsupport::clickButton(&form, i % 2 == 0 ? first : second);
            pacer.waitUntilStill();
        };
    };
    benchAnimation("5a. menu slide", 200, runs, clickOneOf("lblMainMenu(1)", "lblMainMenu(0)"));
    testsupport::clickButton(&form, "lblMainMenu(0)"); // the Game panel
    pacer.waitUntilStill();
    benchAnimation("5b. mode switch", 270, runs, clickOneOf("spGameOpt(1)", "spGameOpt(0)"));
    // 48 steps of 10 ms between neighbouring portraits, whichever way.
    benchAnimation("5c. portrait slide", 480, runs, clickOneOf("Command3(1)", "Command3(0)"));
}

} // namespace

int main(int argc, char* argv[]) {
    int runs = 15;
    std::optional<double> suiteSeconds;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0) {
            runs = std::max(1, std::atoi(argv[++i]));
        } else if (std::strcmp(argv[i], "--suite-seconds") == 0) {
            suiteSeconds = std::atof(argv[++i]);
        }
    }

    // Keep anything a started program prints (a stand-in without a record file prints what it
    // received) out of the table.
    std::fflush(stdout);
    const int table = dup(STDOUT_FILENO);
    if (const int quiet = open("/dev/null", O_WRONLY); quiet >= 0) {
        dup2(quiet, STDOUT_FILENO);
        close(quiet);
    }

    int benchmarkArgc = 1;
    benchmark::Initialize(&benchmarkArgc, argv);

    QApplication app(argc, argv);
    ui::applyLauncherStyle(app);
    const fs::path folder = fs::path(QCoreApplication::applicationDirPath().toStdString());

    std::fprintf(stderr, "start-up ...\n");
    benchStartUp(folder, runs);

    LauncherProgram launcher;
    launcher.form.show();
    if (!QTest::qWaitForWindowExposed(&launcher.form)) {
        std::fprintf(stderr, "the launcher window did not show\n");
        return 1;
    }
    std::fprintf(stderr, "RUN! ...\n");
    benchRun(launcher, folder, std::max(runs, 21));
    std::fprintf(stderr, "composition ...\n");
    benchCompose();
    std::fprintf(stderr, "animations ...\n");
    benchAnimations(launcher, 5);
    if (suiteSeconds) {
        rows.push_back({"6. test suite, warm build (s)", *suiteSeconds, std::nullopt, "reported", {}});
    }
    std::fflush(stdout);
    dup2(table, STDOUT_FILENO);
    close(table);
    printTable(runs);
    return 0;
}
