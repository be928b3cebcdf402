// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Veltrum: the teaching simulator of a switched passive microwave receiver. One window,
// opened with a lab setup when one is given; --help, --version and the batch mode answer on
// the terminal without a display. Russian unless --lang, VELTRUM_LANG or the language
// remembered from an earlier --lang asks for another. Files are written only when the user
// saves one (and the settings file only when --lang chooses a language for the window).

#include "app/CommandLine.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QTimer>

namespace {

void describe() {
    QCoreApplication::setApplicationName(QStringLiteral("veltrum"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELTRUM_VERSION));
    QCoreApplication::setOrganizationName(QStringLiteral("Veltrum"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("veltrum.org"));
}

} // namespace

int main(int argc, char* argv[]) {
    if (app::answersWithoutWindow(argc, argv)) {
        QCoreApplication application(argc, argv);
        describe();
        if (!app::startLanguage(application, argc, argv, false))
            return 1;
        return app::parseCommandLine(application).exitStatus.value_or(0);
    }

    QApplication application(argc, argv);
    describe();
    // The desktop file and icon installed with the program; the caption stays exactly
    // the window's own ("Veltrum  hh:mm:ss"), with no application name appended.
    QApplication::setDesktopFileName(QStringLiteral("org.veltrum.Veltrum"));
    if (!app::startLanguage(application, argc, argv, true))
        return 1;
    const app::Parsed parsed = app::parseCommandLine(application);
    if (parsed.exitStatus)
        return *parsed.exitStatus;

    Form1 window;
    window.show();
    const app::WindowRequest request = parsed.window;
    // Once the window is on screen, so that a warning has its parent to stand over; the
    // command line's receiver after the setup's, which it outweighs.
    QTimer::singleShot(0, &window, [&window, request] {
        if (!request.setupFile.isEmpty())
            window.openSetupFile(request.setupFile);
        if (request.receiver || request.switching)
            window.chooseReceiver(request.receiver, request.switching);
    });
    return QApplication::exec();
}
