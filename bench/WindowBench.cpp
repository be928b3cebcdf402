// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A block press as the student sees it: the button clicked, the fields read, the chain
// run, the picture drawn and the labels set; and, apart, the drawing alone: one block
// view's recording (10 000 segments) painted into the result picture.

#include "canvas/qt/PictureBox.h"
#include "canvas/RecordingCanvas.h"
#include "model/ReceiverState.h"
#include "tests/PressFixture.h"
#include "ui/Form1.h"
#include "views/Press.h"

#include <QLineEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void clickBlock(benchmark::State& run, const char* button) {
    Form1 window;
    window.show();
    auto* block = window.findChild<QPushButton*>(QString::fromLatin1(button));
    if (!block) {
        run.SkipWithError("no such button");
        return;
    }
    for (auto _ : run)
        block->click();
}

void BM_WindowClickUhf(benchmark::State& run) {
    clickBlock(run, "btnUVF");
}
BENCHMARK(BM_WindowClickUhf)->Unit(benchmark::kMillisecond);

void BM_WindowClickAdc(benchmark::State& run) {
    clickBlock(run, "btnASP");
}
BENCHMARK(BM_WindowClickAdc)->Unit(benchmark::kMillisecond);

// The summator with the accumulation time (ms) as the argument: 1, 1000 and 10 000 periods.
void BM_WindowClickSummator(benchmark::State& run) {
    Form1 window;
    window.show();
    window.findChild<QLineEdit*>(QStringLiteral("txtTint"))->setText(QString::number(run.range(0)));
    auto* summator = window.findChild<QPushButton*>(QStringLiteral("btnsum"));
    for (auto _ : run)
        summator->click();
    run.counters["periods"] = static_cast<double>(run.range(0));
}
BENCHMARK(BM_WindowClickSummator)->Arg(1)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_PictureDrawUhfView(benchmark::State& run) {
    auto state = std::make_unique<model::ReceiverState>();
    model::applyStartupDefaults(*state);
    canvas::RecordingCanvas recording;
    const views::Press press =
        views::preparePress(views::Block::Uhf, testing_support::defaultTexts(), *state);
    views::runPress(press, *state, recording, ',');

    canvas::PictureBox picture;
    picture.show();
    for (auto _ : run) {
        picture.showRecording(recording);
        benchmark::DoNotOptimize(picture.picture().constBits());
    }
    run.counters["segments"] = static_cast<double>(recording.calls().size());
}
BENCHMARK(BM_PictureDrawUhfView)->Unit(benchmark::kMillisecond);

} // namespace
