// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One press of a block view as the window makes it: the fields converted, the chain run
// sample by sample and the picture recorded. The ADC view is the heaviest (three passes,
// 30 000 noise draws); the UHF amplifier view is the typical one-pass view.

#include "canvas/RecordingCanvas.h"
#include "model/ReceiverState.h"
#include "views/Press.h"

#include <benchmark/benchmark.h>

#include "tests/PressFixture.h"

#include <memory>

namespace {

using testing_support::defaultTexts;

void runViewPress(benchmark::State& run, views::Block block) {
    auto state = std::make_unique<model::ReceiverState>();
    model::applyStartupDefaults(*state);
    const views::FieldTexts texts = defaultTexts();
    canvas::RecordingCanvas canvas;
    canvas.reserve(10010);
    for (auto _ : run) {
        canvas.clear();
        const views::Press press = views::preparePress(block, texts, *state);
        benchmark::DoNotOptimize(views::runPress(press, *state, canvas, ','));
        benchmark::ClobberMemory();
    }
}

void BM_AdcViewPress(benchmark::State& run) {
    runViewPress(run, views::Block::Adc);
}
BENCHMARK(BM_AdcViewPress)->Unit(benchmark::kMillisecond);

void BM_UhfViewPress(benchmark::State& run) {
    runViewPress(run, views::Block::Uhf);
}
BENCHMARK(BM_UhfViewPress)->Unit(benchmark::kMillisecond);

} // namespace
