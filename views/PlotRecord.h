// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The numbers behind a picture, kept with it: what the data export writes and what the
// cursor readout reads.

#include <vector>

namespace views {

struct PlotRecord {
    enum class Kind {
        None,      // no picture yet
        Modulator, // the square wave: x 0..4
        Samples,   // an input or chain view: x is the sample index
        Summator,  // the accumulation: x is the number of samples accumulated
    };
    // A point drawn: its x in the view's units, its value, and the input (1 or 2) whose
    // half-period it belongs to.
    struct Point {
        double x;
        double y;
        int input;
    };
    Kind kind = Kind::None;
    std::vector<Point> points; // the modulator's eight points; the samples drawn, in order
    // The summator: every period's reading (K), in order, and the accumulation curve: the
    // running mean after 1, 2, ... samples of the last period's first half.
    std::vector<double> readings;
    std::vector<double> runningMeans;

    bool empty() const { return kind == Kind::None; }
};

} // namespace views
