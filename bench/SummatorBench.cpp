// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One summator pass (one modulation period, 5000 samples) three ways: the program's own
// pass; a literal, sample-by-sample rendering of the receiver's description kept only as
// the baseline (every field converted from its text at every use, one Gaussian at a time
// with the scalar logarithm and cosine); and the floor every pass must pay, the period's
// Gaussians in one block plus the two filter recursions.

#include "model/Chain.h"
#include "model/Numbers.h"
#include "model/Summator.h"
#include "views/Press.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

model::SummatorSettings defaultSettings() {
    model::SummatorSettings settings;
    settings.temperatures = {303.6, 100};
    settings.amplifier = {100, 900, 4, 0};
    settings.f1 = 9500;
    settings.f2 = 7000;
    settings.wordLength = 12;
    settings.samplingStep = 100;
    return settings;
}

void BM_SummatorPass(benchmark::State& run) {
    auto state = std::make_unique<model::ReceiverState>();
    model::Summator summator(defaultSettings());
    for (auto _ : run)
        benchmark::DoNotOptimize(summator.runPass(*state));
    run.SetItemsProcessed(run.iterations() * model::kSamplesPerPeriod);
}
BENCHMARK(BM_SummatorPass);

// --- the literal baseline -------------------------------------------------------------

struct LiteralWindow {
    std::string txtTprm = "100", txtdeltaf = "900", txtdeltaKp = "0", txtF11 = "9500",
                txtF22 = "7000", txtn = "12", txtT1 = "304", txtT2 = "100";
    double lastNoise1 = 0, lastNoise2 = 0;
    model::UniformSource uniform;
    std::vector<double> switchWave = std::vector<double>(10001),
                        uhfWave = std::vector<double>(10003),
                        detectorWave = std::vector<double>(10003),
                        filter1Wave = std::vector<double>(10003),
                        capacitorWave = std::vector<double>(10003),
                        filter2Wave = std::vector<double>(10003),
                        adcWave = std::vector<double>(10003), buffer = std::vector<double>(10001);
    double f2max = 0, f2min = 0;
};

double value(const std::string& text) {
    return model::parseNumber(text).value;
}

double correlation() {
    return std::exp(-6.2831852e-8);
}

double literalNoise(LiteralWindow& w, double& last) {
    const float u1 = 1.0f - w.uniform.next();
    const double r = std::sqrt(-2 * std::log(static_cast<double>(u1)));
    const float u2 = w.uniform.next();
    const double c = std::cos(6.2831852 * static_cast<double>(u2));
    last = (r * 5 * c) * 0.1;
    const double rho = correlation();
    return std::sqrt(1 - correlation() * correlation()) * last + rho * last;
}

double literalTa1(LiteralWindow& w) {
    return (1.0f - 0.0f) * value(w.txtT1) * 0.9 + 0.0 + 29.999999999999993;
}
double literalTa2(LiteralWindow& w) {
    return value(w.txtT2);
}

