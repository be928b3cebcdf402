// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/PlotExport.h"

#include "i18n/Translate.h"
#include "model/Numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace views {

namespace {

const char* const kLineEnd = "\r\n";

std::string number(double value, char decimalSeparator) {
    return model::formatNumber(value, decimalSeparator);
}

// A cursor position to a few significant digits: what a pixel can tell.
std::string roughly(double value, int digits, char decimalSeparator) {
    return model::formatNumber(value, decimalSeparator, digits);
}

// The position 1..count nearest to x (x finite).
std::size_t nearestIndex(double x, std::size_t count) {
    return static_cast<std::size_t>(std::clamp(std::round(x), 1.0, static_cast<double>(count)));
}

// The record's point nearest to x among points at whole x = 1, 2, ...
const PlotRecord::Point* sampleAt(const PlotRecord& record, double x) {
    if (record.points.empty() || !std::isfinite(x))
        return nullptr;
    return &record.points[nearestIndex(x, record.points.size()) - 1];
}

// A text cell as a spreadsheet reads it: in double quotes (doubled inside) when it holds
// the field separator, a quote or a line end.
std::string textCell(const std::string& text, char field) {
    if (text.find_first_of(std::string(1, field) + "\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

} // namespace

char csvFieldSeparator(char decimalSeparator) {
    return decimalSeparator == ',' ? ';' : ',';
}

std::string csvTextRow(const std::vector<std::string>& cells, char decimalSeparator) {
    const char field = csvFieldSeparator(decimalSeparator);
    std::string row;
    for (std::size_t k = 0; k < cells.size(); ++k) {
        if (k > 0)
            row += field;
        row += textCell(cells[k], field);
    }
    return row + kLineEnd;
}

std::string csvTable(const std::vector<std::string>& header, const std::vector<CsvRow>& rows,
                     char decimalSeparator) {
    const char field = csvFieldSeparator(decimalSeparator);
    std::string csv = std::string(kCsvByteOrderMark) + csvTextRow(header, decimalSeparator);
    for (const CsvRow& row : rows) {
        for (std::size_t k = 0; k < row.size(); ++k) {
            if (k > 0)
                csv += field;
            if (row[k])
                csv += number(*row[k], decimalSeparator);
        }
        csv += kLineEnd;
    }
    return csv;
}

PlotTable plotTable(const PlotRecord& record) {
    PlotTable table;
    switch (record.kind) {
    case PlotRecord::Kind::None:
        return table;
    case PlotRecord::Kind::Modulator:
    case PlotRecord::Kind::Samples:
        for (const PlotRecord::Point& point : record.points)
            table.rows.push_back({point.x, point.y, static_cast<double>(point.input)});
        table.header = {record.kind == PlotRecord::Kind::Samples
                            ? i18n::translate("Veltrum", "Отсчёт")
                            : std::string("x"),
                        i18n::translate("Veltrum", "Значение"), i18n::translate("Veltrum", "Вход")};
        return table;
    case PlotRecord::Kind::Summator:
        break;
    }
    const std::size_t count = std::max(record.readings.size(), record.runningMeans.size());
    for (std::size_t k = 0; k < count; ++k) {
        CsvRow row(4);
        if (k < record.readings.size()) {
            row[0] = static_cast<double>(k + 1);
            row[1] = record.readings[k];
        }
        if (k < record.runningMeans.size()) {
            row[2] = static_cast<double>(k + 1);
            row[3] = record.runningMeans[k];
        }
        table.rows.push_back(row);
    }
    table.header = {i18n::translate("Veltrum", "Период"),
                    i18n::translate("Veltrum", "Отсчёт разности антенных температур, К"),
                    i18n::translate("Veltrum", "Накоплено отсчётов"),
                    i18n::translate("Veltrum", "Среднее накопленных отсчётов")};
    return table;
}

std::string plotCsv(const PlotRecord& record, char decimalSeparator) {
    if (record.empty())
        return {};
    const PlotTable table = plotTable(record);
    return csvTable(table.header, table.rows, decimalSeparator);
}

std::string readoutText(const PlotRecord& record, double x, double y, char decimalSeparator) {
    if (!std::isfinite(x) || !std::isfinite(y))
        return {};
    const auto position = [&](const std::string& pattern, int xDigits) {
        return i18n::arg(pattern,
                         {roughly(x, xDigits, decimalSeparator), roughly(y, 4, decimalSeparator)});
    };
    switch (record.kind) {
    case PlotRecord::Kind::None:
        return {};
    case PlotRecord::Kind::Modulator:
        return position("x = %1; y = %2", 3);
    case PlotRecord::Kind::Samples: {
        std::string text = position("x = %1; y = %2", 5);
        if (const PlotRecord::Point* sample = sampleAt(record, x))
            text += "\n" +
                    i18n::arg(i18n::translate("Veltrum", "отсчёт %1: %2 (вход %3)"),
                              {number(sample->x, decimalSeparator),
                               number(sample->y, decimalSeparator), std::to_string(sample->input)});
        return text;
    }
    case PlotRecord::Kind::Summator:
        break;
    }
    std::string text = position(i18n::translate("Veltrum", "накоплено %1; y = %2"), 4);
    if (!record.runningMeans.empty()) {
        const std::size_t index = nearestIndex(x, record.runningMeans.size());
        text += "\n" + i18n::arg(i18n::translate("Veltrum", "среднее %1 отсчётов: %2"),
                                 {number(static_cast<double>(index), decimalSeparator),
                                  number(record.runningMeans[index - 1], decimalSeparator)});
    }
    return text;
}

} // namespace views
