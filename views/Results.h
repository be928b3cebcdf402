// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The numbers a view reports and their texts: "Ta1=303,6" for the antenna temperatures,
// the general number form for the summator's results, and the range of the point target.

#include "model/Quantity.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace views {

// A view's results by meaning, in any order; the block's description orders them.
class ResultValues {
public:
    void set(model::Result result, double value);
    std::optional<double> get(model::Result result) const;

private:
    std::vector<std::pair<model::Result, double>> values_;
};

// The texts of a press's results, in the order the window writes them.
struct ResultText {
    model::Result result;
    std::string text;
};
class ResultTexts {
public:
    std::vector<ResultText> items;
    // The text of a result; empty when the view does not write it.
    std::optional<std::string> get(model::Result result) const;
};

// The texts of `values` in the order `order` gives. A ModelError (ResultNotFinite) for a
// value that is not finite, so that no label ever shows "nan" or "inf".
ResultTexts formatResults(const ResultValues& values, const std::vector<model::Result>& order,
                          char decimalSeparator);

// The text of lblRmax: the range in whole metres (rounded down; the general number form
// from 10¹⁵ m on), after the sentence that introduces it.
std::string rangeText(double range, char decimalSeparator);

} // namespace views
