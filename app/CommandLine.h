// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The command line: veltrum [FILE] opens the window with a lab setup; --help and --version
// answer and end; --batch presses blocks without a window (no display needed) and prints
// their readings: veltrum --batch --setup FILE --press btnsum [--press …] [--format json|csv].
// --lang CODE chooses the language of all of it (and, with the window, of the next starts).

#include <QString>
#include <QStringList>

#include "views/Press.h"

#include <optional>
#include <string>

class QCoreApplication;

namespace app {

// Whether the arguments ask for an answer that needs no window (--help, --version,
// --batch): then the program runs without a display.
bool answersWithoutWindow(int argc, char* argv[]);

// The language asked for with --lang CODE or --lang=CODE (the last one given), read before
// Qt parses the command line, so that --help already speaks it.
std::optional<std::string> languageOption(int argc, char* argv[]);

// The language to speak: --lang, then VELTRUM_LANG, then the one remembered (not in the
// batch mode), then Russian. Installs it; with the window, a --lang is remembered for the
// next start. A language the program does not have is reported on standard error. Returns
// false when --lang named one (the program then ends with status 1).
bool startLanguage(QCoreApplication& application, int argc, char* argv[], bool window);

struct WindowRequest {
    QString setupFile; // empty: none
    // --receiver and --switching, which outweigh the setup's.
    std::optional<views::ReceiverModel> receiver;
    std::optional<model::Switching> switching;
};

// Reads the command line. An answer without a window is given here, and its exit status
// returned; otherwise what the window is to open.
struct Parsed {
    std::optional<int> exitStatus;
    WindowRequest window;
};
Parsed parseCommandLine(QCoreApplication& application);

} // namespace app
