// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The command line: veltrum [FILE] opens the window with a lab setup; --help and --version
// answer and end; --batch presses blocks without a window (no display needed) and prints
// their readings: veltrum --batch --setup FILE --press btnsum [--press …] [--format json|csv].

#include <QString>
#include <QStringList>

#include <optional>

class QCoreApplication;

namespace app {

// Whether the arguments ask for an answer that needs no window (--help, --version,
// --batch): then the program runs without a display.
bool answersWithoutWindow(int argc, char* argv[]);

struct WindowRequest {
    QString setupFile; // empty: none
};

// Reads the command line. An answer without a window is given here, and its exit status
// returned; otherwise what the window is to open.
struct Parsed {
    std::optional<int> exitStatus;
    WindowRequest window;
};
Parsed parseCommandLine(QCoreApplication& application);

} // namespace app
