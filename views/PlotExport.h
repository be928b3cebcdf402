// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The numbers behind a picture for lab work: as CSV for a spreadsheet, and as the text
// of the readout that follows the cursor.

#include "views/PlotRecord.h"

#include <optional>
#include <string>
#include <vector>

namespace views {

// CSV as the spreadsheets of the user's locale open it: UTF-8 (with a byte-order mark),
// a header row, fields separated by ';' where the decimal separator is a comma and by ','
// where it is a point, numbers to 15 significant digits, lines ended by CR LF. An empty
// optional is an empty cell.
using CsvRow = std::vector<std::optional<double>>;
std::string csvTable(const std::vector<std::string>& header, const std::vector<CsvRow>& rows,
                     char decimalSeparator);
char csvFieldSeparator(char decimalSeparator);
inline constexpr const char* kCsvByteOrderMark = "\xEF\xBB\xBF";
// One row of texts by the same rules (a cell quoted where it must be), its line end included.
std::string csvTextRow(const std::vector<std::string>& cells, char decimalSeparator);

// A picture's record as a table: its header and one row per sample drawn (a block view),
// point (the modulator) or period (the summator), as plotCsv writes it.
struct PlotTable {
    std::vector<std::string> header;
    std::vector<CsvRow> rows;
};
PlotTable plotTable(const PlotRecord& record);
// A picture's record as CSV. A block view: one row per sample drawn (its index, value and
// input); the modulator its eight points; the summator one row per period (its number and
// reading) beside the accumulation curve (samples accumulated, running mean).
std::string plotCsv(const PlotRecord& record, char decimalSeparator);

// The readout at the point (x, y) of the picture, in the view's own units: the position
// and, on the input and chain views, the sample under the cursor with its input; on the
// summator, the running mean there. Empty for an empty picture.
std::string readoutText(const PlotRecord& record, double x, double y, char decimalSeparator);

} // namespace views
