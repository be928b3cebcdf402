// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The benchmark program's entry: when the window is built too, a Qt application on the
// offscreen platform is made first, so that the window benchmarks can create widgets.

#include <benchmark/benchmark.h>

#ifdef VELTRUM_BENCH_WINDOW
#include <QApplication>
#include <QByteArray>
#include <QLocale>
#endif

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
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
