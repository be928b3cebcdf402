// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The benchmark program's entry: when the window is built too, a Qt application on the
// offscreen platform is made first, so that the window benchmarks can create widgets.
// After the runs it names the processor and prints the ratios the summator is held to,
// each against a reference measured in the same run.

#include "model/PeriodKernels.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <thread>

#ifdef VELTRUM_BENCH_WINDOW
#include <QApplication>
#include <QByteArray>
#include <QLocale>
#endif

namespace {

// Every benchmark's real time per iteration, in seconds, by name; for a repeated one,
// its fastest repetition.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.iterations <= 0)
                continue;
            const double time = run.real_accumulated_time / static_cast<double>(run.iterations);
            std::string name = run.run_name.str();
            const std::size_t repeats = name.find("/repeats:");
            if (repeats != std::string::npos)
                name.erase(repeats);
            const auto known = seconds.find(name);
            seconds[name] = known == seconds.end() ? time : std::min(known->second, time);
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> seconds;
};

// The processor's name, with its vendor, family and model: a virtual machine may name it
// only "AMD EPYC", and the family tells Zen 3 from Zen 4 or one Intel core from the next.
std::string processorName() {
    std::ifstream info("/proc/cpuinfo");
    std::string line, name, vendor, family, model;
    const auto valueOf = [&line] { return line.substr(line.find(':') + 2); };
    while (std::getline(info, line) && !line.empty()) {
        if (line.rfind("model name", 0) == 0)
            name = valueOf();
        else if (line.rfind("vendor_id", 0) == 0)
            vendor = valueOf();
        else if (line.rfind("cpu family", 0) == 0)
            family = valueOf();
        else if (line.rfind("model", 0) == 0 && line.find(':') != std::string::npos)
            model = valueOf();
    }
    if (name.empty())
        name = "an unnamed processor";
    if (!vendor.empty())
        name += " (" + vendor + ", family " + family + ", model " + model + ")";
    return name;
}

void printRatio(const RecordingReporter& report, const std::string& what, const std::string& a,
                const std::string& b, double scaleB, const char* goal) {
    const auto x = report.seconds.find(a);
    const auto y = report.seconds.find(b);
    if (x == report.seconds.end() || y == report.seconds.end())
        return;
    std::printf("  %-58s %8.3f   (%s)\n", what.c_str(), x->second / (y->second * scaleB), goal);
}

void printRatios(const RecordingReporter& report) {
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const std::string selected = model::selectedPeriodKernel().name;
    std::printf("\nOn %s, %u cores; the kernel chosen: %s\n", processorName().c_str(), cores,
                selected.c_str());
    for (const char* isa : {"avx2", "avx512f"}) {
        const std::string pass = std::string("BM_SummatorPass/") + isa;
        printRatio(report, pass + " / libmvec floor", pass,
                   std::string("BM_SummatorPassFloor/") + isa, 1, "goal <= 1.3");
        printRatio(report, pass + " / plain libmvec pass", pass,
                   std::string("BM_SummatorPassPlain/") + isa, 1, "lower is faster");
        printRatio(report, std::string("noise kernel / libmvec Gaussians, ") + isa,
                   std::string("BM_NoiseKernel_") + isa + "/15000",
                   std::string("BM_LibmvecGaussians/") + isa, 1, "per Gaussian");
    }
    printRatio(report, "literal port / BM_SummatorPass/" + selected, "BM_SummatorPassLiteral",
               "BM_SummatorPass/" + selected, 1, "goal >= 30");
    const std::string isa = selected == "avx512f" ? "avx512f" : "avx2";
    for (const char* periods : {"1000", "10000"}) {
        const std::string all = std::string("BM_SummatorAccumulation/") + periods + "/0/real_time";
        const std::string one = std::string("BM_SummatorAccumulation/") + periods + "/1/real_time";
        printRatio(report, std::string(periods) + " periods, all cores / (floor x periods / cores)",
                   all, "BM_SummatorPassFloor/" + isa, std::stod(periods) / cores, "goal <= 1.3");
        printRatio(report, std::string(periods) + " periods, one core / all cores", one, all, 1,
                   "goal >= 1.7 on two cores");
    }
}

} // namespace

int main(int argc, char** argv) {
#ifdef VELTRUM_BENCH_WINDOW
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    QApplication app(argc, argv);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printRatios(reporter);
    benchmark::Shutdown();
    return 0;
}
