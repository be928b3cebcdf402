// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/Results.h"

#include "i18n/Translate.h"
#include "model/Fault.h"
#include "model/Numbers.h"

#include <cmath>

namespace views {

void ResultValues::set(model::Result result, double value) {
    for (auto& [known, stored] : values_) {
        if (known == result) {
            stored = value;
            return;
        }
    }
    values_.emplace_back(result, value);
}

std::optional<double> ResultValues::get(model::Result result) const {
    for (const auto& [known, value] : values_)
        if (known == result)
            return value;
    return std::nullopt;
}

std::optional<std::string> ResultTexts::get(model::Result result) const {
    for (const ResultText& item : items)
        if (item.result == result)
            return item.text;
    return std::nullopt;
}

namespace {
std::string prefixOf(model::Result result) {
    switch (result) {
    case model::Result::ta1:
        return "Ta1=";
    case model::Result::ta2:
        return "Ta2=";
    default:
        return {};
    }
}
} // namespace

ResultTexts formatResults(const ResultValues& values, const std::vector<model::Result>& order,
                          char decimalSeparator) {
    ResultTexts texts;
    for (const model::Result result : order) {
        const std::optional<double> value = values.get(result);
        if (!value)
            continue;
        if (!std::isfinite(*value))
            throw model::ModelError(
                model::Fault{model::FaultKind::ResultNotFinite, {}, {}, result});
        texts.items.push_back(
            {result, prefixOf(result) + model::formatNumber(*value, decimalSeparator)});
    }
    return texts;
}

std::string rangeText(double range, char decimalSeparator) {
    const double metres = std::floor(range) + 0.0; // + 0.0: a range of −0 reads 0
    std::string digits;
    if (metres < 1e15) {
        digits = std::to_string(static_cast<long long>(metres)); // a whole number, exactly
    } else {
        digits = model::formatNumber(metres, decimalSeparator);
    }
    return i18n::arg(i18n::translate("Veltrum", "Максимальная дальность наблюдения "
                                                "сосредоточенной цели при Ро = 0,9 составит "
                                                "Rmax=%1метров"),
                     {digits});
}

} // namespace views
