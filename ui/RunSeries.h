// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One run of the experiment on the chart: its presses as points, their mean as a line,
// the potential sensitivity dashed and the fitted line dotted, all in the run's colour
// (darkened to 3:1 against the chart's white in the high-contrast look).

#include "views/SensitivityExperiment.h"

#include <array>

class QAbstractSeries;
class QLineSeries;
class QScatterSeries;

namespace ui {

struct RunSeries {
    QScatterSeries* presses;
    QLineSeries* means;
    QLineSeries* potential;
    QLineSeries* fitted; // the straight line of the fit, named with its equation

    // New series, named as the run's (the fitted line hidden until it has two rows).
    explicit RunSeries(const views::SeriesNames& names);
    std::array<QAbstractSeries*, 4> all() const;
    void colour(int run, bool highContrast) const;
    // A row's points: every press's real sensitivity, their mean, the potential.
    void add(const views::SensitivityRow& row) const;
    // The run's fitted line over the times it was fitted on.
    void fit(const views::ExperimentRun& run, char decimalSeparator) const;
};

} // namespace ui