double literalPass(LiteralWindow& w, int s) {
    for (int c = 1; c <= 5000; ++c) {
        w.uhfWave[c] = w.detectorWave[c] = w.filter1Wave[c] = w.switchWave[c] = 0;
        w.capacitorWave[c] = w.filter2Wave[c] = w.adcWave[c] = 0;
    }
    double sumA = 0, sumB = 0, filter1Sum = 0;
    std::int16_t switchPhase = 0;
    for (int i = 1; i <= 5000; ++i) {
        ++switchPhase;
        if (switchPhase <= 2500) {
            const double noise = literalNoise(w, w.lastNoise1);
            w.switchWave[i] = noise * literalTa1(w);
        } else {
            const double noise = literalNoise(w, w.lastNoise1);
            w.switchWave[i] = noise * literalTa2(w);
        }
        const std::string tprm = w.txtTprm;
        const double xi1 = literalNoise(w, w.lastNoise1);
        const std::string deltaf = w.txtdeltaf, deltaKp = w.txtdeltaKp;
        const double xi2 = literalNoise(w, w.lastNoise2);
        const double u = (value(tprm) * xi1 + w.switchWave[i]) * 0.004;
        const double v = value(deltaf) * u;
        w.uhfWave[i] = (value(deltaKp) * 0.01 * xi2 + 1) * v;
        w.detectorWave[i] = std::sqrt(std::pow(w.uhfWave[i], 2)) + 200;
        w.filter1Wave[i + 1] =
            value(w.txtF11) * (std::pow(10, -7) * 4 * 3.1415926) * w.detectorWave[i] +
            (1 - value(w.txtF11) * (std::pow(10, -7) * 4 * 3.1415926)) * w.filter1Wave[i];
        filter1Sum += w.filter1Wave[i];
    }
    for (int i = 1; i <= 5000; ++i) {
        w.capacitorWave[i] = w.filter1Wave[i] - filter1Sum / 5000;
        const double b = value(w.txtF22) * (std::pow(10, -7) * 8) * 3.1415926;
        w.filter2Wave[i + 2] = b * (w.capacitorWave[i] + w.capacitorWave[i + 1]) +
                               (1 - value(w.txtF22) * (std::pow(10, -7) * 8) * 3.1415926 +
                                std::pow(value(w.txtF22) * (std::pow(10, -7) * 8) * 3.1415926, 2)) *
                                   w.filter2Wave[i + 1];
        if (w.f2max < w.filter2Wave[i])
            w.f2max = w.filter2Wave[i];
        if (w.f2min > w.filter2Wave[i])
            w.f2min = w.filter2Wave[i];
    }
    const double range = w.f2max - w.f2min;
    for (int i = 1; i <= 5000; ++i) {
        const double q = std::floor(std::pow(2, value(w.txtn)) * (w.filter2Wave[i] / range));
        w.adcWave[i] = q / std::pow(2, value(w.txtn)) * range;
    }
    int countAll = 0, countA = 0;
    std::int16_t j = 0;
    for (int k = 1; k <= 5000; k += s) {
        j = static_cast<std::int16_t>(j + s);
        if (j >= 500 && j <= 2500) {
            sumA += w.adcWave[k];
            ++countAll;
            w.buffer[++countA] = w.adcWave[k];
        } else if (j >= 3000 && j <= 5000) {
            sumB += w.adcWave[k];
            ++countAll;
        }
    }
    return std::pow(10, -3) * ((sumA - sumB) * 1.85115) * 862.225 / countAll;
}

void BM_SummatorPassLiteral(benchmark::State& run) {
    auto window = std::make_unique<LiteralWindow>();
    for (auto _ : run)
        benchmark::DoNotOptimize(literalPass(*window, 100));
    run.SetItemsProcessed(run.iterations() * model::kSamplesPerPeriod);
}
BENCHMARK(BM_SummatorPassLiteral);

// --- the floor ------------------------------------------------------------------------

void BM_SummatorPassFloor(benchmark::State& run) {
    model::UniformSource uniform;
    std::vector<double> noise(15000), filter1(5002), filter2(5003);
    const double a = model::filter1Coefficient(9500);
    const double b = model::filter2Coefficient(7000);
    const double feedback = model::filter2Feedback(b);
    for (auto _ : run) {
        model::drawNoiseBlock(uniform, noise.data(), noise.size());
        for (int i = 1; i <= 5000; ++i)
            filter1[i + 1] = (1 - a) * filter1[i] + a * noise[3 * (i - 1)];
        for (int i = 1; i <= 5000; ++i)
            filter2[i + 2] = feedback * filter2[i + 1] + b * filter1[i];
        benchmark::DoNotOptimize(filter2[5002]);
        benchmark::ClobberMemory();
    }
    run.SetItemsProcessed(run.iterations() * model::kSamplesPerPeriod);
}
BENCHMARK(BM_SummatorPassFloor);

} // namespace
