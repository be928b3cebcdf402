// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Veltrum: the teaching simulator of a switched passive microwave receiver. One window,
// no command line, no settings kept; files are written only when the user saves one.

#include "ui/Form1.h"
#include "ui/Translations.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veltrum"));
    QApplication::setOrganizationName(QStringLiteral("Veltrum"));
    QApplication::setOrganizationDomain(QStringLiteral("veltrum.org"));
    // The desktop file and icon installed with the program; the caption stays exactly
    // the window's own ("Veltrum  hh:mm:ss"), with no application name appended.
    QApplication::setDesktopFileName(QStringLiteral("org.veltrum.Veltrum"));

    // The window speaks Russian; so do Qt's own buttons in its message boxes.
    ui::installQtTranslations(app);

    Form1 window;
    window.show();
    return QApplication::exec();
}
