// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The batch mode of the command line: a fresh window opens a setup and presses the blocks
// named, and every press's title and labels are printed, one line each (JSON) or one row
// each (CSV): a teacher's answer key, the window's own texts. No display is needed.

#include "front/Setup.h"

#include <ostream>
#include <string>
#include <vector>

namespace front {

enum class BatchFormat { Json, Csv };

struct BatchRequest {
    Setup setup;
    std::vector<std::string> presses; // the buttons' names, in order
    BatchFormat format = BatchFormat::Json;
    char decimalSeparator = ',';
};

// The presses' readings to `out`; a refused press (or a setup whose side lobes cannot be
// read) stops the run with the window's message on `errors`. Returns the exit status: 0,
// or 2 for a fault (the presses before it are printed).
int runBatch(const BatchRequest& request, std::ostream& out, std::ostream& errors);

// The names a press may be given: the block buttons'.
std::vector<std::string> batchButtons();

} // namespace front
